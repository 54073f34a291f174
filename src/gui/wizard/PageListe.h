#pragma once

#include "gui/wizard/PageAssistant.h"

class QPushButton;
class TListeCochee;

// A page made of one check list under its "Tout selectionner" box, with an "Ajouter" button on some of them:
// the levels, classes, subjects, departments, teachers and fees pages. These pages are built disabled and
// nothing enables them: the page flow never shows them and the year's change does not read them.
class TPageListe : public TPageAssistant {
    Q_OBJECT
public:
    // nomBouton empty: no "Ajouter" button.
    TPageListe(const QString& nom, const Entete& entete, const QString& nomListe, const QString& nomBoite,
               const QString& nomBouton, QWidget* parent = nullptr);

    TListeCochee* Liste;
    QPushButton* BoutonAjouter = nullptr;
};
