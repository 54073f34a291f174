#pragma once

#include <QList>
#include <QMetaType>
#include <QSqlRecord>
#include <QSqlResult>

class TPiloteMariaDB;
struct st_mysql_res;
// The client library's result, as the handle of a statement's result (TLectureDirecte reads it).
Q_DECLARE_OPAQUE_POINTER(st_mysql_res*)
Q_DECLARE_METATYPE(st_mysql_res*)

// One statement of TPiloteMariaDB and its result, fetched whole as the statement runs; later results (a
// procedure's status) are read then, so the session is ready for the next statement at once.
class TResultatMariaDB : public QSqlResult {
public:
    explicit TResultatMariaDB(const TPiloteMariaDB* pilote);
    ~TResultatMariaDB() override;
    // The client library's whole result of a statement that gave rows, else null.
    QVariant handle() const override;

protected:
    bool reset(const QString& instruction) override;
    bool fetch(int ligne) override;
    bool fetchNext() override;
    bool fetchFirst() override;
    bool fetchLast() override;
    QVariant data(int colonne) override;
    bool isNull(int colonne) override;
    int size() override;
    int numRowsAffected() override;
    QVariant lastInsertId() const override;
    QSqlRecord record() const override;
    void detachFromResultSet() override;

private:
    void Liberer();

    const TPiloteMariaDB* pilote_;
    st_mysql_res* resultat_ = nullptr;
    char** ligne_ = nullptr;
    unsigned long* longueurs_ = nullptr;
    qint64 lignes_ = 0;
    // The type of each column, as Qt's MySQL driver gives it.
    QList<QMetaType> types_;
    QSqlRecord enregistrement_;
    qint64 modifiees_ = -1;
    quint64 dernierId_ = 0;
};
