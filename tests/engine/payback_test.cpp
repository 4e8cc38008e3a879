// Growing series, payback period and internal rate of return of the cost calculation.
#include "engine/payback.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Payback, GrowingSeriesDiscountsEachYear) {
  struct Case {
    double amount;
    float growth, discount;
    double years, expected;
  };
  const Case cases[] = {
      {100, 5, 5, 7, 700},         // equal rates: undiscounted
      {100, 0, 5, 1, 100 / 1.05},  // one year discounted
      {100, 0, 5, 2, 100 / 1.05 + 100 / 1.05 / 1.05},
      {100, 3, 0, 2, 100 + 103},                                       // growing, not discounted
      {100, 3, 0, 1.5, (1 - std::pow(1.03, 1.5)) * 100 / (1 - 1.03)},  // a real number of years
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(GrowingSeries(c.amount, c.growth, c.years, c.discount), c.expected, 1e-9)
        << c.growth << " " << c.discount << " " << c.years;
  }
}

TEST(Payback, PeriodIsTheLastHalfYearNotYetPaidBack) {
  InvestmentFlows flows;
  flows.Investment = 10000;
  flows.HotWaterSaving = 1000;
  EXPECT_EQ(PaybackPeriod(flows), 10.0f);  // balance 0 at 10 years, -500 at 10.5

  flows.Upkeep = 250;  // running costs delay it: 750 a year net
  EXPECT_EQ(PaybackPeriod(flows), 13.0f);

  flows.HotWaterSaving = 0;
  EXPECT_EQ(PaybackPeriod(flows), 100.0f);  // never paid back

  flows.Upkeep = 0;
  flows.HotWaterSaving = 1000;
  flows.Investment = 400;  // paid back within the first year
  EXPECT_FALSE(PaybackPeriod(flows).has_value());
}

TEST(Payback, InternalRateOfReturnScansInTenthsOfAPercent) {
  InvestmentFlows flows;
  flows.Investment = 10000;
  flows.HotWaterSaving = 1000;
  // 20 yearly savings of 1000 repay 10000 at 7.75 %.
  const std::optional<float> rate = InternalRateOfReturn(flows, 20);
  ASSERT_TRUE(rate.has_value());
  EXPECT_NEAR(*rate, 7.7, 1e-3);

  flows.Investment = 20000;  // at 0 % both series are A x n / F: exactly repaid, no more
  EXPECT_NEAR(InternalRateOfReturn(flows, 20).value_or(-1), 0, 1e-6);
  flows.Investment = 30000;
  EXPECT_FALSE(InternalRateOfReturn(flows, 20).has_value());
}

}  // namespace
