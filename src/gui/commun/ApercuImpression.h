#pragma once

#include "base/KORVENTypesU.h"

#include <QString>

#include <exception>
#include <functional>

class QPrintPreviewDialog;
class QWidget;

// What the two reports' print previews share.

// Shows an error of a preview's action in the standard error box.
void ErreurApercu(const QString& Texte);

// Runs an action of a preview: nothing leaves it (a slot must not let an exception cross the event loop), an
// error is shown in the error box.
template <typename F> void SansException(F&& Action) {
    try {
        Action();
    } catch (const EKorven& e) {
        ErreurApercu(e.Message());
    } catch (const std::exception& e) {
        ErreurApercu(QString::fromLocal8Bit(e.what()));
    }
}

// Gives a preview its "Enregistrer en PDF" action, which calls Enregistrer, keyboard shortcuts for its main
// actions (Ctrl+P print, Ctrl+S save as PDF, Ctrl+PgUp and Ctrl+PgDown the previous and next page, Ctrl+Home
// and Ctrl+End the first and last, Ctrl++ and Ctrl+- zoom), said in their tool tips, and makes it maximised
// (as large as the screen where no window manager maximises it).
void PreparerApercu(QPrintPreviewDialog& Apercu, QWidget* Parent, const std::function<void()>& Enregistrer);

// A file name without suffix gets ".pdf".
QString AvecSuffixePdf(const QString& Chemin);

// The print date: now, in the workstation's short format.
QString DateImpression();
