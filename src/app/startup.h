// The program's start-up and end: the application object as the program needs it, the 34
// windows created once each in their fixed order (the main window first), and their release.
#pragma once

#include <QApplication>
#include <functional>
#include <memory>
#include <vector>

#include "platform/ahead.h"

namespace startup {

// Title "Vindargast", "." as the decimal separator whatever the system's settings, no automatic
// end when the last window closes (the program ends with its main window), the program's font
// (Liberation Sans, 8 points) and Qt's own texts (standard buttons, file dialogs, context menus)
// in Polish.
void PrepareApplication(QApplication& app);

// Makes the program's folder the working folder: the catalogues, pictures, sets, help file and
// default settings stand there, however the program was started (a desktop launcher starts it in
// the home folder). False when the folder cannot be entered.
bool EnterProgramFolder(const QString& folder);

// The start makes its windows one after the other on the main thread; what they need and can be
// had without Qt's widgets is made ready on other threads meanwhile (platform::Ahead), each
// started where it competes least with the main thread's own loading:
// - StartAhead, called first, before the application object: the font configuration, read at
//   the main window's first text;
// - LoadAhead, once the application object stands and the program folder is entered, before
//   CreateWindows: the main and splash windows' pictures, and the database driver that the data
//   module's connection loads.
// Releasing what they return waits for their work; LoadAhead's before the application object.
std::unique_ptr<platform::Ahead> StartAhead();

struct LoadingAhead {
  std::unique_ptr<platform::PicturesAhead> pictures;
  std::unique_ptr<platform::Ahead> driver;
};
LoadingAhead LoadAhead();

struct Options {
  int splashInterval = 3000;  // ms from the splash window's creation to the main window
  // Called after each window is created, with its number in the creation order (1 to 34) and
  // its instance's name.
  std::function<void(int number, const char* instance)> windowCreated;
};

// The instances' names in the creation order.
std::vector<const char*> CreationOrder();

// Creates the windows in order and sets their global instances. False when the main window's
// creation ended the start (a catalogue or picture missing or unreadable): then no further window
// is created, nothing is shown and the main window is released again.
bool CreateWindows(const Options& options = {});

// Releases every window still alive, the last created first, and clears the instances.
void DestroyWindows();

// The program entry: no arguments are read; returns 0. An error that escapes is shown in the
// application's error box.
int Run(int argc, char** argv);

}  // namespace startup
