#include "gui/wizard/PageListe.h"

#include "core/model/UniteCNiveau.h"
#include "gui/wizard/Garde.h"
#include "gui/wizard/ListeCochee.h"
#include "gui/wizard/dialogs/UniteNouveauDepartement.h"
#include "gui/wizard/dialogs/UniteNouvelleMatiere.h"
#include "gui/wizard/dialogs/enregniveU.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

TPageListe::TPageListe(const QString& nom, const Entete& entete, const QString& nomListe,
                       const QString& nomBoite, const QString& nomBouton, TAjout ajout, QWidget* parent)
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
        switch (ajout) {
        case TAjout::Niveau:
            connect(BoutonAjouter, &QPushButton::clicked, this, &TPageListe::ButtonNiveauAjouterClick);
            break;
        case TAjout::Matiere:
            connect(BoutonAjouter, &QPushButton::clicked, this, &TPageListe::ButtonMatiereAjouterClick);
            break;
        case TAjout::Departement:
            connect(BoutonAjouter, &QPushButton::clicked, this, &TPageListe::ButtonDepartementAjouterClick);
            break;
        case TAjout::Aucun:
        case TAjout::Classe:
            break;
        }
    }
    setEnabled(false);
}

void TPageListe::ButtonNiveauAjouterClick() {
    Garder([this] {
        QPointer<TEnregNive> fenetre = new TEnregNive(this);
        fenetre->Appel = true;
        const TModeleCoches& niveaux = *Liste->Modele;
        fenetre->AfficherNiveauPrecedent(
            niveaux.Nombre() == 0 ? nullptr
                                  : static_cast<const TCNiveau*>(niveaux.At(niveaux.Nombre() - 1).Objet));
        fenetre->exec();
        Liste->Modele->CocherTout(true);
        Liste->MettreBoiteAJour();
        // Only hidden when it closes: nothing keeps a reference to it.
        delete fenetre.data();
    });
}

void TPageListe::ButtonMatiereAjouterClick() {
    Garder([this] {
        // It releases itself once closed.
        auto* fenetre = new TFormNouvelleMatiere(this);
        fenetre->setWindowTitle(TFormNouvelleMatiere::Titre());
        fenetre->exec();
    });
}

void TPageListe::ButtonDepartementAjouterClick() {
    Garder([this] {
        QPointer<TFormNouveauDepartement> fenetre = new TFormNouveauDepartement(this);
        fenetre->setWindowTitle(TFormNouveauDepartement::Titre());
        fenetre->exec();
        delete fenetre.data();
    });
}
