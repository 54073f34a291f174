// The program's SQL driver against the real server: for every column type, the values (and their types)
// Qt's MySQL driver gives; values bound as parameters written exactly, whatever they hold and whatever the
// session's SQL mode; the server's errors with their numbers; and what a session of the program refuses to
// do for the server (send a file of the workstation) or for a statement's text (run a second statement). Rows
// read straight from the client library's buffers give the values the driver gives.
#include "base/KORVENTypesU.h"
#include "core/data/ConnexionSQL.h"
#include "core/data/LectureDirecte.h"
#include "support/BaseDeTest.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {

const QString Annee = QStringLiteral("bd_2025_2026");

// The fixture's connection, through Qt's MySQL driver: the reference.
QSqlDatabase Reference() {
    return QSqlDatabase::database(QStringLiteral("solvane_test_admin"), false);
}

// A value as "type|null or value|text", dates and moments with their time zone.
QString Decrire(const QVariant& v) {
    QString texte;
    switch (v.typeId()) {
    case QMetaType::QDateTime: {
        const QDateTime moment = v.toDateTime();
        texte = moment.date().toString(Qt::ISODate) + QLatin1Char(' ') +
                moment.time().toString(QStringLiteral("hh:mm:ss.zzz")) + QLatin1Char(' ') +
                QString::number(moment.timeSpec()) +
                (moment.isValid() ? QString() : QStringLiteral(" invalid"));
        break;
    }
    case QMetaType::QTime:
        texte = v.toTime().isValid() ? v.toTime().toString(QStringLiteral("hh:mm:ss.zzz"))
                                     : QStringLiteral("invalid");
        break;
    case QMetaType::QDate:
        texte = v.toDate().isValid() ? v.toDate().toString(Qt::ISODate) : QStringLiteral("invalid");
        break;
    case QMetaType::Double:
        texte = QString::number(v.toDouble(), 'g', 17);
        break;
    case QMetaType::QByteArray:
        texte = QString::fromLatin1(v.toByteArray().toHex());
        break;
    default:
        texte = v.toString();
    }
    return QString::fromLatin1(v.metaType().name()) + QLatin1Char('|') +
           (v.isNull() ? QStringLiteral("null") : QStringLiteral("value")) + QLatin1Char('|') + texte;
}

// The result's size and first column's type, then every value of that column.
QStringList Lire(QSqlQuery& q, QString& erreur) {
    QStringList valeurs;
    if (!q.isActive()) {
        erreur = q.lastError().text();
        return valeurs;
    }
    valeurs << QStringLiteral("size=%1 type=%2")
                   .arg(q.size())
                   .arg(QString::fromLatin1(q.record().field(0).metaType().name()));
    while (q.next())
        valeurs << Decrire(q.value(0)) + (q.isNull(0) ? QStringLiteral(" (isNull)") : QString());
    return valeurs;
}

} // namespace

class TestPilote : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void typesDesColonnes_data();
    void typesDesColonnes();
    void valeursEnParametres_data();
    void valeursEnParametres();
    void lectureDuResultat();
    void erreursDuServeur_data();
    void erreursDuServeur();

private:
    BaseDeTest* base_ = nullptr;
    TSQLConnection* connexion_ = nullptr;
};

// One year database for the whole run; each case has its own table t and a session of its own.
void TestPilote::initTestCase() {
    base_ = new BaseDeTest(QStringList{QStringLiteral("2025/2026")});
}

void TestPilote::cleanupTestCase() {
    delete base_;
    base_ = nullptr;
}

void TestPilote::init() {
    base_->Executer(QStringLiteral("DROP TABLE IF EXISTS t"), Annee);
    connexion_ = new TSQLConnection(QStringLiteral("Essai"), QStringLiteral("ESSAI_PILOTE"), nullptr);
    ServeurDeTest::Configurer(connexion_, Annee);
}

void TestPilote::cleanup() {
    delete connexion_;
    connexion_ = nullptr;
}

