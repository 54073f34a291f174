#pragma once

#include "gui/wizard/PageAssistant.h"

#include <functional>

class QCheckBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class TChangementAnnee;
class TExecutionTransition;
struct TBilanTransition;
struct TRapportTransition;

// The last page: "&Terminer" runs the year's change; the page shows which step runs and how far it has gone.
// "Vérifier" runs it without keeping anything and shows, table by table, what the change would carry. Both
// run on a thread of their own: the window stays painted and answers meanwhile, but nothing of the wizard
// can be pressed, nor can it be closed, until the run ends.
class TPageFin : public TPageAssistant {
    Q_OBJECT
public:
    TPageFin(TChangementAnnee& changement, QWidget* parent = nullptr);
    ~TPageFin() override;

    QLabel* LabelProgression;
    QProgressBar* ProgressBarTransition;
    QPushButton* ButtonVerifier;
    // What would stop the change, or the summary of what it would do.
    QLabel* LabelVerification;
    // Per table: rows of the closing year, of the new year, not carried (with the first of them); the
    // students per new class and those left without one.
    QTreeWidget* ArbreVerification;
    // Ticked (the default): each step's message comes in a box to confirm, as ever. Unticked: the same texts
    // go to the list under the progress (and to the report), so that the whole change is one press; errors
    // still come in boxes.
    QCheckBox* CheckBoxConfirmerEtapes;
    QListWidget* ListeEtapes;

    int nextId() const override;

    // Runs the change ("&Terminer"). On failure the page says so and the wizard's buttons come back for
    // another try; once the change is made, or found made already, the program restarts.
    void LancerChangement();
    // A run (the change or its preview) is under way.
    bool ExecutionEnCours() const;
    // The new year's database the last run pointed at.
    const QString& NouvelleBD() const { return nouvelleBD_; }
    // Shows the report of a committed change: in a modal print preview, from which it is printed or saved as
    // a PDF file. Replaceable.
    std::function<void(const TRapportTransition& rapport)> MontrerRapportTransition;

public slots:
    // "Vérifier": the change run without keeping anything; its figures shown on the page.
    void ButtonVerifierClick();

private:
    void CreerControles();
    void CreerVerification();
    void Disposer();
    // The wizard's buttons and "Vérifier" during a run.
    void Bloquer(bool bloque);
    void AfficherVerification(const TBilanTransition& bilan);
    void AfficherTableVerification(const TBilanTransition& bilan, int& nonReportees);
    int AfficherElevesVerification(const TBilanTransition& bilan);
    // The progress bar at that step, and the text under it (with the line saying why the change runs again,
    // when it does).
    void MontrerProgression(int numero, const QString& texte);

    TChangementAnnee& changement_;
    TExecutionTransition* execution_;
    QString ligneEssai_;
    QString nouvelleBD_;
};
