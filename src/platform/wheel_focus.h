// The mouse wheel changes a value only where the user has put the keyboard focus: a drop-down
// list, spin box or slider that the pointer merely passes over while the user scrolls a window
// keeps its value (and the results computed with it). Such a widget takes the wheel only while it
// has the focus, which a click or Tab gives it and the wheel does not; otherwise the wheel goes on
// to the widgets around it and scrolls the window.
#pragma once

#include <QObject>

class QWidget;

namespace platform {

// One filter of the whole application; Install is called where the windows are made, before them.
class WheelFocus : public QObject {
 public:
  // Installs the one filter on the application (again: nothing more).
  static void Install();

  // Whether the widget holds a value the wheel would change: a drop-down list, a spin box, a
  // slider (not a scroll bar, which scrolls).
  static bool HoldsValue(const QWidget* widget);

 protected:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace platform
