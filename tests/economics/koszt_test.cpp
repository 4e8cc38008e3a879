// The cost window: creation from the fuel table, cost items with VAT, the net and gross fuel price,
// the option boxes, the heating-type choice shared with the ecological calculator, its showing,
// and the subsidised loan.
#include <QApplication>
#include <QPalette>
#include <QStringList>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "economics_fixture.h"
#include "engine/numtext.h"
#include "engine/payback.h"

namespace {

const QString kTwoSubsidies =
    QString::fromUtf8("Wykonujesz obliczenia dla dwóch dotacji jednocześnie!");
const QString kGrowthRange =
    QString::fromUtf8("Nieprawidłowy zakres danych.\nNależy wpisywać liczby większe od zera !!!");

class KosztyTest : public EconomicsTest {
 protected:
  // The user's pick of a heating type from the list.
  static void Pick(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }

  // The terms of a loan of 20000 zł at 6 % for 24 months, the subsidy paid after 3 months, a
  // commission of 1 % and 100 zł of other costs, on 10 m2 of collectors.
  // The window shown for collectors of 10000 zł net (12200 gross) with a loan of 40 % entered.
  TWinKoszty& ShowWithLoan() {
    Wyniki();
    Engine.CollectorArea = 10;  // a cap of 25000 zł per collector
    TWinKoszty& window = Koszty();
    Engine.CenaKolektory = 10000;
    window.show();
    EnterLoan(window.ui, "40");
    return window;
  }

  // As the user types it (the loan's box ticked, which enables the edit): the loan's amounts
  // typed hold against the gross total shown.
  static void Type(QLineEdit* edit, const char* text) {
    const bool enabled = edit->isEnabled();
    edit->setEnabled(true);
    edit->clear();
    QTest::keyClicks(edit, text);
    edit->setEnabled(enabled);
  }

