#include "gui/wizard/PageFin.h"

#include "core/transition/EtapesTransition.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TPageFin::TPageFin(QWidget* parent)
    : TPageAssistant(
          QStringLiteral("Etape8Fin"),
          {QStringLiteral("Fin de l'assistant Activation d'une Nouvelle Année Scolaire"),
           QStringLiteral("Cliquez sur le bouton Terminer pour valider votre opération. Patientez ensuite  "
                          "car cette opération peut prendre quelques minutes en fonction de la "
                          "puissance de votre ordinateur"),
           90},
          parent) {
    LabelProgression = new QLabel(this);
    LabelProgression->setObjectName(QStringLiteral("LabelProgression"));
    LabelProgression->setWordWrap(true);
    ProgressBarTransition = new QProgressBar(this);
    ProgressBarTransition->setObjectName(QStringLiteral("ProgressBarTransition"));
    ProgressBarTransition->setRange(0, NombreEtapesTransition());
    ProgressBarTransition->setValue(0);
    ProgressBarTransition->setVisible(false);
    ButtonVerifier = new QPushButton(QStringLiteral("&Vérifier"), this);
    ButtonVerifier->setObjectName(QStringLiteral("ButtonVerifier"));
    ButtonVerifier->setAutoDefault(false);
    ButtonVerifier->setToolTip(
        QStringLiteral("Déroule tout le changement d'année sans rien enregistrer et montre ce "
                       "qu'il reportera, table par table."));
    LabelVerification = new QLabel(this);
    LabelVerification->setObjectName(QStringLiteral("LabelVerification"));
    LabelVerification->setWordWrap(true);
    LabelVerification->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ArbreVerification = new QTreeWidget(this);
    ArbreVerification->setObjectName(QStringLiteral("ArbreVerification"));
    ArbreVerification->setColumnCount(4);
    ArbreVerification->setHeaderLabels({QStringLiteral("Table"), QStringLiteral("Année close"),
                                        QStringLiteral("Nouvelle année"), QStringLiteral("Non reportées")});
    ArbreVerification->setUniformRowHeights(true);
    ArbreVerification->setVisible(false);
    ArbreVerification->header()->setStretchLastSection(false);
    ArbreVerification->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int colonne = 1; colonne < 4; ++colonne)
        ArbreVerification->header()->setSectionResizeMode(colonne, QHeaderView::ResizeToContents);
    ButtonVerifier->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* progression = new QHBoxLayout;
    progression->addWidget(ProgressBarTransition, 1);
    progression->addStretch(0);
    progression->addWidget(ButtonVerifier);
    Contenu->addWidget(LabelVerification);
    Contenu->addWidget(ArbreVerification, 1);
    Contenu->addStretch(0);
    Contenu->addWidget(LabelProgression);
    Contenu->addLayout(progression);
}
