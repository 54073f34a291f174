#pragma once

#include "core/model/UniteCEleve.h"

#include <QMap>
#include <QString>
#include <map>
#include <memory>

// The wizard's maps, keyed by matricule; keys compare exactly (case and every character count).

// Every student of the closing year with an end-of-year decision; the map owns the records.
using TDictionnaireEleves = std::map<QString, std::unique_ptr<TCEleve>>;
// Decision code of each student: "R", "PE", "E" or "P".
using TDictionnaireDecisions = QMap<QString, QString>;
// Placement: the code of the class chosen for the new year.
using TDictionnairePlacement = QMap<QString, QString>;
