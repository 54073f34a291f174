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
#include <QWidgetAction>

void ErreurApercu(const QString& Texte) {
    Messages().Erreur(QStringLiteral("Une erreur est survenue : \r\n") + Texte);
}

namespace {

// The toolbar's buttons keep out of the Tab order: its main actions get keyboard shortcuts, said in their
// tool tips. The preview's own actions come in a fixed order (fit width, fit page, zoom out, zoom in,
// portrait, landscape, first, previous, next, last page, single, facing, all pages, page setup, print); they
// are left alone if the toolbar is not laid out that way.
void Raccourcir(QAction* action, const QKeySequence& touches) {
    action->setShortcut(touches);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setToolTip(
        QStringLiteral("%1 (%2)").arg(action->text(), touches.toString(QKeySequence::NativeText)));
}

void RaccourcisApercu(QToolBar& barre, QAction* enregistrer) {
    QList<QAction*> actions;
    for (QAction* action : barre.actions())
        if (!action->isSeparator() && qobject_cast<QWidgetAction*>(action) == nullptr &&
            action != enregistrer)
            actions << action;
    if (actions.size() == 15) {
        const std::pair<int, QKeySequence> raccourcis[] = {
            {3, QKeySequence(Qt::CTRL | Qt::Key_Plus)},     {2, QKeySequence(Qt::CTRL | Qt::Key_Minus)},
            {6, QKeySequence(Qt::CTRL | Qt::Key_Home)},     {7, QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
            {8, QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, {9, QKeySequence(Qt::CTRL | Qt::Key_End)},
            {14, QKeySequence(Qt::CTRL | Qt::Key_P)}};
        for (const auto& [rang, touches] : raccourcis)
            Raccourcir(actions.at(rang), touches);
    }
    if (enregistrer != nullptr)
        Raccourcir(enregistrer, QKeySequence(Qt::CTRL | Qt::Key_S));
}

} // namespace

void PreparerApercu(QPrintPreviewDialog& Apercu, QWidget* Parent, const std::function<void()>& Enregistrer) {
    if (QToolBar* barre = Apercu.findChild<QToolBar*>()) {
        QAction* action = barre->addAction(Apercu.style()->standardIcon(QStyle::SP_DialogSaveButton),
                                           QStringLiteral("Enregistrer en PDF"));
        action->setObjectName(QStringLiteral("ActionEnregistrerPdf"));
        QObject::connect(action, &QAction::triggered, &Apercu, Enregistrer);
        RaccourcisApercu(*barre, action);
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
