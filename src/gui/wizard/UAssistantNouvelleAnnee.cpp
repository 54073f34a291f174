#include "gui/wizard/UAssistantNouvelleAnnee.h"

#include "core/data/OBDataModuleU.h"
#include "core/model/UniteCConfiguration.h"
#include "core/platform/FinApplication.h"
#include "core/transition/BilanTransition.h"
#include "core/transition/EtapesTransition.h"
#include "core/transition/RapportTransition.h"
#include "core/transition/TransitionAnnee.h"
#include "gui/journal/JournalU.h"
#include "gui/wizard/ApercuRapportTransition.h"
#include "gui/wizard/Garde.h"
#include "gui/wizard/ListeCochee.h"
#include "gui/wizard/PageAccueil.h"
#include "gui/wizard/PageElements.h"
#include "gui/wizard/PageEleves.h"
#include "gui/wizard/PageFin.h"
#include "gui/wizard/PageListe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

TFAssistantNouvelleAnnee* FAssistantNouvelleAnnee = nullptr;

namespace {

// "Étape 7", or "Étapes 1 à 5" for a step that counts as several; in lower case unless told.
QString NumerosEtape(int premier, int dernier, bool majuscule) {
    const QString texte = premier == dernier ? QStringLiteral("étape %1").arg(premier)
                                             : QStringLiteral("étapes %1 à %2").arg(premier).arg(dernier);
    return majuscule ? QStringLiteral("É") + texte.mid(1) : texte;
}

TPageAssistant::Entete EnteteListe(const QString& titre, const QString& sousTitre, int hauteur = 70,
                                   int tailleTitre = 16, int tailleSousTitre = 15) {
    TPageAssistant::Entete entete;
    entete.Titre = titre;
    entete.SousTitre = sousTitre;
    entete.Hauteur = hauteur;
    entete.TailleTitre = tailleTitre;
    entete.TailleSousTitre = tailleSousTitre;
    return entete;
}

} // namespace

