#pragma once

#include "gui/wizard/PageAssistant.h"

class QCheckBox;
class TChangementAnnee;
class TPageEleves;

// What is carried into the new year. Only "Elèves" can be changed: everything else always is. Unticked, the
// students page is skipped and the change carries no student.
class TPageElements : public TPageAssistant {
    Q_OBJECT
public:
    // eleves: the students page, brought up to date when the user moves on.
    TPageElements(TChangementAnnee& changement, TPageEleves& eleves, QWidget* parent = nullptr);

    QCheckBox* CheckBoxNiveau;
    QCheckBox* CheckBoxClasse;
    QCheckBox* CheckBoxMatiere;
    QCheckBox* CheckBoxDepartements;
    QCheckBox* CheckBoxEnseignant;
    QCheckBox* CheckBoxGradeEseignants;
    QCheckBox* CheckBoxFraisExigibles;
    QCheckBox* CheckBoxEleve;

    // "&Suivant >": the students page's lists brought up to date; false (after the error box) keeps the user
    // here.
    bool validatePage() override;
    int nextId() const override;

public slots:
    void CheckBoxEleveClick();

private:
    TChangementAnnee& changement_;
    TPageEleves& eleves_;
};
