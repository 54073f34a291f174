#pragma once

#include "gui/wizard/PageAssistant.h"

class QCheckBox;

// What is carried into the new year. Only "Elèves" can be changed: everything else always is.
class TPageElements : public TPageAssistant {
    Q_OBJECT
public:
    explicit TPageElements(QWidget* parent = nullptr);

    QCheckBox* CheckBoxNiveau;
    QCheckBox* CheckBoxClasse;
    QCheckBox* CheckBoxMatiere;
    QCheckBox* CheckBoxDepartements;
    QCheckBox* CheckBoxEnseignant;
    QCheckBox* CheckBoxGradeEseignants;
    QCheckBox* CheckBoxFraisExigibles;
    QCheckBox* CheckBoxEleve;
};
