#include "core/journal/RapportJournal.h"

#include "base/KORVENTypesU.h"
#include "core/journal/ModeleJournal.h"
#include "core/document/PageDocument.h"
#include "core/model/OutilsModele.h"
#include "core/model/UniteCUtilisateur.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <memory>

QString TitreRapportJournal(int IndexUtilisateur, const TCUtilisateur* Utilisateur) {
    const QString titre = QStringLiteral("JOURNAL DES OPÉRATIONS");
    if (IndexUtilisateur <= 0 || Utilisateur == nullptr)
        return titre;
    return titre + QStringLiteral(" DE L'UTILISATEUR ") + Utilisateur->GetNom() + QStringLiteral(" - ") +
           Utilisateur->GetLogin();
}

QString PeriodeRapportJournal(const QDate& Debut, const QDate& Fin) {
    const QString format = QStringLiteral("dd/MM/yyyy");
    return QStringLiteral("PÉRIODE DU ") + Debut.toString(format) + QStringLiteral(" AU ") +
           Fin.toString(format);
}

QString DateHeureRapportJournal(const QDateTime& DateHeure) {
    return DateHeure.isValid() ? QLocale().toString(DateHeure, QLocale::ShortFormat) : QString();
}

QList<TLigneRapportJournal> LireLignesRapportJournal(const TFiltreJournal& Filtre) {
    TClientDataSet& ds =
        Modele::OuvrirDonnees1({TexteRequeteJournal(Filtre)}, ParametresRequeteJournal(Filtre));
    QList<TLigneRapportJournal> lignes;
    lignes.reserve(ds.RecordCount());
    const auto texte = [&ds](const char* champ) { return ds.FieldByName(QLatin1String(champ)).AsString(); };
    for (ds.First(); !ds.Eof(); ds.Next())
        lignes.append(
            {DateHeureRapportJournal(DateHeureJournal(ds.FieldByName(QStringLiteral("date_heure")).Valeur())),
             texte("utilisateur"), texte("domaine"), texte("operation"), texte("poste"), texte("libelle")});
    return lignes;
}

void PreparerPageRapportJournal(QPagedPaintDevice& Support) {
    PreparerPageDocument(Support);
}

namespace {

// Positions and sizes in millimetres from the top left corner of the printable area; font sizes in points.
struct TColonneRapport {
    const char* Titre;
    double Gauche;
    double Largeur;
};

constexpr int NombreColonnes = 7;
constexpr int ColonneLibelle = 6;
const std::array<TColonneRapport, NombreColonnes> Colonnes{{{"No", 0.0, 13.2},
                                                            {"Date & Heure", 13.2, 39.7},
                                                            {"Utilisateur", 52.9, 19.8},
                                                            {"Domaine", 72.8, 39.7},
                                                            {"Opération", 112.4, 26.5},
                                                            {"Poste", 138.9, 32.5},
                                                            {"Intitulé", 171.2, 105.8}}};

constexpr double HautPeriode = 37.6;
constexpr double HauteurSectionTitre = 52.9;
constexpr double HautEntetes = 47.6;
// Space between a cell's frame and its text.
constexpr double RetraitHorizontal = 0.8;
constexpr double RetraitVertical = 0.4;
constexpr double EpaisseurTrait = 0.2;

// One cell of a detail row, laid out for the width of its column.
struct TCellule {
    std::unique_ptr<QTextLayout> Mise;
    double Gauche = 0;  // device units
    double Largeur = 0; // device units, frame included
    double Hauteur = 0; // height of the text
};

class TDessin {
public:
    explicit TDessin(QPagedPaintDevice& support) : support_(support), page_(peintre_, support) {
        hauteurPage_ = page_.HauteurPage();
        if (!peintre_.begin(&support_))
            throw EKorven(
                QStringLiteral("Impossible de produire le journal : le document ne peut pas être créé."));
        trait_ = QPen(Qt::black, Y(EpaisseurTrait));
        policeLigne_ = PoliceDocument(TFaceDocument::Serif, 12);
    }

    int Dessiner(const TRapportJournal& rapport) {
        rapport_ = &rapport;
        SectionTitre();
        haut_ = Y(HauteurSectionTitre);
        y_ = haut_;
        for (qsizetype i = 0; i < rapport.Lignes.size(); ++i)
            Ligne(static_cast<int>(i) + 1, rapport.Lignes.at(i));
        Pied();
        peintre_.end();
        return numeroPage_;
    }

private:
    double X(double mm) const { return page_.X(mm); }
    double Y(double mm) const { return page_.Y(mm); }
    QRectF Rect(double gauche, double haut, double largeur, double hauteur) const {
        return page_.Rect(gauche, haut, largeur, hauteur);
    }

