// What needs neither server nor window: year codes and database names, the sections-and-keys reader, the
// quoting of values written into SQL text and the check of the configured connection values.
#include "base/FichierIni.h"
#include "base/KORVENFonctionsU.h"
#include "base/KORVENTypesU.h"
#include "base/KorvenUtils.h"
#include "base/ValeursConnexion.h"
#include "support/LectureInterdite.h"

#include <QFile>
#include <QTemporaryDir>

#include <QTest>
#include <optional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

class TestBase : public QObject {
    Q_OBJECT

private slots:
    void anneeSuivante_data();
    void anneeSuivante();
    void nomBaseAnnee_data();
    void nomBaseAnnee();
    void fichierIni();
    void fichierIniIllisible_data();
    void fichierIniIllisible();
    void chaineSQL_data();
    void chaineSQL();
    void egauxSansCasse_data();
    void egauxSansCasse();
    void serveur_data();
    void serveur();
    void port_data();
    void port();
    void securite_data();
    void securite();
};

void TestBase::anneeSuivante_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("suivante"); // empty: the conversion fails
    QTest::newRow("2011/2012") << QStringLiteral("2011/2012") << QStringLiteral("2012/2013");
    QTest::newRow("2019/2020") << QStringLiteral("2019/2020") << QStringLiteral("2020/2021");
    QTest::newRow("2099/2100") << QStringLiteral("2099/2100") << QStringLiteral("2100/2101");
    QTest::newRow("trop court") << QStringLiteral("2012") << QString();
    QTest::newRow("pas un nombre") << QStringLiteral("2012/abcd") << QString();
    QTest::newRow("vide") << QString() << QString();
}

void TestBase::anneeSuivante() {
    QFETCH(QString, code);
    QFETCH(QString, suivante);
    if (suivante.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(EKorven, GetAnneeScolaireSuivante(code));
    } else {
        QCOMPARE(GetAnneeScolaireSuivante(code), suivante);
    }
}

void TestBase::nomBaseAnnee_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("base");
    QTest::newRow("ordinaire") << QStringLiteral("2011/2012") << QStringLiteral("bd_2011_2012");
    QTest::newRow("sans barre") << QStringLiteral("2012") << QStringLiteral("bd_2012");
    QTest::newRow("deux barres") << QStringLiteral("2012/2013/1") << QStringLiteral("bd_2012_2013_1");
}

void TestBase::nomBaseAnnee() {
    QFETCH(QString, code);
    QFETCH(QString, base);
    QCOMPARE(NomBaseAnnee(code), base);
}

// Section and key names match without regard to case; a missing key reads as the default; UTF-16 files
// with their mark are read too; the first occurrence of a key wins.
void TestBase::fichierIni() {
    QTemporaryDir dossier;
    const QString utf8 = dossier.filePath(QStringLiteral("a.ini"));
    {
        QFile f(utf8);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("; commentaire\r\n[Autre]\r\nname=x\r\n[DataBase]\r\n  Name = korven "
                "\r\nSERVER=\"h\xC3\xB4te\"\r\n"
                "name=second\r\nvide=\r\n");
    }
    const TFichierIni a(utf8);
    QCOMPARE(a.LireChaine(QStringLiteral("database"), QStringLiteral("name")), QStringLiteral("korven"));
    QCOMPARE(a.LireChaine(QStringLiteral("DATABASE"), QStringLiteral("server")), QStringLiteral("hôte"));
    QCOMPARE(a.LireChaine(QStringLiteral("database"), QStringLiteral("vide"), QStringLiteral("d")),
             QString());
    QCOMPARE(a.LireChaine(QStringLiteral("database"), QStringLiteral("port")), QString());
    QCOMPARE(a.LireChaine(QStringLiteral("manque"), QStringLiteral("name"), QStringLiteral("d")),
             QStringLiteral("d"));

    const QString utf16 = dossier.filePath(QStringLiteral("b.ini"));
    {
        QFile f(utf16);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QString texte = QStringLiteral("[database]\r\nuser=Éloïse\r\n");
        f.write("\xFF\xFE");
        f.write(reinterpret_cast<const char*>(texte.utf16()), texte.size() * 2);
    }
    QCOMPARE(TFichierIni(utf16).LireChaine(QStringLiteral("Database"), QStringLiteral("USER")),
             QStringLiteral("Éloïse"));
    QCOMPARE(TFichierIni(dossier.filePath(QStringLiteral("absent.ini")))
                 .LireChaine(QStringLiteral("database"), QStringLiteral("name")),
             QString());
}

