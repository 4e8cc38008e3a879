// Results belong to the design they were computed for: opening a project, restoring the factory
// settings, loading a device set or any change the user makes to the design leaves no result of
// the design before on screen or in Engine, in any of the windows that show results, until the
// next compute.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>

#include "app/startup.h"
#include "app/windows.h"
#include "economics/kalkulatorEkologiczny.h"
#include "economics/koszt.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "hydraulic_figures.h"
#include "main/izolacja.h"
#include "main/kolektor.h"
#include "main/lokalizacja.h"
#include "main/vindargast.h"
#include "main/zasobnik.h"
#include "online/OpenZestaw.h"
#include "platform/cellgrid_qt.h"
#include "project/project_commands.h"
#include "recording_dialogs.h"
#include "report/Wyniki.h"
#include "started_program.h"

namespace {

// Records every box, agrees to every question and hands out the queued file names.
class AgreeingDialogs : public RecordingDialogs {
 public:
  platform::Answer ShowBox(const platform::BoxRequest& box) override {
    RecordingDialogs::ShowBox(box);
    return box.buttons == platform::Buttons::YesNo ? platform::Answer::Yes
                                                   : platform::CautiousAnswer(box.buttons);
  }
  std::optional<QString> AskFileName(const platform::FileRequest&) override {
    if (files.empty()) return std::nullopt;
    QString name = files.front();
    files.pop_front();
    return name;
  }
  std::deque<QString> files;
};

class ResultsClearTest : public StartedProgramTest {
 protected:
  void BeforeStart() override { CopyDefaultSettings(); }
  void SetUp() override {
    StartedProgramTest::SetUp();
    QTRY_VERIFY(Engine.ProjectLoaded == 1);  // the first showing read the defaults
  }

  // A compute of the defaults, with figures in every window that shows results, and the
  // fittings window's hydraulics worked out for them.
  void ComputeAndShow() {
    Form1->ToolButton4Click();
    WinArmatura->ui().EKolankoLiczba->setText(QStringLiteral("4"));
    WinArmatura->ui().EKolankoCena->setText(QStringLiteral("10"));
    WinArmatura->ui().BitBtn1->click();
    WinArmatura->hide();
    ASSERT_EQ(Engine.HydraulicsComputed, 1);
    ASSERT_NE(Engine.InstallationPressureDrop, 0.0f);
    ASSERT_NE(WinArmatura->ui().EWysokoscPodnoszenia->text(), "");
    Form1->BitBtn2Click();
    ASSERT_TRUE(Form1->ui().BitBtn11->isEnabled());
    ASSERT_NE(Engine.AnnualHotWaterSolarEnergy, 0.0f);
    ASSERT_NE(platform::Cell(Form1->ui().TabelaKolektorow, 2, 1), "");
    WinKoszty->ui().Edit11->setText(QStringLiteral("123.45"));
    WinKoszty->ui().Edit9->setText(QStringLiteral("19307.00"));
    WinKoszty->ui().EOkresZwrotu->setText(QStringLiteral("7.5"));
    WinKalkulatorEkologiczny->ui().StaticText12->setText(QStringLiteral("1234"));
    WinWyniki->ui().StaticText53->setText(QStringLiteral("2345"));
    platform::SetCell(WinWyniki->ui().TabZyskEnergetyczny, 2, 3, "45 %");
    platform::SetCell(WinWyniki->ui().tabZanieczyszczenia, 1, 0, "1850.4");
  }

