// The configuration-value cipher and the korven-config tool that writes config_korven.ini.
//
// Reference values: computed once with the openssl command line (OpenSSL 3.0), never with our own code:
//
//   # key: SHA-1 of the UTF-16LE pass phrase, then 4 zero bytes (AES-192)
//   KEY=$(printf '%s' '4830vultam' | iconv -f UTF-8 -t UTF-16LE | openssl dgst -sha1 -binary | xxd -p -c
//   64)00000000 # IV: one AES-192 block encryption of 16 zero bytes IV=$(head -c 16 /dev/zero | openssl enc
//   -aes-192-ecb -nopad -K "$KEY" | xxd -p -c 64) # a value: CFB-8 over the text's UTF-16LE bytes, then
//   Base64 printf '%s' 'korven' | iconv -f UTF-8 -t UTF-16LE | openssl enc -aes-192-cfb8 -K "$KEY" -iv "$IV"
//   | base64 -w0
//
// which gives KEY = cea0d471f6c5d4c24de906786b5e2d39b8305c3b00000000 and IV =
// 56195c13214df65ea8a941b45500383a. The "8-bit pass phrase" value hashes the phrase without the iconv step
// (KEY = e039a3ba...c3e85d00000000); the "other pass phrase" value uses '4830vultan' in place of
// '4830vultam'.

#include "base/Chiffrement.h"
#include "support/Processus.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
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

const QString CleEnHuitBits = QStringLiteral("cjFxhhBnq8XIMZ1w");      // "korven", key from the 8-bit phrase
const QString AutrePhrase = QStringLiteral("4830vultan");              // one letter off
const QString ChiffreAutrePhrase = QStringLiteral("EucwwNTZQvXLDT+o"); // "korven" under AutrePhrase

QByteArray Utf16Le(const QString& texte) {
    QByteArray octets;
    for (QChar c : texte) {
        octets.append(static_cast<char>(c.unicode() & 0xFF));
        octets.append(static_cast<char>(c.unicode() >> 8));
    }
    return octets;
}

// A text with ASCII, Latin-1, other BMP scripts, surrogate pairs and a NUL, long enough to run through many
// AES blocks of feedback.
QString TexteMelange(int repetitions) {
    QString texte;
    for (int i = 0; i < repetitions; ++i)
        texte += QStringLiteral("Éloïse-%1 東京 😀 Ωμέγα ").arg(i) + QChar(u'\0');
    return texte;
}

// Gives a directory a mode. On Windows only "anyone may write" (o+w) means something: an entry of its access
// list lets everyone do everything there.
bool ChangerDroits(const QString& chemin, int mode) {
#ifdef Q_OS_WIN
    if ((mode & 0002) == 0)
        return true;
    const std::wstring nom = QDir::toNativeSeparators(chemin).toStdWString();
    PACL liste = nullptr;
    PSECURITY_DESCRIPTOR descripteur = nullptr;
    if (GetNamedSecurityInfoW(nom.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                              &liste, nullptr, &descripteur) != ERROR_SUCCESS)
        return false;
    BYTE tousLesComptes[SECURITY_MAX_SID_SIZE];
    DWORD taille = sizeof tousLesComptes;
    CreateWellKnownSid(WinWorldSid, nullptr, tousLesComptes, &taille);
    EXPLICIT_ACCESS_W tout{};
    tout.grfAccessPermissions = FILE_ALL_ACCESS;
    tout.grfAccessMode = GRANT_ACCESS;
    tout.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    tout.Trustee.ptstrName = reinterpret_cast<LPWSTR>(tousLesComptes);
    PACL nouvelle = nullptr;
    const bool fait =
        SetEntriesInAclW(1, &tout, liste, &nouvelle) == ERROR_SUCCESS &&
        SetNamedSecurityInfoW(const_cast<wchar_t*>(nom.c_str()), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, nouvelle, nullptr) == ERROR_SUCCESS;
    LocalFree(nouvelle);
    LocalFree(descripteur);
    return fait;
#else
    return ::chmod(QFile::encodeName(chemin).constData(), static_cast<mode_t>(mode)) == 0;
#endif
}

} // namespace

class TestChiffrement : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void vecteursDeReference_data();
    void vecteursDeReference();
    void concordanceAvecOpenssl_data();
    void concordanceAvecOpenssl();
    void longueurEtAlphabet_data();
    void longueurEtAlphabet();
    void modificationSePropageVersLaFin_data();
    void modificationSePropageVersLaFin();
    void allerRetour_data();
    void allerRetour();
    void phraseSecrete_data();
    void phraseSecrete();
    void texteTronque_data();
    void texteTronque();
    void decodageBase64_data();
    void decodageBase64();

    void outilEcritPuisRelitLeFichier();
    void outilLitUnFichierPrepareAilleurs();
    void outilRefuseLesMauvaisArguments_data();
    void outilRefuseLesMauvaisArguments();
    void outilEcritLesClesDeChiffrement();
    void outilProtegeCeQuiEstEnPlace_data();
    void outilProtegeCeQuiEstEnPlace();
    void outilLitSeulementUnFichierOrdinaire_data();
    void outilLitSeulementUnFichierOrdinaire();
    void outilRefuseUnDossierPartage_data();
    void outilRefuseUnDossierPartage();

