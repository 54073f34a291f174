#include "gui/wizard/dialogs/UniteNouvelleClasse.h"

TFormNouvelleClasse* FormNouvelleClasse = nullptr;

TFormNouvelleClasse::TFormNouvelleClasse(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormNouvelleClasse"));
    setWindowTitle(QStringLiteral("Nouvelle classe"));
    FormNouvelleClasse = this;
}

TFormNouvelleClasse::~TFormNouvelleClasse() {
    if (FormNouvelleClasse == this)
        FormNouvelleClasse = nullptr;
}
