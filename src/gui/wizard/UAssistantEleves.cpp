// The students page of the wizard: which classes are offered, which students are listed, placing them.
#include "gui/wizard/UAssistantNouvelleAnnee.h"

#include "core/model/UniteCClasse.h"
#include "core/model/UniteCNiveau.h"
#include "core/model/UniteCSection.h"
#include "core/platform/Messages.h"
#include "core/transition/ChargementEleves.h"
#include "core/transition/Placement.h"
#include "core/transition/Proposition.h"
#include "gui/wizard/Garde.h"
#include "gui/wizard/ListeCochee.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

void TFAssistantNouvelleAnnee::RefreshComboBoxEleveNouvelleClasse() {
    const TCNiveau* niveau = ComboBoxElevesAncienneClasse->count() == 0
                                 ? nullptr
                                 : ObjetSelectionne<TCNiveau>(ComboBoxElevesNiveau);
    if (niveau == nullptr) {
        FreeComboboxObjects(ComboBoxElevesNouvelleClasse);
    } else {
        const TCSection* section = ObjetSelectionne<TCSection>(ComboBoxElevesSection);
        const int idSection = section != nullptr ? section->GetId() : -1;
        const bool examen = TCNiveau::ExamenRequisPourPrommotion(niveau->GetCode(), AnneeCourante);
        const QString ordres = ListeOrdresNiveaux(niveau->GetOrdre(), examen,
                                                  ComboBoxElevesPromusRedoublantsExclus->currentIndex());
        TCClasse::LoadComboboxClasseByListeOrdreNiveauIdSection(ComboBoxElevesNouvelleClasse, AnneeCourante,
                                                                ordres, idSection, false);
    }
    ComboBoxElevesNouvelleClasse->setCurrentIndex(ComboBoxElevesNouvelleClasse->count() > 0 ? 0 : -1);
}

void TFAssistantNouvelleAnnee::RefreshCheckListBoxEleves() {
    if (ComboBoxElevesAncienneClasse->count() == 0)
        return;
    if (ComboBoxElevesNouvelleClasse->count() == 0) {
        // The list is emptied; the box keeps its state.
        const QSignalBlocker bloque(CheckBoxElevesSelectionner);
        ListeEleves->Modele->Vider();
        return;
    }
    const TCClasse* ancienne = ObjetSelectionne<TCClasse>(ComboBoxElevesAncienneClasse);
    const TCClasse* nouvelle = ObjetSelectionne<TCClasse>(ComboBoxElevesNouvelleClasse);
    TCriteresListe criteres;
    criteres.CodeAncienneClasse = ancienne != nullptr ? ancienne->GetCode() : QString();
    criteres.SerieNouvelleClasse = nouvelle != nullptr ? nouvelle->GetSerie() : nullptr;
    criteres.TenirCompteOrientation = CheckBoxTenirCompteOrientation->isChecked();
    criteres.Filtre = ComboBoxElevesPromusRedoublantsExclus->currentIndex();
    criteres.SeulementNonPlaces = CheckBoxSelectionBas->isChecked();
    std::vector<TModeleCoches::Ligne> lignes;
    for (TEleveListe& eleve :
         ElevesListes(DictionnaireDecisions, DictionnaireElevesNew, OrdreEleves, criteres))
        lignes.push_back({std::move(eleve.Texte), eleve.Eleve->GetMatricule(), eleve.Eleve, eleve.Place});
    ListeEleves->Modele->Remplacer(std::move(lignes));
    ListeEleves->MettreBoiteAJour();
}

void TFAssistantNouvelleAnnee::AfficherTousLesEleves() {
    std::vector<TModeleCoches::Ligne> lignes;
    lignes.reserve(static_cast<size_t>(OrdreEleves.size()));
    for (const TCEleve* eleve : OrdreEleves)
        lignes.push_back({TexteEleve(*eleve), eleve->GetMatricule(), eleve, true});
    ListeEleves->Modele->Remplacer(std::move(lignes));
    ListeEleves->MettreBoiteAJour();
}

void TFAssistantNouvelleAnnee::ComboBoxElevesSectionChange() {
    Garder([this] {
        const TCSection* section = ObjetSelectionne<TCSection>(ComboBoxElevesSection);
        if (section == nullptr) {
            FreeComboboxObjects(ComboBoxElevesNiveau);
            ComboBoxElevesNiveau->setCurrentIndex(-1);
        } else {
            TCNiveau::LoadComboboxNiveau(ComboBoxElevesNiveau, AnneeCourante, section->GetId(), false);
            ComboBoxElevesNiveau->setCurrentIndex(ComboBoxElevesNiveau->count() > 0 ? 0 : -1);
        }
        ComboBoxElevesNiveauChange();
    });
}

