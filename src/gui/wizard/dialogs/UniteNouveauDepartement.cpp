#include "gui/wizard/dialogs/UniteNouveauDepartement.h"

TFormNouveauDepartement* FormNouveauDepartement = nullptr;

TFormNouveauDepartement::TFormNouveauDepartement(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormNouveauDepartement"));
    setWindowTitle(QStringLiteral("Nouveau département"));
    FormNouveauDepartement = this;
}

TFormNouveauDepartement::~TFormNouveauDepartement() {
    if (FormNouveauDepartement == this)
        FormNouveauDepartement = nullptr;
}
