// The fittings record's hydraulic calculations and the cost record's fuel costs.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/vindargast2.h"

namespace {

CFittings NoFittings() {
  return CFittings(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
}

TEST(Fittings, PriceOfFittingsAndPipes) {
  const struct {
    const char* name;
    CFittings record;
    float length;
    float perMetre;
    double expected;
  } cases[] = {
      {"pipes only", NoFittings(), 10, 12.5f, 125},
      {"every kind", CFittings(2, 10, 3, 20, 1, 30, 4, 5, 2, 7.5f, 1, 100, 1), 4, 2.5f,
       20 + 60 + 30 + 20 + 15 + 100 + 10},
      {"nothing", NoFittings(), 0, 12.5f, 0},
  };
  for (auto c : cases) {
    c.record.DlugoscPrzewodow = c.length;
    c.record.CenaZaMetr = c.perMetre;
    EXPECT_NEAR(c.record.ComputePrice(), c.expected, 1e-4) << c.name;
    EXPECT_NEAR(c.record.FittingsPrice, c.expected, 1e-4) << c.name;
  }
}

TEST(Fittings, LocalLossSum) {
  const struct {
    const char* name;
    CFittings record;
    float extra;
    double expected;
  } cases[] = {
      {"elbows, branches, check valve and extra", CFittings(4, 0, 0, 0, 2, 0, 0, 0, 0, 0, 1, 0, 1),
       10, 5.6 + 8.4 + 22.8 + 10},
      {"one of each kind", CFittings(1, 9, 1, 9, 1, 9, 1, 9, 1, 9, 1, 9, 1), 0,
       1.4 + 1.4 + 4.2 + 1.4 + 5.7 + 22.8},
      {"extra only", NoFittings(), 3.5f, 3.5},
  };
  for (auto c : cases) {
    c.record.DodatkowaStrataCisnienia = c.extra;
    EXPECT_NEAR(c.record.SumLocalLosses(), c.expected, 1e-4) << c.name;
  }
}

TEST(Fittings, TotalPressureDrop) {
  // 20 m of 18 mm pipe: Re = 16238.2, Blasius lambda = 0.02799, friction = 99.95 mbar.
  const double friction =
      0.316 * std::pow(16 * 0.75 * 1353.1799729364004, -0.25) * 571.275 * 20 / (16 * 0.002) * 0.01;
  ASSERT_NEAR(friction, 99.95, 0.01);
  const struct {
    const char* name;
    int32_t tanks;
    float z, p1, p2, field;
    double expected;
  } cases[] = {
      {"pipe alone", 1, 0, 0, 0, 0, friction},
      {"one tank ignores the second's drop", 1, 0, 0, 50, 0, friction},
      {"two tanks add it", 2, 0, 0, 50, 0, friction + 50},
      {"any count but one adds it", 0, 0, 0, 50, 0, friction + 50},
      {"local losses, field and exchanger", 1, 46.8f, 30, 50, 100, friction + 46.8 + 30 + 100},
  };
  for (const auto& c : cases) {
    CFittings f = NoFittings();
    f.DlugoscPrzewodow = 20;
    f.FieldPressureDrop = c.field;
    EXPECT_NEAR(f.ComputeTotalPressureDrop(18, c.tanks, c.z, c.p1, c.p2), c.expected, 0.01)
        << c.name;
    EXPECT_NEAR(f.TotalPressureDrop, c.expected, 0.01) << c.name;
  }
}

TEST(Fittings, PipeWaterVolume) {
  CFittings f = NoFittings();
  f.DlugoscPrzewodow = 20;
  EXPECT_NEAR(f.ComputePipeWaterVolume(18), 64 * 3.141592653589793 * 0.02, 1e-4);
  EXPECT_NEAR(f.PipeWaterVolume, 4.021, 1e-3);
}

TEST(Fittings, VesselVolume) {
  const CFittings f = NoFittings();
  EXPECT_NEAR(f.ComputeVesselVolume(4, 20, 1.5f), (14.6 + 1.5) * (3.8 / 1.7), 1e-3);
  EXPECT_NEAR(f.ComputeVesselVolume(4, 20, 1.5f), 35.99, 0.01);
  EXPECT_NEAR(f.ComputeVesselVolume(0, 10, 0), 7.3 * (3.8 / 2.1), 1e-3);
}

// A pipe without a bore and a static height at which the vessel formula has no value are
// refused with an error naming the input, and nothing is stored.
TEST(Fittings, RefusesInputWithoutValue) {
  for (float d : {2.0f, 0.0f, -4.0f}) {
    CFittings f = NoFittings();
    f.DlugoscPrzewodow = 20;
    f.TotalPressureDrop = 123;
    f.PipeWaterVolume = 456;
    try {
      f.ComputeTotalPressureDrop(d, 1, 0, 0, 0);
      ADD_FAILURE() << "accepted a pipe of " << d << " mm";
    } catch (const DesignInputError& e) {
      EXPECT_EQ(e.Field(), "SrednicaPrzewodu");
      EXPECT_NE(std::string(e.what()).find("Średnica przewodu"), std::string::npos);
    }
    EXPECT_THROW(f.ComputePipeWaterVolume(d), DesignInputError);
    EXPECT_EQ(f.TotalPressureDrop, 123.0f);
    EXPECT_EQ(f.PipeWaterVolume, 456.0f);
  }
  const CFittings f = NoFittings();
  for (float height : {21.0f, 30.0f}) {
    try {
      f.ComputeVesselVolume(height, 20, 1.5f);
      ADD_FAILURE() << "accepted a static height of " << height << " m";
    } catch (const DesignInputError& e) {
      EXPECT_EQ(e.Field(), "WysokoscStatyczna");
    }
  }
  EXPECT_GT(f.ComputeVesselVolume(20.9f, 20, 1.5f), 0);
}

// One design's yearly figures priced for each heating type: solar hot water Ew = 3000 kWh, losses
// L = 200 kWh, solar heating Eh = 1000 kWh, monthly demand E = 430 kWh.
TEST(FuelCosts, ByHeatingType) {
  const struct {
    const char* name;
    int32_t type;
    float price, calorific, efficiency, cop;
    double u, k;  // cost of one kWh of heat and the process factor
  } cases[] = {
      {"0 heat per kWh", 0, 0.5f, 0, 99, 0, 0.5, 1 / 0.99},
      {"1 solid fuel", 1, 800, 4, 80, 0, 0.2, 1.25},
      {"4 solid fuel", 4, 800, 4, 80, 0, 0.2, 1.25},
      {"5 per unit", 5, 2, 10, 80, 0, 0.2, 1.25},
      {"6 per unit", 6, 2, 10, 80, 0, 0.2, 1.25},
      {"7 heat pump ignores the efficiency", 7, 0.6f, 0, 50, 3, 0.2, 1},
      {"unknown type as solid fuel", 9, 800, 4, 80, 0, 0.2, 1.25},
  };
  for (const auto& c : cases) {
    CVindargast2 d = MakeDefaultDesign();
    d.AnnualHeatLoss = 200;
    CKoszty& costs = d.Costs;
    costs.TypOgrzewania = c.type;
    costs.FuelPrice = c.price;
    costs.WartoscOpalowa = c.calorific;
    costs.SprawnoscProcesu = c.efficiency;
    costs.HeatPumpCop = c.cop;
    ASSERT_EQ(costs.ComputeFuelCosts(3000, 1000, 777, 430), 1) << c.name;
    const double tolerance = 1e-5 * 5160 * c.u * c.k;
    EXPECT_NEAR(costs.HotWaterSaving, c.k * 2800 * c.u, tolerance) << c.name;
    EXPECT_NEAR(costs.HeatingSaving, c.k * 1000 * c.u, tolerance) << c.name;
    EXPECT_NEAR(costs.AnnualCostWithoutSolar, c.k * 5160 * c.u, tolerance) << c.name;
    EXPECT_NEAR(costs.AnnualCostWithSolar, c.k * 2360 * c.u, tolerance) << c.name;
  }
}

TEST(FuelCosts, ReferenceFigures) {
  CVindargast2 d = MakeDefaultDesign();
  d.AnnualHeatLoss = 200;
  ASSERT_EQ(d.Costs.ComputeFuelCosts(3000, 0, 0, 430), 1);
  EXPECT_NEAR(d.Costs.HotWaterSaving, 1414.14, 0.01);
  EXPECT_NEAR(d.Costs.AnnualCostWithoutSolar, 2606.06, 0.01);
  EXPECT_NEAR(d.Costs.AnnualCostWithSolar, 1191.92, 0.01);
  EXPECT_EQ(d.Costs.HeatingSaving, 0.0f);

  // Solar hot water below the year's losses saves nothing and costs more than no solar at all.
  d.AnnualHeatLoss = 3500;
  ASSERT_EQ(d.Costs.ComputeFuelCosts(3000, 0, 0, 430), 1);
  EXPECT_EQ(d.Costs.HotWaterSaving, 0.0f);
  EXPECT_GT(d.Costs.AnnualCostWithSolar, d.Costs.AnnualCostWithoutSolar);
}

// A unit cost without a value (heat pump without a positive COP, a process of no efficiency, a
// fuel of no calorific value) returns -1 and leaves every result as it was.
TEST(FuelCosts, RefusesUnitCostWithoutValue) {
  const struct {
    const char* name;
    int32_t type;
    float calorific, efficiency, cop;
  } cases[] = {
      {"heat pump COP 0", 7, 10, 90, 0},
      {"heat pump COP negative", 7, 10, 90, -2},
      {"efficiency 0", 0, 10, 0, 3},
      {"efficiency 0, solid fuel", 2, 10, 0, 3},
      {"calorific 0, solid fuel", 3, 0, 90, 3},
      {"calorific 0, per unit", 5, 0, 90, 3},
      {"calorific 0, unknown type", 8, 0, 90, 3},
  };
  for (const auto& c : cases) {
    CVindargast2 d = MakeDefaultDesign();
    CKoszty& costs = d.Costs;
    costs.TypOgrzewania = c.type;
    costs.FuelPrice = 1;
    costs.WartoscOpalowa = c.calorific;
    costs.SprawnoscProcesu = c.efficiency;
    costs.HeatPumpCop = c.cop;
    costs.HotWaterSaving = 1;
    costs.HeatingSaving = 2;
    costs.AnnualCostWithoutSolar = 3;
    costs.AnnualCostWithSolar = 4;
    EXPECT_EQ(costs.ComputeFuelCosts(3000, 1000, 0, 430), -1) << c.name;
    EXPECT_EQ(costs.HotWaterSaving, 1.0f) << c.name;
    EXPECT_EQ(costs.HeatingSaving, 2.0f) << c.name;
    EXPECT_EQ(costs.AnnualCostWithoutSolar, 3.0f) << c.name;
    EXPECT_EQ(costs.AnnualCostWithSolar, 4.0f) << c.name;
  }
  // Heat bought per kWh and the heat pump need no calorific value.
  for (int32_t type : {0, 7}) {
    CVindargast2 d = MakeDefaultDesign();
    d.Costs.TypOgrzewania = type;
    d.Costs.HeatPumpCop = 3;
    EXPECT_EQ(d.Costs.ComputeFuelCosts(3000, 0, 0, 430), 1) << type;
  }
}

}  // namespace
