#include "core/transition/ChangementAnnee.h"

#include "base/KORVENFonctionsU.h"
#include "base/KORVENTypesU.h"
#include "core/data/OBDataModuleU.h"
#include "core/model/UniteCConfiguration.h"
#include "core/transition/TransitionAnnee.h"

std::unique_ptr<TChangementAnnee> TChangementAnnee::Ouvrir(const TDemarrage& demarrage, const QString& login,
                                                           const QString& nomUtilisateur) {
    // Read to be sure the wizard's school can be read; the change takes nothing from it.
    ChargerConfiguration();
    auto changement = std::make_unique<TChangementAnnee>(demarrage, login, nomUtilisateur,
                                                         ChargerEleves(demarrage.AnneeCourante));
    changement->ExaminerRetour();
    OBDataModule->CloseAllDataSet();
    return changement;
}

TChangementAnnee::TChangementAnnee(const TDemarrage& demarrage, const QString& login,
                                   const QString& nomUtilisateur, TElevesCharges eleves)
    : demarrage_(demarrage), login_(login), nomUtilisateur_(nomUtilisateur),
      nouvelleAnnee_(GetAnneeScolaireSuivante(demarrage.AnneeCourante)), charges_(std::move(eleves)) {}

std::vector<TEleveListe> TChangementAnnee::TousLesEleves() const {
    std::vector<TEleveListe> lignes;
    lignes.reserve(charges_.Ordre.size());
    for (const TCEleve* eleve : charges_.Ordre)
        lignes.push_back(
            {eleve, TexteEleveListe(*eleve, placement_), placement_.contains(eleve->GetMatricule())});
    return lignes;
}

std::vector<TEleveListe> TChangementAnnee::Lister(const TCriteresListe& criteres) const {
    return ElevesListes(charges_.Decisions, placement_, charges_.Ordre, criteres);
}

void TChangementAnnee::Valider(bool aucunCoche, const std::vector<std::pair<QString, bool>>& coches,
                               const QString& codeClasse) {
    if (aucunCoche)
        throw EKorven(MessageAucunEleveCoche);
    if (codeClasse.isEmpty())
        throw EKorven(MessageSansNouvelleClasse);
    EnregistrerPlacement(placement_, coches, codeClasse);
    for (const auto& [matricule, coche] : coches)
        proposes_.remove(matricule);
}

TProposition TChangementAnnee::Proposer() {
    const TProposition proposition = ::Proposer(charges_.Ordre, charges_.Decisions, placement_,
                                                LireClassesProposition(AnneeCourante(), nouvelleAnnee_));
    for (auto it = proposition.Placements.cbegin(); it != proposition.Placements.cend(); ++it) {
        placement_.insert(it.key(), it.value());
        proposes_.insert(it.key(), it.value());
    }
    return proposition;
}

void TChangementAnnee::AnnulerProposition() {
    for (auto it = proposes_.cbegin(); it != proposes_.cend(); ++it)
        if (placement_.value(it.key()) == it.value())
            placement_.remove(it.key());
    proposes_.clear();
}

bool TChangementAnnee::TousPlaces() const {
    return static_cast<qsizetype>(charges_.Eleves.size()) == placement_.size();
}

TParametresTransition TChangementAnnee::ParametresTransition() const {
    TParametresTransition p;
    p.NouvelleAnnee = nouvelleAnnee_;
    p.AnneeCourante = demarrage_.AnneeCourante;
    p.Serveur = demarrage_.Serveur;
    p.Port = demarrage_.Port;
    p.Utilisateur = demarrage_.Utilisateur;
    p.MotDePasse = demarrage_.MotDePasse;
    p.NomEtablissement = demarrage_.NomEtablissement;
    p.Login = login_;
    p.NomUtilisateur = nomUtilisateur_;
    p.Eleves = eleves_;
    p.DictionnaireEleves = &charges_.Eleves;
    p.DictionnaireElevesNew = &placement_;
    p.DictionnaireDecisions = &charges_.Decisions;
    p.Ordre = &charges_.Ordre;
    return p;
}

const TBilanRetour& TChangementAnnee::ExaminerRetour() {
    retour_ = TRetourAnnee::Examiner(AnneeCourante());
    return retour_;
}

TParametresRetour TChangementAnnee::ParametresRetour() const {
    return TParametresRetour::Depuis(ParametresTransition());
}
