// The whole engine road on the reference design, checked month by month against the reference
// figures of the method, and the properties every design computed by it keeps.
#include "design_example.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
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

}  // namespace
