#include "core/transition/RapportTransition.h"

#include "base/KORVENTypesU.h"
#include "core/document/PageDocument.h"
#include "core/document/TableauDocument.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

// The layout, in millimetres from the top left corner of the printable area; font sizes in points. The
// school's header and the title are drawn above the body of the first page, which starts at HautCorps; every
// page keeps room for its footer under the body.
constexpr double HautCorps = 38.5;
constexpr double EspaceAvantPied = 2.0;
constexpr double Largeur = LargeurUtileDocument;
// The space between a cell's frame and its text; the rules.
constexpr double Retrait = 0.53;
constexpr double Trait = 0.26;
// Above a section's title, under it; between two paragraphs.
constexpr double AvantSection = 3.7;
constexpr double ApresSection = 1.6;
constexpr double EntreParagraphes = 3.2;
// The lines under a row that say which rows were left behind: how far in.
constexpr double RetraitExemples = 6.35;
// The room left under "Signature du chef d'établissement" to sign.
constexpr double HauteurSignature = 25.0;
// Classes side by side in the table of the students placed.
constexpr int ClassesParLigne = 4;

const QString TitreImprime = QStringLiteral("RAPPORT DU CHANGEMENT D'ANNÉE SCOLAIRE");
const QString LignePied = QStringLiteral("Solvane - Rapport du changement d'année scolaire");
const QString ErreurDocument =
    QStringLiteral("Impossible de produire le rapport : le document ne peut pas être créé.");
const QString Signature = QStringLiteral("Signature du chef d'établissement");

QString DateHeure(const QDateTime& moment) {
    return moment.isValid() ? moment.toString(QStringLiteral("dd/MM/yyyy 'à' HH:mm")) : QString();
}

QString Decision(const QString& code) {
    if (code == QLatin1String("P"))
        return QStringLiteral("Promu");
    if (code == QLatin1String("R"))
        return QStringLiteral("Redoublant");
    if (code == QLatin1String("PE"))
        return QStringLiteral("Promu et exclu");
    if (code == QLatin1String("E"))
        return QStringLiteral("Exclu");
    return code;
}

// Columns over the page's width, from their shares of it (in hundredths), each aligned as said.
QList<TColonneTableau> Colonnes(const QList<std::pair<int, Qt::Alignment>>& parts,
                                const QStringList& titres = {}) {
    QList<TColonneTableau> colonnes;
    double gauche = 0;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const double largeur = Largeur * parts.at(i).first / 100.0;
        colonnes.append({gauche, largeur, parts.at(i).second, titres.value(i)});
        gauche += largeur;
    }
    return colonnes;
}

// One report drawn on a device, once to count its pages (nothing drawn), once for real.
class TDessin {
public:
    TDessin(QPainter& peintre, QPagedPaintDevice& support, TPageDocument& page, const TRapportTransition& r,
            bool dessine, int pages)
        : page_(page), r_(r),
          flux_(peintre, support, page, page.HauteurPage() - HauteurPiedDocument - EspaceAvantPied, dessine,
                [this, pages](int numero) {
                    page_.Pied(LignePied, r_.DateImpression,
                               QStringLiteral("%1 / %2").arg(numero).arg(pages));
                }) {
        normale_ = PoliceDocument(TFaceDocument::Serif, 10);
        grasse_ = PoliceDocument(TFaceDocument::Serif, 10, true);
        style_.PoliceTitres = grasse_;
        style_.PoliceLignes = normale_;
        style_.RetraitHorizontal = Retrait;
        style_.RetraitVertical = Retrait;
        style_.Trait = Trait;
        style_.FondTitres = QColor(0xe6, 0xe6, 0xe6);
        style_.TitresSurChaquePage = true;
        style_.CouperLesLignes = true;
    }

    int Dessiner() {
        if (flux_.Dessine()) {
            page_.Entete(r_.Entete);
            page_.Titre(HautTitreDocument, TitreImprime);
        }
        flux_.AllerA(HautCorps);
        Identification();
        Blocage();
        Tables();
        Eleves();
        Etapes();
        FinDuRapport();
        return flux_.Terminer();
    }

private:
    double Y(double mm) const { return page_.Y(mm); }

