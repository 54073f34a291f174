#include "core/platform/Sons.h"

#include <QDir>

namespace {

// Used until a player is installed (the program installs the Qt one): no sound, nothing waits.
class SonsMuets : public ISons {
public:
    void Jouer(const QString&) override {}
};

SonsMuets parDefaut;
ISons* courant = nullptr;

} // namespace

ISons& Sons() {
    return courant ? *courant : parDefaut;
}

void InstallerSons(ISons* sons) {
    courant = sons;
}

QString CheminSon(const QString& chemin) {
#ifdef Q_OS_WIN
    return chemin;
#else
    QString local = chemin;
    local.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::current().filePath(local);
#endif
}
