// The compute command "OBLICZ": the resets, the required inputs and the range checks with their
// messages and focus, the run on the reference design against the engine's own results, what it
// writes and enables, and what a refused compute leaves in place.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <functional>

#include "command_fixture.h"
#include "design_example.h"
#include "engine/design_error.h"

namespace {

using Edit = QLineEdit* Ui::TForm1::*;

const QString kTitle = QStringLiteral("Komunikat");

class ComputeTest : public CommandTest {
 protected:
  void SetUp() override {
    CommandTest::SetUp();
    if (HasFailure()) return;
    // The reference design's location, tank and collector; its inputs are the program's defaults,
    // which the main window's edits show.
    const CVindargast2 example = design_example::Make();
    std::copy(example.Naslonecznienie, example.Naslonecznienie + 12, Engine.Naslonecznienie);
    std::copy(example.Uslonecznienie, example.Uslonecznienie + 12, Engine.Uslonecznienie);
    std::copy(example.Temperatura, example.Temperatura + 12, Engine.Temperatura);
    Engine.SzerokoscGeograficzna = example.SzerokoscGeograficzna;
    Engine.Tank1Volume = example.Tank1Volume;
    Engine.Tank1Diameter = example.Tank1Diameter;
    Engine.Tank1Height = example.Tank1Height;
    Engine.Tank1InsulationThickness = example.Tank1InsulationThickness;
    Engine.InsulationLambda = example.InsulationLambda;
    Engine.CollectorArea = example.CollectorArea;
    Engine.CollectorEta0 = example.CollectorEta0;
    Engine.CollectorK1 = example.CollectorK1;
    Engine.CollectorK2 = example.CollectorK2;
  }

  static Ui::TForm1& Main() { return Form1->ui(); }
  static QLineEdit* Field(Edit edit) { return Main().*edit; }
  static void Compute() { Main().BitBtn2->click(); }

  // The reference design run by the engine as the compute command runs it.
  static CVindargast2 Expected() {
    CVindargast2 design = Engine;
    design_example::Run(design, ElectricityPrice());
    return design;
  }

  // The engine's message when it refuses the design, else "".
  static std::string Refusal(CVindargast2 design) {
    try {
      design_example::Run(design, ElectricityPrice());
    } catch (const DesignInputError& error) {
      return error.what();
    }
    return {};
  }

  static std::vector<std::string> MonthlyTable() {
    std::vector<std::string> texts;
    for (int row = 1; row <= 12; ++row)
      for (int col = 1; col <= 3; ++col) texts.push_back(Text(Main().TabelaKolektorow, col, row));
    return texts;
  }