    // Who ran the change, from where, when, which years: labels and values in two pairs of columns, unruled.
    void Identification() {
        TStyleTableau style = style_;
        style.Trait = 0;
        TTableauDocument tableau(
            flux_,
            Colonnes({{18, Qt::AlignLeft}, {32, Qt::AlignLeft}, {18, Qt::AlignLeft}, {32, Qt::AlignLeft}}),
            style);
        const auto paire = [this](const QString& etiquette, const QString& valeur) {
            return QList<TCelluleTableau>{{etiquette + QStringLiteral(" :"), 1, grasse_}, {valeur}};
        };
        tableau.Ligne(paire(QStringLiteral("Utilisateur"), r_.Utilisateur) +
                      paire(QStringLiteral("Poste"), r_.Poste));
        tableau.Ligne(paire(QStringLiteral("Début"), DateHeure(r_.Debut)) +
                      paire(QStringLiteral("Fin"), DateHeure(r_.Fin)));
        tableau.Ligne(paire(QStringLiteral("Année scolaire close"), r_.AncienneAnnee) +
                      paire(QStringLiteral("Nouvelle année scolaire"), r_.NouvelleAnnee));
    }

    // What stopped the change, in a framed box.
    void Blocage() {
        if (r_.Bilan.Blocage.isEmpty())
            return;
        const QString titre = QStringLiteral("ATTENTION : LE CHANGEMENT D'ANNÉE EST BLOQUÉ");
        const QFont policeTitre = PoliceDocument(TFaceDocument::Serif, 13, true);
        const QFont policeTexte = PoliceDocument(TFaceDocument::Serif, 12, true);
        constexpr double marge = 2.2;
        constexpr double cadre = 0.8;
        const double largeur = Largeur - 2 * marge;
        flux_.Avancer(Y(2.65));
        const double hauteur = flux_.HauteurTexte(titre, policeTitre, largeur) + Y(EntreParagraphes) +
                               flux_.HauteurTexte(r_.Bilan.Blocage, policeTexte, largeur) + 2 * Y(marge);
        flux_.Reserver(hauteur);
        const double haut = flux_.Y();
        flux_.Avancer(Y(marge));
        flux_.Texte(titre, policeTitre, marge, largeur);
        flux_.Avancer(Y(EntreParagraphes));
        flux_.Texte(r_.Bilan.Blocage, policeTexte, marge, largeur);
        flux_.Avancer(Y(marge));
        if (flux_.Dessine()) {
            QPainter& peintre = flux_.Peintre();
            peintre.save();
            peintre.setPen(QPen(Qt::black, Y(cadre)));
            peintre.drawRect(QRectF(0, haut, page_.X(Largeur), flux_.Y() - haut));
            peintre.restore();
        }
    }

    // A section's title, kept on the page of what follows it (enSuite high, device units).
    void Section(const QString& titre, double enSuite) {
        const QFont police = PoliceDocument(TFaceDocument::Palatino, 12, true);
        flux_.Avancer(Y(AvantSection));
        flux_.Reserver(flux_.HauteurTexte(titre, police, Largeur) + Y(ApresSection) + enSuite);
        flux_.Texte(titre, police, 0, Largeur);
        flux_.Avancer(Y(ApresSection));
    }

    // A section's title over a table whose headings and first row stay with it.
    void SectionTableau(const QString& titre, TTableauDocument& tableau,
                        const QList<TCelluleTableau>& premiere) {
        Section(titre, tableau.HauteurTitres() + (premiere.isEmpty() ? 0 : tableau.Hauteur(premiere)));
        tableau.Titres();
    }