  static void EnterLoan(platform::FormUi<Ui::TWinKoszty>& ui, const char* percent) {
    ui().PowKolektorow->setText("10");
    Type(ui().KosztyKwalifikowane, "30000");
    ui().ProcentDotacji->setText(percent);
    Type(ui().WysokoscKredytu, "20000");
    ui().OprocentowanieKredytu->setText("6");
    ui().ProwizjaKredytu->setText("1");
    ui().IinneKosztyKredytu->setText("100");
    ui().OkresKredytowania->setText("24");
    ui().OczekiwanieDaDotacje->setText("3");
  }
};

TEST_F(KosztyTest, CreationTakesTheHeatingTypeFromTheFuelTable) {
  Engine.CenaKolektory = 1234.5f;
  Engine.Costs.TypOgrzewania = 2;
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;

  ASSERT_EQ(ui().ComboRodzajOgrzewania->count(), 8);
  EXPECT_EQ(ui().ComboRodzajOgrzewania->itemText(7), "Paliwo 7");
  EXPECT_EQ(ui().ComboRodzajOgrzewania->currentIndex(), 2);
  EXPECT_EQ(SelectedFuelRow, 2);
  EXPECT_EQ(ui().EKosztZakupu->text(), FuelText(2, 3));
  EXPECT_EQ(ui().EKosztZakupuNetto->text().toStdString(), FixedText(2.03 / 1.22, 4, 2));
  EXPECT_EQ(ui().EWartoscOpalowa->text(), FuelText(2, 2));
  EXPECT_EQ(ui().ESprawnoscProcesu->text(), FuelText(2, 4));
  EXPECT_EQ(Engine.Costs.FuelName, "Paliwo 2");

  EXPECT_TRUE(ui().CheckInflacja->isChecked());
  EXPECT_TRUE(ui().Einflacja->isEnabled());
  EXPECT_EQ(Engine.Costs.InflationOn, 1);
  EXPECT_EQ(ui().EKosztKolektora->text(), "1234.5");
  EXPECT_EQ(ui().ESumaKoszt->text(), "1234.5");
  EXPECT_EQ(ui().ESumaBrutto->text(), "1506.09");
  EXPECT_EQ(ui().ESumaVat->text(), "271.59");

  EXPECT_EQ(ui().Evat->text(), "22");
  EXPECT_TRUE(ui().RSumaBrutto->isChecked());
  EXPECT_EQ(ui().Label1->text(), QString::fromUtf8("* do obliczeń wybrano sumę brutto"));
  EXPECT_FALSE(ui().ERocznyWzrostCen->isEnabled());
  EXPECT_TRUE(ui().Edyskont->isEnabled());
  EXPECT_EQ(ui().EKredyt->text(), "0");
  EXPECT_FALSE(ui().EKredyt->isEnabled());
  EXPECT_TRUE(ui().StaticText25->isHidden());
  EXPECT_FALSE(ui().CheckDotacjaNFOSIGW->isChecked());
  EXPECT_FALSE(ui().KosztyKwalifikowane->isEnabled());
  EXPECT_EQ(ui().ComboStawkiPodatku->currentIndex(), -1);
  EXPECT_EQ(ui().ComboStawkiPodatku->count(), 3);
  EXPECT_EQ(ui().ComboStawkiPodatku->currentText(), "stosowana skala podatkowa");
  EXPECT_EQ(ui().ElataEksploatacji->text(), "");
}

TEST_F(KosztyTest, NetAndGrossFuelPricesFollowEachOtherUnderTheirRadio) {
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  ui().EKosztZakupu->setText("1.22");
  EXPECT_EQ(ui().EKosztZakupuNetto->text(), "1.00");

  ui().RSumaNetto->click();
  EXPECT_EQ(ui().Label1->text(), QString::fromUtf8("* do obliczeń wybrano sumę netto"));
  EXPECT_FALSE(ui().EKosztZakupu->isEnabled());
  EXPECT_TRUE(ui().EKosztZakupuNetto->isEnabled());
  ui().EKosztZakupuNetto->setText("2");
  EXPECT_EQ(ui().EKosztZakupu->text(), "2.44");
  ui().Evat->setText("8");
  ui().EKosztZakupuNetto->setText("10");
  EXPECT_EQ(ui().EKosztZakupu->text(), "10.80");

  ui().RSumaBrutto->click();
  EXPECT_TRUE(ui().EKosztZakupu->isEnabled());
  EXPECT_FALSE(ui().EKosztZakupuNetto->isEnabled());
  ui().EKosztZakupu->setText("1234.567");  // 4 significant digits in the other edit
  EXPECT_EQ(ui().EKosztZakupuNetto->text().toStdString(), FixedText(1234.567 / 1.08, 4, 2));
}

TEST_F(KosztyTest, CostItemsKeepTheTotalAndVat) {
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  ui().EKosztZasobnika->setText("500");
  ui().EKosztPompy->setText("500");
  EXPECT_FLOAT_EQ(Engine.CenaZasobnik, 500);
  EXPECT_EQ(ui().ESumaKoszt->text(), "1000");
  EXPECT_EQ(ui().ESumaBrutto->text(), "1220.00");
  EXPECT_EQ(ui().ESumaVat->text(), "220.00");

  ui().EKosztPompy->clear();  // an emptied item changes nothing
  EXPECT_FLOAT_EQ(Engine.CenaPompa, 500);
  EXPECT_EQ(ui().ESumaKoszt->text(), "1000");

  ui().Evat->clear();
  dialogs.ExpectError("'' is not a valid floating point value");
  ui().EKosztPompy->setText("600");
  EXPECT_FLOAT_EQ(Engine.CenaPompa, 600);
  EXPECT_EQ(ui().ESumaKoszt->text(), "1100");
  EXPECT_EQ(ui().ESumaBrutto->text(), "1220.00");
}

// An item or a VAT rate that makes a sum too large for a float is refused by its caption: the
// design and the sums keep what they were, and no later handler meets an infinite sum.
TEST_F(KosztyTest, ASumTooLargeForAFloatIsRefused) {
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  ui().EKosztZasobnika->setText("1E+38");
  const QString net = ui().ESumaKoszt->text();
  const QString gross = ui().ESumaBrutto->text();
  const float pump = Engine.CenaPompa;
  const float collectors = Engine.CenaKolektory;

  // Its net sum a float holds, its gross sum at 22 % not.
  dialogs.ExpectBox(
      "Uwaga",
      QString::fromUtf8("Pompa obiegowa: koszt (2E+38 zł) daje sumę zbyt dużą do obliczenia."),
      platform::Icon::Warning);
  ui().EKosztPompy->setText("2E+38");
  dialogs.ExpectBox(
      "Uwaga", QString::fromUtf8("Kolektory: koszt (3E+38 zł) daje sumę zbyt dużą do obliczenia."),
      platform::Icon::Warning);
  ui().EKosztKolektora->setText("3E+38");
  EXPECT_EQ(Engine.CenaPompa, pump);
  EXPECT_EQ(Engine.CenaKolektory, collectors);
  EXPECT_EQ(ui().ESumaKoszt->text(), net);
  EXPECT_EQ(ui().ESumaBrutto->text(), gross);

  dialogs.ExpectBox("Uwaga",
                    QString::fromUtf8("Suma brutto (suma netto ") + net +
                        QString::fromUtf8(" zł, VAT 300 %) jest zbyt duża do obliczenia."),
                    platform::Icon::Warning);
  ui().Evat->setText("300");
  EXPECT_EQ(ui().Evat->text(), "22");
  EXPECT_EQ(ui().ESumaBrutto->text(), gross);
  EXPECT_EQ(dialogs.Pending(), 0u);
}

TEST_F(KosztyTest, ShowingBringsItemsOptionsAndEligibleCostFromTheEngine) {
  Engine.CollectorArea = 2;
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  Engine.CenaKolektory = 1000;
  Engine.CenaZasobnik = 200;
  Engine.CenaArmatury = 1234.56f;
  Engine.CenaPlynu = 50;
  Engine.Costs.WzrostCenTakNie = 1;
  Engine.Costs.IleRocznyWzrost = 3.5f;
  Engine.Costs.DyskontTakNie = 1;
  Engine.Costs.IleDyskont = 4;
  Engine.Costs.NPVTakNie = 1;
  Engine.Costs.IleCzasEksploatacji = 20;
  window.show();

  EXPECT_EQ(ui().EKosztKolektora->text(), "1000");
  EXPECT_EQ(ui().EKosztZasobnika->text(), "200");
  EXPECT_EQ(ui().EKosztArmatury->text(), "1234.56");  // in full: its handler stores it again
  EXPECT_EQ(Engine.CenaArmatury, 1234.56f);
  EXPECT_EQ(ui().EKosztPlyn->text(), "50");
  EXPECT_EQ(ui().ESumaKoszt->text().toStdString(), "2484.56");
  EXPECT_TRUE(ui().StaticText44->isHidden());
  EXPECT_TRUE(ui().ECenaZestaw->isHidden());

  EXPECT_TRUE(ui().CheckWzrostCen->isChecked());
  EXPECT_EQ(ui().ERocznyWzrostCen->text(), "3.5");
  EXPECT_TRUE(ui().ERocznyWzrostCen->isEnabled());
  EXPECT_TRUE(ui().CheckDyskont->isChecked());
  EXPECT_EQ(ui().Edyskont->text(), "4");
  EXPECT_TRUE(ui().npv->isChecked());
  EXPECT_FALSE(ui().CheckKredyt->isChecked());
  EXPECT_EQ(ui().ElataEksploatacji->text(), "20");
  EXPECT_EQ(
      ui().StaticText82->text(),
      QString::fromUtf8("* wyniki obliczeń uwzględniają wzrost cen energii inny niż inflacja"));
  EXPECT_EQ(ui().StaticText80->text(), QString::fromUtf8("* wyniki obliczeń zdyskontowane"));

  // The smaller of the gross total and 2500 zł per m2 of the 4 collectors' 8 m2.
  EXPECT_EQ(ui().ESumaBrutto->text(), "3031.16");
  EXPECT_EQ(ui().KosztyKwalifikowane->text(), "3031.16");
  EXPECT_EQ(ui().WysokoscKredytu->text(), "3031.16");
  Engine.CollectorArea = 0.1f;
  window.hide();
  window.show();
  EXPECT_EQ(ui().KosztyKwalifikowane->text(), "1000.00");
  window.hide();
}

TEST_F(KosztyTest, SetPriceModeShowsOneSetPriceTotalEverywhere) {
  Wyniki();
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  Engine.SetPriceMode = 1;
  Engine.CenaZestawu = 5000;
  Engine.CenaArmatury = 100;
  Engine.CenaPlynu = 50;
  Engine.InsulationCost = 25;  // insulation chosen after the set was loaded
  window.show();
  EXPECT_FALSE(ui().EKosztKolektora->isEnabled());
  EXPECT_FALSE(ui().EKosztInne->isEnabled());
  EXPECT_FALSE(ui().ECenaZestaw->isHidden());
  EXPECT_EQ(ui().ECenaZestaw->text(), "5000");
  // The item texts changed on this first showing and their handlers ran: the same total.
  EXPECT_EQ(ui().ESumaKoszt->text(), "5175");
  window.hide();
  window.show();  // nothing changed
  EXPECT_EQ(ui().ESumaKoszt->text(), "5175");
  ui().EKosztMontaz->setText("800");  // an item handler
  EXPECT_EQ(ui().ESumaKoszt->text(), "5975");
  window.hide();

  EnterComputeBasics(ui, "10");
  ui().BitBtn1->click();  // the command counts the same total
  EXPECT_EQ(ui().ESumaKoszt->text(), "5975");
  EXPECT_EQ(ui().Edit9->text(), "5975.00");
}

// The items, the set price and the totals read as amounts, as they were typed, not as the long
// texts of the floats that hold them (6123.4501953125).
TEST_F(KosztyTest, ShowingWritesAmountsAsTheyWereTyped) {
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  const struct {
    QLineEdit* edit;
    float CVindargast2::*item;
    const char* typed;
  } items[] = {
      {ui().EKosztKolektora, &CVindargast2::CenaKolektory, "5000"},
      {ui().EKosztZasobnika, &CVindargast2::CenaZasobnik, "6123.45"},
      {ui().EKosztSterownika, &CVindargast2::CenaSterownik, "850.5"},
      {ui().EKosztNaczynia, &CVindargast2::CenaNaczynie, "99.1"},
      {ui().EKosztPompy, &CVindargast2::CenaPompa, "555.55"},
      {ui().EKosztArmatury, &CVindargast2::CenaArmatury, "300.25"},
      {ui().EKosztPlyn, &CVindargast2::CenaPlynu, "120.7"},
      {ui().EKosztMontaz, &CVindargast2::CenaMontazu, "1234.56"},
      {ui().EKosztInne, &CVindargast2::CenaInne, "348.9"},
  };
  for (const auto& item : items) Engine.*item.item = ReadFloat(item.typed);
  window.show();
  for (const auto& item : items) EXPECT_EQ(item.edit->text(), item.typed);
  EXPECT_EQ(ui().ESumaKoszt->text(), "14633.01");
  window.hide();

  Engine.SetPriceMode = 1;
  Engine.CenaZestawu = 12345.67f;
  Engine.CenaArmatury = 2005.03f;
  Engine.CenaPlynu = Engine.CenaMontazu = Engine.CenaInne = 0;
  window.show();
  EXPECT_EQ(ui().ECenaZestaw->text(), "12345.67");
  EXPECT_EQ(ui().EKosztArmatury->text(), "2005.03");
  EXPECT_EQ(ui().ESumaKoszt->text(), "14350.7");
  window.hide();
}

TEST_F(KosztyTest, OptionBoxesEnableTheirEditsAndKeepTheirFlags) {
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  struct Case {
    QCheckBox* box;
    std::vector<QWidget*> edits;
    uint8_t CKoszty::*flag;
  };
  const Case cases[] = {
      {ui().CheckWzrostCen, {ui().ERocznyWzrostCen}, &CKoszty::WzrostCenTakNie},
      {ui().CheckKosztInstalacji, {ui().EKosztUtrzInstalacji}, &CKoszty::EksploatacjaTakNie},
      {ui().CheckKredyt, {ui().EKredyt, ui().Edit2}, &CKoszty::DotacjaTakNie},
      {ui().CheckEnergiaPompy, {ui().EEnergiaPompy}, &CKoszty::KosztPompyTakNie},
      {ui().CheckDyskont, {ui().Edyskont}, &CKoszty::DyskontTakNie},
      {ui().npv, {}, &CKoszty::NPVTakNie},
      {ui().CheckInflacja, {ui().Einflacja}, &CKoszty::InflationOn},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box->objectName().toStdString());
    for (bool ticked : {true, false}) {
      c.box->setChecked(ticked);
      EXPECT_EQ(Engine.Costs.*c.flag, ticked ? 1 : 0);
      for (QWidget* edit : c.edits) EXPECT_EQ(edit->isEnabled(), ticked);
    }
  }
  EXPECT_EQ(ui().StaticText82->text(),
            QString::fromUtf8("* wyniki obliczeń uwzględniają wzrost cen równy inflacji"));
  EXPECT_EQ(ui().StaticText80->text(), QString::fromUtf8("* wyniki obliczeń niezdyskontowane"));
}