TFAssistantNouvelleAnnee::TFAssistantNouvelleAnnee(QWidget* parent) : QWizard(parent) {
    setObjectName(QStringLiteral("FAssistantNouvelleAnnee"));
    setWindowTitle(QStringLiteral("Assistant de solvane d'année scolaire avec KORVEN"));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::HaveHelpButton, true);
    setOption(QWizard::NoBackButtonOnStartPage, true);
    setFixedSize(802, 506);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, QColor(215, 235, 255));
    setPalette(fond);
    setAutoFillBackground(true);
    QFont police(QStringLiteral("Palatino Linotype"));
    police.setStyleHint(QFont::Serif);
    police.setBold(true);
    police.setPixelSize(15);
    setFont(police);

    setButtonText(QWizard::BackButton, QStringLiteral("< &Précédent"));
    setButtonText(QWizard::NextButton, QStringLiteral("&Suivant >"));
    setButtonText(QWizard::FinishButton, QStringLiteral("&Terminer"));
    setButtonText(QWizard::CancelButton, QStringLiteral("Annuler"));
    setButtonText(QWizard::HelpButton, QStringLiteral("&Aide"));

    auto* accueil = new TPageAccueil(this);
    EditAnneeScolaire = accueil->EditAnneeScolaire;
    ButtonJournal = accueil->ButtonJournal;
    setPage(Etape0Accueil, accueil);

    auto* elements = new TPageElements(this);
    CheckBoxNiveau = elements->CheckBoxNiveau;
    CheckBoxClasse = elements->CheckBoxClasse;
    CheckBoxMatiere = elements->CheckBoxMatiere;
    CheckBoxDepartements = elements->CheckBoxDepartements;
    CheckBoxEnseignant = elements->CheckBoxEnseignant;
    CheckBoxGradeEseignants = elements->CheckBoxGradeEseignants;
    CheckBoxFraisExigibles = elements->CheckBoxFraisExigibles;
    CheckBoxEleve = elements->CheckBoxEleve;
    setPage(Etape1ElementAImporter, elements);

    const auto liste = [this](int id, const char* page, const TPageAssistant::Entete& entete,
                              const char* nomListe, const char* nomBoite, const char* nomBouton) {
        auto* p = new TPageListe(QString::fromLatin1(page), entete, QString::fromLatin1(nomListe),
                                 QString::fromLatin1(nomBoite), QString::fromLatin1(nomBouton), this);
        setPage(id, p);
        return p;
    };
    TPageListe* niveaux =
        liste(Etape2Niveau, "Etape2Niveau",
              EnteteListe(QStringLiteral("Paramètrage des niveaux d'étude"),
                          QStringLiteral(
                              "Quels sont les niveaux ouverts cette année? Utiliser le bouton Nouveau pour "
                              "créer un nouveau niveau d'étude")),
              "CheckListBoxNiveaux", "CheckBoxNiveauxSelectionner", "ButtonNiveauAjouter");
    TPageListe* classes =
        liste(Etape3Classes, "Etape3Classes",
              EnteteListe(QStringLiteral("Classes"),
                          QStringLiteral("Quelles sont les classes ouvertes cette année? Utiliser "
                                         "le bouton Ajouter pour créer une nouvelle classe.")),
              "CheckListBoxClasses", "CheckBoxClassesSelectionner", "ButtonClasseAjouter");
    TPageListe* matieres =
        liste(Etape4Matiere, "Etape4Matiere",
              EnteteListe(QStringLiteral("Matières"),
                          QStringLiteral("Quelles sont les matières enseignées cette année?")),
              "CheckListBoxMatieres", "CheckBoxMatieresSelectionner", "ButtonMatiereAjouter");
    TPageListe* departements =
        liste(Etape5Departements, "Etape5Departements",
              EnteteListe(QStringLiteral("Départements"),
                          QStringLiteral("Quels sont les départements fonctionnels cette année?")),
              "CheckListBoxDepartements", "CheckBoxDepartementsSelectionner", "ButtonDepartementAjouter");
    TPageListe* enseignants = liste(
        Etape6Enseignants, "Etape6Enseignants",
        EnteteListe(QStringLiteral("Enseignants"),
                    QStringLiteral("Quels sont les enseignants encore en poste cette année?"), 70, 21, 13),
        "CheckListBoxEnseignants", "CheckBoxEnseignantsSelectionner", "");
    TPageListe* frais = liste(
        Etape7FraisExigibles, "Etape7FraisExigibles",
        EnteteListe(
            QStringLiteral("Frais exigibles"),
            QStringLiteral("Indiquez quelles sont les frais exigibles pour la nouvelle année scolaire. Vous "
                           "pourrez toujours effectuer des modifications une fois cette opération terminée"),
            80),
        "CheckListBoxFrais", "CheckBoxFraisSelectionner", "");
    CheckListBoxNiveaux = niveaux->Liste;
    CheckListBoxClasses = classes->Liste;
    CheckListBoxMatieres = matieres->Liste;
    CheckListBoxDepartements = departements->Liste;
    CheckListBoxEnseignants = enseignants->Liste;
    CheckListBoxFrais = frais->Liste;
    ButtonNiveauAjouter = niveaux->BoutonAjouter;
    ButtonClasseAjouter = classes->BoutonAjouter;
    ButtonMatiereAjouter = matieres->BoutonAjouter;
    ButtonDepartementAjouter = departements->BoutonAjouter;

    auto* eleves = new TPageEleves(this);
    ComboBoxElevesSection = eleves->ComboBoxElevesSection;
    ComboBoxElevesNiveau = eleves->ComboBoxElevesNiveau;
    ComboBoxElevesPromusRedoublantsExclus = eleves->ComboBoxElevesPromusRedoublantsExclus;
    ComboBoxElevesAncienneClasse = eleves->ComboBoxElevesAncienneClasse;
    ComboBoxElevesNouvelleClasse = eleves->ComboBoxElevesNouvelleClasse;
    ListeEleves = eleves->ListeEleves;
    CheckBoxElevesSelectionner = eleves->CheckBoxElevesSelectionner;
    CheckListBoxEleves = eleves->CheckListBoxEleves;
    ButtonElevesValider = eleves->ButtonElevesValider;
    ButtonProposer = eleves->ButtonProposer;
    ButtonAnnulerProposition = eleves->ButtonAnnulerProposition;
    CheckBoxSelectionBas = eleves->CheckBoxSelectionBas;
    CheckBoxTenirCompteOrientation = eleves->CheckBoxTenirCompteOrientation;
    setPage(Etape8Eleves, eleves);

    auto* fin = new TPageFin(this);
    LabelProgression = fin->LabelProgression;
    ProgressBarTransition = fin->ProgressBarTransition;
    ButtonVerifier = fin->ButtonVerifier;
    LabelVerification = fin->LabelVerification;
    ArbreVerification = fin->ArbreVerification;
    setPage(Etape8Fin, fin);
    setStartId(Etape0Accueil);

    // Only the user's choice in a list runs its change event (activated), not the program's selections.
    connect(ComboBoxElevesSection, &QComboBox::activated, this,
            &TFAssistantNouvelleAnnee::ComboBoxElevesSectionChange);
    connect(ComboBoxElevesNiveau, &QComboBox::activated, this,
            &TFAssistantNouvelleAnnee::ComboBoxElevesNiveauChange);
    connect(ComboBoxElevesAncienneClasse, &QComboBox::activated, this,
            &TFAssistantNouvelleAnnee::ComboBoxElevesAncienneClasseChange);
    connect(ComboBoxElevesNouvelleClasse, &QComboBox::activated, this,
            &TFAssistantNouvelleAnnee::ComboBoxElevesNouvelleClasseChange);
    connect(ComboBoxElevesPromusRedoublantsExclus, &QComboBox::activated, this,
            &TFAssistantNouvelleAnnee::ComboBoxElevesPromusRedoublantsExclusChange);
    // The boxes act on their state, however it changes: a click, the keyboard, a screen reader's toggle
    // action (which does not click) or the program.
    connect(CheckBoxSelectionBas, &QCheckBox::toggled, this,
            &TFAssistantNouvelleAnnee::CheckBoxSelectionBasClick);
    connect(CheckBoxTenirCompteOrientation, &QCheckBox::toggled, this,
            &TFAssistantNouvelleAnnee::CheckBoxTenirCompteOrientationClick);
    connect(ButtonElevesValider, &QPushButton::clicked, this,
            &TFAssistantNouvelleAnnee::ButtonElevesValiderClick);
    connect(ButtonProposer, &QPushButton::clicked, this, &TFAssistantNouvelleAnnee::ButtonProposerClick);
    connect(ButtonAnnulerProposition, &QPushButton::clicked, this,
            &TFAssistantNouvelleAnnee::ButtonAnnulerPropositionClick);
    connect(CheckBoxEleve, &QCheckBox::toggled, this, &TFAssistantNouvelleAnnee::CheckBoxEleveClick);
    connect(ButtonNiveauAjouter, &QPushButton::clicked, this,
            &TFAssistantNouvelleAnnee::ButtonNiveauAjouterClick);
    connect(ButtonMatiereAjouter, &QPushButton::clicked, this,
            &TFAssistantNouvelleAnnee::ButtonMatiereAjouterClick);
    connect(ButtonDepartementAjouter, &QPushButton::clicked, this,
            &TFAssistantNouvelleAnnee::ButtonDepartementAjouterClick);
    connect(ButtonJournal, &QPushButton::clicked, this, &TFAssistantNouvelleAnnee::ButtonJournalClick);
    connect(ButtonVerifier, &QPushButton::clicked, this, &TFAssistantNouvelleAnnee::ButtonVerifierClick);
    connect(this, &QWizard::currentIdChanged, this, &TFAssistantNouvelleAnnee::MontrerBoutons);
    MontrerBoutons(Etape0Accueil);
    MontrerRapportTransition = [this](const TRapportTransition& rapport) {
        TApercuRapportTransition apercu(rapport);
        apercu.Previsualiser(this);
    };

    FAssistantNouvelleAnnee = this;
}

