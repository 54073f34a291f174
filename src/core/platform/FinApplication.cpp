#include "core/platform/FinApplication.h"

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

} // namespace

IFinApplication& FinApplication() {
    return courant ? *courant : parDefaut;
}

void InstallerFinApplication(IFinApplication* fin) {
    courant = fin;
}
