// Sign-in, as the login window runs it: core looks the account up, says what the attempt leads to, reads the
// school's name and checks the right; the window counts the tries, writes the journal entry, plays the sound
// and shows the message.
#include "gui/login/Upassword.h"

#include "base/KORVENTypesU.h"
#include "base/TitreApplication.h"
#include "core/journal/EcritureJournal.h"
#include "core/platform/FinApplication.h"
#include "core/platform/Messages.h"
#include "core/platform/Sons.h"
#include "core/session/Identification.h"
#include "core/transition/ChangementAnnee.h"

#include <QGuiApplication>
#include <QLineEdit>

void TPassword::BitBtn1Click() {
    const QString login = EditLogin->text();

    TCompte compte;
    try {
        compte = ChercherCompte(login, EditPassword->text());
    } catch (const EKorven& e) {
        // The attempt is not counted: nothing was checked.
        Messages().Erreur(e.Message());
        return;
    }

    const int n = ++NombreEssais;
    const TIssueTentative issue = EvaluerTentative(compte, login, n);
    ecriture_->UpdateJournal(login, issue.LibelleJournal, OperationConnexion, DomaineConnexion);
    if (issue.Issue != TIssueTentative::Acceptee) {
        Sons().Jouer(SonEchec);
        if (issue.Fin) {
            FinApplication().TerminerEnEchec();
            return;
        }
        if (issue.ViderMotDePasse) {
            EditPassword->clear();
            EditPassword->setFocus();
        }
        Messages().Erreur(issue.Message);
        return;
    }

    std::unique_ptr<TChangementAnnee> changement;
    try {
        DefinirTitreApplication(TitreApplication() + QStringLiteral(" - ") + NomEtablissementConfiguration());
        if (!PossedeDroitActivation(login)) {
            Messages().Erreur(MessageSansDroit);
            FinApplication().TerminerEnEchec();
            return;
        }
        FermerLectureConnexion();
        changement = TChangementAnnee::Ouvrir(demarrage_, login, compte.Nom);
    } catch (const EKorven& e) {
        Messages().Erreur(e.Message());
        return;
    }
    // The typed password has done its work: it is kept nowhere, not even in its field.
    EditPassword->clear();
    if (SessionOuverte)
        SessionOuverte(std::move(changement));
}

void TPassword::BitBtn2Click() {
    EditLogin->clear();
    EditPassword->clear();
    EditLogin->setFocus();
}

void TPassword::BitBtn3Click() {
    if (Messages().Confirmation(QStringLiteral("Êtes-vous sûr de vouloir fermer le logiciel ?")))
        FinApplication().Terminer();
}
