// The main window's commands on whole designs through the scripted dialogs: open, save, save as
// default, restore the factory settings, the default settings of the first showing, and the
// refresh of the main window's inputs.
#include "project/project_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "project_fixture.h"

using project_test::Design;

namespace {

const QString kReadError = QString::fromUtf8("Wystąpił błąd podczas odczytu pliku !!!");

std::string Golden(Design design) {
  return ReadFileBytes(project_test::GoldenPath(design));
}

void SetOptionalSectionsOn() {
  Engine.Cyrkulacja = 1;
  Engine.Basen = 1;
  Engine.Przeslona = 1;
}

void ExpectOptionalSections(uint8_t on) {
  EXPECT_EQ(Engine.Cyrkulacja, on);
  EXPECT_EQ(Engine.Basen, on);
  EXPECT_EQ(Engine.Przeslona, on);
}

}  // namespace

class ProjectCommandsTest : public ProjectTest {
 protected:
  void SetUp() override {
    ProjectTest::SetUp();
    Form1->SetStatusText(0, "poprzedni");
  }
  QString Status() const { return Form1->StatusText(0); }
  std::string Damaged() const {
    const std::string good = Golden(Design::HotWater);
    return good.substr(0, good.size() - 40);
  }
};

TEST_F(ProjectCommandsTest, OpenCancelledChangesNothing) {
  SetOptionalSectionsOn();
  dialogs.ExpectOpenFile(std::nullopt);
  project::OpenProject(*Form1);
  ExpectOptionalSections(1);
  EXPECT_EQ(Engine.ProjectLoaded, 0);
  EXPECT_EQ(Status(), "poprzedni");
  EXPECT_EQ(dialogs.FileDialogs().at(0).filter,
            "Pliki XML (*.xml)|*.xml|wszystkie pliki (*.*)|*.*");
}

TEST_F(ProjectCommandsTest, OpenReadsTheWholeDesignAndRefreshesTheMainWindow) {
  SetOptionalSectionsOn();
  Form1->ui().CheckCyrkulacja->setChecked(true);
  Form1->ui().CheckBasen->setChecked(true);
  dialogs.ExpectOpenFile(QString::fromStdString(project_test::GoldenPath(Design::HotWater)));
  project::OpenProject(*Form1);
  // Sections the file does not have are off.
  ExpectOptionalSections(0);
  EXPECT_FALSE(Form1->ui().CheckCyrkulacja->isChecked());
  EXPECT_FALSE(Form1->ui().CheckBasen->isChecked());
  EXPECT_EQ(Status(), QString::fromUtf8("Plik hot_water.xml został pomyślnie wczytany"));
  EXPECT_EQ(Form1->ui().EGamma->text(), "-30");
  // The file's 2.29999995231628 is the float the user typed as 2.3: it shows as typed and its
  // text reads back as the same float.
  EXPECT_EQ(Form1->ui().EDlugoscPrzewZew->text(), "2.3");
  EXPECT_EQ(Engine.DlugoscPrzewodowNaZewnatrz, 2.3f);
  EXPECT_EQ(Form1->ui().ELiczbaOsob->text(), "4");
  EXPECT_TRUE(Form1->ui().CheckIzolacja->isChecked());
  EXPECT_EQ(Form1->ui().Label61->text(), QString::fromUtf8("SŻ-2000 płaski"));
  EXPECT_EQ(Form1->ui().Label62->text(), "3.457");
  EXPECT_EQ(Form1->ui().Label63->text(), "0.012");  // a precision of 1 counts as 2
  EXPECT_EQ(Form1->ui().Label72->text(), "0.037");
  EXPECT_EQ(Form1->ui().Label67->text(), "300");
  EXPECT_EQ(Form1->ui().Label49->text(), QString::fromUtf8("Kraków"));
  // 4 persons x 65 l x 1.5 in one tank.
  EXPECT_EQ(Engine.RequiredTankVolume, 390.0f);
}

