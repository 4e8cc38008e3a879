#include "engine/payback.h"

#include <algorithm>
#include <cmath>

#include "engine/vindargast2.h"

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

double VatAmount(double net, double vat) {
  return vat * 0.01 * net;
}

double GrossFromNet(double net, double vat) {
  return net + vat * 0.01 * net;
}

double NetFromGross(double gross, double vat) {
  return gross / (vat * 0.01 + 1);
}

float SetPriceTotal(const CVindargast2& design) {
  float total = design.CenaZestawu;
  for (float item : {design.CenaArmatury, design.CenaPlynu, design.CenaMontazu, design.CenaInne,
                     design.InsulationCost}) {
    total += item;
  }
  return total;
}

float InstallationTotal(const CVindargast2& design) {
  return design.SetPriceMode == 1 ? SetPriceTotal(design) : design.ComputeTotalCost();
}

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

LifetimeSums ComputeLifetimeSums(const InvestmentFlows& flows, double annualCostWithoutSolar,
                                 double annualCostWithSolar, double years) {
  const float inflation = flows.Inflation, growth = flows.Growth, discount = flows.Discount;
  LifetimeSums sums;
  // Upkeep grows with inflation, the pump's electricity with the energy prices.
  sums.RunningCosts = static_cast<float>(GrowingSeries(flows.Upkeep, inflation, years, discount) +
                                         GrowingSeries(flows.PumpEnergy, growth, years, discount));
  sums.AverageRunningCosts = static_cast<float>(sums.RunningCosts / years);
  sums.HotWaterSavings =
      static_cast<float>(GrowingSeries(flows.HotWaterSaving, growth, years, discount));
  sums.HeatingSavings =
      static_cast<float>(GrowingSeries(flows.HeatingSaving, growth, years, discount));
  if (discount != growth) {
    sums.AverageCostWithoutSolar =
        static_cast<float>(GrowingSeries(annualCostWithoutSolar, growth, years, discount) / years);
    sums.AverageCostWithSolar =
        static_cast<float>(GrowingSeries(annualCostWithSolar, growth, years, discount) / years);
  } else {
    sums.AverageCostWithoutSolar = static_cast<float>(annualCostWithoutSolar);
    sums.AverageCostWithSolar = static_cast<float>(annualCostWithSolar);
  }
  sums.AverageHotWaterSavings = static_cast<float>(sums.HotWaterSavings / years);
  sums.AverageHeatingSavings = static_cast<float>(sums.HeatingSavings / years);
  return sums;
}

double NetPresentValue(double lifetimeSavings, double lifetimeRunningCosts, double netInvestment) {
  return lifetimeSavings - (lifetimeRunningCosts + netInvestment);
}

std::optional<double> SolarEnergyCost(double netInvestment, double lifetimeRunningCosts,
                                      double annualSolarEnergy, double years) {
  const double energy = annualSolarEnergy * years;
  if (!(energy > 0)) return std::nullopt;
  return (netInvestment + lifetimeRunningCosts) / energy;
}

float CappedEligibleCost(float grossTotal, int32_t collectors, float area) {
  const float cap =
      static_cast<float>(static_cast<double>(collectors) * area * kEligibleCostPerSquareMetre);
  return grossTotal < cap ? grossTotal : cap;
}

LoanResult ComputeSubsidisedLoan(const LoanTerms& terms) {
  LoanResult r;
  const float cap =
      static_cast<float>(static_cast<double>(kEligibleCostPerSquareMetre) * terms.CollectorArea);
  r.EligibleCost = cap <= terms.EligibleCost ? cap : terms.EligibleCost;
  r.GrossSubsidy = static_cast<float>(0.01 * terms.SubsidyPercent * r.EligibleCost);
  r.Commission = static_cast<float>(0.01 * terms.CommissionRate * terms.LoanAmount);
  // Interest at a monthly rate of rate / 1200 on half the amount: on the whole loan until the
  // subsidy arrives, then on the loan less the subsidy.
  r.InterestBeforeSubsidy =
      static_cast<float>(static_cast<double>(terms.LoanAmount) * terms.InterestRate *
                         (terms.WaitingMonths + 1.0) / 2400.0);
  // No interest once the subsidy has paid the loan off or the loan ended before it arrived: never
  // a negative interest that would raise the net subsidy.
  r.InterestAfterSubsidy = static_cast<float>(std::max(
      0.0, (static_cast<double>(terms.LoanAmount) - r.GrossSubsidy) * terms.InterestRate *
               (static_cast<double>(terms.LoanMonths) - terms.WaitingMonths + 1.0) / 2400.0));
  r.LoanCosts = static_cast<double>(r.Commission) + r.InterestBeforeSubsidy +
                r.InterestAfterSubsidy + terms.OtherCosts;
  // Income tax on the subsidy; a beneficiary without income is taxed above an allowance.
  switch (terms.TaxScale) {
    case 0:
      r.TaxRate = 0.18f;
      r.SubsidyTax = static_cast<float>(static_cast<double>(r.GrossSubsidy) * 0.18f);
      break;
    case 1:
      r.TaxRate = 0.32f;
      r.SubsidyTax = static_cast<float>(static_cast<double>(r.GrossSubsidy) * 0.32f);
      break;
    default:
      r.TaxRate = 0.18f;
      r.SubsidyTax =
          static_cast<float>(std::max(0.0, (static_cast<double>(r.GrossSubsidy) - 3090) * 0.18f));
      break;
  }
  r.NetSubsidy =
      static_cast<float>(static_cast<double>(r.GrossSubsidy) - r.SubsidyTax - r.Commission -
                         r.InterestBeforeSubsidy - r.InterestAfterSubsidy - terms.OtherCosts);
  return r;
}
