#pragma once

#include "base/ValeursConnexion.h"

#include <QString>
#include <QThread>

class TOBDataModule;

// The start-up check, without a window: reads the configuration file, configures and tests the master
// connection, finds the one active year in annee_scolaire, configures and tests the year connection. The
// login window runs it once, copies the values it found into the wizard and shows its message.

enum class TIssueDemarrage {
    // Both connections are configured (and closed again); the login window waits for the user.
    Reussi,
    // Message is shown, then the application ends in failure: the configuration, the server or the master
    // table does not allow a sign-in (a statement on the master table that fails, a lock held past the wait,
    // a server that stops answering included).
    Fatal,
};

struct TDemarrage {
    TIssueDemarrage Issue = TIssueDemarrage::Reussi;
    // The error box's text; empty when the check succeeded.
    QString Message;

    // The values found, as far as the check went (empty beyond the point where it stopped).
    // The configuration file's values, decrypted.
    QString BDKorven, ServeurKorven, PortKorven, UtilisateurKorven, MotDePasseKorven;
    // The active year.
    QString AnneeCourante, NomEtablissement;
    // The year database: the same server and account as the master database.
    QString Serveur, Port, Utilisateur, MotDePasse, BaseDeDonnees;
    // The encryption both connections ask for (the file's keys tls and tls_ca).
    TSecuriteConnexion Securite;
};

// Runs the check on the data module's connections with the configuration file at cheminConfiguration. The
// optional keys tls and tls_ca of the file set the encryption of both connections.
TDemarrage VerifierDemarrage(TOBDataModule& module, const QString& cheminConfiguration);

// Gives the data module's two connections the values a successful check found (run on another module, on
// another thread): nothing is sent to the server; each opens with its first statement.
void AppliquerDemarrage(TOBDataModule& module, const TDemarrage& demarrage);

// The start-up check on a thread of its own, with a data module of its own, so that the window that waits
// for it stays painted and can be closed while a server takes its time to answer (up to the bound on its
// answers). Its result is read once it has finished (QThread::finished, delivered to the window's thread);
// whoever reads it then deletes it (deleteLater). It must not be destroyed while it runs.
class TVerificationDemarrage : public QThread {
    Q_OBJECT
public:
    explicit TVerificationDemarrage(const QString& cheminConfiguration);
    // Valid once finished.
    const TDemarrage& Resultat() const { return resultat_; }
    // How many checks of the process are still under way: the program's end does not wait for them.
    static int EnCours();

protected:
    void run() override;

private:
    QString chemin_;
    TDemarrage resultat_;
};

// What a successful check found, in a few lines for a person who set the workstation up (solvane --check):
// the file read, the server and account, the active year and its school.
QString ResumeDemarrage(const TDemarrage& demarrage, const QString& cheminConfiguration);

// The beginning of the message of a connection that cannot be opened, before the reason.
inline const QString MessageConnexionImpossible =
    QStringLiteral("Impossible de se connecter au serveur de base de données.\r\n"
                   "Paramètres de connexion incorrectes.\r\n\r\n");
