#pragma once

#include "core/document/EnteteDocument.h"
#include "core/transition/BilanTransition.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

// The report of a year's change, offered once the change is committed: what was carried, table by table, to
// sign and file.
struct TRapportTransition {
    TEnteteDocument Entete; // the school's header (InitDocumentsHeader)
    QString Utilisateur;    // who ran it: login, and name when known ("admin (Administratrice)")
    QString Poste;          // from which workstation: name-address, as the journal writes it
    QDateTime Debut;        // the server's clock when the change started
    QDateTime Fin;          // the server's clock when it was committed
    QString AncienneAnnee;  // "2025/2026"
    QString NouvelleAnnee;  // "2026/2027"
    TBilanTransition Bilan; // the figures of the real run
    QStringList Etapes;     // the steps' messages, when they were listed instead of confirmed one by one
    QString DateImpression; // date and time of printing, as printed
};

// "Rapport du changement d'année scolaire": the document's and the preview's title.
inline const QString TitreRapportTransition = QStringLiteral("Rapport du changement d'année scolaire");

// The page of the report: A4 landscape, margins of 10 mm.
void PreparerPageRapportTransition(QPagedPaintDevice& Support);

// Draws the report on a paged device (a printer, a PDF file) prepared by PreparerPageRapportTransition: on
// the first page the school's bilingual header and the title; who ran the change, from which workstation,
// when it started and ended, the closing and new year; the figures of every table (with the first rows not
// carried and why); the students placed per new class; the students with a decision who were not placed
// (matricule, name, old class, decision); the steps' messages when they were listed; a place to sign. A
// footer on every page with the print date and the page number. Returns the number of pages. Raises EKorven
// when the device cannot be drawn on.
int DessinerRapportTransition(QPagedPaintDevice& Support, const TRapportTransition& Rapport);
