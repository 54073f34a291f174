#pragma once

#include "core/document/EnteteDocument.h"

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;
class QPagedPaintDevice;

// What the printed documents share: their faces, the school's bilingual header with the logo, the title under
// it and the footer of every page. Every document is an A4 landscape page with margins of 10 mm; positions
// are in millimetres from the top left corner of the printable area, font sizes in points.

// The faces of the documents. The faces of the design (Times New Roman, Arial, Palatino Linotype) are rarely
// installed outside Windows: each is followed by faces of the same shape and metrics.
enum class TFaceDocument { Serif, SansSerif, Palatino };
const QStringList& FacesDocument(TFaceDocument Face);
QFont PoliceDocument(TFaceDocument Face, double Points, bool Gras = false, bool Souligne = false);

// The page of every document: A4 landscape, margins of 10 mm on every side.
void PreparerPageDocument(QPagedPaintDevice& Support);

// Width of the printable area of the page (A4 landscape less its margins).
inline constexpr double LargeurUtileDocument = 277.0;
// Top of the title, under the header.
inline constexpr double HautTitreDocument = 29.1;
// Height of the footer, at the bottom of the printable area.
inline constexpr double HauteurPiedDocument = 4.2;

// Draws on a painter that is active on a paged device, in the device's units.
class TPageDocument {
public:
    TPageDocument(QPainter& Peintre, const QPagedPaintDevice& Support);

    double X(double Mm) const { return Mm * kx_; }
    double Y(double Mm) const { return Mm * ky_; }
    QRectF Rect(double Gauche, double Haut, double Largeur, double Hauteur) const {
        return QRectF(X(Gauche), Y(Haut), X(Largeur), Y(Hauteur));
    }
    // Height of the printable area, in millimetres.
    double HauteurPage() const { return hauteurPage_; }

    // A text in its box, never clipped by it.
    void Texte(const QRectF& Cadre, const QFont& Police, int Alignement, const QString& Texte);

    // The school's header: seven French lines on the left, seven English lines on the right, the logo
    // between them when it is shown and has a picture.
    void Entete(const TEnteteDocument& Entete);
    // A title line under the header, centred on the page's width: Palatino 14, bold, underlined.
    void Titre(double Haut, const QString& Texte);
    // The footer of a page: a rule, the fixed line, "Imprimé le " and the print date, the page's number at
    // the right.
    void Pied(const QString& LignePied, const QString& DateImpression, const QString& Numero);

private:
    QPainter& peintre_;
    double kx_ = 1, ky_ = 1;
    double hauteurPage_ = 0;
};
