#pragma once

#include "core/data/RequeteSQL.h"

#include <QPointer>
#include <QString>
#include <QStringList>

class TSQLConnection;

// The query pattern: one statement, one provider and one result set of its own for one look-up, owned by
// the data module while they live and released exactly once, in that order (result set, provider,
// statement), on every path. The provider carries the operation's fixed name; one left over from an earlier
// run is released first.
class TRequete {
public:
    TRequete(TSQLConnection* connexion, const QString& nomProvider);
    ~TRequete();
    TRequete(const TRequete&) = delete;
    TRequete& operator=(const TRequete&) = delete;

    // Sets the text and parameters and opens the result set.
    TClientDataSet& Ouvrir(const QStringList& lignes, const TParams& parametres = {});
    TClientDataSet& DataSet();
    TSQLQuery& Query();

private:
    // Guarded pointers: an object released behind our back (by name) is not released a second time.
    QPointer<TSQLQuery> query_;
    QPointer<TDataSetProvider> provider_;
    QPointer<TClientDataSet> dataSet_;
};