TEST_F(KosztyTest, GrowthRateMustBePositive) {
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  ui().ERocznyWzrostCen->setText("5");
  EXPECT_FLOAT_EQ(Engine.Costs.IleRocznyWzrost, 5);
  for (const char* refused : {"", "0"}) {
    SCOPED_TRACE(refused);
    dialogs.ExpectBox("Uwaga", kGrowthRange, platform::Icon::Warning);
    ui().ERocznyWzrostCen->setText(refused);
    EXPECT_FLOAT_EQ(Engine.Costs.IleRocznyWzrost, 5);
  }
}

TEST_F(KosztyTest, DirectSubsidyAsAShareOfTheChosenTotal) {
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  ui().EKosztZasobnika->setText("1000");
  ui().Edit2->setText("10");
  EXPECT_EQ(ui().EKredyt->text(), "122");  // 10 % of the gross 1220
  ui().RSumaNetto->click();
  ui().Edit2->setText("12.5");
  EXPECT_EQ(ui().EKredyt->text(), "125");
}

TEST_F(KosztyTest, TwoSubsidiesAreWarnedOfInEitherOrder) {
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  EnterLoan(ui, "40");
  ui().ComboStawkiPodatku->setCurrentIndex(0);
  ui().CheckDotacjaNFOSIGW->setChecked(true);
  dialogs.ExpectBox("Komunikat", kTwoSubsidies, platform::Icon::Warning);
  ui().CheckKredyt->setChecked(true);

  ui().CheckDotacjaNFOSIGW->setChecked(false);
  dialogs.ExpectBox("Komunikat", kTwoSubsidies, platform::Icon::Warning);
  ui().CheckDotacjaNFOSIGW->setChecked(true);
  EXPECT_EQ(ui().DotacjaBrutto->text(), "10000.00");  // recalculated after the warning
}

