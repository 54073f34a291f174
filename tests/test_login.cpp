// The login window, driven through its controls, against the real server: the five tries, every outcome,
// the journal entries, and logins that try to change the statement.
#include "base/TitreApplication.h"
#include "core/data/OBDataModuleU.h"
#include "core/platform/FinApplication.h"
#include "core/platform/Poste.h"
#include "core/transition/ChangementAnnee.h"
#include "gui/Fenetres.h"
#include "gui/login/Upassword.h"
#include "support/BaseDeTest.h"
#include "support/PlateformeScriptee.h"
#include "support/VerrouExterne.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Annee = QStringLiteral("bd_2025_2026");
const QString Incorrect = QStringLiteral("Nom d'utilisateur ou mot de passe incorrect...");
const QString Incorrect3 =
    QStringLiteral("Nom d'utilisateur ou mot de passe incorrect...\r\nIl vous reste 2 essais...");
const QString Desactive = QStringLiteral("Votre compte n'est pas opérationnel...");
const QString Desactive3 =
    QStringLiteral("Votre compte n'est pas opérationnel...\r\nIl vous reste 2 essais...");
const QString SansDroit = QStringLiteral("Vous ne disposez pas de privillèges pour exécuter ce programme.");
const QString Echec = QStringLiteral("Son: son\\echec.wav");

QString Refus(const QString& login, int n) {
    return QStringLiteral(
               "[%1] - Solvane - Tentative de connexion, Essai %2. Login ou mot de passe incorrect.")
        .arg(login)
        .arg(n);
}
QString Inactif(const QString& login, int n) {
    return QStringLiteral("[%1] - Solvane - Tentative de connexion, Essai %2. Compte désactivé.")
        .arg(login)
        .arg(n);
}
QString Accepte(const QString& login, int n) {
    return QStringLiteral("[%1] - Solvane - Tentative de connexion, Nombre d'essais: %2. Connexion réussie.")
        .arg(login)
        .arg(n);
}

