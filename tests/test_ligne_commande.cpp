// The command lines of the installed programs, run as a person runs them: solvane's own options and Qt's,
// refused options, --check against the tests' server, and the version both programs say. Every run has no
// display and asks Qt for the X11 platform, so that a run that made the application object's window-system
// connection would abort instead of answering.
#include "support/BaseDeTest.h"
#include "support/EnvironnementRetour.h"
#include "support/Processus.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>

#include <aclapi.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

struct Resultat {
    int code = -1; // -1: crashed, or did not end in time
    QString sortie;
    QString erreurs;
};

// autreCompte: as root, the program runs as "nobody", an account outside every group.
Resultat Lancer(const QString& programme, const QStringList& arguments, const QString& repertoireSysteme,
                bool autreCompte = false) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("KORVEN_SYSTEM_DIR"), repertoireSysteme);
    QProcess processus;
    processus.setProcessEnvironment(env);
    if (autreCompte)
        processus.start(QStringLiteral("setpriv"),
                        QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                    QStringLiteral("--clear-groups"), programme} +
                            arguments);
    else
        processus.start(programme, arguments);
    TFinProcessus fin = AttendreProcessus(processus);
#ifdef Q_OS_WIN
    // A Windows program's text output ends its lines with CR LF.
    fin.Sortie.replace("\r\n", "\n");
    fin.Erreurs.replace("\r\n", "\n");
#endif
    return {fin.Code, QString::fromUtf8(fin.Sortie), QString::fromUtf8(fin.Erreurs)};
}

const QString Solvane = QStringLiteral(SOLVANE_PROGRAMME);
const QString KorvenConfig = QStringLiteral(KORVEN_CONFIG_TOOL);
const QString Version = QStringLiteral(SOLVANE_VERSION_PROJET);

// The school's state when solvane --undo-check runs.
enum class EtatRetour {
    SansChangement,    // the active year was not opened by a recorded change
    Changement,        // the change just made, the administrator signed in to the new year since
    LigneAjoutee,      // and a student added to the new year since
    SansConfiguration, // no configuration file: the start-up check fails first
};

enum class Configuration {
    Absente,
    Valide,
    MauvaisMotDePasse,
    // in a directory the account may not search, as /etc/korven (0750, root:korven) is to an account
    // outside the group korven
    DossierFerme,
};

} // namespace

Q_DECLARE_METATYPE(Configuration)
Q_DECLARE_METATYPE(EtatRetour)

class TestLigneCommande : public QObject {
    Q_OBJECT

private slots:
    void optionsAcceptees_data();
    void optionsAcceptees();
    void optionsRefusees_data();
    void optionsRefusees();
    void versionDesDeuxProgrammes();
    void verification_data();
    void verification();
#ifdef Q_OS_WIN
    void repertoireSysteme();
    void configurationModifiable();
#endif
    void verificationRetour_data();
    void verificationRetour();

private:
    QTemporaryDir dossier_;
};

void TestLigneCommande::optionsAcceptees_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("attendu"); // "version" or "aide"

    const QString version = QStringLiteral("version"), aide = QStringLiteral("aide");
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << version;
    QTest::newRow("-v") << QStringList{QStringLiteral("-v")} << version;
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << aide;
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << aide;
    QTest::newRow("--help wins over --version")
        << QStringList{QStringLiteral("--version"), QStringLiteral("--help")} << aide;
    // Qt's options, with their values, are left to Qt.
    QTest::newRow("-platform and its value")
        << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("--version")}
        << version;
    QTest::newRow("--style and its value")
        << QStringList{QStringLiteral("--style"), QStringLiteral("fusion"), QStringLiteral("--version")}
        << version;
    QTest::newRow("-style=value") << QStringList{QStringLiteral("-style=fusion"), QStringLiteral("--version")}
                                  << version;
    QTest::newRow("-display, -reverse") << QStringList{QStringLiteral("-display"), QStringLiteral(":7"),
                                                       QStringLiteral("-reverse"), QStringLiteral("--help")}
                                        << aide;
    // A value that looks like an option is still the value of the one before it.
    QTest::newRow("-qwindowtitle --check")
        << QStringList{QStringLiteral("-qwindowtitle"), QStringLiteral("--check"), QStringLiteral("-v")}
        << version;
}

