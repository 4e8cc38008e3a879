// The test double of the platform layer (GoogleTest only; never part of the program).
//
// While a ScriptedDialogs lives it replaces the system: every message box and file dialog is
// recorded and answered from one queue of expectations, in the order they are shown; shell opens,
// process starts and sleeps are recorded and have no real effect; NUM LOCK reads as scripted.
// A box or dialog nobody expected, one that differs from the expectation, and an expectation
// still waiting when the double goes out of scope all fail the running test.
//
//   platform::ScriptedDialogs dialogs;
//   dialogs.ExpectBox("Pytanie", "Czy na pewno chcesz zakończyć pracę programu ?",
//                     platform::Icon::Question, platform::Buttons::YesNo, platform::Answer::No);
//   dialogs.ExpectSaveFile("/tmp/x/projekt.xml");   // or ExpectSaveFile(std::nullopt): cancel
//   dialogs.ExpectError("'abc' is not a valid floating point value");
//   ... drive the window ...
//   EXPECT_EQ(dialogs.OpenedUrls(), (std::vector<QString>{"https://example.pl"}));
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/message_box.h"

namespace platform {

inline const char* IconName(Icon icon) {
  switch (icon) {
    case Icon::None:
      return "none";
    case Icon::Information:
      return "information";
    case Icon::Warning:
      return "warning";
    case Icon::Question:
      return "question";
    case Icon::Stop:
      return "stop";
  }
  return "?";
}

inline const char* ButtonsName(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return "OK";
    case Buttons::OkCancel:
      return "OK/Anuluj";
    case Buttons::YesNo:
      return "Tak/Nie";
    case Buttons::YesNoCancel:
      return "Tak/Nie/Anuluj";
  }
  return "?";
}

inline const char* AnswerName(Answer answer) {
  switch (answer) {
    case Answer::Ok:
      return "OK";
    case Answer::Cancel:
      return "Anuluj";
    case Answer::Yes:
      return "Tak";
    case Answer::No:
      return "Nie";
  }
  return "?";
}

inline bool Offers(Buttons buttons, Answer answer) {
  switch (buttons) {
    case Buttons::Ok:
      return answer == Answer::Ok;
    case Buttons::OkCancel:
      return answer == Answer::Ok || answer == Answer::Cancel;
    case Buttons::YesNo:
      return answer == Answer::Yes || answer == Answer::No;
    case Buttons::YesNoCancel:
      return answer == Answer::Yes || answer == Answer::No || answer == Answer::Cancel;
  }
  return false;
}

// What closing the box gives: the most cautious button it offers.
inline Answer CautiousAnswer(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return Answer::Ok;
    case Buttons::YesNo:
      return Answer::No;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
      break;
  }
  return Answer::Cancel;
}

inline std::string Describe(const BoxRequest& box) {
  return std::string("box title \"") + box.title.toStdString() + "\", text \"" +
         box.text.toStdString() + "\", icon " + IconName(box.icon) + ", buttons " +
         ButtonsName(box.buttons);
}

inline std::string Describe(const FileRequest& request) {
  return std::string(request.kind == FileDialogKind::Open ? "open" : "save") +
         " dialog, filter \"" + request.filter.toStdString() + "\", default extension \"" +
         request.defaultExtension.toStdString() + "\"";
}

class ScriptedDialogs : public Backend {
 public:
  ScriptedDialogs() : previous_(SetBackend(this)) {}
  ~ScriptedDialogs() override {
    if (SetBackend(previous_) != this) {
      ADD_FAILURE() << "ScriptedDialogs removed out of order: another one was installed after it";
    }
    for (const Expected& e : queue_) {
      ADD_FAILURE() << "expected but never shown: " << e.Describe();
    }
  }
  ScriptedDialogs(const ScriptedDialogs&) = delete;
  ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

  // A message box with exactly this title, text, icon and buttons, answered with answer.
  ScriptedDialogs& ExpectBox(const QString& title, const QString& text, Icon icon,
                             Buttons buttons = Buttons::Ok, Answer answer = Answer::Ok) {
    if (!Offers(buttons, answer)) {
      ADD_FAILURE() << "scripted answer " << AnswerName(answer) << " is not a button of "
                    << ButtonsName(buttons);
    }
    Expected e;
    e.kind = Kind::Box;
    e.box = BoxRequest{text, title, icon, buttons};
    e.answer = answer;
    queue_.push_back(std::move(e));
    return *this;
  }
  // The application's error box (title "Vindargast", stop icon, OK) with this text.
  ScriptedDialogs& ExpectError(const QString& text) {
    return ExpectBox(kApplicationTitle, text, Icon::Stop);
  }
  // A plain box titled with the application's title.
  ScriptedDialogs& ExpectPlain(const QString& text) {
    return ExpectBox(kApplicationTitle, text, Icon::None);
  }
  // Runs action while the last expected box is "open", as the user would see the program then
  // (a real box runs a nested event loop: timers may fire; QTest::qWait shows what they do).
  ScriptedDialogs& WhileShown(std::function<void()> action) {
    if (queue_.empty()) {
      ADD_FAILURE() << "WhileShown without an expected box";
    } else {
      queue_.back().whileShown = std::move(action);
    }
    return *this;
  }

  // An open or save dialog answered with the file name, or cancelled (std::nullopt).
  ScriptedDialogs& ExpectOpenFile(std::optional<QString> answer) {
    return ExpectFile(FileDialogKind::Open, std::move(answer));
  }
  ScriptedDialogs& ExpectSaveFile(std::optional<QString> answer) {
    return ExpectFile(FileDialogKind::Save, std::move(answer));
  }