// Types a text into a field key by key; characters outside Latin-1 go one by one, as the keyboard sends them.
void Taper(QLineEdit* champ, const QString& texte) {
    champ->clear();
    champ->setFocus();
    for (const QChar c : texte)
        QTest::sendKeyEvent(QTest::KeyAction::Click, champ, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class TestLogin : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sequences_data();
    void sequences();
    void connexionAcceptee();
    void entreeValide();
    void annulerNeRendPasLesEssais();
    void limiteDeTrenteCaracteres();
    void fermetureRefusee();
    void quitter();
    void journalAvantSonEtMessage();
    void loginsHostiles_data();
    void loginsHostiles();
    void erreurDeBase();
    void comptesVerrouilles();

private:
    BaseDeTest* base_ = nullptr;
    PlateformeScriptee* plateforme_ = nullptr;
    QTemporaryDir* dossier_ = nullptr;
    int remises_ = 0;                              // hand-overs to the wizard
    std::unique_ptr<TChangementAnnee> changement_; // the last one handed over
    std::unique_ptr<TFenetres> fenetres_;
    TPassword* Password = nullptr;

    void Valider(const QString& login, const QString& motDePasse) {
        Taper(Password->EditLogin, login);
        Taper(Password->EditPassword, motDePasse);
        QTest::mouseClick(Password->BitBtn1, Qt::LeftButton);
    }
    QStringList Libelles() {
        return base_->Lignes(QStringLiteral("SELECT libelle FROM journal ORDER BY numero"), Annee);
    }
};

void TestLogin::init() {
    base_ = new BaseDeTest;
    base_->Executer(QStringLiteral("INSERT INTO korven.annee_scolaire (code, active, nom_etablissement) "
                                   "VALUES ('2025/2026', '1', 'Lycée de Bépanda')"));
    base_->Executer(QStringLiteral("INSERT INTO utilisateur (login, pass, etat, nom) VALUES "
                                   "('admin', sha1('Solvane2026'), '1', 'Administrateur'), "
                                   "('O''Neil', sha1('shamrock'), '1', 'Seán O''Neil'), "
                                   "('deux', sha1('deux'), '2', 'État deux'), "
                                   "('vide', sha1('vide'), '', 'État vide'), "
                                   "('ancien', sha1('Ancien2026'), '0', 'Ancien compte'), "
                                   "('secretaire', sha1('Secret2026'), '1', 'Secrétaire'), "
                                   "('Éloïse', sha1('clé'), '1', 'Éloïse N''Guessan')"),
                    Annee);
    base_->Executer(
        QStringLiteral("INSERT INTO droits (utilisateur, droit) VALUES ('admin', "
                       "'ACTIVER_ANNEE_SCOLAIRE'), ('O''Neil', 'ACTIVER_ANNEE_SCOLAIRE'), "
                       "('deux', 'ACTIVER_ANNEE_SCOLAIRE'), ('vide', 'ACTIVER_ANNEE_SCOLAIRE'), "
                       "('ancien', 'ACTIVER_ANNEE_SCOLAIRE'), ('Éloïse', 'ACTIVER_ANNEE_SCOLAIRE'), "
                       "('secretaire', 'GERER_ELEVES')"),
        Annee);
    base_->Executer(QStringLiteral("INSERT INTO configuration (id, nom_fr, nom_en) VALUES "
                                   "(1, 'Lycée bilingue de Bépanda', 'Bepanda Bilingual High School')"),
                    Annee);
    dossier_ = new QTemporaryDir;
    qputenv("KORVEN_SYSTEM_DIR", dossier_->path().toUtf8());
    BaseDeTest::EcrireConfigurationValide(dossier_->path());

    plateforme_ = new PlateformeScriptee;
    DefinirTitreApplication(QStringLiteral("Solvane"));
    fenetres_ = std::make_unique<TFenetres>();
    Password = &fenetres_->Login();
    Password->SessionOuverte = [this](std::unique_ptr<TChangementAnnee> changement) {
        ++remises_;
        changement_ = std::move(changement);
    };
    remises_ = 0;
    Password->show();
    Password->Timer1Timer();
    QVERIFY(QTest::qWaitFor([this] { return !Password->VerificationEnCours(); }, 120000));
    QVERIFY(plateforme_->Evenements.isEmpty());
}

void TestLogin::cleanup() {
    changement_.reset();
    fenetres_.reset();
    delete plateforme_;
    delete dossier_;
    delete base_;
}

void TestLogin::sequences_data() {
    QTest::addColumn<QStringList>("tentatives"); // "login|password"
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("libelles");
    QTest::addColumn<bool>("fin");
    QTest::addColumn<int>("remises");

    QTest::newRow("cinq mauvais mots de passe")
        << QStringList{"admin|a", "admin|b", "admin|c", "admin|d", "admin|e"}
        << QStringList{Incorrect, Incorrect, Incorrect3, Incorrect}
        << QStringList{Refus("admin", 1), Refus("admin", 2), Refus("admin", 3), Refus("admin", 4),
                       Refus("admin", 5)}
        << true << 0;
    QTest::newRow("deux refus puis un compte désactivé")
        << QStringList{"admin|a", "inconnu|b", "ancien|Ancien2026"}
        << QStringList{Incorrect, Incorrect, Desactive3}
        << QStringList{Refus("admin", 1), Refus("inconnu", 2), Inactif("ancien", 3)} << false << 0;
    QTest::newRow("compte désactivé cinq fois")
        << QStringList{"ancien|Ancien2026", "ancien|Ancien2026", "ancien|Ancien2026", "ancien|Ancien2026",
                       "ancien|Ancien2026"}
        << QStringList{Desactive, Desactive, Desactive3, Desactive}
        << QStringList{Inactif("ancien", 1), Inactif("ancien", 2), Inactif("ancien", 3), Inactif("ancien", 4),
                       Inactif("ancien", 5)}
        << true << 0;
    QTest::newRow("acceptée au quatrième essai")
        << QStringList{"admin|x", "ancien|Ancien2026", "admin|y", "admin|Solvane2026"}
        << QStringList{Incorrect, Desactive, Incorrect3}
        << QStringList{Refus("admin", 1), Inactif("ancien", 2), Refus("admin", 3), Accepte("admin", 4)}
        << false << 1;
    QTest::newRow("apostrophe") << QStringList{"O'Neil|shamrock"} << QStringList{}
                                << QStringList{Accepte("O'Neil", 1)} << false << 1;
    QTest::newRow("accents") << QStringList{"Éloïse|clé"} << QStringList{}
                             << QStringList{Accepte("Éloïse", 1)} << false << 1;
    QTest::newRow("état 2") << QStringList{"deux|deux"} << QStringList{} << QStringList{Accepte("deux", 1)}
                            << false << 1;
    QTest::newRow("état vide") << QStringList{"vide|vide"} << QStringList{} << QStringList{Accepte("vide", 1)}
                               << false << 1;
    QTest::newRow("bon mot de passe, mauvaise casse du login ailleurs")
        << QStringList{"admin|SOLVANE2026"} << QStringList{Incorrect} << QStringList{Refus("admin", 1)}
        << false << 0;
    QTest::newRow("sans le droit") << QStringList{"secretaire|Secret2026"} << QStringList{SansDroit}
                                   << QStringList{Accepte("secretaire", 1)} << true << 0;
}

void TestLogin::sequences() {
    QFETCH(QStringList, tentatives);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, libelles);
    QFETCH(bool, fin);
    QFETCH(int, remises);

    for (int i = 0; i < tentatives.size(); ++i) {
        QVERIFY2(!plateforme_->Terminee, "the application ended too early");
        const QStringList t = tentatives[i].split(QLatin1Char('|'));
        Valider(t[0], t[1]);
        QCOMPARE(Password->NombreEssais, i + 1);
    }
    QCOMPARE(plateforme_->Messages(), messages);
    QCOMPARE(Libelles(), libelles);
    QCOMPARE(plateforme_->Terminee, fin);
    // Refused five times, or without the right: the program ends as a failure.
    QCOMPARE(plateforme_->CodeSortie, fin ? CodeEchec : -1);
    QCOMPARE(remises_, remises);
    // Every entry is a sign-in of the administration domain, with the login as typed, this workstation and
    // the server's date.
    const QStringList lignes = base_->Lignes(
        QStringLiteral(
            "SELECT utilisateur, operation, domaine, poste, date = CURDATE() FROM journal ORDER BY numero"),
        Annee);
    const QString poste = GetNomMachine() + QLatin1Char('-') + GetIP();
    for (int i = 0; i < lignes.size(); ++i)
        QCOMPARE(lignes[i], tentatives[i].section(QLatin1Char('|'), 0, 0) +
                                QStringLiteral("|Connexion|Administration de la Base de donnees|") + poste +
                                QStringLiteral("|1"));
    // Refused passwords are emptied; a disabled account keeps its fields.
    if (!fin && !messages.isEmpty() && messages.constLast() == Incorrect)
        QVERIFY(Password->EditPassword->text().isEmpty());
    if (!fin && !messages.isEmpty() && messages.constLast() == Desactive3)
        QCOMPARE(Password->EditPassword->text(), QStringLiteral("Ancien2026"));
}

