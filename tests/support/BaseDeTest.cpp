#include "support/BaseDeTest.h"

#include "base/Chiffrement.h"
#include "base/KORVENFonctionsU.h"
#include "base/KorvenUtils.h"
#include "core/data/ConnexionSQL.h"
#include "core/session/Demarrage.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

const QString NomConnexion = QStringLiteral("solvane_test_admin");

QString Env(const char* nom, const char* defaut) {
    const QString valeur = qEnvironmentVariable(nom);
    return valeur.isEmpty() ? QString::fromLatin1(defaut) : valeur;
}

// A fixture operation failed: the test case under way fails with the server's text and goes on (its later
// checks fail too; the other cases are not affected). Outside a test case (the benchmark) the program stops.
void Echec(const QString& quoi, const QString& texte) {
    const QByteArray message = (quoi + QStringLiteral("\n  -> ") + texte).toUtf8();
    if (QTest::currentTestFunction() == nullptr)
        qFatal("%s", message.constData());
    QTest::qFail(message.constData(), __FILE__, __LINE__);
}

void Echec(const QString& quoi, const QSqlError& erreur) {
    Echec(quoi, erreur.text());
}

} // namespace

TDemarrage ServeurDeTest::Demarrage(const QString& annee, const QString& base, const QString& etablissement) {
    TDemarrage d;
    d.BDKorven = QStringLiteral("korven");
    d.ServeurKorven = d.Serveur = Hote();
    d.PortKorven = d.Port = Port();
    d.UtilisateurKorven = d.Utilisateur = Utilisateur();
    d.MotDePasseKorven = d.MotDePasse = MotDePasse();
    d.AnneeCourante = annee;
    d.BaseDeDonnees = base;
    d.NomEtablissement = etablissement;
    return d;
}

QString ServeurDeTest::Hote() {
    return QStringLiteral("127.0.0.1");
}
QString ServeurDeTest::Port() {
    return Env("SOLVANE_DB_PORT", "33307");
}
QString ServeurDeTest::Dossier() {
    return Env("SOLVANE_DB_DIR", SOLVANE_SOURCE_DIR "/.db-test");
}
QString ServeurDeTest::Utilisateur() {
    return QStringLiteral("solvane");
}
QString ServeurDeTest::MotDePasse() {
    return QStringLiteral("solvane");
}

void ServeurDeTest::Configurer(TSQLConnection* connexion, const QString& base) {
    connexion->Close();
    connexion->Params = {QStringLiteral("HostName=") + Hote(), QStringLiteral("Database=") + base,
                         QStringLiteral("User_Name=") + Utilisateur(), QStringLiteral("Port=") + Port(),
                         QStringLiteral("Password=") + MotDePasse()};
}

