#pragma once

#include "core/transition/Dictionnaires.h"

#include <QString>
#include <QStringList>
#include <memory>

class TCConfiguration;

// What the sign-in reads for the wizard, on the year connection's shared read chain.

// The school's configuration: the first row of configuration, or empty values (texts empty, numbers 0,
// pictures empty) when the table has no row. Raises EKorven on a database error (a missing column...).
std::unique_ptr<TCConfiguration> ChargerConfiguration();

// Every student of the year AnneeCourante that has an end-of-year decision, with its decision code ("R"
// when the text holds "Redouble"; otherwise "PE" with both "Promu" and "Exclu"; "E" with "Exclu"; "P"
// otherwise, an empty or missing text included) and its repeater flag ("1" for "R" and "E"). A student's
// series of orientation is looked up among the year's series, read once. Nothing is kept unless every row
// is read: the maps are replaced only on success. Raises EKorven on a database error, a series that does
// not exist ("Aucune série trouvée avec l'identifiant N") or a student with two decision rows.
struct TElevesCharges {
    TDictionnaireEleves Eleves;
    TDictionnaireDecisions Decisions;
    // The order the student list shows them in: by surname, then first name, as the server's collation
    // orders them (the statement's own order), then by matricule among those of the same name (compared
    // without regard to case).
    TOrdreEleves Ordre;
};
TElevesCharges ChargerEleves(const QString& AnneeCourante);

// The text of a student in the lists: "[matricule] - surname first name".
QString TexteEleve(const TCEleve& Eleve);
