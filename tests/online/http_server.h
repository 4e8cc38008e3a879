// A small HTTP/1.1 server of the test's own on 127.0.0.1 (a QTcpServer in the test's thread: the
// downloads' local event loop serves it). Each path answers as scripted, and can misbehave the
// ways a real server or network does: a Content-Length that differs from the body, a body cut
// off, a content encoding nobody asked for, a body sent slowly, or one that stalls. Every
// connection carries one request and is closed after the answer. Stopped by the destructor;
// Stop() makes the port refuse connections.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QPair>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TestHttpServer : public QObject {
 public:
  enum class Delivery {
    Whole,     // headers and body at once, then the connection closes
    CutShort,  // headers announcing the whole body, half the body, then the connection closes
    Stall,     // headers announcing the whole body, half the body, then nothing (kept open)
    Slowly,    // the body in pieces of 700 bytes, one every 20 ms
  };

  struct Response {
    int status = 200;
    QByteArray body;
    Delivery delivery = Delivery::Whole;
    // The Content-Length sent: the body's length unless set; -1 sends none.
    std::optional<qint64> contentLength;
    QList<QPair<QByteArray, QByteArray>> headers;  // more header lines
  };

  struct Request {
    QByteArray method;
    QByteArray path;
    QMap<QByteArray, QByteArray> headers;  // names in lower case
  };

  TestHttpServer() {
    connect(&server_, &QTcpServer::newConnection, this, [this] { Accept(); });
    if (!server_.listen(QHostAddress::LocalHost, 0)) ADD_FAILURE() << "no port for the server";
    port_ = server_.serverPort();
  }
  ~TestHttpServer() override { Stop(); }

  // Answers for path; a path without one gets 404 with a short page.
  void Route(const QByteArray& path, Response response) { routes_[path] = std::move(response); }
  void Route(const QByteArray& path, const QByteArray& body) {
    Response response;
    response.body = body;
    Route(path, response);
  }

  QString Address() const { return QStringLiteral("http://127.0.0.1:%1").arg(port_); }
  QString Url(const QByteArray& path) const { return Address() + QString::fromLatin1(path); }

  // From now on the port refuses connections.
  void Stop() {
    server_.close();
    for (const QPointer<QTcpSocket>& socket : sockets_)
      if (socket) socket->abort();
  }

  const std::vector<Request>& Requests() const { return requests_; }
  std::vector<QByteArray> RequestedPaths() const {
    std::vector<QByteArray> paths;
    for (const Request& request : requests_) paths.push_back(request.path);
    return paths;
  }

  static QByteArray StatusText(int status) {
    switch (status) {
      case 200:
        return "OK";
      case 301:
        return "Moved Permanently";
      case 302:
        return "Found";
      case 304:
        return "Not Modified";
      case 404:
        return "Not Found";
      case 500:
        return "Internal Server Error";
      default:
        return "Status";
    }
  }

 private:
  void Accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
      sockets_.push_back(socket);
      auto buffer = std::make_shared<QByteArray>();
      connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
        *buffer += socket->readAll();
        const int end = buffer->indexOf("\r\n\r\n");
        if (end < 0 || socket->property("answered").toBool()) return;
        socket->setProperty("answered", true);
        Answer(socket, Parse(buffer->left(end)));
      });
      connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
  }

  static Request Parse(const QByteArray& head) {
    Request request;
    const QList<QByteArray> lines = head.split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.path = first.value(1);
    for (int i = 1; i < lines.size(); ++i) {
      const int colon = lines[i].indexOf(':');
      if (colon > 0)
        request.headers[lines[i].left(colon).trimmed().toLower()] =
            lines[i].mid(colon + 1).trimmed();
    }
    return request;
  }

  void Answer(QTcpSocket* socket, const Request& request) {
    requests_.push_back(request);
    Response response;
    if (routes_.contains(request.path)) {
      response = routes_[request.path];
    } else {
      response.status = 404;
      response.body = "<html><body>Nie ma takiej strony</body></html>";
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " " +
                      StatusText(response.status) + "\r\n";
    const qint64 length = response.contentLength.value_or(response.body.size());
    if (length >= 0) head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    for (const auto& [name, value] : response.headers) head += name + ": " + value + "\r\n";
    head += "Connection: close\r\n\r\n";
    const bool headRequest = request.method == "HEAD";
    const QByteArray body = headRequest ? QByteArray() : response.body;
    switch (response.delivery) {
      case Delivery::Whole:
        socket->write(head + body);
        socket->disconnectFromHost();
        break;
      case Delivery::CutShort:
        socket->write(head + body.left(body.size() / 2));
        socket->flush();
        socket->disconnectFromHost();
        break;
      case Delivery::Stall:
        socket->write(head + body.left(body.size() / 2));
        socket->flush();
        break;
      case Delivery::Slowly: {
        socket->write(head);
        auto* timer = new QTimer(socket);
        auto sent = std::make_shared<int>(0);
        connect(timer, &QTimer::timeout, socket, [socket, timer, sent, body] {
          socket->write(body.mid(*sent, 700));
          *sent += 700;
          if (*sent >= body.size()) {
            timer->stop();
            socket->disconnectFromHost();
          }
        });
        timer->start(20);
        break;
      }
    }
  }

  QTcpServer server_;
  quint16 port_ = 0;
  QMap<QByteArray, Response> routes_;
  std::vector<Request> requests_;
  std::vector<QPointer<QTcpSocket>> sockets_;
};
