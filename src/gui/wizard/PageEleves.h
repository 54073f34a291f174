#pragma once

#include "gui/wizard/PageAssistant.h"

#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QListView;
class QPushButton;
class TCaseToutSelectionner;
class TChangementAnnee;
class TListeCochee;

// The students page: the administrator picks a section, a level and one of this year's classes, narrows its
// students by decision, picks the class they go to and places the ticked ones ("&Valider"). The rules are the
// change's (TChangementAnnee); the page shows what they decide and forwards the user's choices. A list
// reacts to the user's choice only (activated), a box to its state however it changes.
class TPageEleves : public TPageAssistant {
    Q_OBJECT
public:
    TPageEleves(TChangementAnnee& changement, QWidget* parent = nullptr);

    QComboBox* ComboBoxElevesSection;
    QComboBox* ComboBoxElevesNiveau;
    QComboBox* ComboBoxElevesPromusRedoublantsExclus;
    QComboBox* ComboBoxElevesAncienneClasse;
    QComboBox* ComboBoxElevesNouvelleClasse;
    TListeCochee* ListeEleves;
    TCaseToutSelectionner* CheckBoxElevesSelectionner;
    QListView* CheckListBoxEleves;
    QPushButton* ButtonElevesValider;
    // A class for every ordinary student in one press, and its undoing.
    QPushButton* ButtonProposer;
    QPushButton* ButtonAnnulerProposition;
    QCheckBox* CheckBoxSelectionBas;
    QCheckBox* CheckBoxTenirCompteOrientation;

    // The lists as an accepted sign-in leaves them: the first section, its first level and class, the new
    // classes offered; every student listed, ticked. Raises EKorven on a database error.
    void Remplir();
    // The new classes offered and the students listed, for the choices made (leaving the elements page).
    void Rafraichir();

    // "&Suivant >": asks whether to leave students without a class; false keeps the user here.
    bool validatePage() override;
    int nextId() const override;

public slots:
    void RefreshComboBoxEleveNouvelleClasse();
    void RefreshCheckListBoxEleves();
    void ComboBoxElevesSectionChange();
    void ComboBoxElevesNiveauChange();
    void ComboBoxElevesAncienneClasseChange();
    void ComboBoxElevesNouvelleClasseChange();
    void ComboBoxElevesPromusRedoublantsExclusChange();
    void CheckBoxSelectionBasClick();
    void CheckBoxTenirCompteOrientationClick();
    void ButtonElevesValiderClick();
    // "Proposer une répartition": a class for every ordinary student not placed yet, and a summary.
    void ButtonProposerClick();
    // Takes back the placements of the proposals that nobody changed since.
    void ButtonAnnulerPropositionClick();

private:
    void Construire();
    void ConstruireBas();
    void OrdreTabulation();
    void Connecter();
    // The matricule and tick of every line of the student list, in order.
    std::vector<std::pair<QString, bool>> CochesEleves() const;
    TChangementAnnee& changement_;
};
