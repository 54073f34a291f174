#include "core/platform/FinApplication.h"

#include "core/platform/FilPrincipal.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>

namespace {

class FinQt : public IFinApplication {
public:
    // exit() leaves the main loop and every nested modal loop (message boxes, the wizard).
    void Terminer() override { QCoreApplication::exit(0); }
    // main() returns what exec() returns: the code of the last exit().
    void TerminerEnEchec() override { QCoreApplication::exit(CodeEchec); }
    // The new instance starts in this one's directory, so that it finds the same sound files.
    void Redemarrer() override {
        QProcess::startDetached(QCoreApplication::applicationFilePath(), {}, QDir::currentPath());
        Terminer();
    }
};

FinQt parDefaut;
IFinApplication* courant = nullptr;

IFinApplication& Cible() {
    return courant ? *courant : parDefaut;
}

// The end is the main thread's business: a year change that ends the program from its own thread has the
// main thread do it, and waits until it is done.
class FinDuFilPrincipal : public IFinApplication {
public:
    void Terminer() override {
        SurFilPrincipal([] { Cible().Terminer(); });
    }
    void TerminerEnEchec() override {
        SurFilPrincipal([] { Cible().TerminerEnEchec(); });
    }
    void Redemarrer() override {
        SurFilPrincipal([] { Cible().Redemarrer(); });
    }
};

FinDuFilPrincipal fin;

} // namespace

IFinApplication& FinApplication() {
    return fin;
}

void InstallerFinApplication(IFinApplication* fin) {
    courant = fin;
}
