#include "gui/commun/ApercuImpression.h"

#include "core/platform/Messages.h"

#include <QAction>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

void ErreurApercu(const QString& Texte) {
    Messages().Erreur(QStringLiteral("Une erreur est survenue : \r\n") + Texte);
}

void PreparerApercu(QPrintPreviewDialog& Apercu, QWidget* Parent, const std::function<void()>& Enregistrer) {
    if (QToolBar* barre = Apercu.findChild<QToolBar*>()) {
        QAction* action = barre->addAction(Apercu.style()->standardIcon(QStyle::SP_DialogSaveButton),
                                           QStringLiteral("Enregistrer en PDF"));
        action->setObjectName(QStringLiteral("ActionEnregistrerPdf"));
        QObject::connect(action, &QAction::triggered, &Apercu, Enregistrer);
    }
    if (const QScreen* ecran = Parent != nullptr ? Parent->screen() : QGuiApplication::primaryScreen())
        Apercu.resize(ecran->availableGeometry().size());
    Apercu.setWindowState(Apercu.windowState() | Qt::WindowMaximized);
}

QString AvecSuffixePdf(const QString& Chemin) {
    return QFileInfo(Chemin).suffix().isEmpty() ? Chemin + QStringLiteral(".pdf") : Chemin;
}

QString DateImpression() {
    return QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
}
