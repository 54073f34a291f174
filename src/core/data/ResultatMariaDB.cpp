#include "core/data/ResultatMariaDB.h"

#include "core/data/PiloteMariaDB.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QSqlError>
#include <QSqlField>
#include <QTime>

#include <mysql.h>

namespace {

// The type Qt's MySQL driver gives a column: the type of its values, and of its NULL.
QMetaType TypeColonne(enum_field_types type, unsigned int drapeaux) {
    const bool nonSigne = (drapeaux & UNSIGNED_FLAG) != 0;
    switch (type) {
    case MYSQL_TYPE_TINY:
        return QMetaType(nonSigne ? QMetaType::UChar : QMetaType::Char);
    case MYSQL_TYPE_SHORT:
        return QMetaType(nonSigne ? QMetaType::UShort : QMetaType::Short);
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_INT24:
        return QMetaType(nonSigne ? QMetaType::UInt : QMetaType::Int);
    case MYSQL_TYPE_YEAR:
        return QMetaType(QMetaType::Int);
    case MYSQL_TYPE_BIT:
    case MYSQL_TYPE_LONGLONG:
        return QMetaType(nonSigne ? QMetaType::ULongLong : QMetaType::LongLong);
    case MYSQL_TYPE_FLOAT:
    case MYSQL_TYPE_DOUBLE:
    case MYSQL_TYPE_DECIMAL:
    case MYSQL_TYPE_NEWDECIMAL:
        return QMetaType(QMetaType::Double);
    case MYSQL_TYPE_DATE:
        return QMetaType(QMetaType::QDate);
    case MYSQL_TYPE_TIME:
        // From -838:59:59 to 838:59:59: more than a time of day.
        return QMetaType(QMetaType::QString);
    case MYSQL_TYPE_DATETIME:
    case MYSQL_TYPE_TIMESTAMP:
        return QMetaType(QMetaType::QDateTime);
    case MYSQL_TYPE_STRING:
    case MYSQL_TYPE_VAR_STRING:
    case MYSQL_TYPE_BLOB:
    case MYSQL_TYPE_TINY_BLOB:
    case MYSQL_TYPE_MEDIUM_BLOB:
    case MYSQL_TYPE_LONG_BLOB:
    case MYSQL_TYPE_GEOMETRY:
    case MYSQL_TYPE_JSON:
        return QMetaType((drapeaux & BINARY_FLAG) != 0 ? QMetaType::QByteArray : QMetaType::QString);
    default:
        return QMetaType(QMetaType::QString);
    }
}

// A number of exactly n decimal digits, or -1.
int Nombre(const char* texte, int n) {
    int valeur = 0;
    for (int i = 0; i < n; ++i) {
        const char c = texte[i];
        if (c < '0' || c > '9')
            return -1;
        valeur = valeur * 10 + (c - '0');
    }
    return valeur;
}

// The server's "yyyy-MM-dd", read without the general ISO reader (a journal of 200,000 rows holds as many
// dates); any other form goes to it.
QDate Date(const char* texte, unsigned long n) {
    if (n == 0)
        return QDate();
    if (n == 10 && texte[4] == '-' && texte[7] == '-') {
        const int annee = Nombre(texte, 4), mois = Nombre(texte + 5, 2), jour = Nombre(texte + 8, 2);
        if (annee >= 0 && mois >= 0 && jour >= 0)
            return QDate(annee, mois, jour);
    }
    return QDate::fromString(QString::fromLatin1(texte, static_cast<qsizetype>(n)), Qt::ISODate);
}

QDateTime Moment(const char* texte, unsigned long n) {
    if (n == 0)
        return QDateTime();
    if (n == 19 && texte[10] == ' ') {
        const QDate date = Date(texte, 10);
        const char* h = texte + 11;
        const int heures = Nombre(h, 2), minutes = Nombre(h + 3, 2), secondes = Nombre(h + 6, 2);
        const QTime heure = h[2] == ':' && h[5] == ':' && heures >= 0 && minutes >= 0 && secondes >= 0
                                ? QTime(heures, minutes, secondes)
                                : QTime();
        if (date.isValid() && heure.isValid())
            return QDateTime(date, heure);
    }
    QString iso = QString::fromLatin1(texte, static_cast<qsizetype>(n));
    // A TIMESTAMP of old servers comes as yyyyMMddhhmmss.
    if (iso.size() == 14)
        iso.insert(4, QLatin1Char('-'))
            .insert(7, QLatin1Char('-'))
            .insert(10, QLatin1Char('T'))
            .insert(13, QLatin1Char(':'))
            .insert(16, QLatin1Char(':'));
    return QDateTime::fromString(iso, Qt::ISODate);
}

} // namespace

