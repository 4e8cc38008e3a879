// Windows opened from a modal window can be used while it is open: a click into the chart window,
// opened from the results window, takes effect.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/startup.h"
#include "app/windows.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "recording_dialogs.h"
#include "report/Wykres.h"
#include "report/Wyniki.h"
#include "report/raport.h"
#include "started_program.h"

namespace {

class ModalityTest : public StartedProgramTest {
 protected:
  // A click as the window system delivers it, so that a window a modal one blocks ignores it.
  static void SystemClick(QWidget* button) {
    QWindow* window = button->window()->windowHandle();
    ASSERT_NE(window, nullptr);
    const QPoint centre = button->mapTo(button->window(), button->rect().center());
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre);
  }

  RecordingDialogs dialogs_;
};

TEST_F(ModalityTest, ChartAndReportOptionsOpenedFromTheResultsWindowTakeClicks) {
  Form1->BitBtn2Click();
  ASSERT_TRUE(Form1->ui().BitBtn11->isEnabled());
  bool chartClosedByClick = false;
  bool reportClosedByClick = false;
  QTimer::singleShot(0, [&] {
    QTRY_VERIFY(WinWyniki->isVisible());
    WinWyniki->ui().BitBtn3->click();
    QTRY_VERIFY(WinWykres->isVisible());
    SystemClick(WinWykres->ui().BitBtn1);  // "Zamknij okno"
    QTRY_VERIFY_WITH_TIMEOUT(!WinWykres->isVisible(), 500);
    chartClosedByClick = !WinWykres->isVisible();
    WinWykres->hide();

    WinWyniki->ui().BitBtn1->click();
    QTRY_VERIFY(WinRaport->isVisible());
    SystemClick(WinRaport->ui().BitBtn2);
    QTRY_VERIFY_WITH_TIMEOUT(!WinRaport->isVisible(), 500);
    reportClosedByClick = !WinRaport->isVisible();
    WinRaport->hide();
    WinWyniki->reject();
  });
  QTimer guard;  // never hang the suite; ends with the test
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [] { WinWyniki->reject(); });
  guard.start(5000);
  Form1->BitBtn11Click();
  EXPECT_TRUE(chartClosedByClick);
  EXPECT_TRUE(reportClosedByClick);
}

// From a window that is not modal, the chart opens as a window of its own, not modal.
TEST_F(ModalityTest, ChartOpenedFromAWindowThatIsNotModalIsNotModal) {
  WinWyniki->show();  // not modal
  WinWyniki->ui().BitBtn3->click();
  EXPECT_TRUE(WinWykres->isVisible());
  EXPECT_EQ(WinWykres->windowModality(), Qt::NonModal);
  WinWykres->hide();
  WinWyniki->hide();
}

}  // namespace
