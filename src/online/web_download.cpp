#include "online/web_download.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>
#include <exception>
#include <memory>
#include <string>
#include <string_view>

#include "main/vindargast.h"
#include "platform/message_box.h"
#include "xml/atomic_file.h"

namespace online {

int TransferTimeoutMs = 30000;

namespace {

QString Number(qint64 value) {
  return QString::fromStdString(std::to_string(value));
}

bool IsWebAddress(const QUrl& url) {
  return url.isValid() && !url.host().isEmpty() &&
         (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

QNetworkRequest MakeRequest(const QUrl& url, const QString& agent) {
  QNetworkRequest request(url);
  request.setHeader(QNetworkRequest::UserAgentHeader, agent);
  // Setting the header ourselves also keeps Qt from unpacking a compressed body on its own: the
  // file must arrive byte for byte as the server holds it.
  request.setRawHeader("Accept-Encoding", "identity");
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::ManualRedirectPolicy);
  request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
  request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
  request.setTransferTimeout(TransferTimeoutMs);
  return request;
}

// The system's proxy settings, except for this machine, which no proxy can reach for us.
void ChooseProxy(QNetworkAccessManager& manager, const QUrl& url) {
  if (IsLoopback(url.toString())) {
    manager.setProxy(QNetworkProxy::NoProxy);
    return;
  }
  const QList<QNetworkProxy> proxies =
      QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
  if (!proxies.isEmpty()) manager.setProxy(proxies.first());
}

FetchResult Run(const QString& address, const QString& agent, bool headersOnly,
                const Progress& progress) {
  FetchResult result;
  const QUrl url(address, QUrl::StrictMode);
  if (!IsWebAddress(url)) {
    result.reason = QStringLiteral("nieprawidłowy adres „%1”").arg(address);
    return result;
  }
  QNetworkAccessManager manager;
  ChooseProxy(manager, url);
  QEventLoop loop;
  std::unique_ptr<QNetworkReply> reply(manager.get(MakeRequest(url, agent)));
  qint64 announced = -1;
  QString stopReason;  // why we broke the transfer off ourselves
  const auto stop = [&](const QString& why) {
    stopReason = why;
    reply->abort();
  };

  QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // The status is all that is asked: the reply is dropped unread (aborting it here would
    // report a second error after the one Qt gives an error status).
    if (headersOnly) return loop.quit();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    announced = length.isValid() ? length.toLongLong() : -1;
    const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
    if (!encoding.isEmpty() && encoding != "identity") {
      return stop(QStringLiteral("serwer przesłał plik zakodowany („%1”), o co go nie proszono")
                      .arg(QString::fromLatin1(encoding)));
    }
    if (announced > kMaxDownloadBytes) return stop(QStringLiteral("plik jest zbyt duży"));
  });
  QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
    if (!stopReason.isEmpty()) return;
    result.body += reply->readAll();
    if (result.body.size() > kMaxDownloadBytes) return stop(QStringLiteral("plik jest zbyt duży"));
    // Progress is for the file, not for an error page the server sends instead.
    if (progress && result.status == 200) progress(result.body.size(), announced);
  });
  QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
  if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
  reply->disconnect();
  if (headersOnly) {
    result.ok = result.status != 0;
    if (!result.ok) result.reason = QStringLiteral("brak połączenia z serwerem");
    return result;
  }
  if (stopReason.isEmpty() && reply->isOpen()) result.body += reply->readAll();

  const QNetworkReply::NetworkError error = reply->error();
  const auto fail = [&](const QString& why) {
    result.reason = why;
    result.body.clear();
    return result;
  };
  const bool timedOut = stopReason.isEmpty() && (error == QNetworkReply::OperationCanceledError ||
                                                 error == QNetworkReply::TimeoutError);
  if (result.status == 0) {
    if (timedOut) return fail(QStringLiteral("serwer nie odpowiada"));
    return fail(QStringLiteral("brak połączenia z serwerem (%1)").arg(reply->errorString()));
  }
  if (result.status != 200)
    return fail(QStringLiteral("serwer odpowiedział kodem %1").arg(result.status));
  if (!stopReason.isEmpty()) return fail(stopReason);
  const qint64 received = result.body.size();
  if (timedOut) {
    return fail(QStringLiteral("serwer przestał wysyłać dane po %1 z %2 bajtów")
                    .arg(Number(received), Number(announced)));
  }
  if (announced < 0) return fail(QStringLiteral("serwer nie podał długości pliku"));
  if (error != QNetworkReply::NoError || received != announced) {
    return fail(
        QStringLiteral("otrzymano %1 z %2 bajtów").arg(Number(received), Number(announced)));
  }
  result.ok = true;
  return result;
}

}  // namespace

FetchResult Fetch(const QString& address, const QString& agent, const Progress& progress) {
  return Run(address, agent, false, progress);
}

int FetchStatus(const QString& address, const QString& agent) {
  return Run(address, agent, true, {}).status;
}

bool SaveWhole(const QString& path, const QByteArray& bytes, QString* reason) {
  try {
    xml::WriteFileAtomically(path.toStdString(),
                             std::string_view(bytes.constData(), size_t(bytes.size())));
    return true;
  } catch (const std::exception& error) {
    if (reason) *reason = QString::fromUtf8(error.what());
    return false;
  }
}

QString FailureText(const FetchResult& fetched, const QString& fileName) {
  QString text = QStringLiteral("Nie udało się pobrać pliku %1: %2.").arg(fileName, fetched.reason);
  if (fetched.NoAnswer() || fetched.status == 404) {
    text =
        QStringLiteral("Brak pliku na serwerze. Skontaktuj się z producentem programu!\n") + text;
  }
  return text;
}

QString FileNameOf(const QString& addressOrPath) {
  return addressOrPath.mid(addressOrPath.lastIndexOf(QLatin1Char('/')) + 1);
}

bool IsLoopback(const QString& address) {
  const QString host = QUrl(address).host();
  if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0) return true;
  QHostAddress ip;
  return ip.setAddress(host) && ip.isLoopback();
}

}  // namespace online

// ---- The main window's two ways of asking the server ------------------------------------------

int TForm1::DownloadFile(const QString& address, const QString& localPath) {
  const online::FetchResult fetched = online::Fetch(address);
  QString reason = fetched.reason;
  if (fetched.ok && online::SaveWhole(localPath, fetched.body, &reason)) return 1;
  platform::PlainBox(fetched.ok ? reason
                                : online::FailureText(fetched, online::FileNameOf(localPath)));
  return -1;
}

bool TForm1::IsUrlAvailable(const QString& address) {
  const int status = online::FetchStatus(address);
  return status == 200 || status == 302;
}