// Each column type with values that matter: bounds, zero dates, fractions, NULL, text beyond Latin-1, bytes
// that are not text.
void TestPilote::typesDesColonnes_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("valeurs"); // SQL literals

    const QString nul = QStringLiteral("NULL");
    QTest::newRow("tinyint") << QStringLiteral("TINYINT") << QStringList{"-128", "127", nul};
    QTest::newRow("tinyint unsigned") << QStringLiteral("TINYINT UNSIGNED") << QStringList{"255", nul};
    QTest::newRow("smallint") << QStringLiteral("SMALLINT") << QStringList{"-32768", nul};
    QTest::newRow("int") << QStringLiteral("INT") << QStringList{"2147483647", "-5", nul};
    QTest::newRow("int unsigned") << QStringLiteral("INT UNSIGNED") << QStringList{"4294967295", nul};
    QTest::newRow("bigint") << QStringLiteral("BIGINT") << QStringList{"-9223372036854775808", nul};
    QTest::newRow("bigint unsigned") << QStringLiteral("BIGINT UNSIGNED")
                                     << QStringList{"18446744073709551615", nul};
    QTest::newRow("decimal") << QStringLiteral("DECIMAL(10,2)") << QStringList{"1500.50", "-0.01", "0", nul};
    QTest::newRow("double") << QStringLiteral("DOUBLE") << QStringList{"0.1", "1e300", nul};
    QTest::newRow("float") << QStringLiteral("FLOAT") << QStringList{"1.5", nul};
    QTest::newRow("date") << QStringLiteral("DATE")
                          << QStringList{"'2025-09-01'", "'0000-00-00'", "'2024-02-29'", nul};
    QTest::newRow("datetime") << QStringLiteral("DATETIME")
                              << QStringList{"'2026-01-02 03:04:05'", "'0000-00-00 00:00:00'", nul};
    QTest::newRow("datetime(6)") << QStringLiteral("DATETIME(6)")
                                 << QStringList{"'2026-01-02 03:04:05.123456'", nul};
    QTest::newRow("timestamp") << QStringLiteral("TIMESTAMP NULL")
                               << QStringList{"'2026-01-02 03:04:05'", nul};
    QTest::newRow("time") << QStringLiteral("TIME")
                          << QStringList{"'08:30:00'", "'-01:00:00'", "'838:59:59'", nul};
    QTest::newRow("time(1)") << QStringLiteral("TIME(1)") << QStringList{"'10:11:12.5'", nul};
    QTest::newRow("year") << QStringLiteral("YEAR") << QStringList{"2026", nul};
    QTest::newRow("char") << QStringLiteral("CHAR(3)") << QStringList{"'abc'", "''", nul};
    QTest::newRow("varchar") << QStringLiteral("VARCHAR(50)")
                             << QStringList{QStringLiteral("'Ébolowa ☃ 😀'"), QStringLiteral("'O''Neil \\\\'"),
                                            nul};
    QTest::newRow("varchar repeated")
        << QStringLiteral("VARCHAR(20)")
        << QStringList{"'Ngono'", "'Ngono'", "'Ngona'", QStringLiteral("'Ngonö'"), "'Ngon'", nul,
                       "'Ngono'", "''",      "''"};
    QTest::newRow("varchar bin") << QStringLiteral("VARCHAR(10) COLLATE utf8mb4_bin") << QStringList{"'abc'"};
    QTest::newRow("text") << QStringLiteral("TEXT") << QStringList{"REPEAT('é', 3000)", nul};
    QTest::newRow("longblob") << QStringLiteral("LONGBLOB") << QStringList{"X'00FF0A275C'", "X''", nul};
    QTest::newRow("varbinary") << QStringLiteral("VARBINARY(10)") << QStringList{"X'0001'", nul};
    QTest::newRow("enum") << QStringLiteral("ENUM('a','b')") << QStringList{"'b'", nul};
    QTest::newRow("set") << QStringLiteral("SET('a','b')") << QStringList{"'a,b'", nul};
}