private:
    struct Resultat {
        int code = -1;
        QByteArray sortie;
        QByteArray erreurs;
    };
    static Resultat Lancer(const QString& programme, const QStringList& arguments, const QByteArray& entree);

    QTemporaryDir dossier_;
};

void TestChiffrement::initTestCase() {
    QVERIFY(dossier_.isValid());
    // Refused runs aim at a writable place, so that a wrongly accepted run would leave a file behind.
    QVERIFY(QDir(dossier_.path()).mkpath(QStringLiteral("refus")));
}

TestChiffrement::Resultat TestChiffrement::Lancer(const QString& programme, const QStringList& arguments,
                                                  const QByteArray& entree) {
    QProcess processus;
    processus.start(programme, arguments);
    TFinProcessus fin = AttendreProcessus(processus, entree);
#ifdef Q_OS_WIN
    // A Windows program's text output ends its lines with CR LF.
    fin.Sortie.replace("\r\n", "\n");
    fin.Erreurs.replace("\r\n", "\n");
#endif
    return {fin.Code, fin.Sortie, fin.Erreurs};
}

// ---------------------------------------------------------------------------------------------------------------
// The cipher

void TestChiffrement::vecteursDeReference_data() {
    QTest::addColumn<QString>("clair");
    QTest::addColumn<QString>("chiffre");

    QTest::newRow("master database name") << QStringLiteral("korven") << QStringLiteral("/LmQ5o03Vfyni7U7");
    QTest::newRow("server address") << QStringLiteral("127.0.0.1")
                                    << QStringLiteral("pnUUEyyVYEEag/9vZdMqWyLc");
    QTest::newRow("port") << QStringLiteral("3306") << QStringLiteral("pLNBHj1qB7U=");
    QTest::newRow("account") << QStringLiteral("root") << QStringLiteral("5cjpzt1pZxw=");
    QTest::newRow("11 units, == padding")
        << QStringLiteral("Motdepasse!") << QStringLiteral("2tAv7rKXgmweXb6KvAb4roQmP5mP9Q==");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("Latin-1 accents") << QStringLiteral("Éloïse") << QStringLiteral("XuHUMzJj/yk3ep1d");
    QTest::newRow("CJK") << QStringLiteral("東京") << QStringLiteral("5ii0JA==");
    QTest::newRow("surrogate pair") << QStringLiteral("😀") << QStringLiteral("qir2yA==");
    QTest::newRow("surrogate pair inside ASCII") << QStringLiteral("x😀y") << QStringLiteral("7xmKyxVLFs4=");
}

void TestChiffrement::vecteursDeReference() {
    QFETCH(QString, clair);
    QFETCH(QString, chiffre);

    QCOMPARE(CrypterTexte(clair, PhraseSecrete), chiffre);
    QCOMPARE(DecrypterTexte(chiffre, PhraseSecrete), clair);
}

// The same derivation done by the openssl command line at run time, on texts too long to hard-code and with
// pass phrases whose UTF-16LE and 8-bit forms differ.
void TestChiffrement::concordanceAvecOpenssl_data() {
    QTest::addColumn<QString>("clair");
    QTest::addColumn<QString>("phrase");

    QTest::newRow("long mixed text") << TexteMelange(40) << PhraseSecrete;
    QTest::newRow("lone high surrogate") << QString(QChar(0xD83D)) + QStringLiteral("abc") << PhraseSecrete;
    QTest::newRow("accented pass phrase")
        << QStringLiteral("server.local") << QStringLiteral("Clé d'accès ✓");
    QTest::newRow("pass phrase beyond the BMP") << QStringLiteral("user") << QStringLiteral("🔑🔑");
}

void TestChiffrement::concordanceAvecOpenssl() {
    QFETCH(QString, clair);
    QFETCH(QString, phrase);

    const QString openssl = QStandardPaths::findExecutable(QStringLiteral("openssl"));
    if (openssl.isEmpty())
        QSKIP("the openssl command line is not installed");

    const Resultat empreinte =
        Lancer(openssl, {QStringLiteral("dgst"), QStringLiteral("-sha1"), QStringLiteral("-binary")},
               Utf16Le(phrase));
    QCOMPARE(empreinte.code, 0);
    QCOMPARE(empreinte.sortie.size(), 20);
    const QString cle = QString::fromLatin1((empreinte.sortie + QByteArray(4, '\0')).toHex());

    const Resultat iv = Lancer(openssl,
                               {QStringLiteral("enc"), QStringLiteral("-aes-192-ecb"),
                                QStringLiteral("-nopad"), QStringLiteral("-K"), cle},
                               QByteArray(16, '\0'));
    QCOMPARE(iv.code, 0);
    QCOMPARE(iv.sortie.size(), 16);

    const Resultat chiffre =
        Lancer(openssl,
               {QStringLiteral("enc"), QStringLiteral("-aes-192-cfb8"), QStringLiteral("-K"), cle,
                QStringLiteral("-iv"), QString::fromLatin1(iv.sortie.toHex())},
               Utf16Le(clair));
    QCOMPARE(chiffre.code, 0);
    QCOMPARE(chiffre.sortie.size(), 2 * clair.size());

    const QString attendu = QString::fromLatin1(chiffre.sortie.toBase64());
    QCOMPARE(CrypterTexte(clair, phrase), attendu);
    QCOMPARE(DecrypterTexte(attendu, phrase), clair);
}

