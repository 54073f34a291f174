#pragma once

#include <QString>

// Year codes: "2011/2012", four digits, a slash, four digits.

// The code of the year that follows: characters 6 to 9 read as N give "N/N+1". Raises EKorven when the code
// is shorter than 9 characters or those characters are not a whole number.
QString GetAnneeScolaireSuivante(const QString& code);

// The database of a year: "bd_" and the code with every "/" replaced by "_" (2011/2012 -> bd_2011_2012).
QString NomBaseAnnee(const QString& code);

// The full path of the configuration file: the system directory, a separator and "config_korven.ini".
QString GetFichierConfiguration();

inline const QString NomFichierConfiguration = QStringLiteral("config_korven.ini");
