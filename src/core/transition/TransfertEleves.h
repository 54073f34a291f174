#pragma once

#include "core/transition/Dictionnaires.h"

class TSQLQuery;

// The placed students go into personne and eleve of the database the statement's connection is attached to,
// in multi-row inserts of at most TailleLotEleves students, the person rows of a batch before its student
// rows. Students are taken in the placement map's order; their values come from the records of eleves, their
// national number included. Every student gets en_regle = enRegle and montant_verse 0. First, every class of
// the placement must exist in that database's classe table, and every placed student must have a record:
// otherwise nothing is written and the error names the classes and their students, or the student. Raises
// EKorven on the first error (a missing class, a placed student without a record, a statement the server
// rejects); the caller's transaction undoes the batches already sent. With nothing placed, no statement runs.
// The statements of a batch are written on another thread while those of the previous batch run: the maps
// and records must not change until this returns.
void TransfererEleves(TSQLQuery* requete, const TDictionnairePlacement& placement,
                      const TDictionnaireEleves& eleves, const QString& enRegle);

inline constexpr int TailleLotEleves = 300;
