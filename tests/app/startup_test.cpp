// The program's start: the 34 windows in their order, the main window hidden until the last one
// exists, the end of a start without its catalogues, and the release of every window.
#include "app/startup.h"

#include <QApplication>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <map>
#include <string>
#include <vector>

#include "app/windows.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "main/wizytowka.h"
#include "program_folder.h"
#include "qt_app.h"
#include "recording_dialogs.h"

namespace {

const std::vector<std::string> kOrder = {"Form1",
                                         "WinLokalizacja",
                                         "WinKolektor",
                                         "WinZasobnik",
                                         "WinSterownik",
                                         "WinIzolacja",
                                         "WinNaczynie",
                                         "WinPompa",
                                         "WinArmatura",
                                         "WinKoszty",
                                         "WinAddPompa",
                                         "WinAddZasobnik",
                                         "WinAddKolektor",
                                         "WinAddSterownik",
                                         "WinAddNaczynie",
                                         "WinAddIzolacja",
                                         "WinZestawy",
                                         "WinInfo",
                                         "Form2",
                                         "WinOpenZestaw",
                                         "WinSplash",
                                         "Form3",
                                         "WinRaport",
                                         "WinWyniki",
                                         "WinWykres",
                                         "WinAddMiasta",
                                         "WinAddKonstrukcja",
                                         "WinAddProducent",
                                         "WinGrubosci",
                                         "WinPobierzZestawy",
                                         "WinProducenci",
                                         "DM",
                                         "WinOferta",
                                         "WinKalkulatorEkologiczny"};

// Every instance by its name, to see which exist at a moment of the start.
std::map<std::string, const void*> Instances() {
  return {{"Form1", Form1},
          {"WinLokalizacja", WinLokalizacja},
          {"WinKolektor", WinKolektor},
          {"WinZasobnik", WinZasobnik},
          {"WinSterownik", WinSterownik},
          {"WinIzolacja", WinIzolacja},
          {"WinNaczynie", WinNaczynie},
          {"WinPompa", WinPompa},
          {"WinArmatura", WinArmatura},
          {"WinKoszty", WinKoszty},
          {"WinAddPompa", WinAddPompa},
          {"WinAddZasobnik", WinAddZasobnik},
          {"WinAddKolektor", WinAddKolektor},
          {"WinAddSterownik", WinAddSterownik},
          {"WinAddNaczynie", WinAddNaczynie},
          {"WinAddIzolacja", WinAddIzolacja},
          {"WinZestawy", WinZestawy},
          {"WinInfo", WinInfo},
          {"Form2", Form2},
          {"WinOpenZestaw", WinOpenZestaw},
          {"WinSplash", WinSplash},
          {"Form3", Form3},
          {"WinRaport", WinRaport},
          {"WinWyniki", WinWyniki},
          {"WinWykres", WinWykres},
          {"WinAddMiasta", WinAddMiasta},
          {"WinAddKonstrukcja", WinAddKonstrukcja},
          {"WinAddProducent", WinAddProducent},
          {"WinGrubosci", WinGrubosci},
          {"WinPobierzZestawy", WinPobierzZestawy},
          {"WinProducenci", WinProducenci},
          {"DM", DM},
          {"WinOferta", WinOferta},
          {"WinKalkulatorEkologiczny", WinKalkulatorEkologiczny}};
}

int VisibleWindows() {
  int visible = 0;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->isVisible()) ++visible;
  return visible;
}

class StartupTest : public testing::Test {
 protected:
  void SetUp() override {
    startup::PrepareApplication(EnsureApplication());
    Engine = MakeDefaultDesign();
    // No database answers here: the data module's attempt fails at once.
    qputenv("VINDARGAST_DB", "DRIVER={MariaDB Unicode};SERVER=127.0.0.1;PORT=1;");
  }
  void TearDown() override {
    startup::DestroyWindows();
    Engine = MakeDefaultDesign();
  }

  ProgramFolder folder_;
};

TEST_F(StartupTest, CreationOrderIsTheProgramsOrder) {
  std::vector<std::string> names;
  for (const char* name : startup::CreationOrder()) names.push_back(name);
  EXPECT_EQ(names, kOrder);
}

