#include "platform/ahead.h"

#include <dlfcn.h>

namespace platform {

Ahead::Ahead(std::vector<std::function<void()>> steps)
    : thread_([steps = std::move(steps)] {
        for (const auto& step : steps) {
          try {
            step();
          } catch (...) {
          }
        }
      }) {}

Ahead::~Ahead() {
  if (thread_.joinable()) thread_.join();
}

void ReadFontConfiguration() {
  // Found among the libraries Qt's graphics brought in, so the program does not depend on it.
  using Init = int (*)();
  if (const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"))) init();
}

}  // namespace platform
