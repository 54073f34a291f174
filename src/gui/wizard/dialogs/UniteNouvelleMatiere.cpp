#include "gui/wizard/dialogs/UniteNouvelleMatiere.h"

TFormNouvelleMatiere* FormNouvelleMatiere = nullptr;

TFormNouvelleMatiere::TFormNouvelleMatiere(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormNouvelleMatiere"));
    setWindowTitle(QStringLiteral("Nouvelle matière"));
    FormNouvelleMatiere = this;
}

TFormNouvelleMatiere::~TFormNouvelleMatiere() {
    if (FormNouvelleMatiere == this)
        FormNouvelleMatiere = nullptr;
}
