#pragma once

#include "base/KORVENTypesU.h"
#include "core/platform/Messages.h"

#include <exception>

// Runs an event handler of a window: an error it raises is shown in the standard error box, with its own
// text, and goes no further (nothing crosses the event loop). Returns whether the handler ran to its end.
template <class F> bool Garder(F&& gestionnaire) {
    try {
        gestionnaire();
        return true;
    } catch (const EKorven& e) {
        Messages().Erreur(e.Message());
    } catch (const std::exception& e) {
        Messages().Erreur(QString::fromUtf8(e.what()));
    }
    return false;
}
