// The program finds its data in its own folder whatever the working folder: started in another
// folder, as a desktop launcher starts it in the home folder, it shows its main window on a real
// X server (Xvfb), not the box of a missing catalogue. The producers' database it connects to at
// start is a MariaDB server of the test's own.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QThread>

#include "../online/mariadb_server.h"
#include "temp_dir.h"

namespace {

// The titles of the X server's windows, one a line, as xwininfo lists them.
QString WindowTitles(const QString& display) {
  QProcess list;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DISPLAY"), display);
  list.setProcessEnvironment(environment);
  list.start(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
  list.waitForFinished(5000);
  return QString::fromUtf8(list.readAllStandardOutput());
}

class Stopped {
 public:
  explicit Stopped(QProcess& process) : process_(process) {}
  ~Stopped() {
    process_.kill();
    process_.waitForFinished(5000);
  }

 private:
  QProcess& process_;
};

TEST(ProgramFolder, StartedFromAnotherFolderTheProgramShowsItsMainWindow) {
  if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() ||
      QStandardPaths::findExecutable(QStringLiteral("xwininfo")).isEmpty())
    GTEST_SKIP() << "Xvfb or xwininfo missing (tools/setup installs them)";
  // A display number of this process's own, so that parallel runs do not meet.
  const QString display = QStringLiteral(":%1").arg(100 + QCoreApplication::applicationPid() % 800);
  QProcess server;
  // Without -noreset the server resets whenever its last client leaves, as each xwininfo below
  // does, and a program connecting during a reset is refused (Qt then ends it at once).
  server.start(QStringLiteral("Xvfb"),
               {display, QStringLiteral("-screen"), QStringLiteral("0"),
                QStringLiteral("1366x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                QStringLiteral("-noreset")});
  ASSERT_TRUE(server.waitForStarted(5000));
  Stopped serverStopped(server);
  bool serverUp = false;
  for (int i = 0; i < 100 && !serverUp; ++i) {
    serverUp = WindowTitles(display).contains(QStringLiteral("Root window"));
    if (!serverUp) QThread::msleep(50);
  }
  ASSERT_TRUE(serverUp);

  MariaDbServer database;  // the data module connects at start; a failure would hold the start
  ASSERT_TRUE(database.Ready());
  TempDir home;
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DISPLAY"), display);
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.path().string()));
  environment.insert(QStringLiteral("VINDARGAST_DB"), database.ConnectionString());
  program.setProcessEnvironment(environment);
  program.setWorkingDirectory(QString::fromStdString(home.path().string()));
  program.start(QStringLiteral(VINDARGAST_PROGRAM), {});
  ASSERT_TRUE(program.waitForStarted(5000));
  Stopped programStopped(program);

  QString titles;
  bool shown = false;
  // Waiting on the program itself, so that a program that ended is seen at once.
  for (int i = 0; i < 200 && !shown && program.state() == QProcess::Running; ++i) {
    titles = WindowTitles(display);
    shown = titles.contains(QStringLiteral("\"Vindargast 2"));
    if (!shown) program.waitForFinished(50);
  }
  EXPECT_TRUE(shown) << titles.toStdString() << program.readAllStandardError().toStdString();
  EXPECT_FALSE(titles.contains(QString::fromUtf8("\"Błąd\""))) << titles.toStdString();
  EXPECT_EQ(program.state(), QProcess::Running);
}

}  // namespace