// Each window finds every earlier one in place, and the main window stays hidden until the
// last window exists, also while a box of the creation keeps the splash's tick waiting.
TEST_F(StartupTest, WindowsAreCreatedInOrderAndTheMainWindowWaitsForTheLast) {
  // The start-up shows boxes that belong to other windows (the data module's database
  // connection, for one): they are recorded, not scripted.
  RecordingDialogs dialogs;
  std::vector<std::string> created;
  bool shownEarly = false;
  startup::Options options;
  options.splashInterval = 10;
  options.windowCreated = [&](int number, const char* name) {
    created.push_back(name);
    EXPECT_EQ(kOrder.at(static_cast<size_t>(number - 1)), name);
    const std::map<std::string, const void*> instances = Instances();
    EXPECT_NE(instances.at(name), nullptr) << name;
    for (int earlier = 0; earlier < number - 1; ++earlier) {
      if (kOrder[static_cast<size_t>(earlier)] != "WinSplash") {
        EXPECT_NE(instances.at(kOrder[static_cast<size_t>(earlier)]), nullptr)
            << kOrder[static_cast<size_t>(earlier)] << " before " << name;
      }
    }
    // As a box left open would: the loop runs long past the splash's interval.
    if (number >= 21) {
      QTest::qWait(30);
      if (Form1->isVisible()) shownEarly = true;
    }
  };
  ASSERT_TRUE(startup::CreateWindows(options));
  EXPECT_FALSE(shownEarly);
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_EQ(created, kOrder);

  QTRY_VERIFY(Form1->isVisible());
  EXPECT_EQ(WinSplash, nullptr);
  // The first showing reads the defaults: without "default.xml" its plain message.
  const auto defaultsReported = [&dialogs] {
    for (const platform::BoxRequest& box : dialogs.boxes)
      if (box.text == "Błąd wczytywania pliku z danymi domyślnymi") return true;
    return false;
  };
  QTRY_VERIFY(defaultsReported());
  for (const platform::BoxRequest& box : dialogs.boxes)
    EXPECT_NE(box.title, "Błąd") << box.text.toStdString();
  EXPECT_EQ(Form1->ui().ETempCWU->text(), "45");
}

TEST_F(StartupTest, AMissingCatalogueEndsTheStartWithoutAnyWindow) {
  folder_.Remove("Dane/grubosci.xml");
  RecordingDialogs dialogs;
  startup::Options options;
  options.splashInterval = 10;
  std::vector<std::string> created;
  options.windowCreated = [&](int, const char* name) { created.push_back(name); };
  EXPECT_FALSE(startup::CreateWindows(options));
  QTest::qWait(30);
  EXPECT_TRUE(created.empty());
  for (const auto& [name, instance] : Instances()) EXPECT_EQ(instance, nullptr) << name;
  EXPECT_EQ(VisibleWindows(), 0);
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].title, "Błąd");
  EXPECT_EQ(dialogs.boxes[0].text,
            "Z powodu braku pliku grubosci.xml aplikacje nie może zostać uruchomiona");
}

TEST_F(StartupTest, DestroyWindowsReleasesEveryWindow) {
  RecordingDialogs dialogs;
  startup::Options options;
  options.splashInterval = 10;
  ASSERT_TRUE(startup::CreateWindows(options));
  QTRY_VERIFY(Form1->isVisible());
  startup::DestroyWindows();
  for (const auto& [name, instance] : Instances()) EXPECT_EQ(instance, nullptr) << name;
  EXPECT_EQ(VisibleWindows(), 0);
}

// The start's work ahead (the font configuration, the two pictures, the driver) gives the windows
// what they would have read themselves; a scheme picture that is missing still ends the start with
// its message.
TEST_F(StartupTest, TheWorkAheadGivesTheWindowsTheirPicturesAndAMissingOneStillEndsTheStart) {
  const std::unique_ptr<platform::Ahead> fonts = startup::StartAhead();
  startup::Options options;
  options.splashInterval = 10;
  {
    RecordingDialogs dialogs;
    const startup::LoadingAhead loading = startup::LoadAhead();
    ASSERT_TRUE(startup::CreateWindows(options));
    ASSERT_NE(WinSplash, nullptr);
    EXPECT_EQ(Form1->ui().ObrazekTlo->pixmap().toImage(),
              QPixmap(QString::fromUtf8(TForm1::kStartPicture)).toImage());
    EXPECT_EQ(WinSplash->ui().Image1->pixmap().toImage(),
              QPixmap(QString::fromLatin1(TWinSplash::kPicture)).toImage());
    startup::DestroyWindows();
  }
  folder_.Remove(TForm1::kStartPicture);
  RecordingDialogs dialogs;
  const startup::LoadingAhead loading = startup::LoadAhead();
  EXPECT_FALSE(startup::CreateWindows(options));
  ASSERT_EQ(dialogs.boxes.size(), 1u);
  EXPECT_EQ(dialogs.boxes[0].text,
            "Z powodu braku pliku CWU-1zasobnik.bmp aplikacja nie może zostać uruchomiona");
  for (const auto& [name, instance] : Instances()) EXPECT_EQ(instance, nullptr) << name;
}

}  // namespace
