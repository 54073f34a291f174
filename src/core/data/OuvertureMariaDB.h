#pragma once

#include "base/ValeursConnexion.h"

#include <QString>

struct st_mysql;

// What a session with the server is opened with. Every setting reaches the client library before it sends a
// byte, so that a connection that would not be as configured never carries the login.
struct TReglagesMariaDB {
    TSecuriteConnexion Securite;
    // Seconds to reach the server and finish the handshake.
    int DelaiConnexion = 10;
    // Seconds the session waits for the server to answer, or to take what it sends; 0: no bound.
    int DelaiReponse = 0;
};

struct TParametresMariaDB {
    // A host name or an address, already checked (HoteServeur, PortServeur).
    QString Hote;
    int Port = 0;
    QString Utilisateur;
    QString MotDePasse;
    QString Base;
    TReglagesMariaDB Reglages;
};

// Why a session could not be opened: the client library's or the server's text and number, or the program's
// own reason (number 2026, the library's number for a TLS failure, when it is about encryption).
struct TEchecMariaDB {
    QString Texte;
    unsigned int Code = 0;
};

// Opens a session over TCP to the configured port (a host named localhost included), in utf8mb4, with the
// timeouts given, never reading option files and never sending a file of the workstation the server asks
// for (LOAD DATA LOCAL). Encryption:
//   - nothing asked: TLS whenever the server offers it, in clear otherwise;
//   - Exiger: a server whose greeting does not offer TLS, or does not let the program check that TLS is in
//     place before the login goes, is left before the login is sent;
//   - an authority: moreover the server's certificate must be signed by it and name the configured host.
// Whatever the mode, the sign-in follows only methods that never send the password itself (the server's
// asking for another one ends the session).
// Returns the handle, owned by the caller (mysql_close), or nullptr with the reason in echec.
st_mysql* OuvrirMariaDB(const TParametresMariaDB& parametres, TEchecMariaDB& echec);

// The reason given when the server does not offer the encryption the configuration demands.
inline const QString MessageTlsExige =
    QStringLiteral("Le serveur ne chiffre pas la connexion (TLS), ce que la configuration exige.");

// The reason given when the server's greeting does not let the program check that the connection is
// encrypted before the login is sent (no sign-in methods announced), though the configuration demands it.
inline const QString MessageTlsInverifiable = QStringLiteral(
    "Le serveur ne permet pas de vérifier que la connexion est chiffrée (TLS) avant l'envoi de "
    "l'identifiant, ce que la configuration exige.");

// The reason given when the server asks for a sign-in method that would send the password itself.
inline const QString MessageMethodeRefusee =
    QStringLiteral("Le serveur demande une méthode d'authentification qui lui enverrait le mot de passe en "
                   "clair : la connexion est refusée. Le compte doit utiliser mysql_native_password ou "
                   "ed25519.");
