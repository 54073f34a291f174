#pragma once

#include <QString>

// A value written into SQL text: enclosed in single quotes, every single quote doubled. The server also reads
// a backslash inside a literal as an escape, so backslashes are doubled too and a NUL character is written
// as \0: no value can end the literal early or change the statement. Ordinary values (no backslash, no NUL)
// give exactly the quoted text with doubled quotes: 'O''Neil'.
QString ChaineSQL(const QString& valeur);