// A design opened with two tanks computes: its second tank is the file's, not a row the tank
// window chose. The file's azimuth of -30 degrees is one the compute refuses, so 30 is typed.
TEST_F(ProjectCommandsTest, AnOpenedTwoTankDesignComputes) {
  dialogs.ExpectOpenFile(
      QString::fromStdString(project_test::GoldenPath(Design::TwoTanksCirculation)));
  project::OpenProject(*Form1);
  ASSERT_EQ(Engine.LiczbaZasobnikow, 2);
  ASSERT_EQ(Engine.SelectedTank2->Model, "SGW(S) 200");
  Form1->ui().EGamma->setText("30");
  Form1->BitBtn2Click();
  EXPECT_EQ(dialogs.Pending(), 0u);
  EXPECT_TRUE(Form1->ui().BitBtn3->isEnabled());
  EXPECT_GT(Engine.AnnualHotWaterSolarEnergy, 0.0f);
  EXPECT_FLOAT_EQ(Engine.TotalTankVolume, 500);  // both tanks count
}

// The two-tank design has the subsidised loan on, without a collector area or an eligible cost:
// the cost window shown ticks the loan's box without a box of its own and without a subsidy, and
// changes nothing the design holds.
TEST_F(ProjectCommandsTest, AnOpenedDesignWithTheLoanOnShowsItsCostWindowWithoutABox) {
  dialogs.ExpectOpenFile(
      QString::fromStdString(project_test::GoldenPath(Design::TwoTanksCirculation)));
  project::OpenProject(*Form1);
  ASSERT_EQ(Engine.Costs.NfosigwSubsidyOn, 1);
  const std::string saved = Write("przed.xml");

  WinKoszty->show();  // any box here fails the test
  WinKoszty->hide();
  const Ui::TWinKoszty& k = WinKoszty->ui();
  EXPECT_TRUE(k.CheckDotacjaNFOSIGW->isChecked());
  EXPECT_EQ(Engine.Costs.NfosigwSubsidyOn, 1);
  for (const QLineEdit* edit : {k.DotacjaBrutto, k.KosztyKredytu, k.PodatekDotacja, k.DotacjaNetto})
    EXPECT_EQ(edit->text(), "b/d") << edit->objectName().toStdString();
  EXPECT_EQ(WinKoszty->NetSubsidy, 0);
  EXPECT_EQ(k.ProcentDotacji->text(), "45");
  // The design as it was; the eligible cost the file left empty is the gross total's now.
  std::string after = Write("po.xml");
  const std::string eligible = "\"Koszty_Kwalifikowane\">";
  const size_t at = after.find(eligible) + eligible.size();
  EXPECT_EQ(after.substr(at, after.find('<', at) - at), "17507.85");
  after.erase(at, after.find('<', at) - at);
  EXPECT_EQ(after, saved);
}

// A refused file changes nothing and the status bar never reports a read: neither its own nor
// the earlier one of another file.
TEST_F(ProjectCommandsTest, FailedOpenLeavesTheFlagsAndReportsNoRead) {
  dialogs.ExpectOpenFile(QString::fromStdString(project_test::GoldenPath(Design::HotWater)));
  project::OpenProject(*Form1);
  ASSERT_EQ(Status(), QString::fromUtf8("Plik hot_water.xml został pomyślnie wczytany"));
  SetOptionalSectionsOn();
  Engine.ProjectLoaded = 0;
  dialogs.ExpectOpenFile(QString::fromStdString(dir_.Write("zly.xml", Damaged())));
  dialogs.ExpectBox("Uwaga", kReadError, platform::Icon::Warning);
  project::OpenProject(*Form1);
  ExpectOptionalSections(1);
  EXPECT_EQ(Engine.ProjectLoaded, 0);
  EXPECT_FALSE(Status().contains(QString::fromUtf8("pomyślnie")));
}