void TestLigneCommande::optionsAcceptees() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, attendu);

    const QString dossier = dossier_.filePath(QStringLiteral("systeme"));
    const Resultat r = Lancer(Solvane, arguments, dossier);
    QCOMPARE(r.code, 0);
    QCOMPARE(r.erreurs, QString());
    if (attendu == QStringLiteral("version")) {
        QCOMPARE(r.sortie, QStringLiteral("solvane %1\n").arg(Version));
    } else {
        // Every option of the program's own, and the file it would read.
        for (const QString& option :
             {QStringLiteral("--check"), QStringLiteral("--undo-check"), QStringLiteral("--help"),
              QStringLiteral("--version"), QStringLiteral("-platform")})
            QVERIFY2(r.sortie.contains(option), qPrintable(option));
        QVERIFY2(r.sortie.contains(QDir::toNativeSeparators(dossier + QStringLiteral("/config_korven.ini"))),
                 qPrintable(r.sortie));
    }
}

void TestLigneCommande::optionsRefusees_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("cite"); // what the one line of the error must name

    QTest::newRow("unknown long option")
        << QStringList{QStringLiteral("--frobnicate")} << QStringLiteral("« --frobnicate »");
    QTest::newRow("unknown short option") << QStringList{QStringLiteral("-x")} << QStringLiteral("« -x »");
    QTest::newRow("an argument") << QStringList{QStringLiteral("config_korven.ini")}
                                 << QStringLiteral("« config_korven.ini »");
    QTest::newRow("a lone dash") << QStringList{QStringLiteral("-")} << QStringLiteral("« - »");
    QTest::newRow("Qt option without its value")
        << QStringList{QStringLiteral("-platform")} << QStringLiteral("-platform");
    // A refusal is not hidden by an option that answers at once.
    QTest::newRow("--version then an unknown option")
        << QStringList{QStringLiteral("--version"), QStringLiteral("--verison")}
        << QStringLiteral("« --verison »");
    QTest::newRow("an option of korven-config")
        << QStringList{QStringLiteral("--show"), QStringLiteral("x")} << QStringLiteral("« --show »");
    // Qt reads "=" only for some of its options.
    QTest::newRow("-platform=value") << QStringList{QStringLiteral("-platform=offscreen")}
                                     << QStringLiteral("« -platform=offscreen »");
}

void TestLigneCommande::optionsRefusees() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, cite);

    const Resultat r = Lancer(Solvane, arguments, dossier_.filePath(QStringLiteral("systeme")));
    QCOMPARE(r.code, 2);
    QCOMPARE(r.sortie, QString());
    QVERIFY2(r.erreurs.endsWith(QLatin1Char('\n')) && r.erreurs.count(QLatin1Char('\n')) == 1,
             qPrintable(r.erreurs));
    QVERIFY2(r.erreurs.startsWith(QStringLiteral("solvane : ")) && r.erreurs.contains(cite),
             qPrintable(r.erreurs));
}

// Both programs of the package say the project's version.
void TestLigneCommande::versionDesDeuxProgrammes() {
    const Resultat r = Lancer(KorvenConfig, {QStringLiteral("--version")}, QString());
    QCOMPARE(r.code, 0);
    QCOMPARE(r.sortie, QStringLiteral("korven-config %1\n").arg(Version));

    const Resultat aide = Lancer(KorvenConfig, {QStringLiteral("--help")}, QString());
    QCOMPARE(aide.code, 0);
    QVERIFY2(aide.sortie.contains(QStringLiteral("--version")), qPrintable(aide.sortie));
    QVERIFY2(aide.sortie.contains(QStringLiteral("--output")), qPrintable(aide.sortie));
}