// A file the reader cannot or must not read gives no key and says why; it never blocks (a pipe) nor fills the
// memory (a device).
void TestBase::fichierIniIllisible_data() {
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QString>("raison");
    QTest::addColumn<bool>("interdit"); // the file is there, but its reader has no right to read it

    static QTemporaryDir dossier;
#ifdef Q_OS_UNIX
    const QString tube = dossier.filePath(QStringLiteral("tube"));
    QVERIFY(::mkfifo(QFile::encodeName(tube).constData(), 0600) == 0);
#endif
    const QString gros = dossier.filePath(QStringLiteral("gros.ini"));
    const QString prive = dossier.filePath(QStringLiteral("prive.ini"));
    for (const QString& chemin : {gros, prive}) {
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[database]\r\nname=a29ydmVu\r\n");
        if (chemin == gros)
            f.write(QByteArray(TFichierIni::TailleMaximale, ';'));
    }
    QTest::newRow("absent") << dossier.filePath(QStringLiteral("absent.ini"))
                            << QStringLiteral("n'existe pas") << false;
    QTest::newRow("directory") << dossier.path() << QStringLiteral("pas un fichier ordinaire") << false;
#ifdef Q_OS_UNIX
    QTest::newRow("/dev/zero") << QStringLiteral("/dev/zero") << QStringLiteral("pas un fichier ordinaire")
                               << false;
    QTest::newRow("FIFO") << tube << QStringLiteral("pas un fichier ordinaire") << false;
#endif
    QTest::newRow("over 1 MB") << gros << QStringLiteral("trop volumineux") << false;
    QTest::newRow("no right to read") << prive << QStringLiteral("ne peut pas être lu") << true;
}

void TestBase::fichierIniIllisible() {
    QFETCH(QString, chemin);
    QFETCH(QString, raison);
    QFETCH(bool, interdit);
    std::optional<LectureInterdite> sansDroit;
    if (interdit) {
        sansDroit.emplace(chemin);
#ifdef Q_OS_WIN
        if (QFile lisible(chemin); lisible.open(QIODevice::ReadOnly))
            QSKIP("the file's access list denies reading, but the system lets it be read (Wine does not "
                  "enforce access lists on files)");
#endif
    }
    const TFichierIni fichier(chemin);
    sansDroit.reset();
    QVERIFY2(fichier.Erreur().contains(raison), qPrintable(fichier.Erreur()));
    QCOMPARE(fichier.LireChaine(QStringLiteral("database"), QStringLiteral("name"), QStringLiteral("d")),
             QStringLiteral("d"));
    if (interdit) // the same file, readable again, is read
        QCOMPARE(TFichierIni(chemin).LireChaine(QStringLiteral("database"), QStringLiteral("name")),
                 QStringLiteral("a29ydmVu"));
}

