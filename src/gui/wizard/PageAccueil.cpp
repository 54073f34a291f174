#include "gui/wizard/PageAccueil.h"

#include "core/transition/ChangementAnnee.h"
#include "gui/journal/JournalU.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPageAccueil::TPageAccueil(TChangementAnnee& changement, TJournal* journal, QWidget* parent)
    : TPageAssistant(
          QStringLiteral("Etape0Accueil"),
          {QStringLiteral("Assistant de solvane d'année scolaire avec KORVEN"),
           QStringLiteral("Bienvenu dans l'assistant de solvane d'année scolaire. Cet assistant vous "
                          "guidera tout au long du processus de solvane d'une année scolaire à une "
                          "nouvelle. Notez que les paramètres ne seront effectives que lorsque vous "
                          "aurez terminé avec l'assistant."),
           120},
          parent),
      changement_(changement), journal_(journal) {
    auto* libelle = new QLabel(QStringLiteral("Nouvelle année scolaire : "), this);
    libelle->setObjectName(QStringLiteral("LabelAnneeScolaire"));
    EditAnneeScolaire = new QLineEdit(this);
    EditAnneeScolaire->setObjectName(QStringLiteral("EditAnneeScolaire"));
    EditAnneeScolaire->setReadOnly(true);
    EditAnneeScolaire->setMaximumWidth(160);
    libelle->setBuddy(EditAnneeScolaire);

    // Not a step of the year's change: a way to read what has been done, at any moment.
    ButtonJournal = new QPushButton(QStringLiteral("&Journal des opérations"), this);
    ButtonJournal->setObjectName(QStringLiteral("ButtonJournal"));
    ButtonJournal->setAutoDefault(false);

    auto* annee = new QHBoxLayout;
    annee->addWidget(libelle);
    annee->addWidget(EditAnneeScolaire);
    annee->addStretch(1);
    auto* ligneJournal = new QHBoxLayout;
    ligneJournal->addStretch(1);
    ligneJournal->addWidget(ButtonJournal);
    Contenu->addSpacing(24);
    Contenu->addLayout(annee);
    Contenu->addStretch(1);
    Contenu->addLayout(ligneJournal);
    EditAnneeScolaire->setText(changement_.NouvelleAnnee());
    connect(ButtonJournal, &QPushButton::clicked, this, &TPageAccueil::ButtonJournalClick);
}

void TPageAccueil::initializePage() {
    EditAnneeScolaire->setText(changement_.NouvelleAnnee());
}

int TPageAccueil::nextId() const {
    return TFAssistantNouvelleAnnee::Etape1ElementAImporter;
}

void TPageAccueil::ButtonJournalClick() {
    // The journal of the year being closed; the window says itself what keeps it from opening.
    if (journal_ != nullptr)
        journal_->OuvrirPourAnnee(changement_.AnneeCourante());
}
