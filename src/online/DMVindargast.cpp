#include "online/DMVindargast.h"

#include <dlfcn.h>

#include <QBrush>
#include <QColor>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <mutex>
#include <string>
#include <utility>

#include "engine/numtext.h"
#include "platform/guard.h"

namespace {

// The producers' database as deployed: MariaDB reached through its Unicode ODBC driver.
const char* const kDefaultConnectionString =
    "DRIVER={MariaDB Unicode};SERVER=localhost;PORT=3306;DATABASE=vindargast;UID=vindargast";

// The string with the driver's connect, read and write timeouts (unless it names its own): a
// server that stops answering, at the start or in the middle of a session, holds the program up
// no longer than the connect timeout. The driver takes a trailing ";" for an empty option it
// cannot parse, so the string ends without one.
QString WithTimeouts(QString string) {
  while (string.endsWith(';')) string.chop(1);
  const QString seconds = QString::fromStdString(General15(TDM::kConnectTimeoutSeconds));
  for (const char* option : {"CONN_TIMEOUT", "READ_TIMEOUT", "WRITE_TIMEOUT"}) {
    const QString name = QString::fromLatin1(option);
    if (!string.contains(name, Qt::CaseInsensitive)) string += ';' + name + '=' + seconds;
  }
  return string;
}

// The driver's text of a failure. A query on a connection the driver has found lost is refused
// without one (Qt only logs it), and an error box must never be blank.
std::string ErrorText(const QSqlError& error) {
  const QString text = error.text().trimmed();
  return text.isEmpty() ? std::string("Brak połączenia z bazą danych.") : text.toStdString();
}

}  // namespace

QString PriceText(double value) {
  CurrencyFormat format;
  format.symbol = "zł";
  format.thousandsSeparator = " ";
  format.positiveFormat = 3;
  format.negativeFormat = 8;
  return QString::fromStdString(CurrencyText(value, 18, format));
}

TQuery::TQuery(const QSqlDatabase* connection, QString statement, bool hasId,
               QStringList priceFields, QObject* parent)
    : QSqlQueryModel(parent),
      connection_(connection),
      statement_(std::move(statement)),
      hasId_(hasId),
      priceFields_(std::move(priceFields)) {}

void TQuery::Open() {
  Close();
  QSqlQuery query(*connection_);
  if (!query.prepare(statement_)) throw DatabaseError(ErrorText(query.lastError()));
  if (hasId_) query.bindValue(0, id_);
  if (!query.exec()) throw DatabaseError(ErrorText(query.lastError()));
  setQuery(std::move(query));
  while (canFetchMore()) fetchMore();
  if (lastError().isValid()) {
    const std::string text = ErrorText(lastError());
    Close();
    throw DatabaseError(text);
  }
  active_ = true;
}

void TQuery::Close() {
  clear();
  active_ = false;
}

namespace {

QString PlainText(const QVariant& value) {
  if (value.isNull()) return {};
  switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
      return QString::fromStdString(General15(value.toDouble()));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
      return QString::fromStdString(std::to_string(value.toLongLong()));
    default:
      return value.toString();
  }
}

}  // namespace

QString TQuery::FieldText(int row, const QString& field) const {
  return PlainText(record(row).value(field));
}

QString TQuery::DisplayText(int row, int column) const {
  const QSqlRecord r = record(row);
  const QVariant value = r.value(column);
  if (priceFields_.contains(r.fieldName(column)) && !value.isNull()) {
    bool ok = false;
    const double price = value.toDouble(&ok);
    if (ok) return PriceText(price);
  }
  return PlainText(value);
}

QVariant TQuery::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) return DisplayText(index.row(), index.column());
  // Record numbers 1, 3, 5, ... light grey, the even ones white.
  if (role == Qt::BackgroundRole)
    return QBrush(index.row() % 2 == 0 ? QColor(240, 240, 240) : QColor(Qt::white));
  if (role == Qt::ForegroundRole) return QBrush(Qt::black);
  if (role == Qt::TextAlignmentRole) return QVariant();
  return QSqlQueryModel::data(index, role);
}

const char* const TDM::kConnectionName = "ADOConnection1";

QString TDM::ConnectionString() {
  const QString configured = qEnvironmentVariable("VINDARGAST_DB");
  return configured.isEmpty() ? QString::fromUtf8(kDefaultConnectionString) : configured;
}