// The shortcut over the common start gives Qt's own answer, whatever follows it: a case, an accent, a letter
// written as a surrogate pair whose halves would not fold apart, a length.
void TestBase::egauxSansCasse_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("egaux");
    QTest::newRow("identiques") << QStringLiteral("Abena") << QStringLiteral("Abena") << true;
    QTest::newRow("vides") << QString() << QString() << true;
    QTest::newRow("casse en tête") << QStringLiteral("abena") << QStringLiteral("Abena") << true;
    QTest::newRow("casse après un début commun")
        << QStringLiteral("MBarga") << QStringLiteral("Mbarga") << true;
    QTest::newRow("majuscules accentuées") << QStringLiteral("Éloïse") << QStringLiteral("ÉLOÏSE") << true;
    QTest::newRow("accent différent") << QStringLiteral("Eloïse") << QStringLiteral("Éloïse") << false;
    QTest::newRow("dernière lettre") << QStringLiteral("Prénom 1234") << QStringLiteral("Prénom 1235")
                                     << false;
    QTest::newRow("préfixe") << QStringLiteral("Abe") << QStringLiteral("Abena") << false;
    QTest::newRow("préfixe, autre casse") << QStringLiteral("ABENA") << QStringLiteral("abenaa") << false;
    // U+10400 and U+10428, a capital and its small letter beyond the first 65,536 characters: the same first
    // half, a second half of their own.
    QTest::newRow("paire de substitution, casse")
        << QStringLiteral("A\U00010400x") << QStringLiteral("A\U00010428X") << true;
    QTest::newRow("paire de substitution, autre lettre")
        << QStringLiteral("A\U00010400") << QStringLiteral("A\U00010401") << false;
}

void TestBase::egauxSansCasse() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, egaux);
    QCOMPARE(a.compare(b, Qt::CaseInsensitive) == 0, egaux);
    QCOMPARE(EgauxSansCasse(a, b), egaux);
    QCOMPARE(EgauxSansCasse(b, a), egaux);
}

void TestBase::chaineSQL_data() {
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<QString>("literal");
    QTest::newRow("ordinaire") << QStringLiteral("admin") << QStringLiteral("'admin'");
    QTest::newRow("vide") << QString() << QStringLiteral("''");
    QTest::newRow("apostrophe") << QStringLiteral("O'Neil") << QStringLiteral("'O''Neil'");
    QTest::newRow("accents") << QStringLiteral("Éloïse N'Guessan") << QStringLiteral("'Éloïse N''Guessan'");
    QTest::newRow("antislash") << QStringLiteral("a\\b") << QStringLiteral("'a\\\\b'");
    QTest::newRow("antislash apostrophe")
        << QStringLiteral("\\' OR 1=1 -- ") << QStringLiteral("'\\\\'' OR 1=1 -- '");
    QTest::newRow("nul") << QString(QChar(u'\0')) << QStringLiteral("'\\0'");
    QTest::newRow("échappements en tête et en fin") << QStringLiteral("'a\\") << QStringLiteral("'''a\\\\'");
    QTest::newRow("échappements à la suite")
        << QStringLiteral("''\\") + QChar(u'\0') + QStringLiteral("x'") << QStringLiteral("'''''\\\\\\0x'''");
    // Around the backslash in the character table: only the three are written otherwise.
    QTest::newRow("voisins de l'antislash") << QStringLiteral("&([]^_`{~") << QStringLiteral("'&([]^_`{~'");
}

void TestBase::chaineSQL() {
    QFETCH(QString, valeur);
    QFETCH(QString, literal);
    QCOMPARE(ChaineSQL(valeur), literal);
}

