#include "platform/backend.h"

#include <QDesktopServices>
#include <QProcess>
#include <QThread>

#include "platform/numlock.h"

namespace platform {

// The real dialogs live beside their callers' helpers.
Answer ShowSystemBox(const BoxRequest& request);
std::optional<QString> AskSystemFileName(const FileRequest& request);

namespace {

class System final : public Backend {
 public:
  Answer ShowBox(const BoxRequest& box) override { return ShowSystemBox(box); }
  std::optional<QString> AskFileName(const FileRequest& request) override {
    return AskSystemFileName(request);
  }
  bool OpenUrl(const QUrl& address) override { return QDesktopServices::openUrl(address); }
  bool StartProcess(const ProcessRequest& request) override {
    return QProcess::startDetached(request.program, request.arguments, request.workingFolder);
  }
  void Sleep(int milliseconds) override {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
  }
  std::optional<bool> NumLock() override { return SystemNumLock(); }
};

Backend* installed = nullptr;

}  // namespace

Backend* SetBackend(Backend* backend) {
  Backend* previous = installed;
  installed = backend;
  return previous;
}

Backend& SystemBackend() {
  static System system;
  return system;
}

Backend& CurrentBackend() {
  return installed ? *installed : SystemBackend();
}

}  // namespace platform
