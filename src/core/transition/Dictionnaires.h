#pragma once

#include "core/model/UniteCEleve.h"

#include <QMap>
#include <QString>
#include <map>
#include <memory>
#include <vector>

// The wizard's maps, keyed by matricule; keys compare exactly (case and every character count).

// Every student of the closing year with an end-of-year decision; the map owns the records.
using TDictionnaireEleves = std::map<QString, std::unique_ptr<TCEleve>>;
// Decision code of each student: "R", "PE", "E" or "P".
using TDictionnaireDecisions = QMap<QString, QString>;
// Placement: the code of the class chosen for the new year.
using TDictionnairePlacement = QMap<QString, QString>;
// The students of TDictionnaireEleves in the order the student list shows them; the map owns them.
using TOrdreEleves = std::vector<const TCEleve*>;
