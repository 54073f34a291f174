#pragma once

#include <QAbstractTableModel>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlQuery>
#include <QTime>

class TSQLQuery;

// One entry of the journal as the list reads it.
struct TEntreeJournal {
    int Numero = 0;
    QString Utilisateur;
    QDate Date;
    QTime Heure;
    QDateTime DateHeure;
    QString Poste;
    QString Domaine;
    QString Operation;
    QString Libelle;
};

// The value of a date-and-time column of the journal (date_heure) as the workstation's local date and time,
// whether the driver gives a date-time or its text.
QDateTime DateHeureJournal(const QVariant& Valeur);

// The rows of the journal list: the result of the list's statement, read forward as the grid scrolls. Opening
// runs the statement and converts the first rows only; the grid asks for more (canFetchMore / fetchMore) as
// it needs them. Columns: "Utilisateur", "Date", "Heure", "Machine", "Domaine", "Opération". Read only.
class TModeleJournal : public QAbstractTableModel {
    Q_OBJECT
public:
    // Rows converted at a time.
    static constexpr int TailleLot = 256;

    explicit TModeleJournal(QObject* parent = nullptr);

    // Empties the list, runs the statement and reads its first rows. A database error leaves the list empty
    // and is raised (EKorven).
    void Ouvrir(TSQLQuery& Requete);
    // Empties the list and lets the result go.
    void Fermer();
    bool Actif() const { return actif_; }

    // The entry of row Ligne (read already).
    const TEntreeJournal& Entree(int Ligne) const { return lignes_.at(Ligne); }
    // Whether every row of the result has been read.
    bool Complet() const { return !actif_ || !curseur_.isActive(); }

    // The field name of a column, for sorting ("utilisateur", "date", ...); empty outside the columns.
    static QString ChampColonne(int Colonne);
    // The column of a field name, -1 when no column shows it.
    static int ColonneChamp(const QString& Champ);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent = QModelIndex()) const override;
    void fetchMore(const QModelIndex& parent = QModelIndex()) override;

private:
    // Converts up to n more rows; the result goes once its last row is read.
    QList<TEntreeJournal> Lire(int n);

    QSqlQuery curseur_;
    QList<TEntreeJournal> lignes_;
    bool actif_ = false;
    // Positions of the columns in the result.
    int numero_ = -1, utilisateur_ = -1, date_ = -1, heure_ = -1, dateHeure_ = -1, poste_ = -1, domaine_ = -1,
        operation_ = -1, libelle_ = -1;
};
