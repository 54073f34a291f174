#pragma once

#include "base/KORVENTypesU.h"

#include <QString>
#include <exception>
#include <functional>

// What follows a failed transaction, the same for the year change and for its undo: a body the server refused
// for want of a turn runs again from a fresh transaction, a bounded number of times, once a fresh session has
// shown that it was not committed after all; anything else is told to the user.

// The server's codes that say so.
inline constexpr int Interblocage = 1213;      // a deadlock, or on a cluster a certification failure
inline constexpr int ErreurValidation = 1180;  // on a cluster: the node lost the majority at commit
inline constexpr int NoeudIndisponible = 1047; // on a cluster: the node lost the majority

// The connection was lost while the commit was under way: the server may have committed or not.
class EValidationIncertaine : public EKorven {
public:
    using EKorven::EKorven;
};

enum class TSuiteEchec { Abandon, NouvelEssai, ValideeMalgreTout };

// Why a failed body may run again, in the user's words ("" when it may not).
QString RaisonNouvelEssai(const std::exception& e);

// What the run that failed provides.
struct TReprise {
    int NouveauxEssais = 0;
    // Whether the run's transaction is in the database after all (read on a fresh session).
    std::function<bool()> ValideeMalgreTout;
    // Tells the user why the run stops.
    std::function<void(const std::exception& e)> Echec;
    // The line that says why the body runs again (may be empty).
    std::function<void(const QString& texte)> NouvelEssai;
};

// After the essai-th failure e: give up (the user told), run the body again, or go on as committed. A commit
// whose answer was lost (EValidationIncertaine) never runs again: what the database holds decides.
TSuiteEchec SuiteEchec(const std::exception& e, int essai, const TReprise& reprise);

// The commit of the calling thread's year connection. The server may have undone the transaction to let
// another pass on a statement whose error nobody raised (the journal entry's, which never fails toward its
// caller): a commit then would commit nothing and read as a success, so that is a deadlock. A connection lost
// while the commit was under way raises EValidationIncertaine: its answer may have been lost on the way back.
void ValiderTransaction();