void TestChiffrement::longueurEtAlphabet_data() {
    QTest::addColumn<QString>("clair");
    QTest::addColumn<int>("longueur");
    QTest::addColumn<int>("remplissage");

    // ((2L + 2) div 3) * 4 characters; 2L mod 3 decides the number of "=".
    QTest::newRow("0 units") << QString() << 0 << 0;
    QTest::newRow("1 unit") << QStringLiteral("a") << 4 << 1;
    QTest::newRow("2 units") << QStringLiteral("ab") << 8 << 2;
    QTest::newRow("3 units") << QStringLiteral("abc") << 8 << 0;
    QTest::newRow("4 units, non-ASCII") << QStringLiteral("東京東京") << 12 << 1;
    QTest::newRow("5 units, with pair") << QStringLiteral("é😀ab") << 16 << 2;
    QTest::newRow("300 units") << QString(300, u'z') << 800 << 0;
}

void TestChiffrement::longueurEtAlphabet() {
    QFETCH(QString, clair);
    QFETCH(int, longueur);
    QFETCH(int, remplissage);

    const QString chiffre = CrypterTexte(clair, PhraseSecrete);
    QCOMPARE(chiffre.size(), longueur);
    static const QRegularExpression forme(QStringLiteral("^[A-Za-z0-9+/]*(=*)$"));
    const QRegularExpressionMatch m = forme.match(chiffre);
    QVERIFY2(m.hasMatch(), qPrintable(chiffre));
    QCOMPARE(m.capturedLength(1), remplissage);

    // Every call starts from the same key and IV.
    QCOMPARE(CrypterTexte(clair, PhraseSecrete), chiffre);
}

void TestChiffrement::modificationSePropageVersLaFin_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QChar>("remplacement");

    QTest::newRow("first unit") << 0 << QChar(u'K');
    QTest::newRow("middle unit, low byte") << 6 << QChar(u'x');
    QTest::newRow("middle unit, high byte only") << 8 << QChar(0x0161); // 'a' (0x0061) -> U+0161
    QTest::newRow("last unit") << 15 << QChar(u'!');
}

void TestChiffrement::modificationSePropageVersLaFin() {
    QFETCH(int, position);
    QFETCH(QChar, remplacement);

    const QString base = QStringLiteral("serveur.a.korven");
    QCOMPARE(base.size(), 16);
    QString modifie = base;
    modifie[position] = remplacement;

    const QByteArray clairA = Utf16Le(base);
    const QByteArray clairB = Utf16Le(modifie);
    const QByteArray a = QByteArray::fromBase64(CrypterTexte(base, PhraseSecrete).toLatin1());
    const QByteArray b = QByteArray::fromBase64(CrypterTexte(modifie, PhraseSecrete).toLatin1());
    QCOMPARE(a.size(), clairA.size());
    QCOMPARE(b.size(), clairB.size());

    qsizetype premier = 0; // first plain byte that differs
    while (clairA[premier] == clairB[premier])
        ++premier;
    QVERIFY(premier == 2 * position || premier == 2 * position + 1);

    QCOMPARE(a.left(premier), b.left(premier));
    // Same register up to there, hence the same key byte: the cipher bytes differ exactly as the plain ones.
    QCOMPARE(a[premier] ^ b[premier], clairA[premier] ^ clairB[premier]);
    // The changed cipher byte enters the register, so everything after it changes as well.
    if (premier + 1 < a.size())
        QVERIFY(a.mid(premier + 1) != b.mid(premier + 1));
}

void TestChiffrement::allerRetour_data() {
    QTest::addColumn<QString>("clair");
    QTest::addColumn<QString>("phrase");

    QTest::newRow("empty") << QString() << PhraseSecrete;
    QTest::newRow("one unit") << QStringLiteral("a") << PhraseSecrete;
    QTest::newRow("password-like") << QStringLiteral("p@ss w0rd=+/;\"'") << PhraseSecrete;
    QTest::newRow("Greek and Cyrillic") << QStringLiteral("Ωμέγα Москва") << PhraseSecrete;
    QTest::newRow("Arabic") << QStringLiteral("مدرسة") << PhraseSecrete;
    QTest::newRow("surrogate pairs") << QStringLiteral("😀𝄞🔑") << PhraseSecrete;
    QTest::newRow("lone surrogates") << QString(QChar(0xDC00)) + QChar(0xD800) + QChar(u'x') << PhraseSecrete;
    QTest::newRow("NUL and U+FFFF") << QString(QChar(u'\0')) + QChar(0xFFFF) + QChar(u'\0') << PhraseSecrete;
    QTest::newRow("control characters") << QStringLiteral("a\r\nb\tc") << PhraseSecrete;
    QTest::newRow("long mixed text") << TexteMelange(100) << PhraseSecrete;
    QTest::newRow("empty pass phrase") << QStringLiteral("korven") << QString();
    QTest::newRow("non-Latin pass phrase") << QStringLiteral("東京") << QStringLiteral("東京のパスワード");
}