  platform::ScriptedDialogs dialogs;
};

TEST_F(ComputeTest, ReferenceDesignShowsTheEnginesOwnResults) {
  const CVindargast2 expected = Expected();
  Compute();

  EXPECT_EQ(design_example::ResultBits(Engine), design_example::ResultBits(expected));
  for (int m = 0; m < 12; ++m) {
    SCOPED_TRACE(m);
    EXPECT_EQ(Text(Main().TabelaKolektorow, 1, m + 1),
              GeneralText(expected.SystemEfficiency[m], 3, 10) + " %");
    EXPECT_EQ(Text(Main().TabelaKolektorow, 2, m + 1),
              GeneralText(expected.HotWaterSolarEnergy[m], 4, 10));
    EXPECT_EQ(Text(Main().TabelaKolektorow, 3, m + 1),
              GeneralText(expected.HotWaterCoverage[m], 3, 10));
  }
  EXPECT_EQ(Text(Main().TabelaKolektorow, 0, 1), "Styczeń");  // headings untouched

  const auto text = [](const QLabel* label) { return label->text().toStdString(); };
  EXPECT_EQ(text(Main().Label28), GeneralText(expected.YieldPerSquareMetre, 4, 10));
  EXPECT_EQ(text(Main().Label27), GeneralText(expected.AnnualInsolation, 4, 10));
  EXPECT_EQ(text(Main().StaticText16), GeneralText(expected.AnnualHotWaterSolarEnergy, 5, 10));
  EXPECT_EQ(text(Main().StaticText22),
            GeneralText(float(12.0 * expected.HotWaterEnergy + expected.AnnualHeatLoss), 5, 10));
  EXPECT_EQ(text(Main().StaticText40), GeneralText(expected.AnnualHotWaterCoverage, 4, 10));
  EXPECT_GT(expected.AnnualHotWaterSolarEnergy, 0);

  // Handed to the cost window: four collectors of 2 m2.
  EXPECT_EQ(WinKoszty->ui().PowKolektorow->text(), "8.00");
  EXPECT_EQ(WinKoszty->ui().EEnergiaPompy->text().toStdString(),
            GeneralText(expected.PumpElectricityCost, 4, 2));

  // The calculators, the results and the report options are open from now on.
  EXPECT_TRUE(WinKoszty->ui().BitBtn1->isEnabled());
  EXPECT_TRUE(WinKalkulatorEkologiczny->ui().BitBtn1->isEnabled());
  EXPECT_TRUE(Main().BitBtn1->isEnabled());
  EXPECT_TRUE(Main().BitBtn3->isEnabled());
  EXPECT_TRUE(Main().BitBtn11->isEnabled());
  EXPECT_TRUE(Main().Opcjeraportu1->isEnabled());
}

TEST_F(ComputeTest, HotWaterOnlyWithoutPoolNamesWhatIsNotChosenAndStillWritesItsValues) {
  Engine.CWUCO = 0;
  Main().CheckBasen->setChecked(false);
  Main().Label50->setText("1000 zł");
  const CVindargast2 expected = Expected();
  Compute();
  EXPECT_EQ(Main().StaticText29->text(), "Nie wybrano wspomagania CO");
  EXPECT_EQ(Main().StaticText14->text(), "Nie wybrano basenu");
  EXPECT_FALSE(Main().StaticText14->isHidden());
  for (QWidget* hidden : {Main().StaticText19, Main().StaticText37, Main().StaticText41,
                          Main().StaticText25, Main().StaticText38, Main().StaticText39})
    EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
  EXPECT_EQ(Main().StaticText37->text().toStdString(),
            GeneralText(expected.AnnualHeatingDemand, 7, 7));
  EXPECT_EQ(Main().StaticText41->text().toStdString(), GeneralText(expected.HeatingCoverage, 3, 3));
  EXPECT_EQ(Main().Label50->text(), "b/d");
}

TEST_F(ComputeTest, CentralHeatingAndPoolShowTheirGroupsAndThePoolSeasonDemand) {
  Engine.CWUCO = 1;
  Engine.Basen = 1;
  Main().CheckBasen->setChecked(true);
  Engine.BasenOd = 4;  // May to August: four months
  Engine.BasenDo = 7;
  Compute();
  ASSERT_GT(Engine.PoolEnergyDemand, 0);
  EXPECT_EQ(Main().StaticText29->text(), "Zapotrzebowanie");
  EXPECT_EQ(Main().StaticText14->text(), "Zapotrzebowanie");
  for (QWidget* shown : {Main().StaticText19, Main().StaticText37, Main().StaticText25,
                         Main().StaticText38, Main().StaticText27, Main().StaticText31})
    EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
  EXPECT_EQ(Main().StaticText38->text().toStdString(),
            GeneralText(float(4.0 * Engine.PoolEnergyDemand), 5, 10));
  EXPECT_EQ(Main().StaticText25->text().toStdString(),
            GeneralText(Engine.AnnualPoolSolarEnergy, 5, 10));
}

// Every required input empty from the k-th on: only the k-th is named, and it gets the focus.
TEST_F(ComputeTest, RequiredInputsAreNamedInTheirOrderAndGetTheFocus) {
  const struct {
    Edit edit;
    const char* message;
  } required[] = {
      {&Ui::TForm1::ELiczbaKolektorow, "Nie podałeś liczby kolektorów"},
      {&Ui::TForm1::EBeta, "Nie podałeś konta beta "},
      {&Ui::TForm1::EGamma, "Nie podałeś konta gamma "},
      {&Ui::TForm1::ETempZimnaWoda, "Nie podałeś temperatury wody w sieci "},
      {&Ui::TForm1::ETempCWU, "Nie podałeś temperatury ciepłej wody "},
      {&Ui::TForm1::ELiczbaOsob, "Nie podałeś liczby osób "},
      {&Ui::TForm1::EDCWU, "Nie podałeś dziennego zużycia wody na osobę  "},
      {&Ui::TForm1::ETempZasobnika, "Nie podałeś temperatury wody w zasobniku  "},
      {&Ui::TForm1::Edit7, "Nie podałeś temperatury zasilana CO  "},
      {&Ui::TForm1::Edit8, "Nie podałeś temperatury powrotu CO  "},
      {&Ui::TForm1::PowDomu, "Nie podałeś powierzchni budynku  "},
      {&Ui::TForm1::EnergiaDom, "Nie podałeś zapotrzebowania budynku na energie  "},
  };
  std::vector<QString> given;
  for (const auto& input : required) given.push_back(Field(input.edit)->text());
  Engine.CWUCO = 0;  // the central-heating inputs are required whatever the scheme
  const std::string results = design_example::ResultBits(Engine);

  for (size_t k = 0; k < std::size(required); ++k) {
    SCOPED_TRACE(required[k].message);
    for (size_t i = 0; i < std::size(required); ++i)
      Field(required[i].edit)->setText(i < k ? given[i] : QString());
    Main().StaticText16->setText("123");
    Main().BitBtn2->setFocus();
    dialogs.ExpectBox(kTitle, QString::fromUtf8(required[k].message), platform::Icon::Warning);
    Compute();
    EXPECT_EQ(dialogs.Pending(), 0u);
    // A field the scheme hides (the central-heating inputs here) cannot take the focus: it stays.
    QLineEdit* field = Field(required[k].edit);
    EXPECT_EQ(Form1->focusWidget(),
              field->isVisibleTo(Form1) ? static_cast<QWidget*>(field) : Main().BitBtn2);
    // The reset has run; nothing reached the engine, and there is no result to show.
    EXPECT_EQ(Main().StaticText16->text(), "b/d");
    EXPECT_EQ(Main().Label91->text(), "b/d");
    EXPECT_FALSE(Main().BitBtn11->isEnabled());
    EXPECT_FALSE(Main().Opcjeraportu1->isEnabled());
    EXPECT_FALSE(Main().BitBtn3->isEnabled());
    EXPECT_EQ(design_example::ResultBits(Engine), results);
  }
}

// One range check per case, on and beside its bounds; a case that passes computes without a box.
TEST_F(ComputeTest, RangeChecksRefuseExactlyBeyondTheirBounds) {
  const QString collector = QString::fromUtf8(
      "Parametry ustawienia kolektora są błędne\npochylenie nie może przekraczać 89 odchylenie "
      "od S 90!");
  const QString flat = QString::fromUtf8(
      "W przypadku gdy pochylenie jest równe 0.\nTo również odchylenie od S musi być równe 0!");
  const QString persons = QString::fromUtf8("Liczba osoób ma się zawierać w przedziale 1-5000 !!!");
  const QString cold =
      QString::fromUtf8("Temperatura zimnej wody musi się zawierać w przedziale 1-15 !!!");
  const QString hot = QString::fromUtf8(
      "Temperatura ciepłej wody musi sie mieścić w zakresie 20-70 stopni Celsjusza");
  const QString litres = QString::fromUtf8(
      "Dzienne zużycie ciepłej wody użytkowej\nmusi się mieścić w zakresie 5-200 litrów !!!");
  const QString ambient = QString::fromUtf8(
      "Temperatura otoczenia zasobnika musi być w zakresie 15-25 stopni Celsjusza !!!");
  const QString tank = QString::fromUtf8(
      "Temperatura maksymalna w zasobniku\nnie może być mniejsza niż 25C i nie większa niż 90C");
  const QString supply = QString::fromUtf8("Temperatura zasilania CO nie może przekraczać 90 C ");
  const QString returnTemp =
      QString::fromUtf8("Temperatura powrotu nie może być większa od temperatury zasilania!");

  struct Case {
    const char* name;
    std::vector<std::pair<Edit, const char*>> texts;
    std::function<void()> engine;  // settings of Engine that no edit holds
    QString message;               // empty: passes
    Edit focus;
  };
  const auto heating = [] { Engine.CWUCO = 1; };
  const std::vector<Case> cases = {
      {"tilt and azimuth just inside",
       {{&Ui::TForm1::EBeta, "89.5"}, {&Ui::TForm1::EGamma, "90.5"}},
       {},
       {},
       nullptr},
      {"tilt 90", {{&Ui::TForm1::EBeta, "90"}}, {}, collector, nullptr},
      {"azimuth 91", {{&Ui::TForm1::EGamma, "91"}}, {}, collector, nullptr},
      {"negative azimuth", {{&Ui::TForm1::EGamma, "-1"}}, {}, collector, nullptr},
      {"flat with azimuth",
       {{&Ui::TForm1::EBeta, "0"}, {&Ui::TForm1::EGamma, "10"}},
       {},
       flat,
       nullptr},
      {"tilted to the south",
       {{&Ui::TForm1::EBeta, "10"}, {&Ui::TForm1::EGamma, "0"}},
       {},
       {},
       nullptr},
      {"return as warm as supply",
       {{&Ui::TForm1::Edit7, "40"}, {&Ui::TForm1::Edit8, "40"}},
       {},
       returnTemp,
       nullptr},
      {"5000 persons", {{&Ui::TForm1::ELiczbaOsob, "5000"}}, {}, {}, nullptr},
      {"5001 persons", {{&Ui::TForm1::ELiczbaOsob, "5001"}}, {}, persons, &Ui::TForm1::ELiczbaOsob},
      {"no persons", {{&Ui::TForm1::ELiczbaOsob, "0"}}, {}, persons, &Ui::TForm1::ELiczbaOsob},
      {"cold water 0.5", {{&Ui::TForm1::ETempZimnaWoda, "0.5"}}, {}, {}, nullptr},
      {"cold water 16", {{&Ui::TForm1::ETempZimnaWoda, "16"}}, {}, cold, nullptr},
      {"hot water 20", {{&Ui::TForm1::ETempCWU, "20"}}, {}, {}, nullptr},
      {"hot water 71", {{&Ui::TForm1::ETempCWU, "71"}}, {}, hot, &Ui::TForm1::ETempCWU},
      {"5 litres", {{&Ui::TForm1::EDCWU, "5"}}, {}, {}, nullptr},
      {"200.9 litres", {{&Ui::TForm1::EDCWU, "200.9"}}, {}, {}, nullptr},
      {"201 litres", {{&Ui::TForm1::EDCWU, "201"}}, {}, litres, &Ui::TForm1::EDCWU},
      {"ambient 14",
       {{&Ui::TForm1::ETempOtoczZasobnika, "14"}},
       {},
       ambient,
       &Ui::TForm1::ETempOtoczZasobnika},
      {"ambient 14.1", {{&Ui::TForm1::ETempOtoczZasobnika, "14.1"}}, {}, {}, nullptr},
      {"ambient empty",
       {{&Ui::TForm1::ETempOtoczZasobnika, ""}},
       {},
       ambient,
       &Ui::TForm1::ETempOtoczZasobnika},
      {"tank 24", {{&Ui::TForm1::ETempZasobnika, "24"}}, {}, tank, &Ui::TForm1::ETempZasobnika},
      {"tank 24.5", {{&Ui::TForm1::ETempZasobnika, "24.5"}}, {}, {}, nullptr},
      {"tank 90.9", {{&Ui::TForm1::ETempZasobnika, "90.9"}}, {}, {}, nullptr},
      {"supply 90 without heating", {{&Ui::TForm1::Edit7, "90"}}, {}, {}, nullptr},
      {"supply 90 with heating", {{&Ui::TForm1::Edit7, "90"}}, heating, supply, nullptr},
      {"supply 89.9 with heating", {{&Ui::TForm1::Edit7, "89.9"}}, heating, {}, nullptr},
      {"no building area",
       {{&Ui::TForm1::PowDomu, "0"}},
       {},
       QString::fromUtf8("Powierzchnia budynku nie może wynosić 0 "),
       nullptr},
      {"no building demand",
       {{&Ui::TForm1::EnergiaDom, "0"}},
       {},
       QString::fromUtf8("Zapotrzebowanie budynku na energie nie może wynosić 0 "),
       nullptr},
      {"no collectors",
       {{&Ui::TForm1::ELiczbaKolektorow, "0"}},
       {},
       QString::fromUtf8("Liczba kolektorów nie może wynosić 0 "),
       nullptr},
      {"insulation without thickness",
       {},
       [] { Engine.OutdoorInsulationThickness = 0; },
       QString::fromUtf8("Nie wybrano grubości izolacji !!!"),
       nullptr},
      {"no insulation, no thickness",
       {},
       [] {
         Engine.Izolacja = 0;
         Engine.OutdoorInsulationThickness = 0;
       },
       {},
       nullptr},
      {"two tanks, no second one chosen",
       {},
       [] {
         Engine.LiczbaZasobnikow = 2;
         Engine.Tank2Index = -1;
         Engine.Tank2Volume = 0;
       },
       QString::fromUtf8("Nie wybrałeś zasobnika lub wybrany zasobnik jest nieprawidłowy"),
       nullptr},
      {"circulation for 0 hours",
       {{&Ui::TForm1::ECzasPompyCyrk, "0"}, {&Ui::TForm1::EDlugoscPompyCyrk, "10"}},
       [] { Engine.Cyrkulacja = 1; },
       QString::fromUtf8("Czas pracy pomy cyrkulacyjnej musi zawierać sie w przedziale 1-24 !!!"),
       nullptr},
      {"circulation for 25 hours",
       {{&Ui::TForm1::ECzasPompyCyrk, "25"}, {&Ui::TForm1::EDlugoscPompyCyrk, "10"}},
       [] { Engine.Cyrkulacja = 1; },
       QString::fromUtf8("Czas pracy pomy cyrkulacyjnej musi zawierać sie w przedziale 1-24 !!!"),
       nullptr},
      {"circulation for 24 hours",
       {{&Ui::TForm1::ECzasPompyCyrk, "24"}, {&Ui::TForm1::EDlugoscPompyCyrk, "10"}},
       [] { Engine.Cyrkulacja = 1; },
       {},
       nullptr},
      {"pool without its depth",
       {{&Ui::TForm1::BasenGlebokosc, ""}},
       [] { Form1->ui().CheckBasen->setChecked(true); },
       QString::fromUtf8("Proszę uzupełnić wymiary basenu !!!"),
       nullptr},
      {"no pool, no depth",
       {{&Ui::TForm1::BasenGlebokosc, ""}},
       [] { Form1->ui().CheckBasen->setChecked(false); },
       {},
       nullptr},
  };

  std::vector<std::pair<Edit, QString>> saved;
  for (Edit edit :
       {&Ui::TForm1::EBeta, &Ui::TForm1::EGamma, &Ui::TForm1::Edit7, &Ui::TForm1::Edit8,
        &Ui::TForm1::ELiczbaOsob, &Ui::TForm1::ETempZimnaWoda, &Ui::TForm1::ETempCWU,
        &Ui::TForm1::EDCWU, &Ui::TForm1::ETempOtoczZasobnika, &Ui::TForm1::ETempZasobnika,
        &Ui::TForm1::PowDomu, &Ui::TForm1::EnergiaDom, &Ui::TForm1::ELiczbaKolektorow,
        &Ui::TForm1::ECzasPompyCyrk, &Ui::TForm1::EDlugoscPompyCyrk, &Ui::TForm1::BasenGlebokosc})
    saved.emplace_back(edit, Field(edit)->text());
  const CVindargast2 start = Engine;

  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Engine = start;
    Form1->ui().CheckBasen->setChecked(false);
    for (const auto& [edit, text] : saved) Field(edit)->setText(text);
    Engine = start;
    for (const auto& [edit, text] : c.texts) Field(edit)->setText(QString::fromUtf8(text));
    if (c.engine) c.engine();
    Main().BitBtn2->setFocus();
    Main().BitBtn3->setEnabled(false);
    if (!c.message.isEmpty()) dialogs.ExpectBox(kTitle, c.message, platform::Icon::Warning);
    Compute();
    EXPECT_EQ(dialogs.Pending(), 0u);
    EXPECT_EQ(Form1->focusWidget(),
              c.focus ? static_cast<QWidget*>(Field(c.focus)) : Main().BitBtn2);
    EXPECT_EQ(Main().BitBtn3->isEnabled(), c.message.isEmpty());
  }
}