namespace {

// Held while the driver is loaded ahead and while a connection is made, so that the ODBC
// configuration is never read by both at once.
std::mutex& DriverLoading() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace

void TDM::LoadDriverAhead() {
  const std::lock_guard<std::mutex> lock(DriverLoading());
  // Loaded as the driver manager loads them (lazily, local symbols); the handles stay open, so
  // its own loads find the libraries there.
  constexpr int kFlags = RTLD_LAZY | RTLD_LOCAL;
  void* manager = dlopen("libodbc.so.2", kFlags);
  if (!manager) return;
  // A data source ("DSN=") is looked up by the driver manager itself at the connection.
  const QRegularExpressionMatch driver =
      QRegularExpression(QStringLiteral("(?:^|;)\\s*DRIVER\\s*=\\s*\\{([^}]*)\\}"),
                         QRegularExpression::CaseInsensitiveOption)
          .match(ConnectionString());
  if (!driver.hasMatch()) return;
  void* installer = dlopen("libodbcinst.so.2", kFlags);
  using ProfileString = int (*)(const char*, const char*, const char*, char*, int, const char*);
  const auto read =
      installer ? reinterpret_cast<ProfileString>(dlsym(installer, "SQLGetPrivateProfileString"))
                : nullptr;
  if (!read) return;
  char path[4096] = {};
  const QByteArray name = driver.captured(1).trimmed().toUtf8();
  if (read(name.constData(), "Driver", "", path, sizeof path, "ODBCINST.INI") <= 0 || !path[0])
    return;
  if (dlopen(path, kFlags) || path[0] == '/') return;
  // A bare file name is looked up by the driver manager in the "odbc" folder beside itself.
  char folder[4096] = {};
  if (dlinfo(manager, RTLD_DI_ORIGIN, folder) == 0)
    dlopen((std::string(folder) + "/odbc/" + path).c_str(), kFlags);
}

namespace {

const QString kPrice = QStringLiteral("cena");

}  // namespace

TDM::TDM(QObject* parent)
    : QObject(parent),
      ADOConnection1(QSqlDatabase::addDatabase(QStringLiteral("QODBC"), kConnectionName)),
      QryProducenci(&ADOConnection1,
                    "SELECT idProducent, nazwaProducenta FROM producenci WHERE oferta='1'", false,
                    {}),
      QryKolektory(
          &ADOConnection1,
          "SELECT typ, model, FORMAT(liniowyWskaznik,2) AS liniowyWskaznik, "
          "FORMAT(kwadratowyWskaznik,3) AS kwadratowyWskaznik, "
          "FORMAT(sprawnoscOptyczna,1) AS sprawnoscOptyczna, "
          "FORMAT(jednNatezenie,2) AS jednNatezenie, FORMAT(jednSpadek,2) AS jednSpadek, "
          "FORMAT(pojAbsorbera,2) AS pojAbsorbera, FORMAT(powEfektywna,2) AS powEfektywna, "
          "cena FROM kolektor WHERE idProducent=?",
          true, {kPrice}),
      QryZasobniki(&ADOConnection1,
                   "SELECT model, rodzaj, FORMAT(pojemnoscZasobnika,2) AS pojemnoscZasobnika, "
                   "FORMAT(stratyCisnienia,2) AS stratyCisnienia, "
                   "FORMAT(pojWymienikaSolarnego,2) AS pojWymienikaSolarnego, maxTempWody, "
                   "maxCisnieniePracy, wysokoscZasobnika, srednicaZasobnika, gruboscIzolacji, cena "
                   "FROM zasobnik WHERE idProducent=?",
                   true, {kPrice}),
      QrySterowniki(&ADOConnection1,
                    "SELECT oznaczenie, liczbaZasobnikow, zastosowanieCWCCO, programProgTemp, "
                    "ochronaPrzedPrzegrzaniem, liczbaCzujnikowTemp, liczbaObiegow, liczbaWyjsc, "
                    "czujnikTemp, cena FROM sterownikisolarne WHERE idProducent=?",
                    true, {kPrice}),
      QryPompy(&ADOConnection1,
               "SELECT model, maxWysokoscPodnoszenia, liczbaZaworowOdc, cisnienieReakcjiZaworu, "
               "zakresRegulacji, cena, certyfikat FROM pompy WHERE idProducent=?",
               true, {kPrice}),
      QryNaczynia(&ADOConnection1,
                  "SELECT model, dopTempPracy, FORMAT(dopCisnPracy,2) AS dopCisnPracy, "
                  "FORMAT(cisnienieWstepne,2) AS cisnienieWstepne, pojemnosc, cena "
                  "FROM naczynie WHERE idProducent=?",
                  true, {kPrice}),
      QryIzolacje(&ADOConnection1,
                  "SELECT symbol, material, FORMAT(wspPrzenikaniaCiepla,3) AS "
                  "wspPrzenikaniaCiepla, dopTempPracy, strona_www, opis FROM izolacja "
                  "WHERE idProducent=?",
                  true, {}),
      QryKonstrukcje(&ADOConnection1,
                     "SELECT model, liczba_kolektorow, typ_kolektora, nachylenie, nosnosc, montaz, "
                     "typ_pokrycia_dachu, cena FROM konstrukcje_wsporcze WHERE id_producent=?",
                     true, {kPrice}),
      QryInfoProducent(&ADOConnection1,
                       "SELECT nazwaProducenta, telKomorkowy, telStacjonarny, osobaKontaktowa, "
                       "email, stronaWWW, cennik FROM producenci WHERE idProducent=?",
                       true, {}) {
  ADOConnection1.setDatabaseName(WithTimeouts(ConnectionString()));
  // The connection is kept open from the start: creating the module connects.
  platform::RunGuarded([this] { SetConnected(true); });
}

TDM::~TDM() {
  for (TQuery* query : {&QryProducenci, &QryKolektory, &QryZasobniki, &QrySterowniki, &QryPompy,
                        &QryNaczynia, &QryIzolacje, &QryKonstrukcje, &QryInfoProducent})
    query->Close();
  ADOConnection1.close();
  ADOConnection1 = QSqlDatabase();
  QSqlDatabase::removeDatabase(kConnectionName);
}

void TDM::SetConnected(bool connected) {
  if (!connected) {
    QryProducenci.Close();
    ADOConnection1.close();
    return;
  }
  if (ADOConnection1.isOpen()) return;
  const std::lock_guard<std::mutex> lock(DriverLoading());
  if (!ADOConnection1.open()) throw DatabaseError(ErrorText(ADOConnection1.lastError()));
}