void TestChiffrement::allerRetour() {
    QFETCH(QString, clair);
    QFETCH(QString, phrase);

    QCOMPARE(DecrypterTexte(CrypterTexte(clair, phrase), phrase), clair);
}

void TestChiffrement::phraseSecrete_data() {
    QTest::addColumn<QString>("chiffre");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<bool>("lisible"); // decrypts to "korven"

    QTest::newRow("right phrase") << QStringLiteral("/LmQ5o03Vfyni7U7") << PhraseSecrete << true;
    QTest::newRow("one letter off") << QStringLiteral("/LmQ5o03Vfyni7U7") << AutrePhrase << false;
    QTest::newRow("upper case") << QStringLiteral("/LmQ5o03Vfyni7U7") << PhraseSecrete.toUpper() << false;
    QTest::newRow("empty phrase") << QStringLiteral("/LmQ5o03Vfyni7U7") << QString() << false;
    QTest::newRow("value made under another phrase") << ChiffreAutrePhrase << AutrePhrase << true;
    QTest::newRow("value made under another phrase, read with ours")
        << ChiffreAutrePhrase << PhraseSecrete << false;
    QTest::newRow("value made with the 8-bit phrase hash") << CleEnHuitBits << PhraseSecrete << false;
}

void TestChiffrement::phraseSecrete() {
    QFETCH(QString, chiffre);
    QFETCH(QString, phrase);
    QFETCH(bool, lisible);

    const QString clair = DecrypterTexte(chiffre, phrase);
    // Whatever the phrase, the result has as many units as the bytes allow: no error, just another text.
    QCOMPARE(clair.size(), 6);
    QCOMPARE(clair == QStringLiteral("korven"), lisible);
}

void TestChiffrement::texteTronque_data() {
    QTest::addColumn<QString>("chiffre");
    QTest::addColumn<int>("enMoins");
    QTest::addColumn<QString>("clair");

    // korven: 12 bytes in 16 characters.
    QTest::newRow("korven minus 1") << QStringLiteral("/LmQ5o03Vfyni7U7") << 1 << QStringLiteral("korv");
    QTest::newRow("korven minus 4") << QStringLiteral("/LmQ5o03Vfyni7U7") << 4 << QStringLiteral("korv");
    QTest::newRow("korven minus 5") << QStringLiteral("/LmQ5o03Vfyni7U7") << 5 << QStringLiteral("kor");
    QTest::newRow("korven minus 13") << QStringLiteral("/LmQ5o03Vfyni7U7") << 13 << QString();
    // 3306: 8 bytes, one "=".
    QTest::newRow("port minus padding") << QStringLiteral("pLNBHj1qB7U=") << 1 << QStringLiteral("330");
    // 127.0.0.1: 18 bytes, the last group cut leaves 15 bytes and the odd one is dropped.
    QTest::newRow("address minus 1") << QStringLiteral("pnUUEyyVYEEag/9vZdMqWyLc") << 1
                                     << QStringLiteral("127.0.0");
    // A surrogate pair cut in half keeps its high half.
    QTest::newRow("pair cut in half") << QStringLiteral("qir2yA==") << 1 << QString(QChar(0xD83D));
}

void TestChiffrement::texteTronque() {
    QFETCH(QString, chiffre);
    QFETCH(int, enMoins);
    QFETCH(QString, clair);

    QCOMPARE(DecrypterTexte(chiffre.chopped(enMoins), PhraseSecrete), clair);
}

void TestChiffrement::decodageBase64_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QByteArray>("octets");

    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("3 characters") << QStringLiteral("QUJ") << QByteArray();
    QTest::newRow("3 characters, padded") << QStringLiteral("QQ=") << QByteArray();
    QTest::newRow("full group") << QStringLiteral("QUJD") << QByteArray("ABC");
    QTest::newRow("= in 4th place") << QStringLiteral("QUI=") << QByteArray("AB");
    QTest::newRow("= in 3rd place") << QStringLiteral("QQ==") << QByteArray("A");
    QTest::newRow("= in 3rd place, 4th ignored") << QStringLiteral("QQ=x") << QByteArray("A");
    QTest::newRow("several groups") << QStringLiteral("SGVsbG8sIHdvcmxkIQ==") << QByteArray("Hello, world!");
    QTest::newRow("padding in the middle") << QStringLiteral("QQ==QUI=QUJD") << QByteArray("AABABC");
    QTest::newRow("trailing 1 character") << QStringLiteral("QUJDR") << QByteArray("ABC");
    QTest::newRow("trailing 3 characters") << QStringLiteral("QUJDRA=") << QByteArray("ABC");
    QTest::newRow("all 64 values") << QStringLiteral(
                                          "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
                                   << QByteArray::fromHex(
                                          "00108310518720928b30d38f41149351559761969b71d79f8218a39259a7"
                                          "a29aabb2dbafc31cb3d35db7e39ebbf3dfbf");
    // Outside the alphabet: value 0, the group keeps its four places.
    QTest::newRow("bad character in 2nd place") << QStringLiteral("Q*JD") << QByteArray::fromHex("400243");
    QTest::newRow("bad characters only") << QStringLiteral("!!!!") << QByteArray(3, '\0');
    QTest::newRow("= in 1st place") << QStringLiteral("=QUJ") << QByteArray::fromHex("010509");
    QTest::newRow("non-Latin-1 character") << QStringLiteral("QUJ東") << QByteArray::fromHex("414240");
    QTest::newRow("space shifts the groups") << QStringLiteral(" QUJD") << QByteArray::fromHex("010509");
}

