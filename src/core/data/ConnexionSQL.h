#pragma once

#include "base/KORVENTypesU.h"
#include "base/ValeursConnexion.h"

#include <QObject>
#include <QSqlDatabase>
#include <QStringList>

// One connection to the MySQL server, configured by a list of "name=value" lines. The names are matched
// without regard to case: hostname, database, user_name, port, password, drivername. Whoever configures the
// connection closes it, empties the list and adds exactly the lines it needs.
//
// The connection opens when a statement needs it and then stays open. Database errors are raised as EKorven
// carrying the server's own text.
//
// Opening checks the values first: the host must be a host name or an address and the port a number from 1
// to 65535, or nothing is sent to the client library (EKorven names the bad value). The session is made by
// the program's own driver (TPiloteMariaDB), encrypted as Securite asks before the login is sent; it then
// waits at most AttenteVerrous seconds for a lock held by another session and DelaiReponse seconds for the
// server to answer.
class TSQLConnection : public QObject {
    Q_OBJECT
public:
    // nomConnexion names the underlying Qt connection; it must be unique in the process.
    TSQLConnection(const QString& objectName, const QString& nomConnexion, QObject* parent);
    ~TSQLConnection() override;

    QStringList Params;
    // Encryption (TLS): kept when the parameter lines are replaced, which never name it.
    TSecuriteConnexion Securite;

    // Longest wait, in seconds, for a table or row lock held by another session (a backup that locks the
    // tables, say), set on every session as it opens: the server's own default is a day, during which the
    // window would not answer. Tests lower it.
    static inline int AttenteVerrous = 60;
    // Longest wait, in seconds, for the server to answer or to take what is sent, set on every session as it
    // opens: a server or a network that accepts the connection and then stops answering ends the statement
    // with an error instead of holding the program for good. Well above the longest statement of a year's
    // change at 50,000 students (1.5 s on a test machine) after the longest lock wait above. Tests lower it.
    static inline int DelaiReponse = 300;

    void Open();
    void Close();
    bool Connected() const;
    // Connected = true opens, false closes (the connect/disconnect switch).
    void SetConnected(bool connecte);

    // The open database, opened on demand.
    QSqlDatabase Base();

    // The value of a parameter line, "" when absent.
    QString Param(const QString& nom) const;

    // Transaction state, kept here because the driver does not report it.
    bool InTransaction() const { return enTransaction_; }
    void BeginTransaction();
    void Commit();
    void Rollback();

private:
    QString nomConnexion_;
    bool enTransaction_ = false;
};

// The text of a database error as the server words it, or the driver's when the server said nothing.
class QSqlError;
QString TexteErreur(const QSqlError& erreur);
// The error to raise for it: that text, with the server's error number.
EKorven ErreurBase(const QSqlError& erreur);
