#pragma once

#include <QString>
#include <QWizard>

class QCheckBox;
class QLineEdit;

// The year-transition wizard. Made hidden at start-up; it holds, beside its pages, the values that the
// start-up check, the sign-in and the transition share.
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

    QLineEdit* EditAnneeScolaire;
    QCheckBox* CheckBoxEleve;
};

extern TFAssistantNouvelleAnnee* FAssistantNouvelleAnnee;
