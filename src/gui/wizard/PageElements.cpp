#include "gui/wizard/PageElements.h"

#include <QCheckBox>
#include <QVBoxLayout>

TPageElements::TPageElements(QWidget* parent)
    : TPageAssistant(
          QStringLiteral("Etape1ElementAImporter"),
          {QStringLiteral("Eléments à transférer pour le nouvelle année scolaire"),
           QStringLiteral("Sélectionnez les éléments que vous voulez importer pour la nouvelle année "
                          "scolaire")},
          parent) {
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
}
