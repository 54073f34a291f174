#pragma once

#include "core/document/PageDocument.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QTextLayout;

// A printed document laid out from the top of its pages down: what goes on a page is placed under what came
// before, and a page ends (with its footer) when the next thing does not fit. Positions are in millimetres
// from the top left corner of the printable area; the flow keeps its place in the device's units, as the
// text it lays out is measured in them.
//
// A document whose footer names the number of pages is laid out twice: once without drawing, to count them,
// then for real. Nothing is drawn while Dessine() is false; everything else happens the same way.
class TFluxDocument {
public:
    // basCorps: where the body of every page ends, above its footer (mm). pied draws the footer of page
    // numero (from 1) at the end of each page.
    TFluxDocument(QPainter& peintre, QPagedPaintDevice& support, TPageDocument& page, double basCorps,
                  bool dessine, std::function<void(int numero)> pied);

    QPainter& Peintre() { return peintre_; }
    QPagedPaintDevice& Support() { return support_; }
    TPageDocument& Page() { return page_; }
    bool Dessine() const { return dessine_; }
    int NumeroPage() const { return numero_; }

    // The place of the next thing, in the device's units, and how much room is left under it on this page.
    double Y() const { return y_; }
    double Place() const { return bas_ - y_; }
    // Whether nothing has been placed on this page yet.
    bool PageVide() const { return y_ <= haut_ + 0.01; }
    void Avancer(double unites) { y_ += unites; }
    // Puts the place at that height of the page (mm): a page's fixed parts come first.
    void AllerA(double mm);

    // A new page when what follows, hauteur high (device units), does not fit on this one.
    void Reserver(double hauteur);
    // The footer of this page, and a new one.
    void NouvellePage();
    // The footer of the last page. Returns the number of pages.
    int Terminer();

    // A paragraph over the given width (mm from the printable area's left edge), wrapped at word boundaries:
    // its height (device units), and the paragraph drawn at the place, which moves under it.
    double HauteurTexte(const QString& texte, const QFont& police, double largeur);
    void Texte(const QString& texte, const QFont& police, double gauche, double largeur,
               Qt::Alignment alignement = Qt::AlignLeft);

private:
    QPainter& peintre_;
    QPagedPaintDevice& support_;
    TPageDocument& page_;
    bool dessine_;
    std::function<void(int)> pied_;
    double bas_ = 0;  // device units
    double haut_ = 0; // where this page's body began
    double y_ = 0;
    int numero_ = 1;
};

// A column of a ruled table: its place and width on the page (mm, frame included), how its text aligns, its
// heading.
struct TColonneTableau {
    double Gauche;
    double Largeur;
    Qt::Alignment Alignement = Qt::AlignLeft;
    QString Titre{};
};

// A cell of a row: its text, how many columns it spans, and a face and alignment of its own when given.
struct TCelluleTableau {
    QString Texte;
    int Colonnes = 1;
    std::optional<QFont> Police{};
    std::optional<Qt::Alignment> Alignement{};
    double RetraitGauche = 0; // mm, beside the cell's usual space
};

// How a table looks: faces of the headings and of the rows, the space between a cell's frame and its text
// (mm), the rules' thickness (mm; 0: no rules), the headings' background (none when invalid), whether the
// headings start every page the table runs on, and whether a row that does not fit in the rest of a page is
// cut after its last line that fits there rather than moved whole to the next page.
struct TStyleTableau {
    QFont PoliceTitres;
    QFont PoliceLignes;
    double RetraitHorizontal = 0.8;
    double RetraitVertical = 0.4;
    double Trait = 0.2;
    QColor FondTitres{};
    bool TitresSurChaquePage = false;
    bool CouperLesLignes = false;
};

// A ruled table in a flow: a row of headings, then rows whose every cell is as high as the tallest (a text
// wraps at word boundaries, or anywhere in a word longer than its cell). A row that does not fit starts on
// the next page (after the headings again when they repeat), unless the style cuts rows; a row taller than a
// whole page is cut after the last line that fits and goes on at the top of the next, so that every line is
// printed once.
class TTableauDocument {
public:
    TTableauDocument(TFluxDocument& flux, QList<TColonneTableau> colonnes, TStyleTableau style);
    ~TTableauDocument();

    // The headings, at the flow's place, hauteur high (mm; 0: as high as their text). They are drawn again at
    // the top of the pages that follow when the style says so.
    void Titres(double hauteur = 0);
    void Ligne(const QList<TCelluleTableau>& cellules);
    // The height a row takes (device units), to keep what precedes it on the page where it starts.
    double Hauteur(const QList<TCelluleTableau>& cellules);
    double HauteurTitres();

private:
    struct TCellule;
    std::vector<TCellule> Disposer(const QList<TCelluleTableau>& cellules, double& hauteur);
    void Tranche(const std::vector<TCellule>& cellules, double depuis, double hauteur);
    void TitresIci(double hauteur);
    // The next page, its headings first when they repeat.
    void NouvellePage();

    TFluxDocument& flux_;
    QList<TColonneTableau> colonnes_;
    TStyleTableau style_;
    double hauteurTitres_ = 0; // mm as asked (0: as high as their text)
    bool titres_ = false;
    double debutLignes_ = -1; // right under the headings on the page they were last drawn (device units)
};
