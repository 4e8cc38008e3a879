// One whole design calculation, the engine's part of the compute command, on the reference
// design (52.2 degrees, one 300 l tank, four 2 m2 collectors, 10 temperature steps), and each of
// its five steps alone.
#include <benchmark/benchmark.h>

#include "design_example.h"
#include "engine/vindargast2.h"

namespace {

void WholeDesign(benchmark::State& state) {
  CVindargast2 d = design_example::Make();
  for (auto _ : state) {
    design_example::Run(d);
    benchmark::DoNotOptimize(d.PumpElectricityCost);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(WholeDesign);

// The reference design with heating support, a pool and two tanks: every branch of the steps.
void WholeDesignWithHeatingPoolAndTwoTanks(benchmark::State& state) {
  CVindargast2 d = design_example::Make();
  d.CWUCO = 1;
  d.Basen = 1;
  d.BasenOd = 4;
  d.BasenDo = 8;
  d.LiczbaZasobnikow = 2;
  d.Tank2Volume = 200;
  d.Tank2Diameter = 550;
  d.Tank2Height = 1200;
  d.Tank2InsulationThickness = 40;
  d.KatGamma = -30;
  for (auto _ : state) {
    design_example::Run(d);
    benchmark::DoNotOptimize(d.PumpElectricityCost);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(WholeDesignWithHeatingPoolAndTwoTanks);

void HotWaterDemand(benchmark::State& state) {
  CVindargast2 d = design_example::Make();
  for (auto _ : state) {
    benchmark::DoNotOptimize(d.ComputeHotWaterDemand(static_cast<float>(d.LiczbaOsob), d.DCWU,
                                                     d.TemperaturaWodySieci,
                                                     d.TemperaturaCieplejWody));
  }
}
BENCHMARK(HotWaterDemand);

void TiltFactors(benchmark::State& state) {
  CVindargast2 d = design_example::Make();
  for (auto _ : state) {
    d.ComputeTiltFactors(d.KatGamma, d.KatBeta, d.SzerokoscGeograficzna);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(TiltFactors);

void HeatLosses(benchmark::State& state) {
  CVindargast2 d = design_example::Make();
  for (auto _ : state) {
    d.ComputeHeatLosses(d.Uslonecznienie, d.Temperatura, d.Izolacja, d.Przeslona);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(HeatLosses);

void CollectorEfficiency(benchmark::State& state) {
  CVindargast2 d = design_example::Make();
  design_example::Run(d);
  const int32_t steps = design_example::TemperatureSteps(d);
  for (auto _ : state) {
    d.ComputeCollectorEfficiency(d.HotWaterEnergy, steps);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(CollectorEfficiency);

void MonthlyBalance(benchmark::State& state) {
  CVindargast2 d = design_example::Make();
  design_example::Run(d);
  const std::string price = design_example::kElectricityPrice;
  for (auto _ : state) {
    d.ComputeMonthlyBalance(d.LiczbaKolektorow, d.CWUCO, d.HotWaterEnergy, price);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(MonthlyBalance);

}  // namespace
