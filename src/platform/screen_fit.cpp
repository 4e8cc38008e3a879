#include "platform/screen_fit.h"

#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
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

QScrollArea* NewScrollArea(QWidget* parent) {
  auto* area = new QScrollArea(parent);
  area->setObjectName(QStringLiteral("ScreenFitScrollArea"));
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  return area;
}

// Moves the window's contents (its layout, or its placed child widgets) onto a new widget of
// the window's size.
QWidget* TakeContents(QWidget& window) {
  auto* contents = new QWidget;
  contents->setObjectName(QStringLiteral("ScreenFitContents"));
  contents->setMinimumSize(window.size());
  std::vector<QWidget*> children;
  for (QObject* child : window.children())
    if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
      children.push_back(widget);
  // A layout is taken over whole with the widgets it places.
  if (QLayout* layout = window.layout()) contents->setLayout(layout);
  for (QWidget* widget : children) {
    if (widget->parentWidget() == contents) continue;
    const bool hidden = widget->isHidden();
    const QRect place = widget->geometry();
    widget->setParent(contents);
    widget->setGeometry(place);
    widget->setHidden(hidden);
  }
  return contents;
}

}  // namespace

bool FitIntoScreen(QWidget& window) {
  const QSize room = Room(window);
  if (room.isEmpty()) return false;
  if (window.width() <= room.width() && window.height() <= room.height()) return false;
  if (window.findChild<QScrollArea*>(QStringLiteral("ScreenFitScrollArea"),
                                     Qt::FindDirectChildrenOnly))
    return false;
  const QSize wanted(std::min(window.width(), room.width()),
                     std::min(window.height(), room.height()));
  if (auto* main = qobject_cast<QMainWindow*>(&window)) {
    QWidget* central = main->takeCentralWidget();
    if (!central) return false;
    if (!central->layout()) central->setMinimumSize(central->size());
    QScrollArea* area = NewScrollArea(main);
    area->setWidget(central);
    main->setCentralWidget(area);
  } else {
    QWidget* contents = TakeContents(window);
    auto* frame = new QVBoxLayout(&window);
    frame->setContentsMargins(0, 0, 0, 0);
    QScrollArea* area = NewScrollArea(&window);
    area->setWidget(contents);
    frame->addWidget(area);
  }
  window.setMinimumSize(0, 0);
  window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  window.resize(wanted);
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
