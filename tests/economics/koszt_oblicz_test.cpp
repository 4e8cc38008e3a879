// The cost window's OBLICZ: lifetime savings and running costs, the payback period, NPV and IRR,
// and the results it writes into the results window and the main window.
#include <QTest>
#include <string>

#include "economics_fixture.h"
#include "engine/numtext.h"
#include "main/vindargast.h"

namespace {

class KosztyObliczTest : public EconomicsTest {
 protected:
  // A net investment of 10000 zł saving 1000 zł a year on hot water, no growth, no inflation,
  // over 20 years. The fuel data are left empty, so the yearly saving of the engine stands.
  Ui::TWinKoszty& Prepare(const char* investment = "10000", float saving = 1000) {
    Wyniki();
    TWinKoszty& window = Koszty();
    Ui::TWinKoszty& ui = window.ui;
    ui.RSumaNetto->click();
    ui.EKosztKolektora->setText(investment);
    ui.Einflacja->setText("0");
    ui.ElataEksploatacji->setText("20");
    ui.EKosztZakupu->clear();
    ui.EWartoscOpalowa->clear();
    Engine.Costs.HotWaterSaving = saving;
    Engine.Costs.AnnualCostWithoutSolar = 1500;
    Engine.Costs.AnnualCostWithSolar = 500;
    return ui;
  }
  TWinKoszty& Window() { return *WinKoszty; }
};

TEST_F(KosztyObliczTest, SavingsPaybackAndResultsWithoutGrowthOrDiscount) {
  Ui::TWinKoszty& ui = Prepare();
  ui.BitBtn1->click();

  const CKoszty& costs = Engine.Costs;
  EXPECT_FLOAT_EQ(costs.IleCzasEksploatacji, 20);
  EXPECT_FLOAT_EQ(costs.LifetimeHotWaterSavings, 20000);
  EXPECT_FLOAT_EQ(costs.AverageHotWaterSavings, 1000);
  EXPECT_FLOAT_EQ(costs.PaybackYears, 10);  // balance 0 at 10 years, negative at 10.5
  EXPECT_EQ(ui.Edit5->text(), "20000.00");
  EXPECT_EQ(ui.Edit3->text(), "1000.00");
  EXPECT_EQ(ui.Edit6->text(), "0.00");
  EXPECT_EQ(ui.Edit7->text(), "1500.00");  // discount equal to growth: the yearly costs
  EXPECT_EQ(ui.Edit8->text(), "500.00");
  EXPECT_EQ(ui.EOkresZwrotu->text(), "10.0");
  EXPECT_TRUE(ui.StaticText42->isHidden());
  EXPECT_EQ(ui.StaticText65->text(), "nie liczono");
  EXPECT_EQ(ui.StaticText67->text(), "nie liczono");
  EXPECT_EQ(ui.Edit9->text(), "10000.00");
  EXPECT_EQ(Engine.CostsLoaded, 1);
  EXPECT_EQ(Form1->ui.Label52->text(), "10.0");
  EXPECT_EQ(Form1->ui.Label50->text().toStdString(), CurrencyText(10000, 5, DotFormatSettings));
  EXPECT_EQ(WinWyniki->ui.StaticText71->text(), "1000");
}

TEST_F(KosztyObliczTest, NoSavingsNeverPayBack) {
  Ui::TWinKoszty& ui = Prepare("10000", 0);
  ui.BitBtn1->click();
  EXPECT_EQ(ui.EOkresZwrotu->text(), "100.0");
  EXPECT_FALSE(ui.StaticText42->isHidden());
  EXPECT_EQ(ui.StaticText42->text(),
            QString::fromUtf8("Zwrot z inwestycji nie nastąpi w okresie krótszym od 100 lat"));
}

TEST_F(KosztyObliczTest, NetPresentValueAndRateOfReturnNeedTheDiscount) {
  Ui::TWinKoszty& ui = Prepare();
  ui.npv->setChecked(true);
  dialogs.ExpectBox("Komunikat",
                    QString::fromUtf8("Nie można obliczyć NPV bez podania stopy dyskonta "),
                    platform::Icon::Warning);
  ui.BitBtn1->click();
  EXPECT_EQ(ui.StaticText65->text(), "0");

  ui.CheckDyskont->setChecked(true);
  ui.Edyskont->setText("5");
  ui.BitBtn1->click();
  // 20 savings of 1000 discounted at 5 % less the investment; repaid at 7.7 %.
  const double savings = 1000 * (1 - std::pow(1 / 1.05, 20)) / 0.05;
  EXPECT_EQ(ui.StaticText65->text().toStdString(), FixedText(savings - 10000, 10, 2));
  EXPECT_EQ(ui.StaticText67->text(), "7.70");
  EXPECT_EQ(ui.Edit5->text().toStdString(), FixedText(savings, 10, 2));

  ui.EKosztKolektora->setText("20000");
  ui.BitBtn1->click();
  EXPECT_EQ(ui.StaticText67->text(), QString::fromUtf8("wartość ujemna"));
  EXPECT_EQ(ui.StaticText65->text().toStdString(), FixedText(savings - 20000, 10, 2));
}

TEST_F(KosztyObliczTest, ServiceLifeOfZeroStopsAfterTheMessage) {
  Ui::TWinKoszty& ui = Prepare();
  ui.ElataEksploatacji->clear();
  dialogs.ExpectBox(
      "Komunikat",
      QString::fromUtf8("Nie można wykonać obliczeń dla okresu eksploatacji równego 0 lat !"),
      platform::Icon::Warning);
  ui.BitBtn1->click();
  EXPECT_EQ(ui.Edit5->text(), "");
  EXPECT_EQ(ui.EOkresZwrotu->text(), "");
  EXPECT_EQ(Engine.CostsLoaded, 1);
  EXPECT_EQ(ui.Edit9->text(), "10000.00");
}

TEST_F(KosztyObliczTest, MissingValuesOfTickedOptionsAreReported) {
  Ui::TWinKoszty& ui = Prepare();
  ui.CheckKredyt->setChecked(true);
  ui.EKredyt->clear();
  ui.CheckKosztInstalacji->setChecked(true);
  ui.CheckDyskont->setChecked(true);
  ui.Edyskont->clear();
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
  ui.BitBtn1->click();
  EXPECT_EQ(ui.EOkresZwrotu->text(), "10.0");  // the calculation went on with zeros
}

TEST_F(KosztyObliczTest, EmptyInflationEndsTheCommandWithItemsStored) {
  Ui::TWinKoszty& ui = Prepare();
  ui.EKosztPlyn->setText("250");
  ui.Einflacja->clear();
  dialogs.ExpectError("'' is not a valid floating point value");
  ui.BitBtn1->click();
  EXPECT_FLOAT_EQ(Engine.CenaPlynu, 250);
  EXPECT_EQ(ui.ESumaKoszt->text(), "10250");
  EXPECT_EQ(Engine.CostsLoaded, 0);
}

TEST_F(KosztyObliczTest, HeatPumpWithoutCopKeepsTheYearlyCosts) {
  Ui::TWinKoszty& ui = Prepare();
  Kalkulator();
  ui.ComboRodzajOgrzewania->setCurrentIndex(7);
  emit ui.ComboRodzajOgrzewania->activated(7);
  ui.EKosztZakupu->setText("1");
  ui.ESprawnoscProcesu->setText("0");
  dialogs.ExpectBox("Komunikat", QString::fromUtf8("Współczynnik COP musi być wiekszy od 0 !!!"),
                    platform::Icon::Warning);
  ui.BitBtn1->click();
  EXPECT_FLOAT_EQ(Engine.Costs.AnnualCostWithoutSolar, 1500);
  EXPECT_FLOAT_EQ(Engine.Costs.HotWaterSaving, 1000);
  EXPECT_EQ(Engine.Costs.HeatPumpCop, 0);
}

}  // namespace
