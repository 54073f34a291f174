#include "core/data/ConnexionSQL.h"

#include "base/KORVENTypesU.h"
#include "core/data/PiloteMariaDB.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

QString TexteErreur(const QSqlError& erreur) {
    const QString serveur = erreur.databaseText().trimmed();
    if (!serveur.isEmpty())
        return serveur;
    const QString pilote = erreur.driverText().trimmed();
    return pilote.isEmpty() ? QStringLiteral("Erreur inconnue de la base de données.") : pilote;
}

EKorven ErreurBase(const QSqlError& erreur) {
    return EKorven(TexteErreur(erreur), erreur.nativeErrorCode().toInt());
}

TSQLConnection::TSQLConnection(const QString& objectName, const QString& nomConnexion, QObject* parent)
    : QObject(parent), nomConnexion_(nomConnexion) {
    setObjectName(objectName);
}

TSQLConnection::~TSQLConnection() {
    if (QSqlDatabase::contains(nomConnexion_)) {
        {
            QSqlDatabase base = QSqlDatabase::database(nomConnexion_, false);
            base.close();
        }
        QSqlDatabase::removeDatabase(nomConnexion_);
    }
}

QString TSQLConnection::Param(const QString& nom) const {
    for (const QString& ligne : Params) {
        const qsizetype egal = ligne.indexOf(QLatin1Char('='));
        if (egal >= 0 && ligne.left(egal).trimmed().compare(nom, Qt::CaseInsensitive) == 0)
            return ligne.mid(egal + 1);
    }
    return QString();
}

namespace {

// The authority's file as the client library will read it: an absolute name (the library would read a
// relative one from wherever the program runs) whose bytes name it exactly, a readable regular file.
void VerifierAutorite(const QString& autorite) {
    if (!QDir::isAbsolutePath(autorite) || QFile::decodeName(QFile::encodeName(autorite)) != autorite)
        throw EKorven(
            QStringLiteral("Le nom du certificat d'autorité « %1 » n'est pas un chemin absolu que la "
                           "bibliothèque cliente lirait tel quel.")
                .arg(autorite));
    const QFileInfo fichier(autorite);
    if (!fichier.isFile() || !fichier.isReadable())
        throw EKorven(
            QStringLiteral("Le certificat d'autorité « %1 » est introuvable ou illisible.").arg(autorite));
}

} // namespace

void TSQLConnection::Open() {
    if (Connected())
        return;
    QSqlDatabase base = QSqlDatabase::contains(nomConnexion_)
                            ? QSqlDatabase::database(nomConnexion_, false)
                            : QSqlDatabase::addDatabase(new TPiloteMariaDB, nomConnexion_);
    auto* pilote = qobject_cast<TPiloteMariaDB*>(base.driver());
    if (pilote == nullptr)
        throw EKorven(
            QStringLiteral("La connexion « %1 » n'a pas le pilote du programme.").arg(nomConnexion_));
    // Checked before anything reaches the client library, which would read an out-of-range port modulo
    // 65536.
    const QString hote = HoteServeur(Param(QStringLiteral("hostname")));
    const int port = PortServeur(Param(QStringLiteral("port")));
    if (!Securite.AutoriteCertification.isEmpty())
        VerifierAutorite(Securite.AutoriteCertification);
    base.setHostName(hote);
    base.setPort(port);
    base.setDatabaseName(Param(QStringLiteral("database")));
    base.setUserName(Param(QStringLiteral("user_name")));
    base.setPassword(Param(QStringLiteral("password")));
    // A server that does not answer must not freeze the window for long.
    pilote->Reglages.DelaiConnexion = 10;
    pilote->Reglages.DelaiReponse = DelaiReponse;
    pilote->Reglages.Securite = Securite;
    enTransaction_ = false;
    if (!base.open()) {
        const QString texte = TexteErreur(base.lastError());
        base.close();
        throw EKorven(texte);
    }
    QSqlQuery session(base);
    if (!session.exec(QStringLiteral("SET SESSION lock_wait_timeout = %1, innodb_lock_wait_timeout = %1")
                          .arg(AttenteVerrous))) {
        const QString texte = TexteErreur(session.lastError());
        base.close();
        throw EKorven(texte);
    }
}

void TSQLConnection::Close() {
    enTransaction_ = false;
    if (!QSqlDatabase::contains(nomConnexion_))
        return;
    QSqlDatabase base = QSqlDatabase::database(nomConnexion_, false);
    base.close();
}

bool TSQLConnection::Connected() const {
    if (!QSqlDatabase::contains(nomConnexion_))
        return false;
    return QSqlDatabase::database(nomConnexion_, false).isOpen();
}

void TSQLConnection::SetConnected(bool connecte) {
    if (connecte)
        Open();
    else
        Close();
}

QSqlDatabase TSQLConnection::Base() {
    Open();
    return QSqlDatabase::database(nomConnexion_, false);
}

void TSQLConnection::BeginTransaction() {
    QSqlDatabase base = Base();
    {
        // Applies to the next transaction of this session only.
        QSqlQuery niveau(base);
        if (!niveau.exec(QStringLiteral("SET TRANSACTION ISOLATION LEVEL READ COMMITTED")))
            throw ErreurBase(niveau.lastError());
    }
    if (!base.transaction())
        throw ErreurBase(base.lastError());
    enTransaction_ = true;
}

void TSQLConnection::Commit() {
    QSqlDatabase base = Base();
    if (!base.commit())
        throw ErreurBase(base.lastError());
    enTransaction_ = false;
}

void TSQLConnection::Rollback() {
    // The transaction is over whatever the server answers: a lost connection has ended it already.
    enTransaction_ = false;
    if (!Connected())
        return;
    QSqlDatabase base = QSqlDatabase::database(nomConnexion_, false);
    if (!base.rollback())
        throw ErreurBase(base.lastError());
}
