#pragma once

#include <QString>
#include <QWizard>

class TChangementAnnee;
class TJournal;
class TPageAccueil;
class TPageElements;
class TPageEleves;
class TPageFin;
class TPageListe;

// The year-transition wizard, made on a signed-in change and shown modally. It keeps its pages, its buttons
// and "&Terminer"; every page keeps the change and owns its handlers and its flow (initializePage,
// validatePage, nextId). Its pages, in wizard order, are the ids below; the six list pages are never shown,
// the students page follows the "Elèves" box.
class TFAssistantNouvelleAnnee : public QWizard {
    Q_OBJECT
public:
    enum Etape {
        Etape0Accueil,
        Etape1ElementAImporter,
        Etape2Niveau,
        Etape3Classes,
        Etape4Matiere,
        Etape5Departements,
        Etape6Enseignants,
        Etape7FraisExigibles,
        Etape8Eleves,
        Etape8Fin
    };

    // journal: the window the welcome page opens (none: its button does nothing).
    TFAssistantNouvelleAnnee(TChangementAnnee& changement, TJournal* journal = nullptr,
                             QWidget* parent = nullptr);
    ~TFAssistantNouvelleAnnee() override;

    // Fills the pages from the change, as an accepted sign-in leaves them (the students page's lists, the
    // caption). Raises EKorven on a database error.
    void Remplir();

    TPageAccueil* PageAccueil() const;
    TPageElements* PageElements() const;
    TPageListe* PageListe(Etape id) const;
    TPageEleves* PageEleves() const;
    TPageFin* PageFin() const;

public slots:
    // "&Terminer": runs the year transition. On failure the wizard stays open for another try.
    void JvWizardNouvelleAnneeFinishButtonClick();

protected:
    // The finish button runs the transition instead of closing the window: a completed transition ends the
    // application itself.
    void accept() override;
    // "Annuler" (and Esc) ends the application; nothing is written. Refused while a run is under way.
    void reject() override;
    // The close box: the application ends as with "Annuler"; refused while a run is under way.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void AjouterPagesListes();
    void MontrerBoutons(int id);
};