// Two tanks compute whatever gave the design its second tank: the tank window's first row (a
// tank like any other) or a set of devices. The results are the engine's own for that design.
TEST_F(ComputeTest, TwoTanksComputeWhateverGaveTheSecondTank) {
  const struct {
    const char* name;
    std::function<void()> take;
  } origins[] = {
      {"the tank window's first row",
       [] {
         // Both tanks large enough: the pick shows no warning.
         Engine.SelectedTank->PojemnoscZasobnika = Engine.Tank1Volume;
         Engine.LiczbaZasobnikow = 2;
         WinZasobnik->ui().ComboWyborZasobnika2->setCurrentIndex(0);
         emit WinZasobnik->ui().ComboWyborZasobnika2->activated(0);
         ASSERT_EQ(Engine.Tank2Index, 0);
         ASSERT_EQ(Engine.SelectedTank2->Model, Form1->TankCatalogue.Rows.at(0).at(2));
       }},
      {"a set of two tanks",
       [] {
         ASSERT_TRUE(WinOpenZestaw->LoadSetIntoDesign(
             QString::fromUtf8(VINDARGAST_FIXTURES "/sets/two_tank_set.xml")));
         ASSERT_EQ(Engine.LiczbaZasobnikow, 2);
         ASSERT_EQ(Engine.SelectedTank2->Model, "Zasobnik 200 S");
       }},
  };
  const CVindargast2 start = Engine;
  for (const auto& origin : origins) {
    SCOPED_TRACE(origin.name);
    Engine = start;
    Engine.Tank2Index = -1;  // no choice in the tank window
    origin.take();
    ASSERT_GT(Engine.Tank2Volume, 0);
    const CVindargast2 expected = Expected();
    Compute();
    EXPECT_EQ(dialogs.Pending(), 0u);
    EXPECT_TRUE(Main().BitBtn3->isEnabled());
    EXPECT_EQ(design_example::ResultBits(Engine), design_example::ResultBits(expected));
    EXPECT_GT(Engine.EffectiveTankVolume, 0.75f * Engine.Tank1Volume);  // the second tank counts
  }
}

