// Work of the start that needs no window and no Qt object, done on a second thread while the
// application object and the first windows are made on the main one: libraries a later window
// loads, configuration a later step reads. A window that uses the result waits for it through the
// lock of the work that makes it, so the work ahead only ever saves time.
#pragma once

#include <functional>
#include <thread>
#include <vector>

namespace platform {

class Ahead {
 public:
  // Starts the work, one step after the other; a step that fails is left to the window that
  // meets the same thing later.
  explicit Ahead(std::vector<std::function<void()>> steps);
  Ahead(const Ahead&) = delete;
  Ahead& operator=(const Ahead&) = delete;
  // Waits for the work still running: none of it outlives the start-up's scope.
  ~Ahead();

 private:
  std::thread thread_;
};

// Reads the system's font configuration (fontconfig, which Qt's text drawing uses and which keeps
// what it read, for every thread); nothing when the program runs without fontconfig.
void ReadFontConfiguration();

}  // namespace platform
