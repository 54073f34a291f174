#pragma once

#include "gui/wizard/PageAssistant.h"

class QPushButton;
class TListeCochee;

// A page made of one check list under its "Tout selectionner" box, with an "Ajouter" button on some of them:
// the levels, classes, subjects, departments, teachers and fees pages. These pages are built disabled and
// nothing enables them: the page flow never shows them and the year's change does not read them. The
// "Ajouter" button of the levels, subjects and departments pages opens its add dialog, a new window owned by
// the page, shown modally at each press; the classes page's does nothing.
class TPageListe : public TPageAssistant {
    Q_OBJECT
public:
    enum class TAjout { Aucun, Niveau, Classe, Matiere, Departement };

    // nomBouton empty: no "Ajouter" button.
    TPageListe(const QString& nom, const Entete& entete, const QString& nomListe, const QString& nomBoite,
               const QString& nomBouton, TAjout ajout, QWidget* parent = nullptr);

    TListeCochee* Liste;
    QPushButton* BoutonAjouter = nullptr;

public slots:
    void ButtonNiveauAjouterClick();
    void ButtonMatiereAjouterClick();
    void ButtonDepartementAjouterClick();
};
