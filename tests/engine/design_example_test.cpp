// The whole engine road on the reference design, checked month by month against the reference
// figures of the method, and the properties every design computed by it keeps.
#include "design_example.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "engine/vindargast2.h"

namespace {

const char* const kMonth[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

TEST(DesignExample, MonthlyFiguresOfTheReferenceDesign) {
  CVindargast2 d = design_example::Make();
  design_example::Run(d);

  EXPECT_NEAR(d.HotWaterEnergy, 429.78, 1e-3);
  EXPECT_EQ(design_example::TemperatureSteps(d), 10);

  struct Month {
    double heatLoss;       // kWh, +-0.01
    double efficiency;     // %, +-0.01
    double hotWaterSolar;  // kWh, +-0.1
    double hotWaterCover;  // %, +-0.02
  };
  const Month expected[12] = {
      {2.973, 36.49, 115.8, 26.95},  {4.080, 33.06, 138.6, 32.25},  {6.497, 31.76, 207.4, 48.25},
      {8.489, 28.82, 236.1, 54.93},  {10.832, 27.15, 267.0, 62.12}, {11.216, 23.62, 233.5, 54.32},
      {11.235, 26.58, 271.1, 63.07}, {10.405, 28.51, 282.2, 65.66}, {8.065, 29.63, 224.4, 52.22},
      {5.680, 34.07, 188.7, 43.90},  {3.223, 34.00, 108.9, 25.35},  {2.550, 36.42, 95.2, 22.15},
  };
  for (int m = 0; m < 12; ++m) {
    SCOPED_TRACE(kMonth[m]);
    EXPECT_NEAR(d.HeatLoss[m][0], expected[m].heatLoss, 0.01);
    EXPECT_EQ(d.HeatLoss[m][0], d.HeatLoss[m][1]) << "no circulation";
    EXPECT_NEAR(d.CollectorEfficiency[m], expected[m].efficiency, 0.01);
    EXPECT_NEAR(d.HotWaterSolarEnergy[m], expected[m].hotWaterSolar, 0.1);
    EXPECT_NEAR(d.HotWaterCoverage[m], expected[m].hotWaterCover, 0.02);
  }
}

// A design of the reference family: collectors, persons, scheme, pool season, tanks and the
// collectors' orientation varied over what the compute command lets through.
struct Variant {
  int32_t collectors, persons, scheme;
  int32_t poolFrom, poolTo;  // -1: no pool
  int32_t tanks;
  float azimuth, tilt;
};

std::string Describe(const Variant& v) {
  return "collectors " + std::to_string(v.collectors) + ", persons " + std::to_string(v.persons) +
         ", scheme " + std::to_string(v.scheme) + ", pool " + std::to_string(v.poolFrom) + "-" +
         std::to_string(v.poolTo) + ", tanks " + std::to_string(v.tanks) + ", azimuth " +
         std::to_string(v.azimuth) + ", tilt " + std::to_string(v.tilt);
}

CVindargast2 Make(const Variant& v) {
  CVindargast2 d = design_example::Make();
  d.LiczbaKolektorow = v.collectors;
  d.LiczbaOsob = v.persons;
  d.CWUCO = v.scheme;
  d.Basen = v.poolFrom >= 0;
  d.BasenOd = v.poolFrom;
  d.BasenDo = v.poolTo;
  d.LiczbaZasobnikow = v.tanks;
  d.Tank2Volume = 200;
  d.Tank2Diameter = 550;
  d.Tank2Height = 1200;
  d.Tank2InsulationThickness = 40;
  d.KatGamma = v.azimuth;
  d.KatBeta = v.tilt;
  d.InstallationPressureDrop = 150;
  d.CollectorUnitFlow = 60;
  return d;
}

std::vector<Variant> Variants() {
  std::vector<Variant> variants;
  for (int32_t collectors : {1, 4, 12, 40})
    for (int32_t persons : {1, 5, 20})
      for (int32_t scheme : {0, 1})
        for (auto [from, to] : {std::pair{-1, -1}, {5, 7}, {2, 9}})
          for (int32_t tanks : {1, 2})
            for (auto [azimuth, tilt] : {std::pair{0.0f, 45.0f}, {-45.0f, 30.0f}, {90.5f, 89.5f}})
              variants.push_back({collectors, persons, scheme, from, to, tanks, azimuth, tilt});
  return variants;
}

bool AllFinite(const CVindargast2& d) {
  const std::string bits = design_example::ResultBits(d);
  for (size_t i = 0; i + sizeof(float) <= bits.size(); i += sizeof(float)) {
    float value;
    std::memcpy(&value, bits.data() + i, sizeof value);
    if (!std::isfinite(value)) return false;
  }
  return true;
}

TEST(DesignExample, PropertiesOfEveryDesign) {
  for (const Variant& v : Variants()) {
    SCOPED_TRACE(Describe(v));
    CVindargast2 d = Make(v);
    design_example::Run(d);
    ASSERT_TRUE(AllFinite(d));

    const float demand = d.HotWaterEnergy;
    for (int m = 0; m < 12; ++m) {
      SCOPED_TRACE(kMonth[m]);
      const float loss = d.HeatLoss[m][0];
      EXPECT_LE(d.HotWaterSolarEnergy[m], demand);
      EXPECT_LE(d.HotWaterCoverage[m], 100.0f);
      EXPECT_LE(d.UsefulEnergy[m], d.SolarEnergy[m]);
      const bool heatingMonth = v.scheme == 1 && (m <= 3 || m >= 8);
      const bool poolMonth = v.poolFrom >= 0 && v.poolFrom <= m && m <= v.poolTo;
      if (v.scheme == 0 || !heatingMonth) {
        EXPECT_EQ(d.HeatingSolarEnergy[m], 0.0f);
      }
      if (!poolMonth) {
        EXPECT_EQ(d.PoolSolarEnergy[m], 0.0f);
      }
      if (d.SolarEnergy[m] > demand + loss && (heatingMonth || poolMonth)) {
        const double shared = static_cast<double>(d.HotWaterSolarEnergy[m]) +
                              d.HeatingSolarEnergy[m] + d.PoolSolarEnergy[m];
        EXPECT_NEAR(shared, d.SolarEnergy[m] - loss, 1e-4 * d.SolarEnergy[m]);
      }
    }
    if (v.scheme == 0) {
      EXPECT_EQ(d.AnnualHeatingSolarEnergy, 0.0f);
      EXPECT_EQ(d.AnnualHeatingDemand, 0.0f);
      EXPECT_EQ(d.HeatingCoverage, 0.0f);
    }
    if (v.poolFrom < 0) {
      EXPECT_EQ(d.PoolCoverage, 0.0f);
    }

    // The same design computed again gives the same results to the bit.
    const std::string first = design_example::ResultBits(d);
    design_example::Run(d);
    EXPECT_TRUE(design_example::ResultBits(d) == first);
  }
}

}  // namespace
