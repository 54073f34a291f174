// The stand-ins for the Windows services that need no database: sounds, the workstation address and the end
// of the application.
#include "core/platform/FinApplication.h"
#include "core/platform/Poste.h"
#include "core/platform/Sons.h"
#include "gui/commun/SonsQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#ifndef Q_OS_WIN
#include <QSoundEffect>
#endif
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// A sound file of 0.1 s of silence (8 kHz mono 8-bit PCM).
bool EcrireSilence(const QString& chemin) {
    QFile wav(chemin);
    if (!wav.open(QIODevice::WriteOnly))
        return false;
    const QByteArray donnees(800, '\x80');
    QByteArray entete("RIFF");
    const auto mot = [&entete](quint32 v, int octets) {
        for (int i = 0; i < octets; ++i)
            entete.append(char((v >> (8 * i)) & 0xFF));
    };
    mot(36 + donnees.size(), 4);
    entete += "WAVEfmt ";
    mot(16, 4), mot(1, 2), mot(1, 2), mot(8000, 4), mot(8000, 4), mot(1, 2), mot(8, 2);
    entete += "data";
    mot(donnees.size(), 4);
    return wav.write(entete + donnees) == entete.size() + donnees.size();
}

} // namespace

class TestPlateforme : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InstallerSons(&sons_); }
    void cleanupTestCase() { InstallerSons(nullptr); }
    void cheminDesSons();
    void sonAbsentOuPresent();
    void adresse_data();
    void adresse();
    void poste();
    void statutDeSortie_data();
    void statutDeSortie();

private:
    SonsQt sons_;
};

// "son\echec.wav" is read relative to the current directory, the backslash as a directory separator.
void TestPlateforme::cheminDesSons() {
    QTemporaryDir dossier;
    const QString avant = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    QCOMPARE(CheminSon(SonEchec), QDir(dossier.path()).filePath(QStringLiteral("son/echec.wav")));
    QCOMPARE(CheminSon(QStringLiteral("son/ouverture.wav")),
             QDir(dossier.path()).filePath(QStringLiteral("son/ouverture.wav")));
    QDir::setCurrent(avant);
}

#ifdef Q_OS_WIN
// Windows plays the file itself: a missing file is silent, an existing one (in a folder whose name holds a
// space and accented letters) starts without making the caller wait, even with no sound device.
void TestPlateforme::sonAbsentOuPresent() {
    QTemporaryDir dossier;
    const QString avant = QDir::currentPath();
    const QString ici = QDir(dossier.path()).filePath(QStringLiteral("Année scolaire é"));
    QVERIFY(QDir().mkpath(ici + QStringLiteral("/son")));
    QDir::setCurrent(ici);
    QElapsedTimer chrono;
    chrono.start();
    Sons().Jouer(SonEchec);
    QVERIFY(chrono.elapsed() < 2000);

    QVERIFY(EcrireSilence(QStringLiteral("son/echec.wav")));
    chrono.restart();
    Sons().Jouer(SonEchec);
    Sons().Jouer(SonEchec); // the second stops the first
    QVERIFY(chrono.elapsed() < 2000);
    QDir::setCurrent(avant);
}
#else
// A missing file is silent; an existing one starts without making the caller wait, even with no sound device
// (the effect then releases itself after a while).
void TestPlateforme::sonAbsentOuPresent() {
    QTemporaryDir dossier;
    const QString avant = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    Sons().Jouer(SonEchec);
    QVERIFY(QCoreApplication::instance()->findChildren<QSoundEffect*>().isEmpty());

    QDir().mkpath(QStringLiteral("son"));
    QVERIFY(EcrireSilence(QStringLiteral("son/echec.wav")));

    QElapsedTimer chrono;
    chrono.start();
    Sons().Jouer(SonEchec);
    QVERIFY(chrono.elapsed() < 2000);
    QCOMPARE(QCoreApplication::instance()->findChildren<QSoundEffect*>().size(), 1);
    // Released here once loaded, rather than after half a minute.
    QSoundEffect* effet = QCoreApplication::instance()->findChild<QSoundEffect*>();
    QTRY_VERIFY(effet->status() != QSoundEffect::Loading && effet->status() != QSoundEffect::Null);
    delete effet;
    QDir::setCurrent(avant);
}
#endif

void TestPlateforme::adresse_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("texte");
    QTest::newRow("192.168.1.10") << QByteArray("\xC0\xA8\x01\x0A", 4) << QStringLiteral("192.168.1.10");
    QTest::newRow("sans zéros de tête") << QByteArray("\x0A\x00\x00\x05", 4) << QStringLiteral("10.0.0.5");
    QTest::newRow("255") << QByteArray("\xFF\xFF\xFF\xFF", 4) << QStringLiteral("255.255.255.255");
    QTest::newRow("longueur nulle") << QByteArray() << QString();
}

void TestPlateforme::adresse() {
    QFETCH(QByteArray, octets);
    QFETCH(QString, texte);
    QCOMPARE(TexteAdresse(reinterpret_cast<const unsigned char*>(octets.constData()),
                          static_cast<int>(octets.size())),
             texte);
}

// The workstation as the journal records it: a name, and the first IPv4 address of that name in dotted form.
void TestPlateforme::poste() {
    QVERIFY(!GetNomMachine().isEmpty());
    const QString ip = GetIP();
    const QStringList octets = ip.split(QLatin1Char('.'));
    QCOMPARE(octets.size(), 4);
    for (const QString& octet : octets) {
        bool nombre = false;
        const uint valeur = octet.toUInt(&nombre);
        QVERIFY2(nombre && valeur <= 255 && octet == QString::number(valeur), qPrintable(ip));
    }
}

// The program's own end (main() returns what the event loop returns): status 0 when the user is done, a
// failure status when the program cannot go on, also from inside a modal box's loop.
void TestPlateforme::statutDeSortie_data() {
    QTest::addColumn<bool>("echec");
    QTest::addColumn<bool>("boiteOuverte");
    QTest::addColumn<int>("statut");
    QTest::newRow("done") << false << false << 0;
    QTest::newRow("failure") << true << false << 1;
    QTest::newRow("failure from a box") << true << true << 1;
}

void TestPlateforme::statutDeSortie() {
    QFETCH(bool, echec);
    QFETCH(bool, boiteOuverte);
    QFETCH(int, statut);
    const auto finir = [echec] {
        if (echec)
            FinApplication().TerminerEnEchec();
        else
            FinApplication().Terminer();
    };
    QTimer::singleShot(0, [&] {
        if (!boiteOuverte) {
            finir();
            return;
        }
        QEventLoop boite; // as a modal message box runs its own loop
        QTimer::singleShot(0, finir);
        boite.exec();
    });
    QCOMPARE(QCoreApplication::exec(), statut);
}

QTEST_MAIN(TestPlateforme)
#include "test_plateforme.moc"
