#pragma once

#include "gui/wizard/PageAssistant.h"

class QCheckBox;
class QComboBox;
class QListView;
class QPushButton;
class TCaseToutSelectionner;
class TListeCochee;

// The students page: the administrator picks a section, a level and one of this year's classes, narrows its
// students by decision, picks the class they go to and places the ticked ones ("&Valider").
class TPageEleves : public TPageAssistant {
    Q_OBJECT
public:
    explicit TPageEleves(QWidget* parent = nullptr);

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
};
