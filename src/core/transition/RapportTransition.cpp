#include "core/transition/RapportTransition.h"

#include "base/KORVENTypesU.h"
#include "core/document/PageDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <cmath>

namespace {

// The layout of the first page: the school's header and the title are drawn above the body, which starts
// here; every page keeps room for its footer under the body.
constexpr double HautCorps = 38.5;
constexpr double EspaceAvantPied = 2.0;
// The room left under "Signature du chef d'établissement" to sign.
constexpr double HauteurSignature = 25.0;
// Classes side by side in the table of the students placed.
constexpr int ClassesParLigne = 4;

const QString TitreImprime = QStringLiteral("RAPPORT DU CHANGEMENT D'ANNÉE SCOLAIRE");
const QString LignePied = QStringLiteral("Solvane - Rapport du changement d'année scolaire");
const QString ErreurDocument =
    QStringLiteral("Impossible de produire le rapport : le document ne peut pas être créé.");
const QString Signature = QStringLiteral("Signature du chef d'établissement");

// A value as typed, inside HTML: markup characters escaped, line breaks kept.
QString Html(const QString& texte) {
    QString html = texte.toHtmlEscaped();
    html.replace(QStringLiteral("\r\n"), QStringLiteral("<br/>"));
    html.replace(QLatin1Char('\n'), QStringLiteral("<br/>"));
    html.replace(QLatin1Char('\r'), QStringLiteral("<br/>"));
    return html;
}

QString FamilleCss(TFaceDocument face) {
    QStringList familles;
    for (const QString& f : FacesDocument(face))
        familles << QLatin1Char('\'') + f + QLatin1Char('\'');
    return familles.join(QStringLiteral(", "));
}

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

const QString TitreDonnees = QStringLiteral("Données reportées dans la nouvelle année");
const QString TitreEleves = QStringLiteral("Élèves");
const QString TitreNonPlaces = QStringLiteral("Élèves avec une décision non placés");

QString Section(const QString& titre) {
    return QStringLiteral("<p style=\"font-family: %1; font-size: 12pt; font-weight: bold; margin-top: 14px; "
                          "margin-bottom: 6px;\">%2</p>")
        .arg(FamilleCss(TFaceDocument::Palatino), Html(titre));
}

QString DebutTableau(const QStringList& titres, const QList<int>& largeurs) {
    QString html = QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\" "
                                  "style=\"border-collapse: collapse; border-color: black;\"><thead><tr>");
    for (qsizetype i = 0; i < titres.size(); ++i)
        html += QStringLiteral("<th width=\"%1%\" style=\"background-color: #e6e6e6;\">%2</th>")
                    .arg(largeurs.value(i))
                    .arg(Html(titres.at(i)));
    return html + QStringLiteral("</tr></thead>");
}

QString Cellule(const QString& texte, bool nombre = false) {
    return nombre ? QStringLiteral("<td align=\"right\">%1</td>").arg(Html(texte))
                  : QStringLiteral("<td>%1</td>").arg(Html(texte));
}

QString Identification(const TRapportTransition& r) {
    const auto paire = [](const QString& etiquette, const QString& valeur) {
        return QStringLiteral("<td width=\"18%\"><b>%1 :</b></td><td width=\"32%\">%2</td>")
            .arg(Html(etiquette), Html(valeur));
    };
    return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">") +
           QStringLiteral("<tr>") + paire(QStringLiteral("Utilisateur"), r.Utilisateur) +
           paire(QStringLiteral("Poste"), r.Poste) + QStringLiteral("</tr><tr>") +
           paire(QStringLiteral("Début"), DateHeure(r.Debut)) +
           paire(QStringLiteral("Fin"), DateHeure(r.Fin)) + QStringLiteral("</tr><tr>") +
           paire(QStringLiteral("Année scolaire close"), r.AncienneAnnee) +
           paire(QStringLiteral("Nouvelle année scolaire"), r.NouvelleAnnee) +
           QStringLiteral("</tr></table>");
}

