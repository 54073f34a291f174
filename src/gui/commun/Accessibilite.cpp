#include "gui/commun/Accessibilite.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>

void Libeller(QLabel* libelle, QWidget* controle) {
    libelle->setBuddy(controle);
    const QString raccourci = RaccourciMnemonique(libelle->text());
    if (!raccourci.isEmpty() && qobject_cast<QComboBox*>(controle) != nullptr)
        controle->setAccessibleDescription(QStringLiteral("Raccourci : ") + raccourci);
}

void SansTabulationInterne(QAbstractItemView* vue) {
    vue->setTabKeyNavigation(false);
}

QString RaccourciMnemonique(const QString& texte) {
    return QKeySequence::mnemonic(texte).toString(QKeySequence::NativeText);
}
