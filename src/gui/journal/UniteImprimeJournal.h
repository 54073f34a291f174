#pragma once

#include "core/journal/RapportJournal.h"

#include <QWidget>

class QPrintPreviewDialog;
class QPrinter;

// The journal report: what it prints (header, title, period, rows) and its print preview, from which it is
// printed or saved as a PDF file. The one made at start-up stays empty; the journal window makes one for
// every "&Imprimer" and keeps it.
class TImprimeJournal : public QWidget {
    Q_OBJECT
public:
    explicit TImprimeJournal(QWidget* parent = nullptr);
    ~TImprimeJournal() override;

    TRapportJournal Rapport;

    // Shows the report in a modal print preview, maximised; returns when the user closes it.
    void Previsualiser();
    // Draws the report on a printer (the preview's pages, a printout); the print date is the time of
    // drawing. Returns the number of pages. Raises EKorven when the printer cannot be drawn on.
    int Imprimer(QPrinter& Imprimante);
    // Writes the report into a PDF file. Raises EKorven when the file cannot be written.
    int EnregistrerPdf(const QString& Chemin);

    // The preview while it is shown (for the tests and the save action), nullptr otherwise.
    QPrintPreviewDialog* Apercu() const { return apercu_; }

private:
    void EnregistrerSous();

    QPrintPreviewDialog* apercu_ = nullptr;
};
