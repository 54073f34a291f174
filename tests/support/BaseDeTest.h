#pragma once

#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>

// The private MariaDB server of the tests: 127.0.0.1, port SOLVANE_DB_PORT (33307 unless set,
// the server scripts/test starts, apart from the demo's), account
// solvane / solvane. Every test that uses it owns the master database korven and the year databases it
// creates while it runs (ctest never runs two of them at once).
struct ServeurDeTest {
    static QString Hote();
    static QString Port();
    // The server's own directory (SOLVANE_DB_DIR, <checkout>/.db-test unless set), where the lock on its
    // databases lies.
    static QString Dossier();
    static QString Utilisateur();
    static QString MotDePasse();
    // Closes the connection and gives it the lines that reach database base on this server.
    static void Configurer(class TSQLConnection* connexion, const QString& base);
    // What the start-up finds on this server, this account and the master database korven, when the active
    // year is annee (database base) of that school.
    static struct TDemarrage Demarrage(const QString& annee, const QString& base,
                                       const QString& etablissement);
};

// Fresh databases for one test: korven and the year databases of the given codes, each made from the
// schemas under sql/, dropped again when the fixture goes. The fixture holds a lock on the server for its
// lifetime, so that two test programs (or a test and a benchmark) started at once never share databases.
class BaseDeTest {
public:
    explicit BaseDeTest(const QStringList& annees = {QStringLiteral("2025/2026"),
                                                     QStringLiteral("2026/2027")});
    ~BaseDeTest();
    BaseDeTest(const BaseDeTest&) = delete;
    BaseDeTest& operator=(const BaseDeTest&) = delete;

    // Runs one statement (on database base when given); fails the test with the server's text otherwise.
    void Executer(const QString& sql, const QString& base = QString());
    // Runs the statements of a file of the schema's kind (each ends with ";" at a line end).
    void ExecuterFichier(const QString& chemin, const QString& base);
    // The first column of the first row, or an invalid QVariant without rows.
    QVariant Valeur(const QString& sql, const QString& base = QString());
    // Every row, each column as text ("NULL" for NULL), columns joined by "|".
    QStringList Lignes(const QString& sql, const QString& base = QString());

    // A fingerprint of every table of a database (name, row count and checksum), to compare before and after.
    QStringList Empreinte(const QString& base);

    // Moves the server's clock to another time zone ("+13:00", "SYSTEM" to go back), for every new session.
    // The test account may not SET GLOBAL (that right would also let it write files anywhere through the
    // server's logs): the private server gives it a procedure that changes the time zone and nothing else.
    void FuseauHoraireServeur(const QString& fuseau);

    // Makes (or remakes, empty) a year database from the schema.
    void CreerBaseAnnee(const QString& nomBase);
    void SupprimerBase(const QString& nomBase);

    // Writes config_korven.ini into dossier, each value encrypted; a value left null is not written.
    static void EcrireConfiguration(const QString& dossier, const QString& nom, const QString& serveur,
                                    const QString& port, const QString& utilisateur,
                                    const QString& motDePasse);
    // Appends one more key of the section, its value encrypted, to the file EcrireConfiguration wrote.
    static void AjouterCleConfiguration(const QString& dossier, const QString& cle, const QString& valeur);
    // The configuration that reaches this server with the master database korven.
    static void EcrireConfigurationValide(const QString& dossier);

private:
    // Held while the fixture lives, other processes using the server wait their turn: a descriptor, on
    // Windows a handle.
    qintptr verrou_ = -1;
    QSqlDatabase admin_;
    QStringList bases_;
};
