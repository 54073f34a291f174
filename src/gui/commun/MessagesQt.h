#pragma once

#include "core/platform/Messages.h"

// Modal QMessageBox with the error or information icon and French buttons.
class MessagesQt : public IMessages {
public:
    void Erreur(const QString& texte) override;
    void Information(const QString& texte) override;
    bool Confirmation(const QString& texte) override;
};
