// The mouse wheel as the window system turns it: a spontaneous event to the deepest widget under
// the pointer, which the application hands on to the parents while they ignore it, and which
// first gives the focus to a widget whose focus policy takes it from the wheel.
#pragma once

#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollArea>
#include <QWheelEvent>
#include <QWidget>

// Turns the wheel `steps` notches over the centre of `over` (negative: towards the user, down a
// page); a widget inside a scroll area is scrolled into view first.
inline void TurnWheel(QWidget* over, int steps = -1) {
  for (QWidget* parent = over->parentWidget(); parent; parent = parent->parentWidget())
    if (auto* area = qobject_cast<QScrollArea*>(parent)) area->ensureWidgetVisible(over);
  QWidget* window = over->window();
  const QPoint inWindow = over->mapTo(window, over->rect().center());
  QWidget* target = window->childAt(inWindow);
  ASSERT_TRUE(target == over || over->isAncestorOf(target))
      << "the pointer is not over " << over->objectName().toStdString();
  const QPointF at = target->mapFrom(window, inWindow);
  QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, 120 * steps), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QSpontaneKeyEvent::setSpontaneous(&event);
  QApplication::instance()->notify(target, &event);
}
