#include "gui/wizard/PageElements.h"

#include "core/transition/ChangementAnnee.h"
#include "gui/wizard/Garde.h"
#include "gui/wizard/PageEleves.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"

#include <QCheckBox>
#include <QVBoxLayout>

TPageElements::TPageElements(TChangementAnnee& changement, TPageEleves& eleves, QWidget* parent)
    : TPageAssistant(
          QStringLiteral("Etape1ElementAImporter"),
          {QStringLiteral("Eléments à transférer pour le nouvelle année scolaire"),
           QStringLiteral("Sélectionnez les éléments que vous voulez importer pour la nouvelle année "
                          "scolaire")},
          parent),
      changement_(changement), eleves_(eleves) {
    const auto boite = [this](const char* nom, const QString& texte, bool modifiable) {
        auto* b = new QCheckBox(texte, this);
        b->setObjectName(QString::fromLatin1(nom));
        b->setChecked(true);
        b->setEnabled(modifiable);
        Contenu->addWidget(b);
        return b;
    };
    CheckBoxNiveau =
        boite("CheckBoxNiveau", QStringLiteral("Sections, Niveaux d'études et paramétres"), false);
    CheckBoxClasse = boite("CheckBoxClasse", QStringLiteral("Classes et paramètres"), false);
    CheckBoxMatiere = boite("CheckBoxMatiere", QStringLiteral("Matières"), false);
    CheckBoxDepartements = boite("CheckBoxDepartements", QStringLiteral("Départements"), false);
    CheckBoxEnseignant = boite("CheckBoxEnseignant", QStringLiteral("Enseignants"), false);
    CheckBoxGradeEseignants =
        boite("CheckBoxGradeEseignants", QStringLiteral("Grades et Fonctions des Enseignants"), false);
    CheckBoxFraisExigibles = boite("CheckBoxFraisExigibles", QStringLiteral("Frais exigibles"), false);
    CheckBoxEleve = boite("CheckBoxEleve", QStringLiteral("Elèves"), true);
    Contenu->addStretch(1);
    CheckBoxEleve->setChecked(changement_.Eleves());
    // The box acts on its state, however it changes: a click, the keyboard, a screen reader's toggle action
    // (which does not click) or the program.
    connect(CheckBoxEleve, &QCheckBox::toggled, this, &TPageElements::CheckBoxEleveClick);
}

void TPageElements::CheckBoxEleveClick() {
    changement_.DefinirEleves(CheckBoxEleve->isChecked());
    eleves_.setEnabled(CheckBoxEleve->isChecked());
}

bool TPageElements::validatePage() {
    return Garder([this] { eleves_.Rafraichir(); });
}

int TPageElements::nextId() const {
    return changement_.Eleves() ? TFAssistantNouvelleAnnee::Etape8Eleves
                                : TFAssistantNouvelleAnnee::Etape8Fin;
}
