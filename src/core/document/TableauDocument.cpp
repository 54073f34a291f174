#include "core/document/TableauDocument.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

TFluxDocument::TFluxDocument(QPainter& peintre, QPagedPaintDevice& support, TPageDocument& page,
                             double basCorps, bool dessine, std::function<void(int)> pied)
    : peintre_(peintre), support_(support), page_(page), dessine_(dessine), pied_(std::move(pied)) {
    bas_ = page_.Y(basCorps);
}

void TFluxDocument::AllerA(double mm) {
    y_ = page_.Y(mm);
    haut_ = y_;
}

void TFluxDocument::Reserver(double hauteur) {
    if (hauteur > Place() + 0.01 && !PageVide())
        NouvellePage();
}

void TFluxDocument::NouvellePage() {
    if (dessine_) {
        if (pied_)
            pied_(numero_);
        support_.newPage();
    }
    ++numero_;
    haut_ = 0;
    y_ = 0;
}

int TFluxDocument::Terminer() {
    if (dessine_ && pied_)
        pied_(numero_);
    return numero_;
}

namespace {

// A text on printed lines: its own line breaks kept as breaks inside the paragraph.
QString SansFinsDeLigne(QString texte) {
    texte.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    texte.replace(QLatin1Char('\n'), QChar::LineSeparator);
    texte.replace(QLatin1Char('\r'), QChar::LineSeparator);
    return texte;
}

// Lays the text out over the width; its height, one line at least.
double Disposer(QTextLayout& mise, double largeur, Qt::Alignment alignement) {
    QTextOption option(alignement);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    mise.setTextOption(option);
    mise.beginLayout();
    double y = 0;
    for (QTextLine ligne = mise.createLine(); ligne.isValid(); ligne = mise.createLine()) {
        ligne.setLineWidth(largeur);
        ligne.setPosition(QPointF(0, y));
        y += ligne.height();
    }
    mise.endLayout();
    return y;
}

} // namespace

double TFluxDocument::HauteurTexte(const QString& texte, const QFont& police, double largeur) {
    QTextLayout mise(SansFinsDeLigne(texte), police, &support_);
    return ::Disposer(mise, page_.X(largeur), Qt::AlignLeft);
}

void TFluxDocument::Texte(const QString& texte, const QFont& police, double gauche, double largeur,
                          Qt::Alignment alignement) {
    QTextLayout mise(SansFinsDeLigne(texte), police, &support_);
    const double hauteur = ::Disposer(mise, page_.X(largeur), alignement);
    if (dessine_)
        mise.draw(&peintre_, QPointF(page_.X(gauche), y_));
    y_ += hauteur;
}

// One cell of a row, laid out for its width.
struct TTableauDocument::TCellule {
    std::unique_ptr<QTextLayout> Mise;
    double Gauche = 0;  // device units
    double Largeur = 0; // device units, frame included
    double Texte = 0;   // where its text begins, from Gauche
};

TTableauDocument::TTableauDocument(TFluxDocument& flux, QList<TColonneTableau> colonnes, TStyleTableau style)
    : flux_(flux), colonnes_(std::move(colonnes)), style_(std::move(style)) {}

TTableauDocument::~TTableauDocument() = default;

std::vector<TTableauDocument::TCellule> TTableauDocument::Disposer(const QList<TCelluleTableau>& cellules,
                                                                   double& hauteur) {
    TPageDocument& page = flux_.Page();
    std::vector<TCellule> resultat;
    hauteur = 0;
    qsizetype colonne = 0;
    for (const TCelluleTableau& c : cellules) {
        if (colonne >= colonnes_.size())
            break;
        const TColonneTableau& premiere = colonnes_.at(colonne);
        colonne = std::min(colonne + std::max(c.Colonnes, 1), colonnes_.size());
        const TColonneTableau& derniere = colonnes_.at(colonne - 1);
        TCellule cellule;
        cellule.Gauche = page.X(premiere.Gauche);
        cellule.Largeur = page.X(derniere.Gauche + derniere.Largeur - premiere.Gauche);
        cellule.Texte = page.X(style_.RetraitHorizontal + c.RetraitGauche);
        cellule.Mise = std::make_unique<QTextLayout>(
            SansFinsDeLigne(c.Texte), c.Police.value_or(style_.PoliceLignes), &flux_.Support());
        const double largeur = cellule.Largeur - cellule.Texte - page.X(style_.RetraitHorizontal);
        hauteur = std::max(hauteur, ::Disposer(*cellule.Mise, std::max(1.0, largeur),
                                               c.Alignement.value_or(premiere.Alignement)));
        resultat.push_back(std::move(cellule));
    }
    hauteur += 2 * page.Y(style_.RetraitVertical);
    return resultat;
}

