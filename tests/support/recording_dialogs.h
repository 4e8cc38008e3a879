// A stand-in for the system that answers every message box with its most cautious button and
// records it, for tests that check a box whose text carries a detail of another layer (a parser's
// reason) or that run windows whose own boxes are not under test (the whole start-up). Tests that
// know every box use platform::ScriptedDialogs instead.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "platform/backend.h"
#include "platform/scripted_dialogs.h"

class RecordingDialogs : public platform::Backend {
 public:
  RecordingDialogs() : previous_(platform::SetBackend(this)) {}
  ~RecordingDialogs() override { platform::SetBackend(previous_); }
  RecordingDialogs(const RecordingDialogs&) = delete;
  RecordingDialogs& operator=(const RecordingDialogs&) = delete;

  platform::Answer ShowBox(const platform::BoxRequest& box) override {
    boxes.push_back(box);
    return platform::CautiousAnswer(box.buttons);
  }
  std::optional<QString> AskFileName(const platform::FileRequest& request) override {
    ADD_FAILURE() << "unexpected " << platform::Describe(request);
    return std::nullopt;
  }
  bool OpenUrl(const QUrl&) override { return false; }
  bool StartProcess(const platform::ProcessRequest&) override { return false; }
  void Sleep(int) override {}
  std::optional<bool> NumLock() override { return std::nullopt; }

  std::vector<platform::BoxRequest> boxes;

 private:
  platform::Backend* previous_;
};