QString Blocage(const QString& blocage) {
    if (blocage.isEmpty())
        return {};
    return QStringLiteral(
               "<table width=\"100%\" border=\"2\" cellspacing=\"0\" cellpadding=\"6\" "
               "style=\"margin-top: 10px; border-color: black;\"><tr><td>"
               "<p style=\"font-size: 13pt; font-weight: bold;\">ATTENTION : LE CHANGEMENT D'ANNÉE "
               "EST BLOQUÉ</p><p style=\"font-size: 12pt; font-weight: bold;\">%1</p></td></tr>"
               "</table>")
        .arg(Html(blocage));
}

// One row per step; under a step that left rows behind, the first of them and how many more.
QString Tables(const QList<TLigneBilan>& lignes) {
    QString html =
        Section(TitreDonnees) +
        DebutTableau({QStringLiteral("Éléments"), QStringLiteral("Table"), QStringLiteral("Année close"),
                      QStringLiteral("Nouvelle année"), QStringLiteral("Non reportées")},
                     {40, 24, 12, 12, 12});
    if (lignes.isEmpty())
        html += QStringLiteral("<tr><td colspan=\"5\">Aucune donnée.</td></tr>");
    for (const TLigneBilan& l : lignes) {
        html += QStringLiteral("<tr>") + Cellule(l.Libelle) + Cellule(l.Table) +
                Cellule(l.Anciennes < 0 ? QStringLiteral("—") : QString::number(l.Anciennes), true) +
                Cellule(QString::number(l.Nouvelles), true) +
                Cellule(l.Anciennes < 0 ? QStringLiteral("—") : QString::number(l.NonReportees), true) +
                QStringLiteral("</tr>");
        if (l.NonReportees <= 0)
            continue;
        const qsizetype montres = std::min<qsizetype>(l.Exemples.size(), NombreExemplesBilan);
        QStringList details;
        for (qsizetype i = 0; i < montres; ++i)
            details << Html(l.Exemples.at(i));
        const qsizetype autres = l.NonReportees - montres;
        if (autres > 0)
            details << (autres == 1 ? QStringLiteral("... et 1 autre")
                                    : QStringLiteral("... et %1 autres").arg(autres));
        html +=
            QStringLiteral("<tr><td colspan=\"5\" style=\"padding-left: 24px; font-size: 9pt;\">%1</td></tr>")
                .arg(details.join(QStringLiteral("<br/>")));
    }
    return html + QStringLiteral("</table>");
}

