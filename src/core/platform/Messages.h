#pragma once

#include <QString>

// Every message the system shows goes through this one interface: an error box with OK, an information box
// with OK, a confirmation with Oui and Non. Each call is modal: it returns once the user has answered.
// "\r\n" inside a text is a line break.
class IMessages {
public:
    virtual ~IMessages() = default;
    virtual void Erreur(const QString& texte) = 0;
    virtual void Information(const QString& texte) = 0;
    // true for "Oui", false for "Non".
    virtual bool Confirmation(const QString& texte) = 0;
};

// The implementation in use; the program installs the Qt one, tests a scripted one.
IMessages& Messages();
// Installs an implementation (not owned); nullptr goes back to the default, which writes to the log.
void InstallerMessages(IMessages* messages);
