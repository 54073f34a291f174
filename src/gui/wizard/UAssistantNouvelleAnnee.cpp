#include "gui/wizard/UAssistantNouvelleAnnee.h"

#include "base/TitreApplication.h"
#include "core/data/OBDataModuleU.h"
#include "core/platform/FinApplication.h"
#include "gui/wizard/PageAccueil.h"
#include "gui/wizard/PageElements.h"
#include "gui/wizard/PageEleves.h"
#include "gui/wizard/PageFin.h"
#include "gui/wizard/PageListe.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLineEdit>
#include <QScreen>

namespace {

const QSize TailleUsuelle(802, 506);
const QSize TailleMinimale(400, 300);

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

TFAssistantNouvelleAnnee::TFAssistantNouvelleAnnee(TChangementAnnee& changement, TJournal* journal,
                                                   QWidget* parent)
    : QWizard(parent) {
    setObjectName(QStringLiteral("FAssistantNouvelleAnnee"));
    setWindowTitle(QStringLiteral("Assistant de solvane d'année scolaire avec KORVEN"));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::HaveHelpButton, true);
    setOption(QWizard::NoBackButtonOnStartPage, true);
    // Its usual size, smaller where the screen is (showEvent); a page that does not fit scrolls.
    setMinimumSize(TailleMinimale);
    resize(TailleUsuelle);
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

    auto* eleves = new TPageEleves(changement, this);
    setPage(Etape0Accueil, new TPageAccueil(changement, journal, this));
    setPage(Etape1ElementAImporter, new TPageElements(changement, *eleves, this));
    AjouterPagesListes();
    setPage(Etape8Eleves, eleves);
    setPage(Etape8Fin, new TPageFin(changement, this));
    setStartId(Etape0Accueil);

    connect(this, &QWizard::currentIdChanged, this, &TFAssistantNouvelleAnnee::MontrerBoutons);
    MontrerBoutons(Etape0Accueil);
}

TFAssistantNouvelleAnnee::~TFAssistantNouvelleAnnee() = default;

void TFAssistantNouvelleAnnee::AjouterPagesListes() {
    using A = TPageListe::TAjout;
    const auto liste = [this](int id, const char* page, const TPageAssistant::Entete& entete,
                              const char* nomListe, const char* nomBoite, const char* nomBouton, A ajout) {
        setPage(id,
                new TPageListe(QString::fromLatin1(page), entete, QString::fromLatin1(nomListe),
                               QString::fromLatin1(nomBoite), QString::fromLatin1(nomBouton), ajout, this));
    };
    liste(Etape2Niveau, "Etape2Niveau",
          EnteteListe(
              QStringLiteral("Paramètrage des niveaux d'étude"),
              QStringLiteral("Quels sont les niveaux ouverts cette année? Utiliser le bouton Nouveau pour "
                             "créer un nouveau niveau d'étude")),
          "CheckListBoxNiveaux", "CheckBoxNiveauxSelectionner", "ButtonNiveauAjouter", A::Niveau);
    liste(Etape3Classes, "Etape3Classes",
          EnteteListe(QStringLiteral("Classes"),
                      QStringLiteral("Quelles sont les classes ouvertes cette année? "
                                     "Utiliser le bouton Ajouter pour créer une "
                                     "nouvelle classe.")),
          "CheckListBoxClasses", "CheckBoxClassesSelectionner", "ButtonClasseAjouter", A::Classe);
    liste(Etape4Matiere, "Etape4Matiere",
          EnteteListe(QStringLiteral("Matières"),
                      QStringLiteral("Quelles sont les matières enseignées cette année?")),
          "CheckListBoxMatieres", "CheckBoxMatieresSelectionner", "ButtonMatiereAjouter", A::Matiere);
    liste(Etape5Departements, "Etape5Departements",
          EnteteListe(QStringLiteral("Départements"),
                      QStringLiteral("Quels sont les départements fonctionnels cette année?")),
          "CheckListBoxDepartements", "CheckBoxDepartementsSelectionner", "ButtonDepartementAjouter",
          A::Departement);
    liste(Etape6Enseignants, "Etape6Enseignants",
          EnteteListe(QStringLiteral("Enseignants"),
                      QStringLiteral("Quels sont les enseignants encore en poste cette année?"), 70, 21, 13),
          "CheckListBoxEnseignants", "CheckBoxEnseignantsSelectionner", "", A::Aucun);
    liste(Etape7FraisExigibles, "Etape7FraisExigibles",
          EnteteListe(
              QStringLiteral("Frais exigibles"),
              QStringLiteral("Indiquez quelles sont les frais exigibles pour la nouvelle année scolaire. "
                             "Vous pourrez toujours effectuer des modifications une fois cette opération "
                             "terminée"),
              80),
          "CheckListBoxFrais", "CheckBoxFraisSelectionner", "", A::Aucun);
}

void TFAssistantNouvelleAnnee::Remplir() {
    PageEleves()->Remplir();
    if (OBDataModule != nullptr)
        OBDataModule->CloseAllDataSet();
    setWindowTitle(TitreApplication() +
                   QStringLiteral(" -- Assistant d'activation d'une nouvelle année scolaire"));
}

TPageAccueil* TFAssistantNouvelleAnnee::PageAccueil() const {
    return static_cast<TPageAccueil*>(page(Etape0Accueil));
}

TPageElements* TFAssistantNouvelleAnnee::PageElements() const {
    return static_cast<TPageElements*>(page(Etape1ElementAImporter));
}

TPageListe* TFAssistantNouvelleAnnee::PageListe(Etape id) const {
    return qobject_cast<TPageListe*>(page(id));
}

TPageEleves* TFAssistantNouvelleAnnee::PageEleves() const {
    return static_cast<TPageEleves*>(page(Etape8Eleves));
}

TPageFin* TFAssistantNouvelleAnnee::PageFin() const {
    return static_cast<TPageFin*>(page(Etape8Fin));
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
}

void TFAssistantNouvelleAnnee::JvWizardNouvelleAnneeFinishButtonClick() {
    PageFin()->LancerChangement();
}

void TFAssistantNouvelleAnnee::showEvent(QShowEvent* event) {
    if (const QScreen* ecran = screen()) {
        const QSize place = ecran->availableGeometry().size();
        resize(TailleUsuelle.boundedTo(place).expandedTo(TailleMinimale));
    }
    QWizard::showEvent(event);
    if (currentId() == Etape0Accueil)
        PageAccueil()->EditAnneeScolaire->setFocus();
}

void TFAssistantNouvelleAnnee::accept() {
    if (!PageFin()->ExecutionEnCours())
        JvWizardNouvelleAnneeFinishButtonClick();
}

void TFAssistantNouvelleAnnee::reject() {
    if (PageFin()->ExecutionEnCours())
        return;
    QWizard::reject();
    FinApplication().Terminer();
}

void TFAssistantNouvelleAnnee::closeEvent(QCloseEvent* event) {
    if (PageFin()->ExecutionEnCours()) {
        event->ignore();
        return;
    }
    if (OBDataModule != nullptr)
        OBDataModule->CloseAllDataSet();
    // QDialog's close runs reject(): the application ends as with "Annuler".
    QWizard::closeEvent(event);
}
