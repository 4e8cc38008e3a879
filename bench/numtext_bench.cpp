// Number texts: the writers against the reference that expands every value in full (what the
// writers did before they took 25 correctly rounded digits), on the values a design shows:
// floats widened to double, from hundredths to tens of thousands.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "engine/numtext.h"
#include "engine/numtext_reference.h"

namespace {

const std::vector<double>& Values() {
  static const std::vector<double> values = [] {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> mantissa(1.0f, 10.0f);
    std::uniform_int_distribution<int> exponent(-2, 4);
    std::vector<double> v;
    for (int i = 0; i < 1024; ++i) {
      float value = mantissa(random);
      for (int e = exponent(random); e > 0; --e) value *= 10;
      for (int e = exponent(random); e < 0; ++e) value /= 10;
      v.push_back(static_cast<double>(i % 2 ? value : -value));
    }
    return v;
  }();
  return values;
}

template <class Write>
void Texts(benchmark::State& state, Write write) {
  const std::vector<double>& values = Values();
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(write(values[i]));
    i = (i + 1) % values.size();
  }
  state.SetItemsProcessed(state.iterations());
}

const CurrencyFormat kCurrency;

void General15(benchmark::State& s) {
  Texts(s, [](double v) { return GeneralText(v, 15, 0); });
}
void General15Reference(benchmark::State& s) {
  Texts(s, [](double v) { return numtext_reference::GeneralText(v, 15, 0); });
}
void General4(benchmark::State& s) {
  Texts(s, [](double v) { return GeneralText(v, 4, 2); });
}
void General4Reference(benchmark::State& s) {
  Texts(s, [](double v) { return numtext_reference::GeneralText(v, 4, 2); });
}
void Fixed4_2(benchmark::State& s) {
  Texts(s, [](double v) { return FixedText(v, 4, 2); });
}
void Fixed4_2Reference(benchmark::State& s) {
  Texts(s, [](double v) { return numtext_reference::FixedText(v, 4, 2); });
}
void Currency6(benchmark::State& s) {
  Texts(s, [](double v) { return CurrencyText(v, 6, kCurrency); });
}
void Currency6Reference(benchmark::State& s) {
  Texts(s, [](double v) { return numtext_reference::CurrencyText(v, 6, kCurrency); });
}
BENCHMARK(General15);
BENCHMARK(General15Reference);
BENCHMARK(General4);
BENCHMARK(General4Reference);
BENCHMARK(Fixed4_2);
BENCHMARK(Fixed4_2Reference);
BENCHMARK(Currency6);
BENCHMARK(Currency6Reference);

}  // namespace
