// Start-up to the main window, splash delay excluded, measured on whole processes: each run
// starts a process and waits for its end, which comes right after its main window's first paint
// (bench/programs). The yardstick is a bare Qt program that shows one empty main window of the
// same size; the program starts in a copy of the shipped data, and again with the collector and
// city catalogues at scale (10 000 and 2 000 rows). Counters: the mean start against the bare
// window's (x_bare, as a ratio, and plus_ms, the difference) and the process's peak memory
// (peak_MB, its largest resident size). The database attempt goes to a closed local port and
// fails at once; its box, like every other, is answered at once.
// Each process is the X server's only client: Xvfb as started by default resets when its last
// client leaves, and every start, the yardstick's too, waits for that reset (about 60 ms here).
// Against a server started with -noreset the same added time gives a larger ratio.
//
// The in-process benchmark below it repeats the window creation alone, for profiling.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QApplication>
#include <QMainWindow>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "answer_every_box.h"
#include "app/startup.h"
#include "app/windows.h"
#include "engine/vindargast2.h"
#include "generated_catalogues.h"
#include "main/vindargast.h"
#include "program_folder.h"
#include "temp_dir.h"

extern char** environ;

namespace {

constexpr const char* kClosedDatabase = "DRIVER={MariaDB Unicode};SERVER=127.0.0.1;PORT=1;";

void PrepareEnvironment() {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("VINDARGAST_DB", kClosedDatabase, 1);
}

struct ProcessRun {
  double seconds = 0;
  double peakMegabytes = 0;
  bool succeeded = false;
  int status = 0;  // as wait4 gave it
};

ProcessRun RunProcess(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  ProcessRun run;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return run;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid) return run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
  run.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  run.status = status;
  return run;
}

// A copy of the shipped program folder; at scale, with the collector and city catalogues
// repeated to 10 000 and 2 000 rows.
std::unique_ptr<TempDir> ProgramCopy(bool atScale) {
  namespace fs = std::filesystem;
  auto dir = std::make_unique<TempDir>();
  fs::copy(VINDARGAST_DATA, dir->path(), fs::copy_options::recursive);
  if (atScale) {
    for (const char* file : {"Dane/kolektor.xml", "Dane/miasta.xml"})
      dir->Write(file, bench_data::Repeated(std::string(VINDARGAST_DATA) + "/" + file,
                                            bench_data::ScaledRows(file)));
  }
  return dir;
}

double bareWindowSeconds = 0;  // the yardstick's mean, once measured

void TimeProcess(benchmark::State& state, const std::vector<std::string>& command,
                 bool isYardstick) {
  PrepareEnvironment();
  RunProcess(command);  // warms the file cache and the dynamic loader's
  double total = 0;
  double peak = 0;
  int retried = 0;
  for (auto _ : state) {
    ProcessRun run = RunProcess(command);
    // Xvfb now and then refuses a connection made right after another client ended; such a
    // start is run again, a few times at most, and counted.
    while (!run.succeeded && retried < 3) {
      ++retried;
      run = RunProcess(command);
    }
    if (!run.succeeded) {
      const std::string error =
          "the process failed (wait status " + std::to_string(run.status) + ")";
      state.SkipWithError(error.c_str());
      return;
    }
    state.SetIterationTime(run.seconds);
    total += run.seconds;
    peak = std::max(peak, run.peakMegabytes);
  }
  const double mean = total / static_cast<double>(state.iterations());
  if (isYardstick) bareWindowSeconds = mean;
  state.counters["peak_MB"] = peak;
  state.counters["retried"] = retried;
  if (bareWindowSeconds > 0) {
    state.counters["x_bare"] = mean / bareWindowSeconds;
    state.counters["plus_ms"] = (mean - bareWindowSeconds) * 1000.0;
  }
}

void ProcessBareQtWindow(benchmark::State& state) {
  TimeProcess(state, {VINDARGAST_BARE_WINDOW}, true);
}

void ProcessProgramShippedData(benchmark::State& state) {
  const auto folder = ProgramCopy(false);
  TimeProcess(state, {VINDARGAST_STARTUP_PROBE, folder->path().string()}, false);
}

void ProcessProgramCataloguesAtScale(benchmark::State& state) {
  const auto folder = ProgramCopy(true);
  TimeProcess(state, {VINDARGAST_STARTUP_PROBE, folder->path().string()}, false);
}

// The yardstick first: the others are given as ratios to it.
BENCHMARK(ProcessBareQtWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(ProcessProgramShippedData)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30);
BENCHMARK(ProcessProgramCataloguesAtScale)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// ---------------------------------------------------------------- in one process

QApplication& Application() {
  static QApplication* app = [] {
    PrepareEnvironment();
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

// The 34 windows created in their order and the main window shown, with the application object
// already made: what the program adds to Qt's own start.
void WindowsInOneProcess(benchmark::State& state) {
  Application();
  ProgramFolder folder;
  AnswerEveryBox answers;
  platform::Backend* previous = platform::SetBackend(&answers);
  startup::Options options;
  options.splashInterval = 0;
  for (auto _ : state) {
    Engine = MakeDefaultDesign();
    if (!startup::CreateWindows(options)) {
      state.SkipWithError("the start failed");
      break;
    }
    while (!Shown(Form1)) QApplication::processEvents();
    state.PauseTiming();
    QApplication::processEvents();  // the first showing's reading of the default settings
    startup::DestroyWindows();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  platform::SetBackend(previous);
}
BENCHMARK(WindowsInOneProcess)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
