// The collector window's efficiency curve: where it ends and what it refuses to plot.
#include "engine/collector_chart.h"

#include <gtest/gtest.h>

namespace {

TEST(CollectorChart, EfficiencyFollowsTheQuadraticLossFormula) {
  // 0.8 - (50 / 800 x 4 + 2500 / 800 x 0.01) = 0.8 - 0.25 - 0.03125
  EXPECT_NEAR(CollectorEfficiency(80, 4, 0.01f, 50, 800), 0.51875, 1e-6);
  EXPECT_FLOAT_EQ(CollectorEfficiency(80, 4, 0.01f, 0, 800), 0.8f);
}

TEST(CollectorChart, CurveEndsBeforeTheFirstPointNotAboveZero) {
  struct Case {
    const char* name;
    float eta0, k1, k2, irradiance;
    size_t points;  // dT = 0 .. points - 1 are plotted
  };
  const Case cases[] = {
      {"eta0 80, k1 4, k2 0.01, G 800: last point dT 122", 80, 4, 0.01f, 800, 123},
      {"eta0 0: not even dT 0", 0, 4, 0.01f, 800, 0},
      {"no losses: every dT up to 179", 80, 0, 0, 800, 180},
      {"G 0 divides by zero: no curve", 80, 4, 0.01f, 0, 0},
      {"negative G: no curve", 80, 4, 0.01f, -800, 0},
  };
  for (const Case& c : cases) {
    std::vector<float> curve = EfficiencyCurve(c.eta0, c.k1, c.k2, c.irradiance);
    EXPECT_EQ(curve.size(), c.points) << c.name;
    for (float eta : curve) EXPECT_GT(eta, 0.0f) << c.name;
  }
}

}  // namespace
