#include "platform/system.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/backend.h"
#include "platform/message_box.h"

namespace platform {

std::optional<QUrl> ShellAddress(const QString& address) {
  QString text = address.trimmed();
  if (text.startsWith("www.", Qt::CaseInsensitive)) text = "http://" + text;
  // Tolerant: a mail link may carry a subject with blanks, which the URL then encodes.
  const QUrl url(text, QUrl::TolerantMode);
  if (!url.isValid() || url.isRelative()) return std::nullopt;
  const QString scheme = url.scheme().toLower();
  if (scheme == "http" || scheme == "https") {
    if (url.host().isEmpty()) return std::nullopt;
    return url;
  }
  if (scheme == "mailto") {
    if (url.path().isEmpty()) return std::nullopt;
    return url;
  }
  return std::nullopt;
}

bool ShellOpen(const QString& address) {
  const std::optional<QUrl> url = ShellAddress(address);
  if (!url) {
    MessageBox("Nie można otworzyć adresu \"" + address +
                   "\".\nOtwierane są tylko strony internetowe (http, https) i adresy e-mail "
                   "(mailto).",
               kApplicationTitle, Icon::Warning, Buttons::Ok);
    return false;
  }
  return CurrentBackend().OpenUrl(*url);
}

bool StartProcess(const QString& program, const QStringList& arguments,
                  const QString& workingFolder) {
  return CurrentBackend().StartProcess(ProcessRequest{program, arguments, workingFolder});
}

void Sleep(int milliseconds) {
  if (milliseconds > 0) CurrentBackend().Sleep(milliseconds);
}

QString HelpFilePath() {
  return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("archiwum.chm");
}

void ShowHelp() {
  ShowHelpFile(HelpFilePath());
}

void ShowHelpFile(const QString& chmPath) {
  const QString path = QFileInfo(chmPath).absoluteFilePath();
  if (!QFileInfo(path).isFile()) {
    MessageBox("Nie znaleziono pliku pomocy:\n" + QDir::toNativeSeparators(path), kApplicationTitle,
               Icon::Warning, Buttons::Ok);
    return;
  }
  if (!StartProcess("xchm", {path})) {
    MessageBox(
        "Nie można uruchomić przeglądarki pomocy \"xchm\".\nSprawdź, czy jest zainstalowana.",
        kApplicationTitle, Icon::Warning, Buttons::Ok);
  }
}

}  // namespace platform
