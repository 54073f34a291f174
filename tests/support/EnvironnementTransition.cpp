#include "support/EnvironnementTransition.h"

#include "core/data/OBDataModuleU.h"

const QString EnvironnementTransition::Fin =
    QStringLiteral("Le processus de changement d'année scolaire est à présent terminé.\r\n"
                   "L'application va être redémarrée.");

// The boxes of a complete run with "Elèves" ticked, in order.
const QStringList EnvironnementTransition::BoitesCompletes = {
    QStringLiteral("Connexion réussie à la base de donnée."),
    QStringLiteral("Configuration"),
    QStringLiteral("Transfert des utilisateurs terminé."),
    QStringLiteral("Transfert des droits des utilisateurs terminé."),
    QStringLiteral("Transfert des plages horraires Terminé"),
    QStringLiteral("Transfert des Séries Terminé"),
    QStringLiteral("Transfert des Examens terminé"),
    QStringLiteral("Transfert des Examens et Series terminé"),
    QStringLiteral("Transfert des Langues terminé"),
    QStringLiteral("Transfert des Sections terminé"),
    QStringLiteral("Transfert des Niveaux terminé"),
    QStringLiteral("Transfert des Salles terminé"),
    QStringLiteral("Transfert des Appreciations terminé"),
    QStringLiteral("Transfert des Format de matricule terminé"),
    QStringLiteral("Transfert des Départements terminé"),
    QStringLiteral("Transfert des Leçons terminé"),
    QStringLiteral("Transfert des Grades terminé"),
    QStringLiteral("Transfert des Fonctions OK"),
    QStringLiteral("Transfert des Personnels terminé"),
    QStringLiteral("Transfert des Classes terminé"),
    QStringLiteral("Transfert des Matieres terminé"),
    QStringLiteral("Transfert des Eleves terminé"),
    QStringLiteral("Update photo"),
    QStringLiteral("Update Classe"),
    QStringLiteral("Transfert des Lecons par classe terminé"),
    QStringLiteral("Transfert des Matières par classe terminé"),
    QStringLiteral("Transfert des Frais terminé"),
    QStringLiteral("Transfert des Frais par Niveau terminé"),
    QStringLiteral("Transfert des Tranches par frais terminé"),
    QStringLiteral("Transfert des banques terminé"),
    QStringLiteral("Transfert des Tranche par élève terminé"),
    QStringLiteral("Transfert des Catégories de charges et charges terminé"),
    QStringLiteral("Transfert des Motifs de reduction terminés terminé"),
    QStringLiteral("Transfert des Cotes terminé"),
    QStringLiteral("Update Parameters"),
    Fin};

EnvironnementTransition::EnvironnementTransition(const QString& fichierDonnees) {
    if (!fichierDonnees.isEmpty())
        Base.ExecuterFichier(fichierDonnees, QStringLiteral("bd_2025_2026"));
    module_ = new TOBDataModule;
    ServeurDeTest::Configurer(module_->OBSQLConnection, QStringLiteral("bd_2025_2026"));
    ServeurDeTest::Configurer(module_->OBOrbelanSQLConnection, QStringLiteral("korven"));
    Parametres = ParametresDeTest();
}

TParametresTransition EnvironnementTransition::ParametresDeTest() {
    TParametresTransition p;
    p.NouvelleAnnee = QStringLiteral("2026/2027");
    p.AnneeCourante = QStringLiteral("2025/2026");
    p.Serveur = ServeurDeTest::Hote();
    p.Port = ServeurDeTest::Port();
    p.Utilisateur = ServeurDeTest::Utilisateur();
    p.MotDePasse = ServeurDeTest::MotDePasse();
    p.NomEtablissement = QStringLiteral("Collège d'Akwa");
    p.Login = QStringLiteral("admin");
    p.Eleves = true;
    return p;
}

EnvironnementTransition::~EnvironnementTransition() {
    TSQLQuery::AvantExecution = nullptr;
    delete module_;
}

TCEleve& EnvironnementTransition::AjouterEleve(const QString& matricule, const QString& nom,
                                               const QString& prenom, const QString& classe,
                                               const QString& redoublant, const QDate& naissance) {
    const TCPersonne personne(matricule, nom, prenom, QStringLiteral("Camerounaise"),
                              QStringLiteral("677 00 00 00"), QStringLiteral("Akwa, Douala"));
    auto eleve = std::make_unique<TCEleve>(
        personne, QStringLiteral("1"), QStringLiteral("Père ") + nom, QStringLiteral("Mère ") + nom,
        QString(), QStringLiteral("1"), redoublant, QStringLiteral("secretaire"), QStringLiteral("Douala"),
        QStringLiteral("6A"), QStringLiteral("F"), QStringLiteral("NAT-") + matricule, 15000.0, naissance);
    TCEleve& reference = *eleve;
    Eleves[matricule] = std::move(eleve);
    if (!classe.isEmpty())
        Placement[matricule] = classe;
    return reference;
}

void EnvironnementTransition::AjouterClasses(const QStringList& codes) {
    for (const QString& code : codes)
        Base.Executer(QStringLiteral("INSERT INTO classe (code, lib) VALUES ('%1', 'Classe %1')").arg(code),
                      QStringLiteral("bd_2026_2027"));
}

bool EnvironnementTransition::Executer() {
    Parametres.DictionnaireEleves = &Eleves;
    Parametres.DictionnaireElevesNew = &Placement;
    TTransitionAnnee transition;
    return transition.Executer(Parametres) == TIssueTransition::Validee;
}

QStringList EnvironnementTransition::Empreinte() {
    return Base.Empreinte(QStringLiteral("korven")) + Base.Empreinte(QStringLiteral("bd_2026_2027"));
}
