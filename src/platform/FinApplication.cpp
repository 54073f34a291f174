#include "platform/FinApplication.h"

#include <QCoreApplication>

namespace {

class FinQt : public IFinApplication {
public:
    // exit() leaves the main loop and every nested modal loop (message boxes, the wizard).
    void Terminer() override { QCoreApplication::exit(0); }
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
