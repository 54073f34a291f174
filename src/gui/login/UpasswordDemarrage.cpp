// The start-up check, as the login window runs it: core's check does the work on a thread of its own, so that
// the window is painted, says what it waits for and can be left with "&Quitter" while a server takes its
// time; then the window keeps the values it found (for the change a sign-in opens), shows its message and
// ends the application when it cannot go on.
#include "gui/login/Upassword.h"

#include "base/KORVENFonctionsU.h"
#include "core/data/OBDataModuleU.h"
#include "core/platform/FinApplication.h"
#include "core/platform/Messages.h"
#include "core/session/Demarrage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

void TPassword::Timer1Timer() {
    Timer1->stop();
    MontrerVerification(true);
    auto* verification = new TVerificationDemarrage(GetFichierConfiguration());
    // The result copied, the check goes (once control is back in the event loop, a box of the handler
    // included).
    connect(verification, &QThread::finished, this, [this, verification] {
        const TDemarrage demarrage = verification->Resultat();
        verification->deleteLater();
        DemarrageTermine(demarrage);
    });
    verification->start();
}

void TPassword::MontrerVerification(bool enCours) {
    verificationEnCours_ = enCours;
    LabelEtat->setVisible(enCours);
    for (QWidget* w : std::initializer_list<QWidget*>{EditLogin, EditPassword, BitBtn1, BitBtn2})
        w->setEnabled(!enCours);
    if (enCours)
        BitBtn3->setFocus();
    else
        EditLogin->setFocus();
}

void TPassword::DemarrageTermine(const TDemarrage& d) {
    MontrerVerification(false);
    demarrage_ = d;
    if (d.Issue == TIssueDemarrage::Reussi)
        AppliquerDemarrage(*OBDataModule, d);

    if (!d.Message.isEmpty())
        Messages().Erreur(d.Message);
    if (d.Issue == TIssueDemarrage::Fatal)
        FinApplication().TerminerEnEchec();
}