// Read through a plain statement and through one with a parameter: the same values of the same types, null
// or not, as Qt's MySQL driver reads with a plain statement.
void TestPilote::typesDesColonnes() {
    QFETCH(QString, type);
    QFETCH(QStringList, valeurs);

    base_->Executer(
        QStringLiteral("CREATE TABLE t (id INT AUTO_INCREMENT PRIMARY KEY, v %1) DEFAULT CHARSET utf8mb4")
            .arg(type),
        Annee);
    for (const QString& valeur : valeurs)
        base_->Executer(QStringLiteral("INSERT INTO t (v) VALUES (%1)").arg(valeur), Annee);

    QString erreur;
    QSqlQuery reference(Reference());
    QVERIFY2(reference.exec(QStringLiteral("SELECT v FROM `%1`.t ORDER BY id").arg(Annee)),
             qPrintable(reference.lastError().text()));
    const QStringList attendu = Lire(reference, erreur);
    QVERIFY2(erreur.isEmpty(), qPrintable(erreur));

    QSqlQuery texte(connexion_->Base());
    texte.setForwardOnly(true);
    texte.exec(QStringLiteral("SELECT v FROM t ORDER BY id"));
    QCOMPARE(Lire(texte, erreur), attendu);
    QVERIFY2(erreur.isEmpty(), qPrintable(erreur));

    QSqlQuery parametre(connexion_->Base());
    QVERIFY(parametre.prepare(QStringLiteral("SELECT v FROM t WHERE id >= :premier ORDER BY id")));
    parametre.bindValue(QStringLiteral(":premier"), 1);
    parametre.exec();
    QCOMPARE(Lire(parametre, erreur), attendu);
    QVERIFY2(erreur.isEmpty(), qPrintable(erreur));

    // Straight from the client library's buffers: the nulls, texts, dates and whole numbers the driver's
    // values give, row by row (a text equal to the one above it included).
    QSqlQuery direct(connexion_->Base());
    direct.setForwardOnly(true);
    QVERIFY(direct.exec(QStringLiteral("SELECT v FROM t ORDER BY id")));
    QSqlQuery parValeurs(connexion_->Base());
    parValeurs.setForwardOnly(true);
    QVERIFY(parValeurs.exec(QStringLiteral("SELECT v FROM t ORDER BY id")));
    TLectureDirecte lecture(direct);
    TLectureDirecte reference2(parValeurs, false);
    QVERIFY(lecture.Directe());
    QVERIFY(!reference2.Directe());
    const int typeColonne = parValeurs.record().field(0).metaType().id();
    int lignes = 0;
    while (lecture.Suivante()) {
        QVERIFY(reference2.Suivante());
        ++lignes;
        QCOMPARE(lecture.EstNul(0), reference2.EstNul(0));
        switch (typeColonne) {
        case QMetaType::QDate:
        case QMetaType::QDateTime:
            QCOMPARE(lecture.Date(0), reference2.Date(0));
            break;
        case QMetaType::Char:
        case QMetaType::Short:
        case QMetaType::Int:
            QCOMPARE(lecture.Entier(0), reference2.Entier(0));
            QCOMPARE(lecture.Texte(0), reference2.Texte(0));
            break;
        case QMetaType::QString:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::UChar:
        case QMetaType::UShort:
            QCOMPARE(lecture.Texte(0), reference2.Texte(0));
            break;
        default:
            break;
        }
    }
    QVERIFY(!reference2.Suivante());
    QCOMPARE(lignes, valeurs.size());
}