TResultatMariaDB::TResultatMariaDB(const TPiloteMariaDB* pilote) : QSqlResult(pilote), pilote_(pilote) {}

TResultatMariaDB::~TResultatMariaDB() {
    Liberer();
}

void TResultatMariaDB::Liberer() {
    if (resultat_ != nullptr)
        mysql_free_result(resultat_);
    resultat_ = nullptr;
    ligne_ = nullptr;
    longueurs_ = nullptr;
    lignes_ = 0;
    types_.clear();
    enregistrement_.clear();
    modifiees_ = -1;
    dernierId_ = 0;
    setAt(QSql::BeforeFirstRow);
    setActive(false);
    setSelect(false);
}

void TResultatMariaDB::detachFromResultSet() {
    Liberer();
}

bool TResultatMariaDB::reset(const QString& instruction) {
    Liberer();
    MYSQL* mysql = pilote_ == nullptr ? nullptr : pilote_->Session();
    if (mysql == nullptr || driver() == nullptr || !driver()->isOpen()) {
        setLastError(QSqlError(QStringLiteral("La connexion n'est pas ouverte."), QString(),
                               QSqlError::ConnectionError));
        return false;
    }
    const auto echec = [&](const QString& quoi) {
        setLastError(pilote_->Erreur(quoi, QSqlError::StatementError));
        Liberer();
        return false;
    };
    const QByteArray texte = instruction.toUtf8();
    if (mysql_real_query(mysql, texte.constData(), static_cast<unsigned long>(texte.size())) != 0)
        return echec(QStringLiteral("Exécution de la requête impossible"));
    resultat_ = mysql_store_result(mysql);
    const unsigned int colonnes = mysql_field_count(mysql);
    if (resultat_ == nullptr && colonnes > 0)
        return echec(QStringLiteral("Lecture du résultat impossible"));
    modifiees_ = colonnes > 0 ? -1 : static_cast<qint64>(mysql_affected_rows(mysql));
    dernierId_ = mysql_insert_id(mysql);
    // Later results (a procedure's status, say) are read and left here, so the session is ready for the next
    // statement; a failure among them fails this one.
    while (mysql_more_results(mysql)) {
        const int suite = mysql_next_result(mysql);
        if (suite > 0)
            return echec(QStringLiteral("Exécution de la requête impossible"));
        if (suite < 0)
            break;
        if (MYSQL_RES* autre = mysql_store_result(mysql))
            mysql_free_result(autre);
    }
    if (resultat_ != nullptr) {
        lignes_ = static_cast<qint64>(mysql_num_rows(resultat_));
        const MYSQL_FIELD* champs = mysql_fetch_fields(resultat_);
        types_.reserve(colonnes);
        for (unsigned int i = 0; i < colonnes; ++i) {
            const MYSQL_FIELD& c = champs[i];
            const QMetaType type = TypeColonne(c.type, c.flags);
            types_.append(type);
            QSqlField champ(QString::fromUtf8(c.name), type, QString::fromUtf8(c.table));
            champ.setRequired((c.flags & NOT_NULL_FLAG) != 0);
            champ.setLength(static_cast<int>(c.length));
            champ.setPrecision(static_cast<int>(c.decimals));
            champ.setAutoValue((c.flags & AUTO_INCREMENT_FLAG) != 0);
            enregistrement_.append(champ);
        }
    }
    setSelect(resultat_ != nullptr);
    setActive(true);
    return true;
}

