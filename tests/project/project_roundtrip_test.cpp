// A design saved and opened again computes the very figures it computed before it was saved, bit
// for bit, for the three fixed designs.
#include <gtest/gtest.h>

#include <QTest>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include "design_example.h"
#include "project/project_commands.h"
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

// Cost items typed into the cost window come back as typed, whichever way the saved design is
// read: opened, restored as the factory settings or read as the defaults at the start. Meanwhile
// the user chose another scheme and collector count, which price the tanks and collectors anew.
TEST_F(ProjectTest, TypedCostItemsSurviveSaveAndEveryReadBitForBit) {
  const QString question =
      QString::fromUtf8("Czy jesteś pewien, że chcesz zmienić zapisane dane? ");
  const struct {
    const char* name;
    const char* file;  // where the read takes the saved design from
    std::function<void()> read;
  } reads[] = {
      {"open", "projekt.xml",
       [this] {
         dialogs.ExpectOpenFile(QString::fromStdString(dir_.File("projekt.xml")));
         project::OpenProject(*Form1);
       }},
      {"factory settings", "default_fabryczne.xml",
       [this, &question] {
         dialogs.ExpectBox("Uwaga", question, platform::Icon::Question, platform::Buttons::YesNo,
                           platform::Answer::Yes);
         project::RestoreFactorySettings(*Form1);
       }},
      {"start", "default.xml", [] { project::ReadDefaultSettings(*Form1); }},
  };
  for (Design design : {Design::HotWater, Design::TwoTanksCirculation, Design::HeatingPool}) {
    for (const auto& read : reads) {
      SCOPED_TRACE(std::string(project_test::GoldenName(design)) + ", " + read.name);
      Engine = MakeDefaultDesign();
      DestroyWindows();
      CreateWindows();
      Prepare(design);
      // Off: showing the window with it on computes the subsidy, which needs loan terms.
      Engine.Costs.NfosigwSubsidyOn = 0;
      TakeDeviceData(Engine);
      project::RefreshInputsFromEngine(*Form1);

      Ui::TWinKoszty& k = WinKoszty->ui();
      const struct {
        QLineEdit* edit;
        const char* text;
        float value;
        float CVindargast2::*item;
      } items[] = {
          {k.EKosztKolektora, "7777.5", 7777.5f, &CVindargast2::CenaKolektory},
          {k.EKosztZasobnika, "6123.45", 6123.45f, &CVindargast2::CenaZasobnik},
          {k.EKosztSterownika, "555.25", 555.25f, &CVindargast2::CenaSterownik},
          {k.EKosztNaczynia, "99.1", 99.1f, &CVindargast2::CenaNaczynie},
          {k.EKosztPompy, "333", 333, &CVindargast2::CenaPompa},
          {k.EKosztArmatury, "444.75", 444.75f, &CVindargast2::CenaArmatury},
          {k.EKosztPlyn, "120.5", 120.5f, &CVindargast2::CenaPlynu},
          {k.EKosztMontaz, "1234.56", 1234.56f, &CVindargast2::CenaMontazu},
          {k.EKosztInne, "777", 777, &CVindargast2::CenaInne},
      };
      WinKoszty->show();
      for (const auto& item : items) {
        item.edit->selectAll();
        QTest::keyClicks(item.edit, item.text);
        ASSERT_EQ(Engine.*item.item, item.value) << item.text;
      }
      WinKoszty->hide();
      dialogs.ExpectSaveFile(QString::fromStdString(dir_.File("projekt.xml")));
      project::SaveProject(*Form1);
      if (std::string(read.file) != "projekt.xml")
        std::filesystem::copy_file(dir_.File("projekt.xml"), dir_.File(read.file),
                                   std::filesystem::copy_options::overwrite_existing);
      const std::string before = Compute();

      (Engine.CWUCO == 1 ? Form1->ui().Button2 : Form1->ui().Button4)->click();
      Form1->ui().ELiczbaKolektorow->selectAll();
      QTest::keyClicks(Form1->ui().ELiczbaKolektorow, "9");
      ASSERT_NE(Engine.CenaZasobnik, 6123.45f);
      ASSERT_NE(Engine.CenaKolektory, 7777.5f);
      read.read();
      EXPECT_EQ(Compute(), before);
      for (const auto& item : items) EXPECT_EQ(Engine.*item.item, item.value) << item.text;
      // The window shows the items read as they were typed.
      for (const auto& item : items) item.edit->clear();
      WinKoszty->show();
      for (const auto& item : items) EXPECT_EQ(item.edit->text(), item.text);
      WinKoszty->hide();
    }
  }
}
