// The fittings window: its creation, the connection radios, the unit-value checks, "PRZELICZ"
// against an independent computation of the hydraulics, and its showing after a calculation.
#include <QTest>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "economics_fixture.h"
#include "engine/design_error.h"
#include "engine/numtext.h"
#include "hydraulic_figures.h"
#include "main/naczynie.h"
#include "main/pompa.h"
#include "main/vindargast.h"

namespace {

const QString kMixedSum = QString::fromUtf8(
    "Suma kolektorów w połączeniu mieszanym\nnie może być większa od wybranej liczby kolektorów");
const QString kMixedCount = QString::fromUtf8(
    "Liczba kolektorów w połączeniu mieszanym\nnie może być większa od wybranej liczby kolektorów");
const QString kUnitRange = QString::fromUtf8("Zakres danych możliwy do wprowadzenie to [1,1000]");

class ArmaturaTest : public EconomicsTest {
 protected:
  void SetUp() override {
    EconomicsTest::SetUp();
    Engine.LiczbaKolektorow = 4;
    Engine.CollectorUnitFlow = 60;
    Engine.CollectorUnitPressureDrop = 10;
    Engine.SrednicaPrzewodu = 18;
    Engine.LiczbaZasobnikow = 1;
    Engine.Tank1PressureLoss = 5;
    Engine.Tank2PressureLoss = 7;
    Engine.Tank1ExchangerVolume = 5.5f;
    Engine.Tank2ExchangerVolume = 6;
    Engine.CollectorAbsorberVolume = 1.5f;
    Engine.WysokoscStatyczna = 4;
  }

