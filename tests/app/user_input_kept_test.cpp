// What the user typed, chose or selected in a window stays when the window is minimised and
// restored from the task bar: that is no new opening of the window.
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
#include "recording_dialogs.h"
#include "started_program.h"
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
    for (const char* name : {"default.xml", "default_fabryczne.xml"})
      fs::copy_file(fs::path(VINDARGAST_DATA) / name, folder_.File(name));
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

}  // namespace
