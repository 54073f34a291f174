#include "gui/wizard/PageEleves.h"

#include "core/model/UniteCClasse.h"
#include "core/model/UniteCNiveau.h"
#include "core/model/UniteCSection.h"
#include "core/platform/Messages.h"
#include "core/transition/ChangementAnnee.h"
#include "gui/commun/Accessibilite.h"
#include "gui/wizard/Garde.h"
#include "gui/wizard/ListeCochee.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"

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
    boite->setMinimumContentsLength(10);
    return boite;
}

QLabel* Libelle(QWidget* parent, const QString& texte, QWidget* pour) {
    auto* libelle = new QLabel(texte, parent);
    Libeller(libelle, pour);
    return libelle;
}

} // namespace

TPageEleves::TPageEleves(TChangementAnnee& changement, QWidget* parent)
    : TPageAssistant(
          QStringLiteral("Etape8Eleves"),
          {QStringLiteral("Elèves"), QStringLiteral("Répartissez vos élèves dans vos différentes classes")},
          parent),
      changement_(changement) {
    Construire();
    ConstruireBas();
    OrdreTabulation();
    Connecter();
}

void TPageEleves::Construire() {
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
    CheckListBoxEleves->setAccessibleName(QStringLiteral("Élèves de l'ancienne classe"));
    CheckListBoxEleves->setAccessibleDescription(
        QStringLiteral("Cochez les élèves à placer dans la nouvelle classe, puis Valider (Alt+V)."));
    // Ticked at the start, as the list holds every student ticked.
    CheckBoxElevesSelectionner->setCheckState(Qt::Checked);
    Contenu->addWidget(ListeEleves, 1);
}

