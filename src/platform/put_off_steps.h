// The widget steps of a window's creation whose widgets wait (platform/form_ui.h). The creation
// does its work for the design at once and hands each step that writes a widget here, with the
// values it shows taken at that moment; the steps run in their order once the widgets are built.
// After the build a step runs at once, so that later changes reach the widgets in the order they
// come.
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "platform/guard.h"

namespace platform {

class PutOffSteps {
 public:
  void Add(std::function<void()> step) {
    if (ready_) {
      step();
    } else {
      steps_.push_back(std::move(step));
    }
  }

  // The widgets are there: the waiting steps run, as the creation ran them, under its guard.
  void Run() {
    ready_ = true;
    std::vector<std::function<void()>> steps = std::move(steps_);
    steps_.clear();
    RunGuarded([&steps] {
      for (const std::function<void()>& step : steps) step();
    });
  }

 private:
  bool ready_ = false;
  std::vector<std::function<void()>> steps_;
};

}  // namespace platform