TEST_F(ProjectCommandsTest, SaveWritesTheChosenFileAndReportsIt) {
  Prepare(Design::HotWater);
  dialogs.ExpectSaveFile(std::nullopt);
  project::SaveProject(*Form1);
  EXPECT_EQ(Status(), "poprzedni");

  dialogs.ExpectSaveFile(QString::fromStdString(dir_.File("projekt")));
  project::SaveProject(*Form1);
  EXPECT_EQ(dialogs.FileDialogs().at(1).filter, "XML Files (*.xml)|*.xml");
  EXPECT_EQ(ReadFileBytes(dir_.File("projekt.xml")), Golden(Design::HotWater));
  EXPECT_EQ(Status(), QString::fromUtf8("Plik projekt.xml został pomyślnie zapisany"));

  Form1->SetStatusText(0, "poprzedni");
  dialogs.ExpectSaveFile(QString::fromStdString(dir_.File("brak/projekt.xml")));
  dialogs.ExpectBox("UWAGA !!!", QString::fromUtf8("Nie udało się zapisać danych do pliku."),
                    platform::Icon::Warning);
  project::SaveProject(*Form1);
  EXPECT_EQ(Status(), "poprzedni");
}

TEST_F(ProjectCommandsTest, SaveAsDefaultWritesDefaultXmlOrSaysItCouldNot) {
  Prepare(Design::HeatingPool);
  project::SaveDefaultSettings();
  EXPECT_EQ(ReadFileBytes(dir_.File("default.xml")), Golden(Design::HeatingPool));

  std::filesystem::remove(dir_.File("default.xml"));
  std::filesystem::create_directory(dir_.File("default.xml"));  // cannot be replaced by a file
  dialogs.ExpectBox("UWAGA !!!", QString::fromUtf8("Nie udało się zapisać domyślnych ustawień."),
                    platform::Icon::Warning);
  project::SaveDefaultSettings();
  EXPECT_TRUE(std::filesystem::is_directory(dir_.File("default.xml")));
}

TEST_F(ProjectCommandsTest, FactoryRestoreAnsweredNoDoesNothing) {
  dir_.Write("default.xml", "moje ustawienia");
  dir_.Write("default_fabryczne.xml", Golden(Design::HotWater));
  dialogs.ExpectBox("Uwaga",
                    QString::fromUtf8("Czy jesteś pewien, że chcesz zmienić zapisane dane? "),
                    platform::Icon::Question, platform::Buttons::YesNo, platform::Answer::No);
  project::RestoreFactorySettings(*Form1);
  EXPECT_EQ(ReadFileBytes(dir_.File("default.xml")), "moje ustawienia");
  EXPECT_EQ(Engine.ProjectLoaded, 0);
}

