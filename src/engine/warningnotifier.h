// A warning the engine has to show the user while it goes on working (the "UWAGA" notice of a
// device whose catalogue row is gone). The windows implement it with a message box carrying the
// warning icon and an OK button; tests record the notices.
#pragma once

#include <string>

class WarningNotifier {
 public:
  virtual ~WarningNotifier() = default;
  // Shows text under caption and returns when the user has acknowledged it.
  virtual void Warn(const std::string& caption, const std::string& text) = 0;
};
