#include "gui/wizard/PageEleves.h"

#include "gui/wizard/ListeCochee.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QComboBox* Liste(QWidget* parent, const char* nom) {
    auto* boite = new QComboBox(parent);
    boite->setObjectName(QString::fromLatin1(nom));
    boite->setEditable(false);
    boite->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    boite->setMinimumContentsLength(14);
    return boite;
}

QLabel* Libelle(QWidget* parent, const QString& texte, QWidget* pour) {
    auto* libelle = new QLabel(texte, parent);
    libelle->setBuddy(pour);
    return libelle;
}

} // namespace

TPageEleves::TPageEleves(QWidget* parent)
    : TPageAssistant(
          QStringLiteral("Etape8Eleves"),
          {QStringLiteral("Elèves"), QStringLiteral("Répartissez vos élèves dans vos différentes classes")},
          parent) {
    ComboBoxElevesSection = Liste(this, "ComboBoxElevesSection");
    ComboBoxElevesNiveau = Liste(this, "ComboBoxElevesNiveau");
    ComboBoxElevesPromusRedoublantsExclus = Liste(this, "ComboBoxElevesPromusRedoublantsExclus");
    ComboBoxElevesPromusRedoublantsExclus->addItems(
        {QStringLiteral("Ignorer"), QStringLiteral("Promus"), QStringLiteral("Redoublants"),
         QStringLiteral("Exclus et Promus"), QStringLiteral("Exclus et Redouble")});
    ComboBoxElevesPromusRedoublantsExclus->setCurrentIndex(0);
    ComboBoxElevesAncienneClasse = Liste(this, "ComboBoxElevesAncienneClasse");
    ComboBoxElevesNouvelleClasse = Liste(this, "ComboBoxElevesNouvelleClasse");

    auto* criteres = new QGridLayout;
    criteres->addWidget(Libelle(this, QStringLiteral("Sect&ion :"), ComboBoxElevesSection), 0, 0);
    criteres->addWidget(ComboBoxElevesSection, 0, 1);
    criteres->addWidget(Libelle(this, QStringLiteral("&Décision"), ComboBoxElevesPromusRedoublantsExclus), 0,
                        2);
    criteres->addWidget(Libelle(this, QStringLiteral("Ancienne &classe :"), ComboBoxElevesAncienneClasse), 0,
                        3);
    criteres->addWidget(ComboBoxElevesAncienneClasse, 0, 4);
    criteres->addWidget(Libelle(this, QStringLiteral("&Niveau : "), ComboBoxElevesNiveau), 1, 0);
    criteres->addWidget(ComboBoxElevesNiveau, 1, 1);
    criteres->addWidget(ComboBoxElevesPromusRedoublantsExclus, 1, 2);
    criteres->addWidget(Libelle(this, QStringLiteral("N&ouvelle classe : "), ComboBoxElevesNouvelleClasse), 1,
                        3);
    criteres->addWidget(ComboBoxElevesNouvelleClasse, 1, 4);
    criteres->setColumnStretch(1, 1);
    criteres->setColumnStretch(4, 1);
    Contenu->addLayout(criteres);

    ListeEleves = new TListeCochee(QStringLiteral("Tout sélectionner"), QStringLiteral("CheckListBoxEleves"),
                                   QStringLiteral("CheckBoxElevesSelectionner"), this);
    CheckBoxElevesSelectionner = ListeEleves->Boite;
    CheckListBoxEleves = ListeEleves->Liste;
    // Ticked at the start, as the list holds every student ticked.
    CheckBoxElevesSelectionner->setCheckState(Qt::Checked);
    Contenu->addWidget(ListeEleves, 1);

    ButtonElevesValider = new QPushButton(QStringLiteral("&Valider"), this);
    ButtonElevesValider->setObjectName(QStringLiteral("ButtonElevesValider"));
    ButtonElevesValider->setAutoDefault(false);
    CheckBoxSelectionBas =
        new QCheckBox(QStringLiteral("Afficher uniquement les élèves qui n'ont pas encore de classe"), this);
    CheckBoxSelectionBas->setObjectName(QStringLiteral("CheckBoxSelectionBas"));
    CheckBoxTenirCompteOrientation =
        new QCheckBox(QStringLiteral("Tenir compte de l'orientation des élèves"), this);
    CheckBoxTenirCompteOrientation->setObjectName(QStringLiteral("CheckBoxTenirCompteOrientation"));
    auto* filtres = new QVBoxLayout;
    filtres->addWidget(CheckBoxSelectionBas);
    filtres->addWidget(CheckBoxTenirCompteOrientation);
    ButtonProposer = new QPushButton(QStringLiteral("&Proposer une répartition"), this);
    ButtonProposer->setObjectName(QStringLiteral("ButtonProposer"));
    ButtonProposer->setAutoDefault(false);
    ButtonProposer->setToolTip(
        QStringLiteral("Place en une fois chaque élève promu ou redoublant qui n'a pas encore "
                       "de classe ; les élèves déjà placés ne bougent pas."));
    ButtonAnnulerProposition = new QPushButton(QStringLiteral("Annu&ler la proposition"), this);
    ButtonAnnulerProposition->setObjectName(QStringLiteral("ButtonAnnulerProposition"));
    ButtonAnnulerProposition->setAutoDefault(false);
    ButtonAnnulerProposition->setEnabled(false);
    // Beside "Tout sélectionner": they act on the whole school, not on the list.
    ListeEleves->LigneBoite->addWidget(ButtonProposer);
    ListeEleves->LigneBoite->addWidget(ButtonAnnulerProposition);
    auto* bas = new QHBoxLayout;
    bas->addWidget(ButtonElevesValider, 0, Qt::AlignTop);
    bas->addStretch(1);
    bas->addLayout(filtres);
    Contenu->addLayout(bas);
}
