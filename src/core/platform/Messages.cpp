#include "core/platform/Messages.h"

#include "core/platform/FilPrincipal.h"

#include <QDebug>

namespace {

// Used until a real implementation is installed: nothing is lost, nothing waits.
class MessagesJournalises : public IMessages {
public:
    void Erreur(const QString& texte) override { qWarning().noquote() << "Erreur:" << texte; }
    void Information(const QString& texte) override { qInfo().noquote() << "Information:" << texte; }
    bool Confirmation(const QString& texte) override {
        qInfo().noquote() << "Confirmation (Non):" << texte;
        return false;
    }
};

MessagesJournalises parDefaut;
IMessages* courant = nullptr;

IMessages& Cible() {
    return courant ? *courant : parDefaut;
}

// Every box is shown by the main thread, where the windows live; a thread that works for the user (a year
// change) waits there until the user has answered, as the window's own handlers do.
class MessagesDuFilPrincipal : public IMessages {
public:
    void Erreur(const QString& texte) override {
        SurFilPrincipal([&texte] { Cible().Erreur(texte); });
    }
    void Information(const QString& texte) override {
        SurFilPrincipal([&texte] { Cible().Information(texte); });
    }
    bool Confirmation(const QString& texte) override {
        bool oui = false;
        SurFilPrincipal([&] { oui = Cible().Confirmation(texte); });
        return oui;
    }
};

MessagesDuFilPrincipal messages;

} // namespace

IMessages& Messages() {
    return messages;
}

void InstallerMessages(IMessages* messages) {
    courant = messages;
}