TFAssistantNouvelleAnnee::~TFAssistantNouvelleAnnee() {
    if (FAssistantNouvelleAnnee == this)
        FAssistantNouvelleAnnee = nullptr;
}

// The buttons each page shows.
void TFAssistantNouvelleAnnee::MontrerBoutons(int id) {
    QList<QWizard::WizardButton> boutons{QWizard::Stretch};
    switch (id) {
    case Etape0Accueil:
        boutons << QWizard::NextButton << QWizard::CancelButton << QWizard::HelpButton;
        break;
    case Etape1ElementAImporter:
    case Etape7FraisExigibles:
        boutons << QWizard::BackButton << QWizard::NextButton << QWizard::CancelButton;
        break;
    case Etape8Fin:
        boutons << QWizard::BackButton << QWizard::FinishButton << QWizard::CancelButton
                << QWizard::HelpButton;
        break;
    default:
        boutons << QWizard::BackButton << QWizard::NextButton << QWizard::CancelButton << QWizard::HelpButton;
        break;
    }
    setButtonLayout(boutons);
    // Alt+P is "Proposer une répartition" on the students page, "< &Précédent" everywhere else: the two
    // never compete.
    QAbstractButton* precedent = button(QWizard::BackButton);
    precedent->setShortcut(id == Etape8Eleves ? QKeySequence() : QKeySequence::mnemonic(precedent->text()));
}

