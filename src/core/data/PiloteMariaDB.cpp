#include "core/data/PiloteMariaDB.h"

#include "core/data/ResultatMariaDB.h"

#include <QDate>
#include <QDateTime>
#include <QSqlError>
#include <QSqlField>
#include <QTime>
#include <QVarLengthArray>

#include <mysql.h>

TPiloteMariaDB::TPiloteMariaDB(QObject* parent) : QSqlDriver(parent) {}

TPiloteMariaDB::~TPiloteMariaDB() {
    close();
}

bool TPiloteMariaDB::hasFeature(DriverFeature fonction) const {
    switch (fonction) {
    case Transactions:
    case QuerySize:
    case BLOB:
    case Unicode:
    case LastInsertId:
    case LowPrecisionNumbers:
    case FinishQuery:
        return true;
    default:
        return false;
    }
}

bool TPiloteMariaDB::open(const QString& base, const QString& utilisateur, const QString& motDePasse,
                          const QString& hote, int port, const QString& /*options*/) {
    close();
    TParametresMariaDB parametres;
    parametres.Hote = hote;
    parametres.Port = port;
    parametres.Utilisateur = utilisateur;
    parametres.MotDePasse = motDePasse;
    parametres.Base = base;
    parametres.Reglages = Reglages;
    TEchecMariaDB echec;
    mysql_ = OuvrirMariaDB(parametres, echec);
    if (mysql_ == nullptr) {
        setLastError(QSqlError(QStringLiteral("Connexion impossible"), echec.Texte,
                               QSqlError::ConnectionError, QString::number(echec.Code)));
        setOpenError(true);
        return false;
    }
    setOpen(true);
    setOpenError(false);
    return true;
}

void TPiloteMariaDB::close() {
    if (mysql_ != nullptr) {
        mysql_close(mysql_);
        mysql_ = nullptr;
    }
    setOpen(false);
    setOpenError(false);
}

QSqlResult* TPiloteMariaDB::createResult() const {
    return new TResultatMariaDB(this);
}

QSqlError TPiloteMariaDB::Erreur(const QString& quoi, QSqlError::ErrorType type) const {
    const unsigned int code = mysql_errno(mysql_);
    QString texte = QString::fromUtf8(mysql_error(mysql_));
    // CR_SERVER_LOST: the server stopped answering (the read or write timeout passed) or the connection was
    // cut while a statement was under way.
    if (code == 2013 && Reglages.DelaiReponse > 0)
        texte = QStringLiteral("Le serveur de base de données n'a pas répondu dans les %1 secondes, ou la "
                               "connexion a été coupée (%2).")
                    .arg(Reglages.DelaiReponse)
                    .arg(texte);
    return QSqlError(quoi, texte, type, QString::number(code));
}

bool TPiloteMariaDB::Transaction(const char* instruction, const QString& quoi) {
    if (mysql_ == nullptr)
        return false;
    if (mysql_real_query(mysql_, instruction, static_cast<unsigned long>(qstrlen(instruction))) != 0) {
        setLastError(Erreur(quoi, QSqlError::TransactionError));
        return false;
    }
    return true;
}

bool TPiloteMariaDB::beginTransaction() {
    return Transaction("START TRANSACTION", QStringLiteral("Début de transaction impossible"));
}

bool TPiloteMariaDB::commitTransaction() {
    return Transaction("COMMIT", QStringLiteral("Validation de la transaction impossible"));
}

bool TPiloteMariaDB::rollbackTransaction() {
    return Transaction("ROLLBACK", QStringLiteral("Annulation de la transaction impossible"));
}

namespace {

bool Nul(const QVariant& valeur) {
    if (valeur.isNull())
        return true;
    switch (valeur.typeId()) {
    case QMetaType::QString:
        return valeur.toString().isNull();
    case QMetaType::QByteArray:
        return valeur.toByteArray().isNull();
    case QMetaType::QDate:
        return !valeur.toDate().isValid();
    case QMetaType::QTime:
        return !valeur.toTime().isValid();
    case QMetaType::QDateTime:
        return !valeur.toDateTime().isValid();
    default:
        return false;
    }
}

QString Quoter(const QString& texte) {
    return QLatin1Char('\'') + texte + QLatin1Char('\'');
}

} // namespace

// A value as a literal of the statement's text: NULL for a null or invalid value, numbers as they are, dates
// and times as the server reads them, bytes in hexadecimal, anything else as an escaped string.
QString TPiloteMariaDB::formatValue(const QSqlField& champ, bool rogner) const {
    const QVariant valeur = champ.value();
    if (Nul(valeur))
        return QStringLiteral("NULL");
    switch (valeur.typeId()) {
    case QMetaType::Bool:
        return valeur.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return QString::number(valeur.toLongLong());
    case QMetaType::UChar:
    case QMetaType::UShort:
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return QString::number(valeur.toULongLong());
    case QMetaType::Float:
    case QMetaType::Double:
        return QString::number(valeur.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::QDate:
        return Quoter(valeur.toDate().toString(Qt::ISODate));
    case QMetaType::QTime:
        return Quoter(valeur.toTime().toString(QStringLiteral("hh:mm:ss.zzz")));
    case QMetaType::QDateTime: {
        const QDateTime moment = valeur.toDateTime();
        return Quoter(moment.date().toString(Qt::ISODate) + QLatin1Char(' ') +
                      moment.time().toString(QStringLiteral("hh:mm:ss.zzz")));
    }
    case QMetaType::QByteArray:
        return QStringLiteral("X'") + QString::fromLatin1(valeur.toByteArray().toHex()) + QLatin1Char('\'');
    default:
        break;
    }
    QString texte = valeur.toString();
    if (rogner)
        texte = texte.trimmed();
    if (mysql_ == nullptr)
        return QSqlDriver::formatValue(champ, rogner);
    const QByteArray octets = texte.toUtf8();
    QVarLengthArray<char, 512> echappe(octets.size() * 2 + 1);
    const unsigned long taille = mysql_real_escape_string(mysql_, echappe.data(), octets.constData(),
                                                          static_cast<unsigned long>(octets.size()));
    return Quoter(QString::fromUtf8(echappe.data(), static_cast<qsizetype>(taille)));
}

QString TPiloteMariaDB::escapeIdentifier(const QString& identifiant, IdentifierType /*type*/) const {
    if (identifiant.size() >= 2 && identifiant.startsWith(QLatin1Char('`')) &&
        identifiant.endsWith(QLatin1Char('`')))
        return identifiant;
    QString echappe = identifiant;
    echappe.replace(QLatin1Char('`'), QStringLiteral("``"));
    return QLatin1Char('`') + echappe + QLatin1Char('`');
}
