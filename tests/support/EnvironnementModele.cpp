#include "support/EnvironnementModele.h"

#include "base/KORVENTypesU.h"
#include "core/data/OBDataModuleU.h"
#include "core/data/RequeteSQL.h"
#include "core/journal/RequeteJournal.h"

#include <QComboBox>

EnvironnementModele::~EnvironnementModele() {
    Fermer();
}

void EnvironnementModele::Ouvrir() {
    base_ = new BaseDeTest;
    plateforme_ = new PlateformeScriptee;
    module_ = new TOBDataModule;
    ServeurDeTest::Configurer(module_->OBSQLConnection, QStringLiteral("bd_2025_2026"));
    ServeurDeTest::Configurer(module_->OBOrbelanSQLConnection, QStringLiteral("korven"));
    boite_ = new QComboBox;
    requetes_.clear();
    parametres_.clear();
    fournisseurs_.clear();
    TSQLQuery::AvantExecution = [this](const TSQLQuery& q) {
        requetes_ << q.Texte();
        for (const auto& [nom, valeur] : q.Params)
            parametres_ << nom + QLatin1Char('=') + valeur.toString();
        QString fournisseur;
        if (module_ != nullptr)
            for (const TDataSetProvider* p : module_->findChildren<TDataSetProvider*>())
                if (p->DataSet.data() == &q)
                    fournisseur = p->objectName();
        fournisseurs_ << fournisseur;
    };
}

void EnvironnementModele::Fermer() {
    TSQLQuery::AvantExecution = nullptr;
    delete boite_;
    boite_ = nullptr;
    delete module_;
    module_ = nullptr;
    delete plateforme_;
    plateforme_ = nullptr;
    delete base_;
    base_ = nullptr;
}

QString Erreur(const Appel& appel) {
    try {
        appel();
    } catch (const EKorven& e) {
        return e.Message();
    }
    return QStringLiteral("<aucune erreur>");
}

QList<int> EnvironnementModele::NumerosDuJournal(const TFiltreJournal& Filtre) {
    TSQLQuery requete;
    requete.SQLConnection = module_->OBSQLConnection;
    requete.Preparer({TexteRequeteJournal(Filtre)}, ParametresRequeteJournal(Filtre));
    const TResultat resultat = requete.Lire();
    const int colonne = resultat.Colonne(QStringLiteral("numero"));
    QList<int> numeros;
    for (const QVariantList& ligne : resultat.Lignes)
        numeros << ligne.at(colonne).toInt();
    return numeros;
}
