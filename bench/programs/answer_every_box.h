// A platform backend for the start-up benchmarks: every box is answered at once (as a user
// closing it would), nothing else reaches the desktop.
#pragma once

#include <optional>

#include "platform/backend.h"

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
