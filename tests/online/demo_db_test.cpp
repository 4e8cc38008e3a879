// The demo producers' database exactly as tools/run starts it (tools/demo-db): only the user who
// started it reaches it, its server reads and writes no file outside an empty folder of its own,
// and the producers' window lists the demo producers through the connection string it gives.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/windows.h"
#include "online/DMVindargast.h"
#include "online/producent.h"
#include "qt_app.h"
#include "temp_dir.h"

namespace {

namespace fs = std::filesystem;

// Runs tools/demo-db; its output is the connection string, its errors go to the test's log.
struct DemoDbRun {
  int exitCode = -1;
  QString output;
  QString errors;
};

DemoDbRun RunDemoDb(const QString& command, const fs::path& dir) {
  QProcess process;
  process.start(QStringLiteral(VINDARGAST_TOOLS "/demo-db"),
                {command, QString::fromStdString(dir.string())});
  DemoDbRun run;
  // A first start creates and seeds the database.
  if (!process.waitForFinished(180000)) {
    process.kill();
    process.waitForFinished(5000);
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.output = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
  run.errors = QString::fromUtf8(process.readAllStandardError());
  return run;
}

// The demo database in a folder, stopped when the test ends (also when an assertion ends it).
class DemoDb {
 public:
  explicit DemoDb(fs::path dir) : dir_(std::move(dir)) {}
  ~DemoDb() { Stop(); }
  DemoDb(const DemoDb&) = delete;
  DemoDb& operator=(const DemoDb&) = delete;

  // The connection string it gives, empty when it did not start.
  QString Start() {
    const DemoDbRun run = RunDemoDb(QStringLiteral("start"), dir_);
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    return run.exitCode == 0 ? run.output : QString();
  }
  void Stop() {
    const DemoDbRun run = RunDemoDb(QStringLiteral("stop"), dir_);
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
  }
  const fs::path& Dir() const { return dir_; }

 private:
  fs::path dir_;
};

// The TCP addresses a process listens on, as `ss -ltnp` finds them: those of its sockets
// (/proc/PID/fd) that /proc/net/tcp and tcp6 list as listening. socketsSeen counts its sockets,
// so that a process whose sockets cannot be read does not pass for one without listeners.
std::vector<std::string> TcpListeners(const std::string& pid, int& socketsSeen) {
  std::set<std::string> inodes;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator("/proc/" + pid + "/fd", error)) {
    const std::string target = fs::read_symlink(entry.path(), error).string();
    if (target.rfind("socket:[", 0) == 0) inodes.insert(target.substr(8, target.size() - 9));
  }
  socketsSeen = int(inodes.size());
  std::vector<std::string> listeners;
  for (const char* table : {"/proc/net/tcp", "/proc/net/tcp6"}) {
    std::ifstream in(table);
    std::string line;
    std::getline(in, line);  // the heading
    while (std::getline(in, line)) {
      std::istringstream fields(line);
      std::string slot, local, remote, state, queues, timer, retransmits, uid, timeout, inode;
      fields >> slot >> local >> remote >> state >> queues >> timer >> retransmits >> uid >>
          timeout >> inode;
      if (state == "0A" && inodes.count(inode)) listeners.push_back(local);
    }
  }
  return listeners;
}

std::string ServerPid(const fs::path& dir) {
  std::ifstream in(dir / "mysqld.pid");
  std::string pid;
  in >> pid;
  return pid;
}

// The data module and the producers' window over the demo database, as start-up creates them.
class DemoDbTest : public testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    // A folder others may enter, as a build tree is: only the demo database's own keeps them out.
    fs::permissions(home_.path(), fs::perms::owner_all | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read |
                                      fs::perms::others_exec);
  }
  void TearDown() override { Disconnect(); }

  // Connects the data module as the program does, through the connection string given.
  void Connect(const QString& connection) {
    qputenv("VINDARGAST_DB", connection.toUtf8());
    dm_ = std::make_unique<TDM>();
    DM = dm_.get();
    producers_ = std::make_unique<TWinProducenci>();
    WinProducenci = producers_.get();
  }
  void Disconnect() {
    WinProducenci = nullptr;
    DM = nullptr;
    producers_.reset();
    dm_.reset();
    qunsetenv("VINDARGAST_DB");
  }

  // The producers the producers' window lists.
  QStringList ListedProducers() {
    producers_->show();
    producers_->BitBtn1Click();
    const QAbstractItemModel* model = producers_->ui().DBGrid1->model();
    QStringList names;
    for (int r = 0; r < model->rowCount(); ++r) names << model->index(r, 1).data().toString();
    producers_->close();
    return names;
  }

  std::string Value(const QString& statement) {
    QSqlQuery query(dm_->ADOConnection1);
    if (!query.exec(statement) || !query.next()) return "(failed)";
    return query.value(0).toString().toStdString();
  }

  TempDir home_;
  std::unique_ptr<TDM> dm_;
  std::unique_ptr<TWinProducenci> producers_;
};

const QStringList kDemoProducers = {
    QString::fromUtf8("Promienny Dom"),       QString::fromUtf8("Bursztynowe Słońce"),
    QString::fromUtf8("Kalorynka"),           QString::fromUtf8("Wrzosowe Ciepło"),
    QString::fromUtf8("Sowia Elektronika"),   QString::fromUtf8("Jastrzębiec Hydraulika"),
    QString::fromUtf8("Lechmembran"),         QString::fromUtf8("Otulina Północ"),
    QString::fromUtf8("Stelaże Karkonoskie"), QString::fromUtf8("Nadwarta Technika Grzewcza")};