int TFAssistantNouvelleAnnee::nextId() const {
    for (int id = currentId() + 1; id <= Etape8Fin; ++id)
        if (QWizardPage* p = page(id); p != nullptr && p->isEnabled())
            return id;
    return -1;
}

bool TFAssistantNouvelleAnnee::validateCurrentPage() {
    switch (currentId()) {
    case Etape1ElementAImporter:
        return Etape1ElementAImporterNextButtonClick();
    case Etape8Eleves:
        return Etape8ElevesNextButtonClick();
    default:
        return true;
    }
}

void TFAssistantNouvelleAnnee::CheckBoxEleveClick() {
    page(Etape8Eleves)->setEnabled(CheckBoxEleve->isChecked());
}

bool TFAssistantNouvelleAnnee::Etape1ElementAImporterNextButtonClick() {
    return Garder([this] {
        RefreshComboBoxEleveNouvelleClasse();
        RefreshCheckListBoxEleves();
    });
}

void TFAssistantNouvelleAnnee::ButtonJournalClick() {
    // The journal of the year being closed; the window says itself what keeps it from opening.
    if (Journal != nullptr)
        Journal->OuvrirPourAnnee(AnneeCourante);
}

void TFAssistantNouvelleAnnee::showEvent(QShowEvent* event) {
    QWizard::showEvent(event);
    if (currentId() == Etape0Accueil)
        EditAnneeScolaire->setFocus();
}

void TFAssistantNouvelleAnnee::accept() {
    JvWizardNouvelleAnneeFinishButtonClick();
}

void TFAssistantNouvelleAnnee::reject() {
    QWizard::reject();
    FinApplication().Terminer();
}

void TFAssistantNouvelleAnnee::closeEvent(QCloseEvent* event) {
    FormClose();
    // QDialog's close runs reject(): the application ends as with "Annuler".
    QWizard::closeEvent(event);
}

void TFAssistantNouvelleAnnee::FormClose() {
    if (OBDataModule != nullptr)
        OBDataModule->CloseAllDataSet();
    // The list shows students of the map: it goes first.
    ListeEleves->Modele->Vider();
    DictionnaireElevesNew.clear();
    PlacementsProposes.clear();
    ButtonAnnulerProposition->setEnabled(false);
    DictionnaireDecisions.clear();
    DictionnaireEleves.clear();
    OrdreEleves.clear();
}