// "&Valider" and the two filters under the list; the proposal's buttons beside "Tout sélectionner".
void TPageEleves::ConstruireBas() {
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
    // Alt+P is "< &Précédent"'s, on this page as on the others.
    ButtonProposer = new QPushButton(QStringLiteral("P&roposer une répartition"), this);
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

void TPageEleves::OrdreTabulation() {
    // Tab follows the page, top to bottom and left to right: the first row of lists, the second, the box and
    // the buttons beside it, the list, "&Valider" and the boxes on the right.
    QWidget* ordre[] = {ComboBoxElevesSection,
                        ComboBoxElevesAncienneClasse,
                        ComboBoxElevesNiveau,
                        ComboBoxElevesPromusRedoublantsExclus,
                        ComboBoxElevesNouvelleClasse,
                        CheckBoxElevesSelectionner,
                        ButtonProposer,
                        ButtonAnnulerProposition,
                        CheckListBoxEleves,
                        ButtonElevesValider,
                        CheckBoxSelectionBas,
                        CheckBoxTenirCompteOrientation};
    for (size_t i = 1; i < std::size(ordre); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);
}

void TPageEleves::Connecter() {
    // Only the user's choice in a list runs its change event (activated), not the program's selections.
    connect(ComboBoxElevesSection, &QComboBox::activated, this, &TPageEleves::ComboBoxElevesSectionChange);
    connect(ComboBoxElevesNiveau, &QComboBox::activated, this, &TPageEleves::ComboBoxElevesNiveauChange);
    connect(ComboBoxElevesAncienneClasse, &QComboBox::activated, this,
            &TPageEleves::ComboBoxElevesAncienneClasseChange);
    connect(ComboBoxElevesNouvelleClasse, &QComboBox::activated, this,
            &TPageEleves::ComboBoxElevesNouvelleClasseChange);
    connect(ComboBoxElevesPromusRedoublantsExclus, &QComboBox::activated, this,
            &TPageEleves::ComboBoxElevesPromusRedoublantsExclusChange);
    // The boxes act on their state, however it changes: a click, the keyboard, a screen reader's toggle
    // action (which does not click) or the program.
    connect(CheckBoxSelectionBas, &QCheckBox::toggled, this, &TPageEleves::CheckBoxSelectionBasClick);
    connect(CheckBoxTenirCompteOrientation, &QCheckBox::toggled, this,
            &TPageEleves::CheckBoxTenirCompteOrientationClick);
    connect(ButtonElevesValider, &QPushButton::clicked, this, &TPageEleves::ButtonElevesValiderClick);
    connect(ButtonProposer, &QPushButton::clicked, this, &TPageEleves::ButtonProposerClick);
    connect(ButtonAnnulerProposition, &QPushButton::clicked, this,
            &TPageEleves::ButtonAnnulerPropositionClick);
}

namespace {

void SelectionnerPremier(QComboBox* boite) {
    boite->setCurrentIndex(boite->count() > 0 ? 0 : -1);
}

} // namespace

void TPageEleves::Remplir() {
    const QString& annee = changement_.AnneeCourante();
    // Selecting from the program runs none of the lists' change events.
    TCSection::LoadCombobox(ComboBoxElevesSection, annee, false);
    SelectionnerPremier(ComboBoxElevesSection);
    if (const TCSection* section = ObjetSelectionne<TCSection>(ComboBoxElevesSection))
        TCNiveau::LoadComboboxNiveau(ComboBoxElevesNiveau, annee, section->GetId(), false);
    else
        FreeComboboxObjects(ComboBoxElevesNiveau);
    SelectionnerPremier(ComboBoxElevesNiveau);
    if (const TCNiveau* niveau = ObjetSelectionne<TCNiveau>(ComboBoxElevesNiveau))
        TCClasse::LoadComboboxClasse(ComboBoxElevesAncienneClasse, annee, niveau->GetCode(), false);
    else
        FreeComboboxObjects(ComboBoxElevesAncienneClasse);
    SelectionnerPremier(ComboBoxElevesAncienneClasse);
    ComboBoxElevesPromusRedoublantsExclus->setCurrentIndex(0);
    RefreshComboBoxEleveNouvelleClasse();

    // Every student, ticked.
    std::vector<TModeleCoches::Ligne> lignes;
    for (TEleveListe& eleve : changement_.TousLesEleves())
        lignes.push_back({std::move(eleve.Texte), eleve.Eleve->GetMatricule(), eleve.Eleve, true});
    ListeEleves->Modele->Remplacer(std::move(lignes));
    ListeEleves->MettreBoiteAJour();
    ButtonAnnulerProposition->setEnabled(changement_.PropositionEnCours());
}

void TPageEleves::Rafraichir() {
    RefreshComboBoxEleveNouvelleClasse();
    RefreshCheckListBoxEleves();
}

bool TPageEleves::validatePage() {
    return changement_.TousPlaces() || Messages().Confirmation(QuestionElevesNonPlaces);
}

int TPageEleves::nextId() const {
    return TFAssistantNouvelleAnnee::Etape8Fin;
}

void TPageEleves::RefreshComboBoxEleveNouvelleClasse() {
    const TCNiveau* niveau = ComboBoxElevesAncienneClasse->count() == 0
                                 ? nullptr
                                 : ObjetSelectionne<TCNiveau>(ComboBoxElevesNiveau);
    if (niveau == nullptr) {
        FreeComboboxObjects(ComboBoxElevesNouvelleClasse);
    } else {
        const QString& annee = changement_.AnneeCourante();
        const TCSection* section = ObjetSelectionne<TCSection>(ComboBoxElevesSection);
        const int idSection = section != nullptr ? section->GetId() : -1;
        const bool examen = TCNiveau::ExamenRequisPourPrommotion(niveau->GetCode(), annee);
        const QString ordres = ListeOrdresNiveaux(niveau->GetOrdre(), examen,
                                                  ComboBoxElevesPromusRedoublantsExclus->currentIndex());
        TCClasse::LoadComboboxClasseByListeOrdreNiveauIdSection(ComboBoxElevesNouvelleClasse, annee, ordres,
                                                                idSection, false);
    }
    SelectionnerPremier(ComboBoxElevesNouvelleClasse);
}

void TPageEleves::RefreshCheckListBoxEleves() {
    if (ComboBoxElevesAncienneClasse->count() == 0)
        return;
    if (ComboBoxElevesNouvelleClasse->count() == 0) {
        // The list is emptied; the box keeps its state.
        const QSignalBlocker bloque(CheckBoxElevesSelectionner);
        ListeEleves->Modele->Vider();
        return;
    }
    const TCClasse* ancienne = ObjetSelectionne<TCClasse>(ComboBoxElevesAncienneClasse);
    const TCClasse* nouvelle = ObjetSelectionne<TCClasse>(ComboBoxElevesNouvelleClasse);
    TCriteresListe criteres;
    criteres.CodeAncienneClasse = ancienne != nullptr ? ancienne->GetCode() : QString();
    criteres.SerieNouvelleClasse = nouvelle != nullptr ? nouvelle->GetSerie() : nullptr;
    criteres.TenirCompteOrientation = CheckBoxTenirCompteOrientation->isChecked();
    criteres.Filtre = ComboBoxElevesPromusRedoublantsExclus->currentIndex();
    criteres.SeulementNonPlaces = CheckBoxSelectionBas->isChecked();
    // A placed student's line is ticked.
    std::vector<TModeleCoches::Ligne> lignes;
    for (TEleveListe& eleve : changement_.Lister(criteres))
        lignes.push_back({std::move(eleve.Texte), eleve.Eleve->GetMatricule(), eleve.Eleve, eleve.Place});
    ListeEleves->Modele->Remplacer(std::move(lignes));
    ListeEleves->MettreBoiteAJour();
}

void TPageEleves::ComboBoxElevesSectionChange() {
    Garder([this] {
        const TCSection* section = ObjetSelectionne<TCSection>(ComboBoxElevesSection);
        if (section == nullptr)
            FreeComboboxObjects(ComboBoxElevesNiveau);
        else
            TCNiveau::LoadComboboxNiveau(ComboBoxElevesNiveau, changement_.AnneeCourante(), section->GetId(),
                                         false);
        SelectionnerPremier(ComboBoxElevesNiveau);
        ComboBoxElevesNiveauChange();
    });
}

void TPageEleves::ComboBoxElevesNiveauChange() {
    Garder([this] {
        const TCNiveau* niveau = ObjetSelectionne<TCNiveau>(ComboBoxElevesNiveau);
        if (niveau == nullptr)
            FreeComboboxObjects(ComboBoxElevesAncienneClasse);
        else
            TCClasse::LoadComboboxClasse(ComboBoxElevesAncienneClasse, changement_.AnneeCourante(),
                                         niveau->GetCode(), false);
        SelectionnerPremier(ComboBoxElevesAncienneClasse);
        Rafraichir();
    });
}

void TPageEleves::ComboBoxElevesAncienneClasseChange() {
    Garder([this] { RefreshCheckListBoxEleves(); });
}

void TPageEleves::ComboBoxElevesNouvelleClasseChange() {
    Garder([this] { RefreshCheckListBoxEleves(); });
}

void TPageEleves::ComboBoxElevesPromusRedoublantsExclusChange() {
    Garder([this] { Rafraichir(); });
}

void TPageEleves::CheckBoxSelectionBasClick() {
    Garder([this] { RefreshCheckListBoxEleves(); });
}

void TPageEleves::CheckBoxTenirCompteOrientationClick() {
    Garder([this] { RefreshCheckListBoxEleves(); });
}

std::vector<std::pair<QString, bool>> TPageEleves::CochesEleves() const {
    const TModeleCoches& modele = *ListeEleves->Modele;
    std::vector<std::pair<QString, bool>> coches;
    coches.reserve(static_cast<size_t>(modele.Nombre()));
    for (int i = 0; i < modele.Nombre(); ++i)
        coches.emplace_back(modele.At(i).Cle, modele.At(i).Coche);
    return coches;
}

void TPageEleves::ButtonElevesValiderClick() {
    Garder([this] {
        const bool aucunCoche = CheckBoxElevesSelectionner->checkState() == Qt::Unchecked;
        const bool classeOfferte = ComboBoxElevesNouvelleClasse->count() > 0;
        const TCClasse* nouvelle = ObjetSelectionne<TCClasse>(ComboBoxElevesNouvelleClasse);
        // A class offered but none chosen: nothing to do.
        if (!aucunCoche && classeOfferte && nouvelle == nullptr)
            return;
        changement_.Valider(aucunCoche, CochesEleves(), classeOfferte ? nouvelle->GetCode() : QString());
        ButtonAnnulerProposition->setEnabled(changement_.PropositionEnCours());
        RefreshCheckListBoxEleves();
    });
}

void TPageEleves::ButtonProposerClick() {
    Garder([this] {
        const TProposition proposition = changement_.Proposer();
        ButtonAnnulerProposition->setEnabled(changement_.PropositionEnCours());
        RefreshCheckListBoxEleves();
        Messages().Information(ResumeProposition(proposition));
    });
}

void TPageEleves::ButtonAnnulerPropositionClick() {
    Garder([this] {
        changement_.AnnulerProposition();
        ButtonAnnulerProposition->setEnabled(false);
        RefreshCheckListBoxEleves();
    });
}
