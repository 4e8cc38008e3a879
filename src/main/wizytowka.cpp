#include "main/wizytowka.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/windows.h"
#include "main/pictures.h"
#include "main/vindargast.h"
#include "platform/ahead.h"
#include "platform/guard.h"

TWinSplash::TWinSplash(QWidget* parent, int intervalMs)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  ui().setupUi(this);
  RegisterWindowPictures();
  setFixedSize(642, 241);
  ui().Image1->setPixmap(platform::PicturesAhead::Take(QString::fromLatin1(kPicture)));
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  Timer1.setSingleShot(true);
  Timer1.setInterval(intervalMs);
  platform::Connect(&Timer1, &QTimer::timeout, this, &TWinSplash::Timer1Timer);
  Timer1.start();
  show();
}

void TWinSplash::AllWindowsCreated() {
  allWindowsCreated_ = true;
  if (due_) QTimer::singleShot(0, this, platform::Guarded(this, &TWinSplash::Timer1Timer));
}

void TWinSplash::Timer1Timer() {
  Timer1.stop();
  // A tick inside a message box of the window creation waits for the last window.
  if (!allWindowsCreated_) {
    due_ = true;
    return;
  }
  due_ = false;
  close();
  if (Form1) Form1->show();
  if (WinSplash == this) WinSplash = nullptr;
  deleteLater();
}
