#include "core/journal/EcritureJournal.h"

#include "core/data/HeureServeur.h"
#include "core/data/OBDataModuleU.h"
#include "core/data/RequeteSQL.h"
#include "core/platform/Poste.h"

TEcritureJournal::TEcritureJournal(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("EcritureJournal"));
    SQLQueryJournalInsert = new TSQLQuery(this, QStringLiteral("SQLQueryJournalInsert"));
    SQLQueryJournalInsert->SQL = {
        QStringLiteral("INSERT INTO journal (utilisateur,libelle,poste,operation,domaine,date,heure)"),
        QStringLiteral("VALUES (:utilisateur, :libelle, :machine, :operation, :domaine, :date, :heure)")};
}

QString TEcritureJournal::Poste() {
    const QString nomMachine = GetNomMachine();
    return nomMachine + QLatin1Char('-') + GetIP();
}

void TEcritureJournal::UpdateJournal(const QString& Login, const QString& LibelleOperation,
                                     const QString& Operation, const QString& Domaine) {
    if (Login.isEmpty())
        return;
    try {
        TSQLQuery* insertion = SQLQueryJournalInsert;
        insertion->Close();
        if (OBDataModule == nullptr)
            return;
        insertion->SQLConnection = OBDataModule->OBSQLConnection;
        insertion->Params.clear();
        insertion->SetParam(QStringLiteral("utilisateur"), Login);
        insertion->SetParam(QStringLiteral("libelle"), LibelleOperation);
        insertion->SetParam(QStringLiteral("machine"), Poste());
        insertion->SetParam(QStringLiteral("operation"), Operation);
        insertion->SetParam(QStringLiteral("domaine"), Domaine);
        // Each value has its own reading of the server clock.
        insertion->SetParam(QStringLiteral("date"),
                            GetDateHeureServeur().toString(QStringLiteral("yyyy/MM/dd")));
        insertion->SetParam(QStringLiteral("heure"), GetDateHeureServeur().toString(QStringLiteral("hh:mm")));
        insertion->ExecSQL();
        insertion->Close();
    } catch (...) {
        // The caller carries on as if the entry had been written.
    }
}
