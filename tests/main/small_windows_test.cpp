// The splash, about and download progress windows.
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "app/windows.h"
#include "engine/vindargast2.h"
#include "main/info.h"
#include "main/pobieranie.h"
#include "main/vindargast.h"
#include "main/wizytowka.h"
#include "platform/scripted_dialogs.h"
#include "platform/version.h"
#include "program_folder.h"
#include "qt_app.h"

namespace {

class SmallWindowsTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    Engine = MakeDefaultDesign();
  }
  void TearDown() override {
    delete Form1;
    Form1 = nullptr;
    delete WinSplash;
    WinSplash = nullptr;
    Engine = MakeDefaultDesign();
  }
};

// The splash's tick shows the main window only once every window exists, also when the tick
// comes while a message box of the window creation is open.
TEST_F(SmallWindowsTest, SplashShowsTheMainWindowOnlyAfterTheLastWindowExists) {
  ProgramFolder folder;
  platform::ScriptedDialogs dialogs;
  Form1 = new TForm1();
  WinSplash = new TWinSplash(nullptr, 10);
  QPointer<TWinSplash> splash = WinSplash;
  EXPECT_TRUE(splash->isVisible());
  EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(splash->size(), QSize(642, 241));
  EXPECT_EQ(splash->ui().Image1->pixmap().size(), QSize(642, 241));

  QTest::qWait(60);  // the tick is long due, as in a nested loop of a box
  EXPECT_FALSE(Form1->isVisible());
  EXPECT_TRUE(splash->isVisible());

  dialogs.ExpectPlain("Błąd wczytywania pliku z danymi domyślnymi");
  splash->AllWindowsCreated();
  EXPECT_FALSE(Form1->isVisible());  // not inside the start-up, only once the loop runs
  QTRY_VERIFY(Form1->isVisible());
  EXPECT_EQ(WinSplash, nullptr);
  EXPECT_TRUE(splash.isNull() || !splash->isVisible());
  QTRY_VERIFY(splash.isNull());  // released
  QTRY_COMPARE(dialogs.Pending(), size_t{0});
  Form1->hide();
}

TEST_F(SmallWindowsTest, SplashTickAfterTheLastWindowShowsTheMainWindow) {
  ProgramFolder folder;
  platform::ScriptedDialogs dialogs;
  Form1 = new TForm1();
  WinSplash = new TWinSplash(nullptr, 30);
  WinSplash->AllWindowsCreated();
  EXPECT_FALSE(Form1->isVisible());
  dialogs.ExpectPlain("Błąd wczytywania pliku z danymi domyślnymi");
  QTRY_VERIFY(Form1->isVisible());
  EXPECT_EQ(WinSplash, nullptr);
  QTRY_COMPARE(dialogs.Pending(), size_t{0});
  Form1->hide();
}

TEST_F(SmallWindowsTest, AboutWindowShowsTheVersionAndOpensItsLinks) {
  platform::ScriptedDialogs dialogs;
  TWinInfo info;
  info.ui.Build();  // its widgets wait for the first use; the title and size come with them
  const platform::ProgramVersion& version = platform::Version();
  EXPECT_EQ(info.windowTitle(), "Informacje");
  EXPECT_EQ(info.ui().Label4->text(),
            QStringLiteral(" %1.%2").arg(version.Major).arg(version.Minor));
  EXPECT_EQ(info.ui().Label3->text(), "wersja pliku");
  EXPECT_EQ(info.size(), QSize(450, 296));
  EXPECT_FALSE(info.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(info.ui().Image1->pixmap().size(), QSize(81, 81));

  info.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&info));
  QTest::mouseClick(info.ui().StaticText6, Qt::LeftButton);
  QTest::mouseClick(info.ui().Label2, Qt::LeftButton);
  QTest::mouseClick(info.ui().Label7, Qt::LeftButton);
  QTest::mouseClick(info.ui().Label1, Qt::LeftButton);
  ASSERT_EQ(dialogs.OpenedUrls().size(), 4u);
  EXPECT_TRUE(dialogs.OpenedUrls()[0].startsWith("https://"));
  EXPECT_TRUE(dialogs.OpenedUrls()[2].endsWith(
      "/index.php?option=com_content&view=category&id=4&Itemid=3"));
  EXPECT_TRUE(dialogs.OpenedUrls()[3].startsWith("mailto:"));
  EXPECT_TRUE(dialogs.OpenedUrls()[3].contains("subject=Problem z programem"))
      << dialogs.OpenedUrls()[3].toStdString();

  // The window's own button closes it; shown again it keeps its version text.
  QTest::mouseClick(info.ui().BitBtn1, Qt::LeftButton);
  EXPECT_FALSE(info.isVisible());
  EXPECT_EQ(info.ui().Label4->text(),
            QStringLiteral(" %1.%2").arg(version.Major).arg(version.Minor));
}

TEST_F(SmallWindowsTest, ProgressWindowClosesByItsOkButtonAndKeepsItsState) {
  TForm2 progress;
  progress.ui.Build();  // its widgets wait for the first use; the title comes with them
  EXPECT_EQ(progress.windowTitle(), "Pasek postępu pobierania");
  EXPECT_EQ(progress.ui().StaticText1->text(), "Pobieranie .....");
  EXPECT_EQ(progress.ui().ProgressBar1->maximum(), 100);
  EXPECT_TRUE(progress.ui().BitBtn1->isDefault());
  EXPECT_EQ(progress.ui().Image1->pixmap().size(), QSize(49, 65));

  // As a driver uses it: modeless, the button disabled while the download runs.
  progress.show();
  progress.ui().StaticText2->hide();
  progress.ui().ProgressBar1->setMaximum(110);
  progress.ui().ProgressBar1->setValue(55);
  progress.ui().BitBtn1->setEnabled(false);
  QTest::mouseClick(progress.ui().BitBtn1, Qt::LeftButton);
  EXPECT_TRUE(progress.isVisible());

  progress.ui().BitBtn1->setEnabled(true);
  progress.ui().StaticText1->setText("Pobieranie zakończone sukcesem !!!");
  QTest::mouseClick(progress.ui().BitBtn1, Qt::LeftButton);
  EXPECT_FALSE(progress.isVisible());
  progress.show();
  EXPECT_EQ(progress.ui().StaticText1->text(), "Pobieranie zakończone sukcesem !!!");
  EXPECT_EQ(progress.ui().ProgressBar1->value(), 55);
  EXPECT_FALSE(progress.ui().StaticText2->isVisible());
  progress.hide();
}

}  // namespace