// Each value reaches the column exactly as bound, read back by the reference driver; nothing in it is read
// as SQL or as another parameter, also when the session reads backslashes as ordinary characters.
void TestPilote::valeursEnParametres_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QVariant>("valeur");
    QTest::addColumn<QVariant>("attendu"); // what the reference driver reads; a null variant: SQL NULL
    QTest::addColumn<bool>("sansAntislash");

    const QString hostile = QStringLiteral("O'Neil \\' \" \\ :v ?) ; DROP TABLE t; -- fin\\");
    const QString controles = QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b\n\r\x1a\tc");
    QByteArray octets;
    for (int i = 0; i < 256; ++i)
        octets.append(static_cast<char>(i));
    const QDateTime moment(QDate(2026, 1, 2), QTime(3, 4, 5));

    for (bool sans : {false, true}) {
        const char* mode = sans ? " (NO_BACKSLASH_ESCAPES)" : "";
        QTest::addRow("quotes, backslashes, SQL%s", mode)
            << QStringLiteral("VARCHAR(100)") << QVariant(hostile) << QVariant(hostile) << sans;
        QTest::addRow("control characters%s", mode)
            << QStringLiteral("VARCHAR(100)") << QVariant(controles) << QVariant(controles) << sans;
        QTest::addRow("bytes 0 to 255%s", mode)
            << QStringLiteral("LONGBLOB") << QVariant(octets) << QVariant(octets) << sans;
    }
    QTest::newRow("four-byte characters")
        << QStringLiteral("VARCHAR(20)") << QVariant(QStringLiteral("😀 Ébène"))
        << QVariant(QStringLiteral("😀 Ébène")) << false;
    QTest::newRow("empty text is not NULL") << QStringLiteral("VARCHAR(20)") << QVariant(QStringLiteral(""))
                                            << QVariant(QStringLiteral("")) << false;
    QTest::newRow("null text is NULL")
        << QStringLiteral("VARCHAR(20)") << QVariant(QString()) << QVariant() << false;
    QTest::newRow("null bytes are NULL")
        << QStringLiteral("LONGBLOB") << QVariant(QMetaType::fromType<QByteArray>()) << QVariant() << false;
    QTest::newRow("invalid date is NULL")
        << QStringLiteral("DATE") << QVariant(QDate()) << QVariant() << false;
    QTest::newRow("date") << QStringLiteral("DATE") << QVariant(QDate(2024, 2, 29))
                          << QVariant(QDate(2024, 2, 29)) << false;
    QTest::newRow("time") << QStringLiteral("TIME") << QVariant(QTime(8, 30, 15))
                          << QVariant(QStringLiteral("08:30:15")) << false;
    QTest::newRow("moment") << QStringLiteral("DATETIME") << QVariant(moment) << QVariant(moment) << false;
    QTest::newRow("negative integer") << QStringLiteral("INT") << QVariant(-42) << QVariant(-42) << false;
    QTest::newRow("largest unsigned")
        << QStringLiteral("BIGINT UNSIGNED") << QVariant(std::numeric_limits<qulonglong>::max())
        << QVariant(std::numeric_limits<qulonglong>::max()) << false;
    QTest::newRow("double kept exactly")
        << QStringLiteral("DOUBLE") << QVariant(0.1) << QVariant(0.1) << false;
    QTest::newRow("decimal") << QStringLiteral("DECIMAL(10,2)") << QVariant(1500.5) << QVariant(1500.5)
                             << false;
    QTest::newRow("boolean") << QStringLiteral("TINYINT") << QVariant(true) << QVariant(1) << false;
}

void TestPilote::valeursEnParametres() {
    QFETCH(QString, type);
    QFETCH(QVariant, valeur);
    QFETCH(QVariant, attendu);
    QFETCH(bool, sansAntislash);

    base_->Executer(QStringLiteral("CREATE TABLE t (id INT AUTO_INCREMENT PRIMARY KEY, v %1, autre INT) "
                                   "DEFAULT CHARSET utf8mb4")
                        .arg(type),
                    Annee);
    QSqlQuery q(connexion_->Base());
    if (sansAntislash)
        QVERIFY(q.exec(QStringLiteral("SET SESSION sql_mode = CONCAT(@@sql_mode, ',NO_BACKSLASH_ESCAPES')")));
    // A placeholder's name inside a quoted text is text; the same parameter may appear twice.
    QVERIFY(q.prepare(
        QStringLiteral("INSERT INTO t (v, autre) VALUES (:v, IF(':v' = ':v' AND :v <=> :v, 1, 0))")));
    q.bindValue(QStringLiteral(":v"), valeur);
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    QCOMPARE(q.numRowsAffected(), 1);
    QCOMPARE(q.lastInsertId().toInt(), 1);

    QSqlQuery reference(Reference());
    QVERIFY(reference.exec(QStringLiteral("SELECT v, autre FROM `%1`.t").arg(Annee)));
    QVERIFY(reference.next());
    QCOMPARE(reference.value(1).toInt(), 1);
    if (attendu.isNull())
        QVERIFY2(reference.isNull(0), qPrintable(Decrire(reference.value(0))));
    else
        QCOMPARE(Decrire(reference.value(0)), Decrire(attendu));
    QVERIFY(!reference.next());
}

