#include "support/PlateformeScriptee.h"

PlateformeScriptee::PlateformeScriptee() {
    InstallerMessages(this);
    InstallerFinApplication(this);
    InstallerSons(this);
}

PlateformeScriptee::~PlateformeScriptee() {
    InstallerMessages(nullptr);
    InstallerFinApplication(nullptr);
    InstallerSons(nullptr);
}

void PlateformeScriptee::Erreur(const QString& texte) {
    Evenements << QStringLiteral("Erreur: ") + texte;
    if (PendantMessage)
        PendantMessage(texte);
}

void PlateformeScriptee::Information(const QString& texte) {
    Evenements << QStringLiteral("Information: ") + texte;
    if (PendantMessage)
        PendantMessage(texte);
}

bool PlateformeScriptee::Confirmation(const QString& texte) {
    Evenements << QStringLiteral("Confirmation: ") + texte;
    if (PendantMessage)
        PendantMessage(texte);
    return Reponses.isEmpty() ? false : Reponses.takeFirst();
}

void PlateformeScriptee::Terminer() {
    Evenements << QStringLiteral("Fin");
    Terminee = true;
    CodeSortie = 0;
}

void PlateformeScriptee::TerminerEnEchec() {
    Evenements << QStringLiteral("Fin");
    Terminee = true;
    CodeSortie = CodeEchec;
}

void PlateformeScriptee::Redemarrer() {
    Evenements << QStringLiteral("Redémarrage");
    Terminee = true;
    CodeSortie = 0;
}

void PlateformeScriptee::Jouer(const QString& chemin) {
    Evenements << QStringLiteral("Son: ") + chemin;
}

QStringList PlateformeScriptee::Messages() const {
    QStringList textes;
    for (const QString& e : Evenements) {
        for (const auto* prefixe : {"Erreur: ", "Information: ", "Confirmation: "})
            if (e.startsWith(QLatin1String(prefixe)))
                textes << e.mid(static_cast<qsizetype>(qstrlen(prefixe)));
    }
    return textes;
}

void PlateformeScriptee::Vider() {
    Evenements.clear();
    Terminee = false;
    CodeSortie = -1;
}
