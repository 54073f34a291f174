#include "gui/wizard/PageFin.h"

#include "core/transition/TransitionAnnee.h"

#include <QLabel>
#include <QProgressBar>
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
    ProgressBarTransition->setRange(0, TTransitionAnnee::NombreEtapes);
    ProgressBarTransition->setValue(0);
    ProgressBarTransition->setVisible(false);
    Contenu->addStretch(1);
    Contenu->addWidget(LabelProgression);
    Contenu->addWidget(ProgressBarTransition);
}
