#include "support/EnvironnementRetour.h"

#include "core/journal/EcritureJournal.h"
#include "core/session/Identification.h"
#include "core/transition/ChangementAnnee.h"

namespace {

const QString Ancienne = QStringLiteral("bd_2025_2026");
const QString Nouvelle = QStringLiteral("bd_2026_2027");

} // namespace

EnvironnementRetour::EnvironnementRetour()
    : EnvironnementTransition(QStringLiteral(SOLVANE_TEST_DATA "/transition.sql")) {
    for (const char* m : {"E001", "E002", "E003"})
        AjouterEleve(QString::fromLatin1(m), QStringLiteral("Élève"), QString::fromLatin1(m),
                     QStringLiteral("6A"));
}

bool EnvironnementRetour::Changer() {
    const bool reussi = Executer();
    Plateforme.Vider();
    return reussi;
}

bool EnvironnementRetour::SeConnecter(const QString& login, const QString& motDePasse, int essai) {
    const TIssueTentative issue = EvaluerTentative(ChercherCompte(login, motDePasse), login, essai);
    TEcritureJournal().UpdateJournal(login, issue.LibelleJournal, OperationConnexion, DomaineConnexion);
    FermerLectureConnexion();
    return issue.Issue == TIssueTentative::Acceptee;
}

TParametresRetour EnvironnementRetour::ParametresRetour(const QString& login) {
    TParametresTransition p = ParametresDeTest();
    p.AnneeCourante = QStringLiteral("2026/2027");
    p.Login = login;
    return TParametresRetour::Depuis(p);
}

std::unique_ptr<TChangementAnnee> EnvironnementRetour::ChangementNouvelleAnnee() const {
    TDemarrage d = Demarrage();
    d.AnneeCourante = QStringLiteral("2026/2027");
    d.BaseDeDonnees = Nouvelle;
    auto changement = std::make_unique<TChangementAnnee>(d, QStringLiteral("admin"), QStringLiteral("Admin"),
                                                         TElevesCharges());
    changement->ExaminerRetour();
    return changement;
}

TIssueTransition EnvironnementRetour::Revenir(const QString& login) {
    return TRetourAnnee().Executer(ParametresRetour(login));
}

QStringList EnvironnementRetour::EmpreinteToutes() {
    return Base.Empreinte(QStringLiteral("korven")) + Base.Empreinte(Ancienne) + Base.Empreinte(Nouvelle);
}

QStringList EnvironnementRetour::LignesSansNumeros() {
    QStringList lignes;
    // A table's column list is longer than the default bound of GROUP_CONCAT.
    Base.Executer(QStringLiteral("SET SESSION group_concat_max_len = 1000000"));
    const QStringList tables = Base.Lignes(
        QStringLiteral("SELECT CONCAT(TABLE_SCHEMA, '.', TABLE_NAME) FROM information_schema.TABLES "
                       "WHERE TABLE_SCHEMA = '%1' OR (TABLE_SCHEMA = 'korven' AND TABLE_NAME = "
                       "'annee_scolaire') ORDER BY 1")
            .arg(Nouvelle));
    for (const QString& table : tables) {
        const QString base = table.section(QLatin1Char('.'), 0, 0);
        const QString nom = table.section(QLatin1Char('.'), 1);
        const QString colonnes =
            Base.Valeur(
                    QStringLiteral("SELECT GROUP_CONCAT(CONCAT('QUOTE(`', COLUMN_NAME, '`)') ORDER BY "
                                   "ORDINAL_POSITION) FROM information_schema.COLUMNS WHERE TABLE_SCHEMA = "
                                   "'%1' AND TABLE_NAME = '%2' AND EXTRA NOT LIKE '%auto_increment%' AND NOT "
                                   "(TABLE_NAME = 'journal' AND COLUMN_NAME IN ('date', 'heure'))")
                        .arg(base, nom))
                .toString();
        for (const QString& ligne :
             Base.Lignes(QStringLiteral("SELECT CONCAT_WS('|', %1) AS l FROM `%2`.`%3` ORDER BY l")
                             .arg(colonnes, base, nom)))
            lignes << table + QLatin1Char(':') + ligne;
    }
    return lignes;
}
