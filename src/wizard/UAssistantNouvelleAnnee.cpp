#include "wizard/UAssistantNouvelleAnnee.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWizardPage>

TFAssistantNouvelleAnnee* FAssistantNouvelleAnnee = nullptr;

TFAssistantNouvelleAnnee::TFAssistantNouvelleAnnee(QWidget* parent) : QWizard(parent) {
    setObjectName(QStringLiteral("FAssistantNouvelleAnnee"));
    setWindowTitle(QStringLiteral("Assistant de solvane d'année scolaire avec KORVEN"));

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

    FAssistantNouvelleAnnee = this;
}

TFAssistantNouvelleAnnee::~TFAssistantNouvelleAnnee() {
    if (FAssistantNouvelleAnnee == this)
        FAssistantNouvelleAnnee = nullptr;
}
