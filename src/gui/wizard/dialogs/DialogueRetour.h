#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class TChangementAnnee;
class TExecutionTransition;
struct TBilanRetour;

// Taking the last change of year back: what the undo will remove (rows per table of the year it opened, the
// master table's two rows as they will be) or why it cannot, "&Vérifier" for its preview, "&Revenir à
// l'année ..." to run it. Both run on a thread of their own with the same progress as the change; meanwhile
// nothing can be pressed and the window cannot be closed. A committed undo ends with its closing box and the
// program restarts; a refused one says why and leaves everything as it was.
class TDialogueRetour : public QDialog {
    Q_OBJECT
public:
    // Examines the undo again (the page's figures may be old) on the calling thread's data module.
    TDialogueRetour(TChangementAnnee& changement, QWidget* parent = nullptr);
    ~TDialogueRetour() override;

    QLabel* LabelResume;
    QTreeWidget* ArbreRetour;
    QLabel* LabelProgression;
    QProgressBar* ProgressBarRetour;
    QPushButton* ButtonVerifier;
    QPushButton* ButtonRevenir;
    QPushButton* ButtonAnnuler;

    bool ExecutionEnCours() const;

public slots:
    void ButtonVerifierClick();
    void ButtonRevenirClick();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreerControles();
    void Disposer();
    void Afficher(const TBilanRetour& bilan);
    void AfficherTables(const TBilanRetour& bilan);
    void Bloquer(bool bloque);
    void MontrerProgression(int numero, const QString& texte);

    TChangementAnnee& changement_;
    TExecutionTransition* execution_;
    QString ligneEssai_;
    int etapes_ = 0;
};
