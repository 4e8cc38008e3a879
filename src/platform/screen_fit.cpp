#include "platform/screen_fit.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>
#include <vector>

namespace platform {

namespace {

// The room a window's contents have on its screen: the free area less the window's title bar.
QSize Room(const QWidget& window) {
  const QScreen* screen = window.screen();
  if (!screen) return {};
  constexpr int kTitleBar = 32;
  const QRect free = screen->availableGeometry();
  return {free.width(), free.height() - kTitleBar};
}

// The layout's bottom row of buttons ("OK", "PRZELICZ"), taken out of it so that it stays in view
// below the scrolling contents; null when the layout does not end in one.
QLayout* TakeButtonRow(QLayout* layout) {
  auto* column = qobject_cast<QBoxLayout*>(layout);
  if (!column || column->direction() != QBoxLayout::TopToBottom || column->count() < 2)
    return nullptr;
  const int last = column->count() - 1;
  QLayout* row = column->itemAt(last)->layout();
  if (!row) return nullptr;
  bool buttons = false;
  for (int i = 0; i < row->count(); ++i) {
    QLayoutItem* item = row->itemAt(i);
    if (item->spacerItem()) continue;
    if (!qobject_cast<QAbstractButton*>(item->widget())) return nullptr;
    buttons = true;
  }
  if (!buttons) return nullptr;
  column->takeAt(last);
  return row;
}

// Moves the window's contents (its layout, or its placed child widgets) onto a new widget at
// least of the window's size less the button row's room, and never below what its layout asks
// for: the contents scroll rather than squeeze a caption.
QWidget* TakeContents(QWidget& window, QLayout* row, int rowRoom) {
  auto* contents = new QWidget;
  contents->setObjectName(QStringLiteral("ScreenFitContents"));
  std::vector<QWidget*> children;
  for (QObject* child : window.children())
    if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
      children.push_back(widget);
  // A layout is taken over whole with the widgets it places.
  if (QLayout* layout = window.layout()) contents->setLayout(layout);
  for (QWidget* widget : children) {
    if (widget->parentWidget() == contents) continue;
    if (row && row->indexOf(widget) >= 0) continue;
    const bool hidden = widget->isHidden();
    const QRect place = widget->geometry();
    widget->setParent(contents);
    widget->setGeometry(place);
    widget->setHidden(hidden);
  }
  contents->setMinimumSize(
      (window.size() - QSize(0, rowRoom)).expandedTo(contents->sizeHint()));
  return contents;
}

QScrollArea* NewScrollArea(QWidget* parent, QWidget* contents) {
  auto* area = new QScrollArea(parent);
  area->setObjectName(QStringLiteral("ScreenFitScrollArea"));
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  area->setWidget(contents);
  return area;
}

// The window's size for contents wanting `wanted` in all: as much of it as the room holds, and a
// scroll bar's breadth more across where the other direction scrolls (so that it does not cover
// the contents and scroll them a little that way too).
QSize Within(const QSize& wanted, const QSize& room, const QWidget& window) {
  const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window);
  QSize size = wanted.boundedTo(room);
  if (wanted.height() > room.height()) size.rwidth() += bar;
  if (wanted.width() > room.width()) size.rheight() += bar;
  return size.boundedTo(room);
}

}  // namespace

bool FitIntoScreen(QWidget& window) {
  const QSize room = Room(window);
  if (room.isEmpty()) return false;
  if (window.width() <= room.width() && window.height() <= room.height()) return false;
  if (window.findChild<QScrollArea*>(QStringLiteral("ScreenFitScrollArea"),
                                     Qt::FindDirectChildrenOnly))
    return false;
  QSize wanted;
  if (auto* main = qobject_cast<QMainWindow*>(&window)) {
    // The menu, tool and status bars keep their room.
    const QSize bars = main->size() - (main->centralWidget() ? main->centralWidget()->size()
                                                              : main->size());
    QWidget* central = main->takeCentralWidget();
    if (!central) return false;
    central->setMinimumSize(central->size().expandedTo(central->sizeHint()));
    wanted = central->minimumSize() + bars;
    main->setCentralWidget(NewScrollArea(main, central));
  } else {
    QLayout* layout = window.layout();
    QLayout* row = TakeButtonRow(layout);
    int rowRoom = 0;
    QMargins margins;
    if (row) {
      margins = layout->contentsMargins();
      rowRoom = layout->spacing() + row->sizeHint().height() + margins.bottom();
    }
    QWidget* contents = TakeContents(window, row, rowRoom);
    auto* frame = new QVBoxLayout(&window);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(NewScrollArea(&window, contents));
    wanted = contents->minimumSize() + QSize(0, rowRoom);
    if (row) {
      frame->setSpacing(layout->spacing());
      row->setContentsMargins(margins.left(), 0, margins.right(), margins.bottom());
      frame->addLayout(row);
      wanted = wanted.expandedTo(row->sizeHint());
    }
  }
  window.setMinimumSize(0, 0);
  window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  window.resize(Within(wanted, room, window));
  return true;
}

void ScreenFitter::Watch(QWidget& window) {
  window.installEventFilter(this);
}

bool ScreenFitter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType())
    FitIntoScreen(*static_cast<QWidget*>(watched));
  return QObject::eventFilter(watched, event);
}

}  // namespace platform