// The user's defaults are replaced only by factory settings that were read.
TEST_F(ProjectCommandsTest, FactoryRestoreKeepsTheDefaultsWhenTheFactoryFileIsMissingOrDamaged) {
  dir_.Write("default.xml", "moje ustawienia");
  SetOptionalSectionsOn();
  const QString question =
      QString::fromUtf8("Czy jesteś pewien, że chcesz zmienić zapisane dane? ");
  dialogs.ExpectBox("Uwaga", question, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  dialogs.ExpectPlain(QString::fromUtf8("Błąd wczytywania pliku z danymi fabrycznymi"));
  project::RestoreFactorySettings(*Form1);
  EXPECT_EQ(ReadFileBytes(dir_.File("default.xml")), "moje ustawienia");

  dir_.Write("default_fabryczne.xml", Damaged());
  dialogs.ExpectBox("Uwaga", question, platform::Icon::Question, platform::Buttons::YesNo,
                    platform::Answer::Yes);
  dialogs.ExpectBox("Uwaga", kReadError, platform::Icon::Warning);
  dialogs.ExpectPlain(QString::fromUtf8("Błąd podczas przywracania danych "));
  project::RestoreFactorySettings(*Form1);
  EXPECT_EQ(ReadFileBytes(dir_.File("default.xml")), "moje ustawienia");
  ExpectOptionalSections(1);
}

TEST_F(ProjectCommandsTest, FactoryRestoreReadsTheFactoryFileAndMakesItTheDefaults) {
  Prepare(Design::HotWater);
  dir_.Write("default_fabryczne.xml", Golden(Design::HotWater));
  dir_.Write("default.xml", "moje ustawienia");
  SetOptionalSectionsOn();
  Engine.KatGamma = 10;
  dialogs.ExpectBox("Uwaga",
                    QString::fromUtf8("Czy jesteś pewien, że chcesz zmienić zapisane dane? "),
                    platform::Icon::Question, platform::Buttons::YesNo, platform::Answer::Yes);
  project::RestoreFactorySettings(*Form1);
  ExpectOptionalSections(0);
  EXPECT_EQ(Engine.KatGamma, -30.0f);
  EXPECT_EQ(Form1->ui().EGamma->text(), "-30");
  EXPECT_EQ(ReadFileBytes(dir_.File("default.xml")), Golden(Design::HotWater));
}

TEST_F(ProjectCommandsTest, FirstShowingReadsTheDefaultSettings) {
  dialogs.ExpectPlain(QString::fromUtf8("Błąd wczytywania pliku z danymi domyślnymi"));
  project::ReadDefaultSettings(*Form1);
  EXPECT_EQ(Engine.ProjectLoaded, 0);

  dir_.Write("default.xml", Damaged());
  dialogs.ExpectBox("Uwaga", kReadError, platform::Icon::Warning);
  dialogs.ExpectPlain(QString::fromUtf8("Błąd podczas wczytywania domyślnych danych "));
  project::ReadDefaultSettings(*Form1);
  EXPECT_EQ(Engine.ProjectLoaded, 0);

  dir_.Write("default.xml", Golden(Design::HeatingPool));
  project::ReadDefaultSettings(*Form1);
  EXPECT_EQ(Engine.ProjectLoaded, 1);
  EXPECT_EQ(Engine.CWUCO, 1);
  EXPECT_TRUE(Form1->ui().CheckBasen->isChecked());
  EXPECT_TRUE(Form1->ui().CheckPrzeslona->isChecked());
  EXPECT_EQ(Form1->ui().PowDomu->text(), "12346");
  EXPECT_EQ(Form1->ui().BasenSzerokosc->text(), "4.5");
  EXPECT_EQ(Form1->ui().ComboWspKrotnosci->currentText(), "2.25");
  EXPECT_EQ(Form1->ui().ComboSrednicaPrzewodu->currentText(), "22");
}

// A value in a list is picked; a value no item holds is shown as it stands, so that the next
// compute reads back what the design holds.
TEST_F(ProjectCommandsTest, RefreshShowsListValuesAsTheDesignHoldsThem) {
  struct Case {
    float factor;
    int32_t diameter;
    int32_t from, to;
    int factorIndex, diameterIndex, fromIndex, toIndex;
    const char *factorText, *diameterText, *fromText, *toText;
  };
  const Case cases[] = {
      {1.0f, 12, 4, 8, 0, 0, 0, 4, "1.0", "12", "05", "09"},
      {3.0f, 35, 7, 4, 8, 6, 3, 0, "3.0", "35", "08", "05"},
      {1.3f, 16, 8, 9, -1, -1, -1, -1, "1.3", "16", "09", "10"},
      {2.75f, 30, 0, 11, 7, 5, -1, -1, "2.75", "30", "01", "12"},
  };
  Engine.Basen = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.factorText);
    Engine.WspolczynnikKrotnosci = c.factor;
    Engine.SrednicaPrzewodu = c.diameter;
    Engine.BasenOd = c.from;
    Engine.BasenDo = c.to;
    project::RefreshInputsFromEngine(*Form1);
    auto& ui = Form1->ui;
    EXPECT_EQ(ui().ComboWspKrotnosci->currentIndex(), c.factorIndex);
    EXPECT_EQ(ui().ComboWspKrotnosci->currentText(), c.factorText);
    EXPECT_EQ(ui().ComboSrednicaPrzewodu->currentIndex(), c.diameterIndex);
    EXPECT_EQ(ui().ComboSrednicaPrzewodu->currentText(), c.diameterText);
    EXPECT_EQ(ui().basenOD->currentIndex(), c.fromIndex);
    EXPECT_EQ(ui().basenOD->currentText(), c.fromText);
    EXPECT_EQ(ui().basenDO->currentIndex(), c.toIndex);
    EXPECT_EQ(ui().basenDO->currentText(), c.toText);
  }
}
