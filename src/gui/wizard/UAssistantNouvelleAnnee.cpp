#include "gui/wizard/UAssistantNouvelleAnnee.h"

#include "core/platform/FinApplication.h"
#include "core/transition/TransitionAnnee.h"

#include <QApplication>
#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QWizardPage>

TFAssistantNouvelleAnnee* FAssistantNouvelleAnnee = nullptr;

TFAssistantNouvelleAnnee::TFAssistantNouvelleAnnee(QWidget* parent) : QWizard(parent) {
    setObjectName(QStringLiteral("FAssistantNouvelleAnnee"));
    setWindowTitle(QStringLiteral("Assistant de solvane d'année scolaire avec KORVEN"));
    setButtonText(QWizard::BackButton, QStringLiteral("< &Précédent"));
    setButtonText(QWizard::NextButton, QStringLiteral("&Suivant >"));
    setButtonText(QWizard::FinishButton, QStringLiteral("&Terminer"));
    setButtonText(QWizard::CancelButton, QStringLiteral("Annuler"));
    setButtonText(QWizard::HelpButton, QStringLiteral("&Aide"));

    auto* accueil = new QWizardPage(this);
    accueil->setObjectName(QStringLiteral("Etape0Accueil"));
    accueil->setTitle(QStringLiteral("Assistant de solvane d'année scolaire avec KORVEN"));
    auto* formulaire = new QFormLayout(accueil);
    EditAnneeScolaire = new QLineEdit(accueil);
    EditAnneeScolaire->setObjectName(QStringLiteral("EditAnneeScolaire"));
    EditAnneeScolaire->setReadOnly(true);
    formulaire->addRow(QStringLiteral("Nouvelle année scolaire : "), EditAnneeScolaire);
    addPage(accueil);

    auto* elements = new QWizardPage(this);
    elements->setObjectName(QStringLiteral("Etape1ElementAImporter"));
    elements->setTitle(QStringLiteral("Eléments à transférer pour le nouvelle année scolaire"));
    auto* colonne = new QVBoxLayout(elements);
    CheckBoxEleve = new QCheckBox(QStringLiteral("Elèves"), elements);
    CheckBoxEleve->setObjectName(QStringLiteral("CheckBoxEleve"));
    CheckBoxEleve->setChecked(true);
    colonne->addWidget(CheckBoxEleve);
    addPage(elements);

    auto* fin = new QWizardPage(this);
    fin->setObjectName(QStringLiteral("Etape8Fin"));
    fin->setTitle(QStringLiteral("Fin de l'assistant Activation d'une Nouvelle Année Scolaire"));
    fin->setSubTitle(
        QStringLiteral("Cliquez sur le bouton Terminer pour valider votre opération. Patientez ensuite  "
                       "car cette opération peut prendre quelques minutes en fonction de la puissance "
                       "de votre ordinateur"));
    auto* progression = new QVBoxLayout(fin);
    LabelProgression = new QLabel(fin);
    LabelProgression->setObjectName(QStringLiteral("LabelProgression"));
    ProgressBarTransition = new QProgressBar(fin);
    ProgressBarTransition->setObjectName(QStringLiteral("ProgressBarTransition"));
    ProgressBarTransition->setRange(0, TTransitionAnnee::NombreEtapes);
    ProgressBarTransition->setValue(0);
    ProgressBarTransition->setVisible(false);
    progression->addStretch(1);
    progression->addWidget(LabelProgression);
    progression->addWidget(ProgressBarTransition);
    addPage(fin);

    FAssistantNouvelleAnnee = this;
}

TFAssistantNouvelleAnnee::~TFAssistantNouvelleAnnee() {
    if (FAssistantNouvelleAnnee == this)
        FAssistantNouvelleAnnee = nullptr;
}

void TFAssistantNouvelleAnnee::accept() {
    JvWizardNouvelleAnneeFinishButtonClick();
}

void TFAssistantNouvelleAnnee::reject() {
    QWizard::reject();
    FinApplication().Terminer();
}

void TFAssistantNouvelleAnnee::JvWizardNouvelleAnneeFinishButtonClick() {
    TParametresTransition parametres;
    parametres.NouvelleAnnee = EditAnneeScolaire->text();
    parametres.AnneeCourante = AnneeCourante;
    parametres.Serveur = Serveur;
    parametres.Port = Port;
    parametres.Utilisateur = Utilisateur;
    parametres.MotDePasse = MotDePasse;
    parametres.NomEtablissement = NomEtablissement;
    parametres.Login = Login;
    parametres.Eleves = CheckBoxEleve->isChecked();
    parametres.DictionnaireEleves = &DictionnaireEleves;
    parametres.DictionnaireElevesNew = &DictionnaireElevesNew;

    TTransitionAnnee transition;
    transition.Progression = [this](int numero, const QString& libelle, int restantes) {
        ProgressBarTransition->setVisible(true);
        ProgressBarTransition->setValue(numero);
        LabelProgression->setText(QStringLiteral("Étape %1 sur %2 : %3 (encore %4)")
                                      .arg(numero)
                                      .arg(TTransitionAnnee::NombreEtapes)
                                      .arg(libelle)
                                      .arg(restantes));
        // Shows the step before the server starts on it, without taking any input meanwhile.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    button(QWizard::FinishButton)->setEnabled(false);
    button(QWizard::BackButton)->setEnabled(false);
    const bool reussie = transition.Executer(parametres);
    NouvelleBD = transition.NouvelleBD;
    if (!reussie) {
        LabelProgression->setText(
            QStringLiteral("Le changement d'année n'a pas eu lieu : rien n'a été modifié. "
                           "Vous pouvez corriger la cause et cliquer à nouveau sur Terminer."));
        ProgressBarTransition->setVisible(false);
        button(QWizard::FinishButton)->setEnabled(true);
        button(QWizard::BackButton)->setEnabled(true);
    }
}
