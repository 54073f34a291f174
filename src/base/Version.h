#pragma once

#include <QString>

// The version of the package's programs (solvane, korven-config): the project's version in CMake, given to
// this one file at build time, so that every program says the same one.
QString VersionProgramme();
