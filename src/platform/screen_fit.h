// Windows on small screens: a window whose form is larger than the free area of its screen
// (1366 x 768 is a common laptop screen; the forms were made for larger ones) gets scroll bars
// around its contents and the size of that area, so that every control can be reached.
#pragma once

#include <QObject>

class QWidget;

namespace platform {

// Wraps the window's contents in a scroll area and shrinks the window to the free area of its
// screen, when it does not fit there; returns whether it did. The contents keep their places and
// layout, at no less than the window's size and never squeezed below the size their layout asks
// for; a row of buttons that ends the layout stays in view below them. The window takes the
// contents' size as far as the screen has the room; a window resized later (wider, for a second
// tank) still shows them whole where the screen has the room.
bool FitIntoScreen(QWidget& window);

// Fits each watched window into its screen when it is first shown.
class ScreenFitter : public QObject {
 public:
  using QObject::QObject;
  void Watch(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace platform
