#pragma once

// Helpers shared by the entity modules: argument checks, the year database name, the connection and the
// shared read chain. Not meant for the windows.

#include "core/data/RequeteSQL.h"

#include <QString>
#include <QStringList>

class TSQLConnection;

namespace Modele {

inline const QString MsgComposantNull = QStringLiteral("Impossible de charger un composant null.");
inline const QString MsgPasserAnnee = QStringLiteral("Vous devez passer l'annéée scolaire.");
inline const QString MsgIndiquerAnnee = QStringLiteral("Vous devez indiquer l'année scolaire.");
inline const QString MsgResultatUnique = QStringLiteral("Impossible de renvoyer un résultat unique.");

// Blank: empty once spaces and control characters are trimmed from both ends.
bool EstVide(const QString& texte);

// The letters a to z made upper case, every other character left as it is.
QString MajusculesAscii(const QString& texte);

[[noreturn]] void Echouer(const QString& message);

// The database of year Annee (bd_2025_2026 for 2025/2026). A blank code fails with "Vous devez passer
// l'annéée scolaire."; a code that does not give a plain name (letters, digits, "_") fails too, so the name
// can stand in statement text.
QString BaseAnnee(const QString& Annee);

// A column name written into statement text: letters, digits and "_", not beginning with a digit.
void VerifierNomChamp(const QString& NomChamp);

// A list written into statement text after IN: "(" whole numbers separated by "," ")".
void VerifierListeEntiers(const QString& Liste);

// The year connection of the data module.
TSQLConnection* ConnexionAnnee();

// The shared read chain SQLQueryDonnees1 / ClientDataSetDonnees1 of the data module: closes it, gives it the
// statement and opens it (every row fetched).
TClientDataSet& OuvrirDonnees1(const QStringList& lignes, const TParams& parametres = {});

} // namespace Modele
