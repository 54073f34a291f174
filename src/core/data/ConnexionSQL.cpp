#include "core/data/ConnexionSQL.h"

#include "base/KORVENTypesU.h"

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

void TSQLConnection::Open() {
    if (Connected())
        return;
    QSqlDatabase base = QSqlDatabase::contains(nomConnexion_)
                            ? QSqlDatabase::database(nomConnexion_, false)
                            : QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), nomConnexion_);
    if (!base.isValid())
        throw EKorven(QStringLiteral("Le pilote MySQL (QMYSQL) est introuvable."));
    // Checked before anything reaches the client library, which reads a host holding "=" or ";" as
    // connection options and an out-of-range port modulo 65536.
    const QString hote = HoteServeur(Param(QStringLiteral("hostname")));
    const int port = PortServeur(Param(QStringLiteral("port")));
    base.setHostName(hote);
    base.setPort(port);
    base.setDatabaseName(Param(QStringLiteral("database")));
    base.setUserName(Param(QStringLiteral("user_name")));
    base.setPassword(Param(QStringLiteral("password")));
    // A server that does not answer must not freeze the window for long.
    QStringList options = {QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=10")};
    const QString& autorite = Securite.AutoriteCertification;
    if (!autorite.isEmpty()) {
        // The driver splits its options at ";" and trims them: such a name would not reach it whole.
        if (autorite.contains(QLatin1Char(';')) || autorite.trimmed() != autorite)
            throw EKorven(QStringLiteral("Le nom du certificat d'autorité « %1 » ne peut pas être transmis "
                                         "au pilote (point-virgule ou espaces en bordure).")
                              .arg(autorite));
        const QFileInfo fichier(autorite);
        if (!fichier.isFile() || !fichier.isReadable())
            throw EKorven(QStringLiteral("Le certificat d'autorité « %1 » est introuvable ou illisible.")
                              .arg(autorite));
        // The server's certificate is checked against that authority.
        options << QStringLiteral("SSL_CA=") + autorite;
    } else {
        // Any TLS option makes the client library encrypt whenever the server offers it (it does not by
        // default); an empty cipher list keeps the library's own.
        options << QStringLiteral("SSL_CIPHER=");
    }
    base.setConnectOptions(options.join(QLatin1Char(';')));
    enTransaction_ = false;
    if (!base.open()) {
        const QString texte = TexteErreur(base.lastError());
        base.close();
        throw EKorven(texte);
    }
    const auto refuser = [&base](const QString& texte) {
        base.close();
        throw EKorven(texte);
    };
    QSqlQuery session(base);
    // The library falls back to a connection in clear when the server offers no TLS, CA or not.
    if (Securite.Exiger) {
        if (!session.exec(QStringLiteral("SHOW SESSION STATUS LIKE 'Ssl_cipher'")))
            refuser(TexteErreur(session.lastError()));
        if (!session.next() || session.value(1).toString().isEmpty())
            refuser(QStringLiteral("Le serveur ne chiffre pas la connexion (TLS), ce que la configuration "
                                   "exige."));
    }
    if (!session.exec(QStringLiteral("SET SESSION lock_wait_timeout = %1, innodb_lock_wait_timeout = %1")
                          .arg(AttenteVerrous)))
        refuser(TexteErreur(session.lastError()));
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
