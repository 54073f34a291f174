#pragma once

#include <QProcess>
#include <QString>

// Another session of the tests' server that holds a lock for a while, as a backup run with --lock-tables
// would: the mariadb command-line client runs the given statements (LOCK TABLES ..., or a transaction that
// locks rows), says when it holds the lock, then sleeps for tenue seconds. The lock goes when the object
// does. A program that waits longer than that is not blocked for ever: it gets the lock in the end and its
// statement succeeds, which the test sees as a failure.
class VerrouExterne {
public:
    explicit VerrouExterne(const QString& instructions, int tenue = 20);
    ~VerrouExterne();
    VerrouExterne(const VerrouExterne&) = delete;
    VerrouExterne& operator=(const VerrouExterne&) = delete;

    // Whether the lock was taken; otherwise Erreurs says why.
    bool Tenu() const { return tenu_; }
    QString Erreurs() const { return erreurs_; }

private:
    QProcess client_;
    bool tenu_ = false;
    QString session_; // the holding session's connection id
    QString erreurs_;
};