// The server value goes to the client library only when it is plainly a host: the MySQL client reads a host
// holding "=" or ";" as connection options (a command run on every connection, a library loaded).
void TestBase::serveur_data() {
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<QString>("hote"); // empty: refused
    const auto accepte = [](const char* nom, const QString& v, const QString& h) {
        QTest::newRow(nom) << v << h;
    };
    const auto refuse = [](const char* nom, const QString& v) { QTest::newRow(nom) << v << QString(); };
    accepte("IPv4", QStringLiteral("127.0.0.1"), QStringLiteral("127.0.0.1"));
    accepte("IPv4 limits", QStringLiteral("255.0.0.0"), QStringLiteral("255.0.0.0"));
    accepte("name", QStringLiteral("localhost"), QStringLiteral("localhost"));
    accepte("dotted name", QStringLiteral("db-1.ecole.example"), QStringLiteral("db-1.ecole.example"));
    accepte("Windows name", QStringLiteral("SERVEUR_ECOLE"), QStringLiteral("SERVEUR_ECOLE"));
    accepte("name ending in digits", QStringLiteral("srv2"), QStringLiteral("srv2"));
    accepte("IPv6 loopback", QStringLiteral("[::1]"), QStringLiteral("::1"));
    accepte("IPv6 full", QStringLiteral("[2001:db8:0:0:0:0:0:10]"), QStringLiteral("2001:db8:0:0:0:0:0:10"));
    accepte("IPv6 with IPv4 tail", QStringLiteral("[::ffff:192.0.2.1]"), QStringLiteral("::ffff:192.0.2.1"));
    refuse("empty", QString());
    refuse("options", QStringLiteral("host=127.0.0.1;port=3306;init-command=SELECT 1"));
    refuse("library", QStringLiteral("127.0.0.1;plugin-dir=/tmp/x;default-auth=evil"));
    refuse("equals only", QStringLiteral("a=b"));
    refuse("space", QStringLiteral("127.0.0.1 "));
    refuse("socket path", QStringLiteral("/run/mysqld/mysqld.sock"));
    refuse("port in the host", QStringLiteral("127.0.0.1:3306"));
    refuse("IPv4 part over 255", QStringLiteral("127.0.0.256"));
    refuse("IPv4 octal part", QStringLiteral("010.0.0.1"));
    refuse("short IPv4", QStringLiteral("127.1"));
    refuse("number", QStringLiteral("2130706433"));
    // Older forms of IPv4 addresses the system's resolver reads (each reached 127.0.0.1 as a "name").
    refuse("hexadecimal number", QStringLiteral("0x7f000001"));
    refuse("hexadecimal last part", QStringLiteral("127.0.0.0x1"));
    refuse("hexadecimal parts, capital X", QStringLiteral("0X7F.0x0.0x0.0X1"));
    refuse("octal and decimal", QStringLiteral("0177.1"));
    refuse("bare 0x", QStringLiteral("0x"));
    accepte("name with a hexadecimal-looking label", QStringLiteral("db.0x1f.example"),
            QStringLiteral("db.0x1f.example"));
    accepte("name starting with 0x", QStringLiteral("0xserveur"), QStringLiteral("0xserveur"));
    refuse("IPv6 without brackets", QStringLiteral("::1"));
    refuse("IPv6 two gaps", QStringLiteral("[1::2::3]"));
    refuse("IPv6 nine groups", QStringLiteral("[1:2:3:4:5:6:7:8:9]"));
    refuse("IPv6 zone", QStringLiteral("[fe80::1%eth0]"));
    refuse("IPv6 option after", QStringLiteral("[::1];a=b"));
    refuse("empty brackets", QStringLiteral("[]"));
    refuse("label starting with a hyphen", QStringLiteral("-serveur"));
    refuse("empty label", QStringLiteral("serveur..ecole"));
    refuse("label over 63", QString(64, QLatin1Char('a')));
    refuse("non-ASCII", QStringLiteral("écolé"));
    refuse("Arabic-Indic digits", QStringLiteral("[::\u0661]"));
    refuse("NUL", QStringLiteral("localhost") + QChar(u'\0') + QStringLiteral("x"));
}

void TestBase::serveur() {
    QFETCH(QString, valeur);
    QFETCH(QString, hote);
    if (!hote.isEmpty()) {
        QCOMPARE(HoteServeur(valeur), hote);
        return;
    }
    try {
        HoteServeur(valeur);
        QFAIL("accepted");
    } catch (const EKorven& e) {
        // The reason names the value, so that the administrator sees which one is wrong.
        QVERIFY2(valeur.isEmpty()
                     ? e.Message().contains(QStringLiteral("serveur"))
                     : e.Message().contains(QStringLiteral("« ") + valeur + QStringLiteral(" »")),
                 qPrintable(e.Message()));
    }
}

