// The cost calculation without a window: totals with VAT, growing series, lifetime sums, payback
// period, net present value, internal rate of return, cost of solar energy, subsidised loan.
#include "engine/payback.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/vindargast2.h"

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

namespace {

TEST(CostTotals, VatChainBothWays) {
  EXPECT_DOUBLE_EQ(GrossFromNet(1000, 22), 1220);
  EXPECT_DOUBLE_EQ(VatAmount(1000, 22), 220);
  EXPECT_NEAR(NetFromGross(1.22, 22), 1.0, 1e-12);
  EXPECT_DOUBLE_EQ(GrossFromNet(10, 8), 10.8);
  EXPECT_DOUBLE_EQ(GrossFromNet(500, 0), 500);
}

TEST(CostTotals, SetPriceTotalAddsWhatTheSetDoesNotCover) {
  CVindargast2 design = MakeDefaultDesign();
  design.CenaKolektory = 3000;  // inside the set: never counted beside its price
  design.CenaZasobnik = 2000;
  design.CenaZestawu = 5000;
  design.CenaArmatury = 100;
  design.CenaPlynu = 50;
  design.CenaMontazu = 800;
  design.CenaInne = 0.5f;
  design.InsulationCost = 25;  // insulation chosen after the set was loaded
  EXPECT_FLOAT_EQ(SetPriceTotal(design), 5975.5f);

  design.SetPriceMode = 1;
  EXPECT_FLOAT_EQ(InstallationTotal(design), 5975.5f);
  design.SetPriceMode = 0;  // the nine items, without the insulation
  EXPECT_FLOAT_EQ(InstallationTotal(design), 5950.5f);
}

TEST(CostTotals, LifetimeSumsFollowGrowthAndDiscount) {
  InvestmentFlows flows;
  flows.HotWaterSaving = 1000;
  flows.HeatingSaving = 200;
  flows.Upkeep = 100;
  flows.PumpEnergy = 50;
  // No growth, no discount: each amount n times.
  LifetimeSums sums = ComputeLifetimeSums(flows, 1500, 500, 20);
  // The averages of the heating costs are the yearly costs: discount equal to growth.
  const std::pair<float, float> undiscounted[] = {{sums.HotWaterSavings, 20000},
                                                  {sums.HeatingSavings, 4000},
                                                  {sums.RunningCosts, 3000},
                                                  {sums.AverageRunningCosts, 150},
                                                  {sums.AverageHotWaterSavings, 1000},
                                                  {sums.AverageHeatingSavings, 200},
                                                  {sums.AverageCostWithoutSolar, 1500},
                                                  {sums.AverageCostWithSolar, 500}};
  for (const auto& [value, expected] : undiscounted) EXPECT_FLOAT_EQ(value, expected);

  // Energy prices grow by 3 %, other prices by 2 %, all discounted at 5 %.
  flows.Growth = 3;
  flows.Inflation = 2;
  flows.Discount = 5;
  sums = ComputeLifetimeSums(flows, 1500, 500, 10);
  auto series = [](double amount, double growth, int years) {
    double sum = 0;  // year t: amount x (1 + g)^(t-1) / (1 + d)^t
    for (int t = 1; t <= years; ++t)
      sum += amount * std::pow(1 + growth, t - 1) / std::pow(1.05, t);
    return sum;
  };
  EXPECT_NEAR(sums.HotWaterSavings, series(1000, 0.03, 10), 1e-2);
  EXPECT_NEAR(sums.RunningCosts, series(100, 0.02, 10) + series(50, 0.03, 10), 1e-3);
  EXPECT_NEAR(sums.AverageCostWithoutSolar, series(1500, 0.03, 10) / 10, 1e-3);
  EXPECT_NEAR(sums.AverageHeatingSavings, series(200, 0.03, 10) / 10, 1e-4);
}

TEST(CostTotals, NetPresentValueAndCostOfSolarEnergy) {
  EXPECT_DOUBLE_EQ(NetPresentValue(24000, 3000, 10000 - 1500), 12500);
  EXPECT_DOUBLE_EQ(NetPresentValue(5000, 0, 8000), -3000);

  // 9000 zł net and 3000 zł of running costs for 20 years of 1200 kWh: 0.5 zł per kWh.
  EXPECT_NEAR(SolarEnergyCost(9000, 3000, 1200, 20).value_or(-1), 0.5, 1e-12);
  EXPECT_FALSE(SolarEnergyCost(9000, 3000, 0, 20).has_value());
  EXPECT_FALSE(SolarEnergyCost(9000, 3000, 1200, 0).has_value());
}

// A loan of 20000 zł at 6 % for 24 months, the subsidy paid after 3 months, a commission of 1 %
// and 100 zł of other costs, on 10 m2 of collectors with 30000 zł of eligible cost.
LoanTerms Loan(float percent, int32_t scale) {
  LoanTerms t;
  t.CollectorArea = 10;
  t.EligibleCost = 30000;
  t.SubsidyPercent = percent;
  t.LoanAmount = 20000;
  t.InterestRate = 6;
  t.CommissionRate = 1;
  t.OtherCosts = 100;
  t.LoanMonths = 24;
  t.WaitingMonths = 3;
  t.TaxScale = scale;
  return t;
}

TEST(SubsidisedLoan, WorkedExamples) {
  struct Case {
    float percent;
    int32_t scale;
    double gross, taxRate, tax;
  };
  const Case cases[] = {
      {40, 0, 10000, 0.18, 1800},
      {40, 1, 10000, 0.32, 3200},
      {40, 2, 10000, 0.18, 1243.8},  // above the allowance of 3090 zł
      {12, 2, 3000, 0.18, 0},        // below it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.percent << " % scale " << c.scale);
    const LoanResult r = ComputeSubsidisedLoan(Loan(c.percent, c.scale));
    EXPECT_FLOAT_EQ(r.EligibleCost, 25000);  // capped at 2500 zł per m2
    EXPECT_NEAR(r.GrossSubsidy, c.gross, 1e-3);
    EXPECT_NEAR(r.TaxRate, c.taxRate, 1e-6);
    EXPECT_NEAR(r.SubsidyTax, c.tax, 1e-2);
    EXPECT_NEAR(r.Commission, 200, 1e-3);
    EXPECT_NEAR(r.InterestBeforeSubsidy, 200, 1e-3);  // 20000 x 6 x 4 / 2400
    const double after = (20000 - c.gross) * 6 * 22 / 2400;
    EXPECT_NEAR(r.InterestAfterSubsidy, after, 1e-2);
    EXPECT_NEAR(r.LoanCosts, 200 + 200 + after + 100, 1e-2);
    EXPECT_NEAR(r.NetSubsidy, c.gross - c.tax - 200 - 200 - after - 100, 1e-2);
  }
  // A subsidy of 10000 zł paid after 3 months leaves 10000 zł of the loan at 6 % for the other
  // 22 months: 10000 x 6 x 22 / 2400 = 550 zł of interest.
  LoanTerms terms = Loan(40, 0);
  EXPECT_NEAR(ComputeSubsidisedLoan(terms).InterestAfterSubsidy, 550, 1e-3);
  // Waiting as long as the loan runs: the second interest runs over one month.
  terms.WaitingMonths = 24;
  EXPECT_NEAR(ComputeSubsidisedLoan(terms).InterestAfterSubsidy, 10000 * 6 * 1 / 2400.0, 1e-3);
  // A subsidy above the loan, or a loan that ended before the subsidy came: no interest after it.
  for (const auto& [amount, waiting] : {std::pair<float, float>{5000, 3}, {20000, 30}}) {
    terms = Loan(40, 0);
    terms.LoanAmount = amount;
    terms.WaitingMonths = waiting;
    const LoanResult r = ComputeSubsidisedLoan(terms);
    EXPECT_EQ(r.InterestAfterSubsidy, 0) << amount << " " << waiting;
    EXPECT_NEAR(r.NetSubsidy, 10000 - 1800 - r.Commission - r.InterestBeforeSubsidy - 100, 1e-2);
  }
  terms = Loan(40, 0);
  // An eligible cost below the cap stands.
  terms.EligibleCost = 12000;
  EXPECT_FLOAT_EQ(ComputeSubsidisedLoan(terms).EligibleCost, 12000);
}

TEST(SubsidisedLoan, EligibleCostIsCappedByTheCollectorArea) {
  EXPECT_FLOAT_EQ(CappedEligibleCost(3031.16f, 4, 2), 3031.16f);
  EXPECT_FLOAT_EQ(CappedEligibleCost(3031.16f, 4, 0.1f), 1000);
  EXPECT_FLOAT_EQ(CappedEligibleCost(30000, 0, 2), 0);
}

}  // namespace
