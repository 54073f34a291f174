#pragma once

#include <QString>
#include <QWidget>

class TSQLQuery;

// The journal window. Made at start-up and kept, hidden, for the whole process. Its writer appends the
// entries of sign-ins and of the year transition to the table journal of the database the year connection
// points at.
class TJournal : public QWidget {
    Q_OBJECT
public:
    explicit TJournal(QWidget* parent = nullptr);
    ~TJournal() override;

    // Appends one entry. An empty login writes nothing. Never fails toward its caller: whatever goes wrong,
    // the entry is simply not written.
    void UpdateJournal(const QString& Login, const QString& LibelleOperation, const QString& Operation,
                       const QString& Domaine);

    // The insert statement, bound to the year connection when it runs.
    TSQLQuery* SQLQueryJournalInsert;
};

extern TJournal* Journal;
