// Every window can be used on a 1366 x 768 screen: a window larger than the screen's free area
// is as large as that area, with scroll bars around its contents and its row of buttons in view.
// Run on an offscreen screen of that size (the test starts itself once more with such a screen when
// its own is another).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <string>

#include "app/startup.h"
#include "app/windows.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "program_folder.h"
#include "qt_app.h"
#include "recording_dialogs.h"
#include "temp_dir.h"
#include "window_list.h"

namespace {

constexpr int kScreenWidth = 1366;
constexpr int kScreenHeight = 768;

bool OnTheSmallScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen && screen->size() == QSize(kScreenWidth, kScreenHeight);
}

TEST(WindowSize, EveryWindowIsUsableOnA1366x768Screen) {
  EnsureApplication();
  if (!OnTheSmallScreen()) {
    TempDir dir;
    const std::string config = dir.Write(
        "screen.json", "{\"screens\": [{\"name\": \"S\", \"x\": 0, \"y\": 0, \"width\": " +
                           std::to_string(kScreenWidth) +
                           ", \"height\": " + std::to_string(kScreenHeight) +
                           ", \"logicalDpiX\": 96, \"logicalDpiY\": 96}]}");
    QProcess self;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + QString::fromStdString(config));
    self.setProcessEnvironment(environment);
    self.setProcessChannelMode(QProcess::MergedChannels);
    self.start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--gtest_filter=WindowSize.*")});
    ASSERT_TRUE(self.waitForFinished(120000));
    EXPECT_EQ(self.exitCode(), 0) << self.readAll().toStdString();
    return;
  }

  ProgramFolder folder;
  RecordingDialogs dialogs;
  startup::PrepareApplication(EnsureApplication());
  Engine = MakeDefaultDesign();
  qputenv("VINDARGAST_DB", "DRIVER={MariaDB Unicode};SERVER=127.0.0.1;PORT=1;");
  startup::Options options;
  options.splashInterval = 10;
  ASSERT_TRUE(startup::CreateWindows(options));
  QTRY_VERIFY(Form1->isVisible());
  const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
  for (const auto& [name, window] : app_test::Windows()) {
    SCOPED_TRACE(name);
    const QSize before = window->size();
    const bool shown = window->isVisible();
    window->show();
    QApplication::processEvents();
    // Room for a title bar above the window.
    EXPECT_LE(window->width(), free.width());
    EXPECT_LE(window->height(), free.height() - 32);
    const bool tooLarge = before.width() > free.width() || before.height() > free.height() - 32;
    const QScrollArea* area =
        window->findChild<QScrollArea*>(QStringLiteral("ScreenFitScrollArea"));
    if (tooLarge) {
      ASSERT_NE(area, nullptr);
      // Everything the form holds can be scrolled to.
      EXPECT_GE(area->widget()->minimumSize().height(), before.height() - 40);
    }
    if (area) {
      const QWidget* contents = area->widget();
      // Never squeezed below what its layout asks for: it scrolls instead.
      EXPECT_GE(contents->width(), contents->sizeHint().width());
      EXPECT_GE(contents->height(), contents->sizeHint().height());
      // A scroll bar's breadth is added across rather than taken from the contents.
      const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
      if (contents->width() + bar <= free.width())
        EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
    }
    if (!shown) window->hide();
  }
  // The main window (926 pixels high) and the cost window (835) are among them.
  EXPECT_NE(Form1->findChild<QScrollArea*>(QStringLiteral("ScreenFitScrollArea")), nullptr);
  // The fittings and cost windows' rows of buttons stay in view below their scrolling contents.
  for (const QPushButton* button : {WinArmatura->ui().BitBtn4, WinKoszty->ui().BitBtn1}) {
    SCOPED_TRACE(button->objectName().toStdString());
    const QWidget* window = button->window();
    const auto* area = window->findChild<QScrollArea*>(QStringLiteral("ScreenFitScrollArea"));
    ASSERT_NE(area, nullptr);
    EXPECT_FALSE(area->isAncestorOf(button));
    EXPECT_TRUE(window->rect().contains(QRect(button->mapTo(window, QPoint()), button->size())));
  }
  startup::DestroyWindows();
  Engine = MakeDefaultDesign();
}

}  // namespace
