#pragma once

#include "core/session/Demarrage.h"
#include "core/transition/BilanTransition.h"
#include "core/transition/RetourAnnee.h"
#include "core/transition/TransitionAnnee.h"

#include <QObject>
#include <QString>
#include <functional>

class QThread;
struct TRapportTransition;

// A year change, its undo, or the preview of either, run on a thread of its own with a data module of its own
// (its connections as the start-up found them), so that the window that asked for it stays painted and
// answers while the server works. Nothing of the change's rules differs from a run on the window's thread.
// Its boxes are shown by the main thread, in order, the run waiting for each answer (core/platform); its
// progress, its retry lines and its report reach the thread that made this object: progress and lines as they
// come, the report before the closing box (the run waits until it has been shown). One run at a time.
class TExecutionTransition : public QObject {
    Q_OBJECT
public:
    explicit TExecutionTransition(QObject* parent = nullptr);
    // Waits for a run under way to end.
    ~TExecutionTransition() override;

    std::function<void(int premier, int dernier, const QString& libelle, int restantes)> Progression;
    std::function<void(const QString& texte)> NouvelEssai;
    // When set, the steps' messages come here, as they come, instead of in boxes (the change only).
    std::function<void(const QString& texte)> InformationEtape;
    std::function<void(const TRapportTransition& rapport)> ApresValidation;
    // When a change ends, with its outcome and the new year's database it pointed at.
    std::function<void(TIssueTransition issue, const QString& nouvelleBD)> ChangementTermine;
    // When a preview ends, with its figures (or what stops the change).
    std::function<void(const TBilanTransition& bilan)> VerificationTerminee;
    // When an undo ends, with its outcome; when its preview ends, with what it would remove (or what stops
    // it).
    std::function<void(TIssueTransition issue)> RetourTermine;
    std::function<void(const TBilanRetour& bilan)> VerificationRetourTerminee;

    bool EnCours() const { return fil_ != nullptr; }
    // Start the change or its preview with these values, on connections made from connexions. What the values
    // point to (the students, the placement) must stay as it is until the run ends. false, and nothing
    // started, when a run is under way.
    bool Executer(const TParametresTransition& parametres, const TDemarrage& connexions);
    bool Verifier(const TParametresTransition& parametres, const TDemarrage& connexions);
    // The same for taking the last change back.
    bool ExecuterRetour(const TParametresRetour& parametres, const TDemarrage& connexions);
    bool VerifierRetour(const TParametresRetour& parametres, const TDemarrage& connexions);

private:
    // travail runs on the new thread, once its data module holds the connections; fin on this object's
    // thread when it has ended.
    bool Lancer(const TDemarrage& connexions, std::function<void()> travail, std::function<void()> fin);
    // The change's or the undo's progress and retry lines, forwarded to this object's thread.
    template <class Execution> void Relayer(Execution& execution);
    void RelayerTransition(TTransitionAnnee& transition, bool listerEtapes);
    QThread* fil_ = nullptr;
    TIssueTransition issue_ = TIssueTransition::Echouee;
    QString nouvelleBD_;
    TBilanTransition bilan_;
    TBilanRetour bilanRetour_;
};
