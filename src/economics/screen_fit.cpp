#include "economics/screen_fit.h"

#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>

namespace economics {

void FitToScreen(QWidget* window, QScrollArea* area) {
  // The sizes are those of the styled, laid-out widgets.
  window->ensurePolished();
  window->layout()->activate();
  // The whole content plus what the window holds beside the scroll area (margins, buttons).
  QWidget* inside = area->widget();
  const QSize content = inside->sizeHint().expandedTo(inside->minimumSizeHint());
  // The content scrolls rather than squeezing its captions below their width.
  inside->setMinimumSize(content);
  const QSize frame(2 * area->frameWidth(), 2 * area->frameWidth());
  const QSize besides = window->layout()->sizeHint() - area->sizeHint();
  QSize wanted = content + frame + QSize(0, besides.height());
  wanted.rwidth() +=
      window->layout()->contentsMargins().left() + window->layout()->contentsMargins().right();
  const QScreen* screen = window->screen();
  if (!screen) {
    window->resize(wanted);
    return;
  }
  // Room for the title bar and the frame the window manager adds.
  const QSize room = screen->availableGeometry().size() - QSize(16, 48);
  QSize size = wanted.boundedTo(room);
  // A scroll bar takes its own room from the other direction.
  if (wanted.height() > room.height())
    size.rwidth() += area->verticalScrollBar()->sizeHint().width();
  if (wanted.width() > room.width())
    size.rheight() += area->horizontalScrollBar()->sizeHint().height();
  window->resize(size.boundedTo(room).expandedTo(window->minimumSizeHint()));
}

}  // namespace economics
