#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The steps of a year's change, numbered in the order they run. The steps that are not copies have names; the
// copies are records of their own (EtapesCopie), numbered after the opening of the new year; the number of
// steps follows from both.
enum class TEtapeFixe {
    Connexion,      // the connection switch: steps 1 to EtapesConnexion
    Transaction,    // the transaction opens
    ClotureAnnee,   // the closing year is closed in the master table
    OuvertureAnnee, // the new year is registered there
    Journal,        // the journal entry, after the copies
    Validation,     // the commit (the preview reads its figures and undoes everything instead)
    Fin,            // the closing box
    Redemarrage     // the application ends
};

// The connection switch counts as five steps (the new database's name, closing the connection, its
// parameters, the connection's test, the box saying it worked) and is reported once, as steps 1 to 5.
inline constexpr int EtapesConnexion = 5;

int NumeroEtape(TEtapeFixe etape);
int NombreEtapesTransition();

// What a copy step does besides running its statement.
enum class TNatureEtape {
    Copie,    // copies rows of the closing year: the figures compare the two years' tables
    Eleves,   // writes the placed students from the placement (no statement of its own), when students are
              // carried
    Fabrique, // makes rows from the new year's own tables: the figures count them
    MiseAJour // updates rows of the new year: no figures
};

// Where the closing year's database goes in the texts of a step: Texte() puts its name there.
inline const QString AncienneBase = QStringLiteral("{ancienne}");

// A condition a row of the closing year must meet to be copied, on that row (O), and why a row that does not
// is left behind, as the figures say it (empty: nothing is said, the row is simply not the copy's).
struct TConditionCopie {
    QString Expression{};
    QString Motif{};
};

// One step of the change between the opening of the new year and the journal entry, everything about it in
// one record: its number, what the progress display and the figures call it, the information box shown once
// it has run (none when empty), the new year's tables it writes, and what it does. Unqualified names in its
// texts are the new year's tables; names qualified by AncienneBase the closing year's; the closing year's row
// is O.
//
// A copy (Copie) is stated once, column by column: its statement and the comparison of "Vérifier" and of the
// report both follow from it. It inserts into its table (the first of Tables) the columns of the closing
// year's table Source, each as it is unless Valeurs gives it an expression, for the rows of Source that pass
// FiltreSource, whose key (Cles) the new year does not hold yet, and that meet every condition. The
// comparison counts the rows of Source that pass FiltreSource and those of the new table that pass
// FiltreCible (empty: all), names a row by its key and Etiquette (empty: the key alone), and says why one is
// left behind from the conditions' motifs, in their order.
// The other steps run their statement's lines as they are (Lignes).
struct TEtapeCopie {
    int Numero = 0;
    QString Libelle{};
    QString Boite{};
    QStringList Tables{};
    TNatureEtape Nature = TNatureEtape::Copie;

    QString Source{};
    QStringList Colonnes{};
    QList<QPair<QString, QString>> Valeurs{};
    QStringList Cles{};
    QList<TConditionCopie> Conditions{};
    QString FiltreSource{};
    QString FiltreCible{};
    QString Etiquette{};

    QStringList Lignes{};

    // A text of the step with the closing year's database in it (its name written unquoted).
    static QString Texte(QString texte, const QString& ancienneBase) {
        return texte.replace(AncienneBase, ancienneBase);
    }
    // The statement's lines, for the closing year's database ancienneBase.
    QStringList Instruction(const QString& ancienneBase) const;
    // Why a row of the closing year is left behind: a CASE over the conditions' motifs, NULL when none
    // applies (empty when no condition has a motif). Its texts hold AncienneBase.
    QString Motif() const;
};

// The copy steps, in their order, numbered.
const QList<TEtapeCopie>& EtapesCopie();

// Every table of the new year's database a change writes (the copies' and the journal), in lower case.
QStringList TablesEcritesTransition();
