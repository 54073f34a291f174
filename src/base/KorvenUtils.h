#pragma once

#include <QString>

// A value written into SQL text: enclosed in single quotes, every single quote doubled. The server also reads
// a backslash inside a literal as an escape, so backslashes are doubled too and a NUL character is written
// as \0: no value can end the literal early or change the statement. Ordinary values (no backslash, no NUL)
// give exactly the quoted text with doubled quotes: 'O''Neil'.
QString ChaineSQL(const QString& valeur);

// The text of ChaineSQL(valeur), written at destination, which has room for PlaceChaineSQL(valeur)
// characters; returns the end of what was written. For statements made of many values, written in place.
QChar* EcrireChaineSQL(QChar* destination, QStringView valeur);
inline qsizetype PlaceChaineSQL(QStringView valeur) {
    return 2 * valeur.size() + 2;
}

// Whether two texts are equal case aside, exactly as QString::compare without regard to case finds them, at
// the cost of a plain comparison for their common start: only what follows it is folded.
bool EgauxSansCasse(QStringView a, QStringView b);