void TestLigneCommande::verification_data() {
    QTest::addColumn<Configuration>("configuration");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("sortie");   // what the standard output must contain
    QTest::addColumn<QString>("debutErreurs"); // how the standard error must begin

    QTest::newRow("the program can start")
        << Configuration::Valide << 0
        << QStringList{QStringLiteral("Année active : 2025/2026 (base bd_2025_2026)"),
                       QStringLiteral("« Collège Sainte-Thérèse d'Ébolowa »"),
                       QStringLiteral("port ") + ServeurDeTest::Port()}
        << QString();
    QTest::newRow("wrong password") << Configuration::MauvaisMotDePasse << 1 << QStringList()
                                    << QStringLiteral(
                                           "solvane : Impossible de se connecter au serveur de base "
                                           "de données.\nParamètres de connexion incorrectes.\n");
#ifdef Q_OS_UNIX // file modes; Wine does not enforce Windows' access lists
    QTest::newRow("configuration in a directory closed to the account")
        << Configuration::DossierFerme << 1 << QStringList()
        << QStringLiteral(
               "solvane : Le fichier de configuration « */korven/config_korven.ini » existe mais ne "
               "peut pas être lu : ce compte n'a pas accès au répertoire « */korven ».\nIl doit être "
               "lisible par le compte qui lance le programme.\n");
#endif
    QTest::newRow("no configuration file")
        << Configuration::Absente << 1 << QStringList()
        << QStringLiteral("solvane : Le fichier de configuration est introuvable.\n");
}

void TestLigneCommande::verification() {
    QFETCH(Configuration, configuration);
    QFETCH(int, code);
    QFETCH(QStringList, sortie);
    QFETCH(QString, debutErreurs);

    BaseDeTest base;
    base.Executer(QStringLiteral("INSERT INTO korven.annee_scolaire (code, active, nom_etablissement) VALUES "
                                 "('2024/2025', '0', 'Ancien nom'), "
                                 "('2025/2026', '1', 'Collège Sainte-Thérèse d''Ébolowa')"));
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    QString systeme = dossier.path(), programme = Solvane;
    bool root = false;
    if (configuration == Configuration::DossierFerme) {
#ifdef Q_OS_UNIX
        root = ::geteuid() == 0;
        // A real account, not root, whom file modes do stop: as root, "nobody", with its own copy of the
        // program where it may run it; otherwise this account, the directory closed to its owner too.
        systeme = dossier.filePath(QStringLiteral("korven"));
        QVERIFY(QDir().mkdir(systeme));
        BaseDeTest::EcrireConfigurationValide(systeme);
        QVERIFY(QFile::setPermissions(dossier.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                                          QFile::ExeGroup | QFile::ExeOther));
        if (root) {
            programme = dossier.filePath(QStringLiteral("solvane"));
            QVERIFY(QFile::copy(Solvane, programme));
            QVERIFY(::chmod(QFile::encodeName(systeme).constData(), 0750) == 0);
        } else {
            QVERIFY(::chmod(QFile::encodeName(systeme).constData(), 0) == 0);
        }
#endif
    } else if (configuration == Configuration::Valide)
        BaseDeTest::EcrireConfigurationValide(dossier.path());
    else if (configuration == Configuration::MauvaisMotDePasse)
        BaseDeTest::EcrireConfiguration(dossier.path(), QStringLiteral("korven"), ServeurDeTest::Hote(),
                                        ServeurDeTest::Port(), ServeurDeTest::Utilisateur(),
                                        QStringLiteral("pas le bon"));

    const Resultat r = Lancer(programme, {QStringLiteral("--check")}, systeme,
                              configuration == Configuration::DossierFerme && root);
#ifdef Q_OS_UNIX
    if (configuration == Configuration::DossierFerme)
        ::chmod(QFile::encodeName(systeme).constData(), 0700);
#endif
    QCOMPARE(r.code, code);
    for (const QString& texte : sortie)
        QVERIFY2(r.sortie.contains(texte), qPrintable(r.sortie));
    if (debutErreurs.isEmpty()) {
        QCOMPARE(r.erreurs, QString());
    } else {
        QCOMPARE(r.sortie, QString());
        // "*" stands for the test's own directory.
        QString attendu = debutErreurs;
        attendu.replace(QLatin1Char('*'), dossier.path());
        QVERIFY2(r.erreurs.startsWith(attendu), qPrintable(r.erreurs));
    }
}

