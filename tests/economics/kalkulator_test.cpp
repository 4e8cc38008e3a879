// The ecological calculator: creation from the fuel table, the fuel-kind layout of each heating
// type, the manual-entry box, the boilers' built-in factor sets and its showing.
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStringList>
#include <QTest>
#include <functional>
#include <string>

#include "economics_fixture.h"
#include "engine/numtext.h"
#include "main/vindargast.h"
#include "platform/cellgrid_qt.h"
#include "platform/screen_fit.h"
#include "report/Wyniki.h"

namespace {

class KalkulatorTest : public EconomicsTest {
 protected:
  static void Pick(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }
  static QLineEdit* Edit(TWinKalkulatorEkologiczny& window, int number) {
    return window.findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(number));
  }
  static QLabel* Label(TWinKalkulatorEkologiczny& window, int number, const char* part) {
    return window.findChild<QLabel*>(QStringLiteral("Edit%1").arg(number) + part);
  }
  // The edit with its caption and unit label is shown.
  static bool Shown(TWinKalkulatorEkologiczny& window, int number) {
    const bool edit = !Edit(window, number)->isHidden();
    EXPECT_EQ(!Label(window, number, "Caption")->isHidden(), edit) << "Edit" << number;
    EXPECT_EQ(!Label(window, number, "Unit")->isHidden(), edit) << "Edit" << number;
    return edit;
  }
  // The results window the calculator writes to, the test's own: the global names it for the
  // test's length, also when an assertion ends the test early.
  struct ResultsWindow : TWinWyniki {
    ResultsWindow() { WinWyniki = this; }
    ~ResultsWindow() override { WinWyniki = nullptr; }
  };
  // A calculation for the first fuel with the manual entry ticked: efficiency 50 %, CO2 and SO2
  // factors 10 and 0, carbon share 0.5 and sulphur share 2.
  static void ComputeByHand(TWinKalkulatorEkologiczny& window) {
    auto& ui = window.ui;
    Pick(ui().ComboBox1, 0);
    ui().CheckBox1->setChecked(true);
    ui().Edit2->setText("50");
    ui().Edit3->setText("10");
    ui().Edit4->setText("0");
    ui().Edit9->setText("0.5");
    ui().Edit10->setText("2");
    ui().BitBtn1->setEnabled(true);  // as the main window's compute command does
    ui().BitBtn1->click();
  }
  static bool InputsEnabled(TWinKalkulatorEkologiczny& window, bool enabled) {
    for (int number = 1; number <= 13; ++number) {
      if (Edit(window, number)->isEnabled() != enabled) return false;
      if (Label(window, number, "Caption")->isEnabled() != enabled) return false;
      if (Label(window, number, "Unit")->isEnabled() != enabled) return false;
    }
    return true;
  }
};

TEST_F(KalkulatorTest, CreationSetsUpTheFirstFuelWithoutChoosingIt) {
  Engine.Costs.TypOgrzewania = 5;
  SelectedFuelRow = 3;
  TWinKalkulatorEkologiczny& window = Kalkulator();
  auto& ui = window.ui;

  ASSERT_EQ(ui().ComboBox1->count(), 8);
  EXPECT_EQ(ui().ComboBox1->itemText(0), "Paliwo 0");
  EXPECT_EQ(window.ChosenFuel(), 0);
  EXPECT_EQ(Engine.Costs.TypOgrzewania, 5);
  EXPECT_EQ(SelectedFuelRow, 3);
  for (int number = 3; number <= 8; ++number) {
    EXPECT_EQ(Edit(window, number)->text(), FuelText(0, number + 2)) << number;
  }
  EXPECT_EQ(ui().Edit2->text(), FuelText(0, 4));
  EXPECT_EQ(ui().Edit9->text(), FuelText(0, 11));
  EXPECT_EQ(ui().Edit10->text(), FuelText(0, 12));
  for (QLineEdit* untouched : {ui().Edit1, ui().Edit11, ui().Edit12, ui().Edit13}) {
    EXPECT_EQ(untouched->text(), "0");
  }
  EXPECT_TRUE(InputsEnabled(window, false));
  EXPECT_FALSE(ui().CheckBox1->isChecked());
  EXPECT_FALSE(ui().BitBtn1->isEnabled());
  EXPECT_TRUE(ui().RadioButton1->isChecked());
  for (QLabel* result : {ui().StaticText12, ui().StaticText13, ui().StaticText19}) {
    EXPECT_EQ(result->text(), "b/d");  // nothing computed yet
  }
  EXPECT_EQ(window.windowTitle(), "Kalkulator Ekologiczny");
}