  void SetNumLock(std::optional<bool> state) { numLock_ = state; }
  // What the desktop and process start report (both succeed unless told otherwise).
  void SetUrlOpens(bool opens) { urlOpens_ = opens; }
  void SetProcessStarts(bool starts) { processStarts_ = starts; }

  // Every box shown while installed, expected or not, in order.
  const std::vector<BoxRequest>& Boxes() const { return boxes_; }
  const std::vector<FileRequest>& FileDialogs() const { return fileDialogs_; }
  const std::vector<QString>& OpenedUrls() const { return openedUrls_; }
  const std::vector<ProcessRequest>& StartedProcesses() const { return processes_; }
  const std::vector<int>& Sleeps() const { return sleeps_; }
  // Expectations not yet met.
  size_t Pending() const { return queue_.size(); }

  // Backend.
  Answer ShowBox(const BoxRequest& box) override {
    boxes_.push_back(box);
    if (queue_.empty() || queue_.front().kind != Kind::Box) {
      ADD_FAILURE() << "unexpected message " << Describe(box)
                    << (queue_.empty() ? std::string(" (nothing more expected)")
                                       : "; expected " + queue_.front().Describe());
      return CautiousAnswer(box.buttons);
    }
    Expected e = std::move(queue_.front());
    queue_.pop_front();
    const BoxRequest& want = e.box;
    if (box.title != want.title || box.text != want.text || box.icon != want.icon ||
        box.buttons != want.buttons) {
      ADD_FAILURE() << "message box differs from the expected one:\n  shown:    " << Describe(box)
                    << "\n  expected: " << Describe(want);
    }
    if (e.whileShown) e.whileShown();
    return Offers(box.buttons, e.answer) ? e.answer : CautiousAnswer(box.buttons);
  }

  std::optional<QString> AskFileName(const FileRequest& request) override {
    fileDialogs_.push_back(request);
    if (queue_.empty() || queue_.front().kind != Kind::File ||
        queue_.front().fileKind != request.kind) {
      ADD_FAILURE() << "unexpected " << Describe(request)
                    << (queue_.empty() ? std::string(" (nothing more expected)")
                                       : "; expected " + queue_.front().Describe());
      return std::nullopt;
    }
    Expected e = std::move(queue_.front());
    queue_.pop_front();
    return e.fileAnswer;
  }

  bool OpenUrl(const QUrl& address) override {
    openedUrls_.push_back(address.toString());
    return urlOpens_;
  }
  bool StartProcess(const ProcessRequest& request) override {
    processes_.push_back(request);
    return processStarts_;
  }
  void Sleep(int milliseconds) override { sleeps_.push_back(milliseconds); }
  std::optional<bool> NumLock() override { return numLock_; }

 private:
  enum class Kind { Box, File };
  struct Expected {
    Kind kind = Kind::Box;
    BoxRequest box;
    Answer answer = Answer::Ok;
    std::function<void()> whileShown;
    FileDialogKind fileKind = FileDialogKind::Open;
    std::optional<QString> fileAnswer;

    std::string Describe() const {
      if (kind == Kind::Box) return platform::Describe(box);
      return std::string(fileKind == FileDialogKind::Open ? "open" : "save") + " dialog";
    }
  };

  ScriptedDialogs& ExpectFile(FileDialogKind kind, std::optional<QString> answer) {
    Expected e;
    e.kind = Kind::File;
    e.fileKind = kind;
    e.fileAnswer = std::move(answer);
    queue_.push_back(std::move(e));
    return *this;
  }

  Backend* previous_;
  std::deque<Expected> queue_;
  std::vector<BoxRequest> boxes_;
  std::vector<FileRequest> fileDialogs_;
  std::vector<QString> openedUrls_;
  std::vector<ProcessRequest> processes_;
  std::vector<int> sleeps_;
  std::optional<bool> numLock_;
  bool urlOpens_ = true;
  bool processStarts_ = true;
};

// Installed by EnsureApplication (tests/support/qt_app.h) beneath every ScriptedDialogs: a test
// that shows a box, opens a dialog, a web page or a program without a ScriptedDialogs fails at
// once instead of hanging on a real modal box or starting a browser.
class NoDialogsAllowed : public Backend {
 public:
  Answer ShowBox(const BoxRequest& box) override {
    ADD_FAILURE() << "message " << Describe(box) << " shown without a ScriptedDialogs";
    return CautiousAnswer(box.buttons);
  }
  std::optional<QString> AskFileName(const FileRequest& request) override {
    ADD_FAILURE() << Describe(request) << " shown without a ScriptedDialogs";
    return std::nullopt;
  }
  bool OpenUrl(const QUrl& address) override {
    ADD_FAILURE() << "shell open of \"" << address.toString().toStdString()
                  << "\" without a ScriptedDialogs";
    return false;
  }
  bool StartProcess(const ProcessRequest& request) override {
    ADD_FAILURE() << "process start of \"" << request.program.toStdString()
                  << "\" without a ScriptedDialogs";
    return false;
  }
  void Sleep(int milliseconds) override {
    ADD_FAILURE() << "sleep of " << milliseconds << " ms without a ScriptedDialogs";
  }
  std::optional<bool> NumLock() override { return std::nullopt; }
};

}  // namespace platform
