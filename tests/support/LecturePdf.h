#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Reading back the PDF files the reports write, with poppler's tools (pdftotext, pdfinfo, pdfimages,
// pdftoppm, installed by scripts/install-deps). A tool that is missing or fails fails the running test.
namespace LecturePdf {

// One word with its box, in points from the page's top left corner.
struct TMot {
    int Page;
    double Gauche, Haut, Droite, Bas;
    QString Texte;
};

// Runs a tool of poppler; its standard output.
QByteArray Lancer(const char* Outil, const QStringList& Arguments);
// The text of one page (0: every page), blanks collapsed.
QString Texte(const QString& Pdf, int Page = 0);
// The lines of one page (0: every page) as the page shows them, each with its blanks collapsed; empty lines
// left out.
QStringList Lignes(const QString& Pdf, int Page = 0);
int Pages(const QString& Pdf);
// The pictures the file holds.
int Images(const QString& Pdf);
// Every word with its box.
QList<TMot> Mots(const QString& Pdf);
QList<TMot> MotsNommes(const QList<TMot>& Mots, const QString& Texte);
// Millimetres from the page's edge, in points.
inline double Points(double Mm) {
    return Mm / 25.4 * 72.0;
}

} // namespace LecturePdf