TEST_F(ComputeTest, MissingPipeLengthOrStaticHeightIsAskedForInABoxWithoutTitle) {
  const QString message =
      QString::fromUtf8("Proszę podać długości przewodów oraz wysokość statyczną");
  for (Edit edit :
       {&Ui::TForm1::EHStatyczna, &Ui::TForm1::EDlugoscPrzewZew, &Ui::TForm1::EDlugoscPrzewWew}) {
    const QString before = Field(edit)->text();
    Field(edit)->clear();
    dialogs.ExpectBox(QString(), message, platform::Icon::Warning);
    Compute();
    EXPECT_EQ(dialogs.Pending(), 0u);
    Field(edit)->setText(before);
  }
  EXPECT_FALSE(Main().BitBtn3->isEnabled());
}

// A refused compute leaves no result of the design before, in Engine or on the window: the
// inputs it copied into Engine make another design, which the results would be shown as. Each
// case starts from a computed design.
TEST_F(ComputeTest, RefusedComputeLeavesNoResultOfTheDesignBefore) {
  struct Case {
    const char* name;
    std::function<void()> change;
    const char* message;  // "" for the engine's own refusal
  };
  const Case cases[] = {
      {"a required input missing", [] { Main().ELiczbaOsob->clear(); }, "Nie podałeś liczby osób "},
      {"a range check",
       [] {
         Main().ELiczbaOsob->setText("6000");
         Main().ELiczbaKolektorow->setText("3");
       },
       "Liczba osoób ma się zawierać w przedziale 1-5000 !!!"},
      // A pool of no depth passes the range checks; the engine refuses it.
      {"the engine",
       [] {
         Main().CheckBasen->setChecked(true);
         Engine.Basen = 1;
         Main().BasenGlebokosc->setText("0");
       },
       ""},
  };
  const QString given = Main().ELiczbaOsob->text();
  const QString depth = Main().BasenGlebokosc->text();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Main().ELiczbaOsob->setText(given);
    Main().BasenGlebokosc->setText(depth);
    Main().ELiczbaKolektorow->setText("4");
    Main().CheckBasen->setChecked(false);
    Engine.Basen = 0;
    Compute();
    ASSERT_NE(Engine.AnnualHotWaterSolarEnergy, 0.0f);
    ASSERT_FALSE(MonthlyTable().front().empty());
    ASSERT_TRUE(Main().BitBtn11->isEnabled());

    c.change();
    std::string message = c.message;
    if (message.empty()) {
      CVindargast2 refused = Engine;
      refused.BasenGlebokosc = 0;
      message = Refusal(refused);
      ASSERT_FALSE(message.empty());
    }
    dialogs.ExpectBox(kTitle, QString::fromStdString(message), platform::Icon::Warning);
    Compute();
    EXPECT_EQ(dialogs.Pending(), 0u);
    EXPECT_EQ(Engine.AnnualHotWaterSolarEnergy, 0.0f);
    EXPECT_EQ(Engine.HotWaterSolarEnergy[6], 0.0f);
    EXPECT_EQ(Engine.YieldPerSquareMetre, 0.0f);
    const std::vector<std::string> table = MonthlyTable();
    EXPECT_TRUE(std::all_of(table.begin(), table.end(),
                            [](const std::string& text) { return text.empty(); }));
    EXPECT_EQ(Main().Label28->text(), "b/d");
    EXPECT_FALSE(Main().BitBtn11->isEnabled());
    EXPECT_FALSE(Main().Opcjeraportu1->isEnabled());
    EXPECT_FALSE(Main().BitBtn3->isEnabled());
  }
  // The inputs a range check refused stay in Engine, as the compute copied them.
  Main().ELiczbaOsob->setText("6000");
  dialogs.ExpectBox(kTitle,
                    QString::fromUtf8("Liczba osoób ma się zawierać w przedziale 1-5000 !!!"),
                    platform::Icon::Warning);
  Compute();
  EXPECT_EQ(Engine.LiczbaOsob, 6000);
  // The next compute that passes shows results again.
  Main().ELiczbaOsob->setText(given);
  Main().BasenGlebokosc->setText(depth);
  Compute();
  EXPECT_TRUE(Main().BitBtn11->isEnabled());
  EXPECT_NE(Engine.AnnualHotWaterSolarEnergy, 0.0f);
}