// An accepted sign-in hands the year change it opens over (the account, the start-up's values), keeps the
// typed password nowhere, and names the school in the title.
void TestLogin::connexionAcceptee() {
    Valider(QStringLiteral("O'Neil"), QStringLiteral("shamrock"));
    QCOMPARE(remises_, 1);
    QVERIFY(changement_ != nullptr);
    QCOMPARE(changement_->Login(), QStringLiteral("O'Neil"));
    QCOMPARE(changement_->NomUtilisateur(), QStringLiteral("Seán O'Neil"));
    QCOMPARE(changement_->AnneeCourante(), QStringLiteral("2025/2026"));
    QCOMPARE(changement_->NouvelleAnnee(), QStringLiteral("2026/2027"));
    QCOMPARE(changement_->Demarrage().Serveur, ServeurDeTest::Hote());
    QVERIFY(Password->EditPassword->text().isEmpty());
    QCOMPARE(TitreApplication(), QStringLiteral("Solvane - Lycée bilingue de Bépanda"));
    QVERIFY(!OBDataModule->ClientDataSetDonnees1->Active());
    QVERIFY(plateforme_->Evenements.isEmpty());
}

// Enter in the password field presses "&Valider".
void TestLogin::entreeValide() {
    Taper(Password->EditLogin, QStringLiteral("admin"));
    Taper(Password->EditPassword, QStringLiteral("Solvane2026"));
    QVERIFY(Password->BitBtn1->isDefault());
    QTest::keyClick(Password->EditPassword, Qt::Key_Return);
    QCOMPARE(remises_, 1);
    QCOMPARE(Libelles(), QStringList{Accepte(QStringLiteral("admin"), 1)});
}

