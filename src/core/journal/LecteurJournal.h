#pragma once

#include "core/journal/RequeteJournal.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QTime>

#include <memory>

class TSQLConnection;
struct TEtatLecteurJournal;

// One entry of the journal as the list reads it.
struct TEntreeJournal {
    int Numero = 0;
    QString Utilisateur;
    QDate Date;
    QTime Heure;
    QString Poste;
    QString Domaine;
    QString Operation;
    QString Libelle;
};

// Reads the journal list's selections in a thread of its own, on a connection of its own made like the year
// connection it is given (same server, account, database and encryption), so that the window never waits
// for more than the rows it shows.
//
// A selection is read in one snapshot of the table: its first rows at once (Ouvrir waits for them), then,
// once asked for, the rest of it in the background, in one statement, kept as the server sent it; rows of the
// rest are converted when asked for. Entries written or removed meanwhile change nothing in a selection. A
// new selection stops whatever the previous one was still reading, at the server too.
class TLecteurJournal : public QObject {
    Q_OBJECT
public:
    explicit TLecteurJournal(QObject* parent = nullptr);
    // Stops the reading under way and the thread.
    ~TLecteurJournal() override;

    // Starts reading the selection of Filtre and returns its first Nombre rows, in the list's order. A
    // database error is raised (EKorven, the server's text); nothing of the selection is then kept.
    QList<TEntreeJournal> Ouvrir(TSQLConnection& Annee, const TFiltreJournal& Filtre, int Nombre);
    // Lets the current selection go (its rows and its snapshot); the connection stays open.
    void Fermer();

    // Starts reading the rest of the current selection in the background (once: later calls do nothing).
    void DemarrerSuite();
    // Whether the rest of the current selection is read (or failed), without waiting.
    bool SuiteLue() const;
    // Starts reading the rest if it is not, waits until it is read and returns its number of rows (0 when
    // the first rows were all). A failure is raised (EKorven, the server's text).
    int AttendreSuite();
    // Rows Debut to Debut + Nombre - 1 of the rest (counted from its first row). Raises EKorven.
    QList<TEntreeJournal> LireSuite(int Debut, int Nombre);

signals:
    // The rest of the current selection is read, or failed (in the reader's thread: connect it queued).
    void SuiteTerminee();

private:
    // What the window and the thread share.
    std::unique_ptr<TEtatLecteurJournal> etat_;
};
