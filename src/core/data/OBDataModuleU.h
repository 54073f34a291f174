#pragma once

#include "core/data/ConnexionSQL.h"
#include "core/data/RequeteSQL.h"

#include <QObject>

// The data module: both connections, the statements and read chains that several windows share, and the
// single transaction of the year transition. The window's thread has one, made at start-up, that lives as
// long as the process; a thread that works on the database on its own (the start-up check, the year change)
// makes one of its own, which it alone uses.
//
// Members are children with unique object names, so that cleanComponentByName finds them (the per-call
// objects of the query pattern included).
class TOBDataModule : public QObject {
    Q_OBJECT
public:
    explicit TOBDataModule(QObject* parent = nullptr);
    ~TOBDataModule() override;

    // The current year's database (during the transition, the new year's).
    TSQLConnection* OBSQLConnection;
    // The master database named by the configuration file (normally korven).
    TSQLConnection* OBOrbelanSQLConnection;

    // Statements on the year connection.
    TSQLQuery* SQLQuery1;
    TSQLQuery* SQLQuery2;
    TSQLQuery* SQLQuery3;
    TSQLQuery* SQLQuery4;

    // Read chains on the year connection.
    TSQLQuery* SQLQueryDonnees1;
    TDataSetProvider* DataSetProviderDonnees1;
    TClientDataSet* ClientDataSetDonnees1;
    TSQLQuery* SQLQueryDonnees2;
    TDataSetProvider* DataSetProviderDonnees2;
    TClientDataSet* ClientDataSetDonnees2;
    TSQLQuery* SQLQueryDonnees3;
    TDataSetProvider* DataSetProviderDonnees3;
    TClientDataSet* ClientDataSetDonnees3;

    // Read chain and statement on the master connection.
    TSQLQuery* OrbelanSQLQueryDonnee;
    TDataSetProvider* OrbelanDataSetProvider;
    TClientDataSet* OrbelanClientDataSetDonnee;
    TSQLQuery* OrbelanSQLQuery;

    // Whether a transaction is open on the year connection (Tx is not none).
    bool Tx() const { return OBSQLConnection->InTransaction(); }

    // Rolls back a transaction still open, then begins one at read committed on the year connection.
    void StartTransaction();
    void CommitTransaction();
    // Rolls back when a transaction is open; otherwise does nothing.
    void RollbackTransaction();

    void CloseAllDataSet();
    void CloseOrbelanConnection();

    // Releases (Free) or renames with a random number (not Free) the member named ComponentName. Never
    // raises: its own failure is shown in an error box.
    void cleanComponentByName(const QString& ComponentName, bool Free);
};

// The data module of the calling thread, set while it exists (the last one made on that thread).
extern thread_local TOBDataModule* OBDataModule;