void TestChiffrement::decodageBase64() {
    QFETCH(QString, texte);
    QFETCH(QByteArray, octets);

    QCOMPARE(DecoderBase64(texte), octets);
}

// ---------------------------------------------------------------------------------------------------------------
// korven-config

void TestChiffrement::outilEcritPuisRelitLeFichier() {
    const QString chemin = dossier_.filePath(QStringLiteral("ecrit/config_korven.ini"));
    QVERIFY(QDir(dossier_.path()).mkpath(QStringLiteral("ecrit")));
    // An older, world-readable file in the way: it is replaced, and the new one is private.
    {
        QFile ancien(chemin);
        QVERIFY(ancien.open(QIODevice::WriteOnly));
        ancien.write("[database]\nname=old\n");
        ancien.close();
        QVERIFY(ancien.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                      QFile::ReadOther));
    }
    // Spaces at both ends, "=", and non-ASCII: all of it is part of the password. The line ends in CRLF, as
    // when it is piped from a Windows-made file; the CR is not part of it.
    const QString motDePasse = QStringLiteral(" s3cr=t Éé東 ");

    const QStringList arguments = {QStringLiteral("--output"), chemin,
                                   QStringLiteral("--name"),   QStringLiteral("korven"),
                                   QStringLiteral("--server"), QStringLiteral("127.0.0.1"),
                                   QStringLiteral("--port"),   QStringLiteral("3306"),
                                   QStringLiteral("--user"),   QStringLiteral("admin"),
                                   QStringLiteral("--force")};
    const Resultat ecriture =
        Lancer(QStringLiteral(KORVEN_CONFIG_TOOL), arguments, motDePasse.toUtf8() + "\r\n");
    QVERIFY2(ecriture.code == 0, ecriture.erreurs.constData());

#ifdef Q_OS_UNIX
    QCOMPARE(QFileInfo(chemin).permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                                QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
             QFile::Permissions());
#endif

    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    const QByteArray brut = fichier.readAll();
    QVERIFY2(brut.startsWith("[database]\r\n"), brut.constData());
    QVERIFY(!brut.contains("old"));
    QVERIFY(!brut.contains("admin"));
    QVERIFY(!brut.contains("s3cr"));

    QSettings ini(chemin, QSettings::IniFormat);
    QCOMPARE(ini.childGroups(), QStringList{QStringLiteral("database")});
    ini.beginGroup(QStringLiteral("database"));
    QCOMPARE(ini.childKeys().size(), 5);
    const auto valeur = [&ini](const char* cle) {
        return DecrypterTexte(ini.value(QLatin1String(cle)).toString(), PhraseSecrete);
    };
    QCOMPARE(valeur("name"), QStringLiteral("korven"));
    QCOMPARE(valeur("server"), QStringLiteral("127.0.0.1"));
    QCOMPARE(valeur("port"), QStringLiteral("3306"));
    QCOMPARE(valeur("user"), QStringLiteral("admin"));
    QCOMPARE(valeur("password"), motDePasse);
    // Same cipher as the reference values: the file is readable by anything that follows the format.
    QCOMPARE(ini.value(QStringLiteral("name")).toString(), QStringLiteral("/LmQ5o03Vfyni7U7"));

    const Resultat affichage =
        Lancer(QStringLiteral(KORVEN_CONFIG_TOOL), {QStringLiteral("--show"), chemin}, {});
    QCOMPARE(affichage.code, 0);
    QCOMPARE(affichage.sortie, QByteArray("name: korven\nserver: 127.0.0.1\nport: 3306\nuser: admin\n"
                                          "password: (set)\n"));
}

// A file prepared by other means: LF line endings, section and key names in other letter cases, spaces around
// "=", a decoy section, a missing password key.
void TestChiffrement::outilLitUnFichierPrepareAilleurs() {
    const QString chemin = dossier_.filePath(QStringLiteral("ailleurs.ini"));
    QFile fichier(chemin);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write("[other]\n"
                  "name=5ii0JA==\n"
                  "[Database]\n"
                  "Server = pnUUEyyVYEEag/9vZdMqWyLc\n"
                  "NAME=/LmQ5o03Vfyni7U7\n"
                  "port=pLNBHj1qB7U=\n"
                  "user=5cjpzt1pZxw=\n"
                  "user=XuHUMzJj/yk3ep1d\n");
    fichier.close();

    const Resultat affichage =
        Lancer(QStringLiteral(KORVEN_CONFIG_TOOL), {QStringLiteral("--show"), chemin}, {});
    QCOMPARE(affichage.code, 0);
    QCOMPARE(affichage.sortie, QByteArray("name: korven\nserver: 127.0.0.1\nport: 3306\nuser: root\n"
                                          "password: (empty)\n"));
}

