// The journal writer against the real server: what an entry holds, and that it never fails toward its caller.
#include "core/data/OBDataModuleU.h"
#include "core/platform/Poste.h"
#include "gui/journal/JournalU.h"
#include "support/EnvironnementModele.h"

#include <QRegularExpression>
#include <QTest>

namespace {
const QString Annee = QStringLiteral("bd_2025_2026");
const QString Domaine = QStringLiteral("Administration de la Base de donnees");
} // namespace

class TestJournalEcriture : public QObject, public EnvironnementModele {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void entree();
    void heureDuServeur();
    void loginVide();
    void horlogeIndisponible();
    void insertionRefusee();
    void dansUneTransaction();

private:
    TJournal* journal_ = nullptr;
    int Lignes() { return base_->Valeur(QStringLiteral("SELECT COUNT(*) FROM journal"), Annee).toInt(); }
};

void TestJournalEcriture::init() {
    Ouvrir();
    journal_ = new TJournal;
}

void TestJournalEcriture::cleanup() {
    delete journal_;
    Fermer();
}

// Arguments are stored unchanged; the workstation is "name-address"; date and time are the server's.
void TestJournalEcriture::entree() {
    const QString libelle = QStringLiteral("[ADMIN] - l'entrée \\ « Éloïse N'Guessan »");
    journal_->UpdateJournal(QStringLiteral("ADMIN"), libelle, QStringLiteral("Connexion"), Domaine);
    const QStringList lignes = base_->Lignes(
        QStringLiteral(
            "SELECT numero, utilisateur, libelle, poste, operation, domaine, date = CURDATE(), "
            "ABS(TIMESTAMPDIFF(MINUTE, TIMESTAMP(date, heure), NOW())) <= 1, SECOND(heure) FROM journal"),
        Annee);
    QCOMPARE(lignes.size(), 1);
    const QStringList c = lignes.first().split(QLatin1Char('|'));
    QVERIFY(c[0].toInt() > 0);
    QCOMPARE(c[1], QStringLiteral("ADMIN"));
    QCOMPARE(c[2], libelle);
    QCOMPARE(c[3], GetNomMachine() + QLatin1Char('-') + GetIP());
    QVERIFY2(
        c[3].contains(QRegularExpression(QStringLiteral("-(0|[1-9][0-9]{0,2})(\\.(0|[1-9][0-9]{0,2})){3}$"))),
        qPrintable(c[3]));
    QCOMPARE(c[4], QStringLiteral("Connexion"));
    QCOMPARE(c[5], Domaine);
    QCOMPARE(c[6], QStringLiteral("1"));
    QCOMPARE(c[7], QStringLiteral("1"));
    QCOMPARE(c[8], QStringLiteral("0")); // to the minute
    QVERIFY(plateforme_->Evenements.isEmpty());
}

// With the server's clock thirteen hours away from this machine, the entry carries the server's day and hour.
void TestJournalEcriture::heureDuServeur() {
    base_->FuseauHoraireServeur(QStringLiteral("+13:00"));
    module_->OBOrbelanSQLConnection->Close();
    journal_->UpdateJournal(QStringLiteral("admin"), QStringLiteral("x"), QStringLiteral("Ajout"), Domaine);
    base_->FuseauHoraireServeur(QStringLiteral("SYSTEM"));
    const QString attendu =
        QDateTime::currentDateTimeUtc().addSecs(13 * 3600).toString(QStringLiteral("yyyy-MM-dd"));
    QCOMPARE(
        base_->Valeur(QStringLiteral("SELECT DATE_FORMAT(date, '%Y-%m-%d') FROM journal"), Annee).toString(),
        attendu);
}

void TestJournalEcriture::loginVide() {
    journal_->UpdateJournal(QString(), QStringLiteral("libellé"), QStringLiteral("Connexion"), Domaine);
    QCOMPARE(Lignes(), 0);
    QVERIFY(plateforme_->Evenements.isEmpty());
}

// The master connection is lost: the caller carries on, no entry exists, nothing is shown.
void TestJournalEcriture::horlogeIndisponible() {
    module_->OBOrbelanSQLConnection->Params = {QStringLiteral("HostName=127.0.0.1"), QStringLiteral("Port=1"),
                                               QStringLiteral("User_Name=x")};
    journal_->UpdateJournal(QStringLiteral("admin"), QStringLiteral("x"), QStringLiteral("Connexion"),
                            Domaine);
    QCOMPARE(Lignes(), 0);
    QVERIFY(plateforme_->Evenements.isEmpty());
}

void TestJournalEcriture::insertionRefusee() {
    base_->Executer(QStringLiteral("DROP TABLE journal"), Annee);
    journal_->UpdateJournal(QStringLiteral("admin"), QStringLiteral("x"), QStringLiteral("Connexion"),
                            Domaine);
    QVERIFY(plateforme_->Evenements.isEmpty());
    // The writer is still usable once the table is back.
    base_->Executer(QStringLiteral("CREATE TABLE journal LIKE bd_2026_2027.journal"), Annee);
    journal_->UpdateJournal(QStringLiteral("admin"), QStringLiteral("y"), QStringLiteral("Connexion"),
                            Domaine);
    QCOMPARE(Lignes(), 1);
}

// An entry written inside a transaction goes with it.
void TestJournalEcriture::dansUneTransaction() {
    module_->StartTransaction();
    journal_->UpdateJournal(QStringLiteral("admin"), QStringLiteral("annulée"), QStringLiteral("Ajout"),
                            Domaine);
    module_->RollbackTransaction();
    QCOMPARE(Lignes(), 0);
    module_->StartTransaction();
    journal_->UpdateJournal(QStringLiteral("admin"), QStringLiteral("gardée"), QStringLiteral("Ajout"),
                            Domaine);
    module_->CommitTransaction();
    QCOMPARE(base_->Lignes(QStringLiteral("SELECT libelle FROM journal"), Annee),
             QStringList{QStringLiteral("gardée")});
}

QTEST_MAIN(TestJournalEcriture)
#include "test_journal_ecriture.moc"
