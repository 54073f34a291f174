#pragma once

#include "core/data/OuvertureMariaDB.h"

#include <QSqlDriver>
#include <QSqlError>

struct st_mysql;

// The program's Qt SQL driver, over MariaDB Connector/C. Its session is opened by OuvrirMariaDB with the
// settings of Reglages, so that encryption, the server's certificate, the port and the timeouts are in
// force before anything is sent; the database's host, port, account and database name complete them.
//
// Statements are sent as text. Named parameters (":nom") are put into the text by Qt's own placeholder
// handling, each value written by formatValue: text escaped by the client library for the session's
// character set and SQL mode, bytes as a hexadecimal literal, nothing the value holds read as SQL. A result
// is fetched whole when the statement runs (its size is known, its rows read forward or at will), with the
// value types Qt's MySQL driver gives for each column type. A failure carries the server's text and its
// error number (nativeErrorCode).
class TPiloteMariaDB : public QSqlDriver {
    Q_OBJECT
public:
    explicit TPiloteMariaDB(QObject* parent = nullptr);
    ~TPiloteMariaDB() override;

    TReglagesMariaDB Reglages;

    bool hasFeature(DriverFeature fonction) const override;
    // options is not read: the settings are those of Reglages.
    bool open(const QString& base, const QString& utilisateur, const QString& motDePasse, const QString& hote,
              int port, const QString& options) override;
    void close() override;
    QSqlResult* createResult() const override;
    bool beginTransaction() override;
    bool commitTransaction() override;
    bool rollbackTransaction() override;
    QString formatValue(const QSqlField& champ, bool rogner = false) const override;
    QString escapeIdentifier(const QString& identifiant, IdentifierType type) const override;

    // The open session, nullptr when closed.
    st_mysql* Session() const { return mysql_; }
    // The session's last failure: quoi as the driver's text, the server's (or the library's) text and number.
    // A session lost while waiting for the server says so in French first, with the delay it waited.
    QSqlError Erreur(const QString& quoi, QSqlError::ErrorType type) const;

private:
    bool Transaction(const char* instruction, const QString& quoi);

    st_mysql* mysql_ = nullptr;
};
