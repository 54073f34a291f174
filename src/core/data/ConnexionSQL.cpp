#include "core/data/ConnexionSQL.h"

#include "base/KORVENTypesU.h"

#include <QSqlError>
#include <QSqlQuery>

QString TexteErreur(const QSqlError& erreur) {
    const QString serveur = erreur.databaseText().trimmed();
    if (!serveur.isEmpty())
        return serveur;
    const QString pilote = erreur.driverText().trimmed();
    return pilote.isEmpty() ? QStringLiteral("Erreur inconnue de la base de données.") : pilote;
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

void TSQLConnection::Open() {
    if (Connected())
        return;
    QSqlDatabase base = QSqlDatabase::contains(nomConnexion_)
                            ? QSqlDatabase::database(nomConnexion_, false)
                            : QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), nomConnexion_);
    if (!base.isValid())
        throw EKorven(QStringLiteral("Le pilote MySQL (QMYSQL) est introuvable."));
    base.setHostName(Param(QStringLiteral("hostname")));
    base.setDatabaseName(Param(QStringLiteral("database")));
    base.setUserName(Param(QStringLiteral("user_name")));
    base.setPassword(Param(QStringLiteral("password")));
    bool portLisible = false;
    const int port = Param(QStringLiteral("port")).trimmed().toInt(&portLisible);
    base.setPort(portLisible ? port : -1);
    // A server that does not answer must not freeze the window for long.
    base.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=10"));
    enTransaction_ = false;
    if (!base.open()) {
        const QString texte = TexteErreur(base.lastError());
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
            throw EKorven(TexteErreur(niveau.lastError()));
    }
    if (!base.transaction())
        throw EKorven(TexteErreur(base.lastError()));
    enTransaction_ = true;
}

void TSQLConnection::Commit() {
    QSqlDatabase base = Base();
    if (!base.commit())
        throw EKorven(TexteErreur(base.lastError()));
    enTransaction_ = false;
}

void TSQLConnection::Rollback() {
    // The transaction is over whatever the server answers: a lost connection has ended it already.
    enTransaction_ = false;
    if (!Connected())
        return;
    QSqlDatabase base = QSqlDatabase::database(nomConnexion_, false);
    if (!base.rollback())
        throw EKorven(TexteErreur(base.lastError()));
}
