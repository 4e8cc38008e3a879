// The data module: the one connection to the remote producers' database. Creating it opens the
// connection; a database that cannot be reached is reported in the application's error box and
// the program goes on with the connection closed. The producer commands open it again each time.
#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQueryModel>
#include <QString>
#include <QStringList>
#include <stdexcept>

// A database that cannot be reached; what() is the driver's own text.
class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One read-only query of the data module and the data source the grids bind to. The producer's id
// is always passed as a bound parameter, never pasted into the statement. Opening reads every row
// at once, so that the grids and the export see the whole result.
class TQuery : public QSqlQueryModel {
 public:
  TQuery(const QSqlDatabase* connection, QString statement, bool hasId, QStringList priceFields,
         QObject* parent = nullptr);

  // The "ID" parameter: the producer's id.
  void SetId(int id) { id_ = id; }
  // Runs the statement (DatabaseError with the driver's text when that fails).
  void Open();
  void Close();
  bool Active() const { return active_; }
  const QString& Statement() const { return statement_; }

  // The field's plain text: numbers in the program's number texts, never the display format.
  QString FieldText(int row, const QString& field) const;
  // What a grid shows: prices in "#,##0.00 zł", the rest as plain text.
  QString DisplayText(int row, int column) const;

  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  const QSqlDatabase* connection_;
  QString statement_;
  bool hasId_;
  QStringList priceFields_;
  int id_ = 0;
  bool active_ = false;
};

// A price in the display format "#,##0.00 zł": thousands grouped, two decimals, then " zł".
QString PriceText(double value);

class TDM : public QObject {
 public:
  explicit TDM(QObject* parent = nullptr);
  ~TDM() override;

  // The connection's name in Qt's list of database connections.
  static const char* const kConnectionName;
  // A connection attempt, and a read or write of a query on an open connection, fails after this
  // many seconds, so that neither a start without a reachable database nor a server lost in the
  // middle of a session holds the program up longer.
  static constexpr int kConnectTimeoutSeconds = 5;

  // The ODBC connection string: the environment variable VINDARGAST_DB when it is set, else the
  // built-in default. The account's password never lives in the program: it comes with
  // VINDARGAST_DB or from the ODBC data source the string names.
  static QString ConnectionString();

  // Loads the ODBC driver manager and the driver the connection string names, with the libraries
  // they need, without connecting: the start runs it on a second thread (platform::Ahead) so that
  // the connection made at the module's creation finds them loaded. The connection waits for it
  // while it runs; a driver it cannot find is left for the connection to report.
  static void LoadDriverAhead();

  QSqlDatabase ADOConnection1;

  bool Connected() const { return ADOConnection1.isOpen(); }
  // Opens the connection (DatabaseError with the driver's text when that fails) or closes it.
  void SetConnected(bool connected);

  TQuery QryProducenci;
  TQuery QryKolektory;
  TQuery QryZasobniki;
  TQuery QrySterowniki;
  TQuery QryPompy;
  TQuery QryNaczynia;
  TQuery QryIzolacje;
  TQuery QryKonstrukcje;
  TQuery QryInfoProducent;
};
