#include "core/data/Requete.h"

#include "base/KORVENTypesU.h"
#include "core/data/OBDataModuleU.h"

TRequete::TRequete(TSQLConnection* connexion, const QString& nomProvider) {
    QObject* proprietaire = OBDataModule;
    if (OBDataModule != nullptr)
        OBDataModule->cleanComponentByName(nomProvider, true);
    query_ = new TSQLQuery(proprietaire);
    provider_ = new TDataSetProvider(proprietaire, nomProvider);
    dataSet_ = new TClientDataSet(proprietaire);
    query_->SQLConnection = connexion;
    provider_->DataSet = query_.data();
    dataSet_->ProviderName = nomProvider;
}

TRequete::~TRequete() {
    if (dataSet_)
        dataSet_->Close();
    if (query_)
        query_->Close();
    delete dataSet_.data();
    delete provider_.data();
    delete query_.data();
}

namespace {

template <typename T> T& Vivant(const QPointer<T>& objet) {
    if (objet.isNull())
        throw EKorven(QStringLiteral("Un objet de la requête a été libéré pendant son utilisation."));
    return *objet;
}

} // namespace

TClientDataSet& TRequete::DataSet() {
    return Vivant(dataSet_);
}

TSQLQuery& TRequete::Query() {
    return Vivant(query_);
}

TClientDataSet& TRequete::Ouvrir(const QStringList& lignes, const TParams& parametres) {
    Query().Preparer(lignes, parametres);
    DataSet().Close();
    DataSet().Open();
    return DataSet();
}