TParametresTransition TFAssistantNouvelleAnnee::ParametresTransition() const {
    TParametresTransition parametres;
    parametres.NouvelleAnnee = EditAnneeScolaire->text();
    parametres.AnneeCourante = AnneeCourante;
    parametres.Serveur = Serveur;
    parametres.Port = Port;
    parametres.Utilisateur = Utilisateur;
    parametres.MotDePasse = MotDePasse;
    parametres.NomEtablissement = NomEtablissement;
    parametres.Login = Login;
    parametres.NomUtilisateur = Name;
    parametres.Eleves = CheckBoxEleve->isChecked();
    parametres.DictionnaireEleves = &DictionnaireEleves;
    parametres.DictionnaireElevesNew = &DictionnaireElevesNew;
    parametres.DictionnaireDecisions = &DictionnaireDecisions;
    parametres.Ordre = &OrdreEleves;
    return parametres;
}

void TFAssistantNouvelleAnnee::JvWizardNouvelleAnneeFinishButtonClick() {
    const TParametresTransition parametres = ParametresTransition();
    TTransitionAnnee transition;
    transition.Progression = [this](int premier, int dernier, const QString& libelle, int restantes) {
        MontrerProgression(dernier, QStringLiteral("%1 sur %2 : %3 (encore %4)")
                                        .arg(NumerosEtape(premier, dernier, true))
                                        .arg(NombreEtapesTransition())
                                        .arg(libelle)
                                        .arg(restantes));
    };
    transition.ApresValidation = [this](const TRapportTransition& rapport) {
        if (MontrerRapportTransition)
            MontrerRapportTransition(rapport);
    };
    // A body run again says why under the step, until the run ends.
    ligneEssai_.clear();
    transition.NouvelEssai = [this](const QString& texte) { ligneEssai_ = texte; };
    button(QWizard::FinishButton)->setEnabled(false);
    button(QWizard::BackButton)->setEnabled(false);
    ButtonVerifier->setEnabled(false);
    // An earlier verification's figures would read as those of this run.
    LabelVerification->clear();
    ArbreVerification->clear();
    ArbreVerification->setVisible(false);
    const bool reussie = transition.Executer(parametres) != TIssueTransition::Echouee;
    ligneEssai_.clear();
    NouvelleBD = transition.NouvelleBD;
    if (!reussie) {
        LabelProgression->setText(
            QStringLiteral("Le changement d'année n'a pas eu lieu : rien n'a été modifié. "
                           "Vous pouvez corriger la cause et cliquer à nouveau sur Terminer."));
        ProgressBarTransition->setVisible(false);
        button(QWizard::FinishButton)->setEnabled(true);
        button(QWizard::BackButton)->setEnabled(true);
        ButtonVerifier->setEnabled(true);
        // Back on the button the user pressed, not on whatever took the focus while it was disabled.
        button(QWizard::FinishButton)->setFocus();
    }
}

void TFAssistantNouvelleAnnee::ButtonVerifierClick() {
    const TParametresTransition parametres = ParametresTransition();
    TTransitionAnnee transition;
    transition.Progression = [this](int premier, int dernier, const QString& libelle, int) {
        MontrerProgression(dernier, QStringLiteral("Vérification, %1 sur %2 : %3")
                                        .arg(NumerosEtape(premier, dernier, false))
                                        .arg(NombreEtapesTransition())
                                        .arg(libelle));
    };
    button(QWizard::FinishButton)->setEnabled(false);
    button(QWizard::BackButton)->setEnabled(false);
    ButtonVerifier->setEnabled(false);
    const TBilanTransition bilan = transition.Verifier(parametres);
    ProgressBarTransition->setVisible(false);
    LabelProgression->clear();
    AfficherVerification(bilan);
    button(QWizard::FinishButton)->setEnabled(true);
    button(QWizard::BackButton)->setEnabled(true);
    ButtonVerifier->setEnabled(true);
    ButtonVerifier->setFocus();
}