#ifdef Q_OS_WIN
// Without KORVEN_SYSTEM_DIR the configuration lies in Windows' system directory (C:\Windows\System32; Wine's
// own here): korven-config writes it there with its access list, and --check reads it from there.
void TestLigneCommande::repertoireSysteme() {
    BaseDeTest base;
    base.Executer(QStringLiteral("INSERT INTO korven.annee_scolaire (code, active, nom_etablissement) VALUES "
                                 "('2025/2026', '1', 'Collège Sainte-Thérèse d''Ébolowa')"));
    wchar_t tampon[MAX_PATH + 1] = {};
    const UINT longueur = GetSystemDirectoryW(tampon, MAX_PATH + 1);
    QVERIFY(longueur > 0 && longueur <= MAX_PATH);
    const QString fichier =
        QString::fromWCharArray(tampon, static_cast<int>(longueur)) + QStringLiteral("\\config_korven.ini");
    QVERIFY2(!QFile::exists(fichier),
             "a configuration is in the system directory already: not the test's own");
    const auto menage = qScopeGuard([&fichier] { QFile::remove(fichier); });

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("KORVEN_SYSTEM_DIR"));
    QProcess ecriture;
    ecriture.setProcessEnvironment(env);
    ecriture.start(KorvenConfig, {QStringLiteral("--output"), fichier, QStringLiteral("--server"),
                                  ServeurDeTest::Hote(), QStringLiteral("--port"), ServeurDeTest::Port(),
                                  QStringLiteral("--user"), ServeurDeTest::Utilisateur()});
    const TFinProcessus ecrit = AttendreProcessus(ecriture, ServeurDeTest::MotDePasse().toUtf8() + '\n');
    QVERIFY2(ecrit.Code == 0, ecrit.Erreurs.constData());

    const Resultat r = Lancer(Solvane, {QStringLiteral("--check")}, QString());
    QVERIFY2(r.code == 0, qPrintable(r.erreurs));
    QVERIFY2(r.sortie.contains(QStringLiteral("Fichier de configuration : ") + fichier, Qt::CaseInsensitive),
             qPrintable(r.sortie));
    QVERIFY2(r.sortie.contains(QStringLiteral("Année active : 2025/2026 (base bd_2025_2026)")),
             qPrintable(r.sortie));
}