BaseDeTest::BaseDeTest(const QStringList& annees) {
    // The lock scripts/demo-data takes too, in the server's own directory (closed to other users): a file of
    // a shared place such as /tmp could be a link another user planted there.
#ifdef Q_OS_WIN
    // Windows' own lock: under Wine, the Windows programs see it, the Linux ones do not (they take theirs
    // with flock, which scripts/test-windows holds for the whole Windows run).
    const std::wstring cheminVerrou =
        (ServeurDeTest::Dossier() + QStringLiteral("/bases.lock")).toStdWString();
    const HANDLE h =
        CreateFileW(cheminVerrou.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    OVERLAPPED debut{};
    if (h != INVALID_HANDLE_VALUE && LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &debut))
        verrou_ = reinterpret_cast<qintptr>(h);
    else
        qWarning("no lock on the test server's databases: %ls: error %lu", cheminVerrou.c_str(),
                 GetLastError());
#else
    const QByteArray cheminVerrou =
        QFile::encodeName(ServeurDeTest::Dossier() + QStringLiteral("/bases.lock"));
    verrou_ = ::open(cheminVerrou.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (verrou_ >= 0)
        ::flock(static_cast<int>(verrou_), LOCK_EX);
    else
        qWarning("no lock on the test server's databases: %s: %s", cheminVerrou.constData(), strerror(errno));
#endif
    admin_ = QSqlDatabase::contains(NomConnexion)
                 ? QSqlDatabase::database(NomConnexion, false)
                 : QSqlDatabase::addDatabase(QStringLiteral("QMYSQL"), NomConnexion);
    admin_.setHostName(ServeurDeTest::Hote());
    admin_.setPort(ServeurDeTest::Port().toInt());
    admin_.setUserName(ServeurDeTest::Utilisateur());
    admin_.setPassword(ServeurDeTest::MotDePasse());
    admin_.setConnectOptions(QStringLiteral("MYSQL_OPT_CONNECT_TIMEOUT=5"));
    if (!admin_.open()) {
        Echec(QStringLiteral(
                  "The private test server does not answer on 127.0.0.1:%1 (scripts/db-server start)")
                  .arg(ServeurDeTest::Port()),
              admin_.lastError());
        return;
    }

    SupprimerBase(QStringLiteral("korven"));
    Executer(QStringLiteral("CREATE DATABASE korven CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci"));
    bases_ << QStringLiteral("korven");
    ExecuterFichier(QStringLiteral(SOLVANE_SQL_DIR "/korven.sql"), QStringLiteral("korven"));
    for (const QString& annee : annees)
        CreerBaseAnnee(NomBaseAnnee(annee));
}

BaseDeTest::~BaseDeTest() {
    for (const QString& base : bases_) {
        QSqlQuery q(admin_);
        q.exec(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(base));
    }
    admin_.close();
#ifdef Q_OS_WIN
    if (verrou_ >= 0)
        CloseHandle(reinterpret_cast<HANDLE>(verrou_));
#else
    if (verrou_ >= 0)
        ::close(static_cast<int>(verrou_));
#endif
}

QStringList BaseDeTest::Empreinte(const QString& base) {
    QStringList empreinte;
    const QStringList tables = Lignes(QStringLiteral("SELECT TABLE_NAME FROM information_schema.TABLES WHERE "
                                                     "TABLE_SCHEMA = '%1' ORDER BY TABLE_NAME")
                                          .arg(base));
    for (const QString& table : tables) {
        const QString nom = QStringLiteral("`%1`.`%2`").arg(base, table);
        empreinte << table + QLatin1Char(':') +
                         Valeur(QStringLiteral("SELECT COUNT(*) FROM %1").arg(nom)).toString() +
                         QLatin1Char(':') +
                         Lignes(QStringLiteral("CHECKSUM TABLE %1 EXTENDED").arg(nom)).value(0);
    }
    return empreinte;
}

void BaseDeTest::FuseauHoraireServeur(const QString& fuseau) {
    Executer(QStringLiteral("CALL solvane_serveur.fuseau_horaire(%1)").arg(ChaineSQL(fuseau)));
}

void BaseDeTest::CreerBaseAnnee(const QString& nomBase) {
    SupprimerBase(nomBase);
    Executer(
        QStringLiteral("CREATE DATABASE `%1` CHARACTER SET utf8mb4 COLLATE utf8mb4_unicode_ci").arg(nomBase));
    if (!bases_.contains(nomBase))
        bases_ << nomBase;
    ExecuterFichier(QStringLiteral(SOLVANE_SQL_DIR "/annee.sql"), nomBase);
}

void BaseDeTest::SupprimerBase(const QString& nomBase) {
    Executer(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(nomBase));
}

void BaseDeTest::Executer(const QString& sql, const QString& base) {
    if (!admin_.isOpen())
        return;
    QSqlQuery q(admin_);
    if (!base.isEmpty() && !q.exec(QStringLiteral("USE `%1`").arg(base)))
        Echec(QStringLiteral("USE %1").arg(base), q.lastError());
    if (!q.exec(sql))
        Echec(sql, q.lastError());
}

void BaseDeTest::ExecuterFichier(const QString& chemin, const QString& base) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        Echec(QStringLiteral("cannot read %1").arg(chemin), fichier.errorString());
        return;
    }
    QString instruction;
    for (const QString& ligne : QString::fromUtf8(fichier.readAll()).split(QLatin1Char('\n'))) {
        if (ligne.trimmed().startsWith(QStringLiteral("--")))
            continue;
        instruction += ligne + QLatin1Char('\n');
        if (ligne.trimmed().endsWith(QLatin1Char(';'))) {
            Executer(instruction.trimmed(), base);
            instruction.clear();
        }
    }
    if (!instruction.trimmed().isEmpty())
        Executer(instruction.trimmed(), base);
}

