#include "online/DMVindargast.h"

#include <QSqlError>

#include "platform/guard.h"

namespace {

// The producers' database as deployed: MariaDB reached through its Unicode ODBC driver.
const char* const kDefaultConnectionString =
    "DRIVER={MariaDB Unicode};SERVER=localhost;PORT=3306;DATABASE=vindargast;UID=vindargast;";

}  // namespace

const char* const TDM::kConnectionName = "ADOConnection1";

QString TDM::ConnectionString() {
  const QString configured = qEnvironmentVariable("VINDARGAST_DB");
  return configured.isEmpty() ? QString::fromUtf8(kDefaultConnectionString) : configured;
}

TDM::TDM(QObject* parent) : QObject(parent) {
  ADOConnection1 = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), kConnectionName);
  ADOConnection1.setDatabaseName(ConnectionString());
  ADOConnection1.setConnectOptions(QStringLiteral("SQL_ATTR_LOGIN_TIMEOUT=") +
                                   QString::fromStdString(std::to_string(kConnectTimeoutSeconds)));
  // The connection is kept open from the start: creating the module connects.
  platform::RunGuarded([this] { SetConnected(true); });
}

TDM::~TDM() {
  ADOConnection1.close();
  ADOConnection1 = QSqlDatabase();
  QSqlDatabase::removeDatabase(kConnectionName);
}

void TDM::SetConnected(bool connected) {
  if (!connected) {
    ADOConnection1.close();
    return;
  }
  if (ADOConnection1.isOpen()) return;
  if (!ADOConnection1.open()) throw DatabaseError(ADOConnection1.lastError().text().toStdString());
}
