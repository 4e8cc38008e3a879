// Yearly emission reductions of the solar energy, by heating type.
#include "engine/ecology.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/design_error.h"
#include "engine/vindargast2.h"

namespace {

TEST(Ecology, ReductionsByHeatingType) {
  struct Case {
    const char* name;
    int type;
    EmissionInputs in;
    float co2, so2, firstPollutant;
  };
  auto inputs = [](float efficiency, float hu, float f1, float co2, float so2, float flue,
                   float carbon, float sulphur) {
    EmissionInputs in;
    in.Efficiency = efficiency;
    in.CalorificValue = hu;
    in.Factors[0] = f1;
    in.Co2Share = co2;
    in.So2Share = so2;
    in.FlueGasVolume = flue;
    in.Carbon = carbon;
    in.Sulphur = sulphur;
    return in;
  };
  // 1000 kWh of solar heat in every case. Fuel burnt: 1000 / Hu / efficiency.
  const double coal = 1000 / 7.5 / 0.75;
  const Case cases[] = {
      {"heat at 100 %", 0, inputs(100, 0, 10, 0.5f, 2, 0, 0, 0), 500, 2000, 10},
      {"heat at 50 %", 0, inputs(50, 0, 10, 0.5f, 2, 0, 0, 0), 1000, 4000, 20},
      {"heat pump of COP 4", 7, inputs(4, 0, 10, 0.8f, 1, 0, 0, 0), 200, 250, 2.5f},
      {"coal, factors per m3 of 10 m3/kg of flue gas", 1,
       inputs(75, 7.5f, 5000, 9, 9, 10, 70, 0.65f), static_cast<float>(0.7 * 3.66 * coal),
       static_cast<float>(0.0065 * 2000 * coal), static_cast<float>(5 * 10 * coal)},
      {"oil per litre, factors per kWh", 5, inputs(80, 10, 100, 9, 9, 99, 85, 0.2f),
       static_cast<float>(0.85 * 3.66 * 125), static_cast<float>(0.002 * 2000 * 125), 125},
      {"type 4 as shown: per kWh, no flue gas", 4, inputs(80, 5, 1200, 9, 9, 99, 50, 0.1f),
       static_cast<float>(0.5 * 3.66 * 250), static_cast<float>(0.001 * 2000 * 250), 1500},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const EmissionReduction r = ComputeEmissionReduction(c.type, 1000, c.in);
    EXPECT_NEAR(r.Co2, c.co2, 1e-3 * c.co2);
    EXPECT_NEAR(r.So2, c.so2, 1e-3 * c.so2);
    EXPECT_NEAR(r.Pollutants[0], c.firstPollutant, 1e-3 * c.firstPollutant);
    EXPECT_EQ(r.Pollutants[1], 0);
  }
  // Coal of 70 % carbon and 0.65 % sulphur, 7.5 kWh/kg, burnt at 75 %: 1000 kWh spare 177.8 kg of
  // it: 0.7 x 3.66 x 177.8 = 455.5 kg of CO2 and 0.0065 x 2000 x 177.8 = 2311 g of SO2.
  EmissionInputs coalInputs = inputs(75, 7.5f, 0, 0, 0, 0, 70, 0.65f);
  const EmissionReduction r = ComputeEmissionReduction(1, 1000, coalInputs);
  EXPECT_NEAR(r.Co2, 455.5, 0.1);
  EXPECT_NEAR(r.So2, 2311, 1);
}

TEST(Ecology, MeaninglessDivisorsAreRefused) {
  struct Case {
    int type;
    float efficiency, hu;
    const char* message;
  };
  const Case cases[] = {
      {0, 0, 0, "Sprawność musi być większa od 0 !!!"},
      {7, 0, 0, "Współczynnik COP musi być wiekszy od 0 !!!"},
      {3, 75, 0, "Wartość opałowa musi być większa od 0 !!!"},
      {6, -1, 5, "Sprawność musi być większa od 0 !!!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    EmissionInputs in;
    in.Efficiency = c.efficiency;
    in.CalorificValue = c.hu;
    try {
      ComputeEmissionReduction(c.type, 1000, in);
      ADD_FAILURE() << "not refused";
    } catch (const DesignInputError& error) {
      EXPECT_EQ(std::string(error.what()), c.message);
    }
  }
  EmissionInputs heat;
  heat.Efficiency = 90;  // heat needs no calorific value
  EXPECT_NO_THROW(ComputeEmissionReduction(0, 1000, heat));
}

// Typed values far beyond any fuel's give a reduction no float holds: refused by its name.
TEST(Ecology, AReductionTooLargeForAFloatIsRefused) {
  struct Case {
    const char* name;
    int type;
    EmissionInputs in;
    const char* reduction;
  };
  auto with = [](float efficiency, float hu, float carbon, float factor) {
    EmissionInputs in;
    in.Efficiency = efficiency;
    in.CalorificValue = hu;
    in.Carbon = carbon;
    in.Factors[3] = factor;
    in.FlueGasVolume = 10;
    return in;
  };
  const Case cases[] = {
      {"coal burnt at an efficiency near 0", 1, with(1e-36f, 7.5f, 70, 0), "CO2"},
      {"a TOC factor of 3E+38 mg/kWh of heat", 0, with(50, 0, 0, 3e38f), "TOC"},
      {"a calorific value near 0", 2, with(75, 1e-37f, 70, 0), "CO2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      ComputeEmissionReduction(c.type, 1000, c.in);
      ADD_FAILURE() << "not refused";
    } catch (const DesignInputError& error) {
      EXPECT_EQ(std::string(error.what()),
                std::string("Roczna redukcja emisji ") + c.reduction +
                    " jest zbyt duża do obliczenia: popraw dane na temat konwencjonalnego "
                    "systemu ogrzewania.");
    }
  }
}

TEST(Ecology, YearlySolarEnergyIncludesThePool) {
  CVindargast2 design = MakeDefaultDesign();
  for (int month = 0; month < 12; ++month) {
    design.HotWaterSolarEnergy[month] = 100;
    design.HeatingSolarEnergy[month] = month < 3 ? 10 : 0;
  }
  design.PoolSolarEnergy[6] = 55;
  EXPECT_FLOAT_EQ(YearlySolarEnergy(design), 1200 + 30 + 55);
}

}  // namespace