double TTableauDocument::Hauteur(const QList<TCelluleTableau>& cellules) {
    double hauteur = 0;
    Disposer(cellules, hauteur);
    return hauteur;
}

double TTableauDocument::HauteurTitres() {
    if (hauteurTitres_ > 0)
        return flux_.Page().Y(hauteurTitres_);
    QList<TCelluleTableau> titres;
    for (const TColonneTableau& c : colonnes_)
        titres.append({c.Titre, 1, style_.PoliceTitres, Qt::AlignHCenter});
    return Hauteur(titres);
}

void TTableauDocument::Titres(double hauteur) {
    hauteurTitres_ = hauteur;
    titres_ = true;
    TitresIci(HauteurTitres());
}

void TTableauDocument::TitresIci(double hauteur) {
    if (flux_.Dessine()) {
        TPageDocument& page = flux_.Page();
        QPainter& peintre = flux_.Peintre();
        peintre.save();
        peintre.setPen(style_.Trait > 0 ? QPen(Qt::black, page.Y(style_.Trait)) : QPen(Qt::NoPen));
        peintre.setBrush(style_.FondTitres.isValid() ? QBrush(style_.FondTitres) : QBrush(Qt::NoBrush));
        for (const TColonneTableau& c : colonnes_) {
            const QRectF cadre(page.X(c.Gauche), flux_.Y(), page.X(c.Largeur), hauteur);
            if (style_.Trait > 0 || style_.FondTitres.isValid())
                peintre.drawRect(cadre);
            page.Texte(cadre, style_.PoliceTitres, Qt::AlignCenter, c.Titre);
        }
        peintre.restore();
    }
    flux_.Avancer(hauteur);
    debutLignes_ = flux_.Y();
}

void TTableauDocument::Ligne(const QList<TCelluleTableau>& cellules) {
    double hauteur = 0;
    const std::vector<TCellule> cellulesDisposees = Disposer(cellules, hauteur);
    const double retrait = flux_.Page().Y(style_.RetraitVertical);
    double fait = 0;
    for (;;) {
        const double reste = hauteur - fait;
        const double place = flux_.Place();
        if (reste <= place + 0.01) {
            Tranche(cellulesDisposees, fait, reste);
            flux_.Avancer(reste);
            return;
        }
        // At the top of a page's body, or right under the headings: there is no better page to start on.
        const bool enHaut = flux_.PageVide() || std::abs(flux_.Y() - debutLignes_) < 0.01;
        if (!enHaut && !style_.CouperLesLignes) {
            // Not on this page: the row starts on the next.
            NouvellePage();
            continue;
        }
        // Cut after the last line that fits, go on with the rest on the next page.
        double coupe = fait;
        for (const TCellule& c : cellulesDisposees)
            for (int i = 0; i < c.Mise->lineCount(); ++i) {
                const double bas = retrait + c.Mise->lineAt(i).rect().bottom();
                if (bas > fait && bas <= fait + place)
                    coupe = std::max(coupe, bas);
            }
        if (coupe <= fait) {
            if (!enHaut) {
                // Not even a line fits here.
                NouvellePage();
                continue;
            }
            coupe = fait + place;
        }
        Tranche(cellulesDisposees, fait, coupe - fait);
        fait = coupe;
        NouvellePage();
    }
}

void TTableauDocument::NouvellePage() {
    flux_.NouvellePage();
    if (titres_ && style_.TitresSurChaquePage)
        TitresIci(HauteurTitres());
}

// Draws the part of a row from depuis to depuis + hauteur (device units, from the row's top) at the flow's
// place: the frames of its cells, and the lines of text that begin in that part (so that a line is printed
// once, on the page where it fits).
void TTableauDocument::Tranche(const std::vector<TCellule>& cellules, double depuis, double hauteur) {
    if (!flux_.Dessine())
        return;
    TPageDocument& page = flux_.Page();
    QPainter& peintre = flux_.Peintre();
    peintre.save();
    peintre.setPen(QPen(Qt::black, page.Y(style_.Trait)));
    const double retraitV = page.Y(style_.RetraitVertical);
    const double y = flux_.Y();
    for (const TCellule& c : cellules) {
        if (style_.Trait > 0)
            peintre.drawRect(QRectF(c.Gauche, y, c.Largeur, hauteur));
        const QPointF origine(c.Gauche + c.Texte, y - depuis + retraitV);
        for (int i = 0; i < c.Mise->lineCount(); ++i) {
            const QTextLine ligne = c.Mise->lineAt(i);
            const double haut = retraitV + ligne.y();
            if (haut >= depuis - 0.01 && haut < depuis + hauteur - 0.01)
                ligne.draw(&peintre, origine);
        }
    }
    peintre.restore();
}