// Only 1 to 65535: the client library reads an empty or unreadable port as its default 3306, and a larger one
// modulo 65536 (99056 reached a server on 33520).
void TestBase::port_data() {
    QTest::addColumn<QString>("valeur");
    QTest::addColumn<int>("port"); // 0: refused
    QTest::newRow("3306") << QStringLiteral("3306") << 3306;
    QTest::newRow("1") << QStringLiteral("1") << 1;
    QTest::newRow("65535") << QStringLiteral("65535") << 65535;
    QTest::newRow("leading zero") << QStringLiteral("03306") << 3306;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("letters") << QStringLiteral("abc") << 0;
    QTest::newRow("negative") << QStringLiteral("-1") << 0;
    QTest::newRow("sign") << QStringLiteral("+3306") << 0;
    QTest::newRow("zero") << QStringLiteral("0") << 0;
    QTest::newRow("65536") << QStringLiteral("65536") << 0;
    QTest::newRow("99999") << QStringLiteral("99999") << 0;
    QTest::newRow("99056") << QStringLiteral("99056") << 0;
    QTest::newRow("beyond int") << QStringLiteral("4294970402") << 0;
    QTest::newRow("space") << QStringLiteral(" 3306") << 0;
    QTest::newRow("decimal") << QStringLiteral("3306.0") << 0;
}

void TestBase::port() {
    QFETCH(QString, valeur);
    QFETCH(int, port);
    if (port != 0) {
        QCOMPARE(PortServeur(valeur), port);
        return;
    }
    try {
        PortServeur(valeur);
        QFAIL("accepted");
    } catch (const EKorven& e) {
        QVERIFY2(e.Message().contains(QStringLiteral("port")), qPrintable(e.Message()));
        QVERIFY2(valeur.isEmpty() ||
                     e.Message().contains(QStringLiteral("« ") + valeur + QStringLiteral(" »")),
                 qPrintable(e.Message()));
    }
}

// The optional keys tls and tls_ca: absent, TLS when the server offers it; "require" or a CA file, only TLS.
void TestBase::securite_data() {
    QTest::addColumn<QString>("tls");
    QTest::addColumn<QString>("ca");
    QTest::addColumn<bool>("valide");
    QTest::addColumn<bool>("exiger");
    QTest::newRow("absent") << QString() << QString() << true << false;
    QTest::newRow("prefer") << QStringLiteral("prefer") << QString() << true << false;
    QTest::newRow("require") << QStringLiteral("require") << QString() << true << true;
    QTest::newRow("REQUIRE") << QStringLiteral("REQUIRE") << QString() << true << true;
    QTest::newRow("CA alone") << QString() << QStringLiteral("/etc/korven/ca.pem") << true << true;
    QTest::newRow("CA with prefer") << QStringLiteral("prefer") << QStringLiteral("/etc/korven/ca.pem")
                                    << true << true;
    QTest::newRow("misspelt") << QStringLiteral("requir") << QString() << false << false;
    QTest::newRow("yes") << QStringLiteral("yes") << QString() << false << false;
}

void TestBase::securite() {
    QFETCH(QString, tls);
    QFETCH(QString, ca);
    QFETCH(bool, valide);
    QFETCH(bool, exiger);
    if (!valide) {
        QVERIFY_THROWS_EXCEPTION(EKorven, SecuriteConnexion(tls, ca));
        return;
    }
    const TSecuriteConnexion s = SecuriteConnexion(tls, ca);
    QCOMPARE(s.Exiger, exiger);
    QCOMPARE(s.AutoriteCertification, ca);
}

QTEST_GUILESS_MAIN(TestBase)
#include "test_base.moc"
