// A MariaDB server of the test's own on 127.0.0.1: an empty data folder in a temporary folder,
// no grant tables (any account is let in), a free port, its socket and logs in the same folder.
// Started by the constructor, stopped by the destructor (or before, to lose the connection).
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/types.h>

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <filesystem>
#include <string>

#include "temp_dir.h"

class MariaDbServer {
 public:
  // The database the server holds (an empty one).
  static constexpr const char* kDatabase = "vindargast";

  MariaDbServer() {
    const QString program = ServerProgram();
    if (program.isEmpty()) {
      ADD_FAILURE() << "no MariaDB server program (mariadbd or mysqld) is installed";
      return;
    }
    std::filesystem::create_directories(dir_.path() / "data" / kDatabase);
    // A port another process takes between the probe and the start makes the start fail; the
    // next free port is then tried.
    for (int attempt = 0; attempt < 3 && !ready_; ++attempt) {
      port_ = FreePort();
      const QString folder = QString::fromStdString(dir_.path().string());
      server_.setProgram(program);
      server_.setArguments(
          {"--no-defaults", "--datadir=" + folder + "/data", "--socket=" + folder + "/mysqld.sock",
           "--pid-file=" + folder + "/mysqld.pid", "--log-error=" + folder + "/error.log",
           "--bind-address=127.0.0.1", "--port=" + QString::fromStdString(std::to_string(port_)),
           "--skip-grant-tables", "--skip-log-bin", "--user=root", "--innodb-buffer-pool-size=16M",
           "--innodb-log-file-size=4M"});
      server_.setProcessChannelMode(QProcess::MergedChannels);
      server_.start();
      if (!server_.waitForStarted(10000)) break;
      ready_ = WaitUntilListening();
      if (!ready_) Stop();
    }
    if (!ready_) {
      ADD_FAILURE() << "the MariaDB server did not start:\n"
                    << ReadLog().toStdString() << server_.readAll().toStdString();
    }
  }
  ~MariaDbServer() { Stop(); }
  MariaDbServer(const MariaDbServer&) = delete;
  MariaDbServer& operator=(const MariaDbServer&) = delete;

  bool Ready() const { return ready_; }
  int Port() const { return port_; }
  QString ConnectionString() const {
    return QString::fromStdString("DRIVER={MariaDB Unicode};SERVER=127.0.0.1;PORT=" +
                                  std::to_string(port_) + ";DATABASE=" + kDatabase + ";UID=root");
  }

  // Stops the server for good: open connections are closed, new ones refused.
  void Stop() {
    if (server_.state() == QProcess::NotRunning) return;
    Resume();
    server_.terminate();
    if (!server_.waitForFinished(30000)) {
      server_.kill();
      server_.waitForFinished(5000);
    }
  }
  // Freezes the server (SIGSTOP): connections stay open but nothing answers, as when the network
  // goes away. Resume lets it go on.
  void Pause() {
    if (server_.state() == QProcess::Running && ::kill(pid_t(server_.processId()), SIGSTOP) == 0)
      paused_ = true;
  }
  void Resume() {
    if (paused_) ::kill(pid_t(server_.processId()), SIGCONT);
    paused_ = false;
  }

  // A port on 127.0.0.1 that nothing listens on at the moment.
  static int FreePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
  }

 private:
  static QString ServerProgram() {
    for (const char* path : {"/usr/sbin/mariadbd", "/usr/sbin/mysqld"})
      if (QFile::exists(path)) return path;
    return {};
  }

  bool WaitUntilListening() {
    for (int attempt = 0; attempt < 300; ++attempt) {
      if (server_.state() != QProcess::Running) return false;
      QTcpSocket socket;
      socket.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port_));
      if (socket.waitForConnected(100)) return true;
      QThread::msleep(100);
    }
    return false;
  }

  QString ReadLog() const {
    QFile log(QString::fromStdString(dir_.File("error.log")));
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
  }

  TempDir dir_;
  QProcess server_;
  int port_ = 0;
  bool ready_ = false;
  bool paused_ = false;
};