// The whole result is there when the statement has run: its size, reading forward, going back and to the
// end when not read forward only; and a statement that returns no rows says how many it changed.
void TestPilote::lectureDuResultat() {
    base_->Executer(QStringLiteral("CREATE TABLE t (id INT PRIMARY KEY, nom VARCHAR(10))"), Annee);
    QSqlQuery q(connexion_->Base());
    QVERIFY(q.exec(QStringLiteral("INSERT INTO t VALUES (1, 'un'), (2, 'deux'), (3, 'trois')")));
    QCOMPARE(q.numRowsAffected(), 3);
    QVERIFY(!q.isSelect());
    QCOMPARE(q.size(), -1);

    QVERIFY(q.exec(QStringLiteral("SELECT id, nom AS libelle FROM t ORDER BY id")));
    QVERIFY(q.isSelect());
    QCOMPARE(q.size(), 3);
    QCOMPARE(q.record().fieldName(1), QStringLiteral("libelle"));
    QCOMPARE(q.record().indexOf(QStringLiteral("id")), 0);
    QVERIFY(q.last());
    QCOMPARE(q.value(1).toString(), QStringLiteral("trois"));
    QVERIFY(q.first());
    QCOMPARE(q.value(1).toString(), QStringLiteral("un"));
    QVERIFY(q.seek(1));
    QCOMPARE(q.value(0).toInt(), 2);
    QVERIFY(q.next());
    QVERIFY(!q.next());

    // Another statement on the same session while a result is still held: both read right.
    QSqlQuery tenu(connexion_->Base());
    tenu.setForwardOnly(true);
    QVERIFY(tenu.exec(QStringLiteral("SELECT nom FROM t ORDER BY id")));
    QVERIFY(tenu.next());
    QVERIFY(q.exec(QStringLiteral("UPDATE t SET nom = 'x' WHERE id = 3")));
    QCOMPARE(q.numRowsAffected(), 1);
    QStringList noms{tenu.value(0).toString()};
    while (tenu.next())
        noms << tenu.value(0).toString();
    QCOMPARE(noms, (QStringList{"un", "deux", "trois"}));
    QTest::ignoreMessage(QtWarningMsg, "QSqlQuery::seek: cannot seek backwards in a forward only query");
    QVERIFY(!tenu.previous()); // read forward only
}

// The server's text and number reach the caller; a second statement in the same text is never run; the
// server gets no file of the workstation.
void TestPilote::erreursDuServeur_data() {
    QTest::addColumn<QString>("instruction");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("texte");

    QTest::newRow("duplicate key") << QStringLiteral("INSERT INTO t VALUES (1)") << QStringLiteral("1062")
                                   << QStringLiteral("Duplicate entry '1'");
    QTest::newRow("unknown table") << QStringLiteral("SELECT * FROM absente") << QStringLiteral("1146")
                                   << QStringLiteral("absente' doesn't exist");
    QTest::newRow("second statement") << QStringLiteral("SELECT 1; DROP DATABASE korven")
                                      << QStringLiteral("1064") << QStringLiteral("syntax");
    QTest::newRow("file of the workstation")
        << QStringLiteral("LOAD DATA LOCAL INFILE '/etc/hostname' INTO TABLE t") << QString() << QString();
}

void TestPilote::erreursDuServeur() {
    QFETCH(QString, instruction);
    QFETCH(QString, code);
    QFETCH(QString, texte);

    base_->Executer(QStringLiteral("CREATE TABLE t (a VARCHAR(200) PRIMARY KEY)"), Annee);
    base_->Executer(QStringLiteral("INSERT INTO t VALUES ('1')"), Annee);
    QSqlQuery q(connexion_->Base());
    QVERIFY2(!q.exec(instruction), "the statement ran");
    const QSqlError erreur = q.lastError();
    QVERIFY2(erreur.isValid() && !erreur.databaseText().isEmpty(), qPrintable(erreur.text()));
    if (!code.isEmpty())
        QCOMPARE(erreur.nativeErrorCode(), code);
    QVERIFY2(erreur.databaseText().contains(texte), qPrintable(erreur.databaseText()));
    QCOMPARE(TexteErreur(erreur), erreur.databaseText());

    // Nothing happened, and the session goes on.
    QCOMPARE(base_->Lignes(QStringLiteral("SELECT a FROM t"), Annee), QStringList{QStringLiteral("1")});
    QVERIFY(!base_->Lignes(QStringLiteral("SHOW DATABASES LIKE 'korven'")).isEmpty());
    QVERIFY(q.exec(QStringLiteral("SELECT COUNT(*) FROM t")) && q.next());
    QCOMPARE(q.value(0).toInt(), 1);
}

QTEST_GUILESS_MAIN(TestPilote)
#include "test_pilote.moc"
