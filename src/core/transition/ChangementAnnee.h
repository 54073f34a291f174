#pragma once

#include "core/session/Demarrage.h"
#include "core/transition/ChargementEleves.h"
#include "core/transition/Dictionnaires.h"
#include "core/transition/Placement.h"
#include "core/transition/Proposition.h"
#include "core/transition/RetourAnnee.h"

#include <QString>
#include <memory>
#include <utility>
#include <vector>

// A signed-in year change: what the start-up found (the server, the account, the active year and its
// school), who signed in, every student of the closing year with its decision and orientation, where each is
// placed in the new year and which of those places a proposal made. The sign-in makes it; the wizard's pages
// show it and forward the user's choices to its operations; the change and its preview read their values
// from it. No widget here.
class TChangementAnnee {
public:
    // Reads what the wizard needs after an accepted sign-in, on the year connection of the calling thread's
    // data module: the school's configuration (a table that cannot be read stops here), every student with a
    // decision, the new year's code, and whether the change that opened the active year can be taken back.
    // Raises EKorven; nothing is kept then.
    static std::unique_ptr<TChangementAnnee> Ouvrir(const TDemarrage& demarrage, const QString& login,
                                                    const QString& nomUtilisateur);
    // A change on students given as they are (the tests, the benchmarks).
    TChangementAnnee(const TDemarrage& demarrage, const QString& login, const QString& nomUtilisateur,
                     TElevesCharges eleves);

    const TDemarrage& Demarrage() const { return demarrage_; }
    const QString& AnneeCourante() const { return demarrage_.AnneeCourante; }
    const QString& NouvelleAnnee() const { return nouvelleAnnee_; }
    const QString& Login() const { return login_; }
    const QString& NomUtilisateur() const { return nomUtilisateur_; }

    // "Elèves": whether the change carries the placed students (and the students page is shown).
    bool Eleves() const { return eleves_; }
    void DefinirEleves(bool eleves) { eleves_ = eleves; }

    const TDictionnaireEleves& DictionnaireEleves() const { return charges_.Eleves; }
    const TDictionnaireDecisions& Decisions() const { return charges_.Decisions; }
    const TOrdreEleves& Ordre() const { return charges_.Ordre; }
    const TDictionnairePlacement& Placement() const { return placement_; }

    // Every student in the list's order, placed or not, as the list shows them after the sign-in.
    std::vector<TEleveListe> TousLesEleves() const;
    // The students the list shows for these criteria.
    std::vector<TEleveListe> Lister(const TCriteresListe& criteres) const;

    // "&Valider": the ticked students of the list (matricule and tick of each line, in order) placed in
    // class codeClasse, the unticked ones taken out of the placement; what is decided by hand is no proposal
    // any more. Raises EKorven with the page's message when no student is ticked (aucunCoche) or when no new
    // class is offered (codeClasse empty), and changes nothing then.
    void Valider(bool aucunCoche, const std::vector<std::pair<QString, bool>>& coches,
                 const QString& codeClasse);
    // "Proposer une répartition": a class for every ordinary student not placed yet, decided from the
    // current year's classes (read on the year connection); returns what it did for its summary.
    TProposition Proposer();
    // Whether proposals nobody has changed since are left to take back.
    bool PropositionEnCours() const { return !proposes_.isEmpty(); }
    // Takes back the placements of the proposals that nobody changed since.
    void AnnulerProposition();

    // Whether every student has a class ("&Suivant >" on the students page asks otherwise).
    bool TousPlaces() const;

    // The values the change and its preview take; they point into this object, which must outlive the run.
    TParametresTransition ParametresTransition() const;

    // Whether the change that opened the active year can be taken back, as last examined, and what the undo
    // would remove (Raison says why not; empty figures before any examination).
    const TBilanRetour& Retour() const { return retour_; }
    // Examines it again, on the master connection of the calling thread's data module.
    const TBilanRetour& ExaminerRetour();
    // The values the undo and its preview take: the active year, this server, the signed-in account.
    TParametresRetour ParametresRetour() const;

private:
    TDemarrage demarrage_;
    QString login_;
    QString nomUtilisateur_;
    QString nouvelleAnnee_;
    bool eleves_ = true;
    TElevesCharges charges_;
    TDictionnairePlacement placement_;
    TDictionnairePlacement proposes_;
    TBilanRetour retour_;
};

// Why "&Valider" does nothing, and the question of "&Suivant >" when students are left without a class.
inline const QString MessageAucunEleveCoche = QStringLiteral("Vous devez sélectionner au moins un élève.");
inline const QString MessageSansNouvelleClasse =
    QStringLiteral("Voues devez sélectionner la nouvelle classe.");
inline const QString QuestionElevesNonPlaces = QStringLiteral(
    "Il y'a encore des élèves qui n'ont pas été affectés à une nouvelle classe.\r\nVoulez-vous "
    "ignorer ces élèves?");
