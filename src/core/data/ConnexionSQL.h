#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QStringList>

// One connection to the MySQL server, configured by a list of "name=value" lines. The names are matched
// without regard to case: hostname, database, user_name, port, password, drivername. Whoever configures the
// connection closes it, empties the list and adds exactly the lines it needs.
//
// The connection opens when a statement needs it and then stays open. Database errors are raised as EKorven
// carrying the server's own text.
class TSQLConnection : public QObject {
    Q_OBJECT
public:
    // nomConnexion names the underlying Qt connection; it must be unique in the process.
    TSQLConnection(const QString& objectName, const QString& nomConnexion, QObject* parent);
    ~TSQLConnection() override;

    QStringList Params;

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
