#include "online/DMVindargast.h"

#include <QSqlError>

#include "engine/numtext.h"
#include "platform/guard.h"

namespace {

// The producers' database as deployed: MariaDB reached through its Unicode ODBC driver.
const char* const kDefaultConnectionString =
    "DRIVER={MariaDB Unicode};SERVER=localhost;PORT=3306;DATABASE=vindargast;UID=vindargast";

// The string with the driver's connect timeout (unless it names one of its own). The driver
// takes a trailing ";" for an empty option it cannot parse, so the string ends without one.
QString WithConnectTimeout(QString string) {
  while (string.endsWith(';')) string.chop(1);
  if (!string.contains(QStringLiteral("CONN_TIMEOUT"), Qt::CaseInsensitive)) {
    string += QStringLiteral(";CONN_TIMEOUT=") +
              QString::fromStdString(General15(TDM::kConnectTimeoutSeconds));
  }
  return string;
}

}  // namespace

const char* const TDM::kConnectionName = "ADOConnection1";

QString TDM::ConnectionString() {
  const QString configured = qEnvironmentVariable("VINDARGAST_DB");
  return configured.isEmpty() ? QString::fromUtf8(kDefaultConnectionString) : configured;
}

TDM::TDM(QObject* parent) : QObject(parent) {
  ADOConnection1 = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), kConnectionName);
  ADOConnection1.setDatabaseName(WithConnectTimeout(ConnectionString()));
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