void TestChiffrement::outilRefuseLesMauvaisArguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("entree");

    const QString f = dossier_.filePath(QStringLiteral("refus/config_korven.ini"));
    const QString o = QStringLiteral("--output");
    const QString s = QStringLiteral("--server");
    const QString h = QStringLiteral("127.0.0.1");
    const QString u = QStringLiteral("--user");
    const QString a = QStringLiteral("admin");
    const QByteArray mdp = "secret\n";

    QTest::newRow("nothing") << QStringList() << mdp;
    QTest::newRow("no server") << QStringList{o, f, u, a} << mdp;
    QTest::newRow("no user") << QStringList{o, f, s, h} << mdp;
    QTest::newRow("password on the command line")
        << QStringList{o, f, s, h, u, a, QStringLiteral("--password"), QStringLiteral("secret")} << mdp;
    QTest::newRow("port not a number")
        << QStringList{o, f, s, h, u, a, QStringLiteral("--port"), QStringLiteral("33o6")} << mdp;
    QTest::newRow("port out of range")
        << QStringList{o, f, s, h, u, a, QStringLiteral("--port"), QStringLiteral("70000")} << mdp;
    QTest::newRow("both --output and --show") << QStringList{o, f, QStringLiteral("--show"), f} << mdp;
    QTest::newRow("--show with a value") << QStringList{QStringLiteral("--show"), f, u, a} << QByteArray();
    QTest::newRow("stray argument") << QStringList{o, f, s, h, u, a, QStringLiteral("extra")} << mdp;
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--frobnicate")} << mdp;
    QTest::newRow("nothing on standard input") << QStringList{o, f, s, h, u, a} << QByteArray();
    // A server value the client library would read as connection options.
    QTest::newRow("server with a command")
        << QStringList{o, f, s, QStringLiteral("host=127.0.0.1;port=3306;init-command=SELECT 1"), u, a}
        << mdp;
    QTest::newRow("server with a library")
        << QStringList{o, f, s, QStringLiteral("127.0.0.1;plugin-dir=/tmp/x;default-auth=evil"), u, a} << mdp;
    QTest::newRow("server with a space")
        << QStringList{o, f, s, QStringLiteral("serveur ecole"), u, a} << mdp;
    QTest::newRow("IPv6 without brackets") << QStringList{o, f, s, QStringLiteral("::1"), u, a} << mdp;
    // An address in a form the resolver reads as a number, not a name.
    QTest::newRow("server as one hexadecimal number")
        << QStringList{o, f, s, QStringLiteral("0x7f000001"), u, a} << mdp;
    QTest::newRow("unknown tls mode")
        << QStringList{o, f, s, h, u, a, QStringLiteral("--tls"), QStringLiteral("always")} << mdp;
    QTest::newRow("relative CA file")
        << QStringList{o, f, s, h, u, a, QStringLiteral("--ca"), QStringLiteral("ca.pem")} << mdp;
    QTest::newRow("CA file with tls prefer") << QStringList{o,
                                                            f,
                                                            s,
                                                            h,
                                                            u,
                                                            a,
                                                            QStringLiteral("--ca"),
                                                            QStringLiteral("/etc/korven/ca.pem"),
                                                            QStringLiteral("--tls"),
                                                            QStringLiteral("prefer")}
                                             << mdp;
    QTest::newRow("--show with --force")
        << QStringList{QStringLiteral("--show"), f, QStringLiteral("--force")} << QByteArray();
}

void TestChiffrement::outilRefuseLesMauvaisArguments() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, entree);

    const Resultat r = Lancer(QStringLiteral(KORVEN_CONFIG_TOOL), arguments, entree);
    QCOMPARE(r.code, 2);
    QVERIFY(r.erreurs.contains("--output")); // the usage text
    QVERIFY(r.sortie.isEmpty());
    QVERIFY(!QFile::exists(dossier_.filePath(QStringLiteral("refus/config_korven.ini"))));
}

