// Ends a benchmarked program right after the first paint of its main window: the start-up
// benchmark times the whole process from its start to this exit.
#pragma once

#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QMetaObject>
#include <QWidget>
#include <functional>

class ExitAfterFirstPaint : public QObject {
 public:
  // window: the main window, once it exists (null before).
  explicit ExitAfterFirstPaint(std::function<QWidget*()> window) : window_(std::move(window)) {
    qApp->installEventFilter(this);
  }

  std::function<void()> onPaint;  // called at the first paint
  std::function<void()> onExit;   // called once that paint is done, right before the exit

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_ && watched == window_()) {
      painted_ = true;
      if (onPaint) onPaint();
      // Once the paint has been delivered and flushed; no tear-down, which the start does not
      // include.
      QMetaObject::invokeMethod(
          qApp,
          [this] {
            if (onExit) onExit();
            _exit(0);
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  std::function<QWidget*()> window_;
  bool painted_ = false;
};