TEST_F(ComputeTest, TankInsulationThickerThanHalfTheDiameterIsRefused) {
  Engine.Tank1InsulationThickness = 300;  // the tank is 600 mm across
  const CVindargast2 before = Engine;
  const std::string message = Refusal(Engine);
  ASSERT_FALSE(message.empty());
  dialogs.ExpectBox(kTitle, QString::fromStdString(message), platform::Icon::Warning);
  Compute();
  EXPECT_EQ(design_example::ResultBits(Engine), design_example::ResultBits(before));
  EXPECT_FALSE(Main().BitBtn3->isEnabled());
  EXPECT_FALSE(WinKalkulatorEkologiczny->ui().BitBtn1->isEnabled());
}

TEST_F(ComputeTest, CirculationOffIgnoresItsEditsAndZeroesItsValues) {
  Engine.Cyrkulacja = 0;
  Engine.CzasPracyPompyCyrkulacyjnej = 5;
  Engine.DlugoscPrzewodowCyrkulacyjnych = 20;
  Main().ECzasPompyCyrk->clear();
  Main().EDlugoscPompyCyrk->clear();
  Engine.Cyrkulacja = 0;
  Compute();
  EXPECT_EQ(Engine.CzasPracyPompyCyrkulacyjnej, 0);
  EXPECT_EQ(Engine.DlugoscPrzewodowCyrkulacyjnych, 0);
  EXPECT_TRUE(Main().BitBtn3->isEnabled());
}

TEST_F(ComputeTest, TextThatIsNoNumberEndsTheCommandInTheErrorBox) {
  // The edit's own change handler meets it first, then the compute command's copy.
  dialogs.ExpectError("'.' is not a valid floating point value");
  Main().EDCWU->setText(".");
  dialogs.ExpectError("'.' is not a valid floating point value");
  Compute();
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_FALSE(Main().BitBtn3->isEnabled());
  EXPECT_FALSE(Main().BitBtn11->isEnabled());
}

}  // namespace