// The optional encryption keys: written encrypted like the others when asked for, shown by --show.
void TestChiffrement::outilEcritLesClesDeChiffrement() {
    const QString chemin = dossier_.filePath(QStringLiteral("tls.ini"));
    const Resultat ecriture =
        Lancer(QStringLiteral(KORVEN_CONFIG_TOOL),
               {QStringLiteral("--output"), chemin, QStringLiteral("--server"),
                QStringLiteral("[2001:db8::10]"), QStringLiteral("--user"), QStringLiteral("admin"),
                QStringLiteral("--ca"), QStringLiteral("/etc/korven/autorité.pem")},
               "secret\n");
    QVERIFY2(ecriture.code == 0, ecriture.erreurs.constData());
    QSettings ini(chemin, QSettings::IniFormat);
    ini.beginGroup(QStringLiteral("database"));
    QCOMPARE(DecrypterTexte(ini.value(QStringLiteral("tls")).toString(), PhraseSecrete),
             QStringLiteral("require"));
    QCOMPARE(DecrypterTexte(ini.value(QStringLiteral("tls_ca")).toString(), PhraseSecrete),
             QStringLiteral("/etc/korven/autorité.pem"));
    QFile brut(chemin);
    QVERIFY(brut.open(QIODevice::ReadOnly));
    QVERIFY(!brut.readAll().contains("require"));

    const Resultat affichage =
        Lancer(QStringLiteral(KORVEN_CONFIG_TOOL), {QStringLiteral("--show"), chemin}, {});
    QCOMPARE(affichage.code, 0);
    QCOMPARE(QString::fromLocal8Bit(affichage.sortie),
             QStringLiteral("name: korven\nserver: [2001:db8::10]\nport: 3306\nuser: admin\npassword: (set)\n"
                            "tls: require\ntls_ca: /etc/korven/autorité.pem\n"));
}

namespace {
enum class EnPlace { Fichier, LienVersFichier, LienPendant, Dossier };
}
Q_DECLARE_METATYPE(EnPlace)

// What lies at the output's name is never written through and never replaced unasked: a symbolic link
// planted in a shared directory must not make a run as root overwrite the file it points at.
void TestChiffrement::outilProtegeCeQuiEstEnPlace_data() {
    QTest::addColumn<EnPlace>("enPlace");
    QTest::addColumn<bool>("force");
    QTest::addColumn<int>("code");
    QTest::newRow("existing file") << EnPlace::Fichier << false << 1;
    QTest::newRow("existing file, --force") << EnPlace::Fichier << true << 0;
#ifdef Q_OS_UNIX // symbolic links need a privilege on Windows
    QTest::newRow("link to a file") << EnPlace::LienVersFichier << false << 1;
    QTest::newRow("link to a file, --force") << EnPlace::LienVersFichier << true << 1;
    QTest::newRow("dangling link") << EnPlace::LienPendant << false << 1;
    QTest::newRow("dangling link, --force") << EnPlace::LienPendant << true << 1;
#endif
    QTest::newRow("directory, --force") << EnPlace::Dossier << true << 1;
}

