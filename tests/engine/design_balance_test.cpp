// The monthly energy balance on a design whose field energy is set directly: how a month's
// energy is split between hot water, central heating and the pool, the yearly figures, the
// pump's electricity cost and a price text that is not a number.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "design_example.h"
#include "engine/vindargast2.h"

namespace {

const char* const kMonth[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

constexpr float kDemand = 100;  // E, kWh per month
constexpr float kLoss = 10;     // L, kWh per month

// Four collectors of 2 m2 at 50 % and a tilt factor of 1: SolarEnergy = 4 x insolation. Every
// month has 100 kWh/m2 (400 kWh, a surplus of 290 kWh over demand and losses) but December,
// which has 2 (8 kWh, below its losses).
CVindargast2 Balanced() {
  CVindargast2 d = design_example::Make();
  for (int m = 0; m < 12; ++m) {
    d.Naslonecznienie[m] = m == 11 ? 2 : 100;
    d.TiltFactor[m] = 1;
    d.CollectorEfficiency[m] = 50;
    d.HeatLoss[m][0] = kLoss;
    d.HeatLoss[m][1] = kLoss;
  }
  d.PoolEnergyDemand = 500;
  return d;
}

TEST(MonthlyBalance, MonthOfSurplusAndMonthBelowLosses) {
  CVindargast2 d = Balanced();
  d.ComputeMonthlyBalance(4, 0, kDemand, "0.6");
  EXPECT_EQ(d.SolarEnergy[0], 400.0f);
  EXPECT_EQ(d.UsefulEnergy[0], kDemand + kLoss);
  EXPECT_EQ(d.HotWaterSolarEnergy[0], kDemand);
  EXPECT_EQ(d.HotWaterCoverage[0], 100.0f);
  EXPECT_EQ(d.SystemEfficiency[0], 100.0f * 100 / 800);

  EXPECT_EQ(d.SolarEnergy[11], 8.0f);
  EXPECT_EQ(d.UsefulEnergy[11], 8.0f);
  EXPECT_EQ(d.HotWaterSolarEnergy[11], -2.0f);  // summed as it is
  EXPECT_EQ(d.HotWaterCoverage[11], -2.0f);
  EXPECT_EQ(d.HeatingSolarEnergy[11], 0.0f);
  EXPECT_EQ(d.PoolSolarEnergy[11], 0.0f);

  EXPECT_EQ(d.AnnualHotWaterSolarEnergy, 11 * kDemand - 2);
  EXPECT_EQ(d.AnnualHeatLoss, 12 * kLoss);
  EXPECT_EQ(d.AnnualInsolation, 1102.0f);
  EXPECT_NEAR(d.AnnualHotWaterCoverage, 1098.0 * 100 / 1200, 1e-4);
  EXPECT_NEAR(d.YieldPerSquareMetre, 1098.0 / 8, 1e-4);
}

// Where each month's surplus of 290 kWh goes, by scheme and pool season. A month that belongs to
// central heating and to the pool gives it to central heating only.
TEST(MonthlyBalance, SurplusByHeatingAndPoolSeason) {
  const struct {
    const char* name;
    int32_t scheme;
    uint8_t pool;
    int32_t from, to;
    const char* heating;  // per month: 'h' the surplus goes to heating
    const char* pool_;    // per month: 'p' the surplus goes to the pool
    double heatingCoverage, poolCoverage;
  } cases[] = {
      {"hot water only", 0, 0, 0, 0, "............", "............", 0, 0},
      {"heating", 1, 0, 0, 0, "hhhh....hhh.", "............", 7 * 290 * 100.0 / 18000, 0},
      {"pool June to August", 0, 1, 5, 7, "............", ".....ppp....", 0,
       3 * 290 * 100.0 / (3 * 500)},
      {"pool in July only", 0, 1, 6, 6, "............", "......p.....", 0, 290 * 100.0 / 500},
      {"pool season reversed", 0, 1, 7, 5, "............", "............", 0, 0},
      {"pool off", 0, 0, 5, 7, "............", "............", 0, 0},
      {"heating and a pool all year", 1, 1, 0, 11, "hhhh....hhh.", "....pppp....",
       7 * 290 * 100.0 / 18000, 4 * 290 * 100.0 / (12 * 500)},
  };
  for (const auto& c : cases) {
    CVindargast2 d = Balanced();
    d.Basen = c.pool;
    d.BasenOd = c.from;
    d.BasenDo = c.to;
    d.ComputeMonthlyBalance(4, c.scheme, kDemand, "0.6");
    for (int m = 0; m < 12; ++m) {
      SCOPED_TRACE(std::string(c.name) + " " + kMonth[m]);
      EXPECT_EQ(d.HeatingSolarEnergy[m], c.heating[m] == 'h' ? 290.0f : 0.0f);
      EXPECT_EQ(d.PoolSolarEnergy[m], c.pool_[m] == 'p' ? 290.0f : 0.0f);
      if (c.heating[m] == 'h' || c.pool_[m] == 'p') {
        // Hot water, heating and pool share exactly what the field gave beyond the losses.
        EXPECT_EQ(d.HotWaterSolarEnergy[m] + d.HeatingSolarEnergy[m] + d.PoolSolarEnergy[m],
                  d.SolarEnergy[m] - kLoss);
        EXPECT_EQ(d.SystemEfficiency[m], 390.0f * 100 / 800);
      }
    }
    EXPECT_EQ(d.AnnualHeatingDemand, c.scheme == 1 ? 18000.0f : 0.0f) << c.name;
    EXPECT_NEAR(d.HeatingCoverage, c.heatingCoverage, 1e-4) << c.name;
    EXPECT_NEAR(d.PoolCoverage, c.poolCoverage, 1e-4) << c.name;
  }
}

TEST(MonthlyBalance, MonthWithoutInsolation) {
  CVindargast2 d = design_example::Make();
  d.Naslonecznienie[11] = 0;
  design_example::Run(d);
  EXPECT_EQ(d.CollectorEfficiency[11], 0.0f);
  EXPECT_EQ(d.SolarEnergy[11], 0.0f);
  EXPECT_EQ(d.SystemEfficiency[11], 0.0f);
  EXPECT_EQ(d.HotWaterSolarEnergy[11], -d.HeatLoss[11][0]);
  EXPECT_TRUE(std::isfinite(d.HotWaterCoverage[11]));
  EXPECT_TRUE(std::isfinite(d.AnnualHotWaterCoverage));
  EXPECT_TRUE(std::isfinite(d.YieldPerSquareMetre));
}

// The pump's yearly electricity: a hydraulic term that ignores the price and a running term that
// pays it. 4 collectors, 1760 sunshine hours, 60 l/h per collector.
TEST(MonthlyBalance, PumpElectricityCost) {
  const double hydraulic = 150 * 100 * 0.001 * 4 * 60 * 1760 * 2.778e-07;  // 1.7601
  const double running = (4 * 0.05 * 0.05 + 0.05) * 1760 * 0.6;            // 63.36
  const struct {
    float drop;
    const char* price;
    double expected;
  } cases[] = {
      {150, "0.6", hydraulic + running},
      {150, "0", hydraulic},
      {0, "0.6", running},
      {0, "6e-1", running},
  };
  for (const auto& c : cases) {
    CVindargast2 d = Balanced();
    d.InstallationPressureDrop = c.drop;
    d.CollectorUnitFlow = 60;
    d.ComputeMonthlyBalance(4, 0, kDemand, c.price);
    EXPECT_NEAR(d.PumpElectricityCost, c.expected, 1e-4) << c.drop << " " << c.price;
  }
}

// A price that is not a number fails with the conversion message after every other result is
// stored; the pump's cost stays 0.
TEST(MonthlyBalance, PriceThatIsNotANumber) {
  for (const char* price : {"abc", "0,6", "", " 0.6"}) {
    CVindargast2 d = Balanced();
    d.PumpElectricityCost = 99;
    try {
      d.ComputeMonthlyBalance(4, 1, kDemand, price);
      ADD_FAILURE() << "accepted '" << price << "'";
    } catch (const NumberConversionError& e) {
      EXPECT_EQ(std::string(e.what()),
                "'" + std::string(price) + "' is not a valid floating point value");
    }
    EXPECT_EQ(d.PumpElectricityCost, 0.0f) << price;
    EXPECT_EQ(d.HotWaterSolarEnergy[0], kDemand) << price;
    EXPECT_EQ(d.HeatingSolarEnergy[0], 290.0f) << price;
    EXPECT_EQ(d.AnnualInsolation, 1102.0f) << price;
    EXPECT_NEAR(d.YieldPerSquareMetre, (1098.0 + 7 * 290) / 8, 1e-3) << price;
  }
}

}  // namespace
