#include "core/data/OBDataModuleU.h"

#include "base/KORVENTypesU.h"
#include "core/platform/Messages.h"

#include <QRandomGenerator>

#include <QTime>
#include <atomic>

thread_local TOBDataModule* OBDataModule = nullptr;

namespace {

// Each module's connections have names of their own in the process (Qt's connections are named globally).
std::atomic<int> modules{0};

TSQLQuery* Requete(TOBDataModule* module, const QString& nom, TSQLConnection* connexion) {
    auto* requete = new TSQLQuery(module, nom);
    requete->SQLConnection = connexion;
    return requete;
}

TDataSetProvider* Provider(TOBDataModule* module, const QString& nom, TSQLQuery* requete) {
    auto* provider = new TDataSetProvider(module, nom);
    provider->DataSet = requete;
    return provider;
}

TClientDataSet* DataSet(TOBDataModule* module, const QString& nom, const QString& provider) {
    auto* dataSet = new TClientDataSet(module, nom);
    dataSet->ProviderName = provider;
    return dataSet;
}

} // namespace

TOBDataModule::TOBDataModule(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("OBDataModule"));
    const QString numero = QString::number(++modules);
    OBSQLConnection =
        new TSQLConnection(QStringLiteral("OBSQLConnection"), QStringLiteral("OBCONNECTION_") + numero, this);
    OBOrbelanSQLConnection = new TSQLConnection(QStringLiteral("OBOrbelanSQLConnection"),
                                                QStringLiteral("OBORBELANCONNECTION_") + numero, this);

    SQLQuery1 = Requete(this, QStringLiteral("SQLQuery1"), OBSQLConnection);
    SQLQuery2 = Requete(this, QStringLiteral("SQLQuery2"), OBSQLConnection);
    SQLQuery3 = Requete(this, QStringLiteral("SQLQuery3"), OBSQLConnection);
    SQLQuery4 = Requete(this, QStringLiteral("SQLQuery4"), OBSQLConnection);

    SQLQueryDonnees1 = Requete(this, QStringLiteral("SQLQueryDonnees1"), OBSQLConnection);
    DataSetProviderDonnees1 = Provider(this, QStringLiteral("DataSetProviderDonnees1"), SQLQueryDonnees1);
    ClientDataSetDonnees1 =
        DataSet(this, QStringLiteral("ClientDataSetDonnees1"), QStringLiteral("DataSetProviderDonnees1"));
    SQLQueryDonnees2 = Requete(this, QStringLiteral("SQLQueryDonnees2"), OBSQLConnection);
    DataSetProviderDonnees2 = Provider(this, QStringLiteral("DataSetProviderDonnees2"), SQLQueryDonnees2);
    ClientDataSetDonnees2 =
        DataSet(this, QStringLiteral("ClientDataSetDonnees2"), QStringLiteral("DataSetProviderDonnees2"));
    SQLQueryDonnees3 = Requete(this, QStringLiteral("SQLQueryDonnees3"), OBSQLConnection);
    DataSetProviderDonnees3 = Provider(this, QStringLiteral("DataSetProviderDonnees3"), SQLQueryDonnees3);
    ClientDataSetDonnees3 =
        DataSet(this, QStringLiteral("ClientDataSetDonnees3"), QStringLiteral("DataSetProviderDonnees3"));

    OrbelanSQLQueryDonnee = Requete(this, QStringLiteral("OrbelanSQLQueryDonnee"), OBOrbelanSQLConnection);
    OrbelanDataSetProvider = Provider(this, QStringLiteral("OrbelanDataSetProvider"), OrbelanSQLQueryDonnee);
    OrbelanClientDataSetDonnee =
        DataSet(this, QStringLiteral("OrbelanClientDataSetDonnee"), QStringLiteral("OrbelanDataSetProvider"));
    OrbelanSQLQuery = Requete(this, QStringLiteral("OrbelanSQLQuery"), OBOrbelanSQLConnection);

    OBDataModule = this;
}

TOBDataModule::~TOBDataModule() {
    if (OBDataModule == this)
        OBDataModule = nullptr;
    // An unfinished transaction is the server's to undo when the connection closes.
    OBSQLConnection->Close();
    OBOrbelanSQLConnection->Close();
}

void TOBDataModule::StartTransaction() {
    if (OBSQLConnection->InTransaction())
        OBSQLConnection->Rollback();
    OBSQLConnection->BeginTransaction();
}

void TOBDataModule::CommitTransaction() {
    if (!OBSQLConnection->InTransaction())
        throw EKorven(QStringLiteral("Aucune transaction n'est active."));
    OBSQLConnection->Commit();
}

void TOBDataModule::RollbackTransaction() {
    if (OBSQLConnection->InTransaction())
        OBSQLConnection->Rollback();
}

void TOBDataModule::CloseAllDataSet() {
    SQLQuery1->Close();
    SQLQuery2->Close();
    SQLQuery3->Close();
    SQLQuery4->Close();
    ClientDataSetDonnees1->Close();
    SQLQueryDonnees1->Close();
    ClientDataSetDonnees2->Close();
    SQLQueryDonnees2->Close();
}

void TOBDataModule::CloseOrbelanConnection() {
    OrbelanClientDataSetDonnee->Close();
    OrbelanSQLQueryDonnee->Close();
    OrbelanSQLQuery->Close();
}

void TOBDataModule::cleanComponentByName(const QString& ComponentName, bool Free) {
    try {
        QObject* membre = findChild<QObject*>(ComponentName, Qt::FindDirectChildrenOnly);
        if (membre == nullptr || ComponentName.isEmpty())
            return;
        if (Free) {
            delete membre;
        } else {
            QRandomGenerator alea(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
            membre->setObjectName(ComponentName + QString::number(alea.bounded(1000000)));
        }
    } catch (const EKorven& e) {
        Messages().Erreur(QStringLiteral("Une erreur est survenue. Opération annulée.\r\n") + e.Message());
    } catch (const std::exception& e) {
        Messages().Erreur(QStringLiteral("Une erreur est survenue. Opération annulée.\r\n") +
                          QString::fromUtf8(e.what()));
    }
}