    void Paragraphe(const QString& etiquette, const QString& valeur) {
        flux_.Avancer(Y(EntreParagraphes));
        flux_.Reserver(flux_.HauteurTexte(etiquette, grasse_, Largeur));
        const double haut = flux_.Y();
        flux_.Texte(etiquette, grasse_, 0, Largeur);
        if (!valeur.isEmpty()) {
            const double bas = flux_.Y();
            flux_.Avancer(haut - bas);
            const double decalage =
                QFontMetricsF(grasse_, &flux_.Support()).horizontalAdvance(etiquette) / page_.X(1.0);
            flux_.Texte(valeur, normale_, decalage, Largeur - decalage);
        }
    }

    // One row per step; under a step that left rows behind, the first of them and how many more.
    void Tables() {
        TTableauDocument tableau(
            flux_,
            Colonnes({{40, Qt::AlignLeft},
                      {24, Qt::AlignLeft},
                      {12, Qt::AlignRight},
                      {12, Qt::AlignRight},
                      {12, Qt::AlignRight}},
                     {QStringLiteral("Éléments"), QStringLiteral("Table"), QStringLiteral("Année close"),
                      QStringLiteral("Nouvelle année"), QStringLiteral("Non reportées")}),
            style_);
        QList<QList<TCelluleTableau>> lignes;
        for (const TLigneBilan& l : r_.Bilan.Lignes) {
            const QString tiret = QStringLiteral("—");
            lignes.append({{l.Libelle},
                           {l.Table},
                           {l.Anciennes < 0 ? tiret : QString::number(l.Anciennes)},
                           {QString::number(l.Nouvelles)},
                           {l.Anciennes < 0 ? tiret : QString::number(l.NonReportees)}});
            if (l.NonReportees <= 0)
                continue;
            const qsizetype montres = std::min<qsizetype>(l.Exemples.size(), NombreExemplesBilan);
            QStringList details = l.Exemples.mid(0, montres);
            const qsizetype autres = l.NonReportees - montres;
            if (autres > 0)
                details << (autres == 1 ? QStringLiteral("... et 1 autre")
                                        : QStringLiteral("... et %1 autres").arg(autres));
            lignes.append({{details.join(QLatin1Char('\n')), 5, PoliceDocument(TFaceDocument::Serif, 9),
                            Qt::AlignLeft, RetraitExemples}});
        }
        if (lignes.isEmpty())
            lignes.append({{QStringLiteral("Aucune donnée."), 5}});
        SectionTableau(QStringLiteral("Données reportées dans la nouvelle année"), tableau, lignes.first());
        for (const QList<TCelluleTableau>& ligne : std::as_const(lignes))
            tableau.Ligne(ligne);
    }

