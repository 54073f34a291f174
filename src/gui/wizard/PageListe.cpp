#include "gui/wizard/PageListe.h"

#include "gui/wizard/ListeCochee.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TPageListe::TPageListe(const QString& nom, const Entete& entete, const QString& nomListe,
                       const QString& nomBoite, const QString& nomBouton, QWidget* parent)
    : TPageAssistant(nom, entete, parent) {
    Liste = new TListeCochee(QStringLiteral("Tout selectionner"), nomListe, nomBoite, this);
    Contenu->addWidget(Liste, 1);
    if (!nomBouton.isEmpty()) {
        BoutonAjouter = new QPushButton(QStringLiteral("Ajouter"), this);
        BoutonAjouter->setObjectName(nomBouton);
        BoutonAjouter->setAutoDefault(false);
        auto* bas = new QHBoxLayout;
        bas->addStretch(1);
        bas->addWidget(BoutonAjouter);
        Contenu->addLayout(bas);
    }
    setEnabled(false);
}