  // hydraulicsGo: the change was one of an input the hydraulics read, or the design was replaced.
  void ExpectNoResult(bool hydraulicsGo = true) {
    const Ui::TForm1& f = Form1->ui();
    EXPECT_EQ(Engine.AnnualHotWaterSolarEnergy, 0.0f);
    EXPECT_EQ(Engine.HotWaterSolarEnergy[6], 0.0f);
    EXPECT_EQ(Engine.YieldPerSquareMetre, 0.0f);
    EXPECT_EQ(Engine.Costs.PaybackYears, 0.0f);
    EXPECT_EQ(f.Label28->text(), "b/d");
    EXPECT_EQ(f.StaticText16->text(), "b/d");
    EXPECT_EQ(f.Label52->text(), "b/d");
    for (int m = 1; m <= 12; ++m)
      for (int col = 1; col <= 3; ++col)
        EXPECT_EQ(platform::Cell(f.TabelaKolektorow, col, m), "") << col << "," << m;
    EXPECT_EQ(platform::Cell(f.TabelaKolektorow, 0, 1), MonthNames.at(0));
    EXPECT_FALSE(f.BitBtn11->isEnabled());
    EXPECT_FALSE(f.BitBtn1->isEnabled());
    EXPECT_FALSE(f.BitBtn3->isEnabled());
    EXPECT_FALSE(f.Opcjeraportu1->isEnabled());
    EXPECT_FALSE(WinKoszty->ui().BitBtn1->isEnabled());
    // Figures not computed for this design read "b/d", never 0.
    EXPECT_FALSE(Engine.Costs.ResultsComputed);
    EXPECT_EQ(WinKoszty->ui().Edit11->text(), "b/d");
    EXPECT_EQ(WinKoszty->ui().Edit9->text(), "b/d");
    EXPECT_EQ(WinKoszty->ui().EOkresZwrotu->text(), "b/d");
    EXPECT_EQ(WinKoszty->ui().StaticText65->text(), "b/d");
    EXPECT_EQ(WinKalkulatorEkologiczny->ui().StaticText12->text(), "b/d");
    EXPECT_FALSE(WinKalkulatorEkologiczny->ui().BitBtn1->isEnabled());
    EXPECT_NE(WinWyniki->ui().StaticText53->text(), "2345");
    EXPECT_EQ(platform::Cell(WinWyniki->ui().TabZyskEnergetyczny, 2, 3), "");
    // The reductions go, their names and units stay.
    EXPECT_EQ(platform::Cell(WinWyniki->ui().tabZanieczyszczenia, 1, 0), "b/d");
    EXPECT_EQ(platform::Cell(WinWyniki->ui().tabZanieczyszczenia, 0, 0), "CO2");
    EXPECT_EQ(platform::Cell(WinWyniki->ui().tabZanieczyszczenia, 2, 0), "kg/rok");
    if (hydraulicsGo) {
      // The hydraulic figures go too, and the fittings window shows none, not 0.
      ExpectNoHydraulicFigures(*WinArmatura);
    } else {
      // An input the hydraulics never read leaves their figures, and the pressure drop the next
      // compute prices the pump's electricity with.
      EXPECT_EQ(Engine.HydraulicsComputed, 1);
      EXPECT_NE(Engine.InstallationPressureDrop, 0.0f);
      EXPECT_NE(WinArmatura->ui().EWysokoscPodnoszenia->text(), "");
    }
  }

  // The pump's electricity cost the cost window shows, as a number.
  static float ShownPumpCost() {
    return ReadFloat(WinKoszty->ui().EEnergiaPompy->text().toStdString());
  }

