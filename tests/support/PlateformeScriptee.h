#pragma once

#include "core/platform/FinApplication.h"
#include "core/platform/Messages.h"
#include "core/platform/Sons.h"

#include <QList>
#include <QStringList>
#include <functional>

// Stands in for the message boxes, the sounds and the end of the application while a test runs: every event
// is recorded, in order, in Evenements ("Erreur: ...", "Information: ...", "Confirmation: ...", "Son: ...",
// "Fin", "Redémarrage"); confirmations are answered from Reponses (Non when it is empty). Both ends record
// "Fin"; CodeSortie tells them apart. Installed for its lifetime.
class PlateformeScriptee : public IMessages, public IFinApplication, public ISons {
public:
    PlateformeScriptee();
    ~PlateformeScriptee() override;

    void Erreur(const QString& texte) override;
    void Information(const QString& texte) override;
    bool Confirmation(const QString& texte) override;
    void Terminer() override;
    void TerminerEnEchec() override;
    void Redemarrer() override;
    void Jouer(const QString& chemin) override;

    QStringList Evenements;
    QList<bool> Reponses;
    bool Terminee = false;
    // The exit status the process would end with: 0 after Terminer or Redemarrer, CodeEchec after
    // TerminerEnEchec; -1 while it has not ended.
    int CodeSortie = -1;
    // Called with each message text while its box "waits", before the call returns.
    std::function<void(const QString&)> PendantMessage;

    // Only the message texts, in order.
    QStringList Messages() const;
    void Vider();
};
