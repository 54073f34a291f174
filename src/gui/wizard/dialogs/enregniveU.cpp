#include "gui/wizard/dialogs/enregniveU.h"

TEnregNive* EnregNive = nullptr;

TEnregNive::TEnregNive(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EnregNive"));
    setWindowTitle(QStringLiteral("Nouveau niveau d'étude"));
    EnregNive = this;
}

TEnregNive::~TEnregNive() {
    if (EnregNive == this)
        EnregNive = nullptr;
}
