#include "gui/journal/JournalU.h"

#include "core/journal/EcritureJournal.h"

TJournal* Journal = nullptr;

TJournal::TJournal(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Journal"));
    setWindowTitle(QStringLiteral("Journal des opérations"));
    Ecriture = new TEcritureJournal(this);
    SQLQueryJournalInsert = Ecriture->SQLQueryJournalInsert;
    Journal = this;
}

TJournal::~TJournal() {
    if (Journal == this)
        Journal = nullptr;
}

void TJournal::UpdateJournal(const QString& Login, const QString& LibelleOperation, const QString& Operation,
                             const QString& Domaine) {
    Ecriture->UpdateJournal(Login, LibelleOperation, Operation, Domaine);
}
