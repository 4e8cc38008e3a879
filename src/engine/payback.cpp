#include "engine/payback.h"

#include <cmath>

namespace {

// A geometric series of `years` terms growing by `growth` % and discounted at `discount` %; the
// two rates differ.
double DiscountedSeries(double amount, float growth, double years, float discount) {
  const double factor = (1 + 0.01 * growth) / (1 + 0.01 * discount);
  return (1 - std::pow(factor, years)) * (amount / (1 + 0.01 * discount)) / (1 - factor);
}

// The series of the rate scan, discounted at the trial rate: A x n / F when the rates are equal.
double TrialSeries(double amount, float growth, double years, float rate) {
  if (growth == rate) return amount * years / (1 + 0.01 * rate);
  return DiscountedSeries(amount, growth, years, rate);
}

}  // namespace

double GrowingSeries(double amount, float growth, double years, float discount) {
  if (growth == discount) return amount * years;
  return DiscountedSeries(amount, growth, years, discount);
}

std::optional<float> PaybackPeriod(const InvestmentFlows& flows) {
  std::optional<float> payback;
  for (float years = 1; years <= 100; years += 0.5f) {
    const double running =
        GrowingSeries(flows.Upkeep + flows.PumpEnergy, flows.Inflation, years, flows.Discount);
    const double savings =
        GrowingSeries(flows.HotWaterSaving, flows.Growth, years, flows.Discount) +
        GrowingSeries(flows.HeatingSaving, flows.Growth, years, flows.Discount);
    if (flows.Investment - savings + running < 0) break;
    payback = years;
  }
  return payback;
}

std::optional<float> InternalRateOfReturn(const InvestmentFlows& flows, double years) {
  std::optional<float> rate;
  for (float trial = 0; trial <= 100; trial += 0.1f) {
    const double value =
        TrialSeries(flows.HotWaterSaving + flows.HeatingSaving, flows.Growth, years, trial) -
        TrialSeries(flows.Upkeep + flows.PumpEnergy, flows.Inflation, years, trial) -
        flows.Investment;
    if (value < 0) break;
    rate = trial;
  }
  return rate;
}
