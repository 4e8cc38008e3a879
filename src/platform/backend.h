// What the platform layer asks of the system, in one place, so that a test can stand in for the
// system: every message box, file dialog, shell open, process start, sleep and NUM LOCK query of
// the program goes through the installed backend. Without one the real system answers.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace platform {

enum class Icon { None, Information, Warning, Question, Stop };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct BoxRequest {
  QString text;
  QString title;
  Icon icon = Icon::None;
  Buttons buttons = Buttons::Ok;
};

enum class FileDialogKind { Open, Save };

struct FileRequest {
  FileDialogKind kind = FileDialogKind::Open;
  QString title;
  // Either the Qt form "Pliki XML (*.xml);;wszystkie pliki (*)" or the classic form
  // "Pliki XML (*.xml)|*.xml|wszystkie pliki (*.*)|*.*"; both are accepted.
  QString filter;
  // Appended ("." optional) to a chosen name that has no extension of its own.
  QString defaultExtension;
  // Empty: the working folder.
  QString initialFolder;
};

struct ProcessRequest {
  QString program;
  QStringList arguments;
  QString workingFolder;
};

class Backend {
 public:
  virtual ~Backend() = default;
  // A modal box; returns the button pressed.
  virtual Answer ShowBox(const BoxRequest& box) = 0;
  // A modal file dialog; the chosen name, or nothing when cancelled.
  virtual std::optional<QString> AskFileName(const FileRequest& request) = 0;
  // Hands an address that already passed the scheme check to the desktop; true when handed over.
  virtual bool OpenUrl(const QUrl& address) = 0;
  // Starts a program detached from this one; true when it started.
  virtual bool StartProcess(const ProcessRequest& request) = 0;
  virtual void Sleep(int milliseconds) = 0;
  // On, off, or nothing when the state cannot be known (no X server).
  virtual std::optional<bool> NumLock() = 0;
};

// Installs a backend (nullptr: the real system again) and returns the one it replaces.
Backend* SetBackend(Backend* backend);

// The installed backend, or the real system.
Backend& CurrentBackend();

// The real system, for a backend that passes some calls through.
Backend& SystemBackend();

}  // namespace platform
