#include "gui/wizard/PageAccueil.h"

#include "core/transition/ChangementAnnee.h"
#include "gui/journal/JournalU.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"
#include "gui/wizard/dialogs/DialogueRetour.h"

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

    // Not a step either: taking back the change that opened the year being closed, while nothing else has
    // been written into it.
    const TBilanRetour& retour = changement_.Retour();
    ButtonRetour =
        new QPushButton(QStringLiteral("R&evenir à l'année %1...").arg(retour.AnneeRetablie), this);
    ButtonRetour->setObjectName(QStringLiteral("ButtonRetour"));
    ButtonRetour->setAutoDefault(false);
    ButtonRetour->setToolTip(QStringLiteral("Reprend le changement d'année qui a ouvert l'année %1 : "
                                            "montre ce qui sera retiré avant de le faire.")
                                 .arg(retour.AnneeRetiree));
    ButtonRetour->setVisible(retour.Possible() && !retour.AnneeRetablie.isEmpty());

    auto* annee = new QHBoxLayout;
    annee->addWidget(libelle);
    annee->addWidget(EditAnneeScolaire);
    annee->addStretch(1);
    auto* ligneJournal = new QHBoxLayout;
    ligneJournal->addStretch(1);
    ligneJournal->addWidget(ButtonRetour);
    ligneJournal->addWidget(ButtonJournal);
    Contenu->addSpacing(24);
    Contenu->addLayout(annee);
    Contenu->addStretch(1);
    Contenu->addLayout(ligneJournal);
    EditAnneeScolaire->setText(changement_.NouvelleAnnee());
    connect(ButtonJournal, &QPushButton::clicked, this, &TPageAccueil::ButtonJournalClick);
    setTabOrder(EditAnneeScolaire, ButtonRetour);
    setTabOrder(ButtonRetour, ButtonJournal);
    connect(ButtonRetour, &QPushButton::clicked, this, &TPageAccueil::ButtonRetourClick);
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

void TPageAccueil::ButtonRetourClick() {
    if (dialogueRetour_ != nullptr)
        return;
    dialogueRetour_ = new TDialogueRetour(changement_, window());
    dialogueRetour_->setAttribute(Qt::WA_DeleteOnClose);
    dialogueRetour_->setWindowModality(Qt::WindowModal);
    dialogueRetour_->show();
}

TDialogueRetour* TPageAccueil::DialogueRetour() const {
    return dialogueRetour_;
}