void TestLogin::annulerNeRendPasLesEssais() {
    Valider(QStringLiteral("admin"), QStringLiteral("a"));
    Valider(QStringLiteral("admin"), QStringLiteral("b"));
    QTest::mouseClick(Password->BitBtn2, Qt::LeftButton);
    QVERIFY(Password->EditLogin->text().isEmpty());
    QVERIFY(Password->EditPassword->text().isEmpty());
    QCOMPARE(Password->focusWidget(), Password->EditLogin);
    QCOMPARE(Password->NombreEssais, 2);
    Valider(QStringLiteral("admin"), QStringLiteral("c"));
    QCOMPARE(plateforme_->Messages().constLast(), Incorrect3);
}

void TestLogin::limiteDeTrenteCaracteres() {
    const QString long40 = QString(40, QLatin1Char('a'));
    QTest::keyClicks(Password->EditLogin, long40);
    QTest::keyClicks(Password->EditPassword, long40);
    QCOMPARE(Password->EditLogin->text(), QString(30, QLatin1Char('a')));
    QCOMPARE(Password->EditPassword->text(), QString(30, QLatin1Char('a')));
    QCOMPARE(Password->EditPassword->echoMode(), QLineEdit::Password);
    QCOMPARE(Password->EditPassword->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter), int('*'));
}

