#pragma once

#include <QList>
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

// One step of the change between the opening of the new year and the journal entry, everything about it in
// one record: its number, what the progress display and the figures call it, its statement's lines, the
// information box shown once it has run (none when empty), the new year's tables it writes, and for the
// figures of "Vérifier" and of the report how its rows compare between the two years. Unqualified names in
// its texts are the new year's tables; names qualified by AncienneBase the closing year's; the closing year's
// row is O in the comparison's texts.
struct TEtapeCopie {
    int Numero = 0;
    QString Libelle{};
    QStringList Lignes{};
    QString Boite{};
    QStringList Tables{};
    TNatureEtape Nature = TNatureEtape::Copie;

    // The comparison (Copie): the closing year's table, the columns that identify a row in both years, which
    // of the closing year's rows the step takes and which of the new year's rows it fills (empty: all), what
    // names a row besides its key (empty: the key alone), why a row is left behind when the statement's
    // conditions say it (a CASE giving NULL otherwise; empty: never said).
    QString Source{};
    QStringList Cles{};
    QString FiltreSource{};
    QString FiltreCible{};
    QString Etiquette{};
    QString Motif{};

    // A text of the step with the closing year's database in it (its name written unquoted).
    static QString Texte(QString texte, const QString& ancienneBase) {
        return texte.replace(AncienneBase, ancienneBase);
    }
    // The statement's lines, for the closing year's database ancienneBase.
    QStringList Instruction(const QString& ancienneBase) const;
};

// The copy steps, in their order, numbered.
const QList<TEtapeCopie>& EtapesCopie();

// Every table of the new year's database a change writes (the copies' and the journal), in lower case.
QStringList TablesEcritesTransition();
