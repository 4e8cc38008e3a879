// The data module's connection to the producers' database: against a real MariaDB server on
// 127.0.0.1, and against addresses where no database answers.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QByteArray>
#include <QSqlQuery>
#include <QTcpServer>
#include <QVariant>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "mariadb_server.h"
#include "online/DMVindargast.h"
#include "platform/message_box.h"
#include "qt_app.h"
#include "recording_dialogs.h"

namespace {

// Sets VINDARGAST_DB for the test's scope (unset when value is empty) and restores it after.
class ScopedConnectionString {
 public:
  explicit ScopedConnectionString(const QString& value)
      : previous_(qEnvironmentVariableIsSet("VINDARGAST_DB")
                      ? std::optional<QByteArray>(qgetenv("VINDARGAST_DB"))
                      : std::nullopt) {
    if (value.isEmpty()) {
      qunsetenv("VINDARGAST_DB");
    } else {
      qputenv("VINDARGAST_DB", value.toUtf8());
    }
  }
  ~ScopedConnectionString() {
    if (previous_) {
      qputenv("VINDARGAST_DB", *previous_);
    } else {
      qunsetenv("VINDARGAST_DB");
    }
  }

 private:
  std::optional<QByteArray> previous_;
};

void ExpectConnectionFailureBox(const RecordingDialogs& recorded) {
  ASSERT_EQ(recorded.boxes.size(), 1u);
  const platform::BoxRequest& box = recorded.boxes[0];
  EXPECT_EQ(box.title, platform::kApplicationTitle);
  EXPECT_EQ(box.icon, platform::Icon::Stop);
  EXPECT_EQ(box.buttons, platform::Buttons::Ok);
  EXPECT_TRUE(box.text.contains("connect", Qt::CaseInsensitive)) << box.text.toStdString();
}

class DataModuleTest : public testing::Test {
 protected:
  void SetUp() override { EnsureApplication(); }
};

TEST_F(DataModuleTest, ConnectionStringIsTheDefaultUnlessTheEnvironmentNamesOne) {
  {
    ScopedConnectionString unset(QString{});
    const QString string = TDM::ConnectionString();
    EXPECT_TRUE(string.startsWith("DRIVER={MariaDB Unicode};")) << string.toStdString();
    EXPECT_FALSE(string.contains("PWD", Qt::CaseInsensitive));
    EXPECT_FALSE(string.contains("Password", Qt::CaseInsensitive));
  }
  const QString configured = "DRIVER={MariaDB Unicode};SERVER=db.example;UID=u;PWD=p;";
  ScopedConnectionString set(configured);
  EXPECT_EQ(TDM::ConnectionString(), configured);
}

// Creating the module connects; the connection reads Polish text through the Unicode driver and
// can be closed and opened again, as the producer commands do.
TEST_F(DataModuleTest, ConnectsToARealServerAtCreation) {
  MariaDbServer server;
  ASSERT_TRUE(server.Ready());
  // A string ending in ";" (the driver cannot parse that) connects all the same.
  ScopedConnectionString configured(server.ConnectionString() + ";");
  RecordingDialogs recorded;

  TDM dm;
  for (const auto& box : recorded.boxes) ADD_FAILURE() << box.text.toStdString();
  ASSERT_TRUE(dm.Connected());
  EXPECT_EQ(dm.ADOConnection1.driverName(), "QODBC");
  EXPECT_EQ(dm.ADOConnection1.connectionName(), TDM::kConnectionName);
  {
    QSqlQuery query(dm.ADOConnection1);
    ASSERT_TRUE(query.exec(QString::fromUtf8("SELECT 'Zażółć gęślą jaźń', DATABASE()")));
    ASSERT_TRUE(query.next());
    EXPECT_EQ(query.value(0).toString(), QString::fromUtf8("Zażółć gęślą jaźń"));
    EXPECT_EQ(query.value(1).toString(), MariaDbServer::kDatabase);
  }

  dm.SetConnected(false);
  EXPECT_FALSE(dm.Connected());
  dm.SetConnected(true);
  EXPECT_TRUE(dm.Connected());
  EXPECT_TRUE(recorded.boxes.empty());
}

// Nothing listens at the address: the error box shows the driver's text, start-up goes on with
// the connection closed, and opening again raises the error for the caller to catch.
TEST_F(DataModuleTest, AnUnreachableDatabaseIsReportedAndCreationGoesOn) {
  const int closedPort = MariaDbServer::FreePort();
  ScopedConnectionString configured(QString::fromStdString(
      "DRIVER={MariaDB Unicode};SERVER=127.0.0.1;PORT=" + std::to_string(closedPort) +
      ";DATABASE=vindargast;UID=vindargast"));
  RecordingDialogs recorded;

  auto dm = std::make_unique<TDM>();
  ExpectConnectionFailureBox(recorded);
  EXPECT_FALSE(dm->Connected());
  EXPECT_THROW(dm->SetConnected(true), DatabaseError);
  EXPECT_EQ(recorded.boxes.size(), 1u);
}

// A server that takes the connection but never answers must not hold the start up: the attempt
// ends at the connect timeout with the error box (without the timeout this test would hang).
TEST_F(DataModuleTest, ASilentServerEndsInTheErrorBoxAtTheConnectTimeout) {
  QTcpServer silent;
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost, 0));
  ScopedConnectionString configured(QString::fromStdString(
      "DRIVER={MariaDB Unicode};SERVER=127.0.0.1;PORT=" + std::to_string(silent.serverPort()) +
      ";DATABASE=vindargast;UID=vindargast"));
  RecordingDialogs recorded;

  TDM dm;
  ExpectConnectionFailureBox(recorded);
  EXPECT_FALSE(dm.Connected());
}

// The start loads the driver on a second thread while the windows before the data module are
// made; however far that load has come when the module connects, the connection ends as it would
// without it: connected to a real server, the error box for a missing driver or data source.
TEST_F(DataModuleTest, TheDriverLoadedAheadLeavesEveryConnectionAsItWas) {
  MariaDbServer server;
  ASSERT_TRUE(server.Ready());
  struct Case {
    QString connection;
    bool connects;
  };
  const std::vector<Case> cases = {
      {server.ConnectionString(), true},
      {QStringLiteral("DRIVER={No Such Driver};SERVER=127.0.0.1;PORT=1"), false},
      {QStringLiteral("DSN=NoSuchDataSource"), false},
      {QStringLiteral("SERVER=127.0.0.1;PORT=1"), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.connection.toStdString());
    ScopedConnectionString configured(c.connection);
    RecordingDialogs recorded;
    std::thread ahead(&TDM::LoadDriverAhead);
    auto dm = std::make_unique<TDM>();
    ahead.join();
    EXPECT_EQ(dm->Connected(), c.connects);
    if (c.connects) {
      EXPECT_TRUE(recorded.boxes.empty());
      QSqlQuery query(dm->ADOConnection1);
      ASSERT_TRUE(query.exec(QStringLiteral("SELECT DATABASE()")));
      ASSERT_TRUE(query.next());
      EXPECT_EQ(query.value(0).toString(), MariaDbServer::kDatabase);
    } else {
      ExpectConnectionFailureBox(recorded);
    }
  }
  // What was loaded ahead stays loaded: the driver manager's own load finds it.
  EXPECT_NE(dlopen("libodbc.so.2", RTLD_LAZY | RTLD_NOLOAD), nullptr);
}

}  // namespace
