// A design saved and opened again computes the very figures it computed before it was saved, bit
// for bit, for the three fixed designs.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "design_example.h"
#include "project_fixture.h"

using project_test::Design;

namespace {

std::string Bits(float value) {
  std::string bits(sizeof value, '\0');
  std::memcpy(bits.data(), &value, sizeof value);
  return bits;
}

// What choosing the devices in their windows puts into the design besides CopyDeviceValues.
void TakeDeviceData(CVindargast2& d) {
  const CKolektor& c = *d.SelectedCollector;
  d.CollectorEta0 = c.SprawnoscOptyczna;
  d.CollectorUnitFlow = c.JednostkoweNatezenie;
  d.CollectorUnitPressureDrop = c.JednostkoweCisnienie;
  d.CollectorAbsorberVolume = c.PojemnoscAbsorbera;
  d.CollectorArea = c.PowierzchniaKolektora;
  const CIzolacja& i = *d.SelectedInsulation;
  d.InsulationLambda = i.Lambda;
  d.OutdoorInsulationThickness = i.GruboscIzolacjiZew;
  d.IndoorInsulationThickness = i.GruboscIzolacjiWew;
  d.InsulationCost = i.Cena;
  const CZasobnik& t = *d.SelectedTank;
  d.Tank1Diameter = t.SrednicaZasobnika;
  d.Tank1Height = t.WysokoscZasobnika;
  d.Tank1InsulationThickness = t.GruboscIzolacji;
  d.Tank1PressureLoss = t.StratyCisnienia;
  d.Tank1ExchangerVolume = t.PojemnoscWymiennika;
  d.Tank1Volume = t.PojemnoscZasobnika;
  if (d.LiczbaZasobnikow == 2) {
    const CZasobnik& t2 = *d.SelectedTank2;
    d.Tank2Diameter = t2.SrednicaZasobnika;
    d.Tank2Height = t2.WysokoscZasobnika;
    d.Tank2InsulationThickness = t2.GruboscIzolacji;
    d.Tank2PressureLoss = t2.StratyCisnienia;
    d.Tank2ExchangerVolume = t2.PojemnoscWymiennika;
    d.Tank2Volume = t2.PojemnoscZasobnika;
    d.Tank2Price = t2.Cena;
  }
}

}  // namespace

// The compute command's engine steps, then the yearly fuel costs the cost window computes: every
// result as bits, with every value of the design that a cost or compute reads.
std::string Compute() {
  design_example::Run(Engine);
  CKoszty& c = Engine.Costs;
  c.ComputeFuelCosts(Engine.AnnualHotWaterSolarEnergy, Engine.AnnualHeatingSolarEnergy,
                     Engine.AnnualPoolSolarEnergy, 12 * Engine.HotWaterEnergy);
  std::string figures = design_example::ResultBits(Engine);
  const CFittings& a = Engine.Armatura;
  for (float value : {c.FuelPrice,
                      c.WartoscOpalowa,
                      c.SprawnoscProcesu,
                      c.AnnualCostWithoutSolar,
                      c.AnnualCostWithSolar,
                      c.HotWaterSaving,
                      c.HeatingSaving,
                      c.IleDotacja,
                      c.IleEksploatacja,
                      c.IleRocznyWzrost,
                      c.IleInflacja,
                      c.IleCzasEksploatacji,
                      c.IleDyskont,
                      Engine.CenaKolektory,
                      Engine.CenaZasobnik,
                      Engine.CenaSterownik,
                      Engine.CenaNaczynie,
                      Engine.CenaPompa,
                      Engine.CenaArmatury,
                      Engine.CenaPlynu,
                      Engine.CenaMontazu,
                      Engine.CenaInne,
                      Engine.InsulationCost,
                      Engine.ComputeTotalCost(),
                      a.DlugoscPrzewodow,
                      a.CenaZaMetr,
                      a.DodatkowaStrataCisnienia,
                      a.KolankoCena,
                      a.ZaworZwrotnyCena,
                      Engine.CollectorK1,
                      Engine.CollectorK2,
                      Engine.CollectorArea,
                      Engine.Tank1Volume})
    figures += Bits(value);
  return figures;
}

TEST_F(ProjectTest, SavedAndReopenedDesignComputesBitIdenticalFigures) {
  for (Design design : {Design::HotWater, Design::TwoTanksCirculation, Design::HeatingPool}) {
    SCOPED_TRACE(project_test::GoldenName(design));
    DestroyWindows();
    CreateWindows();
    Prepare(design);
    // Values no four-digit text reads back as.
    Engine.Costs.IleDyskont = 5.3125f;
    Engine.Costs.IleRocznyWzrost = 4.0625f;
    Engine.Armatura.CenaZaMetr = 35.915f;
    Engine.Uslonecznienie[3] = 100.75f;
    Engine.TemperaturaWodySieci = 7.8125f;
    Engine.SelectedCollector->PowierzchniaKolektora = 1.8525f;
    TakeDeviceData(Engine);
    Write("projekt.xml");
    const std::string before = Compute();

    Engine = MakeDefaultDesign();
    DestroyWindows();
    CreateWindows();
    ASSERT_EQ(Engine.ReadProjectFile(dir_.File("projekt.xml")), 1);
    EXPECT_EQ(Compute(), before);
  }
}
