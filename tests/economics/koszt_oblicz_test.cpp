// The cost window's OBLICZ: lifetime savings and running costs, the payback period, NPV and IRR,
// and the results it writes into the results window and the main window.
#include <QTest>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "economics_fixture.h"
#include "engine/numtext.h"
#include "main/vindargast.h"

namespace {

class KosztyObliczTest : public EconomicsTest {
 protected:
  // A net investment of 10000 zł over 20 years, no growth, no inflation. Heat bought per kWh
  // (type 0) at 1 zł net with an efficiency of 100 %: `saving` kWh of solar hot water a year save
  // as many zł; the month's demand of 125 kWh costs 1500 zł a year.
  platform::FormUi<Ui::TWinKoszty>& Prepare(const char* investment = "10000", float saving = 1000) {
    Wyniki();
    TWinKoszty& window = Koszty();
    auto& ui = window.ui;
    EnterComputeBasics(ui, "20");
    ui().EKosztKolektora->setText(investment);
    Engine.HotWaterSolarEnergy[5] = saving;
    Engine.HotWaterEnergy = 125;
    Engine.AnnualHotWaterSolarEnergy = saving;
    return ui;
  }
  TWinKoszty& Window() { return *WinKoszty; }
};

// Every value of the cost record that a calculation stores.
std::vector<float> StoredCosts() {
  const CKoszty& c = Engine.Costs;
  return {c.FuelPrice,
          c.WartoscOpalowa,
          c.SprawnoscProcesu,
          c.HeatPumpCop,
          c.AnnualCostWithoutSolar,
          c.AnnualCostWithSolar,
          c.HotWaterSaving,
          c.HeatingSaving,
          c.PaybackYears,
          c.IleDotacja,
          c.IleEksploatacja,
          c.PumpEnergyCost,
          c.IleRocznyWzrost,
          c.IleInflacja,
          c.IleDyskont,
          c.IleCzasEksploatacji,
          c.LifetimeHotWaterSavings,
          c.LifetimeHeatingSavings,
          c.AverageHotWaterSavings,
          c.AverageHeatingSavings,
          c.LifetimeRunningCosts,
          c.AverageRunningCosts,
          c.AverageCostWithoutSolar,
          c.AverageCostWithSolar};
}

// The nine cost items and the record's values together.
std::vector<float> StoredItemsAndCosts() {
  std::vector<float> values = StoredCosts();
  for (float CVindargast2::*item :
       {&CVindargast2::CenaKolektory, &CVindargast2::CenaZasobnik, &CVindargast2::CenaSterownik,
        &CVindargast2::CenaNaczynie, &CVindargast2::CenaPompa, &CVindargast2::CenaArmatury,
        &CVindargast2::CenaPlynu, &CVindargast2::CenaMontazu, &CVindargast2::CenaInne}) {
    values.push_back(Engine.*item);
  }
  return values;
}

// Every result of the cost window, and the ones it writes into other windows, reads "b/d".
void ExpectNoResults(const Ui::TWinKoszty& u) {
  for (const QLineEdit* edit : {u.Edit11, u.Edit1, u.Edit5, u.Edit6, u.Edit3, u.Edit4, u.Edit7,
                                u.Edit8, u.EOkresZwrotu, u.Edit9}) {
    EXPECT_EQ(edit->text(), "b/d") << edit->objectName().toStdString();
  }
  for (const QLabel* label : {u.StaticText65, u.StaticText67, u.StaticText77, Form1->ui().Label50,
                              Form1->ui().Label52, WinWyniki->ui().StaticText71}) {
    EXPECT_EQ(label->text(), "b/d") << label->objectName().toStdString();
  }
  EXPECT_TRUE(u.StaticText42->isHidden());
}

bool SameBits(const std::vector<float>& a, const std::vector<float>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

TEST_F(KosztyObliczTest, SavingsPaybackAndResultsWithoutGrowthOrDiscount) {
  platform::FormUi<Ui::TWinKoszty>& ui = Prepare();
  // The yearly energies are figures of "OBLICZ": none before it, then each once with its unit.
  QLabel* const energies[] = {ui().StaticText43, ui().StaticText48, ui().StaticText86,
                              ui().StaticText87, ui().StaticText89};
  for (QLabel* energy : energies)
    EXPECT_EQ(energy->text(), "b/d") << energy->objectName().toStdString();
  ui().BitBtn1->click();
  EXPECT_EQ(ui().StaticText43->text().toStdString(),
            FixedText(Engine.AnnualHotWaterSolarEnergy, 10, 0) + " [kWh/rok]");
  for (QLabel* energy : energies) {
    EXPECT_TRUE(energy->text().endsWith(" [kWh/rok]")) << energy->objectName().toStdString();
  }
  int units = 0;
  for (const QLabel* label : ui().StaticText43->parentWidget()->findChildren<QLabel*>())
    units += label->text().count(QStringLiteral("[kWh/rok]"));
  EXPECT_EQ(units, int(std::size(energies)));

  const CKoszty& costs = Engine.Costs;
  EXPECT_FLOAT_EQ(costs.IleCzasEksploatacji, 20);
  EXPECT_FLOAT_EQ(costs.LifetimeHotWaterSavings, 20000);
  EXPECT_FLOAT_EQ(costs.AverageHotWaterSavings, 1000);
  EXPECT_FLOAT_EQ(costs.PaybackYears, 10);  // balance 0 at 10 years, negative at 10.5
  EXPECT_EQ(ui().Edit5->text(), "20000.00");
  EXPECT_EQ(ui().Edit3->text(), "1000.00");
  EXPECT_EQ(ui().Edit6->text(), "0.00");
  EXPECT_EQ(ui().Edit7->text(), "1500.00");  // discount equal to growth: the yearly costs
  EXPECT_EQ(ui().Edit8->text(), "500.00");
  EXPECT_EQ(ui().EOkresZwrotu->text(), "10.0");
  EXPECT_TRUE(ui().StaticText42->isHidden());
  EXPECT_EQ(ui().StaticText65->text(), "nie liczono");
  EXPECT_EQ(ui().StaticText67->text(), "nie liczono");
  EXPECT_EQ(ui().Edit9->text(), "10000.00");
  EXPECT_EQ(Engine.CostsLoaded, 1);
  EXPECT_EQ(Form1->ui().Label52->text(), "10.0");
  EXPECT_EQ(Form1->ui().Label50->text().toStdString(), CurrencyText(10000, 5, DotFormatSettings));
  EXPECT_EQ(WinWyniki->ui().StaticText71->text(), "1000");
}

TEST_F(KosztyObliczTest, NoSavingsNeverPayBack) {
  platform::FormUi<Ui::TWinKoszty>& ui = Prepare("10000", 0);
  ui().BitBtn1->click();
  EXPECT_EQ(ui().EOkresZwrotu->text(), "100.0");
  EXPECT_FALSE(ui().StaticText42->isHidden());
  EXPECT_EQ(ui().StaticText42->text(),
            QString::fromUtf8("Zwrot z inwestycji nie nastąpi w okresie krótszym od 100 lat"));
}

TEST_F(KosztyObliczTest, NetPresentValueAndRateOfReturnNeedTheDiscount) {
  platform::FormUi<Ui::TWinKoszty>& ui = Prepare();
  ui().npv->setChecked(true);
  dialogs.ExpectBox("Komunikat",
                    QString::fromUtf8("Nie można obliczyć NPV bez podania stopy dyskonta "),
                    platform::Icon::Warning);
  ui().BitBtn1->click();
  EXPECT_EQ(ui().StaticText65->text(), "b/d");

  ui().CheckDyskont->setChecked(true);
  ui().Edyskont->setText("5");
  ui().BitBtn1->click();
  // 20 savings of 1000 discounted at 5 % less the investment; repaid at 7.7 %.
  const double savings = 1000 * (1 - std::pow(1 / 1.05, 20)) / 0.05;
  EXPECT_EQ(ui().StaticText65->text().toStdString(), FixedText(savings - 10000, 10, 2));
  EXPECT_EQ(ui().StaticText67->text(), "7.70");
  EXPECT_EQ(ui().Edit5->text().toStdString(), FixedText(savings, 10, 2));

  ui().EKosztKolektora->setText("20000");
  ui().BitBtn1->click();
  EXPECT_EQ(ui().StaticText67->text(), QString::fromUtf8("wartość ujemna"));
  EXPECT_EQ(ui().StaticText65->text().toStdString(), FixedText(savings - 20000, 10, 2));
}

TEST_F(KosztyObliczTest, MissingValuesOfTickedOptionsAreReported) {
  platform::FormUi<Ui::TWinKoszty>& ui = Prepare();
  ui().CheckKredyt->setChecked(true);
  ui().EKredyt->clear();
  ui().CheckKosztInstalacji->setChecked(true);
  ui().CheckDyskont->setChecked(true);
  ui().Edyskont->clear();
  dialogs.ExpectBox("Komunikat",
                    QString::fromUtf8("Zaznaczono dotację, lecz nie podano jej wartości "),
                    platform::Icon::Warning);
  dialogs.ExpectBox(
      "Komunikat",
      QString::fromUtf8("Zaznaczono koszt utrzymania instalacji, lecz nie podano jego wartości "),
      platform::Icon::Warning);
  dialogs.ExpectBox("Komunikat",
                    QString::fromUtf8("Zaznaczono dyskont, lecz nie podano jego wartości "),
                    platform::Icon::Warning);
  ui().BitBtn1->click();
  EXPECT_EQ(ui().EOkresZwrotu->text(), "10.0");  // the calculation went on with zeros
}

TEST_F(KosztyObliczTest, EmptyInflationEndsTheCommandWithItemsStored) {
  platform::FormUi<Ui::TWinKoszty>& ui = Prepare();
  ui().EKosztPlyn->setText("250");
  ui().Einflacja->clear();
  dialogs.ExpectError("'' is not a valid floating point value");
  ui().BitBtn1->click();
  EXPECT_FLOAT_EQ(Engine.CenaPlynu, 250);
  EXPECT_EQ(ui().ESumaKoszt->text(), "10250");
  EXPECT_EQ(Engine.CostsLoaded, 0);
}

// The user's pick of a heating type from the list.
void Pick(QComboBox* combo, int index) {
  combo->setCurrentIndex(index);
  emit combo->activated(index);
}

TEST_F(KosztyObliczTest, MissingFuelDataOrServiceLifeStopsWithoutAResult) {
  struct Case {
    const char* name;
    int type;
    QLineEdit* Ui::TWinKoszty::*edit;
    const char* text;
    const char* message;
  };
  const char* const price = "Nie podano kosztu zakupu paliwa lub energii !!!";
  const char* const efficiency = "Sprawność procesu musi być większa od 0 !!!";
  const char* const calorific = "Wartość opałowa musi być większa od 0 !!!";
  const char* const cop = "Współczynnik COP musi być wiekszy od 0 !!!";
  const char* const life = "Nie można wykonać obliczeń dla okresu eksploatacji równego 0 lat !";
  const Case cases[] = {
      {"no price", 0, &Ui::TWinKoszty::EKosztZakupu, "", price},
      {"no efficiency", 0, &Ui::TWinKoszty::ESprawnoscProcesu, "", efficiency},
      {"zero efficiency", 5, &Ui::TWinKoszty::ESprawnoscProcesu, "0", efficiency},
      {"no calorific value", 3, &Ui::TWinKoszty::EWartoscOpalowa, "", calorific},
      {"zero calorific value", 6, &Ui::TWinKoszty::EWartoscOpalowa, "0", calorific},
      {"zero COP", 7, &Ui::TWinKoszty::ESprawnoscProcesu, "0", cop},
      {"no COP", 7, &Ui::TWinKoszty::ESprawnoscProcesu, "", cop},
      {"no service life", 1, &Ui::TWinKoszty::ElataEksploatacji, "", life},
      {"zero service life", 1, &Ui::TWinKoszty::ElataEksploatacji, "0", life},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    platform::FormUi<Ui::TWinKoszty>& ui = Prepare();
    ui().npv->setChecked(true);
    ui().CheckDyskont->setChecked(true);
    ui().Edyskont->setText("5");
    Pick(ui().ComboRodzajOgrzewania, c.type);  // gross price, efficiency, calorific value
    ui().ESprawnoscProcesu->setText("80");
    ui().EWartoscOpalowa->setText("7.5");
    ui().BitBtn1->click();
    ASSERT_NE(ui().EOkresZwrotu->text(), "b/d");
    const std::vector<float> earlier = StoredItemsAndCosts();

    ASSERT_NE(earlier[8], 0.0f);

    (ui().*c.edit)->setText(QString::fromUtf8(c.text));
    ui().EKosztKolektora->setText("20000");  // stored by its change handler, not by the command
    // The inputs stay as they are; the last run's figures go with its results.
    const CKoszty stored = Engine.Costs;
    Engine.Costs.ClearResults();
    const std::vector<float> expected = StoredItemsAndCosts();
    Engine.Costs = stored;
    dialogs.ExpectBox("Komunikat", QString::fromUtf8(c.message), platform::Icon::Warning);
    ui().BitBtn1->click();
    EXPECT_TRUE(SameBits(StoredItemsAndCosts(), expected));
    EXPECT_EQ(Engine.Costs.PaybackYears, 0.0f);
    ExpectNoResults(ui());
  }
}

// The results shown belong to the inputs they were computed from: any input the user changes
// afterwards (typed, ticked, chosen) takes them off the window, the main window and the design
// until the next calculation; what the program writes itself takes nothing.
TEST_F(KosztyObliczTest, ChangingAnInputTakesTheResultsAway) {
  const struct {
    const char* name;
    std::function<void(Ui::TWinKoszty&)> change;
  } cases[] = {
      {"an item typed", [](Ui::TWinKoszty& u) { QTest::keyClicks(u.EKosztMontaz, "5"); }},
      {"the service life typed",
       [](Ui::TWinKoszty& u) { QTest::keyClicks(u.ElataEksploatacji, "1"); }},
      {"the gross sum chosen", [](Ui::TWinKoszty& u) { u.RSumaBrutto->click(); }},
      {"another fuel", [](Ui::TWinKoszty& u) { Pick(u.ComboRodzajOgrzewania, 3); }},
      // Last: the window keeps the box ticked, and its value is not given.
      {"an option ticked", [](Ui::TWinKoszty& u) { u.CheckDyskont->click(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    platform::FormUi<Ui::TWinKoszty>& ui = Prepare();
    ui().BitBtn1->click();
    ASSERT_NE(ui().EOkresZwrotu->text(), "b/d");
    ASSERT_NE(Engine.Costs.PaybackYears, 0.0f);
    ASSERT_NE(Form1->ui().Label50->text(), "b/d");
    // Written by the program: the results stay.
    ui().EKosztInne->setText("0");
    ASSERT_NE(ui().EOkresZwrotu->text(), "b/d");

    c.change(ui());
    EXPECT_EQ(ui().EOkresZwrotu->text(), "b/d");
    EXPECT_EQ(ui().Edit11->text(), "b/d");
    EXPECT_EQ(ui().Edit9->text(), "b/d");
    EXPECT_EQ(Form1->ui().Label50->text(), "b/d");
    EXPECT_EQ(Form1->ui().Label52->text(), "b/d");
    EXPECT_EQ(Engine.Costs.PaybackYears, 0.0f);
    EXPECT_EQ(Engine.Costs.LifetimeHotWaterSavings, 0.0f);
  }
}

TEST_F(KosztyObliczTest, RateOfReturnIsAlwaysWritten) {
  platform::FormUi<Ui::TWinKoszty>& ui = Prepare();
  ui().npv->setChecked(true);
  ui().CheckDyskont->setChecked(true);
  ui().Edyskont->setText("5");
  ui().BitBtn1->click();
  ASSERT_EQ(ui().StaticText67->text(), "7.70");

  // Without the discount rate neither value has a meaning for this run.
  ui().CheckDyskont->setChecked(false);
  dialogs.ExpectBox("Komunikat",
                    QString::fromUtf8("Nie można obliczyć NPV bez podania stopy dyskonta "),
                    platform::Icon::Warning);
  ui().BitBtn1->click();
  EXPECT_EQ(ui().StaticText65->text(), "b/d");
  EXPECT_EQ(ui().StaticText67->text(), "b/d");
}

TEST_F(KosztyObliczTest, ShowingTenTimesBetweenComputesKeepsEveryStoredValue) {
  platform::FormUi<Ui::TWinKoszty>& ui = Prepare();
  Kalkulator();
  // Values that 3 or 4 significant digits would round.
  ui().EKosztKolektora->setText("1234.56");
  ui().EKosztPlyn->setText("12.345");
  ui().EKosztMontaz->setText("98.7654");
  ui().EKosztUtrzInstalacji->setText("123.456");
  ui().CheckKosztInstalacji->setChecked(true);
  ui().CheckWzrostCen->setChecked(true);
  ui().ERocznyWzrostCen->setText("3.4567");
  ui().CheckDyskont->setChecked(true);
  ui().Edyskont->setText("4.5678");
  ui().Einflacja->setText("2.3456");
  ui().ElataEksploatacji->setText("12.345");
  ui().EKosztZakupuNetto->setText("1.2345");
  ui().ESprawnoscProcesu->setText("81.234");
  ui().EWartoscOpalowa->setText("7.4567");
  Engine.CenaArmatury = 1234.56f;  // its edit is empty: the item stands
  TWinKoszty& window = Window();
  ui().BitBtn1->click();
  const std::vector<float> computed = StoredItemsAndCosts();
  EXPECT_EQ(Engine.CenaArmatury, 1234.56f);

  for (int showing = 0; showing < 10; ++showing) {
    window.show();
    window.hide();
    ASSERT_TRUE(SameBits(StoredItemsAndCosts(), computed)) << "showing " << showing;
  }
  EXPECT_EQ(ui().EKosztArmatury->text(), "1234.56");
  EXPECT_EQ(ui().ElataEksploatacji->text(), "12.345");
  ui().BitBtn1->click();  // from what the window now shows
  EXPECT_TRUE(SameBits(StoredItemsAndCosts(), computed));
}

// A typed value whose costs, savings or sums over the service life no float holds is refused by
// the captions of the inputs they come from: the window shows "b/d", never "INF" or "NAN", and
// the design keeps the inputs and results it had.
TEST_F(KosztyObliczTest, ResultsTooLargeToComputeAreRefusedByTheirInputs) {
  const struct {
    const char* name;
    int type;  // 5: litres of a fuel with a calorific value
    QCheckBox* Ui::TWinKoszty::*option;
    QLineEdit* Ui::TWinKoszty::*edit;
    const char* text;
    const char* message;
  } cases[] = {
      {"fuel price", 0, nullptr, &Ui::TWinKoszty::EKosztZakupuNetto, "1E38",
       "Koszt zakupu netto (1E38), Sprawność procesu (100)"},
      {"calorific value", 5, nullptr, &Ui::TWinKoszty::EWartoscOpalowa, "1E-38",
       "Koszt zakupu netto (1), Wartość opałowa (1E-38), Sprawność procesu (100)"},
      {"efficiency", 0, nullptr, &Ui::TWinKoszty::ESprawnoscProcesu, "1E-37",
       "Koszt zakupu netto (1), Sprawność procesu (1E-37)"},
      {"fuel price over the years", 0, nullptr, &Ui::TWinKoszty::EKosztZakupuNetto, "1E35",
       "Koszt zakupu netto (1E35), Sprawność procesu (100), zakładany okres eksploatacji (20), "
       "inflacja (0), stopa dyskonta (0)"},
      {"price growth", 0, &Ui::TWinKoszty::CheckWzrostCen, &Ui::TWinKoszty::ERocznyWzrostCen,
       "1E30",
       "Koszt zakupu netto (1), Sprawność procesu (100), zakładany okres eksploatacji (20), "
       "wzrost cen nośników energii (1E30), inflacja (0), stopa dyskonta (0)"},
      {"inflation", 0, nullptr, &Ui::TWinKoszty::Einflacja, "1E30",
       "Koszt zakupu netto (1), Sprawność procesu (100), zakładany okres eksploatacji (20), "
       "inflacja (1E30), stopa dyskonta (0)"},
      {"upkeep", 0, &Ui::TWinKoszty::CheckKosztInstalacji, &Ui::TWinKoszty::EKosztUtrzInstalacji,
       "1E38",
       "zakładany okres eksploatacji (20), inflacja (0), stopa dyskonta (0), roczne koszty "
       "serwisowania instalacji "
       "(1E38)"},
      {"pump electricity", 0, &Ui::TWinKoszty::CheckEnergiaPompy, &Ui::TWinKoszty::EEnergiaPompy,
       "1E38",
       "zakładany okres eksploatacji (20), inflacja (0), stopa dyskonta (0), roczny koszt energii "
       "elektrycznej do "
       "napędu pompy (1E38)"},
      {"service life", 0, nullptr, &Ui::TWinKoszty::ElataEksploatacji, "1E38",
       "Koszt zakupu netto (1), Sprawność procesu (100), zakładany okres eksploatacji (1E38), "
       "inflacja (0), stopa dyskonta (0)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // The design keeps the options of the case before: only this case's is ticked.
    Engine.Costs.WzrostCenTakNie = Engine.Costs.EksploatacjaTakNie = Engine.Costs.KosztPompyTakNie =
        0;
    platform::FormUi<Ui::TWinKoszty>& ui = Prepare();
    Pick(ui().ComboRodzajOgrzewania, c.type);
    EnterComputeBasics(ui, "20");
    ui().EWartoscOpalowa->setText("1");
    ui().npv->setChecked(true);
    ui().CheckDyskont->setChecked(true);
    ui().Edyskont->setText("0");
    ui().ERocznyWzrostCen->setText("1");
    ui().EKosztUtrzInstalacji->setText("0");
    ui().EEnergiaPompy->setText("0");
    if (c.option) (ui().*c.option)->click();
    ui().BitBtn1->click();
    ASSERT_NE(ui().EOkresZwrotu->text(), "b/d");
    // An edit's own handler may store its value; the command stores nothing more.
    (ui().*c.edit)->setText(QString::fromUtf8(c.text));
    const CKoszty stored = Engine.Costs;
    Engine.Costs.ClearResults();
    const std::vector<float> expected = StoredCosts();
    Engine.Costs = stored;
    dialogs.ExpectBox("Uwaga",
                      QString::fromUtf8("Wyniki obliczeń: ") + QString::fromUtf8(c.message) +
                          QString::fromUtf8(" dają koszt zbyt duży do obliczenia."),
                      platform::Icon::Warning);
    ui().BitBtn1->click();
    EXPECT_TRUE(SameBits(StoredCosts(), expected));
    EXPECT_FALSE(Engine.Costs.ResultsComputed);
    ExpectNoResults(ui());
  }
}

}  // namespace
