// One QApplication for a whole test executable, created before the first test runs and kept
// until the process ends (Qt allows one per process, and destroying it at exit races with static
// destructors). Including this header is enough; EnsureApplication() returns it and may be called
// anywhere, e.g. in a fixture's SetUp, to make the dependency visible.
//
// It also installs the platform layer's strict stand-in beneath every platform::ScriptedDialogs:
// without one, a message box, file dialog, shell open, process start or sleep fails the test at
// once instead of hanging on a real modal box or starting a browser.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>

#include "platform/backend.h"
#include "platform/scripted_dialogs.h"

inline QApplication& EnsureApplication() {
  static QApplication* app = [] {
    // ctest sets the platform; a test binary started by hand gets no windows on screen either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vindargast_tests";
    static char* argv[] = {name, nullptr};
    auto* created = new QApplication(argc, argv);
    // Beneath a ScriptedDialogs that may already be installed.
    static platform::NoDialogsAllowed strict;
    if (platform::Backend* installed = platform::SetBackend(&strict)) {
      platform::SetBackend(installed);
    }
    return created;
  }();
  return *app;
}

// Creates the application before any test, so that fixtures may hold widgets and a
// ScriptedDialogs from their construction on.
class QtApplicationEnvironment : public testing::Environment {
 public:
  void SetUp() override { EnsureApplication(); }
};

inline testing::Environment* const kQtApplicationEnvironment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);
