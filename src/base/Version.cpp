#include "base/Version.h"

QString VersionProgramme() {
    return QStringLiteral(SOLVANE_VERSION);
}