void TFAssistantNouvelleAnnee::ComboBoxElevesNiveauChange() {
    Garder([this] {
        const TCNiveau* niveau = ObjetSelectionne<TCNiveau>(ComboBoxElevesNiveau);
        if (niveau == nullptr)
            FreeComboboxObjects(ComboBoxElevesAncienneClasse);
        else
            TCClasse::LoadComboboxClasse(ComboBoxElevesAncienneClasse, AnneeCourante, niveau->GetCode(),
                                         false);
        ComboBoxElevesAncienneClasse->setCurrentIndex(ComboBoxElevesAncienneClasse->count() > 0 ? 0 : -1);
        RefreshComboBoxEleveNouvelleClasse();
        RefreshCheckListBoxEleves();
    });
}

void TFAssistantNouvelleAnnee::ComboBoxElevesAncienneClasseChange() {
    Garder([this] { RefreshCheckListBoxEleves(); });
}

void TFAssistantNouvelleAnnee::ComboBoxElevesNouvelleClasseChange() {
    Garder([this] { RefreshCheckListBoxEleves(); });
}

void TFAssistantNouvelleAnnee::ComboBoxElevesPromusRedoublantsExclusChange() {
    Garder([this] {
        RefreshComboBoxEleveNouvelleClasse();
        RefreshCheckListBoxEleves();
    });
}

void TFAssistantNouvelleAnnee::CheckBoxSelectionBasClick() {
    Garder([this] { RefreshCheckListBoxEleves(); });
}

void TFAssistantNouvelleAnnee::CheckBoxTenirCompteOrientationClick() {
    Garder([this] { RefreshCheckListBoxEleves(); });
}

std::vector<std::pair<QString, bool>> TFAssistantNouvelleAnnee::CochesEleves() const {
    const TModeleCoches& modele = *ListeEleves->Modele;
    std::vector<std::pair<QString, bool>> coches;
    coches.reserve(static_cast<size_t>(modele.Nombre()));
    for (int i = 0; i < modele.Nombre(); ++i)
        coches.emplace_back(modele.At(i).Cle, modele.At(i).Coche);
    return coches;
}

void TFAssistantNouvelleAnnee::ButtonElevesValiderClick() {
    Garder([this] {
        if (CheckBoxElevesSelectionner->checkState() == Qt::Unchecked) {
            Messages().Erreur(QStringLiteral("Vous devez sélectionner au moins un élève."));
            return;
        }
        if (ComboBoxElevesNouvelleClasse->count() == 0) {
            Messages().Erreur(QStringLiteral("Voues devez sélectionner la nouvelle classe."));
            return;
        }
        const TCClasse* nouvelle = ObjetSelectionne<TCClasse>(ComboBoxElevesNouvelleClasse);
        if (nouvelle == nullptr)
            return;
        const std::vector<std::pair<QString, bool>> coches = CochesEleves();
        EnregistrerPlacement(DictionnaireElevesNew, coches, nouvelle->GetCode());
        // What the user decides by hand is no proposal any more.
        for (const auto& [matricule, coche] : coches)
            PlacementsProposes.remove(matricule);
        ButtonAnnulerProposition->setEnabled(!PlacementsProposes.isEmpty());
        RefreshCheckListBoxEleves();
    });
}

void TFAssistantNouvelleAnnee::ButtonProposerClick() {
    Garder([this] {
        const TProposition proposition =
            Proposer(OrdreEleves, DictionnaireDecisions, DictionnaireElevesNew,
                     LireClassesProposition(AnneeCourante, EditAnneeScolaire->text()));
        for (auto it = proposition.Placements.cbegin(); it != proposition.Placements.cend(); ++it) {
            DictionnaireElevesNew.insert(it.key(), it.value());
            PlacementsProposes.insert(it.key(), it.value());
        }
        ButtonAnnulerProposition->setEnabled(!PlacementsProposes.isEmpty());
        RefreshCheckListBoxEleves();
        Messages().Information(ResumeProposition(proposition));
    });
}

void TFAssistantNouvelleAnnee::ButtonAnnulerPropositionClick() {
    Garder([this] {
        for (auto it = PlacementsProposes.cbegin(); it != PlacementsProposes.cend(); ++it)
            if (DictionnaireElevesNew.value(it.key()) == it.value())
                DictionnaireElevesNew.remove(it.key());
        PlacementsProposes.clear();
        ButtonAnnulerProposition->setEnabled(false);
        RefreshCheckListBoxEleves();
    });
}

bool TFAssistantNouvelleAnnee::Etape8ElevesNextButtonClick() {
    if (static_cast<qsizetype>(DictionnaireEleves.size()) == DictionnaireElevesNew.size())
        return true;
    return Messages().Confirmation(
        QStringLiteral("Il y'a encore des élèves qui n'ont pas été affectés à une nouvelle "
                       "classe.\r\nVoulez-vous ignorer ces élèves?"));
}
