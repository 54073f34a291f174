#pragma once

#include <QString>

// A value written into SQL text: enclosed in single quotes, every single quote doubled. The server also reads
// a backslash inside a literal as an escape, so backslashes are doubled too and a NUL character is written
// as \0: no value can end the literal early or change the statement. Ordinary values (no backslash, no NUL)
// give exactly the quoted text with doubled quotes: 'O''Neil'.
QString ChaineSQL(const QString& valeur);

class QComboBox;

// Combo-box convention: releases the entity attached to every item (model/UniteCObjet.h), then removes all
// items; the selection becomes none. No box: nothing to do. The items are gone before their entities are,
// so nothing reacting to the box's signals can reach a released entity.
void FreeComboboxObjects(QComboBox* Combobox);
