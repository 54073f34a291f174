#pragma once

#include <QString>
#include <QWidget>

class TEcritureJournal;
class TSQLQuery;

// The journal window. Made at start-up and kept, hidden, for the whole process. Its writer (core's journal
// writer) appends the entries of sign-ins to the table journal of the database the year connection points at.
class TJournal : public QWidget {
    Q_OBJECT
public:
    explicit TJournal(QWidget* parent = nullptr);
    ~TJournal() override;

    // Appends one entry. An empty login writes nothing. Never fails toward its caller: whatever goes wrong,
    // the entry is simply not written.
    void UpdateJournal(const QString& Login, const QString& LibelleOperation, const QString& Operation,
                       const QString& Domaine);

    TEcritureJournal* Ecriture;
    // The writer's insert statement, bound to the year connection when it runs.
    TSQLQuery* SQLQueryJournalInsert;
};

extern TJournal* Journal;
