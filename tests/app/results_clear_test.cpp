// Results belong to the design they were computed for: opening a project, restoring the factory
// settings or loading a device set leaves no result of the design before on screen or in Engine,
// in any of the windows that show results, until the next compute.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>

#include "app/startup.h"
#include "app/windows.h"
#include "economics/kalkulatorEkologiczny.h"
#include "economics/koszt.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
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
  void BeforeStart() override {
    namespace fs = std::filesystem;
    for (const char* name : {"default.xml", "default_fabryczne.xml"})
      fs::copy_file(fs::path(VINDARGAST_DATA) / name, folder_.File(name));
  }
  void SetUp() override {
    StartedProgramTest::SetUp();
    QTRY_VERIFY(Engine.ProjectLoaded == 1);  // the first showing read the defaults
  }

  // A compute of the defaults, with figures in every window that shows results.
  void ComputeAndShow() {
    Form1->BitBtn2Click();
    ASSERT_TRUE(Form1->ui().BitBtn11->isEnabled());
    ASSERT_NE(Engine.AnnualHotWaterSolarEnergy, 0.0f);
    ASSERT_NE(platform::Cell(Form1->ui().TabelaKolektorow, 2, 1), "");
    WinKoszty->ui().Edit11->setText(QStringLiteral("123.45"));
    WinKoszty->ui().EOkresZwrotu->setText(QStringLiteral("7.5"));
    WinKalkulatorEkologiczny->ui().StaticText12->setText(QStringLiteral("1234"));
    WinWyniki->ui().StaticText53->setText(QStringLiteral("2345"));
    platform::SetCell(WinWyniki->ui().TabZyskEnergetyczny, 2, 3, "45 %");
    platform::SetCell(WinWyniki->ui().tabZanieczyszczenia, 1, 0, "1850.4");
  }

  void ExpectNoResult() {
    const Ui::TForm1& f = Form1->ui();
    EXPECT_EQ(Engine.AnnualHotWaterSolarEnergy, 0.0f);
    EXPECT_EQ(Engine.HotWaterSolarEnergy[6], 0.0f);
    EXPECT_EQ(Engine.YieldPerSquareMetre, 0.0f);
    EXPECT_EQ(Engine.Costs.PaybackYears, 0.0f);
    EXPECT_EQ(f.Label28->text(), "0");
    EXPECT_EQ(f.StaticText16->text(), "0");
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
    EXPECT_NE(WinKoszty->ui().Edit11->text(), "123.45");
    EXPECT_NE(WinKoszty->ui().EOkresZwrotu->text(), "7.5");
    EXPECT_NE(WinKalkulatorEkologiczny->ui().StaticText12->text(), "1234");
    EXPECT_FALSE(WinKalkulatorEkologiczny->ui().BitBtn1->isEnabled());
    EXPECT_NE(WinWyniki->ui().StaticText53->text(), "2345");
    EXPECT_EQ(platform::Cell(WinWyniki->ui().TabZyskEnergetyczny, 2, 3), "");
    // The reductions go, their names and units stay.
    EXPECT_EQ(platform::Cell(WinWyniki->ui().tabZanieczyszczenia, 1, 0), "");
    EXPECT_EQ(platform::Cell(WinWyniki->ui().tabZanieczyszczenia, 0, 0), "CO2");
    EXPECT_EQ(platform::Cell(WinWyniki->ui().tabZanieczyszczenia, 2, 0), "kg/rok");
  }

  AgreeingDialogs dialogs_;
};

TEST_F(ResultsClearTest, OpeningAProjectLeavesNoResultOfTheDesignBefore) {
  ASSERT_EQ(Engine.WriteProjectFile(folder_.File("projekt.xml")), 1);
  ComputeAndShow();
  dialogs_.files.push_back(QString::fromStdString(folder_.File("projekt.xml")));
  project::OpenProject(*Form1);
  ASSERT_EQ(Form1->StatusText(0), QString::fromUtf8("Plik projekt.xml został pomyślnie wczytany"));
  ExpectNoResult();
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

}  // namespace