QString Eleves(const TBilanTransition& bilan) {
    QString html = Section(TitreEleves);
    int total = 0;
    if (bilan.ElevesParClasse.isEmpty()) {
        html += QStringLiteral("<p>Aucun élève n'est placé dans une classe de la nouvelle année.</p>");
    } else {
        QStringList titres;
        QList<int> largeurs;
        for (int i = 0; i < ClassesParLigne; ++i) {
            titres << QStringLiteral("Classe") << QStringLiteral("Élèves");
            largeurs << 15 << 10;
        }
        html += DebutTableau(titres, largeurs);
        for (qsizetype i = 0; i < bilan.ElevesParClasse.size(); i += ClassesParLigne) {
            html += QStringLiteral("<tr>");
            for (qsizetype j = i; j < i + ClassesParLigne; ++j) {
                if (j < bilan.ElevesParClasse.size()) {
                    const QPair<QString, int>& c = bilan.ElevesParClasse.at(j);
                    total += c.second;
                    html += Cellule(c.first) + Cellule(QString::number(c.second), true);
                } else {
                    html += QStringLiteral("<td></td><td></td>");
                }
            }
            html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>");
    }
    html +=
        QStringLiteral("<p style=\"margin-top: 8px;\"><b>Total des élèves placés :</b> %1</p>").arg(total);
    html +=
        QStringLiteral("<p><b>Élèves avec une décision non placés :</b> %1</p>").arg(bilan.NonPlaces.size());
    if (!bilan.NonPlaces.isEmpty()) {
        html += Section(TitreNonPlaces) +
                DebutTableau({QStringLiteral("Matricule"), QStringLiteral("Nom et prénom"),
                              QStringLiteral("Ancienne classe"), QStringLiteral("Décision")},
                             {18, 46, 18, 18});
        for (const TEleveNonPlace& e : bilan.NonPlaces)
            html += QStringLiteral("<tr>") + Cellule(e.Matricule) +
                    Cellule(e.Prenom.isEmpty() ? e.Nom : e.Nom + QLatin1Char(' ') + e.Prenom) +
                    Cellule(e.Classe) + Cellule(Decision(e.Decision)) + QStringLiteral("</tr>");
        html += QStringLiteral("</table>");
    }
    return html;
}

// The body: a first paragraph that stands for the header and the title, then the figures and the place to
// sign.
QString Corps(const TRapportTransition& r) {
    return QStringLiteral("<p style=\"margin: 0px;\">&nbsp;</p>") + Identification(r) +
           Blocage(r.Bilan.Blocage) + Tables(r.Bilan.Lignes) + Eleves(r.Bilan) +
           QStringLiteral(
               "<p align=\"right\" style=\"margin-top: 28px;\">Fait à ____________________, le "
               "____________________</p><p align=\"right\" style=\"margin-top: 10px;\"><b>%1</b></p>"
               "<p style=\"margin: 0px;\">&nbsp;</p>")
               .arg(Html(Signature));
}

// The layout counts its margins and fixed line heights in pixels of the screen, which it scales to the
// device: the device units of one such pixel, measured on a document of two lines.
double UnitesParPixel(QPagedPaintDevice& support) {
    QTextDocument essai;
    essai.documentLayout()->setPaintDevice(&support);
    essai.setDocumentMargin(0);
    QTextCursor curseur(&essai);
    QTextBlockFormat fixe;
    fixe.setLineHeight(1000, QTextBlockFormat::FixedHeight);
    curseur.setBlockFormat(fixe);
    curseur.insertText(QStringLiteral("x"));
    curseur.insertBlock(QTextBlockFormat());
    curseur.insertText(QStringLiteral("x"));
    const double haut = essai.documentLayout()->blockBoundingRect(essai.lastBlock()).top();
    return haut > 0 ? haut / 1000.0 : support.logicalDpiY() / 96.0;
}

// A blank block of the given height (device units).
void Hauteur(QTextBlock bloc, double hauteur, double unitesParPixel) {
    QTextCursor curseur(bloc);
    QTextBlockFormat format = bloc.blockFormat();
    format.setTopMargin(0);
    format.setBottomMargin(0);
    format.setLineHeight(hauteur / unitesParPixel, QTextBlockFormat::FixedHeight);
    curseur.setBlockFormat(format);
}

class TDessin {
public:
    explicit TDessin(QPagedPaintDevice& support) : support_(support), page_(peintre_, support) {}

    int Dessiner(const TRapportTransition& r) {
        if (!peintre_.begin(&support_))
            throw EKorven(ErreurDocument);
        // The body is laid out on the device first, in pages as tall as the printable area, with the footer's
        // room kept at the bottom of each.
        const double largeur = support_.width();
        const double hauteur = page_.Y(page_.HauteurPage());
        const double unite = UnitesParPixel(support_);
        QTextDocument corps;
        corps.documentLayout()->setPaintDevice(&support_);
        corps.setDocumentMargin(0);
        corps.setDefaultFont(PoliceDocument(TFaceDocument::Serif, 10));
        // No layout while the body is built and shaped (a null page size holds it back): one, once the page
        // size is set.
        corps.setPageSize(QSizeF(0, 0));
        corps.setHtml(Corps(r));
        const double reservePied = page_.Y(HauteurPiedDocument + EspaceAvantPied);
        QTextFrameFormat cadre = corps.rootFrame()->frameFormat();
        cadre.setMargin(0);
        cadre.setBottomMargin(reservePied / unite);
        corps.rootFrame()->setFrameFormat(cadre);
        Hauteur(corps.firstBlock(), page_.Y(HautCorps), unite);
        Hauteur(corps.lastBlock(), page_.Y(HauteurSignature), unite);
        corps.setPageSize(QSizeF(largeur, hauteur));
        GarderTitres(corps, hauteur);
        GarderSignature(corps, hauteur, reservePied, page_.Y(HauteurSignature));

        const int pages = corps.pageCount();
        const double basCorps = hauteur - reservePied;
        QAbstractTextDocumentLayout::PaintContext contexte;
        // Black on white paper, whatever the desktop's colours.
        contexte.palette.setColor(QPalette::Text, Qt::black);
        for (int p = 0; p < pages; ++p) {
            if (p > 0 && !support_.newPage())
                throw EKorven(ErreurDocument);
            if (p == 0) {
                page_.Entete(r.Entete);
                page_.Titre(HautTitreDocument, TitreImprime);
            }
            peintre_.save();
            const QRectF zone(0, p * hauteur, largeur, basCorps);
            peintre_.translate(0, -p * hauteur);
            peintre_.setClipRect(zone);
            contexte.clip = zone;
            corps.documentLayout()->draw(&peintre_, contexte);
            peintre_.restore();
            page_.Pied(LignePied, r.DateImpression, QStringLiteral("%1 / %2").arg(p + 1).arg(pages));
        }
        peintre_.end();
        return pages;
    }

private:
    // A section's title stays with what follows it (the first row of its table): when a page ends between
    // them, the title starts the next page. In the document's order, each move shifting what comes after.
    static void GarderTitres(QTextDocument& corps, double hauteurPage) {
        QAbstractTextDocumentLayout* mise = corps.documentLayout();
        const auto page = [hauteurPage](double y) { return std::floor(y / hauteurPage); };
        for (QTextBlock titre = corps.begin(); titre.isValid(); titre = titre.next()) {
            const QString texte = titre.text();
            if ((texte != TitreDonnees && texte != TitreEleves && texte != TitreNonPlaces) ||
                QTextCursor(titre).currentTable() != nullptr || !titre.next().isValid())
                continue;
            QTextBlock suite = titre.next();
            if (const QTextTable* table = QTextCursor(suite).currentTable();
                table != nullptr && table->rows() > 1)
                suite = table->cellAt(1, 0).firstCursorPosition().block();
            const double haut = mise->blockBoundingRect(titre).top();
            const double bas = mise->blockBoundingRect(suite).bottom() - 1;
            if (page(bas) == page(haut) || haut - page(haut) * hauteurPage < 1)
                continue;
            QTextCursor curseur(titre);
            QTextBlockFormat format = titre.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            curseur.setBlockFormat(format);
        }
    }

    // "Fait à", "Signature du chef d'établissement" and the room to sign under them stay on one page: when
    // the page's body (its height less the room kept for the footer) ends among them, they start the next.
    static void GarderSignature(QTextDocument& corps, double hauteurPage, double reserve, double place) {
        QTextBlock fait = corps.lastBlock();
        while (fait.isValid() && !fait.text().startsWith(QStringLiteral("Fait à")))
            fait = fait.previous();
        if (!fait.isValid())
            return;
        QAbstractTextDocumentLayout* mise = corps.documentLayout();
        const double haut = mise->blockBoundingRect(fait).top();
        const double bas = mise->blockBoundingRect(corps.lastBlock()).top() + place;
        if (bas <= (std::floor(haut / hauteurPage) + 1) * hauteurPage - reserve)
            return;
        QTextCursor curseur(fait);
        QTextBlockFormat format = fait.blockFormat();
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        curseur.setBlockFormat(format);
    }

    QPagedPaintDevice& support_;
    QPainter peintre_;
    TPageDocument page_;
};

} // namespace

void PreparerPageRapportTransition(QPagedPaintDevice& Support) {
    PreparerPageDocument(Support);
}

int DessinerRapportTransition(QPagedPaintDevice& Support, const TRapportTransition& Rapport) {
    TDessin dessin(Support);
    return dessin.Dessiner(Rapport);
}
