#pragma once

#include "core/transition/Dictionnaires.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QWizard>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class TCConfiguration;
class TCaseToutSelectionner;
class TListeCochee;
class QTreeWidget;
struct TBilanTransition;
struct TParametresTransition;
struct TRapportTransition;

// The year-transition wizard. Made hidden at start-up; filled and shown modally after an accepted sign-in. It
// holds, beside its pages, the values that the start-up check, the sign-in and the transition share, and the
// student maps. Its pages, in wizard order, are the ids below; the page flow skips the pages that are not
// enabled (the six list pages never are; the students page follows the "Elèves" box).
class TFAssistantNouvelleAnnee : public QWizard {
    Q_OBJECT
public:
    enum Etape {
        Etape0Accueil,
        Etape1ElementAImporter,
        Etape2Niveau,
        Etape3Classes,
        Etape4Matiere,
        Etape5Departements,
        Etape6Enseignants,
        Etape7FraisExigibles,
        Etape8Eleves,
        Etape8Fin
    };

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
    std::unique_ptr<TCConfiguration> CConfiguration;

    TDictionnaireEleves DictionnaireEleves;
    TDictionnaireDecisions DictionnaireDecisions;
    TDictionnairePlacement DictionnaireElevesNew;
    // The students of DictionnaireEleves in the student list's order.
    TOrdreEleves OrdreEleves;
    // The placements "Proposer une répartition" made and nobody has changed since.
    TDictionnairePlacement PlacementsProposes;

    // Welcome page.
    QLineEdit* EditAnneeScolaire;
    QPushButton* ButtonJournal;
    // Elements page.
    QCheckBox* CheckBoxNiveau;
    QCheckBox* CheckBoxClasse;
    QCheckBox* CheckBoxMatiere;
    QCheckBox* CheckBoxDepartements;
    QCheckBox* CheckBoxEnseignant;
    QCheckBox* CheckBoxGradeEseignants;
    QCheckBox* CheckBoxFraisExigibles;
    QCheckBox* CheckBoxEleve;
    // The six list pages.
    TListeCochee* CheckListBoxNiveaux;
    TListeCochee* CheckListBoxClasses;
    TListeCochee* CheckListBoxMatieres;
    TListeCochee* CheckListBoxDepartements;
    TListeCochee* CheckListBoxEnseignants;
    TListeCochee* CheckListBoxFrais;
    QPushButton* ButtonNiveauAjouter;
    QPushButton* ButtonClasseAjouter;
    QPushButton* ButtonMatiereAjouter;
    QPushButton* ButtonDepartementAjouter;
    // Students page.
    QComboBox* ComboBoxElevesSection;
    QComboBox* ComboBoxElevesNiveau;
    QComboBox* ComboBoxElevesPromusRedoublantsExclus;
    QComboBox* ComboBoxElevesAncienneClasse;
    QComboBox* ComboBoxElevesNouvelleClasse;
    TListeCochee* ListeEleves;
    TCaseToutSelectionner* CheckBoxElevesSelectionner;
    QListView* CheckListBoxEleves;
    QPushButton* ButtonElevesValider;
    QPushButton* ButtonProposer;
    QPushButton* ButtonAnnulerProposition;
    QCheckBox* CheckBoxSelectionBas;
    QCheckBox* CheckBoxTenirCompteOrientation;
    // Last page: which step of the transition runs, and how far it has gone.
    QLabel* LabelProgression;
    QProgressBar* ProgressBarTransition;
    QPushButton* ButtonVerifier;
    QLabel* LabelVerification;
    QTreeWidget* ArbreVerification;

    // Shows the report of a committed change: in a modal print preview, from which it prints or is saved as a
    // PDF file.
    std::function<void(const TRapportTransition& rapport)> MontrerRapportTransition;

    // The next enabled page in wizard order (-1 after the last page).
    int nextId() const override;
    // The next-button checks: the elements page refreshes the students page, the students page asks about
    // unplaced students. false keeps the wizard on its page.
    bool validateCurrentPage() override;

    // The student list as the sign-in leaves it: every student, none placed, all ticked.
    void AfficherTousLesEleves();

public slots:
    // Students page.
    void RefreshComboBoxEleveNouvelleClasse();
    void RefreshCheckListBoxEleves();
    void ComboBoxElevesSectionChange();
    void ComboBoxElevesNiveauChange();
    void ComboBoxElevesAncienneClasseChange();
    void ComboBoxElevesNouvelleClasseChange();
    void ComboBoxElevesPromusRedoublantsExclusChange();
    void CheckBoxSelectionBasClick();
    void CheckBoxTenirCompteOrientationClick();
    void ButtonElevesValiderClick();
    // "Proposer une répartition": a class for every ordinary student not placed yet, and a summary.
    void ButtonProposerClick();
    // Takes back the placements of the proposals that nobody changed since.
    void ButtonAnnulerPropositionClick();
    // "&Suivant >" on the students page: false keeps the user there.
    bool Etape8ElevesNextButtonClick();
    // "&Suivant >" on the elements page.
    bool Etape1ElementAImporterNextButtonClick();
    void CheckBoxEleveClick();
    // The add dialogs of the levels, subjects and departments pages.
    void ButtonNiveauAjouterClick();
    void ButtonMatiereAjouterClick();
    void ButtonDepartementAjouterClick();
    // The operations journal of the current year.
    void ButtonJournalClick();
    // "&Terminer": runs the year transition. On failure the wizard stays open for another try.
    void JvWizardNouvelleAnneeFinishButtonClick();
    // "Vérifier": the change run without keeping anything; its figures shown on the last page.
    void ButtonVerifierClick();
    // The window is closing: the shared result sets are closed and the maps released.
    void FormClose();

protected:
    // The finish button runs the transition instead of closing the window: a completed transition ends the
    // application itself.
    void accept() override;
    // "Annuler" (and Esc) ends the application; nothing is written.
    void reject() override;
    // The close box: FormClose, then the application ends as with "Annuler".
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void MontrerBoutons(int id);
    // The values the change takes from the wizard.
    TParametresTransition ParametresTransition() const;
    void AfficherVerification(const TBilanTransition& bilan);
    // The progress bar at that step, and the text under it (with the line saying why the change runs again,
    // when it does).
    void MontrerProgression(int numero, const QString& texte);
    QString ligneEssai_;
    // The matricule and tick of every line of the student list, in order.
    std::vector<std::pair<QString, bool>> CochesEleves() const;
};

extern TFAssistantNouvelleAnnee* FAssistantNouvelleAnnee;