  // 4 elbows at 10 zł, 2 branch T-pieces at 20 zł, 1 check valve at 30 zł, 20 m of pipe at
  // 12.5 zł per metre and an additional drop of 10 mbar.
  void EnterFittings(platform::FormUi<Ui::TWinArmatura>& ui) {
    ui().EKolankoLiczba->setText("4");
    ui().EKolankoCena->setText("10");
    ui().ETrozgLiczba->setText("2");
    ui().ETrozgCena->setText("20");
    ui().EZawZwrLiczba->setText("1");
    ui().EZawZwrCena->setText("30");
    ui().ECenaZaMetr->setText("12.5");
    ui().EDlugoscPrzewodowRurowych->setText("20");
    ui().EDodatkoweStratyCisn->setText("10");
  }
};

// The installation's pressure drop as the hydraulics define it: local losses, Blasius friction of
// the pipe, the field drop and the exchanger drop(s), mbar.
double ExpectedPressureDrop(double diameter, double length, double localLosses, double field,
                            double exchangers) {
  const float reynolds = static_cast<float>((diameter - 2) * 0.75 * 1353179.9729364004 * 0.001);
  const float lambda = static_cast<float>(0.316 * std::pow(reynolds, -0.25));
  const double friction = lambda * 571.275 * length / ((diameter - 2) * 0.002) * 0.01;
  return exchangers + localLosses + friction + field;
}

TEST_F(ArmaturaTest, CreationConnectsInParallelAndShowsTheFieldValues) {
  Engine.Armatura.RodzajPolaczenia = 1;
  TWinArmatura& window = Armatura();

  EXPECT_EQ(Engine.Armatura.RodzajPolaczenia, 2);
  EXPECT_EQ(Engine.Armatura.Szeregowo, 1);
  EXPECT_EQ(Engine.Armatura.Rownolegle, 1);
  EXPECT_TRUE(window.ui().RPararell->isChecked());
  EXPECT_EQ(window.ui().EKolRown->text(), "1");
  EXPECT_EQ(window.ui().EKolSzereg->text(), "1");
  EXPECT_EQ(window.ui().ERazemNatezenie->text(), "240");  // 4 collectors of 60 l/h in parallel
  EXPECT_EQ(window.ui().ERazemCisnienie->text(), "10");
  EXPECT_EQ(window.ui().ESumaCenaArmatura->text(), "0");
  EXPECT_EQ(window.windowTitle(), "ARMATURA ");
  EXPECT_TRUE(window.ui().ERazemNatezenie->isReadOnly());
  EXPECT_EQ(Engine.FittingsComputed, 0);
  EXPECT_EQ(Engine.InstallationPressureDrop, 0);
  // Each fitting kind shows its picture.
  for (QLabel* picture :
       {window.ui().ObrazKolanko, window.ui().ObrazTprzeplyw, window.ui().ObrazTrozgaleznik,
        window.ui().ObrazZasuwa, window.ui().ObrazZaworOdcinajacy, window.ui().ObrazZaworZwrotny}) {
    EXPECT_FALSE(picture->pixmap().isNull()) << picture->objectName().toStdString();
    EXPECT_EQ(picture->pixmap().size(), QSize(32, 32));
  }
}

TEST_F(ArmaturaTest, PrzeliczComputesCostPressureDropPumpAndVolumes) {
  TWinArmatura& window = Armatura();
  EnterFittings(window.ui);
  window.ui().BitBtn1->click();

  const CFittings& a = Engine.Armatura;
  EXPECT_EQ(a.KolankoLiczba, 4);
  EXPECT_EQ(a.TRozgaleznikCena, 20);
  EXPECT_FLOAT_EQ(Engine.CenaArmatury, 360);  // 40 + 40 + 30 + 20 x 12.5
  EXPECT_EQ(window.ui().ESumaCenaArmatura->text(), "360.00");

  const double local = 4 * 1.4 + 2 * 4.2 + 22.8 + 10;
  const double drop = ExpectedPressureDrop(18, 20, local, 10, 5);
  EXPECT_NEAR(Engine.InstallationPressureDrop, drop, 1e-3);
  EXPECT_NEAR(a.TotalPressureDrop, drop, 1e-3);
  EXPECT_EQ(window.ui().ESumaStratCisnienia->text().toStdString(), General4(drop));
  EXPECT_NEAR(a.PumpHead, 0.01 * drop, 1e-5);
  EXPECT_EQ(window.ui().EWysokoscPodnoszenia->text().toStdString(), General4(0.01 * drop));
  EXPECT_FLOAT_EQ(a.PumpFlow, 240);
  EXPECT_EQ(window.ui().EWydajnoscPompy->text(), "240");

  const double pipes = 8 * 8 * M_PI * 0.001 * 20;  // inner radius 8 mm over 20 m
  const double total = 4 * 1.5 + pipes + 5.5;
  const double vessel = (total * 0.73 + 1.5) * (3.8 / (2.8 - (4 * 0.1 + 0.7)));
  EXPECT_EQ(window.ui().EPojemnoscWodnaKolektora->text(), "6.00");
  EXPECT_EQ(window.ui().EPojemnoscWodnaRur->text(), "4.02");
  EXPECT_EQ(window.ui().EPojemnoscWodnaWymiennika->text(), "5.50");
  EXPECT_EQ(window.ui().ECalkowitaPojWodna->text(), "15.52");
  EXPECT_EQ(window.ui().EPojemnoscWlasciwa->text().toStdString(), FixedText(vessel, 4, 2));
  // The volumes are stored as shown; the vessel from the unrounded total.
  EXPECT_FLOAT_EQ(a.CollectorWaterVolume, 6);
  EXPECT_FLOAT_EQ(a.PipeWaterVolume, 4.02f);
  EXPECT_FLOAT_EQ(a.ExchangerWaterVolume, 5.5f);
  EXPECT_FLOAT_EQ(a.TotalWaterVolume, 15.52f);
  EXPECT_NEAR(a.VesselVolume, vessel, 1e-3);
  EXPECT_EQ(Engine.FittingsComputed, 1);
}

TEST_F(ArmaturaTest, TwoTanksAddTheSecondExchangerAndItsDrop) {
  Engine.LiczbaZasobnikow = 2;
  TWinArmatura& window = Armatura();
  EnterFittings(window.ui);
  window.ui().BitBtn1->click();

  const double local = 4 * 1.4 + 2 * 4.2 + 22.8 + 10;
  EXPECT_NEAR(Engine.InstallationPressureDrop, ExpectedPressureDrop(18, 20, local, 10, 5 + 7),
              1e-3);
  EXPECT_EQ(window.ui().EPojemnoscWodnaWymiennika->text(), "11.5");  // general, not fixed
  EXPECT_FLOAT_EQ(Engine.Armatura.ExchangerWaterVolume, 11.5f);
}

TEST_F(ArmaturaTest, PrzeliczCountsAKindOnlyWithCountAndPrice) {
  TWinArmatura& window = Armatura();
  window.ui().EKolankoLiczba->setText("2");  // stored at once
  EXPECT_EQ(Engine.Armatura.KolankoLiczba, 2);
  window.ui().ECenaZaMetr->setText("3");
  window.ui().EDlugoscPrzewodowRurowych->setText("10");
  window.ui().BitBtn1->click();

  EXPECT_EQ(Engine.Armatura.KolankoLiczba, 0);
  EXPECT_EQ(Engine.Armatura.KolankoCena, 0);
  EXPECT_FLOAT_EQ(Engine.CenaArmatury, 30);  // the pipes alone
  EXPECT_FLOAT_EQ(Engine.Armatura.DodatkowaStrataCisnienia, 0);
}

TEST_F(ArmaturaTest, ConnectionRadiosShowTheFieldValuesOfTheirType) {
  TWinArmatura& window = Armatura();
  window.ui().EKolSzereg->setText("2");
  window.ui().EKolRown->setText("2");
  struct Case {
    QRadioButton* radio;
    int type;
    const char* flow;
    const char* drop;
  };
  const Case cases[] = {
      {window.ui().RSeries, 1, "60", "40"},
      {window.ui().RPararell, 2, "240", "10"},
      {window.ui().RadioMixed, 3, "120", "20"},
      {window.ui().RSeries, 1, "60", "40"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.radio->text().toStdString());
    c.radio->click();
    EXPECT_EQ(Engine.Armatura.RodzajPolaczenia, c.type);
    EXPECT_EQ(window.ui().ERazemNatezenie->text(), c.flow);
    EXPECT_EQ(window.ui().ERazemCisnienie->text(), c.drop);
  }
}

TEST_F(ArmaturaTest, MixedConnectionBeyondTheCollectorCountIsRefused) {
  TWinArmatura& window = Armatura();
  window.ui().EKolSzereg->setText("3");
  dialogs.ExpectBox("Uwaga", kMixedCount, platform::Icon::Warning);
  window.ui().EKolRown->setText("2");
  EXPECT_EQ(Engine.Armatura.Rownolegle, 2);  // stored although refused

  dialogs.ExpectBox("Uwaga", kMixedSum, platform::Icon::Warning);
  window.ui().RadioMixed->click();
  EXPECT_EQ(Engine.Armatura.RodzajPolaczenia, 2);
  EXPECT_TRUE(window.ui().RPararell->isChecked());
  EXPECT_EQ(window.ui().ERazemNatezenie->text(), "240");
}

TEST_F(ArmaturaTest, UnitValuesOutsideTheRangeAreRefused) {
  TWinArmatura& window = Armatura();
  for (const char* refused : {"0", "1500", ""}) {
    SCOPED_TRACE(refused);
    dialogs.ExpectBox("Uwaga", kUnitRange, platform::Icon::Warning);
    window.ui().EJednostkoweNatezenie->setText(refused);
    EXPECT_FLOAT_EQ(Engine.CollectorUnitFlow, 60);
  }
  window.ui().EJednostkoweNatezenie->setText("50");
  EXPECT_FLOAT_EQ(Engine.CollectorUnitFlow, 50);
  EXPECT_EQ(window.ui().ERazemNatezenie->text(), "200");

  window.ui().EJednostkoweCisnienie->setText("12.5");
  EXPECT_FLOAT_EQ(Engine.CollectorUnitPressureDrop, 12.5f);
  EXPECT_EQ(window.ui().ERazemCisnienie->text(), "12.5");
}

TEST_F(ArmaturaTest, ShowingAfterACalculationRefillsTheEditsFromTheRecord) {
  TWinArmatura& window = Armatura();
  CFittings& a = Engine.Armatura;
  a.KolankoLiczba = 3;
  a.KolankoCena = 12.345f;
  a.CenaZaMetr = 7.7777f;
  a.DlugoscPrzewodow = 15;
  a.PumpFlow = 240;
  a.RodzajPolaczenia = 5;  // no connection type: back to parallel
  Engine.FittingsComputed = 1;
  Engine.HydraulicsComputed = 1;
  Engine.CenaArmatury = 200;  // typed in the cost window, or brought by a project file
  window.ui().ESumaCenaArmatura->setText("999.00");  // the sum of a design before
  window.show();

  EXPECT_EQ(a.RodzajPolaczenia, 2);
  EXPECT_TRUE(window.ui().RPararell->isChecked());
  EXPECT_EQ(window.ui().EKolankoLiczba->text(), "3");
  // Prices come back in full: 4 digits would round what the change handlers store again.
  EXPECT_EQ(window.ui().EKolankoCena->text(), "12.345");
  EXPECT_EQ(window.ui().ECenaZaMetr->text(), "7.7777");
  EXPECT_EQ(window.ui().EDlugoscPrzewodowRurowych->text(), "15");
  EXPECT_EQ(window.ui().EWydajnoscPompy->text(), "240");
  EXPECT_EQ(a.KolankoCena, 12.345f);
  EXPECT_EQ(a.CenaZaMetr, 7.7777f);
  // Showing prices nothing anew: the cost item stays, and no sum shows it, for it is not the sum
  // of the fittings shown.
  EXPECT_EQ(Engine.CenaArmatury, 200.0f);
  EXPECT_EQ(window.ui().ESumaCenaArmatura->text(), "");
  window.hide();
}

// The sum shown is that of the counts and prices on screen, or none until the next "PRZELICZ":
// a count typed after one is shown again with no sum, and the fittings it was computed from bring
// it back.
TEST_F(ArmaturaTest, ShowingAgainShowsNoSumOfOtherCounts) {
  TWinArmatura& window = Armatura();
  Ui::TWinArmatura& w = window.ui();
  window.show();
  w.EKolankoLiczba->setText("4");
  w.EKolankoCena->setText("10");
  w.BitBtn1->click();
  ASSERT_EQ(w.ESumaCenaArmatura->text(), "40.00");
  w.EKolankoLiczba->clear();
  QTest::keyClicks(w.EKolankoLiczba, "8");
  EXPECT_EQ(w.ESumaCenaArmatura->text(), "");
  window.hide();
  window.show();
  EXPECT_EQ(w.EKolankoLiczba->text(), "8");
  EXPECT_EQ(w.EKolankoCena->text(), "10");
  EXPECT_EQ(w.ESumaCenaArmatura->text(), "");
  EXPECT_EQ(Engine.CenaArmatury, 40.0f);  // the cost item, until the next "PRZELICZ"

  w.EKolankoLiczba->clear();
  QTest::keyClicks(w.EKolankoLiczba, "4");
  window.hide();
  window.show();
  EXPECT_EQ(w.ESumaCenaArmatura->text(), "40.00");
  window.hide();
}

// The hydraulic figures belong to the design "PRZELICZ" worked them out for: the user's change of
// an input they read, in this window or in the main window, takes them away, in Engine and on the
// window, until the next "PRZELICZ"; the fittings and their price stay. A showing then shows no
// figure. A price feeds no hydraulic figure: it takes only the sum shown.
TEST_F(ArmaturaTest, AChangeOfAnInputTakesTheHydraulicFiguresAway) {
  TWinArmatura& window = Armatura();
  Ui::TWinArmatura& w = window.ui();
  const Ui::TForm1& f = Form1->ui();
  const struct {
    const char* name;
    std::function<void()> change;
    bool sumGoes;  // the fittings' sum shown is no longer that of the counts and prices shown
    bool hydraulicsGo;
  } cases[] = {
      {"an elbow count typed", [&w] { QTest::keyClicks(w.EKolankoLiczba, "1"); }, true, true},
      {"a price typed", [&w] { QTest::keyClicks(w.EZawZwrCena, "5"); }, true, false},
      {"a digit of the price per metre taken away",
       [&w] { QTest::keyClick(w.ECenaZaMetr, Qt::Key_Backspace); }, true, false},
      {"a digit of the additional drop taken away",
       [&w] { QTest::keyClick(w.EDodatkoweStratyCisn, Qt::Key_Backspace); }, false, true},
      {"the series connection chosen", [&w] { w.RSeries->click(); }, false, true},
      {"a unit flow typed", [&w] { QTest::keyClicks(w.EJednostkoweNatezenie, "5"); }, false, true},
      {"the collectors' count typed in the main window",
       [&f] {
         f.ELiczbaKolektorow->clear();
         QTest::keyClicks(f.ELiczbaKolektorow, "4");
       },
       false, true},
      {"the static height typed in the main window",
       [&f] {
         f.EHStatyczna->clear();
         QTest::keyClicks(f.EHStatyczna, "3");
       },
       false, true},
      {"the persons' count typed in the main window",
       [&f] { QTest::keyClicks(f.ELiczbaOsob, "3"); }, false, false},
  };
  window.show();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EnterFittings(window.ui);
    w.RPararell->setChecked(true);
    w.BitBtn1->click();
    ASSERT_EQ(Engine.HydraulicsComputed, 1);
    ASSERT_GT(Engine.Armatura.PumpHead, 0.0f);
    ASSERT_NE(w.ECalkowitaPojWodna->text(), "");
    const float price = Engine.CenaArmatury;

    ASSERT_EQ(w.ESumaCenaArmatura->text(), "360.00");

    const QString head = w.EWysokoscPodnoszenia->text();
    c.change();
    if (c.hydraulicsGo) {
      ExpectNoHydraulicFigures(window);
    } else {
      EXPECT_EQ(Engine.HydraulicsComputed, 1);
      EXPECT_EQ(w.EWysokoscPodnoszenia->text(), head);
    }
    EXPECT_EQ(Engine.CenaArmatury, price);  // the cost item, until the next "PRZELICZ"
    EXPECT_EQ(w.ESumaCenaArmatura->text(), c.sumGoes ? "" : "360.00");
    EXPECT_EQ(Engine.Armatura.KolankoCena, 10.0f);

    // Shown again before a "PRZELICZ": the fittings come back, no figure of another design does.
    window.hide();
    window.show();
    EXPECT_EQ(w.EKolankoCena->text(), "10");
    EXPECT_EQ(w.EWysokoscPodnoszenia->text(), c.hydraulicsGo ? "" : head);
  }
  window.hide();
}

