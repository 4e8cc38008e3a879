// The wheel changes a drop-down list, spin box or slider only while it has the keyboard focus,
// which the wheel itself does not give; otherwise the wheel scrolls the window around it.
#include "platform/wheel_focus.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>
#include <functional>
#include <string>

#include "qt_app.h"
#include "wheel.h"

namespace {

// A window that scrolls, taller than its view, with one of each kind at its top.
class ScrollingWindow : public QWidget {
 public:
  ScrollingWindow() : area(this) {
    auto* contents = new QWidget;
    auto* column = new QVBoxLayout(contents);
    combo = new QComboBox;
    combo->addItems({"15", "18", "22", "28"});
    combo->setCurrentIndex(1);
    spin = new QSpinBox;
    spin->setValue(50);
    slider = new QSlider(Qt::Horizontal);
    slider->setRange(0, 100);
    slider->setValue(50);
    for (QWidget* widget :
         {static_cast<QWidget*>(combo), static_cast<QWidget*>(spin), static_cast<QWidget*>(slider)})
      column->addWidget(widget);
    column->addSpacing(2000);
    area.setWidget(contents);
    area.setWidgetResizable(true);
    (new QVBoxLayout(this))->addWidget(&area);
    resize(300, 300);
  }
  int Scrolled() const { return area.verticalScrollBar()->value(); }

  QScrollArea area;
  QComboBox* combo;
  QSpinBox* spin;
  QSlider* slider;
};

struct Kind {
  const char* name;
  std::function<QWidget*(ScrollingWindow&)> widget;
  std::function<std::string(ScrollingWindow&)> value;
};

const Kind kKinds[] = {
    {"drop-down list", [](ScrollingWindow& w) { return w.combo; },
     [](ScrollingWindow& w) { return w.combo->currentText().toStdString(); }},
    {"spin box", [](ScrollingWindow& w) { return w.spin; },
     [](ScrollingWindow& w) { return std::to_string(w.spin->value()); }},
    {"slider", [](ScrollingWindow& w) { return w.slider; },
     [](ScrollingWindow& w) { return std::to_string(w.slider->value()); }},
};

class WheelFocusTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    platform::WheelFocus::Install();
    window_.show();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  }
  ScrollingWindow window_;
};

TEST_F(WheelFocusTest, WithoutTheFocusTheWheelScrollsTheWindowAndLeavesTheValue) {
  int activated = 0;
  QObject::connect(window_.combo, &QComboBox::activated, &window_, [&activated] { ++activated; });
  for (const Kind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    window_.area.verticalScrollBar()->setValue(0);
    window_.setFocus();
    QWidget* widget = kind.widget(window_);
    const std::string before = kind.value(window_);

    TurnWheel(widget);

    EXPECT_EQ(kind.value(window_), before);
    EXPECT_FALSE(widget->hasFocus()) << "the wheel gave the focus";
    EXPECT_GT(window_.Scrolled(), 0) << "the wheel went nowhere";
    EXPECT_EQ(activated, 0);
  }
}

TEST_F(WheelFocusTest, WithTheFocusTheWheelChangesTheValue) {
  for (const Kind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    window_.area.verticalScrollBar()->setValue(0);
    QWidget* widget = kind.widget(window_);
    widget->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(widget->hasFocus());
    const std::string before = kind.value(window_);

    TurnWheel(widget);

    EXPECT_NE(kind.value(window_), before);
    EXPECT_EQ(window_.Scrolled(), 0) << "the widget took the wheel; the window stays";
  }
}

// A click and Tab still give the focus; the wheel does not.
TEST_F(WheelFocusTest, TheKindsTakeTheFocusByClickAndTabOnly) {
  for (const Kind& kind : kKinds) {
    SCOPED_TRACE(kind.name);
    const Qt::FocusPolicy policy = kind.widget(window_)->focusPolicy();
    EXPECT_EQ(policy & Qt::ClickFocus, Qt::ClickFocus);
    EXPECT_EQ(policy & Qt::TabFocus, Qt::TabFocus);
    EXPECT_NE(policy, Qt::WheelFocus);
  }
}

// The scroll bars themselves go on scrolling under the wheel, with or without the focus.
TEST_F(WheelFocusTest, AScrollBarStillScrolls) {
  window_.area.verticalScrollBar()->setValue(0);
  window_.setFocus();
  TurnWheel(window_.area.verticalScrollBar());
  EXPECT_GT(window_.Scrolled(), 0);
}

}  // namespace
