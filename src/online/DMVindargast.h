// The data module: the one connection to the remote producers' database. Creating it opens the
// connection; a database that cannot be reached is reported in the application's error box and
// the program goes on with the connection closed. The producer commands open it again each time.
#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <stdexcept>

// A database that cannot be reached; what() is the driver's own text.
class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TDM : public QObject {
 public:
  explicit TDM(QObject* parent = nullptr);
  ~TDM() override;

  // The connection's name in Qt's list of database connections.
  static const char* const kConnectionName;
  // A connection attempt fails after this many seconds, so that a start without a reachable
  // database is not held up longer.
  static constexpr int kConnectTimeoutSeconds = 5;

  // The ODBC connection string: the environment variable VINDARGAST_DB when it is set, else the
  // built-in default. The account's password never lives in the program: it comes with
  // VINDARGAST_DB or from the ODBC data source the string names.
  static QString ConnectionString();

  QSqlDatabase ADOConnection1;

  bool Connected() const { return ADOConnection1.isOpen(); }
  // Opens the connection (DatabaseError with the driver's text when that fails) or closes it.
  void SetConnected(bool connected);
};