TEST_F(KosztyTest, SubsidisedLoanByTaxScale) {
  struct Case {
    int scale;
    const char* percent;
    const char* gross;
    const char* tax;
  };
  const Case cases[] = {
      {0, "40", "10000.00", "1800.00"},
      {1, "40", "10000.00", "3200.00"},
      {2, "40", "10000.00", "1243.80"},  // above the allowance of 3090 zł
      {2, "12", "3000.00", "0.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scale);
    TWinKoszty& window = Koszty();
    auto& ui = window.ui;
    EnterLoan(ui, c.percent);
    ui().ComboStawkiPodatku->setCurrentIndex(c.scale);
    ui().CheckDotacjaNFOSIGW->setChecked(true);

    EXPECT_EQ(Engine.Costs.NfosigwSubsidyOn, 1);
    EXPECT_TRUE(ui().ProcentDotacji->isEnabled());
    EXPECT_EQ(ui().KosztyKwalifikowane->text(), "25000.00");  // capped at 2500 zł per m2
    EXPECT_EQ(ui().DotacjaBrutto->text(), c.gross);
    EXPECT_EQ(ui().PodatekDotacja->text(), c.tax);
    const double gross = ReadFloat(c.gross);
    // Commission 200; interest 20000 x 6 x 4 / 2400 before the subsidy and the rest of the loan
    // over the remaining 22 months after it.
    const double before = 200;
    const double after = (20000 - gross) * 6 * 22 / 2400;
    EXPECT_EQ(ui().KosztyKredytu->text().toStdString(),
              FixedText(200 + before + after + 100, 7, 2));
    const double net = gross - ReadFloat(c.tax) - 200 - before - after - 100;
    EXPECT_NEAR(window.NetSubsidy, net, 0.01);
    EXPECT_EQ(ui().DotacjaNetto->text().toStdString(), FixedText(net, 7, 2));
  }
}

// What the loan block keeps and shows.
std::vector<float> LoanValues(const TWinKoszty& w) {
  return {w.EligibleCost,
          w.CollectorAreaTotal,
          w.GrossSubsidy,
          w.SubsidyPercent,
          w.LoanAmount,
          w.LoanInterestRate,
          w.LoanCommissionRate,
          w.OtherLoanCosts,
          w.LoanMonths,
          w.WaitingMonths,
          w.TaxRate,
          w.LoanCommission,
          w.InterestBeforeSubsidy,
          w.InterestAfterSubsidy,
          w.SubsidyTax,
          w.NetSubsidy};
}
QStringList LoanTexts(const platform::FormUi<Ui::TWinKoszty>& ui) {
  return {ui().KosztyKwalifikowane->text(), ui().DotacjaBrutto->text(), ui().KosztyKredytu->text(),
          ui().PodatekDotacja->text(), ui().DotacjaNetto->text()};
}

TEST_F(KosztyTest, AnEmptyLoanTermOrNoTaxScaleStopsWithTheLastSubsidyStanding) {
  struct Case {
    QLineEdit* Ui::TWinKoszty::*edit;  // emptied; none: the tax scale is unchosen
    const char* message;
  };
  const Case cases[] = {
      {&Ui::TWinKoszty::ProcentDotacji, "Puste pole wysokość procentowa dotacji!"},
      {&Ui::TWinKoszty::WysokoscKredytu, "Puste pole wysokość kredytu!"},
      {&Ui::TWinKoszty::OprocentowanieKredytu, "Puste pole oprocentowanie kredytu!"},
      {&Ui::TWinKoszty::ProwizjaKredytu, "Puste pole prowizja za udzielenie kredytu!"},
      {&Ui::TWinKoszty::IinneKosztyKredytu, "Puste pole inne koszty udzielenia kredytu!"},
      {&Ui::TWinKoszty::OkresKredytowania, "Puste pole okres kredytowania!"},
      {&Ui::TWinKoszty::OczekiwanieDaDotacje, "Puste pole czas oczekiwania na dotacje!"},
      {nullptr, "Nie wybrano stosowanej skali podatkowej!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    TWinKoszty& window = Koszty();
    auto& ui = window.ui;
    EnterLoan(ui, "40");
    ui().ComboStawkiPodatku->setCurrentIndex(0);
    ui().CheckDotacjaNFOSIGW->setChecked(true);
    ASSERT_EQ(ui().DotacjaNetto->text().toStdString(), FixedText(window.NetSubsidy, 7, 2));
    const std::vector<float> values = LoanValues(window);
    const QStringList texts = LoanTexts(ui);

    Type(ui().KosztyKwalifikowane, "12000");
    ui().ProcentDotacji->setText("50");  // a change that must not count half-way
    if (c.edit) {
      (ui().*c.edit)->clear();
    } else {
      ui().ComboStawkiPodatku->setCurrentIndex(-1);
    }
    dialogs.ExpectBox("Uwaga", QString::fromUtf8(c.message), platform::Icon::Warning);
    ui().ButtonDotacja->click();
    EXPECT_EQ(LoanValues(window), values);
    EXPECT_EQ(LoanTexts(ui).mid(1), texts.mid(1));  // the results, as they were
    EXPECT_EQ(ui().KosztyKwalifikowane->text(), "12000");
  }
}

TEST_F(KosztyTest, UntickingTheLoanClearsItsResults) {
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  EnterLoan(ui, "40");
  ui().ComboStawkiPodatku->setCurrentIndex(0);
  ui().CheckDotacjaNFOSIGW->setChecked(true);
  EXPECT_NE(window.NetSubsidy, 0);

  ui().CheckDotacjaNFOSIGW->setChecked(false);
  EXPECT_EQ(Engine.Costs.NfosigwSubsidyOn, 0);
  EXPECT_FALSE(ui().ProcentDotacji->isEnabled());
  EXPECT_EQ(window.NetSubsidy, 0);
  EXPECT_EQ(window.GrossSubsidy, 0);
  for (QLineEdit* edit :
       {ui().DotacjaBrutto, ui().KosztyKredytu, ui().PodatekDotacja, ui().DotacjaNetto})
    EXPECT_EQ(edit->text(), "0");
}

// The showing ticks the loan's box of a design that has it on, which computes the subsidy: a term
// missing then is no box and changes nothing the design holds, the subsidy reads "b/d"; the user's
// own "Przelicz Dotację" still names what is missing.
TEST_F(KosztyTest, ShowingTicksTheLoanWithoutABoxForAMissingTerm) {
  struct Case {
    QLineEdit* Ui::TWinKoszty::*edit;  // emptied; none: the tax scale is unchosen
    QString userMessage;               // at the user's "Przelicz Dotację"
    bool error;                        // the error box of a text that is no number
  };
  const Case cases[] = {
      {&Ui::TWinKoszty::PowKolektorow, "'' is not a valid floating point value", true},
      {&Ui::TWinKoszty::KosztyKwalifikowane, "'' is not a valid floating point value", true},
      {&Ui::TWinKoszty::OprocentowanieKredytu,
       QString::fromUtf8("Puste pole oprocentowanie kredytu!"), false},
      {nullptr, QString::fromUtf8("Nie wybrano stosowanej skali podatkowej!"), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.userMessage.toStdString());
    Engine.Costs.NfosigwSubsidyOn = 1;
    TWinKoszty& window = Koszty();
    auto& ui = window.ui;
    EnterLoan(ui, "40");
    if (c.edit) (ui().*c.edit)->clear();
    ui().ComboStawkiPodatku->setCurrentIndex(c.edit ? 0 : -1);
    window.show();  // no box
    window.hide();
    EXPECT_TRUE(ui().CheckDotacjaNFOSIGW->isChecked());
    EXPECT_TRUE(ui().ButtonDotacja->isEnabled());
    EXPECT_EQ(Engine.Costs.NfosigwSubsidyOn, 1);
    for (QLineEdit* edit :
         {ui().DotacjaBrutto, ui().KosztyKredytu, ui().PodatekDotacja, ui().DotacjaNetto})
      EXPECT_EQ(edit->text(), "b/d") << edit->objectName().toStdString();
    EXPECT_EQ(window.NetSubsidy, 0);

    if (c.edit == &Ui::TWinKoszty::KosztyKwalifikowane) {
      // The showing gave the eligible cost of the gross total: the next term missing is named.
      ui().IinneKosztyKredytu->clear();
      dialogs.ExpectBox("Uwaga", QString::fromUtf8("Puste pole inne koszty udzielenia kredytu!"),
                        platform::Icon::Warning);
    } else if (c.error) {
      dialogs.ExpectError(c.userMessage);
    } else {
      dialogs.ExpectBox("Uwaga", c.userMessage, platform::Icon::Warning);
    }
    ui().ButtonDotacja->click();
    EXPECT_EQ(dialogs.Pending(), 0u);
  }

  // With every term there, the showing computes the subsidy of the terms the design restored.
  Engine.Costs.NfosigwSubsidyOn = 1;
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  EnterLoan(ui, "40");
  ui().ComboStawkiPodatku->setCurrentIndex(0);
  window.show();
  window.hide();
  EXPECT_EQ(ui().DotacjaBrutto->text(), "10000.00");
  EXPECT_GT(window.NetSubsidy, 0);
}

TEST_F(KosztyTest, ChoosingAHeatingTypeSetsCaptionsDataAndTheCalculatorsFuel) {
  TWinKoszty& window = Koszty();
  TWinKalkulatorEkologiczny& calculator = Kalkulator();
  auto& ui = window.ui;
  ui().RSumaNetto->click();

  Pick(ui().ComboRodzajOgrzewania, 7);
  EXPECT_TRUE(ui().RSumaBrutto->isChecked());
  EXPECT_EQ(Engine.Costs.TypOgrzewania, 7);
  EXPECT_EQ(Engine.NazwaPaliwa, 7);
  EXPECT_EQ(SelectedFuelRow, 7);
  EXPECT_EQ(Engine.Costs.FuelName, "Paliwo 7");
  EXPECT_EQ(ui().EKosztZakupu->text(), FuelText(7, 3));
  EXPECT_EQ(ui().ESprawnoscProcesu->text(), FuelText(7, 4));
  EXPECT_EQ(ui().StaticText26->text(), QString::fromUtf8("Współczynnik COP"));
  EXPECT_TRUE(ui().EWartoscOpalowa->isHidden());
  EXPECT_TRUE(ui().StaticText29->isHidden());
  EXPECT_EQ(calculator.ui().ComboBox1->currentIndex(), 7);
  EXPECT_EQ(calculator.ui().Edit2->text(), FuelText(7, 2));  // the calculator's COP column

  struct Case {
    int type;
    const char* priceUnit;
    const char* calorificUnit;  // null: the calorific value is hidden
  };
  const Case cases[] = {
      // The solid fuels' price is per tonne, as the cost formula takes it.
      {0, "[zł/kWh]", nullptr},     {1, "[zł/tona]", "[kWh/kg]"},   {3, "[zł/tona]", "[kWh/kg]"},
      {4, "[zł/tona]", "[kWh/kg]"}, {5, "[zł/litr]", "[kWh/litr]"}, {6, "[zł/m3]", "[kWh/m3]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    Pick(ui().ComboRodzajOgrzewania, c.type);
    EXPECT_EQ(ui().StaticText27->text(), QString::fromUtf8(c.priceUnit));
    EXPECT_EQ(ui().EWartoscOpalowa->isHidden(), c.calorificUnit == nullptr);
    if (c.calorificUnit) {
      EXPECT_EQ(ui().StaticText28->text(), c.calorificUnit);
      EXPECT_EQ(ui().EWartoscOpalowa->text(), FuelText(c.type, 2));
    }
    EXPECT_EQ(ui().StaticText26->text(), QString::fromUtf8("Sprawność procesu"));
    EXPECT_FALSE(ui().StaticText29->isHidden());
    EXPECT_EQ(calculator.ChosenFuel(), c.type);
  }

  // Typing changes the captions only, and a solid fuel keeps its price per tonne; so does
  // showing again with the calculator on the same fuel.
  Pick(ui().ComboRodzajOgrzewania, 1);
  QTest::keyClicks(ui().ComboRodzajOgrzewania->lineEdit(), "x");
  EXPECT_EQ(ui().StaticText27->text(), QString::fromUtf8("[zł/tona]"));
  EXPECT_EQ(Engine.Costs.TypOgrzewania, 1);
  Pick(ui().ComboRodzajOgrzewania, 4);
  window.show();
  EXPECT_EQ(ui().StaticText27->text(), QString::fromUtf8("[zł/tona]"));
  window.hide();
}

TEST_F(KosztyTest, ShowingTakesTheHeatingTypeOfTheCalculator) {
  TWinKoszty& window = Koszty();
  TWinKalkulatorEkologiczny& calculator = Kalkulator();
  auto& ui = window.ui;
  Engine.Costs.WartoscOpalowa = 7.456f;
  Engine.Costs.SprawnoscProcesu = 81.234f;

  Pick(calculator.ui().ComboBox1, 3);  // not the type of the last calculation
  window.show();
  EXPECT_EQ(Engine.Costs.TypOgrzewania, 3);
  EXPECT_EQ(ui().ComboRodzajOgrzewania->currentIndex(), 3);
  EXPECT_EQ(ui().EWartoscOpalowa->text(), FuelText(3, 2));
  EXPECT_EQ(ui().ESprawnoscProcesu->text(), FuelText(3, 4));
  EXPECT_EQ(Engine.Costs.FuelName, "Paliwo 3");
  window.hide();

  Engine.NazwaPaliwa = 3;  // the stored values belong to this type
  window.show();
  EXPECT_EQ(ui().EWartoscOpalowa->text(), "7.456");  // in full: "OBLICZ" reads them again
  EXPECT_EQ(ui().ESprawnoscProcesu->text(), "81.234");
  window.hide();

  Pick(calculator.ui().ComboBox1, 7);
  Engine.NazwaPaliwa = 7;
  Engine.Costs.HeatPumpCop = 3.456f;
  window.show();
  EXPECT_EQ(ui().ESprawnoscProcesu->text(), "3.456");  // the heat pump shows its COP
  EXPECT_TRUE(ui().EWartoscOpalowa->isHidden());
  EXPECT_EQ(ui().StaticText26->text(), QString::fromUtf8("Współczynnik COP"));
  window.hide();
  Engine.CostsLoaded = 1;  // item mode shows the stored values first: the COP as well
  window.show();
  EXPECT_EQ(ui().ESprawnoscProcesu->text(), "3.456");
  window.hide();
}

TEST_F(KosztyTest, TheLoanCountsOnlyWhileItsBoxIsTicked) {
  Wyniki();
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  EXPECT_FALSE(ui().ButtonDotacja->isEnabled());
  EXPECT_TRUE(ui().PowKolektorow->isReadOnly() == false);
  EnterLoan(ui, "40");
  ui().ComboStawkiPodatku->setCurrentIndex(0);
  ui().CheckDotacjaNFOSIGW->setChecked(true);
  EXPECT_TRUE(ui().ButtonDotacja->isEnabled());
  EXPECT_TRUE(ui().PowKolektorow->isEnabled());
  const float net = window.NetSubsidy;
  ASSERT_GT(net, 0);

  EnterComputeBasics(ui, "10");
  ui().EKosztKolektora->setText("20000");
  ui().BitBtn1->click();
  EXPECT_EQ(ui().Edit9->text().toStdString(), FixedText(20000.0 - net, 5, 2));

  ui().CheckDotacjaNFOSIGW->setChecked(false);
  EXPECT_FALSE(ui().ButtonDotacja->isEnabled());
  window.NetSubsidy = net;  // whatever the block still holds, it counts no more
  ui().BitBtn1->click();
  EXPECT_EQ(ui().Edit9->text(), "20000.00");
}

TEST_F(KosztyTest, ShowingKeepsTheEligibleCostAndLoanOnlyAgainstTheirGrossTotal) {
  Engine.CollectorArea = 2;
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  // The eligible cost and the loan amount after a showing.
  using Amounts = std::pair<std::string, std::string>;
  const auto ShownAmounts = [&window, &ui] {
    window.show();
    window.hide();
    return Amounts(ui().KosztyKwalifikowane->text().toStdString(),
                   ui().WysokoscKredytu->text().toStdString());
  };
  Engine.CenaKolektory = 1000;
  EXPECT_EQ(ShownAmounts(), Amounts("1220.00", "1220.00"));

  // Typed against a gross total of 1220: that total gone, the amount goes with it.
  Type(ui().WysokoscKredytu, "900");
  Engine.CenaKolektory = 2000;
  // The eligible cost the window wrote follows, and so does the loan typed against 1220.
  EXPECT_EQ(ShownAmounts(), Amounts("2440.00", "2440.00"));
  Type(ui().KosztyKwalifikowane, "1500");
  Type(ui().WysokoscKredytu, "900");
  // Typed against 2440: they stay, however often the window is shown.
  for (int showing = 0; showing < 10; ++showing)
    EXPECT_EQ(ShownAmounts(), Amounts("1500", "900")) << "showing " << showing;
  Engine.CenaZasobnik = 500;  // a second tank
  EXPECT_EQ(ShownAmounts(), Amounts("3050.00", "3050.00"));

  // A project file's amounts belong to its design: they stay at its first showing and follow
  // a later change of its gross total.
  project::WindowUpdates file;
  file.loan[1] = "1700";
  file.loan[3] = "1600";
  Engine.CenaZasobnik = 0;
  window.ShowFileInputs(file);
  EXPECT_EQ(ShownAmounts(), Amounts("1700", "1600"));
  Engine.CenaZasobnik = 500;
  EXPECT_EQ(ShownAmounts(), Amounts("3050.00", "3050.00"));

  // They hold against the gross total the design was opened with: changed before its first
  // showing, the design's new total replaces them; back as saved, they come back as saved.
  file.loan[3] = "1500";
  Engine.CenaZasobnik = 0;
  window.ShowFileInputs(file);
  Engine.CenaZasobnik = 500;
  EXPECT_EQ(ShownAmounts(), Amounts("3050.00", "3050.00"));
  Engine.CenaZasobnik = 0;
  window.ShowFileInputs(file);
  EXPECT_EQ(ShownAmounts(), Amounts("1700", "1500"));
}

// A gross total that reads "b/d" is no value: the showing and "OBLICZ" give the message of the
// net total and VAT rate that caused it, once, never the conversion error of "b/d", nor a cost
// item's message.
TEST_F(KosztyTest, AGrossTotalWithoutValueIsRefusedByItsInputs) {
  Wyniki();
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  Engine.CenaKolektory = 10000;
  window.show();
  const QString vat = QStringLiteral("1") + QString(36, QLatin1Char('0'));
  ui().Evat->setText(vat);  // a gross total of about 1E38, which a float still holds
  ASSERT_NE(ui().ESumaBrutto->text(), "b/d");
  window.hide();

  Engine.CenaKolektory = 100000;
  const QString message = QString::fromUtf8("Suma brutto (suma netto ") +
                          QString::fromStdString(General15(InstallationTotal(Engine))) +
                          QString::fromUtf8(" zł, VAT ") + vat +
                          QString::fromUtf8(" %) jest zbyt duża do obliczenia.");
  dialogs.ExpectBox("Uwaga", message, platform::Icon::Warning);
  window.show();
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_EQ(ui().ESumaBrutto->text(), "b/d");
  EXPECT_EQ(Engine.CenaKolektory, 100000.0f);

  ui().RSumaBrutto->click();
  ui().Einflacja->setText("0");
  ui().ElataEksploatacji->setText("10");
  ui().EKosztZakupu->setText("1");
  ui().ESprawnoscProcesu->setText("100");
  dialogs.ExpectBox("Uwaga", message, platform::Icon::Warning);
  ui().BitBtn1->click();
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_FALSE(Engine.Costs.ResultsComputed);
  EXPECT_EQ(ui().EOkresZwrotu->text(), "b/d");
  window.hide();
}

// A cost item changed in the open window changes the gross total at once: the loan's amounts and
// the subsidy follow it there, not only at the next showing.
TEST_F(KosztyTest, TheLoanFollowsAGrossTotalChangedInTheOpenWindow) {
  TWinKoszty& window = ShowWithLoan();
  auto& ui = window.ui;
  ui().ComboStawkiPodatku->setCurrentIndex(0);
  // The amounts as the window writes them for this gross total.
  ui().KosztyKwalifikowane->clear();
  ui().WysokoscKredytu->clear();
  window.FollowDesignCosts();
  ASSERT_EQ(ui().KosztyKwalifikowane->text(), "12200.00");
  ui().CheckDotacjaNFOSIGW->setChecked(true);
  ASSERT_EQ(ui().DotacjaBrutto->text(), "4880.00");  // 40 % of 12200

  QLineEdit* collectors = ui().EKosztKolektora;
  collectors->selectAll();
  QTest::keyClicks(collectors, "20000");
  EXPECT_EQ(ui().ESumaBrutto->text(), "24400.00");
  EXPECT_EQ(ui().KosztyKwalifikowane->text(), "24400.00");
  EXPECT_EQ(ui().WysokoscKredytu->text(), "24400.00");
  EXPECT_EQ(ui().DotacjaBrutto->text(), "b/d");  // computed for the gross total before
  EXPECT_EQ(window.NetSubsidy, 0);

  // Amounts the user typed stay while the gross total stays, and go with it.
  Type(ui().KosztyKwalifikowane, "15000.00");
  EXPECT_EQ(ui().KosztyKwalifikowane->text(), "15000.00");
  collectors->selectAll();
  QTest::keyClicks(collectors, "10000");
  EXPECT_EQ(ui().KosztyKwalifikowane->text(), "12200.00");
  window.hide();
}

// The subsidised loan of a gross total that changed, and the results of "OBLICZ" after the
// subsidy was computed again.
TEST_F(KosztyTest, TheLoanSubsidyAndItsResultsBelongToTheirGrossTotal) {
  TWinKoszty& window = ShowWithLoan();
  auto& ui = window.ui;
  Type(ui().KosztyKwalifikowane, "12200.00");
  Type(ui().WysokoscKredytu, "12200.00");
  ui().ComboStawkiPodatku->setCurrentIndex(0);
  ui().CheckDotacjaNFOSIGW->setChecked(true);
  EXPECT_EQ(ui().DotacjaBrutto->text(), "4880.00");  // 40 % of 12200
  EnterComputeBasics(ui, "10");
  ui().BitBtn1->click();
  ASSERT_TRUE(Engine.Costs.ResultsComputed);
  const QString payback = ui().EOkresZwrotu->text();
  ASSERT_NE(payback, "b/d");

  // "Przelicz Dotację" giving the same subsidy changes nothing: the results stay.
  ui().ButtonDotacja->click();
  EXPECT_TRUE(Engine.Costs.ResultsComputed);
  EXPECT_EQ(ui().EOkresZwrotu->text(), payback);
  EXPECT_EQ(Form1->ui().Label52->text(), payback);

  // Another subsidy changes an input of the calculation: its results go.
  ui().ProcentDotacji->setText("30");
  ui().ButtonDotacja->click();
  EXPECT_FALSE(Engine.Costs.ResultsComputed);
  for (QLineEdit* edit : {ui().EOkresZwrotu, ui().Edit9, ui().Edit3})
    EXPECT_EQ(edit->text(), "b/d") << edit->objectName().toStdString();
  EXPECT_EQ(Form1->ui().Label52->text(), "b/d");
  EXPECT_EQ(WinWyniki->ui().StaticText71->text(), "b/d");
  ui().ProcentDotacji->setText("40");
  ui().ButtonDotacja->click();
  ui().BitBtn1->click();
  EXPECT_EQ(ui().EOkresZwrotu->text(), payback);
  window.hide();

  // Another gross total: the amounts typed against the old one and the subsidy computed from
  // them go.
  Engine.CenaKolektory = 20000;
  window.show();
  EXPECT_EQ(ui().ESumaBrutto->text(), "24400.00");
  EXPECT_EQ(ui().KosztyKwalifikowane->text(), "24400.00");
  EXPECT_EQ(ui().WysokoscKredytu->text(), "24400.00");
  for (QLineEdit* edit :
       {ui().DotacjaBrutto, ui().KosztyKredytu, ui().PodatekDotacja, ui().DotacjaNetto})
    EXPECT_EQ(edit->text(), "b/d") << edit->objectName().toStdString();
  EXPECT_EQ(window.NetSubsidy, 0);
  EXPECT_EQ(ui().EOkresZwrotu->text(), "b/d");  // computed with the subsidy taken away

  // "OBLICZ" counts the subsidy of this gross total.
  ui().BitBtn1->click();
  EXPECT_EQ(ui().DotacjaBrutto->text(), "9760.00");  // 40 % of 24400
  ASSERT_GT(window.NetSubsidy, 0);
  // The net total counts (EnterComputeBasics).
  EXPECT_EQ(ui().Edit9->text().toStdString(), FixedText(20000.0 - window.NetSubsidy, 5, 2));
  EXPECT_TRUE(Engine.Costs.ResultsComputed);
  window.hide();

  // A design replaced (a project opened, a set accepted) takes the subsidy of the one before.
  const float net = window.NetSubsidy;
  window.ClearResults();
  EXPECT_EQ(ui().DotacjaNetto->text(), "b/d");
  EXPECT_EQ(window.NetSubsidy, 0);
  window.BitBtn1Click();
  EXPECT_EQ(window.NetSubsidy, net);
}

TEST_F(KosztyTest, PumpElectricityIsTypedWhileItsBoxIsTicked) {
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  EXPECT_FALSE(ui().EEnergiaPompy->isEnabled());
  ui().CheckEnergiaPompy->setChecked(true);
  ASSERT_TRUE(ui().EEnergiaPompy->isEnabled());
  EXPECT_FALSE(ui().EEnergiaPompy->isReadOnly());
  ui().EEnergiaPompy->clear();
  QTest::keyClicks(ui().EEnergiaPompy, "1a2,5-");
  EXPECT_EQ(ui().EEnergiaPompy->text(), "12.5");
  // The loan's results take only decimal numbers as well.
  for (QLineEdit* edit :
       {ui().DotacjaBrutto, ui().KosztyKredytu, ui().PodatekDotacja, ui().DotacjaNetto}) {
    edit->clear();
    QTest::keyClicks(edit, "3x,7");
    EXPECT_EQ(edit->text(), "3.7") << edit->objectName().toStdString();
  }
}

TEST_F(KosztyTest, TheFuelPriceThatCountsHasTheEditColour) {
  TWinKoszty& window = Koszty();
  auto& ui = window.ui;
  const QColor edit = QApplication::palette(ui().EKosztZakupu).color(QPalette::Base);
  const QColor menu = QApplication::palette(ui().EKosztZakupu).color(QPalette::Button);
  ASSERT_NE(edit, menu);
  auto colour = [](QLineEdit* e) { return e->palette().color(QPalette::Disabled, QPalette::Base); };
  EXPECT_EQ(ui().EKosztZakupu->palette().color(QPalette::Base), edit);
  EXPECT_EQ(colour(ui().EKosztZakupuNetto), menu);
  ui().RSumaNetto->click();
  EXPECT_EQ(colour(ui().EKosztZakupu), menu);
  EXPECT_EQ(ui().EKosztZakupuNetto->palette().color(QPalette::Base), edit);
  ui().RSumaBrutto->click();
  EXPECT_EQ(ui().EKosztZakupu->palette().color(QPalette::Base), edit);
  EXPECT_EQ(colour(ui().EKosztZakupuNetto), menu);
}

}  // namespace
