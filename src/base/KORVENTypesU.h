#pragma once

#include <QString>
#include <exception>

// The one error type of the system: it carries the French text shown to the user. Every event handler
// catches it at its boundary and shows Message; it never crosses the Qt event loop.
class EKorven : public std::exception {
public:
    explicit EKorven(QString message);
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};
