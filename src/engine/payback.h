// The economics of a solar installation: its total cost with VAT, growing and discounted series
// of yearly amounts, the lifetime sums, the payback period, the net present value, the internal
// rate of return, the cost of solar energy and the subsidised loan of the environmental fund.
// Rates are in % a year. Plain functions of their inputs; the cost window only wires them up.
#pragma once

#include <cstdint>
#include <optional>

class CVindargast2;

// The VAT chain of a total or a price; vat in %.
double VatAmount(double net, double vat);
double GrossFromNet(double net, double vat);
double NetFromGross(double gross, double vat);

// The price of a loaded device set plus what a set does not cover: fittings, fluid, installation
// work, the other item and the pipe insulation chosen after the set was loaded (loading a set
// with insulation clears that cost). Added in single precision.
float SetPriceTotal(const CVindargast2& design);
// The installation's total: the set-price total in set-price mode, the nine items otherwise.
float InstallationTotal(const CVindargast2& design);

// The value over `years` (a real number of years) of a yearly amount that grows by `growth` % a
// year, discounted at `discount` %. When the two rates are equal the amount is simply taken
// `years` times, undiscounted.
double GrowingSeries(double amount, float growth, double years, float discount);

// The yearly flows of an investment in a solar installation.
struct InvestmentFlows {
  double Investment = 0;      // installation cost less the subsidies
  double Upkeep = 0;          // yearly upkeep, grows with inflation
  double PumpEnergy = 0;      // yearly pump electricity
  double HotWaterSaving = 0;  // yearly saving, grows with the energy prices
  double HeatingSaving = 0;
  float Inflation = 0;  // of other prices
  float Growth = 0;     // of energy prices
  float Discount = 0;
};

// The last half-year step r = 1, 1.5, 2, ... 100 at which the investment is not yet paid back
// (its balance, investment less discounted savings plus running costs, is not negative); 100 when
// it is not paid back within 100 years. Nothing when it is paid back within the first year.
// Over these r years the pump electricity grows with inflation, as the upkeep does.
std::optional<float> PaybackPeriod(const InvestmentFlows& flows);

// The last trial rate s = 0, 0.1, 0.2, ... 100 (a single-precision sum of the steps) at which the
// net present value over `years` is not negative; nothing when it is negative at once. The
// flows are discounted at s instead of the discount rate.
std::optional<float> InternalRateOfReturn(const InvestmentFlows& flows, double years);

// The lifetime and average sums of a cost calculation over `years` (above 0) of service.
struct LifetimeSums {
  float RunningCosts = 0;  // upkeep growing with inflation, pump electricity with energy prices
  float AverageRunningCosts = 0;
  float HotWaterSavings = 0;
  float HeatingSavings = 0;
  float AverageHotWaterSavings = 0;
  float AverageHeatingSavings = 0;
  float AverageCostWithoutSolar = 0;  // yearly heating cost, averaged over the years
  float AverageCostWithSolar = 0;
};
LifetimeSums ComputeLifetimeSums(const InvestmentFlows& flows, double annualCostWithoutSolar,
                                 double annualCostWithSolar, double years);

// Lifetime savings less lifetime running costs less the investment net of subsidies.
double NetPresentValue(double lifetimeSavings, double lifetimeRunningCosts, double netInvestment);

// The cost of a kWh of solar heat over the service life: the investment net of subsidies and the
// lifetime running costs over the solar energy of those years; nothing without solar energy.
std::optional<double> SolarEnergyCost(double netInvestment, double lifetimeRunningCosts,
                                      double annualSolarEnergy, double years);

// The eligible cost of the environmental fund's subsidy: at most 2500 zł per m2 of collector.
constexpr float kEligibleCostPerSquareMetre = 2500;
// The smaller of the gross total and the cap of `collectors` collectors of `area` m2 each.
float CappedEligibleCost(float grossTotal, int32_t collectors, float area);

// The subsidy of the environmental fund granted together with a bank loan.
struct LoanTerms {
  float CollectorArea = 0;   // m2, all collectors
  float EligibleCost = 0;    // zł, capped by the collector area
  float SubsidyPercent = 0;  // %
  float LoanAmount = 0;      // zł
  float InterestRate = 0;    // % a year
  float CommissionRate = 0;  // %
  float OtherCosts = 0;      // zł
  float LoanMonths = 0;
  float WaitingMonths = 0;  // until the subsidy is paid
  int32_t TaxScale = 0;     // 0 "18%", 1 "32%", 2 a beneficiary without income
};
struct LoanResult {
  float EligibleCost = 0;  // after the cap
  float GrossSubsidy = 0;
  float TaxRate = 0;
  float Commission = 0;
  float InterestBeforeSubsidy = 0;  // on the whole loan until the subsidy arrives
  float InterestAfterSubsidy = 0;   // on the loan less the subsidy for the rest, never below 0
  float SubsidyTax = 0;
  float NetSubsidy = 0;
  double LoanCosts = 0;  // commission, both interests and the other costs
};
LoanResult ComputeSubsidisedLoan(const LoanTerms& terms);
