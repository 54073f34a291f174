#pragma once

#include "core/document/EnteteDocument.h"
#include "core/journal/RequeteJournal.h"

#include <QDate>
#include <QList>
#include <QString>

class QPagedPaintDevice;
class TCUtilisateur;

// One printed row of the journal report.
struct TLigneRapportJournal {
    QString DateHeure; // date and time of the entry, in the workstation's date-and-time format
    QString Utilisateur;
    QString Domaine;
    QString Operation;
    QString Poste;
    QString Libelle;
};

// Everything the journal report prints.
struct TRapportJournal {
    TEnteteDocument Entete;
    QString Titre;
    QString Periode;
    QString LignePied;      // the fixed footer line
    QString DateImpression; // date and time of printing, as printed
    QList<TLigneRapportJournal> Lignes;
};

// The fixed line at the foot of every page of the journal report.
inline const QString LignePiedJournal = QStringLiteral("Solvane - Journal des opérations");

// "JOURNAL DES OPÉRATIONS", followed by the user's name and login when the user list's selected index is
// above 0 and a user is attached to it.
QString TitreRapportJournal(int IndexUtilisateur, const TCUtilisateur* Utilisateur);

// "PÉRIODE DU dd/MM/yyyy AU dd/MM/yyyy".
QString PeriodeRapportJournal(const QDate& Debut, const QDate& Fin);

// The date and time of an entry as the report prints it: the workstation's short date-and-time format.
QString DateHeureRapportJournal(const QDateTime& DateHeure);

// Runs the journal list's statement on the data module's shared read chain (SQLQueryDonnees1 /
// ClientDataSetDonnees1) and gives its rows, in the list's order. Database errors are raised.
QList<TLigneRapportJournal> LireLignesRapportJournal(const TFiltreJournal& Filtre);

// The page of the journal report: A4 landscape, margins of 10 mm on every side.
void PreparerPageRapportJournal(QPagedPaintDevice& Support);

// Draws the report on a paged device (a printer, a PDF file), whose page should be prepared by
// PreparerPageRapportJournal: on the first page the school's bilingual header, the logo, the title, the
// period and the ruled column headings; then one ruled row per entry, every cell of a row as high as its
// tallest (the description is justified and wraps); a footer on every page with the fixed line, the print
// date and the page number. A row taller than a page continues on the next. Returns the number of pages.
int DessinerRapportJournal(QPagedPaintDevice& Support, const TRapportJournal& Rapport);
