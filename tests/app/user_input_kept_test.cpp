// What the user typed, chose or selected in a window stays when the window is minimised and
// restored from the task bar, and when the mouse wheel is turned over the window: neither is a
// new opening of the window or a choice of the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>
#include <string>

#include "app/windows.h"
#include "main/vindargast.h"
#include "online/zestawy.h"
#include "recording_dialogs.h"
#include "started_program.h"
#include "wheel.h"
#include "window_list.h"

namespace {

bool Open(const QWidget* widget) {
  return widget->isVisible() && widget->isEnabled();
}

// What the user sees of a window's inputs, a line each: the texts of its edits, the choices of its
// drop-down lists and the rows of its lists.
std::string Inputs(const QWidget* window) {
  QStringList state;
  for (const QLineEdit* edit : window->findChildren<QLineEdit*>())
    state << edit->objectName() + ": " + edit->text();
  for (const QPlainTextEdit* edit : window->findChildren<QPlainTextEdit*>())
    state << edit->objectName() + ": " + edit->toPlainText();
  for (const QComboBox* combo : window->findChildren<QComboBox*>())
    state << QStringLiteral("%1: %2 of %3, %4")
                 .arg(combo->objectName())
                 .arg(combo->currentIndex())
                 .arg(combo->count())
                 .arg(combo->currentText());
  for (const QListWidget* list : window->findChildren<QListWidget*>())
    state << QStringLiteral("%1: %2 of %3")
                 .arg(list->objectName())
                 .arg(list->currentRow())
                 .arg(list->count());
  return state.join('\n').toStdString();
}

// Types into every edit the user can type into, chooses the last entry of every drop-down list
// and selects the last row of every list.
void FillIn(QWidget* window) {
  for (QLineEdit* edit : window->findChildren<QLineEdit*>())
    if (Open(edit) && !edit->isReadOnly() && !qobject_cast<QComboBox*>(edit->parentWidget()))
      edit->setText(QStringLiteral("12"));
  for (QPlainTextEdit* edit : window->findChildren<QPlainTextEdit*>())
    if (Open(edit) && !edit->isReadOnly())
      edit->setPlainText(QString::fromUtf8("Opis użytkownika"));
  for (QComboBox* combo : window->findChildren<QComboBox*>())
    if (Open(combo) && combo->count() > 0) combo->setCurrentIndex(combo->count() - 1);
  for (QListWidget* list : window->findChildren<QListWidget*>())
    if (Open(list) && list->count() > 0) list->setCurrentRow(list->count() - 1);
}

class UserInputKeptTest : public StartedProgramTest {
 protected:
  void BeforeStart() override {
    namespace fs = std::filesystem;
    CopyDefaultSettings();
    // A set for the set opener to list.
    fs::copy_file(VINDARGAST_FIXTURES "/sets/one_tank_set.xml",
                  folder_.File("Zestawy/one_tank_set.xml"));
  }
  void SetUp() override {
    StartedProgramTest::SetUp();
    QTRY_VERIFY(Engine.ProjectLoaded == 1);  // the first showing read the defaults
  }

  RecordingDialogs dialogs_;
};

// The restore sends the window the show event the window system sends: a spontaneous one.
TEST_F(UserInputKeptTest, ARestoreFromTheTaskBarKeepsWhatTheUserTypedAndAsksNothing) {
  for (const auto& [name, window] : app_test::Windows()) {
    SCOPED_TRACE(name);
    window->show();
    QApplication::processEvents();
    FillIn(window);
    QApplication::processEvents();
    const std::string typed = Inputs(window);
    const size_t boxes = dialogs_.boxes.size();

    window->showMinimized();
    QApplication::processEvents();
    window->showNormal();
    QApplication::processEvents();

    EXPECT_EQ(Inputs(window), typed);
    EXPECT_EQ(dialogs_.boxes.size(), boxes) << "the restore asked the database or the files again";
    if (window != Form1) window->hide();
  }
}

// One wheel step over the pipe diameter while the user scrolls the main window: the diameter and
// the results stay. Given the focus by Tab, the list takes the wheel as the user's choice.
TEST_F(UserInputKeptTest, TheWheelChangesThePipeDiameterOnlyWithTheFocus) {
  Form1->BitBtn2Click();
  ASSERT_TRUE(Form1->ui().BitBtn11->isEnabled());
  QComboBox* diameter = Form1->ui().ComboSrednicaPrzewodu;
  const std::string chosen = diameter->currentText().toStdString();
  const float energy = Engine.AnnualHotWaterSolarEnergy;
  ASSERT_NE(energy, 0.0f);
  Form1->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));

  TurnWheel(diameter);
  EXPECT_EQ(diameter->currentText().toStdString(), chosen);
  EXPECT_FALSE(diameter->hasFocus()) << "the wheel gave the list the focus";
  EXPECT_TRUE(Form1->ui().BitBtn11->isEnabled()) << "the results were cleared";
  EXPECT_EQ(Engine.AnnualHotWaterSolarEnergy, energy);

  diameter->setFocus(Qt::TabFocusReason);
  TurnWheel(diameter);
  EXPECT_NE(diameter->currentText().toStdString(), chosen);
  EXPECT_FALSE(Form1->ui().BitBtn11->isEnabled()) << "a new diameter keeps the old results";
}

// Scrolling the set builder over its producer list switches neither the producer nor the web page
// it filled in.
TEST_F(UserInputKeptTest, TheWheelOverTheSetBuildersProducerKeepsTheProducer) {
  WinZestawy->show();
  WinZestawy->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(WinZestawy));
  QComboBox* producer = WinZestawy->ui().EProducent;
  ASSERT_GT(producer->count(), 1);
  producer->setCurrentIndex(0);
  emit producer->activated(0);
  const std::string chosen = producer->currentText().toStdString();
  const std::string page = WinZestawy->ui().EWww->text().toStdString();

  TurnWheel(producer);
  EXPECT_EQ(producer->currentText().toStdString(), chosen);
  EXPECT_EQ(WinZestawy->ui().EWww->text().toStdString(), page);
  EXPECT_FALSE(producer->hasFocus());
  WinZestawy->hide();
}

}  // namespace
