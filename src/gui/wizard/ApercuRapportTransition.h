#pragma once

#include "core/transition/RapportTransition.h"

#include <QString>
#include <functional>

class QPrintPreviewDialog;
class QPrinter;
class QWidget;

// The report of a year's change in its print preview, from which it is printed or saved as a PDF file.
class TApercuRapportTransition {
public:
    explicit TApercuRapportTransition(TRapportTransition Rapport = {});

    TRapportTransition Rapport;

    // Shows the report in a modal print preview over parent, maximised; returns when the user closes it.
    // Nothing is raised: an error of drawing or saving is shown in the error box.
    void Previsualiser(QWidget* parent);
    // Draws the report on a printer (the preview's pages, a printout); the print date is the time of drawing.
    // Returns the number of pages. Raises EKorven when the printer cannot be drawn on.
    int Imprimer(QPrinter& Imprimante);
    // Writes the report into a PDF file. Raises EKorven when the file cannot be written.
    int EnregistrerPdf(const QString& Chemin);

    // The preview's save action: asks for a file (proposing NomFichierRapportTransition), adds ".pdf" to a
    // name without suffix and writes the file; an error is shown in the error box.
    void EnregistrerSous(QWidget* parent);
    // How the save action asks for the file: a file dialog by default. It returns the chosen path, or the
    // empty text when the user gives up.
    std::function<QString(QWidget* parent, const QString& proposition)> ChoisirFichier;

    // The preview while it is shown, nullptr otherwise.
    QPrintPreviewDialog* Apercu() const { return apercu_; }

private:
    QPrintPreviewDialog* apercu_ = nullptr;
};

// The file name the save action proposes: "rapport-2026-2027.pdf" for the new year "2026/2027".
QString NomFichierRapportTransition(const QString& NouvelleAnnee);
