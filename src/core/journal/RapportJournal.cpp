#include "core/journal/RapportJournal.h"

#include "base/KORVENTypesU.h"
#include "core/document/PageDocument.h"
#include "core/document/TableauDocument.h"
#include "core/journal/ModeleJournal.h"
#include "core/model/OutilsModele.h"
#include "core/model/UniteCUtilisateur.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

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
const QList<TColonneTableau> Colonnes = {{0.0, 13.2, Qt::AlignHCenter, QStringLiteral("No")},
                                         {13.2, 39.7, Qt::AlignLeft, QStringLiteral("Date & Heure")},
                                         {52.9, 19.8, Qt::AlignLeft, QStringLiteral("Utilisateur")},
                                         {72.8, 39.7, Qt::AlignLeft, QStringLiteral("Domaine")},
                                         {112.4, 26.5, Qt::AlignLeft, QStringLiteral("Opération")},
                                         {138.9, 32.5, Qt::AlignLeft, QStringLiteral("Poste")},
                                         {171.2, 105.8, Qt::AlignJustify, QStringLiteral("Intitulé")}};

constexpr double HautPeriode = 37.6;
constexpr double HauteurSectionTitre = 52.9;
constexpr double HautEntetes = 47.6;

} // namespace

int DessinerRapportJournal(QPagedPaintDevice& Support, const TRapportJournal& Rapport) {
    QPainter peintre;
    TPageDocument page(peintre, Support);
    if (!peintre.begin(&Support))
        throw EKorven(
            QStringLiteral("Impossible de produire le journal : le document ne peut pas être créé."));
    // The school's header, the title, the period and the column headings on the first page; then one ruled
    // row per entry, on as many pages as they take, each with its footer and number.
    page.Entete(Rapport.Entete);
    page.Titre(HautTitreDocument, Rapport.Titre);
    page.Titre(HautPeriode, Rapport.Periode);
    TFluxDocument flux(peintre, Support, page, page.HauteurPage() - HauteurPiedDocument, true,
                       [&page, &Rapport](int numero) {
                           page.Pied(Rapport.LignePied, Rapport.DateImpression, QString::number(numero));
                       });
    TStyleTableau style;
    style.PoliceTitres = PoliceDocument(TFaceDocument::Serif, 12, true);
    style.PoliceLignes = PoliceDocument(TFaceDocument::Serif, 12);
    TTableauDocument tableau(flux, Colonnes, style);
    flux.AllerA(HautEntetes);
    tableau.Titres(HauteurSectionTitre - HautEntetes);
    for (qsizetype i = 0; i < Rapport.Lignes.size(); ++i) {
        const TLigneRapportJournal& l = Rapport.Lignes.at(i);
        tableau.Ligne({{QString::number(i + 1)},
                       {l.DateHeure},
                       {l.Utilisateur},
                       {l.Domaine},
                       {l.Operation},
                       {l.Poste},
                       {l.Libelle}});
    }
    const int pages = flux.Terminer();
    peintre.end();
    return pages;
}
