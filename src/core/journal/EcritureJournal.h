#pragma once

#include <QObject>
#include <QString>

class TSQLQuery;

// The journal writer: appends one entry (who, what, which kind of operation, which domain, from which
// workstation, the server's date and time to the minute) to the table journal of the database the year
// connection points at. The entry belongs to whatever transaction is open there. The journal window
// delegates to it; the year transition has its own.
class TEcritureJournal : public QObject {
    Q_OBJECT
public:
    explicit TEcritureJournal(QObject* parent = nullptr);

    // Appends one entry. An empty login writes nothing. Never fails toward its caller: whatever goes wrong,
    // the entry is simply not written.
    void UpdateJournal(const QString& Login, const QString& LibelleOperation, const QString& Operation,
                       const QString& Domaine);

    // The workstation as an entry names it: its name, "-", its address.
    static QString Poste();

    // The insert statement, bound to the year connection when it runs.
    TSQLQuery* SQLQueryJournalInsert;
};
