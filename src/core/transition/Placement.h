#pragma once

#include "core/transition/Dictionnaires.h"

#include <QString>
#include <QStringList>
#include <vector>

class TCSerie;

// The rules of the students page: which classes are offered as the new class, which students are listed,
// and what "&Valider" does to the placement map. No widget here: the page shows what these decide.

// Index of the decision filter's items: "Ignorer", "Promus", "Redoublants", "Exclus et Promus", "Exclus et
// Redouble".
enum FiltreDecision {
    FiltreIgnorer = 0,
    FiltrePromus,
    FiltreRedoublants,
    FiltreExclusPromus,
    FiltreExclusRedouble
};

// The level orders among which the new class is chosen, for a level of order ordre: "(o,o+1)" when the
// level's examination decides the promotion or the filter is "Ignorer"; "(o+1)" for the promoted filters;
// "(o)" for the repeating ones.
QString ListeOrdresNiveaux(int ordre, bool examenRequis, int filtre);

// Whether a decision code passes the filter: "Ignorer" lets every code pass, the others one code each.
bool DecisionRetenue(int filtre, const QString& decision);

// The text of a listed student: "[matricule] - surname first name", followed by " - " and the class code when
// the student is placed.
QString TexteEleveListe(const TCEleve& Eleve, const TDictionnairePlacement& Placement);

// One line of the student list.
struct TEleveListe {
    const TCEleve* Eleve;
    QString Texte;
    bool Place;
};

// What the list shows for the old class codeAncienneClasse and a new class of series serieNouvelleClasse
// (nullptr: none): the students of that class, in the list's order, whose decision passes the filter, whose
// orientation matches the new class's series when orientation is asked for (a student or class without a
// series always passes), placed ones left out when seulementNonPlaces.
struct TCriteresListe {
    QString CodeAncienneClasse;
    const TCSerie* SerieNouvelleClasse = nullptr;
    bool TenirCompteOrientation = false;
    int Filtre = FiltreIgnorer;
    bool SeulementNonPlaces = false;
};
std::vector<TEleveListe> ElevesListes(const TDictionnaireDecisions& Decisions,
                                      const TDictionnairePlacement& Placement, const TOrdreEleves& Ordre,
                                      const TCriteresListe& Criteres);

// "&Valider": every ticked student is placed in class codeClasse (an earlier placement is replaced), every
// unticked one is taken out of the placement map. coches holds, for each line of the list in order, the
// student's matricule and whether the line is ticked.
void EnregistrerPlacement(TDictionnairePlacement& Placement,
                          const std::vector<std::pair<QString, bool>>& Coches, const QString& CodeClasse);

// The number of students of Eleves that have no class in the placement map.
int NombreNonPlaces(const TDictionnaireEleves& Eleves, const TDictionnairePlacement& Placement);
