// The widgets of a window's form (the class uic makes from its .ui file), reached through
// `ui()`. A window that is not seen at start can put off building them: the start then creates
// the window (and does what its creation does for the design) without the cost of its widgets,
// which are built at their first use: the first `ui()`, or the window's first showing.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace platform {

// Every window whose widgets are still to be built, so that all can be built at once (a check
// of every window's texts needs them all).
class DeferredForms {
 public:
  static void BuildAll() {
    // Building one may build another (a window that reads a second window's widgets).
    while (!Pending().empty()) {
      std::function<void()> build = std::move(Pending().back().second);
      Pending().pop_back();
      build();
    }
  }

  static void Add(const void* owner, std::function<void()> build) {
    Pending().emplace_back(owner, std::move(build));
  }

  static void Remove(const void* owner) {
    auto& pending = Pending();
    for (auto entry = pending.begin(); entry != pending.end();) {
      if (entry->first == owner)
        entry = pending.erase(entry);
      else
        ++entry;
    }
  }

 private:
  static std::vector<std::pair<const void*, std::function<void()>>>& Pending() {
    static std::vector<std::pair<const void*, std::function<void()>>> pending;
    return pending;
  }
};

template <class Form>
class FormUi {
 public:
  FormUi() = default;
  FormUi(const FormUi&) = delete;
  FormUi& operator=(const FormUi&) = delete;
  ~FormUi() { DeferredForms::Remove(this); }

  // The widgets, built first if they were put off. A const window reaches its widgets too: they
  // are not part of its value.
  Form& operator()() const {
    Build();
    return form_;
  }

  // Puts off `build` (which starts with the form's setupUi) until the widgets are first used.
  void Defer(std::function<void()> build) {
    build_ = std::move(build);
    DeferredForms::Add(this, [this] { Build(); });
  }

  void Build() const {
    if (!build_) return;
    std::function<void()> build = std::move(build_);
    build_ = nullptr;
    DeferredForms::Remove(this);
    build();
  }

  bool Built() const { return !build_; }

  // The widgets as they are, for the build itself.
  Form& form() { return form_; }

 private:
  mutable Form form_;
  mutable std::function<void()> build_;
};

}  // namespace platform
