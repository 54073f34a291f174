#pragma once

#include "core/journal/RequeteJournal.h"

#include <QDialog>
#include <QPointer>
#include <QString>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTimeEdit;
class TEcritureJournal;
class TImprimeJournal;
class TModeleJournal;
class TSQLQuery;

// The journal window. Made at start-up and kept, hidden, for the whole process. Its writer (core's journal
// writer) appends the entries of sign-ins to the table journal of the database the year connection points at.
//
// Shown (modally, OuvrirPourAnnee), it lists the entries of that table filtered by user, domain, kind of
// operation, date range, optional time range and a text contained in the description, sorted by the clicked
// column, with the description of the current entry below the list; "&Imprimer" previews the same selection
// as a printed report. Every change of a filter runs the selection again; an error is shown in the error box
// and leaves the list empty, the window usable.
class TJournal : public QDialog {
    Q_OBJECT
public:
    explicit TJournal(QWidget* parent = nullptr);
    ~TJournal() override;

    // Appends one entry. An empty login writes nothing. Never fails toward its caller: whatever goes wrong,
    // the entry is simply not written.
    void UpdateJournal(const QString& Login, const QString& LibelleOperation, const QString& Operation,
                       const QString& Domaine);

    // Opens the window for year AnneeScolaire and returns when the user closes it: the user list (every user
    // of the year, after the item for all users), the domain and operation lists, the dates of the current
    // month by the server's clock, then the selection. When the lists or the clock cannot be read, the error
    // is shown and the window does not open. Never raises.
    void OuvrirPourAnnee(const QString& AnneeScolaire);
    // Everything OuvrirPourAnnee does before showing the window; false once the error is shown.
    bool PreparerPourAnnee(const QString& AnneeScolaire);

    // Empties both vocabulary lists and fills them with the "all" item then the writer's vocabulary; item 0
    // selected.
    void LoadDomaineAndOperation();
    // Runs the selection again. A database error leaves the list empty and is raised (EKorven).
    void RafraichirTab();
    // The controls' choices and the sort state, as the statement uses them.
    TFiltreJournal FiltreCourant() const;

    // A click on the title of column Colonne: sort by it, the direction flipping at each click.
    void DBGrid1TitleClick(int Colonne);
    // The current row changed: the memo shows its description, or nothing without a current row.
    void ClientDataSet1AfterScroll();
    // Builds the report of the current selection and shows it in a print preview.
    void BitBtnImprimerClick();

    TEcritureJournal* Ecriture;
    // The writer's insert statement, bound to the year connection when it runs.
    TSQLQuery* SQLQueryJournalInsert;
    // The rows the list shows: the first ones at once, the rest as soon as it is read.
    TModeleJournal* ClientDataSet1;

    QComboBox* ComboBoxUtilisateur;
    QComboBox* ComboBoxDomaine;
    QComboBox* ComboBoxOperation;
    QDateEdit* DateTimePickerDateDebut;
    QDateEdit* DateTimePicker2;
    QCheckBox* CheckBox5;
    QTimeEdit* DateTimePicker3;
    QTimeEdit* DateTimePicker4;
    QLineEdit* EditContenant;
    QTableView* DBGrid1;
    QPlainTextEdit* Memo1;
    QPushButton* BitBtnImprimer;
    QPushButton* BitBtn4;

    // Sort column (field name) and direction; empty until a title is clicked.
    QString Trich;
    QString Trisens;
    // The year printed in the report's header.
    QString AnneeScolaire;
    // The report made by the last "&Imprimer" (every report belongs to this window).
    QPointer<TImprimeJournal> ImprimeCourant;

private:
    void CreerFiltres();
    void CreerListe();
    void Disposer();
    void Connecter();
    // A filter changed: the selection runs again; an error is shown.
    void FiltreModifie();
    void AfficherTri();
};
