// A bare Qt program: one empty main window of the program's main window's size, shown at once;
// it ends after its first paint. The yardstick of the start-up benchmark.
#include <QApplication>
#include <QMainWindow>

#include "first_paint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(1192, 926);
  ExitAfterFirstPaint exit([&window] { return &window; });
  window.show();
  return app.exec();
}
