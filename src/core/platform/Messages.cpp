#include "core/platform/Messages.h"

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

} // namespace

IMessages& Messages() {
    return courant ? *courant : parDefaut;
}

void InstallerMessages(IMessages* messages) {
    courant = messages;
}
