// The program update: the server's version file, and when it names a newer version the new
// program, swapped in for the running one by rename and started before this one ends.
#include "online/program_update.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QNetworkInformation>
#include <QProgressBar>
#include <QUrl>
#include <string>

#include "app/windows.h"
#include "engine/numtext.h"
#include "engine/vindargast2.h"
#include "main/pobieranie.h"
#include "main/vindargast.h"
#include "online/web_download.h"
#include "platform/message_box.h"
#include "platform/system.h"

namespace online {

std::function<QString()> RunningProgramPath = [] {
  return QCoreApplication::applicationFilePath();
};
std::function<void()> QuitProgram = [] { QCoreApplication::exit(0); };

std::string IniValue(const QByteArray& text, const std::string& section, const std::string& key) {
  const QString wantedSection = QString::fromStdString(section);
  const QString wantedKey = QString::fromStdString(key);
  QByteArray bytes = text;
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
  bool inSection = false;
  for (const QByteArray& raw : bytes.split('\n')) {
    const QString line = QString::fromUtf8(raw).trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
      continue;
    if (line.startsWith(QLatin1Char('['))) {
      const int end = line.indexOf(QLatin1Char(']'));
      inSection = end > 0 &&
                  line.mid(1, end - 1).trimmed().compare(wantedSection, Qt::CaseInsensitive) == 0;
      continue;
    }
    const int equals = line.indexOf(QLatin1Char('='));
    if (!inSection || equals < 0) continue;
    if (line.left(equals).trimmed().compare(wantedKey, Qt::CaseInsensitive) != 0) continue;
    QString value = line.mid(equals + 1).trimmed();
    if (value.size() >= 2 &&
        (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')) &&
        value.back() == value.front())
      value = value.mid(1, value.size() - 2);
    return value.toStdString();
  }
  return {};
}

bool IsNewerVersion(const std::string& major, const std::string& minor, int runningMajor,
                    int runningMinor) {
  const int32_t serverMajor = ReadInt(major);
  if (serverMajor != runningMajor) return serverMajor > runningMajor;
  return ReadInt(minor) > runningMinor;
}

QString ProgramAddressRefusal(const QString& base) {
  const QUrl url(base);
  if (url.scheme() == QLatin1String("https") && !url.host().isEmpty()) return {};
  if (url.scheme() == QLatin1String("http") && IsLoopback(base)) return {};
  return QStringLiteral(
             "Aktualizacja programu jest możliwa tylko przez bezpieczne połączenie (https).\n"
             "Adres serwera %1 go nie zapewnia: pobrany program mógłby zostać po drodze "
             "podmieniony "
             "i uruchomiony na tym komputerze. Aktualizacja została przerwana.")
      .arg(base);
}

}  // namespace online

namespace {

const char* const kOldProgram = "Vindargast_old.dat";

QString Number(qint64 value) {
  return QString::fromStdString(std::to_string(value));
}

// Whether the system knows of no connection; an unknown state, or a server on this machine,
// counts as online.
bool KnownOffline(const QString& base) {
  if (online::IsLoopback(base)) return false;
  if (!QNetworkInformation::instance() &&
      !QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
    return false;
  return QNetworkInformation::instance()->reachability() ==
         QNetworkInformation::Reachability::Disconnected;
}

// Makes a rename in the folder survive a power cut.
void SyncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

void ShowProgress(qint64 received, qint64 announced, bool& shown) {
  Ui::TForm2& progress = Form2->ui();
  if (!shown) {
    shown = true;
    Form2->show();
    progress.StaticText1->setText(QStringLiteral("Pobieranie ....."));
    progress.StaticText2->show();
    progress.StaticText3->show();
    progress.Label1->show();
    progress.BitBtn1->setEnabled(false);
    progress.ProgressBar1->setMaximum(int(std::max<qint64>(announced, 0)));
  }
  progress.ProgressBar1->setValue(
      int(std::min<qint64>(received, progress.ProgressBar1->maximum())));
  progress.StaticText2->setText(QStringLiteral("Ściągam "));
  progress.StaticText3->setText(Number(received / 1024) + QStringLiteral(" kB"));
  // No percentage while the length is unknown: nothing to divide by.
  progress.Label1->setText(announced > 0 ? Number(received * 100 / announced) + QLatin1Char('%')
                                         : QString());
}

void ReportUnchanged(const QString& why) {
  platform::MessageBox(why + QStringLiteral("\nProgram nie został zmieniony."),
                       QString::fromLatin1(platform::kApplicationTitle), platform::Icon::Warning);
}

// Puts the downloaded program in place of the running one: written whole beside it, made
// executable like it, the running one kept as "Vindargast_old.dat", then renamed over it in one
// step. Returns "" on success, else why nothing was changed.
QString SwapProgram(const QString& program, const QString& download, const QByteArray& bytes) {
  const QString folder = QFileInfo(program).absolutePath();
  QString reason;
  if (!online::SaveWhole(download, bytes, &reason)) return reason;
  const QFile::Permissions permissions =
      QFileInfo(program).permissions() | QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
  const QString old = folder + QLatin1Char('/') + QLatin1String(kOldProgram);
  QFile::remove(old);
  const bool kept =
      ::link(QFile::encodeName(program).constData(), QFile::encodeName(old).constData()) == 0 ||
      QFile::copy(program, old);
  if (!QFile::setPermissions(download, permissions) || !kept ||
      ::rename(QFile::encodeName(download).constData(), QFile::encodeName(program).constData()) !=
          0) {
    QFile::remove(download);
    return kept ? QStringLiteral("Nie można zastąpić pliku %1.").arg(program)
                : QStringLiteral("Nie można zachować obecnej wersji jako %1.").arg(old);
  }
  SyncFolder(folder);
  return {};
}

}  // namespace

void TForm1::Program1Click() {
  const QString base = ServerAddress();
  const QString refusal = online::ProgramAddressRefusal(base);
  if (!refusal.isEmpty()) {
    platform::MessageBox(refusal, QStringLiteral("Informacja"), platform::Icon::Warning);
    return;
  }
  if (KnownOffline(base)) {
    platform::MessageBox(QStringLiteral("Nie można pobrać aktualizacji programu\nNie można "
                                        "uzyskać polączenia z internetem"),
                         QStringLiteral("Informacja"), platform::Icon::Warning);
    return;
  }
  const QString versionAddress = base + QString::fromLatin1(online::kVersionFilePath);
  if (!IsUrlAvailable(versionAddress)) {
    platform::PlainBox(QStringLiteral("Brak pliku z wersją programu!"));
    return;
  }
  SetStatusText(0, base);
  const QString folder = QFileInfo(online::RunningProgramPath()).absolutePath();
  const QString versionFile = folder + QStringLiteral("/vindargast.ini");
  if (DownloadFile(versionAddress, versionFile) != 1) return;
  QFile file(versionFile);
  if (!file.open(QIODevice::ReadOnly)) return;
  const QByteArray text = file.readAll();
  if (online::IsNewerVersion(online::IniValue(text, "UPDATE", "wersja"),
                             online::IniValue(text, "UPDATE", "minor"), Engine.VersionMajor,
                             Engine.VersionMinor)) {
    DownloadProgramUpdate(base + QString::fromLatin1(online::kProgramPath),
                          QStringLiteral("Vindargast.dat"));
  } else {
    platform::MessageBox(QStringLiteral("Obecnie na serwerze nie ma nowej wersji programu !!!"),
                         QStringLiteral("Informacja"), platform::Icon::Information);
  }
}

void TForm1::DownloadProgramUpdate(const QString& address, const QString& localFileName) {
  bool shown = false;
  online::FetchResult fetched = online::Fetch(
      address, QStringLiteral("Pobieranie"),
      [&shown](qint64 received, qint64 announced) { ShowProgress(received, announced, shown); });
  if (shown) Form2->ui().StaticText1->setText(QStringLiteral("Pobieranie zakończone"));
  if (fetched.ok && fetched.body.isEmpty()) {
    fetched.ok = false;
    fetched.reason = QStringLiteral("serwer przesłał pusty plik");
  }
  if (!fetched.ok) {
    if (shown) Form2->ui().BitBtn1->setEnabled(true);
    ReportUnchanged(online::FailureText(fetched, online::FileNameOf(address)));
    return;
  }
  const QString program = online::RunningProgramPath();
  const QString download = QFileInfo(program).absolutePath() + QLatin1Char('/') + localFileName;
  Form2->ui().BitBtn1->setEnabled(true);
  const QString failure = SwapProgram(program, download, fetched.body);
  if (!failure.isEmpty()) {
    ReportUnchanged(failure);
    return;
  }
  if (!platform::StartProcess(program, {QStringLiteral("-r")}, QFileInfo(program).absolutePath())) {
    platform::MessageBox(QStringLiteral("Nowa wersja programu została zainstalowana, ale nie "
                                        "udało się jej uruchomić. Uruchom program ponownie."),
                         QString::fromLatin1(platform::kApplicationTitle), platform::Icon::Warning);
    return;
  }
  online::QuitProgram();
  QApplication::beep();
}
