// The design state: its defaults, its owned devices and cost link across copies, the required tank
// volume, the total cost, the collector field's drop and flow, and SumValues.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/vindargast2.h"

namespace {

struct Expected {
  const char* field;
  double actual;
  double expected;
};

TEST(DesignState, DefaultsAfterConstruction) {
  const CVindargast2 d = MakeDefaultDesign();
  const Expected cases[] = {
      {"KatGamma", d.KatGamma, 0},
      {"KatBeta", d.KatBeta, 45},
      {"LiczbaOsob", static_cast<double>(d.LiczbaOsob), 5},
      {"TemperaturaWodySieci", d.TemperaturaWodySieci, 7},
      {"TemperaturaWodyWZasobniku", d.TemperaturaWodyWZasobniku, 50},
      {"DCWU", d.DCWU, 65},
      {"SzerokoscGeograficzna", d.SzerokoscGeograficzna, 0},
      {"HotWaterEnergy", d.HotWaterEnergy, 0},
      {"SrednicaPrzewodu", static_cast<double>(d.SrednicaPrzewodu), 18},
      {"LiczbaKolektorow", static_cast<double>(d.LiczbaKolektorow), 4},
      {"LiczbaZasobnikow", static_cast<double>(d.LiczbaZasobnikow), 1},
      {"WysokoscStatyczna", d.WysokoscStatyczna, 4},
      {"DlugoscPrzewodowNaZewnatrz", d.DlugoscPrzewodowNaZewnatrz, 1},
      {"DlugoscPrzewodowWewnatrz", d.DlugoscPrzewodowWewnatrz, 8},
      {"TemperaturaOtoczeniaZasobnika", d.TemperaturaOtoczeniaZasobnika, 22},
      {"TemperaturaCieplejWody", d.TemperaturaCieplejWody, 45},
      {"WspolczynnikKrotnosci", d.WspolczynnikKrotnosci, 1.5},
      {"TemperaturaZasilania", d.TemperaturaZasilania, 40},
      {"TemperaturaPowrotu", d.TemperaturaPowrotu, 30},
      {"BasenDlugosc", d.BasenDlugosc, 5},
      {"BasenSzerokosc", d.BasenSzerokosc, 4},
      {"BasenGlebokosc", d.BasenGlebokosc, 2},
      {"PowierzchniaBudynku", d.PowierzchniaBudynku, 150},
      {"ZapotrzebowanieEnergi", d.ZapotrzebowanieEnergi, 120},
      // Not set by the constructor: zero, as static storage starts.
      {"CWUCO", static_cast<double>(d.CWUCO), 0},
      {"Izolacja", static_cast<double>(d.Izolacja), 0},
      {"Cyrkulacja", static_cast<double>(d.Cyrkulacja), 0},
      {"Basen", static_cast<double>(d.Basen), 0},
      {"Przeslona", static_cast<double>(d.Przeslona), 0},
      {"BasenOd", static_cast<double>(d.BasenOd), 0},
      {"BasenDo", static_cast<double>(d.BasenDo), 0},
      {"SetPriceMode", static_cast<double>(d.SetPriceMode), 0},
      {"CostsLoaded", static_cast<double>(d.CostsLoaded), 0},
      {"ProjectLoaded", static_cast<double>(d.ProjectLoaded), 0},
      {"CataloguesChanged", static_cast<double>(d.CataloguesChanged), 0},
      {"FittingsComputed", static_cast<double>(d.FittingsComputed), 0},
      {"CollectorArea", d.CollectorArea, 0},
      {"Tank1Volume", d.Tank1Volume, 0},
      {"CenaZestawu", d.CenaZestawu, 0},
      {"PumpElectricityCost", d.PumpElectricityCost, 0},
      {"Tank2Index", static_cast<double>(d.Tank2Index), 0},
      // The fittings record: nothing counted or priced, collectors in series.
      {"Armatura.RodzajPolaczenia", static_cast<double>(d.Armatura.RodzajPolaczenia), 1},
      {"Armatura.KolankoLiczba", static_cast<double>(d.Armatura.KolankoLiczba), 0},
      {"Armatura.KolankoCena", d.Armatura.KolankoCena, 0},
      {"Armatura.ZaworZwrotnyLiczba", static_cast<double>(d.Armatura.ZaworZwrotnyLiczba), 0},
      {"Armatura.ZaworZwrotnyCena", d.Armatura.ZaworZwrotnyCena, 0},
      {"Armatura.Szeregowo", static_cast<double>(d.Armatura.Szeregowo), 0},
      {"Armatura.Rownolegle", static_cast<double>(d.Armatura.Rownolegle), 0},
      {"Armatura.DlugoscPrzewodow", d.Armatura.DlugoscPrzewodow, 0},
      // The cost record: heat bought per kWh at 0.5 with a 99 % process.
      {"Costs.TypOgrzewania", static_cast<double>(d.Costs.TypOgrzewania), 0},
      {"Costs.FuelPrice", d.Costs.FuelPrice, 0.5},
      {"Costs.WartoscOpalowa", d.Costs.WartoscOpalowa, 0},
      {"Costs.SprawnoscProcesu", d.Costs.SprawnoscProcesu, 99},
      {"Costs.HeatPumpCop", d.Costs.HeatPumpCop, 0},
      {"Costs.NfosigwSubsidyOn", static_cast<double>(d.Costs.NfosigwSubsidyOn), 0},
  };
  for (const Expected& c : cases) EXPECT_EQ(c.actual, c.expected) << c.field;
  EXPECT_TRUE(d.Costs.FuelName.empty());
  for (float t : d.TiltFactor) EXPECT_EQ(t, 0.0f);
}

TEST(DesignState, EightDistinctDevicesWithEmptyTexts) {
  const CVindargast2 d = MakeDefaultDesign();
  const std::vector<const CUrzadzenie*> devices = {
      d.SelectedCollector, d.SelectedController, d.SelectedVessel,     d.SelectedPump,
      d.SelectedTank,      d.SelectedTank2,      d.SelectedInsulation, d.SelectedStructure};
  for (size_t i = 0; i < devices.size(); ++i) {
    ASSERT_NE(devices[i], nullptr) << i;
    EXPECT_TRUE(devices[i]->Model.empty()) << i;
    EXPECT_TRUE(devices[i]->NazwaProducenta.empty()) << i;
    EXPECT_EQ(devices[i]->Cena, 0.0f) << i;
    for (size_t j = 0; j < i; ++j) EXPECT_NE(devices[i], devices[j]) << i << " " << j;
  }
}

// Tests that need the global design start from a fresh one by assignment: the device objects
// stay where they are and take the new data, and the cost record keeps reading its own design.
TEST(DesignState, AssignmentKeepsDevicesAndCostLink) {
  CVindargast2 source = MakeDefaultDesign();
  source.SelectedCollector->Model = "K-200";
  source.SelectedTank2->PojemnoscZasobnika = 200;
  source.AnnualHeatLoss = 999;

  CVindargast2 target = MakeDefaultDesign();
  CKolektor* collector = target.SelectedCollector;
  CZasobnik* tank2 = target.SelectedTank2;
  target = source;
  EXPECT_EQ(target.SelectedCollector.get(), collector);
  EXPECT_EQ(target.SelectedTank2.get(), tank2);
  EXPECT_NE(target.SelectedCollector.get(), source.SelectedCollector.get());
  EXPECT_EQ(collector->Model, "K-200");
  EXPECT_EQ(tank2->PojemnoscZasobnika, 200.0f);
  EXPECT_TRUE(target.SelectedTank->Model.empty()) << "the first tank is not the second";

  // Each record prices against its own design's yearly heat loss.
  CVindargast2 copy(source);
  source.AnnualHeatLoss = 0;
  target.AnnualHeatLoss = 100;
  copy.AnnualHeatLoss = 200;
  for (CVindargast2* d : {&source, &target, &copy}) {
    ASSERT_EQ(d->Costs.ComputeFuelCosts(1000, 0, 0, 100), 1);
  }
  const float k = 1 / 0.99f;
  EXPECT_NEAR(source.Costs.HotWaterSaving, k * 1000 * 0.5, 0.01);
  EXPECT_NEAR(target.Costs.HotWaterSaving, k * 900 * 0.5, 0.01);
  EXPECT_NEAR(copy.Costs.HotWaterSaving, k * 800 * 0.5, 0.01);

  // The global design is one of them too.
  Engine = MakeDefaultDesign();
  EXPECT_EQ(Engine.KatBeta, 45.0f);
  EXPECT_NE(Engine.SelectedStructure.get(), nullptr);
}

TEST(DesignState, PipeDiameterIsCutToWholeMillimetres) {
  for (const auto& [argument, stored] :
       std::vector<std::pair<float, int32_t>>{{18.9f, 18}, {18.0f, 18}, {-18.9f, -18}}) {
    const CVindargast2 d(0, 45, 5, 7, 50, 65, 0, 0, argument, 4, 1, 4, 1, 8, 22, 45, 1.5f, 40, 30,
                         5, 4, 2, 150, 120);
    EXPECT_EQ(d.SrednicaPrzewodu, stored) << argument;
  }
}

TEST(DesignState, RequiredTankVolume) {
  const struct {
    int32_t persons;
    float litres;
    float factor;
    int32_t tanks;
    float expected;
  } cases[] = {
      {5, 65, 1.5f, 1, 487.5f}, {5, 65, 1.5f, 2, 243.75f},
      {0, 65, 1.5f, 1, 0},      {5, 65, 1.5f, 3, 487.5f},  // any count but 2 keeps the whole volume
      {3, 50, 2.0f, 2, 150.0f},
  };
  for (const auto& c : cases) {
    CVindargast2 d = MakeDefaultDesign();
    d.LiczbaOsob = c.persons;
    d.DCWU = c.litres;
    d.WspolczynnikKrotnosci = c.factor;
    d.LiczbaZasobnikow = c.tanks;
    d.RequiredTankVolume = -1;
    EXPECT_EQ(d.ComputeRequiredTankVolume(), c.expected) << c.persons << " " << c.tanks;
    EXPECT_EQ(d.RequiredTankVolume, c.expected) << c.persons << " " << c.tanks;
  }
}

TEST(DesignState, TotalCost) {
  CVindargast2 d = MakeDefaultDesign();
  float* items[] = {&d.CenaKolektory, &d.CenaZasobnik, &d.CenaSterownik,
                    &d.CenaNaczynie,  &d.CenaPompa,    &d.CenaArmatury,
                    &d.CenaPlynu,     &d.CenaMontazu,  &d.CenaInne};
  for (int i = 0; i < 9; ++i) *items[i] = static_cast<float>(i + 1);
  d.InsulationCost = 1000;  // not one of the nine items
  d.Tank2Price = 1000;
  d.CenaZestawu = 10000;
  EXPECT_EQ(d.ComputeTotalCost(), 45.0f);
  d.SetPriceMode = 1;
  EXPECT_EQ(d.ComputeTotalCost(), 10000.0f);

  // Added one by one in single precision: 1e8 absorbs each of the small items.
  d.SetPriceMode = 0;
  for (float* item : items) *item = 1;
  d.CenaKolektory = 1e8f;
  EXPECT_EQ(d.ComputeTotalCost(), 1e8f);
}

TEST(DesignState, FieldPressureDropAndFlowByConnection) {
  const struct {
    int32_t connection;
    float drop;
    float flow;
  } cases[] = {
      {1, 4 * 25.0f, 60.0f},      // in series
      {2, 25.0f, 4 * 60.0f},      // in parallel
      {3, 3 * 25.0f, 2 * 60.0f},  // mixed: 3 in series, 2 rows
      {0, 0, 0},
      {4, 0, 0},
  };
  for (const auto& c : cases) {
    CVindargast2 d = MakeDefaultDesign();
    d.LiczbaKolektorow = 4;
    d.CollectorUnitPressureDrop = 25;
    d.CollectorUnitFlow = 60;
    d.Armatura.Szeregowo = 3;
    d.Armatura.Rownolegle = 2;
    d.Armatura.RodzajPolaczenia = c.connection;
    EXPECT_EQ(d.ComputeFieldPressureDrop(), c.drop) << c.connection;
    EXPECT_EQ(d.ComputeFieldFlow(), c.flow) << c.connection;
  }
}

TEST(DesignState, SumValues) {
  const CVindargast2 d = MakeDefaultDesign();
  std::vector<float> values(12, 1.5f);
  EXPECT_EQ(d.SumValues(values.data(), 12), 18.0f);
  EXPECT_EQ(d.SumValues(values.data(), 4), 6.0f);
  EXPECT_EQ(d.SumValues(values.data(), 0), 0.0f);
  EXPECT_EQ(d.SumValues(values.data(), -3), 0.0f);
  EXPECT_EQ(d.SumValues(nullptr, 0), 0.0f);
  // In index order and single precision: 1e8 absorbs each following 1.
  const float big[] = {1e8f, 1, 1, 1, 1, 1, 1, 1, 1};
  EXPECT_EQ(d.SumValues(big, 9), 1e8f);
  const float small[] = {1, 1, 1, 1, 1, 1, 1, 1, 1e8f};
  EXPECT_EQ(d.SumValues(small, 9), 1e8f + 8);
}

}  // namespace