    void SectionTitre() {
        page_.Entete(rapport_->Entete);
        page_.Titre(HautTitreDocument, rapport_->Titre);
        page_.Titre(HautPeriode, rapport_->Periode);

        peintre_.setPen(trait_);
        const QFont entetes = PoliceDocument(TFaceDocument::Serif, 12, true);
        const double hauteur = HauteurSectionTitre - HautEntetes;
        for (const TColonneRapport& c : Colonnes) {
            const QRectF cadre = Rect(c.Gauche, HautEntetes, c.Largeur, hauteur);
            peintre_.drawRect(cadre);
            page_.Texte(cadre, entetes, Qt::AlignCenter, QString::fromUtf8(c.Titre));
        }
    }

    void Pied() { page_.Pied(rapport_->LignePied, rapport_->DateImpression, QString::number(numeroPage_)); }

    void NouvellePage() {
        Pied();
        support_.newPage();
        ++numeroPage_;
        haut_ = 0;
        y_ = 0;
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

    static QString SansFinsDeLigne(QString texte) {
        texte.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
        texte.replace(QLatin1Char('\n'), QChar::LineSeparator);
        texte.replace(QLatin1Char('\r'), QChar::LineSeparator);
        return texte;
    }

    void Ligne(int numero, const TLigneRapportJournal& l) {
        const std::array<QString, NombreColonnes> textes{
            QString::number(numero), l.DateHeure, l.Utilisateur, l.Domaine, l.Operation, l.Poste, l.Libelle};
        std::array<TCellule, NombreColonnes> cellules;
        double hauteurTexte = 0;
        for (int i = 0; i < NombreColonnes; ++i) {
            TCellule& c = cellules[i];
            c.Gauche = X(Colonnes[i].Gauche);
            c.Largeur = X(Colonnes[i].Largeur);
            c.Mise = std::make_unique<QTextLayout>(SansFinsDeLigne(textes[i]), policeLigne_, &support_);
            const Qt::Alignment alignement = i == 0                ? Qt::AlignHCenter
                                             : i == ColonneLibelle ? Qt::AlignJustify
                                                                   : Qt::AlignLeft;
            c.Hauteur = Disposer(*c.Mise, std::max(1.0, c.Largeur - 2 * X(RetraitHorizontal)), alignement);
            hauteurTexte = std::max(hauteurTexte, c.Hauteur);
        }
        // Every cell of the row takes the height of the tallest.
        const double retrait = Y(RetraitVertical);
        const double hauteur = hauteurTexte + 2 * retrait;
        const double limite = Y(hauteurPage_ - HauteurPiedDocument);
        double fait = 0;
        for (;;) {
            const double reste = hauteur - fait;
            const double place = limite - y_;
            if (reste <= place + 0.01) {
                Tranche(cellules, fait, reste);
                y_ += reste;
                return;
            }
            if (y_ > haut_ + 0.01) {
                // Not on this page: the row starts on the next.
                NouvellePage();
                continue;
            }
            // Taller than a whole page: cut after the last line that fits, go on with the rest on the next
            // page.
            double coupe = fait;
            for (const TCellule& c : cellules)
                for (int i = 0; i < c.Mise->lineCount(); ++i) {
                    const double bas = retrait + c.Mise->lineAt(i).rect().bottom();
                    if (bas > fait && bas <= fait + place)
                        coupe = std::max(coupe, bas);
                }
            if (coupe <= fait)
                coupe = fait + place;
            Tranche(cellules, fait, coupe - fait);
            fait = coupe;
            NouvellePage();
        }
    }

    // Draws the part of a row from depuis to depuis + hauteur (device units, from the row's top) at y_: the
    // frames of its cells, and the lines of text that begin in that part (so that a line is printed once,
    // on the page where it fits).
    void Tranche(const std::array<TCellule, NombreColonnes>& cellules, double depuis, double hauteur) {
        peintre_.save();
        peintre_.setPen(trait_);
        const double retraitH = X(RetraitHorizontal);
        const double retraitV = Y(RetraitVertical);
        for (const TCellule& c : cellules) {
            peintre_.drawRect(QRectF(c.Gauche, y_, c.Largeur, hauteur));
            const QPointF origine(c.Gauche + retraitH, y_ - depuis + retraitV);
            for (int i = 0; i < c.Mise->lineCount(); ++i) {
                const QTextLine ligne = c.Mise->lineAt(i);
                const double haut = retraitV + ligne.y();
                if (haut >= depuis - 0.01 && haut < depuis + hauteur - 0.01)
                    ligne.draw(&peintre_, origine);
            }
        }
        peintre_.restore();
    }

    QPagedPaintDevice& support_;
    QPainter peintre_;
    TPageDocument page_;
    const TRapportJournal* rapport_ = nullptr;
    double hauteurPage_ = 0; // mm
    QPen trait_;
    QFont policeLigne_;
    int numeroPage_ = 1;
    double haut_ = 0; // top of the rows on this page
    double y_ = 0;    // where the next row goes
};

} // namespace

int DessinerRapportJournal(QPagedPaintDevice& Support, const TRapportJournal& Rapport) {
    TDessin dessin(Support);
    return dessin.Dessiner(Rapport);
}