void TFAssistantNouvelleAnnee::AfficherVerification(const TBilanTransition& bilan) {
    ArbreVerification->clear();
    if (!bilan.Blocage.isEmpty()) {
        LabelVerification->setText(
            QStringLiteral("Le changement d'année ne pourrait pas se faire :\n") +
            QString(bilan.Blocage).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        LabelVerification->setStyleSheet(QStringLiteral("color: #a00000;"));
        ArbreVerification->setVisible(false);
        return;
    }
    LabelVerification->setStyleSheet(QString());
    int nonReportees = 0;
    const auto aDroite = [](QTreeWidgetItem* element, int colonne, const QString& texte) {
        element->setText(colonne, texte);
        element->setTextAlignment(colonne, Qt::AlignRight | Qt::AlignVCenter);
    };
    for (const TLigneBilan& ligne : bilan.Lignes) {
        auto* element = new QTreeWidgetItem(ArbreVerification);
        element->setText(0, ligne.Libelle + QStringLiteral(" (") + ligne.Table + QLatin1Char(')'));
        const bool copiee = ligne.Anciennes >= 0;
        aDroite(element, 1, copiee ? QString::number(ligne.Anciennes) : QStringLiteral("—"));
        aDroite(element, 2, QString::number(ligne.Nouvelles));
        aDroite(element, 3, copiee ? QString::number(ligne.NonReportees) : QStringLiteral("—"));
        for (const QString& exemple : ligne.Exemples)
            new QTreeWidgetItem(element, {exemple});
        if (ligne.NonReportees > ligne.Exemples.size())
            new QTreeWidgetItem(
                element,
                {QStringLiteral("... et %1 autres").arg(ligne.NonReportees - ligne.Exemples.size())});
        nonReportees += std::max(ligne.NonReportees, 0);
    }
    int places = 0;
    auto* eleves = new QTreeWidgetItem(ArbreVerification, {QStringLiteral("Élèves placés, par classe")});
    for (const auto& [classe, nombre] : bilan.ElevesParClasse) {
        aDroite(new QTreeWidgetItem(eleves, {classe}), 2, QString::number(nombre));
        places += nombre;
    }
    aDroite(eleves, 2, QString::number(places));
    auto* sansClasse =
        new QTreeWidgetItem(ArbreVerification, {QStringLiteral("Élèves avec une décision mais sans classe")});
    aDroite(sansClasse, 3, QString::number(bilan.NonPlaces.size()));
    for (qsizetype i = 0; i < bilan.NonPlaces.size() && i < NombreExemplesBilan; ++i) {
        const TEleveNonPlace& e = bilan.NonPlaces.at(i);
        new QTreeWidgetItem(sansClasse, {QStringLiteral("[%1] - %2 %3 (%4, %5)")
                                             .arg(e.Matricule, e.Nom, e.Prenom, e.Classe, e.Decision)});
    }
    if (bilan.NonPlaces.size() > NombreExemplesBilan)
        new QTreeWidgetItem(
            sansClasse,
            {QStringLiteral("... et %1 autres").arg(bilan.NonPlaces.size() - NombreExemplesBilan)});
    LabelVerification->setText(
        QStringLiteral("Vérification faite, rien n'a été enregistré : %1 élèves seront placés, "
                       "%2 lignes de l'année close ne seront pas reportées (détail ci-dessous).")
            .arg(places)
            .arg(nonReportees));
    ArbreVerification->setVisible(true);
}

void TFAssistantNouvelleAnnee::MontrerProgression(int numero, const QString& texte) {
    ProgressBarTransition->setVisible(true);
    ProgressBarTransition->setValue(numero);
    LabelProgression->setText(ligneEssai_.isEmpty() ? texte : texte + QLatin1Char('\n') + ligneEssai_);
    // Shows the step before the server starts on it, without taking any input meanwhile.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