void TestChiffrement::outilProtegeCeQuiEstEnPlace() {
    QFETCH(EnPlace, enPlace);
    QFETCH(bool, force);
    QFETCH(int, code);

    QTemporaryDir ici(dossier_.filePath(QStringLiteral("en-place-XXXXXX")));
    QVERIFY(ici.isValid());
    const QString sortie = ici.filePath(QStringLiteral("config_korven.ini"));
    const QString victime = ici.filePath(QStringLiteral("victime"));
    const QByteArray intact = "ne pas toucher\n";
    {
        QFile f(enPlace == EnPlace::Fichier ? sortie : victime);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(intact);
    }
    switch (enPlace) {
    case EnPlace::Fichier:
        break;
    case EnPlace::LienVersFichier:
        QVERIFY(QFile::link(victime, sortie));
        break;
    case EnPlace::LienPendant:
        QVERIFY(QFile::remove(victime));
        QVERIFY(QFile::link(victime, sortie));
        break;
    case EnPlace::Dossier:
        QVERIFY(QDir(ici.path()).mkdir(QStringLiteral("config_korven.ini")));
        break;
    }
    const QStringList avant =
        QDir(ici.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);

    QStringList arguments = {QStringLiteral("--output"), sortie,
                             QStringLiteral("--server"), QStringLiteral("127.0.0.1"),
                             QStringLiteral("--user"),   QStringLiteral("admin")};
    if (force)
        arguments << QStringLiteral("--force");
    const Resultat r = Lancer(QStringLiteral(KORVEN_CONFIG_TOOL), arguments, "secret\n");
    QCOMPARE(r.code, code);

    // No temporary file is left behind, whatever happened.
    QCOMPARE(
        QDir(ici.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
        avant);
    const auto contenu = [](const QString& chemin) {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(absent)");
    };
    if (code == 0) {
        QVERIFY(contenu(sortie).startsWith("[database]\r\n"));
        return;
    }
    QVERIFY(!r.erreurs.isEmpty());
    switch (enPlace) {
    case EnPlace::Fichier:
        QCOMPARE(contenu(sortie), intact);
        break;
    case EnPlace::LienVersFichier:
        QVERIFY(QFileInfo(sortie).isSymLink());
        QCOMPARE(contenu(victime), intact);
        break;
    case EnPlace::LienPendant:
        QVERIFY(QFileInfo(sortie).isSymLink());
        QVERIFY(!QFile::exists(victime));
        break;
    case EnPlace::Dossier:
        QVERIFY(QFileInfo(sortie).isDir());
        break;
    }
}

// --show reads a regular file of reasonable size, and nothing else: a device never ends and a pipe may block
// for ever.
void TestChiffrement::outilLitSeulementUnFichierOrdinaire_data() {
    QTest::addColumn<QString>("chemin");
    QTest::addColumn<QByteArray>("raison");
#ifdef Q_OS_UNIX
    const QString tube = dossier_.filePath(QStringLiteral("tube"));
    QVERIFY(::mkfifo(QFile::encodeName(tube).constData(), 0600) == 0);
#endif
    const QString gros = dossier_.filePath(QStringLiteral("gros.ini"));
    {
        QFile f(gros);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[database]\r\n");
        f.write(QByteArray(1024 * 1024, ';'));
    }
#ifdef Q_OS_UNIX
    QTest::newRow("/dev/zero") << QStringLiteral("/dev/zero") << QByteArray("pas un fichier ordinaire");
    QTest::newRow("FIFO") << tube << QByteArray("pas un fichier ordinaire");
#endif
    QTest::newRow("directory") << dossier_.path() << QByteArray("pas un fichier ordinaire");
    QTest::newRow("over 1 MB") << gros << QByteArray("trop volumineux");
    QTest::newRow("absent") << dossier_.filePath(QStringLiteral("absent.ini")) << QByteArray("n'existe pas");
}

void TestChiffrement::outilLitSeulementUnFichierOrdinaire() {
    QFETCH(QString, chemin);
    QFETCH(QByteArray, raison);
    const Resultat r = Lancer(QStringLiteral(KORVEN_CONFIG_TOOL), {QStringLiteral("--show"), chemin}, {});
    QCOMPARE(r.code, 1);
    QVERIFY2(r.erreurs.contains(raison), r.erreurs.constData());
    QVERIFY(r.sortie.isEmpty());
}

// A directory where someone else may put a file under the output's name (another user renamed their own file
// over the temporary one in 4 runs out of 400) is refused before anything is written; a shared directory with
// the sticky bit, where nobody replaces the entries of others, is not.
void TestChiffrement::outilRefuseUnDossierPartage_data() {
    QTest::addColumn<int>("droitsParent");
    QTest::addColumn<int>("droitsDossier");
    QTest::addColumn<bool>("autreProprietaire"); // the directory belongs to nobody
    QTest::addColumn<bool>("parLien");           // named through a symbolic link from a private directory
    QTest::addColumn<QString>("refuse");         // the directory named in the reason; empty: written

    QTest::newRow("writable by all") << 0700 << 0777 << false << false << QStringLiteral("partage");
    QTest::newRow("below a directory writable by all")
        << 0777 << 0755 << false << false << QStringLiteral("parent");
    QTest::newRow("private") << 0700 << 0700 << false << false << QString();
#ifdef Q_OS_UNIX // modes, owners and links of POSIX
    QTest::newRow("writable by its group") << 0700 << 0775 << false << false << QStringLiteral("partage");
    QTest::newRow("through a link") << 0700 << 0777 << false << true << QStringLiteral("partage");
    QTest::newRow("of another user") << 0700 << 0755 << true << false << QStringLiteral("partage");
    QTest::newRow("writable by all, sticky bit") << 0700 << 01777 << false << false << QString();
#endif
}

void TestChiffrement::outilRefuseUnDossierPartage() {
    QFETCH(int, droitsParent);
    QFETCH(int, droitsDossier);
    QFETCH(bool, autreProprietaire);
    QFETCH(bool, parLien);
    QFETCH(QString, refuse);
#ifdef Q_OS_UNIX
    if (autreProprietaire && ::geteuid() != 0)
        QSKIP("giving a directory to another user needs root");
#else
    Q_UNUSED(autreProprietaire);
#endif

    QTemporaryDir ici(dossier_.filePath(QStringLiteral("partage-XXXXXX")));
    QVERIFY(ici.isValid());
    const QString parent = ici.filePath(QStringLiteral("parent"));
    const QString partage = parent + QStringLiteral("/partage");
    QVERIFY(QDir().mkpath(partage));
    QVERIFY(ChangerDroits(partage, droitsDossier));
    QVERIFY(ChangerDroits(parent, droitsParent));
#ifdef Q_OS_UNIX
    if (autreProprietaire)
        QCOMPARE(::chown(QFile::encodeName(partage).constData(), 65534, 65534), 0);
#endif
    QString dossier = partage;
    if (parLien) {
        dossier = ici.filePath(QStringLiteral("lien"));
        QVERIFY(QFile::link(partage, dossier));
    }
    const QString sortie = dossier + QStringLiteral("/config_korven.ini");

    const Resultat r =
        Lancer(QStringLiteral(KORVEN_CONFIG_TOOL),
               {QStringLiteral("--output"), sortie, QStringLiteral("--server"), QStringLiteral("127.0.0.1"),
                QStringLiteral("--user"), QStringLiteral("admin")},
               "secret\n");
    const QStringList restes =
        QDir(partage).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    if (refuse.isEmpty()) {
        QVERIFY2(r.code == 0, r.erreurs.constData());
        QCOMPARE(restes, QStringList{QStringLiteral("config_korven.ini")});
        return;
    }
    QCOMPARE(r.code, 1);
    const QString raison = QString::fromLocal8Bit(r.erreurs);
    QVERIFY2(raison.contains(QDir::separator() + refuse + QStringLiteral(" »")), qPrintable(raison));
    QCOMPARE(restes, QStringList());
}

QTEST_GUILESS_MAIN(TestChiffrement)
#include "test_chiffrement.moc"
