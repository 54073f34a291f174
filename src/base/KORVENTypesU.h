#pragma once

#include <QString>
#include <exception>

// The one error type of the system: it carries the French text shown to the user. Every event handler
// catches it at its boundary and shows Message; it never crosses the Qt event loop. An error the database
// server raised also carries the server's error number, for whoever must tell one refusal from another.
class EKorven : public std::exception {
public:
    explicit EKorven(QString message, int codeServeur = 0);
    const QString& Message() const { return message_; }
    // The server's error number (1062 a duplicate key, 1213 a deadlock...); 0 when the server raised none.
    int CodeServeur() const { return codeServeur_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
    int codeServeur_ = 0;
};
