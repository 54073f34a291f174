#include "core/document/PageDocument.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <array>

namespace {

struct TLigneEntete {
    double Haut;
    double Points;
    bool Gras;
};
const std::array<TLigneEntete, 7> LignesEntete{{{2.1, 8, false},
                                                {5.3, 7, false},
                                                {7.7, 8, false},
                                                {11.1, 10, true},
                                                {14.6, 7, false},
                                                {17.2, 8, false},
                                                {20.9, 8, false}}};
constexpr double GaucheBlocFr = 2.1;
constexpr double GaucheBlocEn = 196.3;
constexpr double LargeurBloc = 78.1;
constexpr double FinRegleePied = 179.4;
constexpr double EpaisseurTrait = 0.2;

} // namespace

const QStringList& FacesDocument(TFaceDocument Face) {
    static const QStringList serif{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                                   QStringLiteral("Nimbus Roman"), QStringLiteral("Tinos"),
                                   QStringLiteral("DejaVu Serif")};
    static const QStringList sansSerif{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                       QStringLiteral("Nimbus Sans"), QStringLiteral("Arimo"),
                                       QStringLiteral("DejaVu Sans")};
    static const QStringList palatino{QStringLiteral("Palatino Linotype"),
                                      QStringLiteral("Palatino"),
                                      QStringLiteral("P052"),
                                      QStringLiteral("TeX Gyre Pagella"),
                                      QStringLiteral("URW Palladio L"),
                                      QStringLiteral("DejaVu Serif")};
    switch (Face) {
    case TFaceDocument::SansSerif:
        return sansSerif;
    case TFaceDocument::Palatino:
        return palatino;
    case TFaceDocument::Serif:
        break;
    }
    return serif;
}

void PreparerPageDocument(QPagedPaintDevice& Support) {
    Support.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                      QMarginsF(10.0, 10.0, 10.0, 10.0), QPageLayout::Millimeter));
}

QFont PoliceDocument(TFaceDocument Face, double Points, bool Gras, bool Souligne) {
    QFont police;
    police.setFamilies(FacesDocument(Face));
    police.setStyleHint(Face == TFaceDocument::SansSerif ? QFont::SansSerif : QFont::Serif);
    police.setPointSizeF(Points);
    police.setBold(Gras);
    police.setUnderline(Souligne);
    return police;
}

TPageDocument::TPageDocument(QPainter& Peintre, const QPagedPaintDevice& Support) : peintre_(Peintre) {
    kx_ = Support.logicalDpiX() / 25.4;
    ky_ = Support.logicalDpiY() / 25.4;
    hauteurPage_ = Support.pageLayout().paintRect(QPageLayout::Millimeter).height();
}

void TPageDocument::Texte(const QRectF& Cadre, const QFont& Police, int Alignement, const QString& Texte) {
    peintre_.setFont(Police);
    peintre_.drawText(Cadre, Alignement | Qt::TextDontClip, Texte);
}

void TPageDocument::Entete(const TEnteteDocument& e) {
    const std::array<QString, 7> fr{QStringLiteral("REPUBLIQUE DU CAMEROUN"),
                                    QStringLiteral("Paix-Travail-Patrie"),
                                    QStringLiteral("MINISTERE DES ENSEIGNEMENTS SECONDAIRES"),
                                    e.NomFr,
                                    e.DeviseFr,
                                    e.AdresseFr,
                                    e.AnneeFr};
    const std::array<QString, 7> en{QStringLiteral("REPUBLIC OF CAMEROON"),
                                    QStringLiteral("Peace-Work-Fatherland"),
                                    QStringLiteral("MINISTRY OF SECONDARY EDUCATION"),
                                    e.NomEn,
                                    e.DeviseEn,
                                    e.AdresseEn,
                                    e.AnneeEn};
    for (size_t i = 0; i < LignesEntete.size(); ++i) {
        const TLigneEntete& l = LignesEntete[i];
        const QFont police = PoliceDocument(TFaceDocument::SansSerif, l.Points, l.Gras);
        Texte(Rect(GaucheBlocFr, l.Haut, LargeurBloc, 4.0), police, Qt::AlignHCenter | Qt::AlignTop, fr[i]);
        Texte(Rect(GaucheBlocEn, l.Haut, LargeurBloc, 4.0), police, Qt::AlignHCenter | Qt::AlignTop, en[i]);
    }
    if (e.Logo.Visible && e.Logo.Image && e.Logo.Image->EstValide())
        peintre_.drawImage(Rect(123.3, 0.5, 30.4, 27.0), e.Logo.Image->Image());
}

void TPageDocument::Titre(double Haut, const QString& Texte_) {
    Texte(Rect(0, Haut, LargeurUtileDocument, 7.0), PoliceDocument(TFaceDocument::Palatino, 14, true, true),
          Qt::AlignHCenter | Qt::AlignTop, Texte_);
}

void TPageDocument::Pied(const QString& LignePied, const QString& DateImpression, const QString& Numero) {
    const double haut = hauteurPage_ - HauteurPiedDocument;
    peintre_.save();
    peintre_.setPen(QPen(Qt::black, Y(EpaisseurTrait)));
    peintre_.drawLine(QPointF(0, Y(haut)), QPointF(X(FinRegleePied), Y(haut)));
    const QFont petite = PoliceDocument(TFaceDocument::Palatino, 6);
    const int vertical = Qt::AlignVCenter;
    Texte(Rect(0, haut, 76.0, HauteurPiedDocument), petite, Qt::AlignLeft | vertical, LignePied);
    Texte(Rect(76.5, haut, 10.8, HauteurPiedDocument), petite, Qt::AlignLeft | vertical,
          QStringLiteral("Imprimé le "));
    Texte(Rect(87.3, haut, 80.0, HauteurPiedDocument), petite, Qt::AlignLeft | vertical, DateImpression);
    Texte(Rect(176.5, haut, 188.1 - 176.5, HauteurPiedDocument), PoliceDocument(TFaceDocument::Palatino, 10),
          Qt::AlignRight | vertical, Numero);
    peintre_.restore();
}