// The system's close command (Alt+F4) and Esc leave the window where it is.
void TestLogin::fermetureRefusee() {
    QVERIFY(Password->isVisible());
    QVERIFY(!Password->close());
    QTest::keyClick(Password, Qt::Key_Escape);
    QTest::keyClick(Password, Qt::Key_F4, Qt::AltModifier);
    QVERIFY(Password->isVisible());
    QVERIFY(!plateforme_->Terminee);
    QCOMPARE(Password->windowTitle(), QStringLiteral("Connexion"));
    QVERIFY(Password->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(Password->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestLogin::quitter() {
    const QString question = QStringLiteral("Êtes-vous sûr de vouloir fermer le logiciel ?");
    plateforme_->Reponses = {false, true};
    QTest::mouseClick(Password->BitBtn3, Qt::LeftButton);
    QVERIFY(!plateforme_->Terminee);
    QTest::mouseClick(Password->BitBtn3, Qt::LeftButton);
    QVERIFY(plateforme_->Terminee);
    QCOMPARE(plateforme_->CodeSortie, 0);
    QCOMPARE(plateforme_->Messages(), QStringList({question, question}));
}

// The entry is in the journal before the sound starts, and the sound before the message.
void TestLogin::journalAvantSonEtMessage() {
    int lignesPendantLeMessage = -1;
    plateforme_->PendantMessage = [&](const QString&) { lignesPendantLeMessage = Libelles().size(); };
    Valider(QStringLiteral("admin"), QStringLiteral("faux"));
    QCOMPARE(lignesPendantLeMessage, 1);
    QCOMPARE(plateforme_->Evenements, QStringList({Echec, QStringLiteral("Erreur: ") + Incorrect}));
}

void TestLogin::loginsHostiles_data() {
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("motDePasse");
    QTest::newRow("antislash quote") << QStringLiteral("\\' OR 1=1 -- ") << QStringLiteral("x");
    QTest::newRow("antislash quote dièse") << QStringLiteral("\\' OR 1=1 #") << QStringLiteral("x");
    QTest::newRow("quote commentaire") << QStringLiteral("admin' -- ") << QStringLiteral("x");
    QTest::newRow("quote dièse") << QStringLiteral("admin'#") << QStringLiteral("x");
    QTest::newRow("ou vrai") << QStringLiteral("' OR '1'='1") << QStringLiteral("' OR '1'='1");
    QTest::newRow("antislash final") << QStringLiteral("admin\\") << QStringLiteral("Solvane2026");
    QTest::newRow("antislash seul") << QStringLiteral("\\") << QStringLiteral("x");
    QTest::newRow("union") << QStringLiteral("x' UNION SELECT 'a','admin','1") << QStringLiteral("x");
    QTest::newRow("mot de passe hostile") << QStringLiteral("admin") << QStringLiteral("x') OR ('1'='1");
    QTest::newRow("deux points") << QStringLiteral(":pas") << QStringLiteral("x");
}

// None signs in, none raises an error, each is counted and journalled with the login as typed.
void TestLogin::loginsHostiles() {
    QFETCH(QString, login);
    QFETCH(QString, motDePasse);
    Valider(login, motDePasse);
    QCOMPARE(remises_, 0);
    QCOMPARE(Password->NombreEssais, 1);
    QCOMPARE(plateforme_->Messages(), QStringList{Incorrect});
    QCOMPARE(Libelles(), QStringList{Refus(login, 1)});
    QCOMPARE(base_->Lignes(QStringLiteral("SELECT utilisateur FROM journal"), Annee), QStringList{login});
}

// A database error while checking the account is shown with its own text; the attempt is not counted.
void TestLogin::erreurDeBase() {
    base_->Executer(QStringLiteral("DROP TABLE utilisateur"), Annee);
    Valider(QStringLiteral("admin"), QStringLiteral("Solvane2026"));
    QCOMPARE(Password->NombreEssais, 0);
    QCOMPARE(plateforme_->Messages().size(), 1);
    QVERIFY2(plateforme_->Messages().first().contains(QStringLiteral("utilisateur")),
             qPrintable(plateforme_->Messages().first()));
    QVERIFY(Libelles().isEmpty());
    QVERIFY(!plateforme_->Terminee);
}

// The accounts' table locked by another session: the sign-in gets the server's lock-timeout text once the
// bound has passed, instead of freezing the window; the attempt is not counted, as for any database error.
void TestLogin::comptesVerrouilles() {
    const int avant = TSQLConnection::AttenteVerrous;
    TSQLConnection::AttenteVerrous = 1;
    {
        VerrouExterne autreSession(QStringLiteral("LOCK TABLES bd_2025_2026.utilisateur WRITE"));
        QVERIFY2(autreSession.Tenu(), qPrintable(autreSession.Erreurs()));
        Valider(QStringLiteral("admin"), QStringLiteral("Solvane2026"));
    }
    TSQLConnection::AttenteVerrous = avant;
    QCOMPARE(Password->NombreEssais, 0);
    QCOMPARE(plateforme_->Messages().size(), 1);
    QVERIFY2(plateforme_->Messages().first().contains(QStringLiteral("Lock wait timeout")),
             qPrintable(plateforme_->Messages().first()));
    QVERIFY(!plateforme_->Terminee);
    QCOMPARE(remises_, 0);
}

QTEST_MAIN(TestLogin)
#include "test_login.moc"
