// Fetching files from the vendor's web server over HTTP(S). A transfer counts only when the
// server answered 200 with a body of exactly the length it announced, in no content encoding
// we did not ask for; anything else is a failure with a Polish reason. Bodies are held in memory
// and written whole (xml::WriteFileAtomically), so a failed download never touches a file.
//
// While a transfer runs, a local event loop keeps the windows painted; user input waits until
// it ends, so no second command can start halfway through a download or an update.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace online {

// The vendor server's paths, under TForm1::ServerAddress().
inline constexpr const char* kSetListPath = "/Dane_Zestawy/lista_zestawow.txt";
inline constexpr const char* kSetFolderPath = "/Dane_Zestawy/";
inline constexpr const char* kVersionFilePath = "/plikidopobrania/Aplikacja/vindargast.ini";
inline constexpr const char* kProgramPath = "/plikidopobrania/Aplikacja/Vindargast20.exe";

// A transfer that receives nothing for this long is abandoned (milliseconds). Tests shorten it.
extern int TransferTimeoutMs;
// The largest body accepted (bytes): a catalogue, a set or the program is far smaller.
inline constexpr qint64 kMaxDownloadBytes = qint64(512) * 1024 * 1024;

struct FetchResult {
  bool ok = false;
  int status = 0;   // the HTTP status, 0 when no answer arrived
  QByteArray body;  // the whole body when ok
  QString reason;   // why it failed, in Polish, when not ok
  bool NoAnswer() const { return status == 0; }
};

// Bytes received so far and the announced length (-1 when none was announced).
using Progress = std::function<void(qint64 received, qint64 announced)>;

// GETs the address with "Accept-Encoding: identity", following no redirect. The user agent
// names the caller, as the server's logs have always shown it.
FetchResult Fetch(const QString& address, const QString& agent = QStringLiteral("Pobieranie"),
                  const Progress& progress = {});

// Only the status of the answer: the headers are read, the body never is.
int FetchStatus(const QString& address, const QString& agent = QStringLiteral("ValidURL"));

// Writes the bytes whole or not at all; false with a Polish reason naming the file.
bool SaveWhole(const QString& path, const QByteArray& bytes, QString* reason);

// The message for a failed fetch of the named file: what went wrong, led by the notice that the
// server has no such file when it could not be reached or said so.
QString FailureText(const FetchResult& fetched, const QString& fileName);

// The file name at the end of an address or a path, for messages.
QString FileNameOf(const QString& addressOrPath);

// Whether the address's host is this machine (127.0.0.0/8, ::1 or "localhost").
bool IsLoopback(const QString& address);

}  // namespace online
