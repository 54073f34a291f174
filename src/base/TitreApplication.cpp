#include "base/TitreApplication.h"

namespace {

QString& Titre() {
    static QString titre;
    return titre;
}

} // namespace

QString TitreApplication() {
    return Titre();
}

void DefinirTitreApplication(const QString& titre) {
    Titre() = titre;
}
