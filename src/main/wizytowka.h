// The splash window: shown at once when created, on top, without border. Its timer shows the
// main window and releases the splash, but never before the last window of the start-up exists,
// even when the timer runs out inside a message box shown while windows are still being created.
#pragma once

#include <QTimer>
#include <QWidget>

#include "platform/form_ui.h"
#include "ui_wizytowka.h"

class TWinSplash : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kInterval = 3000;  // ms from the creation to the main window
  // Its picture; the start decodes it ahead (platform::PicturesAhead) while the windows before
  // it are made.
  static constexpr const char* kPicture = ":/images/splash.jpg";

  explicit TWinSplash(QWidget* parent = nullptr, int intervalMs = kInterval);

  platform::FormUi<Ui::TWinSplash> ui;
  QTimer Timer1;

  // Called by the start-up once every window exists: a tick that came earlier takes effect now,
  // as soon as the message loop runs.
  void AllWindowsCreated();

  void Timer1Timer();

 private:
  bool allWindowsCreated_ = false;
  bool due_ = false;
};
