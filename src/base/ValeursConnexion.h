#pragma once

#include <QString>

// The connection values of the configuration file, checked before they reach the client library. The MySQL
// client reads a host that holds "=" or ";" as a string of connection options (commands to run, libraries to
// load), and reads an out-of-range port modulo 65536: only plain values go through.

// The host to give the client library for the configured server: a host name (letters, digits, "-" and "_"
// in dot-separated labels, the last one not all digits), an IPv4 address in four decimal parts without
// leading zeros, or an IPv6 address in square brackets (returned without them). Raises EKorven naming the
// value otherwise, the empty value included.
QString HoteServeur(const QString& serveur);

// The configured port as a number from 1 to 65535 (decimal digits only). Raises EKorven naming the value
// otherwise, the empty value included.
int PortServeur(const QString& port);

// Encryption of the connection (TLS), from the optional keys "tls" and "tls_ca" of the configuration file.
// Without them the connection is encrypted whenever the server offers it and stays in clear otherwise.
struct TSecuriteConnexion {
    // A connection the server does not encrypt is refused.
    bool Exiger = false;
    // PEM file of the authority that signed the server's certificate: the certificate is checked against it
    // (a server without TLS is then refused too). Empty: the certificate is not checked.
    QString AutoriteCertification;

    bool operator==(const TSecuriteConnexion&) const = default;
};

// The plain values of the keys: tls is "", "prefer" or "require" (any letter case); tls_ca a file name
// (naming one requires TLS). Raises EKorven for another tls value.
TSecuriteConnexion SecuriteConnexion(const QString& tls, const QString& autoriteCertification);

inline const QString CleTls = QStringLiteral("tls");
inline const QString CleTlsAutorite = QStringLiteral("tls_ca");
inline const QString TlsExige = QStringLiteral("require");
inline const QString TlsPrefere = QStringLiteral("prefer");
