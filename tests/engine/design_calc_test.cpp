// The first four calculation steps: hot-water demand, tilt factors, heat losses and the collector
// simulation, each on its reference figures, and the inputs they refuse.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <string>

#include "design_example.h"
#include "engine/vindargast2.h"

namespace {

const char* const kMonth[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

TEST(HotWaterDemand, MonthlyEnergy) {
  const struct {
    float persons, litres, cold, hot;
    double expected;
  } cases[] = {
      {5, 65, 7, 45, 429.78},
      {5, 65, 10, 10, 0},
      {5, 65, 45, 7, -429.78},  // hot below cold: stored as it is
      {1, 5, 15, 20, 5 * 30 * 1.16 * 5 * 0.001},
  };
  for (const auto& c : cases) {
    CVindargast2 d = MakeDefaultDesign();
    const float returned = d.ComputeHotWaterDemand(c.persons, c.litres, c.cold, c.hot);
    EXPECT_NEAR(returned, c.expected, 1e-3) << c.persons << " " << c.cold << " " << c.hot;
    EXPECT_EQ(d.HotWaterEnergy, returned);
  }
}

TEST(TiltFactors, ReferenceSets) {
  const struct {
    const char* name;
    float azimuth, tilt, latitude;
    double expected[12];
  } cases[] = {
      {"south 45",
       0,
       45,
       52.2f,
       {2.035, 1.542, 1.203, 1.010, 0.914, 0.863, 0.885, 0.987, 1.154, 1.426, 1.874, 2.237}},
      {"30 west",
       30,
       45,
       52.2f,
       {2.035, 1.503, 1.156, 0.979, 0.888, 0.840, 0.860, 0.953, 1.109, 1.378, 1.874, 2.237}},
      {"30 east",
       -30,
       45,
       52.2f,
       {2.035, 1.503, 1.156, 0.979, 0.888, 0.840, 0.860, 0.953, 1.109, 1.378, 1.874, 2.237}},
      {"45 east, tilt 30",
       -45,
       30,
       52.2f,
       {1.718, 1.359, 1.140, 1.022, 0.960, 0.925, 0.940, 1.006, 1.110, 1.281, 1.596, 1.878}},
      {"horizontal", 0, 0, 52.2f, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"horizontal at the equator", 0, 0, 0, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"horizontal with an azimuth", 10, 0, 30, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
  };
  for (const auto& c : cases) {
    CVindargast2 d = MakeDefaultDesign();
    d.ComputeTiltFactors(c.azimuth, c.tilt, c.latitude);
    for (int m = 0; m < 12; ++m) {
      EXPECT_NEAR(d.TiltFactor[m], c.expected[m], 0.001) << c.name << " " << kMonth[m];
    }
  }
}

TEST(TiltFactors, EastAndWestAlikeAndSmallAzimuthNearSouth) {
  CVindargast2 west = MakeDefaultDesign();
  CVindargast2 east = MakeDefaultDesign();
  CVindargast2 south = MakeDefaultDesign();
  CVindargast2 slightly = MakeDefaultDesign();
  west.ComputeTiltFactors(30, 45, 52.2f);
  east.ComputeTiltFactors(-30, 45, 52.2f);
  south.ComputeTiltFactors(0, 45, 52.2f);
  slightly.ComputeTiltFactors(5, 45, 52.2f);
  for (int m = 0; m < 12; ++m) {
    EXPECT_EQ(west.TiltFactor[m], east.TiltFactor[m]) << kMonth[m];
    EXPECT_NEAR(slightly.TiltFactor[m], south.TiltFactor[m], 0.002) << kMonth[m];
  }
  // January, November and December: the plane's sunset angle is capped at the horizon's.
  for (int m : {0, 10, 11}) EXPECT_EQ(west.TiltFactor[m], south.TiltFactor[m]) << kMonth[m];
}

// Every azimuth the compute command lets through, at every tilt and at latitudes from the
// tropics to the polar circle, gives finite factors: the plane's sunset cosine is clamped.
TEST(TiltFactors, NeverNaN) {
  for (float latitude : {-66.5f, -52.2f, -23.0f, 0.0f, 23.0f, 52.2f, 66.5f}) {
    for (float tilt : {0.5f, 10.0f, 30.0f, 45.0f, 60.0f, 75.0f, 89.5f}) {
      for (float azimuth = -90.5f; azimuth <= 90.5f; azimuth += 0.5f) {
        CVindargast2 d = MakeDefaultDesign();
        d.ComputeTiltFactors(azimuth, tilt, latitude);
        for (int m = 0; m < 12; ++m) {
          ASSERT_TRUE(std::isfinite(d.TiltFactor[m]))
              << latitude << " " << tilt << " " << azimuth << " " << kMonth[m];
        }
      }
    }
  }
}

// At the equator in May to July the sun stays north of a near-vertical plane turned slightly from
// south: the plane's sunset formula has no real root there and its cosine lies above 1, so the
// plane's sunset angle is 0 and the month gets the diffuse share alone.
TEST(TiltFactors, PlaneThatNeverSeesTheBeam) {
  const double diffuseShare = 0.5 * (std::cos(89.5 * 3.141592653589793 / 180) + 1) * 0.5;
  for (float azimuth : {0.5f, -1.0f, 3.0f, 0.0f}) {
    CVindargast2 d = MakeDefaultDesign();
    d.ComputeTiltFactors(azimuth, 89.5f, 0);
    for (int m : {5, 6}) EXPECT_NEAR(d.TiltFactor[m], diffuseShare, 1e-6) << azimuth << kMonth[m];
  }
}

TEST(TiltFactors, RefusesPolarLatitudes) {
  for (float latitude : {67.5f, -67.5f, 80.0f, 90.0f}) {
    CVindargast2 d = MakeDefaultDesign();
    d.ComputeTiltFactors(0, 45, 52.2f);
    const float before = d.TiltFactor[0];
    try {
      d.ComputeTiltFactors(0, 45, latitude);
      ADD_FAILURE() << "accepted latitude " << latitude;
    } catch (const DesignInputError& e) {
      EXPECT_EQ(e.Field(), "SzerokoscGeograficzna");
      EXPECT_NE(std::string(e.what()).find("Szerokość geograficzna"), std::string::npos);
    }
    EXPECT_EQ(d.TiltFactor[0], before) << latitude;
  }
  for (float latitude : {66.5f, -66.5f}) {
    CVindargast2 d = MakeDefaultDesign();
    EXPECT_NO_THROW(d.ComputeTiltFactors(0, 45, latitude)) << latitude;
  }
}

// The reference design with only the tank, or only the named pipe, losing heat.
CVindargast2 TankOnly() {
  CVindargast2 d = design_example::Make();
  d.DlugoscPrzewodowNaZewnatrz = 0;
  d.DlugoscPrzewodowWewnatrz = 0;
  return d;
}

constexpr double kOneTankFactor[12] = {0.0007,  0.00075, 0.00075, 0.0008, 0.00085, 0.0009,
                                       0.00095, 0.0009,  0.00085, 0.0008, 0.00075, 0.0007};
constexpr double kFirstTank[12] = {0.7,  0.75, 0.75, 0.8, 0.85, 0.9,
                                   0.95, 0.9,  0.85, 0.8, 0.75, 0.7};
constexpr double kSecondTank[12] = {0.4, 0.45, 0.5, 0.55, 0.6, 0.6, 0.6, 0.6, 0.55, 0.5, 0.45, 0.4};

TEST(HeatLosses, TankStandbyLoss) {
  CVindargast2 one = TankOnly();
  one.ComputeHeatLosses(one.Uslonecznienie, one.Temperatura, 1, 0);
  // Q = 52728 Wh a day (side 1079.5 + lids 51649); January 30 days x 0.0007.
  EXPECT_NEAR(one.HeatLoss[0][0], 1.1073, 0.0005);
  CVindargast2 two = TankOnly();
  two.LiczbaZasobnikow = 2;
  two.Tank2Volume = 300;
  two.Tank2Diameter = 600;
  two.Tank2Height = 1500;
  two.Tank2InsulationThickness = 50;
  two.ComputeHeatLosses(two.Uslonecznienie, two.Temperatura, 1, 0);
  for (int m = 0; m < 12; ++m) {
    SCOPED_TRACE(kMonth[m]);
    EXPECT_NEAR(one.HeatLoss[m][0], 52728 * 30 * kOneTankFactor[m] * 0.001, 0.002);
    EXPECT_EQ(one.HeatLoss[m][0], one.HeatLoss[m][1]);
    EXPECT_NEAR(two.HeatLoss[m][0],
                one.HeatLoss[m][0] * (kFirstTank[m] + kSecondTank[m]) / kFirstTank[m], 1e-4);
  }
}

TEST(HeatLosses, PipesAndCirculation) {
  CVindargast2 d = TankOnly();
  d.Tank1InsulationThickness = 0;  // a bare tank still has a finite loss; pipes are checked below
  d.DlugoscPrzewodowNaZewnatrz = 1;
  float sunshine[12];
  float air[12];
  for (int m = 0; m < 12; ++m) sunshine[m] = 100, air[m] = 0;
  d.ComputeHeatLosses(sunshine, air, 0, 0);
  const double bare = 3.141592653589793 / (1000 / (12.5 * 18));  // 0.7069 W/(m K)
  for (int m = 0; m < 12; ++m) {
    EXPECT_NEAR(d.OutdoorPipeLoss[m], 57.5 * bare * 100, 0.5) << kMonth[m];  // 4064 Wh
    EXPECT_EQ(d.IndoorPipeLoss[m], 0.0f);
    EXPECT_EQ(d.CirculationLoss[m], 0.0f);
  }

  // Circulation counts its pump hours for 30 days at the indoor air temperature.
  const struct {
    float length, hours;
    double expected;
  } circulation[] = {{10, 2, (57.5 - 22) * bare * 10 * 2 * 30}, {0, 2, 0}, {10, 0, 0}};
  for (const auto& c : circulation) {
    d.DlugoscPrzewodowCyrkulacyjnych = c.length;
    d.CzasPracyPompyCyrkulacyjnej = c.hours;
    d.ComputeHeatLosses(sunshine, air, 0, 0);
    for (int m = 0; m < 12; ++m) {
      EXPECT_NEAR(d.CirculationLoss[m], c.expected, 0.5) << c.length << " " << c.hours;
      EXPECT_NEAR(d.HeatLoss[m][0] - d.HeatLoss[m][1], c.expected * 0.001, 1e-3);
    }
  }

  // Insulated pipes lose less than bare ones.
  CVindargast2 insulated = d;
  insulated.ComputeHeatLosses(sunshine, air, 1, 0);
  EXPECT_LT(insulated.OutdoorPipeLoss[0], d.OutdoorPipeLoss[0] * 0.5);
}

TEST(HeatLosses, Pool) {
  const struct {
    const char* name;
    uint8_t pool;
    uint8_t covered;
    double wall, surface, demand;
  } cases[] = {
      {"covered", 1, 1, 1400, 19500, 627},
      {"uncovered", 1, 0, 1400, 49400, 1524},
      {"off keeps the parts", 0, 1, 1400, 49400, 0},
  };
  CVindargast2 d = design_example::Make();  // 5 x 4 x 2 m by default
  for (const auto& c : cases) {
    d.Basen = c.pool;
    d.ComputeHeatLosses(d.Uslonecznienie, d.Temperatura, 1, c.covered);
    EXPECT_NEAR(d.PoolWallLoss, c.wall, 1e-3) << c.name;
    EXPECT_NEAR(d.PoolSurfaceLoss, c.surface, 1e-3) << c.name;
    EXPECT_NEAR(d.PoolEnergyDemand, c.demand, 1e-3) << c.name;
  }
}

struct Refusal {
  const char* name;
  std::function<void(CVindargast2&)> breakInput;
  std::function<void(CVindargast2&)> step;
  const char* field;  // nullptr: the input is not used, so it is accepted
};

void HeatLosses(CVindargast2& d) {
  d.ComputeHeatLosses(d.Uslonecznienie, d.Temperatura, d.Izolacja, d.Przeslona);
}
void Collector(CVindargast2& d) {
  d.ComputeCollectorEfficiency(d.HotWaterEnergy, 10);
}
void Balance(CVindargast2& d) {
  d.ComputeMonthlyBalance(d.LiczbaKolektorow, d.CWUCO, d.HotWaterEnergy, "0.6");
}

// Input the formulas cannot use is refused with an error naming it, after the reference design
// has been computed once, and every result keeps the value of that computation.
TEST(DesignRefusals, NamedErrorAndNothingStored) {
  const Refusal cases[] = {
      {"tank as wide as its insulation", [](CVindargast2& d) { d.Tank1Diameter = 100; }, HeatLosses,
       "Tank1Diameter"},
      {"tank of no diameter",
       [](CVindargast2& d) { d.Tank1Diameter = 0, d.Tank1InsulationThickness = 0; }, HeatLosses,
       "Tank1Diameter"},
      {"negative tank insulation", [](CVindargast2& d) { d.Tank1InsulationThickness = -5; },
       HeatLosses, "Tank1InsulationThickness"},
      {"second tank unusable", [](CVindargast2& d) { d.LiczbaZasobnikow = 2; }, HeatLosses,
       "Tank2Diameter"},
      {"second tank unused", [](CVindargast2& d) { d.Tank2Diameter = 0; }, HeatLosses, nullptr},
      {"pipe of no diameter", [](CVindargast2& d) { d.SrednicaPrzewodu = 0; }, HeatLosses,
       "SrednicaPrzewodu"},
      {"insulation of no conductivity", [](CVindargast2& d) { d.InsulationLambda = 0; }, HeatLosses,
       "InsulationLambda"},
      {"no conductivity, pipes bare",
       [](CVindargast2& d) { d.InsulationLambda = 0, d.Izolacja = 0; }, HeatLosses, nullptr},
      {"outdoor insulation of no thickness",
       [](CVindargast2& d) { d.OutdoorInsulationThickness = 0; }, HeatLosses,
       "OutdoorInsulationThickness"},
      {"negative indoor insulation", [](CVindargast2& d) { d.IndoorInsulationThickness = -1; },
       HeatLosses, "IndoorInsulationThickness"},
      {"pool without length", [](CVindargast2& d) { d.Basen = 1, d.BasenDlugosc = 0; }, HeatLosses,
       "BasenDlugosc"},
      {"pool without depth", [](CVindargast2& d) { d.Basen = 1, d.BasenGlebokosc = 0; }, HeatLosses,
       "BasenGlebokosc"},
      {"pool off without length", [](CVindargast2& d) { d.BasenDlugosc = 0; }, HeatLosses, nullptr},
      {"51 temperature steps", [](CVindargast2&) {},
       [](CVindargast2& d) { d.ComputeCollectorEfficiency(d.HotWaterEnergy, 51); },
       "TemperaturaWodyWZasobniku"},
      {"50 temperature steps", [](CVindargast2&) {},
       [](CVindargast2& d) { d.ComputeCollectorEfficiency(d.HotWaterEnergy, 50); }, nullptr},
      {"collector of no area", [](CVindargast2& d) { d.CollectorArea = 0; }, Collector,
       "CollectorArea"},
      {"no collectors", [](CVindargast2& d) { d.LiczbaKolektorow = 0; }, Collector,
       "LiczbaKolektorow"},
      {"tank of no capacity", [](CVindargast2& d) { d.Tank1Volume = 0; }, Collector, "Tank1Volume"},
      {"second tank of no capacity", [](CVindargast2& d) { d.LiczbaZasobnikow = 2; }, Collector,
       "Tank2Volume"},
      {"nobody uses hot water", [](CVindargast2& d) { d.LiczbaOsob = 0; }, Collector, "LiczbaOsob"},
      {"polar latitude", [](CVindargast2& d) { d.SzerokoscGeograficzna = 70; }, Collector,
       "SzerokoscGeograficzna"},
      {"balance without collectors", [](CVindargast2& d) { d.LiczbaKolektorow = 0; }, Balance,
       "LiczbaKolektorow"},
      {"balance with a collector of no area", [](CVindargast2& d) { d.CollectorArea = 0; }, Balance,
       "CollectorArea"},
      {"no hot-water demand", [](CVindargast2&) {},
       [](CVindargast2& d) { d.ComputeMonthlyBalance(d.LiczbaKolektorow, d.CWUCO, 0, "0.6"); },
       "HotWaterEnergy"},
      {"heating a building of no area",
       [](CVindargast2& d) { d.CWUCO = 1, d.PowierzchniaBudynku = 0; }, Balance,
       "PowierzchniaBudynku"},
      {"heating a building of no demand",
       [](CVindargast2& d) { d.CWUCO = 1, d.ZapotrzebowanieEnergi = 0; }, Balance,
       "ZapotrzebowanieEnergi"},
      {"a building of no area, hot water only", [](CVindargast2& d) { d.PowierzchniaBudynku = 0; },
       Balance, nullptr},
      {"pool season without a need", [](CVindargast2& d) { d.Basen = 1, d.BasenDo = 3; }, Balance,
       "PoolEnergyDemand"},
      {"pool without a season", [](CVindargast2& d) { d.Basen = 1, d.BasenOd = 4; }, Balance,
       nullptr},
  };
  for (const Refusal& c : cases) {
    CVindargast2 d = design_example::Make();
    design_example::Run(d);
    const std::string before = design_example::ResultBits(d);
    c.breakInput(d);
    if (c.field == nullptr) {
      EXPECT_NO_THROW(c.step(d)) << c.name;
      continue;
    }
    try {
      c.step(d);
      ADD_FAILURE() << c.name << ": accepted";
    } catch (const DesignInputError& e) {
      EXPECT_EQ(e.Field(), c.field) << c.name;
      EXPECT_FALSE(std::string(e.what()).empty()) << c.name;
    }
    EXPECT_TRUE(design_example::ResultBits(d) == before)
        << c.name << ": a refused step stored results";
  }
}

TEST(CollectorSimulation, TankVolumes) {
  const struct {
    int32_t tanks;
    float first, second;
    float effective, total;
  } cases[] = {
      {1, 300, 0, 225, 300},
      {2, 300, 200, 450, 500},
      {1, 300, 200, 225, 300},  // back to one tank: the second's capacity no longer counts
  };
  for (const auto& c : cases) {
    CVindargast2 d = design_example::Make();
    design_example::Run(d);
    d.LiczbaZasobnikow = c.tanks;
    d.Tank1Volume = c.first;
    d.Tank2Volume = c.second;
    d.ComputeCollectorEfficiency(d.HotWaterEnergy, 10);
    EXPECT_EQ(d.EffectiveTankVolume, c.effective) << c.tanks << " " << c.second;
    EXPECT_EQ(d.TotalTankVolume, c.total) << c.tanks << " " << c.second;
  }
}

TEST(CollectorSimulation, StepTemperatures) {
  // A field so large that no step reaches the ceiling: 7 (raised to 8), 17, ..., 97 degrees.
  CVindargast2 d = design_example::Make();
  d.LiczbaKolektorow = 100;
  design_example::Run(d);
  for (int j = 1; j < 10; ++j) EXPECT_FLOAT_EQ(d.StepTemperature[5][j], 7.0f + 10 * j) << j;
  EXPECT_EQ(d.StepTemperature[5][0], 8.0f) << "7 degrees is raised to 8";
  EXPECT_EQ(d.StepTemperature[5][10], 0.0f) << "only N steps are written";

  // Cold water below 8 degrees: the first step is raised to 8.
  CVindargast2 cold = design_example::Make();
  cold.TemperaturaWodySieci = 5;
  design_example::Run(cold);
  for (int m = 0; m < 12; ++m) EXPECT_EQ(cold.StepTemperature[m][0], 8.0f) << kMonth[m];

  // The reference design: steps above the ceiling sit 5 K above the lower of ceiling and tank.
  CVindargast2 r = design_example::Make();
  design_example::Run(r);
  for (int m = 0; m < 12; ++m) {
    const float ceiling = r.TemperatureCeiling[m];
    for (int j = 0; j < 10; ++j) {
      const float unclamped = 7.0f + 10 * j;
      const float t = r.StepTemperature[m][j];
      if (unclamped <= ceiling) {
        EXPECT_FLOAT_EQ(t, std::max(unclamped, 8.0f)) << kMonth[m] << " " << j;
      } else {
        EXPECT_FLOAT_EQ(t, (ceiling < 50 ? ceiling : 50.0f) + 5) << kMonth[m] << " " << j;
      }
    }
  }
}

// A collector too poor for any class: steps work at 0.05, the hot share at 0.1, and in
// central-heating months the heating circuit's classes fall to 0, leaving the ladder alone.
TEST(CollectorSimulation, EfficiencyFloors) {
  for (int32_t scheme : {0, 1}) {
    CVindargast2 d = design_example::Make();
    d.CollectorK1 = 1000;
    d.CWUCO = scheme;
    design_example::Run(d);
    for (int m = 0; m < 12; ++m) {
      const double a = d.StorageShare[m];
      const bool heating = scheme == 1 && (m <= 3 || m >= 8);
      const double expected = heating ? 100 * 0.05 * a : 100 * (0.1 * (1 - a) + 0.05 * a);
      EXPECT_NEAR(d.CollectorEfficiency[m], expected, 1e-4) << scheme << " " << kMonth[m];
      EXPECT_EQ(d.HotEfficiency[m], heating ? 0.0f : 0.1f) << scheme << " " << kMonth[m];
    }
  }
}

TEST(CollectorSimulation, LargeTankStoresEverything) {
  CVindargast2 d = design_example::Make();
  d.Tank1Volume = 100000;
  design_example::Run(d);
  for (int m = 0; m < 12; ++m) {
    EXPECT_EQ(d.StorageShare[m], 1.0f) << kMonth[m];
    EXPECT_EQ(d.HotShare[m], 0.0f) << kMonth[m];
    const double ladder = 0.42 * d.StepClassEfficiency[m][0] + 0.35 * d.StepClassEfficiency[m][1] +
                          0.18 * d.StepClassEfficiency[m][2] + 0.05 * d.StepClassEfficiency[m][3];
    EXPECT_NEAR(d.CollectorEfficiency[m], 100 * ladder, 1e-4) << kMonth[m];
  }
}

TEST(CollectorSimulation, HeatingAndPoolMonths) {
  CVindargast2 plain = design_example::Make();
  design_example::Run(plain);
  CVindargast2 heating = design_example::Make();
  heating.CWUCO = 1;
  design_example::Run(heating);
  CVindargast2 pool = design_example::Make();
  pool.Basen = 1;
  pool.BasenOd = 2;  // March to September: overlaps the heating months
  pool.BasenDo = 8;
  design_example::Run(pool);
  CVindargast2 both = pool;
  both.CWUCO = 1;
  design_example::Run(both);

  for (int m = 0; m < 12; ++m) {
    SCOPED_TRACE(kMonth[m]);
    const bool heatingMonth = m <= 3 || m >= 8;
    const bool poolMonth = m >= 2 && m <= 8;
    if (heatingMonth) {
      EXPECT_NE(heating.HotEfficiency[m], plain.HotEfficiency[m]);
    } else {
      EXPECT_EQ(heating.HotEfficiency[m], plain.HotEfficiency[m]);
      EXPECT_EQ(heating.CollectorEfficiency[m], plain.CollectorEfficiency[m]);
    }
    EXPECT_EQ(pool.HotTemperature[m], poolMonth ? 30.0f : 60.0f);
    // A month of both takes the heating values.
    EXPECT_EQ(both.HotTemperature[m], heatingMonth ? 60.0f : poolMonth ? 30.0f : 60.0f);
    if (heatingMonth) {
      EXPECT_EQ(both.CollectorEfficiency[m], heating.CollectorEfficiency[m]);
    } else {
      EXPECT_EQ(both.CollectorEfficiency[m], pool.CollectorEfficiency[m]);
    }
  }
}

}  // namespace