// "PRZELICZ" that gives another fittings cost item or pressure drop: the cost window's sums follow
// the item, and the results of its last "OBLICZ", computed with the ones before, read "b/d" on
// every window until the next; one that changes neither keeps them.
TEST_F(ArmaturaTest, PrzeliczOfAnotherCostOrDropTakesTheCostResultsAway) {
  Wyniki();
  TWinArmatura& fittings = Armatura();
  Ui::TWinArmatura& w = fittings.ui();
  EnterFittings(fittings.ui);
  w.BitBtn1->click();
  ASSERT_FLOAT_EQ(Engine.CenaArmatury, 360);
  TWinKoszty& costs = Koszty();
  Ui::TWinKoszty& k = costs.ui();
  costs.show();
  EnterComputeBasics(costs.ui, "10");
  k.EKosztKolektora->setText("20000");
  const struct {
    const char* name;
    std::function<void()> change;
    const char* item;  // the cost window's fittings item afterwards
    bool resultsGo;
  } cases[] = {
      {"nothing changed", [] {}, "360", false},
      {"an elbow's price typed",
       [&w] {
         w.EKolankoCena->clear();
         QTest::keyClicks(w.EKolankoCena, "15");
       },
       "380", true},
      // Set as a project or the main window would: the hydraulics stand, only the drop differs.
      {"another additional drop", [&w] { w.EDodatkoweStratyCisn->setText("20"); }, "380", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    k.BitBtn1->click();
    ASSERT_TRUE(Engine.Costs.ResultsComputed);
    const QString payback = k.EOkresZwrotu->text();
    ASSERT_NE(payback, "b/d");
    const float item = Engine.CenaArmatury;
    const float total = ReadFloat(k.ESumaKoszt->text().toStdString());

    c.change();
    w.BitBtn1->click();
    EXPECT_EQ(k.EKosztArmatury->text(), c.item);
    EXPECT_FLOAT_EQ(ReadFloat(k.ESumaKoszt->text().toStdString()) - total,
                    ReadFloat(c.item) - item);
    EXPECT_EQ(Engine.Costs.ResultsComputed, !c.resultsGo);
    for (const QString& text :
         {k.EOkresZwrotu->text(), k.Edit9->text(), k.Edit3->text(), Form1->ui().Label50->text(),
          Form1->ui().Label52->text(), WinWyniki->ui().StaticText71->text()}) {
      if (c.resultsGo) {
        EXPECT_EQ(text, "b/d");
      } else {
        EXPECT_NE(text, "b/d");
      }
    }
    if (!c.resultsGo) {
      EXPECT_EQ(k.EOkresZwrotu->text(), payback);
    }
  }
  // The next "OBLICZ" has results again.
  k.BitBtn1->click();
  EXPECT_TRUE(Engine.Costs.ResultsComputed);
  EXPECT_NE(k.EOkresZwrotu->text(), "b/d");
  costs.hide();
}

// What "PRZELICZ" stores, bit for bit: the whole record and the engine fields it writes.
struct FittingsState {
  CFittings record;
  float price, drop;
  bool operator==(const FittingsState& other) const {
    static_assert(std::is_trivially_copyable_v<CFittings>);
    return std::memcmp(&record, &other.record, sizeof record) == 0 &&
           std::memcmp(&price, &other.price, sizeof price) == 0 &&
           std::memcmp(&drop, &other.drop, sizeof drop) == 0;
  }
};
FittingsState StoredFittings() {
  return {Engine.Armatura, Engine.CenaArmatury, Engine.InstallationPressureDrop};
}

TEST_F(ArmaturaTest, ShowingTenTimesNeverChangesAStoredValue) {
  TWinArmatura& window = Armatura();
  EnterFittings(window.ui);
  // Values that 4 significant digits would round.
  window.ui().EKolankoCena->setText("12.345");
  window.ui().ETrozgCena->setText("1234.56");
  window.ui().ECenaZaMetr->setText("7.7777");
  window.ui().EDlugoscPrzewodowRurowych->setText("23.456");
  window.ui().EDodatkoweStratyCisn->setText("10.123");
  window.ui().BitBtn1->click();
  const FittingsState computed = StoredFittings();
  EXPECT_EQ(computed.record.TRozgaleznikCena, 1234.56f);

  for (int showing = 0; showing < 10; ++showing) {
    window.show();
    window.hide();
    ASSERT_TRUE(StoredFittings() == computed) << "showing " << showing;
  }
  window.ui().BitBtn1->click();  // computing again from what the window shows
  EXPECT_TRUE(StoredFittings() == computed);
}

// The Polish message of an input the hydraulics cannot use, as the engine words it.
template <typename Call>
QString EngineMessage(Call call) {
  try {
    call();
  } catch (const DesignInputError& error) {
    return QString::fromUtf8(error.what());
  }
  ADD_FAILURE() << "the engine took the input";
  return QString();
}

TEST_F(ArmaturaTest, PrzeliczWithUnusableHydraulicsStoresNothing) {
  CFittings probe(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1);
  struct Case {
    int diameter;
    float height;
    QString message;
  };
  const Case cases[] = {
      {2, 4, EngineMessage([&] { probe.ComputeTotalPressureDrop(2, 1, 0, 0, 0); })},
      {0, 4, EngineMessage([&] { probe.ComputeTotalPressureDrop(0, 1, 0, 0, 0); })},
      {18, 21, EngineMessage([&] { probe.ComputeVesselVolume(21, 1, 1); })},
      {18, 30, EngineMessage([&] { probe.ComputeVesselVolume(30, 1, 1); })},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message.toStdString());
    Engine.SrednicaPrzewodu = 18;
    Engine.WysokoscStatyczna = 4;
    TWinArmatura& window = Armatura();
    EnterFittings(window.ui);
    window.ui().BitBtn1->click();
    const FittingsState computed = StoredFittings();
    const QString shownDrop = window.ui().ESumaStratCisnienia->text();
    const QString shownVessel = window.ui().EPojemnoscWlasciwa->text();

    Engine.SrednicaPrzewodu = c.diameter;
    Engine.WysokoscStatyczna = c.height;
    window.ui().EDlugoscPrzewodowRurowych->setText("40");
    window.ui().EZawZwrCena->clear();  // would zero the check valves
    const QString shownSum = window.ui().ESumaCenaArmatura->text();
    dialogs.ExpectBox("Uwaga", c.message, platform::Icon::Warning);
    window.ui().BitBtn1->click();
    EXPECT_TRUE(StoredFittings() == computed);
    EXPECT_EQ(window.ui().ESumaStratCisnienia->text(), shownDrop);
    EXPECT_EQ(window.ui().EPojemnoscWlasciwa->text(), shownVessel);
    EXPECT_EQ(window.ui().ESumaCenaArmatura->text(), shownSum);
  }
}