bool TResultatMariaDB::fetchNext() {
    if (resultat_ == nullptr)
        return false;
    ligne_ = mysql_fetch_row(resultat_);
    if (ligne_ == nullptr) {
        longueurs_ = nullptr;
        return false;
    }
    longueurs_ = mysql_fetch_lengths(resultat_);
    setAt(at() + 1);
    return true;
}

bool TResultatMariaDB::fetch(int ligne) {
    if (resultat_ == nullptr || ligne < 0 || ligne >= lignes_)
        return false;
    if (ligne == at())
        return true;
    if (ligne != at() + 1) {
        if (isForwardOnly() && ligne < at())
            return false;
        mysql_data_seek(resultat_, static_cast<my_ulonglong>(ligne));
        setAt(ligne - 1);
    }
    return fetchNext();
}

bool TResultatMariaDB::fetchFirst() {
    return fetch(0);
}

bool TResultatMariaDB::fetchLast() {
    return fetch(static_cast<int>(lignes_) - 1);
}

bool TResultatMariaDB::isNull(int colonne) {
    return ligne_ == nullptr || colonne < 0 || colonne >= types_.size() || ligne_[colonne] == nullptr;
}

QVariant TResultatMariaDB::data(int colonne) {
    if (ligne_ == nullptr || colonne < 0 || colonne >= types_.size())
        return QVariant();
    const QMetaType type = types_.at(colonne);
    const char* valeur = ligne_[colonne];
    if (valeur == nullptr)
        return QVariant(type);
    const unsigned long n = longueurs_[colonne];
    // The bytes as they are, without a copy, for the numeric readers.
    const QByteArray brut = QByteArray::fromRawData(valeur, static_cast<qsizetype>(n));
    switch (type.id()) {
    case QMetaType::Char:
    case QMetaType::Short:
    case QMetaType::Int:
        return QVariant(brut.toInt());
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
        return QVariant(brut.toUInt());
    case QMetaType::LongLong:
        return QVariant(brut.toLongLong());
    case QMetaType::ULongLong:
        return QVariant(brut.toULongLong());
    case QMetaType::Double: {
        bool ok = false;
        const double nombre = brut.toDouble(&ok);
        switch (numericalPrecisionPolicy()) {
        case QSql::LowPrecisionInt32:
            return ok ? QVariant(QVariant(nombre).toInt()) : QVariant();
        case QSql::LowPrecisionInt64:
            return ok ? QVariant(QVariant(nombre).toLongLong()) : QVariant();
        case QSql::LowPrecisionDouble:
            return ok ? QVariant(nombre) : QVariant();
        default:
            return QVariant(QString::fromUtf8(valeur, static_cast<qsizetype>(n)));
        }
    }
    case QMetaType::QDate:
        return QVariant(Date(valeur, n));
    case QMetaType::QDateTime:
        return QVariant(Moment(valeur, n));
    case QMetaType::QByteArray:
        return QVariant(QByteArray(valeur, static_cast<qsizetype>(n)));
    default:
        return QVariant(QString::fromUtf8(valeur, static_cast<qsizetype>(n)));
    }
}

QVariant TResultatMariaDB::handle() const {
    return QVariant::fromValue(resultat_);
}

int TResultatMariaDB::size() {
    return resultat_ == nullptr ? -1 : static_cast<int>(lignes_);
}

int TResultatMariaDB::numRowsAffected() {
    return static_cast<int>(modifiees_);
}

QVariant TResultatMariaDB::lastInsertId() const {
    return isActive() && dernierId_ != 0 ? QVariant(static_cast<qulonglong>(dernierId_)) : QVariant();
}

QSqlRecord TResultatMariaDB::record() const {
    return isActive() ? enregistrement_ : QSqlRecord();
}
