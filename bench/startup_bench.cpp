// Start-up to the main window: the 34 windows created in their order, the catalogues loaded and
// the main window shown with its first showing done, the splash's delay excluded (interval 0);
// against a bare Qt program that opens one empty main window. Both run in one process with the
// application object already made, so the figures compare what the program adds to Qt's own.
// The data module's database attempt goes to a closed local port and fails at once; every box
// (the database error, the missing "default.xml") is answered at once.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <QWindow>
#include <optional>

#include "app/startup.h"
#include "app/windows.h"
#include "engine/vindargast2.h"
#include "main/vindargast.h"
#include "platform/backend.h"
#include "program_folder.h"

namespace {

class AnswerEveryBox : public platform::Backend {
 public:
  platform::Answer ShowBox(const platform::BoxRequest&) override {
    ++boxes;
    return platform::Answer::Ok;
  }
  std::optional<QString> AskFileName(const platform::FileRequest&) override { return std::nullopt; }
  bool OpenUrl(const QUrl&) override { return false; }
  bool StartProcess(const platform::ProcessRequest&) override { return false; }
  void Sleep(int) override {}
  std::optional<bool> NumLock() override { return std::nullopt; }

  int boxes = 0;
};

QApplication& Application() {
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("VINDARGAST_DB", "DRIVER={MariaDB Unicode};SERVER=127.0.0.1;PORT=1;");
    static int argc = 1;
    static char name[] = "startup_bench";
    static char* argv[] = {name, nullptr};
    auto* created = new QApplication(argc, argv);
    startup::PrepareApplication(*created);
    return created;
  }();
  return *app;
}

bool Shown(QWidget* window) {
  return window->isVisible() && window->windowHandle() && window->windowHandle()->isExposed();
}

void StartupToMainWindow(benchmark::State& state) {
  Application();
  ProgramFolder folder;
  AnswerEveryBox answers;
  platform::Backend* previous = platform::SetBackend(&answers);
  startup::Options options;
  options.splashInterval = 0;
  for (auto _ : state) {
    Engine = MakeDefaultDesign();
    answers.boxes = 0;
    if (!startup::CreateWindows(options)) {
      state.SkipWithError("the start failed");
      break;
    }
    // Shown, and its first showing's message (no "default.xml") answered.
    const int boxesBefore = answers.boxes;
    while (!Shown(Form1) || answers.boxes == boxesBefore) QApplication::processEvents();
    state.PauseTiming();
    startup::DestroyWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  platform::SetBackend(previous);
}
BENCHMARK(StartupToMainWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

void BareQtWindow(benchmark::State& state) {
  Application();
  for (auto _ : state) {
    auto* window = new QMainWindow();
    window->show();
    while (!Shown(window)) QApplication::processEvents();
    state.PauseTiming();
    delete window;
    state.ResumeTiming();
  }
}
BENCHMARK(BareQtWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
