#pragma once

#include "core/journal/LecteurJournal.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QHash>
#include <QList>

class TSQLConnection;

// The value of a date-and-time column of the journal (date_heure) as the workstation's local date and time,
// whether the driver gives a date-time or its text.
QDateTime DateHeureJournal(const QVariant& Valeur);

// The rows of the journal list: the selection of the window's choices, as the server orders it. Opening shows
// its first rows at once; the rest is read in the background (TLecteurJournal) and joins the list whole as
// soon as it is read, or when the grid asks for more (canFetchMore / fetchMore), so that the grid's scroll
// bar covers the whole selection and reaches its end. Rows of the rest are converted as the grid shows them.
// Columns: "Utilisateur", "Date", "Heure", "Machine", "Domaine", "Opération". Read only.
class TModeleJournal : public QAbstractTableModel {
    Q_OBJECT
public:
    // The first rows, and the rows of the rest converted at a time.
    static constexpr int TailleLot = 256;

    explicit TModeleJournal(QObject* parent = nullptr);

    // Empties the list and starts reading the selection of Filtre on a connection made like Annee (the year
    // connection), then shows its first rows. A database error leaves the list empty and is raised (EKorven).
    void Ouvrir(TSQLConnection& Annee, const TFiltreJournal& Filtre);
    // Empties the list and lets the selection go.
    void Fermer();
    bool Actif() const { return actif_; }
    // The selections opened since the model was made.
    int Selections() const { return selections_; }

    // The entry of row Ligne (below rowCount()).
    TEntreeJournal Entree(int Ligne) const;
    // Whether every row of the selection is in the list.
    bool Complet() const { return !actif_ || !suiteAttendue_; }

    // The field name of a column, for sorting ("utilisateur", "date", ...); empty outside the columns.
    static QString ChampColonne(int Colonne);
    // The column of a field name, -1 when no column shows it.
    static int ColonneChamp(const QString& Champ);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Whether the rest of the selection has still to join the list.
    bool canFetchMore(const QModelIndex& parent = QModelIndex()) const override;
    // Waits for the rest (when it is not read yet) and adds it to the list.
    void fetchMore(const QModelIndex& parent = QModelIndex()) override;

signals:
    // The rest of the selection could not be read: the server's text. The rows already listed stay.
    void ErreurLecture(const QString& Texte);

private:
    // Adds the rest, read, to the list; a failure ends the reading and is told by ErreurLecture.
    void AjouterSuite();
    // The entry of a row of the rest, its batch converted and kept when needed.
    const TEntreeJournal& LigneSuite(int Ligne) const;

    TLecteurJournal* lecteur_;
    QList<TEntreeJournal> premieres_;
    int lignesSuite_ = 0;
    bool actif_ = false;
    bool suiteAttendue_ = false;
    int selections_ = 0;
    // Converted batches of the rest, by number; the oldest go beyond a few thousand rows.
    mutable QHash<int, QList<TEntreeJournal>> lots_;
    mutable QList<int> ordreLots_;
};
