#pragma once

#include "core/data/RequeteSQL.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

// The vocabulary the readers of the journal know, in its order (the writer's texts, domains without
// accents).
const QStringList& OperationsJournal();
const QStringList& DomainesJournal();

// The field names of the columns the journal list can be sorted by, in the list's column order: user, date,
// time, workstation, domain, operation.
const QStringList& ChampsTriJournal();

// What the journal window has chosen, as its controls hold it. A list's restriction applies only when its
// selected index is above 0: item 0 is the "all" item, -1 no selection.
struct TFiltreJournal {
    int IndexUtilisateur = -1;
    QString LoginUtilisateur; // login of the user attached to the selected item
    int IndexOperation = -1;
    QString TexteOperation;
    int IndexDomaine = -1;
    QString TexteDomaine;
    QDate Debut;
    QDate Fin;
    // The time range applies to every day of the date range, only when AvecHeures.
    bool AvecHeures = false;
    QTime HeureDebut;
    QTime HeureFin;
    QString Contenant; // text contained in the description
    // Sort column (a field name of ChampsTriJournal, compared exactly) and direction ("ASC" or "DESC").
    QString Trich;
    QString Trisens;
};

// The statement that selects the chosen entries (one text; dates and times are the named parameters
// debut, fin, hdebut and hfin). Every value written into the text is quoted. Its order is total: the sort
// column (the date and time, newest first, when none), its tie-breaks, then the entry's number, so that two
// readings of the same rows give them in the same order.
QString TexteRequeteJournal(const TFiltreJournal& Filtre);

// One key of the list's order.
struct TCleTriJournal {
    QString Champ;
    bool Descendant = false;
};
// The list's whole order, key by key, as TexteRequeteJournal sorts.
QList<TCleTriJournal> OrdreJournal(const TFiltreJournal& Filtre);
// " ORDER BY ..." of that order.
QString TexteOrdreJournal(const TFiltreJournal& Filtre);

// The conditions of the user, kind of operation and domain lists (" AND ..." each, empty for none).
QString ConditionsListesJournal(const TFiltreJournal& Filtre);
// The condition on the contained text, as the statement writes it (" AND (... LIKE ... OR ... LIKE ...)").
QString ConditionContenantJournal(const TFiltreJournal& Filtre);

// debut and fin as "yyyy/MM/dd" texts; with the time range, hdebut and hfin as "hh:mm" texts.
TParams ParametresRequeteJournal(const TFiltreJournal& Filtre);

// A click on the title of the column of field Champ: that column becomes the sort column and the direction
// flips ("ASC" becomes "DESC", anything else "ASC"), whichever column was sorted before.
void BasculerTriJournal(QString& Trich, QString& Trisens, const QString& Champ);
