#pragma once

#include <QDate>
#include <QSqlQuery>
#include <QString>

#include <memory>
#include <vector>

// Reads the rows of a statement's result straight from the buffers of the MariaDB client library, where the
// program's driver holds the whole result of a statement: each text is decoded from them once, without a
// QVariant per value, and a text equal to the one just above it in its column is shared with it, not decoded
// again (a school's nationalities, classes, places of birth and decisions repeat from row to row). The values
// are those the driver would give: texts decoded from UTF-8 (NULL a null text), dates in ISO form, whole
// numbers.
//
// Where the result is not held that way (another driver), or when asked to, the rows are read through the
// query itself, value by value: same values.
class TLectureDirecte {
public:
    // Q has been run (forward only); its rows are read from the first. Directe false: through the query.
    explicit TLectureDirecte(QSqlQuery& Q, bool Directe = true);
    ~TLectureDirecte();
    TLectureDirecte(const TLectureDirecte&) = delete;
    TLectureDirecte& operator=(const TLectureDirecte&) = delete;

    // Whether the rows come straight from the client library.
    bool Directe() const;
    // Moves to the next row; false after the last.
    bool Suivante();

    // The values of the current row, column by column.
    bool EstNul(int Colonne) const;
    QString Texte(int Colonne);
    QDate Date(int Colonne) const;
    // 0 for NULL or a value that is not a whole number.
    int Entier(int Colonne) const;

private:
    struct Interne;
    QSqlQuery& q_;
    std::unique_ptr<Interne> interne_;
};
