#include "support/EnvironnementTransition.h"

#include "core/data/OBDataModuleU.h"
#include "core/session/Demarrage.h"
#include "core/transition/ChangementAnnee.h"
#include "core/transition/EtapesTransition.h"

const QString EnvironnementTransition::Fin = BoiteFinTransition;

QStringList EnvironnementTransition::BoitesCompletes(bool eleves) {
    QStringList boites{BoiteConnexionReussie};
    for (const TEtapeCopie& etape : EtapesCopie())
        if (!etape.Boite.isEmpty() && (eleves || etape.Nature != TNatureEtape::Eleves))
            boites << etape.Boite;
    return boites << BoiteFinTransition;
}

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

TDemarrage EnvironnementTransition::Demarrage() const {
    TDemarrage d;
    d.BDKorven = QStringLiteral("korven");
    d.ServeurKorven = d.Serveur = Parametres.Serveur;
    d.PortKorven = d.Port = Parametres.Port;
    d.UtilisateurKorven = d.Utilisateur = Parametres.Utilisateur;
    d.MotDePasseKorven = d.MotDePasse = Parametres.MotDePasse;
    d.AnneeCourante = Parametres.AnneeCourante;
    d.BaseDeDonnees = QStringLiteral("bd_2025_2026");
    d.NomEtablissement = Parametres.NomEtablissement;
    return d;
}

std::unique_ptr<TChangementAnnee> EnvironnementTransition::Changement() {
    TElevesCharges charges;
    for (auto& [matricule, eleve] : Eleves) {
        charges.Ordre.push_back(eleve.get());
        charges.Decisions.insert(matricule, QStringLiteral("P"));
    }
    charges.Eleves = std::move(Eleves);
    Eleves.clear();
    auto changement = std::make_unique<TChangementAnnee>(Demarrage(), Parametres.Login,
                                                         Parametres.NomUtilisateur, std::move(charges));
    for (auto it = Placement.cbegin(); it != Placement.cend(); ++it)
        changement->Valider(false, {{it.key(), true}}, it.value());
    return changement;
}
