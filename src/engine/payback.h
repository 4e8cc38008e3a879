// The economics of a solar installation over the years: growing and discounted series of yearly
// amounts, the payback period and the internal rate of return. Rates are in % a year.
#pragma once

#include <optional>

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