TEST_F(DemoDbTest, OnlyItsUserReachesItAndItsServerTouchesNoFileOutsideItsFolder) {
  DemoDb db(home_.path() / "build" / "demo-db");
  const QString connection = db.Start();
  ASSERT_FALSE(connection.isEmpty());
  Connect(connection);
  ASSERT_TRUE(dm_->Connected()) << connection.toStdString();

  // No TCP listener: nothing on the machine reaches it by a port.
  const std::string pid = ServerPid(db.Dir());
  ASSERT_FALSE(pid.empty());
  int sockets = 0;
  const std::vector<std::string> listeners = TcpListeners(pid, sockets);
  EXPECT_GT(sockets, 0);
  EXPECT_TRUE(listeners.empty()) << "listens on " << listeners.front();

  // Its socket lies in a folder only its user may enter.
  const QString socket = QString::fromStdString(Value(QStringLiteral("SELECT @@socket")));
  EXPECT_TRUE(socket.startsWith(QString::fromStdString(db.Dir().string()) + '/'))
      << socket.toStdString();
  struct stat folder {};
  ASSERT_EQ(::stat(db.Dir().c_str(), &folder), 0);
  EXPECT_EQ(folder.st_mode & 07777, 0700u);
  EXPECT_EQ(folder.st_uid, ::geteuid());
  // Root enters any folder; another user is then tried for real.
  const QString switchUser = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
  const QString client = QStandardPaths::findExecutable(QStringLiteral("mariadb"));
  if (::geteuid() == 0 && !switchUser.isEmpty() && !client.isEmpty()) {
    QProcess other;
    other.start(switchUser, {"--reuid=65534", "--regid=65534", "--clear-groups", client,
                             "--no-defaults", "--socket=" + socket, "-e", "SELECT 1"});
    ASSERT_TRUE(other.waitForFinished(30000));
    EXPECT_NE(other.exitCode(), 0) << "another user got in";
  }

  // Files outside the server's own folder are neither written nor read, by a statement of the
  // server or one that would have the client send them.
  const std::string secret = home_.Write("secret.txt", "tajne\n");
  const QString outfile = QString::fromStdString(home_.File("outfile.txt"));
  const QString dumpfile = QString::fromStdString(home_.File("dumpfile.txt"));
  QSqlQuery query(dm_->ADOConnection1);
  ASSERT_TRUE(query.exec(QStringLiteral("CREATE TEMPORARY TABLE loaded (line TEXT)")))
      << query.lastError().text().toStdString();
  const QString refused[] = {
      "SELECT 'x' INTO OUTFILE '" + outfile + "'",
      "SELECT 'x' INTO DUMPFILE '" + dumpfile + "'",
      "LOAD DATA INFILE '" + QString::fromStdString(secret) + "' INTO TABLE loaded",
      "LOAD DATA LOCAL INFILE '" + QString::fromStdString(secret) + "' INTO TABLE loaded",
  };
  for (const QString& statement : refused)
    EXPECT_FALSE(query.exec(statement)) << statement.toStdString();
  EXPECT_FALSE(fs::exists(outfile.toStdString()));
  EXPECT_FALSE(fs::exists(dumpfile.toStdString()));
  EXPECT_EQ(Value(QStringLiteral("SELECT COUNT(*) FROM loaded")), "0");
  EXPECT_EQ(Value("SELECT LOAD_FILE('" + QString::fromStdString(secret) + "') IS NULL"), "1");

  EXPECT_EQ(ListedProducers(), kDemoProducers);
}

TEST_F(DemoDbTest, StartsAgainOnTheDatabaseOfAnEarlierStartAndOnceAtATime) {
  DemoDb db(home_.path() / "build" / "demo-db");
  ASSERT_FALSE(db.Start().isEmpty());
  // A second start while it runs is refused and leaves it running.
  EXPECT_NE(RunDemoDb(QStringLiteral("start"), db.Dir()).exitCode, 0);
  const std::string pid = ServerPid(db.Dir());
  EXPECT_TRUE(fs::exists("/proc/" + pid));
  db.Stop();
  EXPECT_FALSE(fs::exists("/proc/" + pid));
  // The folder as an older tools/run left it: open to others, without the server's file folder.
  fs::permissions(db.Dir(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                fs::perms::others_read | fs::perms::others_exec);
  fs::remove_all(db.Dir() / "files");

  const QString connection = db.Start();
  ASSERT_FALSE(connection.isEmpty());
  struct stat folder {};
  ASSERT_EQ(::stat(db.Dir().c_str(), &folder), 0);
  EXPECT_EQ(folder.st_mode & 07777, 0700u);
  Connect(connection);
  ASSERT_TRUE(dm_->Connected()) << connection.toStdString();
  const QString outside = QString::fromStdString(home_.File("written.txt"));
  QSqlQuery query(dm_->ADOConnection1);
  EXPECT_FALSE(query.exec("SELECT 'x' INTO OUTFILE '" + outside + "'"));
  EXPECT_FALSE(fs::exists(outside.toStdString()));
  EXPECT_EQ(ListedProducers(), kDemoProducers);
}

}  // namespace
