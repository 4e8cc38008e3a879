// The handler guard: an error thrown in a slot ends that slot, is shown in the application's
// error box with its exact text, and never reaches Qt's event loop.
#include "platform/guard.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "engine/numtext.h"
#include "platform/scripted_dialogs.h"
#include "qt_app.h"

namespace {

// A window in miniature: handlers that read numbers from its edit.
class Window : public QWidget {
 public:
  Window() : edit(this), button(this), check(this) {
    platform::Connect(&button, &QPushButton::clicked, this, &Window::ButtonClick);
    platform::Connect(&edit, &QLineEdit::textChanged, this, &Window::EditChange);
    platform::Connect(&check, &QCheckBox::toggled, this, [this](bool on) {
      toggledTo = on;
      value = ReadFloat(edit.text().toStdString());
      ranToEnd = true;
    });
  }

  void ButtonClick() {
    value = ReadFloat(edit.text().toStdString());
    ranToEnd = true;
  }
  void EditChange(const QString& text) {
    changes++;
    value = ReadFloat(text.toStdString());
    ranToEnd = true;
  }

  QLineEdit edit;
  QPushButton button;
  QCheckBox check;
  float value = -1;
  int changes = 0;
  bool toggledTo = false;
  bool ranToEnd = false;
};

class GuardTest : public testing::Test {
 protected:
  void SetUp() override { EnsureApplication(); }
  platform::ScriptedDialogs dialogs;
};

TEST_F(GuardTest, ConversionErrorInAClickedSlotShowsTheErrorBoxAndEndsTheHandler) {
  Window window;
  {
    platform::ScriptedDialogs quiet;  // typing "abc" runs the change handler, which fails too
    quiet.ExpectError("'a' is not a valid floating point value")
        .ExpectError("'ab' is not a valid floating point value")
        .ExpectError("'abc' is not a valid floating point value");
    QTest::keyClicks(&window.edit, "abc");
  }
  window.ranToEnd = false;
  dialogs.ExpectError("'abc' is not a valid floating point value");
  QTest::mouseClick(&window.button, Qt::LeftButton);
  EXPECT_FALSE(window.ranToEnd);
  EXPECT_EQ(window.value, -1);
  ASSERT_EQ(dialogs.Boxes().size(), 1u);
  EXPECT_EQ(dialogs.Boxes()[0].title, "Vindargast");
  EXPECT_EQ(dialogs.Boxes()[0].icon, platform::Icon::Stop);

  // The window goes on working after the error.
  window.edit.setText("2.5");
  EXPECT_TRUE(window.ranToEnd);
  EXPECT_EQ(window.value, 2.5f);
}

TEST_F(GuardTest, SlotsGetTheSignalsArgumentsThroughTheGuard) {
  Window window;
  window.edit.setText("1.5");
  EXPECT_EQ(window.changes, 1);
  EXPECT_EQ(window.value, 1.5f);

  window.check.setChecked(true);
  EXPECT_TRUE(window.toggledTo);

  dialogs.ExpectError("'' is not a valid floating point value");
  window.ranToEnd = false;
  window.edit.clear();  // the change handler meets the empty text
  EXPECT_FALSE(window.ranToEnd);
  EXPECT_EQ(window.value, 1.5f);
}

TEST_F(GuardTest, AnyExceptionIsShownWithItsTextAndANonExceptionWithAnEmptyText) {
  QComboBox combo;
  combo.addItems({"a", "b", "c"});
  int thrown = 0;
  platform::Connect(&combo, &QComboBox::currentIndexChanged, &combo, [&](int index) {
    ++thrown;
    if (index == 1) throw std::runtime_error("Błąd połączenia z bazą");
    if (index == 2) throw 42;
  });
  dialogs.ExpectError("Błąd połączenia z bazą").ExpectError("");
  combo.setCurrentIndex(1);
  combo.setCurrentIndex(2);
  EXPECT_EQ(thrown, 2);
}

TEST_F(GuardTest, NoExceptionCrossesTheEventLoop) {
  // A queued handler runs from the event loop itself: an escaping exception would end the test
  // program here.
  bool after = false;
  QTimer::singleShot(0, platform::Guarded([&] {
                       ReadInt("1.5");
                       after = true;
                     }));
  dialogs.ExpectError("'1.5' is not a valid integer value");
  QTest::qWait(20);
  EXPECT_FALSE(after);
  EXPECT_EQ(dialogs.Pending(), 0u);
}

TEST_F(GuardTest, RunGuardedTellsWhetherTheWorkRanToItsEnd) {
  int steps = 0;
  dialogs.ExpectError("'1,5' is not a valid floating point value");
  EXPECT_FALSE(platform::RunGuarded([&] {
    ++steps;
    ReadFloat("1,5");
    ++steps;
  }));
  EXPECT_EQ(steps, 1);
  EXPECT_TRUE(platform::RunGuarded([&] { ++steps; }));
  EXPECT_EQ(steps, 2);
}

}  // namespace