    void Eleves() {
        const TBilanTransition& bilan = r_.Bilan;
        int total = 0;
        if (bilan.ElevesParClasse.isEmpty()) {
            Section(QStringLiteral("Élèves"), flux_.HauteurTexte(QStringLiteral("Aucun"), normale_, Largeur));
            flux_.Texte(QStringLiteral("Aucun élève n'est placé dans une classe de la nouvelle année."),
                        normale_, 0, Largeur);
        } else {
            QList<std::pair<int, Qt::Alignment>> parts;
            QStringList titres;
            for (int i = 0; i < ClassesParLigne; ++i) {
                parts << std::pair{15, Qt::AlignLeft} << std::pair{10, Qt::AlignRight};
                titres << QStringLiteral("Classe") << QStringLiteral("Élèves");
            }
            TTableauDocument tableau(flux_, Colonnes(parts, titres), style_);
            QList<QList<TCelluleTableau>> lignes;
            for (qsizetype i = 0; i < bilan.ElevesParClasse.size(); i += ClassesParLigne) {
                QList<TCelluleTableau> ligne;
                for (qsizetype j = i; j < i + ClassesParLigne; ++j) {
                    if (j < bilan.ElevesParClasse.size()) {
                        const QPair<QString, int>& c = bilan.ElevesParClasse.at(j);
                        total += c.second;
                        ligne << TCelluleTableau{c.first} << TCelluleTableau{QString::number(c.second)};
                    } else {
                        ligne << TCelluleTableau{} << TCelluleTableau{};
                    }
                }
                lignes << ligne;
            }
            SectionTableau(QStringLiteral("Élèves"), tableau, lignes.first());
            for (const QList<TCelluleTableau>& ligne : std::as_const(lignes))
                tableau.Ligne(ligne);
        }
        Paragraphe(QStringLiteral("Total des élèves placés :"), QLatin1Char(' ') + QString::number(total));
        Paragraphe(QStringLiteral("Élèves avec une décision non placés :"),
                   QLatin1Char(' ') + QString::number(bilan.NonPlaces.size()));
        if (bilan.NonPlaces.isEmpty())
            return;
        TTableauDocument tableau(
            flux_,
            Colonnes({{18, Qt::AlignLeft}, {46, Qt::AlignLeft}, {18, Qt::AlignLeft}, {18, Qt::AlignLeft}},
                     {QStringLiteral("Matricule"), QStringLiteral("Nom et prénom"),
                      QStringLiteral("Ancienne classe"), QStringLiteral("Décision")}),
            style_);
        QList<QList<TCelluleTableau>> lignes;
        for (const TEleveNonPlace& e : bilan.NonPlaces)
            lignes.append({{e.Matricule},
                           {e.Prenom.isEmpty() ? e.Nom : e.Nom + QLatin1Char(' ') + e.Prenom},
                           {e.Classe},
                           {Decision(e.Decision)}});
        SectionTableau(QStringLiteral("Élèves avec une décision non placés"), tableau, lignes.first());
        for (const QList<TCelluleTableau>& ligne : std::as_const(lignes))
            tableau.Ligne(ligne);
    }

    // The steps' messages, in their order, when the change listed them instead of showing boxes.
    void Etapes() {
        if (r_.Etapes.isEmpty())
            return;
        TTableauDocument tableau(flux_, Colonnes({{100, Qt::AlignLeft}}, {QStringLiteral("Message")}),
                                 style_);
        const QList<TCelluleTableau> premiere{{r_.Etapes.first()}};
        SectionTableau(QStringLiteral("Messages des étapes"), tableau, premiere);
        for (const QString& texte : r_.Etapes)
            tableau.Ligne({{QString(texte).replace(QStringLiteral("\r\n"), QStringLiteral(" "))}});
    }

    // "Fait à", the signature's title and the room to sign under it, on one page.
    void FinDuRapport() {
        const QString fait = QStringLiteral("Fait à ____________________, le ____________________");
        const double hauteur = Y(7.4) + flux_.HauteurTexte(fait, normale_, Largeur) + Y(2.6) +
                               flux_.HauteurTexte(Signature, grasse_, Largeur) + Y(HauteurSignature);
        flux_.Reserver(hauteur);
        if (!flux_.PageVide())
            flux_.Avancer(Y(7.4));
        flux_.Texte(fait, normale_, 0, Largeur, Qt::AlignRight);
        flux_.Avancer(Y(2.6));
        flux_.Texte(Signature, grasse_, 0, Largeur, Qt::AlignRight);
        flux_.Avancer(Y(HauteurSignature));
    }

    TPageDocument& page_;
    const TRapportTransition& r_;
    TFluxDocument flux_;
    QFont normale_;
    QFont grasse_;
    TStyleTableau style_;
};

} // namespace

void PreparerPageRapportTransition(QPagedPaintDevice& Support) {
    PreparerPageDocument(Support);
}

int DessinerRapportTransition(QPagedPaintDevice& Support, const TRapportTransition& Rapport) {
    QPainter peintre;
    TPageDocument page(peintre, Support);
    if (!peintre.begin(&Support))
        throw EKorven(ErreurDocument);
    // Its pages counted first, for the footers that name their number.
    const int pages = TDessin(peintre, Support, page, Rapport, false, 0).Dessiner();
    TDessin(peintre, Support, page, Rapport, true, pages).Dessiner();
    peintre.end();
    return pages;
}
