#include "core/data/RequeteSQL.h"

#include "base/KORVENTypesU.h"
#include "core/data/ConnexionSQL.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

QString TChamp::AsString() const {
    if (valeur_.isNull())
        return QString();
    switch (valeur_.typeId()) {
    case QMetaType::QDate:
        return valeur_.toDate().toString(QStringLiteral("yyyy/MM/dd"));
    case QMetaType::QDateTime:
        return valeur_.toDateTime().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    case QMetaType::QByteArray:
        return QString::fromUtf8(valeur_.toByteArray());
    default:
        return valeur_.toString();
    }
}

int TChamp::AsInteger() const {
    if (valeur_.isNull())
        return 0;
    bool ok = false;
    const int n = valeur_.toInt(&ok);
    if (!ok)
        throw EKorven(QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(valeur_.toString()));
    return n;
}

double TChamp::AsFloat() const {
    if (valeur_.isNull())
        return 0.0;
    bool ok = false;
    const double x = valeur_.toDouble(&ok);
    if (!ok)
        throw EKorven(QStringLiteral("'%1' n'est pas une valeur numérique correcte").arg(valeur_.toString()));
    return x;
}

QDateTime TChamp::AsDateTime() const {
    if (valeur_.isNull())
        return QDateTime();
    if (valeur_.typeId() == QMetaType::QDate)
        return valeur_.toDate().startOfDay();
    return valeur_.toDateTime();
}

QDate TChamp::AsDate() const {
    // A date column is taken as it is, without a detour through a moment of the local time zone (which
    // costs more than the whole rest of reading a student).
    if (valeur_.typeId() == QMetaType::QDate)
        return valeur_.toDate();
    return AsDateTime().date();
}

QByteArray TChamp::AsBytes() const {
    return valeur_.isNull() ? QByteArray() : valeur_.toByteArray();
}

int TResultat::Colonne(const QString& nom) const {
    for (int i = 0; i < Colonnes.size(); ++i)
        if (Colonnes[i].compare(nom, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

TSQLQuery::TSQLQuery(QObject* parent, const QString& objectName) : QObject(parent) {
    setObjectName(objectName);
}

void TSQLQuery::Preparer(const QStringList& lignes, const TParams& parametres) {
    Close();
    SQL = lignes;
    Params = parametres;
}

void TSQLQuery::SetParam(const QString& nom, const QVariant& valeur) {
    for (auto& [n, v] : Params)
        if (n.compare(nom, Qt::CaseInsensitive) == 0) {
            v = valeur;
            return;
        }
    Params.append({nom, valeur});
}

namespace {

// Raises the server's error. When the server went away (restarted, connection killed), the connection is
// closed outside a transaction, so that the next statement connects afresh instead of failing the same way
// for ever; inside one, the transaction's owner rolls back and reconnects itself.
[[noreturn]] void Echec(TSQLQuery& requete, const QSqlError& erreur) {
    const QString code = erreur.nativeErrorCode();
    if ((code == QLatin1String("2006") || code == QLatin1String("2013")) && !requete.SQLConnection.isNull() &&
        !requete.SQLConnection->InTransaction())
        requete.SQLConnection->Close();
    throw ErreurBase(erreur);
}

// Runs the text on the connection: as it stands when it has no parameters (so nothing in it is read as a
// placeholder), prepared with its named parameters otherwise.
QSqlQuery Executer(TSQLQuery& requete) {
    if (requete.SQLConnection.isNull())
        throw EKorven(
            QStringLiteral("La requête '%1' n'est liée à aucune connexion.").arg(requete.objectName()));
    QSqlQuery q(requete.SQLConnection->Base());
    q.setForwardOnly(true);
    if (TSQLQuery::AvantExecution)
        TSQLQuery::AvantExecution(requete);
    bool ok;
    if (requete.Params.isEmpty()) {
        ok = q.exec(requete.Texte());
    } else {
        if (!q.prepare(requete.Texte()))
            Echec(requete, q.lastError());
        for (const auto& [nom, valeur] : requete.Params)
            q.bindValue(QLatin1Char(':') + nom, valeur);
        ok = q.exec();
    }
    if (!ok)
        Echec(requete, q.lastError());
    return q;
}

} // namespace

void TSQLQuery::ExecSQL() {
    Close();
    QSqlQuery q = Executer(*this);
    q.finish();
}

TResultat TSQLQuery::Lire() {
    Close();
    QSqlQuery q = Executer(*this);
    TResultat resultat;
    const QSqlRecord enregistrement = q.record();
    for (int i = 0; i < enregistrement.count(); ++i)
        resultat.Colonnes << enregistrement.fieldName(i);
    while (q.next()) {
        QVariantList ligne;
        ligne.reserve(enregistrement.count());
        for (int i = 0; i < enregistrement.count(); ++i)
            ligne << q.value(i);
        resultat.Lignes << ligne;
    }
    if (q.lastError().isValid())
        throw ErreurBase(q.lastError());
    active_ = true;
    return resultat;
}

QSqlQuery TSQLQuery::Curseur() {
    Close();
    QSqlQuery q = Executer(*this);
    active_ = true;
    return q;
}

void TClientDataSet::Open() {
    Close();
    TDataSetProvider* provider = nullptr;
    if (parent() != nullptr && !ProviderName.isEmpty())
        provider = parent()->findChild<TDataSetProvider*>(ProviderName, Qt::FindDirectChildrenOnly);
    if (provider == nullptr || provider->DataSet.isNull())
        throw EKorven(QStringLiteral("Fournisseur de données '%1' introuvable.").arg(ProviderName));
    resultat_ = provider->DataSet->Lire();
    ligne_ = 0;
    active_ = true;
}

void TClientDataSet::Close() {
    active_ = false;
    resultat_ = TResultat();
    ligne_ = 0;
}

TChamp TClientDataSet::FieldByName(const QString& nom) const {
    const int colonne = resultat_.Colonne(nom);
    if (colonne < 0)
        throw EKorven(QStringLiteral("Champ '%1' non trouvé").arg(nom));
    if (Eof())
        throw EKorven(QStringLiteral("Aucun enregistrement courant pour le champ '%1'").arg(nom));
    return TChamp(resultat_.Lignes[ligne_][colonne]);
}

void ExecuterSQL(TSQLConnection* connexion, const QString& texte, const TParams& parametres) {
    TSQLQuery requete;
    requete.SQLConnection = connexion;
    requete.Preparer({texte}, parametres);
    requete.ExecSQL();
}

TResultat LireSQL(TSQLConnection* connexion, const QString& texte, const TParams& parametres) {
    TSQLQuery requete;
    requete.SQLConnection = connexion;
    requete.Preparer({texte}, parametres);
    return requete.Lire();
}

QVariant ValeurSQL(TSQLConnection* connexion, const QString& texte, const TParams& parametres) {
    return LireSQL(connexion, texte, parametres).Lignes.value(0).value(0);
}