QVariant BaseDeTest::Valeur(const QString& sql, const QString& base) {
    if (!admin_.isOpen())
        return QVariant();
    QSqlQuery q(admin_);
    if (!base.isEmpty() && !q.exec(QStringLiteral("USE `%1`").arg(base)))
        Echec(QStringLiteral("USE %1").arg(base), q.lastError());
    if (!q.exec(sql))
        Echec(sql, q.lastError());
    return q.next() ? q.value(0) : QVariant();
}

QStringList BaseDeTest::Lignes(const QString& sql, const QString& base) {
    if (!admin_.isOpen())
        return {};
    QSqlQuery q(admin_);
    if (!base.isEmpty() && !q.exec(QStringLiteral("USE `%1`").arg(base)))
        Echec(QStringLiteral("USE %1").arg(base), q.lastError());
    if (!q.exec(sql))
        Echec(sql, q.lastError());
    QStringList lignes;
    while (q.next()) {
        QStringList colonnes;
        for (int i = 0; i < q.record().count(); ++i)
            colonnes << (q.isNull(i) ? QStringLiteral("NULL") : q.value(i).toString());
        lignes << colonnes.join(QLatin1Char('|'));
    }
    return lignes;
}

void BaseDeTest::EcrireConfiguration(const QString& dossier, const QString& nom, const QString& serveur,
                                     const QString& port, const QString& utilisateur,
                                     const QString& motDePasse) {
    QDir().mkpath(dossier);
    QFile fichier(QDir(dossier).filePath(QStringLiteral("config_korven.ini")));
    if (!fichier.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        Echec(QStringLiteral("cannot write the configuration file in %1").arg(dossier),
              fichier.errorString());
        return;
    }
    QString texte = QStringLiteral("[Database]\r\n");
    const auto cle = [&texte](const char* nomCle, const QString& valeur) {
        if (!valeur.isNull())
            texte += QString::fromLatin1(nomCle) + QLatin1Char('=') + CrypterTexte(valeur, PhraseSecrete) +
                     QStringLiteral("\r\n");
    };
    cle("NAME", nom);
    cle("Server", serveur);
    cle("port", port);
    cle("user", utilisateur);
    cle("password", motDePasse);
    fichier.write(texte.toUtf8());
    // Whatever the umask: a file its group or others may change is not read at start-up.
    fichier.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

void BaseDeTest::AjouterCleConfiguration(const QString& dossier, const QString& cle, const QString& valeur) {
    QFile fichier(QDir(dossier).filePath(QStringLiteral("config_korven.ini")));
    if (!fichier.open(QIODevice::Append)) {
        Echec(QStringLiteral("cannot add to the configuration file in %1").arg(dossier),
              fichier.errorString());
        return;
    }
    fichier.write(
        (cle + QLatin1Char('=') + CrypterTexte(valeur, PhraseSecrete) + QStringLiteral("\r\n")).toUtf8());
}

void BaseDeTest::EcrireConfigurationValide(const QString& dossier) {
    EcrireConfiguration(dossier, QStringLiteral("korven"), ServeurDeTest::Hote(), ServeurDeTest::Port(),
                        ServeurDeTest::Utilisateur(), ServeurDeTest::MotDePasse());
}
