// The program as it starts (startup::Run) in the program folder given as the first argument,
// with the splash's delay set to nothing; it ends after the main window's first paint. The boxes
// of the start (no database on the closed port the benchmark names) are answered at once, as a
// user would close them, so that they never wait. With STARTUP_PROBE_TIMES set it writes each
// window's creation time to the standard error, for finding where a start spends its time.
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "answer_every_box.h"
#include "app/startup.h"
#include "app/windows.h"
#include "first_paint.h"
#include "main/vindargast.h"
#include "platform/guard.h"

namespace {

QElapsedTimer sinceMain;
bool showTimes = false;

void Phase(const char* name) {
  if (showTimes)
    std::fprintf(stderr, "   %-26s %6.1f ms since main\n", name,
                 static_cast<double>(sinceMain.nsecsElapsed()) / 1e6);
}

}  // namespace

int main(int argc, char** argv) {
  sinceMain.start();
  showTimes = qEnvironmentVariableIsSet("STARTUP_PROBE_TIMES");
  if (argc < 2) return 2;
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const auto ahead = startup::StartAhead();
  QApplication app(argc, argv);
  Phase("application object");
  AnswerEveryBox answers;
  platform::SetBackend(&answers);
  ExitAfterFirstPaint exit([] { return static_cast<QWidget*>(Form1); });
  exit.onPaint = [] { Phase("first paint"); };
  exit.onExit = [] { Phase("exit"); };
  int result = 1;
  startup::LoadingAhead loading;
  platform::RunGuarded([&] {
    startup::EnterProgramFolder(folder);
    startup::PrepareApplication(app);
    loading = startup::LoadAhead();
    Phase("application prepared");
    startup::Options options;
    options.splashInterval = 0;
    QElapsedTimer clock;
    clock.start();
    if (showTimes) {
      options.windowCreated = [&clock](int number, const char* instance) {
        std::fprintf(stderr, "%2d %-26s %6.1f ms\n", number, instance,
                     static_cast<double>(clock.nsecsElapsed()) / 1e6);
        clock.restart();
      };
    }
    if (!startup::CreateWindows(options)) return;
    Phase("windows created");
    result = app.exec();
  });
  return result;
}
