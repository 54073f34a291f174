// What needs neither server nor window: year codes and database names, the sections-and-keys reader and the
// quoting of values written into SQL text.
#include "base/FichierIni.h"
#include "base/KORVENFonctionsU.h"
#include "base/KORVENTypesU.h"
#include "base/KorvenUtils.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestBase : public QObject {
    Q_OBJECT

private slots:
    void anneeSuivante_data();
    void anneeSuivante();
    void nomBaseAnnee_data();
    void nomBaseAnnee();
    void fichierIni();
    void chaineSQL_data();
    void chaineSQL();
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

QTEST_GUILESS_MAIN(TestBase)
#include "test_base.moc"