  AgreeingDialogs dialogs_;
};

TEST_F(ResultsClearTest, OpeningAProjectLeavesNoResultOfTheDesignBefore) {
  // A project file holds the fittings and their price, not their hydraulics.
  Engine.Armatura.KolankoLiczba = 6;
  Engine.Armatura.KolankoCena = 12.5f;
  Engine.CenaArmatury = 75;
  ASSERT_EQ(Engine.WriteProjectFile(folder_.File("projekt.xml")), 1);
  ComputeAndShow();
  dialogs_.files.push_back(QString::fromStdString(folder_.File("projekt.xml")));
  project::OpenProject(*Form1);
  ASSERT_EQ(Form1->StatusText(0), QString::fromUtf8("Plik projekt.xml został pomyślnie wczytany"));
  ExpectNoResult();
  // What the file brings stays, and the fittings window shows it.
  EXPECT_EQ(Engine.Armatura.KolankoLiczba, 6);
  EXPECT_EQ(Engine.CenaArmatury, 75.0f);
  Form1->ToolButton4Click();
  EXPECT_EQ(WinArmatura->ui().EKolankoLiczba->text(), "6");
  EXPECT_EQ(WinArmatura->ui().EKolankoCena->text(), "12.5");
  EXPECT_EQ(WinArmatura->ui().EWysokoscPodnoszenia->text(), "");
  WinArmatura->hide();
  // The next compute shows results again.
  Form1->BitBtn2Click();
  EXPECT_TRUE(Form1->ui().BitBtn11->isEnabled());
  EXPECT_NE(Engine.AnnualHotWaterSolarEnergy, 0.0f);
}

TEST_F(ResultsClearTest, RestoringTheFactorySettingsLeavesNoResult) {
  ComputeAndShow();
  project::RestoreFactorySettings(*Form1);
  ExpectNoResult();
}

TEST_F(ResultsClearTest, LoadingADeviceSetLeavesNoResult) {
  ComputeAndShow();
  WinOpenZestaw->LoadSetIntoDesign(QString::fromUtf8(VINDARGAST_FIXTURES "/sets/one_tank_set.xml"));
  ASSERT_NE(Engine.CenaZestawu, 0.0f);
  ExpectNoResult();
}

// A failed open changes nothing, its results included.
TEST_F(ResultsClearTest, AFailedOpenKeepsTheResults) {
  ComputeAndShow();
  folder_.Write("zly.xml", "<vindargast><formularz>");
  dialogs_.files.push_back(QString::fromStdString(folder_.File("zly.xml")));
  project::OpenProject(*Form1);
  EXPECT_TRUE(Form1->ui().BitBtn11->isEnabled());
  EXPECT_NE(Engine.AnnualHotWaterSolarEnergy, 0.0f);
}

// The user's own changes, each as the user makes it: typed, chosen from a list, ticked, clicked,
// or a device or city chosen in its window.
TEST_F(ResultsClearTest, EveryChangeOfTheDesignTakesItsResultsAway) {
  // A choice from a list, as the user makes it: the entry becomes current, then is activated.
  const auto pick = [](QComboBox* combo) {
    const int other = combo->currentIndex() == 1 ? 2 : 1;
    ASSERT_GT(combo->count(), other) << combo->objectName().toStdString();
    combo->setCurrentIndex(other);
    emit combo->activated(other);
  };
  const Ui::TForm1& f = Form1->ui();
  // hydraulics: the hydraulics read the input, so that their figures go as well.
  const struct {
    const char* name;
    std::function<void()> change;
    bool hydraulics;
  } cases[] = {
      {"a persons' count typed", [&f] { QTest::keyClicks(f.ELiczbaOsob, "1"); }, false},
      {"a pipe length emptied", [&f] { QTest::keyClick(f.EDlugoscPrzewZew, Qt::Key_Backspace); },
       true},
      {"a collectors' count typed", [&f] { QTest::keyClicks(f.ELiczbaKolektorow, "2"); }, true},
      {"the static height typed", [&f] { QTest::keyClicks(f.EHStatyczna, "1"); }, true},
      {"the multiplicity chosen", [&] { pick(f.ComboWspKrotnosci); }, false},
      {"the pipe diameter chosen", [&] { pick(f.ComboSrednicaPrzewodu); }, true},
      {"the pool ticked", [&f] { f.CheckBasen->click(); }, false},
      {"the circulation ticked", [&f] { f.CheckCyrkulacja->click(); }, false},
      {"another scheme", [&f] { (Engine.LiczbaZasobnikow == 2 ? f.Button1 : f.Button2)->click(); },
       true},
      {"another collector", [&] { pick(WinKolektor->ui().ComboWyborKolektora); }, true},
      {"another tank", [&] { pick(WinZasobnik->ui().ComboWyborZasobnika); }, true},
      {"another insulation", [&] { pick(WinIzolacja->ui().ComboWyborIzolacji); }, false},
      {"another city", [&] { pick(WinLokalizacja->ui().ComboWyborLokalizacji); }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    project::RestoreFactorySettings(*Form1);  // each change from a design that computes
    ComputeAndShow();
    c.change();
    ExpectNoResult(c.hydraulics);
  }
}

// One design computes one pump cost: an input the hydraulics never read, typed and taken back,
// leaves the pressure drop that the compute prices the pump's electricity with.
TEST_F(ResultsClearTest, AnInputTypedAndTakenBackComputesTheSamePumpCost) {
  ComputeAndShow();
  const float pumpCost = Engine.PumpElectricityCost;
  const QString shown = WinKoszty->ui().EEnergiaPompy->text();
  QTest::keyClicks(Form1->ui().ELiczbaOsob, "1");
  QTest::keyClick(Form1->ui().ELiczbaOsob, Qt::Key_Backspace);
  Form1->BitBtn2Click();
  EXPECT_EQ(Engine.PumpElectricityCost, pumpCost);
  EXPECT_EQ(WinKoszty->ui().EEnergiaPompy->text(), shown);
}

// Typing in the fittings window changes no thermal figure: the main window keeps its results and
// commands. A count takes the hydraulic figures and the pressure drop away (and with it the drop's
// part of the pump cost, as the next compute would give it); a price takes only the sum shown.
TEST_F(ResultsClearTest, TypingInTheFittingsWindowKeepsTheMainWindowsResults) {
  const Ui::TWinArmatura& w = WinArmatura->ui();
  const struct {
    const char* name;
    QLineEdit* edit;
    bool hydraulicsGo;
  } cases[] = {
      {"an elbow's price", w.EKolankoCena, false},
      {"an elbow count", w.EKolankoLiczba, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ComputeAndShow();
    const float solar = Engine.AnnualHotWaterSolarEnergy;
    const float item = Engine.CenaArmatury;
    WinArmatura->show();
    QTest::keyClicks(c.edit, "5");
    EXPECT_EQ(Engine.AnnualHotWaterSolarEnergy, solar);
    EXPECT_NE(Form1->ui().StaticText16->text(), "b/d");
    EXPECT_TRUE(Form1->ui().BitBtn11->isEnabled());
    EXPECT_TRUE(Form1->ui().BitBtn3->isEnabled());
    EXPECT_TRUE(WinKoszty->ui().BitBtn1->isEnabled());
    EXPECT_EQ(Engine.CenaArmatury, item);
    EXPECT_EQ(w.ESumaCenaArmatura->text(), "");
    EXPECT_EQ(Engine.HydraulicsComputed, c.hydraulicsGo ? 0 : 1);
    EXPECT_EQ(w.EWysokoscPodnoszenia->text().isEmpty(), c.hydraulicsGo);
    // The pump cost shown is the one the next compute gives.
    const float shown = ShownPumpCost();
    Form1->BitBtn2Click();
    EXPECT_EQ(ShownPumpCost(), shown);
    WinArmatura->hide();
    c.edit->clear();
  }
}

// A "PRZELICZ" that moves the pressure drop moves the pump cost at once, as the next compute gives
// it; a cost "OBLICZ" in between counts that one.
TEST_F(ResultsClearTest, APrzeliczOfAnotherDropMovesThePumpCost) {
  ComputeAndShow();
  const float before = ShownPumpCost();
  Form1->ToolButton4Click();
  WinArmatura->ui().EDodatkoweStratyCisn->setText(QStringLiteral("500"));
  WinArmatura->ui().BitBtn1->click();
  WinArmatura->hide();
  const float followed = ShownPumpCost();
  EXPECT_GT(followed, before);
  Form1->BitBtn2Click();
  EXPECT_EQ(ShownPumpCost(), followed);
}

// Only a change clears: the scheme already chosen clicked again, the tool bar's extension, and
// device windows opened and closed (the first showing builds them) leave the results on screen.
TEST_F(ResultsClearTest, WhatChangesNothingKeepsTheResults) {
  ComputeAndShow();
  const Ui::TForm1& f = Form1->ui();
  (Engine.LiczbaZasobnikow == 2 ? (Engine.CWUCO == 1 ? f.Button4 : f.Button2)
                                : (Engine.CWUCO == 1 ? f.Button3 : f.Button1))
      ->click();
  EXPECT_TRUE(f.BitBtn11->isEnabled()) << "scheme";
  // The tool bar's extension button is checkable, but no input of the design.
  auto* extension = Form1->findChild<QAbstractButton*>(QStringLiteral("qt_toolbar_ext_button"));
  ASSERT_NE(extension, nullptr);
  extension->click();
  EXPECT_TRUE(f.BitBtn11->isEnabled()) << "tool bar extension";
  for (QWidget* window :
       std::initializer_list<QWidget*>{WinKolektor, WinZasobnik, WinIzolacja, WinLokalizacja}) {
    window->show();
    QApplication::processEvents();
    window->hide();
    EXPECT_TRUE(f.BitBtn11->isEnabled()) << window->objectName().toStdString();
  }
  EXPECT_TRUE(f.BitBtn11->isEnabled());
  EXPECT_NE(Engine.AnnualHotWaterSolarEnergy, 0.0f);
  EXPECT_NE(platform::Cell(f.TabelaKolektorow, 2, 1), "");
  EXPECT_EQ(Engine.HydraulicsComputed, 1);
  EXPECT_NE(Engine.InstallationPressureDrop, 0.0f);
}

}  // namespace