// A configuration in a directory whose access list lets everyone change it is not read: --check names the
// account and the directory, and ends with status 1.
void TestLigneCommande::configurationModifiable() {
    BaseDeTest base;
    QTemporaryDir dossier;
    const QString ouvert = dossier.filePath(QStringLiteral("ouvert à tous"));
    QVERIFY(QDir().mkpath(ouvert));
    BaseDeTest::EcrireConfigurationValide(ouvert);

    const std::wstring nom = QDir::toNativeSeparators(ouvert).toStdWString();
    PACL liste = nullptr;
    PSECURITY_DESCRIPTOR descripteur = nullptr;
    QCOMPARE(GetNamedSecurityInfoW(nom.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                   &liste, nullptr, &descripteur),
             DWORD(ERROR_SUCCESS));
    BYTE tousLesComptes[SECURITY_MAX_SID_SIZE];
    DWORD taille = sizeof tousLesComptes;
    QVERIFY(CreateWellKnownSid(WinWorldSid, nullptr, tousLesComptes, &taille));
    EXPLICIT_ACCESS_W tout{};
    tout.grfAccessPermissions = FILE_ALL_ACCESS;
    tout.grfAccessMode = GRANT_ACCESS;
    tout.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    tout.Trustee.ptstrName = reinterpret_cast<LPWSTR>(tousLesComptes);
    PACL nouvelle = nullptr;
    QCOMPARE(SetEntriesInAclW(1, &tout, liste, &nouvelle), DWORD(ERROR_SUCCESS));
    QCOMPARE(SetNamedSecurityInfoW(const_cast<wchar_t*>(nom.c_str()), SE_FILE_OBJECT,
                                   DACL_SECURITY_INFORMATION, nullptr, nullptr, nouvelle, nullptr),
             DWORD(ERROR_SUCCESS));
    LocalFree(nouvelle);
    LocalFree(descripteur);
    wchar_t compte[256], domaine[256];
    DWORD longueurCompte = 256, longueurDomaine = 256;
    SID_NAME_USE usage;
    QVERIFY(LookupAccountSidW(nullptr, tousLesComptes, compte, &longueurCompte, domaine, &longueurDomaine,
                              &usage));

    const Resultat r = Lancer(Solvane, {QStringLiteral("--check")}, ouvert);
    QCOMPARE(r.code, 1);
    QCOMPARE(r.sortie, QString());
    QVERIFY2(r.erreurs.startsWith(
                 QStringLiteral("solvane : Le fichier de configuration « %1 » pourrait être "
                                "remplacé par d'autres utilisateurs")
                     .arg(QDir::toNativeSeparators(ouvert + QStringLiteral("/config_korven.ini")))),
             qPrintable(r.erreurs));
    QVERIFY2(r.erreurs.contains(QStringLiteral("« %1 » peut modifier le dossier")
                                    .arg(QString::fromWCharArray(compte, static_cast<int>(longueurCompte)))),
             qPrintable(r.erreurs));
}
#endif
void TestLigneCommande::verificationRetour_data() {
    QTest::addColumn<EtatRetour>("etat");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("sortie");   // what the standard output must contain
    QTest::addColumn<QString>("debutErreurs"); // how the standard error must begin

    QTest::newRow("the last change can be taken back")
        << EtatRetour::Changement << 0
        << QStringList{QStringLiteral("Le dernier changement d'année (de 2025/2026 à 2026/2027, fait le "),
                       QStringLiteral(" par admin, poste "),
                       QStringLiteral("  2026/2027 : retirée (active"),
                       QStringLiteral("  2025/2026 : de nouveau active, date de fin aucune\n"),
                       QStringLiteral("Base bd_2026_2027 : 70 lignes retirées\n"),
                       QStringLiteral("  eleve : 3 lignes retirées sur 3\n"),
                       QStringLiteral(
                           "  parametres : 0 ligne retirée sur 3, 2 lignes remises à leurs valeurs "
                           "d'avant le changement\n"),
                       QStringLiteral("  journal : 2 lignes retirées sur 2\n")}
        << QString();
    QTest::newRow("a student added since")
        << EtatRetour::LigneAjoutee << 1 << QStringList()
        << QStringLiteral("solvane : Le retour à l'année scolaire 2025/2026 n'est pas possible, car la table "
                          "« eleve » de la base bd_2026_2027 a changé depuis le changement d'année : 1 ligne "
                          "ajoutée (4 lignes au lieu de 3).\n");
    QTest::newRow("no recorded change")
        << EtatRetour::SansChangement << 1 << QStringList()
        << QStringLiteral("solvane : Le retour à l'année scolaire précédente "
                          "n'est pas possible, car l'année active 2025/2026 n'a "
                          "pas été ouverte par un changement d'année que ce "
                          "programme a enregistré.\n");
    QTest::newRow("no configuration file")
        << EtatRetour::SansConfiguration << 1 << QStringList()
        << QStringLiteral("solvane : Le fichier de configuration est introuvable.\n");
}

// --undo-check says without a window whether the last change can be taken back, and what would go, or why
// not; it writes nothing.
void TestLigneCommande::verificationRetour() {
    QFETCH(EtatRetour, etat);
    QFETCH(int, code);
    QFETCH(QStringList, sortie);
    QFETCH(QString, debutErreurs);

    EnvironnementRetour env;
    if (etat == EtatRetour::Changement || etat == EtatRetour::LigneAjoutee) {
        QVERIFY(env.Changer());
        QVERIFY(EnvironnementRetour::SeConnecter(QStringLiteral("admin"), QStringLiteral("a")));
    }
    if (etat == EtatRetour::LigneAjoutee)
        env.Base.Executer(QStringLiteral("INSERT INTO eleve (mat) VALUES ('E999')"),
                          QStringLiteral("bd_2026_2027"));
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    if (etat != EtatRetour::SansConfiguration)
        BaseDeTest::EcrireConfigurationValide(dossier.path());
    const QStringList avant = env.EmpreinteToutes();

    const Resultat r = Lancer(Solvane, {QStringLiteral("--undo-check")}, dossier.path());
    QCOMPARE(r.code, code);
    for (const QString& texte : sortie)
        QVERIFY2(r.sortie.contains(texte), qPrintable(r.sortie));
    if (debutErreurs.isEmpty()) {
        QCOMPARE(r.erreurs, QString());
    } else {
        QCOMPARE(r.sortie, QString());
        QVERIFY2(r.erreurs.startsWith(debutErreurs), qPrintable(r.erreurs));
    }
    QCOMPARE(env.EmpreinteToutes(), avant);
}

QTEST_GUILESS_MAIN(TestLigneCommande)
#include "test_ligne_commande.moc"
