#include "gui/journal/UniteImprimeJournal.h"

TImprimeJournal* ImprimeJournal = nullptr;

TImprimeJournal::TImprimeJournal(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ImprimeJournal"));
    setWindowTitle(QStringLiteral("Journal des opérations"));
    ImprimeJournal = this;
}

TImprimeJournal::~TImprimeJournal() {
    if (ImprimeJournal == this)
        ImprimeJournal = nullptr;
}
