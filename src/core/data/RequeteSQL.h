#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <utility>

class TSQLConnection;

// Named parameters of a statement (":pas" is set as {"pas", value}), in the order they were set.
using TParams = QList<std::pair<QString, QVariant>>;

// One column value of the current row.
class TChamp {
public:
    TChamp() = default;
    explicit TChamp(QVariant valeur) : valeur_(std::move(valeur)) {}
    bool IsNull() const { return valeur_.isNull(); }
    QString AsString() const;
    int AsInteger() const;
    double AsFloat() const;
    QDateTime AsDateTime() const;
    QDate AsDate() const;
    QByteArray AsBytes() const;
    const QVariant& Valeur() const { return valeur_; }

private:
    QVariant valeur_;
};

// The complete result of a statement, fetched at once, so its size is known before reading.
struct TResultat {
    QStringList Colonnes;
    QList<QVariantList> Lignes;
    int Colonne(const QString& nom) const; // -1 when absent; names compared without regard to case
};

// A statement: SQL text made of lines and named parameters, run on one connection.
class TSQLQuery : public QObject {
    Q_OBJECT
public:
    explicit TSQLQuery(QObject* parent = nullptr, const QString& objectName = QString());

    QPointer<TSQLConnection> SQLConnection;
    QStringList SQL;
    TParams Params;

    // The statement pattern: close, replace the text, set the parameters.
    void Preparer(const QStringList& lignes, const TParams& parametres = {});
    void SetParam(const QString& nom, const QVariant& valeur);

    void Close() { active_ = false; }
    bool Active() const { return active_; }
    // The text as sent: the lines joined by line breaks.
    QString Texte() const { return SQL.size() == 1 ? SQL.constFirst() : SQL.join(QLatin1Char('\n')); }

    // Runs the statement for no rows.
    void ExecSQL();

    // Called with every statement just before the server gets it; empty unless a test watches. Whatever it
    // raises stops the statement as a server error would.
    static inline std::function<void(const TSQLQuery&)> AvantExecution;
    // Runs the statement and fetches every row.
    TResultat Lire();
    // Runs the statement and hands its result over, to be read forward row by row as the reader needs the
    // rows (a list that shows the first rows before it has converted the others). Errors as Lire.
    QSqlQuery Curseur();

private:
    bool active_ = false;
};

// Links a result set to a statement, under a name that the result set looks up.
class TDataSetProvider : public QObject {
    Q_OBJECT
public:
    explicit TDataSetProvider(QObject* parent = nullptr, const QString& objectName = QString())
        : QObject(parent) {
        setObjectName(objectName);
    }
    QPointer<TSQLQuery> DataSet;
};

// An in-memory result set that takes its rows from the provider named ProviderName, a sibling of its own.
// Open runs the statement and fetches the whole result; rows are then read from first to last.
class TClientDataSet : public QObject {
    Q_OBJECT
public:
    explicit TClientDataSet(QObject* parent = nullptr, const QString& objectName = QString())
        : QObject(parent) {
        setObjectName(objectName);
    }

    QString ProviderName;

    void Open();
    void Close();
    bool Active() const { return active_; }

    int RecordCount() const { return static_cast<int>(resultat_.Lignes.size()); }
    bool IsEmpty() const { return resultat_.Lignes.isEmpty(); }
    void First() { ligne_ = 0; }
    void Next() { ++ligne_; }
    bool Eof() const { return ligne_ >= RecordCount(); }
    // The column of the current row; EKorven when the column does not exist or no row is current.
    TChamp FieldByName(const QString& nom) const;
    const TResultat& Resultat() const { return resultat_; }

private:
    bool active_ = false;
    TResultat resultat_;
    int ligne_ = 0;
};

// One statement on a connection, made and run at once: run it, read its whole result, or read the first value
// of its first row (an invalid value when it has none). Raise EKorven with the server's text.
void ExecuterSQL(TSQLConnection* connexion, const QString& texte, const TParams& parametres = {});
TResultat LireSQL(TSQLConnection* connexion, const QString& texte, const TParams& parametres = {});
QVariant ValeurSQL(TSQLConnection* connexion, const QString& texte, const TParams& parametres = {});