TEST_F(KalkulatorTest, EachHeatingTypeHasItsLayoutAndCatalogueValues) {
  TWinKalkulatorEkologiczny& window = Kalkulator();
  auto& ui = window.ui;
  struct Case {
    int type;
    const char* factorUnit;
    const char* calorificUnit;  // null: hidden
    const char* efficiencyCaption;
    bool shares, fluGas, boilers, asterisk;
  };
  const Case cases[] = {
      {0, "mg/kWh", nullptr, "Sprawność procesu", true, false, false, false},
      {1, "mg/m3", "kWh/kg paliwa", "Sprawność kotła", false, true, true, false},
      {2, "mg/m3", "kWh/kg paliwa", "Sprawność kotła", false, true, true, true},
      {3, "mg/m3", "kWh/kg paliwa", "Sprawność kotła", false, true, true, true},
      {4, "mg/kWh", "kWh/kg paliwa", "Sprawność kotła", false, false, false, false},
      {5, "mg/kWh", "kWh/litr paliwa", "Sprawność kotła", false, false, false, false},
      {6, "mg/kWh", "kWh/m3 paliwa", "Sprawność kotła", false, false, false, false},
      {7, "mg/kWh", nullptr, "COP pompy", true, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    ui().CheckBox1->setChecked(true);
    Pick(ui().ComboBox1, c.type);
    EXPECT_EQ(Engine.Costs.TypOgrzewania, c.type);
    EXPECT_EQ(SelectedFuelRow, c.type);
    EXPECT_FALSE(ui().CheckBox1->isChecked());
    EXPECT_TRUE(InputsEnabled(window, false));

    EXPECT_EQ(ui().Edit3Unit->text(), c.factorUnit);
    EXPECT_EQ(ui().Edit8Unit->text(), c.factorUnit);
    EXPECT_EQ(Shown(window, 1), c.calorificUnit != nullptr);
    if (c.calorificUnit) {
      EXPECT_EQ(ui().Edit1Unit->text(), c.calorificUnit);
      EXPECT_EQ(ui().Edit1->text(), FuelText(c.type, 2));
      EXPECT_EQ(ui().Edit12->text(), FuelText(c.type, 11));
      EXPECT_EQ(ui().Edit13->text(), FuelText(c.type, 12));
    } else {
      EXPECT_EQ(ui().Edit9->text(), FuelText(c.type, 11));
      EXPECT_EQ(ui().Edit10->text(), FuelText(c.type, 12));
    }
    EXPECT_EQ(ui().Edit2Caption->text(), QString::fromUtf8(c.efficiencyCaption));
    EXPECT_EQ(ui().Edit2->text(), FuelText(c.type, c.type == 7 ? 2 : 4));
    EXPECT_EQ(ui().Edit5->text(), FuelText(c.type, 7));
    EXPECT_TRUE(Shown(window, 2));
    EXPECT_EQ(Shown(window, 9), c.shares);
    EXPECT_EQ(Shown(window, 10), c.shares);
    EXPECT_EQ(Shown(window, 12), !c.shares);
    EXPECT_EQ(Shown(window, 13), !c.shares);
    EXPECT_EQ(Shown(window, 11), c.fluGas);
    if (c.fluGas) {
      EXPECT_EQ(ui().Edit11->text(), FuelText(c.type, 13));
    }
    EXPECT_EQ(ui().RadioButton1->isEnabled(), c.boilers);
    EXPECT_EQ(ui().RadioButton2->isEnabled(), c.boilers);
    EXPECT_EQ(!ui().Label2->isHidden(), c.asterisk);
  }
}

TEST_F(KalkulatorTest, ManualEntryEnablesEveryInput) {
  TWinKalkulatorEkologiczny& window = Kalkulator();
  window.ui().CheckBox1->setChecked(true);
  EXPECT_TRUE(InputsEnabled(window, true));
  EXPECT_TRUE(window.ui().Edit9->isHidden() == false);  // visibility stays as the layout left it
  window.ui().CheckBox1->setChecked(false);
  EXPECT_TRUE(InputsEnabled(window, false));
}

TEST_F(KalkulatorTest, BoilerRadiosLoadTheBuiltInFactorSets) {
  TWinKalkulatorEkologiczny& window = Kalkulator();
  auto& ui = window.ui;
  Pick(ui().ComboBox1, 1);
  ui().RadioButton2->click();
  const char* automatic[] = {"1200", "400", "125", "75", "5", "0.075"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Edit(window, i + 3)->text(), automatic[i]);
  EXPECT_EQ(ui().Edit2->text(), "80");
  EXPECT_EQ(ui().Edit1->text(), "7.5");
  EXPECT_EQ(ui().Edit12->text(), "70");
  EXPECT_EQ(ui().Edit13->text(), "0.65");
  EXPECT_EQ(ui().Edit11->text(), FuelText(1, 13));  // not part of a factor set

  ui().RadioButton1->click();
  const char* manual[] = {"5000", "400", "200", "150", "15", "0.15"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(Edit(window, i + 3)->text(), manual[i]);
  EXPECT_EQ(ui().Edit2->text(), "75");

  // Picking a fuel of types 1 to 3 selects the manual boiler, then the catalogue's values win.
  ui().RadioButton2->click();
  Pick(ui().ComboBox1, 2);
  EXPECT_TRUE(ui().RadioButton1->isChecked());
  EXPECT_EQ(ui().Edit3->text(), FuelText(2, 5));
  EXPECT_EQ(ui().Edit1->text(), FuelText(2, 2));

  // The fourth type's own efficiency; no set for the others.
  Pick(ui().ComboBox1, 4);  // the radios are disabled for it; the handler serves it all the same
  window.RadioButton2Click();
  EXPECT_EQ(ui().Edit2->text(), "78");
  EXPECT_EQ(ui().Edit1->text(), "5");
  Pick(ui().ComboBox1, 5);
  ui().RadioButton1->click();
  EXPECT_EQ(ui().Edit3->text(), FuelText(5, 5));
}

TEST_F(KalkulatorTest, ShowingAppliesTheDesignsHeatingTypeAndKeepsTheChosenFactors) {
  TWinKalkulatorEkologiczny& window = Kalkulator();
  auto& ui = window.ui;
  Pick(ui().ComboBox1, 2);
  ui().RadioButton2->click();  // the automatic boiler's factors
  ui().CheckBox1->setChecked(true);
  ui().Edit4->setText("333");  // and one of the user's own
  Engine.AnnualHotWaterSolarEnergy = 1234.56f;
  Engine.AnnualHeatingSolarEnergy = 0;
  ASSERT_EQ(Engine.Costs.TypOgrzewania, 2);
  QStringList inputs;
  for (int number = 1; number <= 13; ++number) inputs << Edit(window, number)->text();

  for (int showing = 0; showing < 10; ++showing) {
    window.show();
    window.hide();
  }
  EXPECT_EQ(ui().StaticText56->text(), "1235 [kWh/rok]");
  EXPECT_EQ(ui().StaticText57->text(), "0 [kWh/rok]");
  EXPECT_EQ(window.ChosenFuel(), 2);
  EXPECT_FALSE(ui().Label2->isHidden());
  EXPECT_TRUE(ui().RadioButton2->isChecked());
  EXPECT_FALSE(ui().Edit3->isEnabled());  // the layout makes the inputs read-only again
  for (int number = 1; number <= 13; ++number) {
    EXPECT_EQ(Edit(window, number)->text(), inputs[number - 1]) << "Edit" << number;
  }
  EXPECT_EQ(ui().Edit3->text(), "1200");
  EXPECT_EQ(ui().Edit4->text(), "333");
}

TEST_F(KalkulatorTest, TypingIntoTheFuelComboLeavesNoFuelChosen) {
  TWinKalkulatorEkologiczny& window = Kalkulator();
  EXPECT_EQ(window.ChosenFuel(), 0);
  QTest::keyClicks(window.ui().ComboBox1->lineEdit(), "x");
  EXPECT_EQ(window.ChosenFuel(), -1);
}

TEST_F(KalkulatorTest, ObliczPublishesTheReductionsInEveryWindow) {
  ResultsWindow results;
  TWinKalkulatorEkologiczny& window = Kalkulator();
  auto& ui = window.ui;
  Engine.HotWaterSolarEnergy[6] = 600;
  Engine.PoolSolarEnergy[6] = 400;  // counts, although no label shows it
  ComputeByHand(window);

  // 1000 kWh of heat at 50 %: 2000 kWh of conventional heat.
  EXPECT_EQ(ui().StaticText12->text(), "1000");
  EXPECT_EQ(ui().StaticText13->text(), "4000");
  EXPECT_EQ(ui().StaticText14->text(), "20");
  EXPECT_EQ(ui().StaticText15->text(), "0");
  EXPECT_EQ(ui().StaticText16->text().toStdString(), GeneralText(0.001 * 0.07 * 2000, 5, 2));
  QTableWidget* pollutants = results.ui().tabZanieczyszczenia;
  EXPECT_EQ(platform::Cell(pollutants, 1, 0), "1000");
  EXPECT_EQ(platform::Cell(pollutants, 1, 1), "4000");
  EXPECT_EQ(platform::Cell(pollutants, 1, 2), "20");
  EXPECT_EQ(platform::Cell(pollutants, 0, 2), "CO");
  EXPECT_EQ(Form1->ui().Label91->text(), "1000");
}

// The reductions belong to the inputs they were computed from: a change the user makes to any of
// them takes them off every window until the next calculation; what the program writes keeps them.
TEST_F(KalkulatorTest, ChangingAnInputTakesTheReductionsAway) {
  ResultsWindow results;
  TWinKalkulatorEkologiczny& window = Kalkulator();
  auto& ui = window.ui;
  Engine.HotWaterSolarEnergy[6] = 600;
  const struct {
    const char* name;
    std::function<void()> change;
  } cases[] = {
      {"a factor typed", [&ui] { QTest::keyClicks(ui().Edit3, "5"); }},
      {"the manual entry unticked", [&ui] { ui().CheckBox1->click(); }},
      {"another fuel", [&ui] { Pick(ui().ComboBox1, 1); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ComputeByHand(window);
    ASSERT_EQ(ui().StaticText12->text(), "600");
    ASSERT_EQ(Form1->ui().Label91->text(), "600");
    ui().Edit4->setText("0");  // written by the program
    ASSERT_EQ(ui().StaticText12->text(), "600");

    c.change();
    EXPECT_EQ(ui().StaticText12->text(), "b/d");
    EXPECT_EQ(ui().StaticText13->text(), "b/d");
    EXPECT_EQ(platform::Cell(results.ui().tabZanieczyszczenia, 1, 0), "b/d");
    EXPECT_EQ(platform::Cell(results.ui().tabZanieczyszczenia, 0, 0), "CO2");
    EXPECT_EQ(Form1->ui().Label91->text(), "b/d");
    EXPECT_TRUE(ui().BitBtn1->isEnabled());
  }
}

TEST_F(KalkulatorTest, ObliczWithoutAFuelOrWithAMissingInputChangesNoResult) {
  ResultsWindow results;
  TWinKalkulatorEkologiczny& window = Kalkulator();
  auto& ui = window.ui;
  Engine.HotWaterSolarEnergy[0] = 1000;
  const QString label91 = Form1->ui().Label91->text();
  ui().BitBtn1->setEnabled(true);
  QTest::keyClicks(ui().ComboBox1->lineEdit(), "x");
  dialogs.ExpectBox(QString::fromUtf8("Błąd"), "Nie wybrano rodzaju paliwa ",
                    platform::Icon::Warning);
  ui().BitBtn1->click();

  Pick(ui().ComboBox1, 7);
  ui().Edit2->setText("0");
  dialogs.ExpectBox("Komunikat", QString::fromUtf8("Współczynnik COP musi być wiekszy od 0 !!!"),
                    platform::Icon::Warning);
  ui().BitBtn1->click();
  EXPECT_EQ(ui().StaticText12->text(), "b/d");
  EXPECT_EQ(platform::Cell(results.ui().tabZanieczyszczenia, 1, 0), "b/d");
  EXPECT_EQ(Form1->ui().Label91->text(), label91);

  // An input the layout shows may not be left empty; one it hides plays no part.
  struct Case {
    int type;
    int emptied;
    const char* caption;
  };
  const Case cases[] = {
      {0, 3, "CO"},
      {0, 9, "Wagowy udział CO2"},
      {1, 11, "Objętość spalin"},
      {4, 12, "Procentowa zawartość węgla w paliwie"},
      {5, 1, "Wartość opałowa"},
      {7, 2, "COP pompy"},
      {6, 10, nullptr},  // hidden for this fuel: computed without it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption ? c.caption : "hidden");
    Pick(ui().ComboBox1, c.type);
    for (int number = 1; number <= 13; ++number) Edit(window, number)->setText("2");
    Edit(window, c.emptied)->clear();
    ui().StaticText12->setText("earlier");
    Form1->ui().Label91->setText("earlier");
    platform::SetCell(results.ui().tabZanieczyszczenia, 1, 0, "earlier");
    if (c.caption) {
      dialogs.ExpectBox("Uwaga",
                        QString::fromUtf8("Nie podano wartości: ") + QString::fromUtf8(c.caption) +
                            QStringLiteral(" !"),
                        platform::Icon::Warning);
    }
    ui().BitBtn1->click();
    const QString expected = c.caption ? QStringLiteral("earlier") : ui().StaticText12->text();
    EXPECT_EQ(ui().StaticText12->text(), expected);
    EXPECT_EQ(Form1->ui().Label91->text(), expected);
    EXPECT_EQ(platform::Cell(results.ui().tabZanieczyszczenia, 1, 0), expected);
    if (!c.caption) EXPECT_NE(expected, "earlier");
  }

  // Zero where the formulas divide: the engine's message, and again no result.
  struct Zero {
    int type;
    int zeroed;
    const char* message;
  };
  const Zero zeros[] = {
      {0, 2, "Sprawność musi być większa od 0 !!!"},
      {3, 1, "Wartość opałowa musi być większa od 0 !!!"},
  };
  for (const Zero& z : zeros) {
    SCOPED_TRACE(z.message);
    Pick(ui().ComboBox1, z.type);
    for (int number = 1; number <= 13; ++number) Edit(window, number)->setText("2");
    Edit(window, z.zeroed)->setText("0");
    ui().StaticText12->setText("earlier");
    Form1->ui().Label91->setText("earlier");
    dialogs.ExpectBox("Komunikat", QString::fromUtf8(z.message), platform::Icon::Warning);
    ui().BitBtn1->click();
    EXPECT_EQ(ui().StaticText12->text(), "earlier");
    EXPECT_EQ(Form1->ui().Label91->text(), "earlier");
  }

  Pick(ui().ComboBox1, 7);
  dialogs.ExpectError("'1..5' is not a valid floating point value");
  ui().Edit3->setText("1..5");
  ui().BitBtn1->click();
}

}  // namespace

namespace {

// The three windows, watched as start-up watches every window, open within the screen's free
// area; what does not fit scrolls.
TEST_F(EconomicsTest, WindowsFitASmallScreen) {
  TWinArmatura& fittings = Armatura();
  TWinKoszty& costs = Koszty();
  TWinKalkulatorEkologiczny& calculator = Kalkulator();
  platform::ScreenFitter fitter;
  for (QDialog* window : std::initializer_list<QDialog*>{&fittings, &costs, &calculator}) {
    SCOPED_TRACE(window->objectName().toStdString());
    ASSERT_NE(window->screen(), nullptr);
    const QRect room = window->screen()->availableGeometry();
    fitter.Watch(*window);
    window->show();  // fitted when first shown
    EXPECT_LE(window->width(), room.width());
    EXPECT_LE(window->height(), room.height());
    window->hide();
  }
  // The content scrolls instead of squeezing a caption; the buttons stay in view below it.
  for (const QPushButton* button : {fittings.ui().BitBtn4, costs.ui().BitBtn1}) {
    const QWidget* window = button->window();
    SCOPED_TRACE(window->objectName().toStdString());
    const auto* area = window->findChild<QScrollArea*>(QStringLiteral("ScreenFitScrollArea"));
    ASSERT_NE(area, nullptr);
    EXPECT_GE(area->widget()->width(), area->widget()->sizeHint().width());
    EXPECT_GE(area->widget()->height(), area->widget()->sizeHint().height());
    EXPECT_GT(area->widget()->height(), area->viewport()->height());
    EXPECT_FALSE(area->isAncestorOf(button));
    EXPECT_TRUE(window->rect().contains(QRect(button->mapTo(window, QPoint()), button->size())));
  }
}

}  // namespace
