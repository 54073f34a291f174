#pragma once

#include <QString>

// A study level typed into the level dialog when it is used on its own: the rule that refuses a level the
// year already has, and the insert. Both run on the data module's shared statements of the year connection.

// The form under which level codes and names are compared: every space removed and the letters a to z read
// as A to Z. Every other character stays as it is: accented letters are not folded.
QString CleNiveau(const QString& Texte);

// Whether a level of the year database has the code Code or the name Nom, compared under CleNiveau (a code
// is compared with codes only, a name with names only). Reads every level with "SELECT * From niveau" on
// SQLQuery2. EKorven on a database error.
bool NiveauExistant(const QString& Code, const QString& Nom);

// Stores a new level with only its code, its name (both as typed) and its rank; every other column keeps its
// default. Runs on SQLQuery1 and is committed at once. EKorven on a database error (a code the server's
// primary key already holds included).
void EnregistrerNiveau(const QString& Code, const QString& Nom, int Ordre);
