#include "core/platform/Sons.h"

#include "core/platform/FilPrincipal.h"

#include <QDir>

namespace {

// Used until a player is installed (the program installs the Qt one): no sound, nothing waits.
class SonsMuets : public ISons {
public:
    void Jouer(const QString&) override {}
};

SonsMuets parDefaut;
ISons* courant = nullptr;

// The player is the main thread's, as the windows are.
class SonsDuFilPrincipal : public ISons {
public:
    void Jouer(const QString& chemin) override {
        SurFilPrincipal([&chemin] { (courant ? *courant : parDefaut).Jouer(chemin); });
    }
};

SonsDuFilPrincipal sons;

} // namespace

ISons& Sons() {
    return sons;
}

void InstallerSons(ISons* sons) {
    courant = sons;
}

QString CheminSon(const QString& chemin) {
    QString local = chemin;
    local.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::current().filePath(local);
}