// A cost a float cannot hold is refused by the captions of its edits: the cost item, the results
// and the sum shown stay as the last calculation left them, also when the window is shown again.
TEST_F(ArmaturaTest, PrzeliczRefusesACostTooLargeToCompute) {
  const QString nines = QString(35, QLatin1Char('9'));
  struct Case {
    const char* name;
    std::vector<std::pair<QLineEdit * Ui::TWinArmatura::*, QString>> typed;
    const char* message;
  };
  const Case cases[] = {
      {"11305 elbows at 35 nines",
       {{&Ui::TWinArmatura::EKolankoLiczba, "11305"}, {&Ui::TWinArmatura::EKolankoCena, nines}},
       "Kolanko: liczba elementów (11305) razy cena za element (1E35 zł) daje koszt zbyt duży "
       "do obliczenia."},
      {"check valves",
       {{&Ui::TWinArmatura::EZawZwrLiczba, "2000000000"},
        {&Ui::TWinArmatura::EZawZwrCena, "3E+38"}},
       "Zawór zwrotny: liczba elementów (2000000000) razy cena za element (3E38 zł) daje koszt "
       "zbyt "
       "duży do obliczenia."},
      {"pipes",
       {{&Ui::TWinArmatura::ECenaZaMetr, "3E+38"}},
       "Przewody rurowe: długość przewodów rurowych (20 m) razy cena netto za metr bieżący "
       "(3E38 zł) daje koszt zbyt duży do obliczenia."},
      {"each cost finite, their sum not",
       {{&Ui::TWinArmatura::EKolankoCena, "8E+37"}, {&Ui::TWinArmatura::ETrozgCena, "3E+37"}},
       "Suma kosztów armatury (3.8E38 zł) jest zbyt duża do obliczenia: popraw liczby elementów "
       "lub ceny."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TWinArmatura& window = Armatura();
    EnterFittings(window.ui);
    window.ui().BitBtn1->click();
    const float price = Engine.CenaArmatury;
    const float drop = Engine.InstallationPressureDrop;
    const CFittings computed = Engine.Armatura;

    for (const auto& [edit, text] : c.typed) (window.ui().*edit)->setText(text);
    dialogs.ExpectBox("Uwaga", QString::fromUtf8(c.message), platform::Icon::Warning);
    window.ui().BitBtn1->click();
    EXPECT_EQ(dialogs.Pending(), 0u);
    EXPECT_EQ(Engine.CenaArmatury, price);
    EXPECT_EQ(Engine.InstallationPressureDrop, drop);
    EXPECT_EQ(Engine.Armatura.FittingsPrice, computed.FittingsPrice);
    EXPECT_EQ(Engine.Armatura.TotalPressureDrop, computed.TotalPressureDrop);
    EXPECT_EQ(Engine.Armatura.VesselVolume, computed.VesselVolume);
    EXPECT_EQ(window.ui().ESumaCenaArmatura->text(), "360.00");

    // Shown again, the window keeps the cost item of the last calculation.
    window.ui().BitBtn4->click();
    window.show();
    EXPECT_EQ(Engine.CenaArmatury, price);
    window.hide();
  }
}

TEST_F(ArmaturaTest, PumpAndVesselButtonsShowTheirSelectionWindows) {
  // The selection windows as start-up creates them.
  auto pump = std::make_unique<TWinPompa>();
  auto vessel = std::make_unique<TWinNaczynie>();
  WinPompa = pump.get();
  WinNaczynie = vessel.get();
  TWinArmatura& window = Armatura();
  EXPECT_EQ(window.ui().BitBtn2->text(), "Pompa obiegowa");
  EXPECT_EQ(window.ui().BitBtn3->text(), "Naczynie wzbiorcze");
  window.show();
  window.ui().BitBtn2->click();
  EXPECT_TRUE(WinPompa->isVisible());
  EXPECT_FALSE(WinPompa->isModal());
  window.ui().BitBtn3->click();
  EXPECT_TRUE(WinNaczynie->isVisible());
  EXPECT_FALSE(WinNaczynie->isModal());
  EXPECT_TRUE(window.isVisible());  // both modeless beside the fittings window
  WinPompa->hide();
  WinNaczynie->hide();
  window.ui().BitBtn4->click();
  EXPECT_FALSE(window.isVisible());
  WinPompa = nullptr;
  WinNaczynie = nullptr;
}

TEST_F(ArmaturaTest, KeysAreFilteredAndBadNumbersEndTheHandler) {
  TWinArmatura& window = Armatura();
  QTest::keyClicks(window.ui().EKolankoLiczba, "1a2.3,");
  EXPECT_EQ(window.ui().EKolankoLiczba->text(), "123");
  QTest::keyClicks(window.ui().EKolankoCena, "1,5x-");
  EXPECT_EQ(window.ui().EKolankoCena->text(), "1.5");
  EXPECT_FLOAT_EQ(Engine.Armatura.KolankoCena, 1.5f);

  dialogs.ExpectError("'1.2.3' is not a valid floating point value");
  window.ui().EKolankoCena->setText("1.2.3");
  EXPECT_FLOAT_EQ(Engine.Armatura.KolankoCena, 1.5f);
}

}  // namespace
