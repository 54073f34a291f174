#include "support/EnvironnementTransition.h"

#include "core/data/OBDataModuleU.h"
#include "gui/journal/JournalU.h"

EnvironnementTransition::EnvironnementTransition(const QString& fichierDonnees) {
    if (!fichierDonnees.isEmpty())
        Base.ExecuterFichier(fichierDonnees, QStringLiteral("bd_2025_2026"));
    journal_ = new TJournal;
    module_ = new TOBDataModule;
    ServeurDeTest::Configurer(module_->OBSQLConnection, QStringLiteral("bd_2025_2026"));
    ServeurDeTest::Configurer(module_->OBOrbelanSQLConnection, QStringLiteral("korven"));
    Parametres.NouvelleAnnee = QStringLiteral("2026/2027");
    Parametres.AnneeCourante = QStringLiteral("2025/2026");
    Parametres.Serveur = ServeurDeTest::Hote();
    Parametres.Port = ServeurDeTest::Port();
    Parametres.Utilisateur = ServeurDeTest::Utilisateur();
    Parametres.MotDePasse = ServeurDeTest::MotDePasse();
    Parametres.NomEtablissement = QStringLiteral("Collège d'Akwa");
    Parametres.Login = QStringLiteral("admin");
    Parametres.Eleves = true;
}

EnvironnementTransition::~EnvironnementTransition() {
    TSQLQuery::AvantExecution = nullptr;
    delete module_;
    delete journal_;
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

bool EnvironnementTransition::Executer() {
    Parametres.DictionnaireEleves = &Eleves;
    Parametres.DictionnaireElevesNew = &Placement;
    TTransitionAnnee transition;
    return transition.Executer(Parametres);
}

QStringList EnvironnementTransition::Empreinte() {
    return Base.Empreinte(QStringLiteral("korven")) + Base.Empreinte(QStringLiteral("bd_2026_2027"));
}
