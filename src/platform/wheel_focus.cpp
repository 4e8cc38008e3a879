#include "platform/wheel_focus.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QScrollBar>
#include <QWidget>

namespace platform {

void WheelFocus::Install() {
  static WheelFocus* filter = nullptr;
  if (filter) return;
  filter = new WheelFocus(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(filter);
  // Widgets polished before (none, when the windows come after) lose the wheel's focus here.
  for (QWidget* widget : QApplication::allWidgets())
    if (HoldsValue(widget) && widget->focusPolicy() == Qt::WheelFocus)
      widget->setFocusPolicy(Qt::StrongFocus);
}

bool WheelFocus::HoldsValue(const QWidget* widget) {
  return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
         (qobject_cast<const QAbstractSlider*>(widget) && !qobject_cast<const QScrollBar*>(widget));
}

bool WheelFocus::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::Polish && type != QEvent::Wheel) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !HoldsValue(widget)) return false;
  if (type == QEvent::Polish) {
    // Qt gives the focus before it hands the wheel on: a widget of the wheel's focus policy would
    // have it, and take the wheel, by the first step turned over it.
    if (widget->focusPolicy() == Qt::WheelFocus) widget->setFocusPolicy(Qt::StrongFocus);
    return false;
  }
  if (widget->hasFocus()) return false;
  // Ignored and not delivered: the application hands the wheel on to the parent widgets, up to
  // the scroll area around them.
  event->ignore();
  return true;
}

}  // namespace platform
