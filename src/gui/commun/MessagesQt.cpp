#include "gui/commun/MessagesQt.h"
#include "base/TitreApplication.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString TexteAffiche(QString texte) {
    return texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The active window stays the parent, so the box is centred on it and keeps it from reacting meanwhile.
QMessageBox* Boite(QMessageBox::Icon icone, const QString& texte) {
    auto* boite = new QMessageBox(icone, TitreApplication(), TexteAffiche(texte), QMessageBox::NoButton,
                                  QApplication::activeWindow());
    boite->setAttribute(Qt::WA_DeleteOnClose, false);
    boite->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    return boite;
}

void Afficher(QMessageBox::Icon icone, const QString& texte) {
    QMessageBox* boite = Boite(icone, texte);
    QPushButton* ok = boite->addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    boite->setDefaultButton(ok);
    boite->setEscapeButton(ok);
    boite->exec();
    delete boite;
}

} // namespace

void MessagesQt::Erreur(const QString& texte) {
    Afficher(QMessageBox::Critical, texte);
}

void MessagesQt::Information(const QString& texte) {
    Afficher(QMessageBox::Information, texte);
}

bool MessagesQt::Confirmation(const QString& texte) {
    QMessageBox* boite = Boite(QMessageBox::Question, texte);
    QPushButton* oui = boite->addButton(QStringLiteral("&Oui"), QMessageBox::YesRole);
    QPushButton* non = boite->addButton(QStringLiteral("&Non"), QMessageBox::NoRole);
    boite->setDefaultButton(oui);
    boite->setEscapeButton(non);
    boite->exec();
    const bool reponse = boite->clickedButton() == oui;
    delete boite;
    return reponse;
}
