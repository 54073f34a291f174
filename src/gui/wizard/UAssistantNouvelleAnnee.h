#pragma once

#include "core/transition/Dictionnaires.h"

#include <QString>
#include <QWizard>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;

// The year-transition wizard. Made hidden at start-up; it holds, beside its pages, the values that the
// start-up check, the sign-in and the transition share, and the student maps.
class TFAssistantNouvelleAnnee : public QWizard {
    Q_OBJECT
public:
    explicit TFAssistantNouvelleAnnee(QWidget* parent = nullptr);
    ~TFAssistantNouvelleAnnee() override;

    // Master server, from the configuration file.
    QString ServeurKorven, PortKorven, UtilisateurKorven, MotDePasseKorven, BDKorven;
    // Year databases: the same server and account.
    QString Serveur, Port, Utilisateur, MotDePasse, BaseDeDonnees;
    QString AnneeCourante;
    QString NomEtablissement;
    QString NouvelleBD;
    // The signed-in user.
    QString Login, Password, Name;

    TDictionnaireEleves DictionnaireEleves;
    TDictionnaireDecisions DictionnaireDecisions;
    TDictionnairePlacement DictionnaireElevesNew;

    QLineEdit* EditAnneeScolaire;
    QCheckBox* CheckBoxEleve;
    // On the last page: which step of the transition runs, and how far it has gone.
    QLabel* LabelProgression;
    QProgressBar* ProgressBarTransition;

public slots:
    // "&Terminer": runs the year transition. On failure the wizard stays open for another try.
    void JvWizardNouvelleAnneeFinishButtonClick();

protected:
    // The finish button runs the transition instead of closing the window: a completed transition ends the
    // application itself.
    void accept() override;
    // "Annuler" (and Esc) ends the application; nothing is written.
    void reject() override;
};

extern TFAssistantNouvelleAnnee* FAssistantNouvelleAnnee;
