// The data module against the real server: transactions, the query pattern, the shared read chains, the
// server clock.
#include "base/KORVENTypesU.h"
#include "core/data/HeureServeur.h"
#include "core/data/OBDataModuleU.h"
#include "core/data/Requete.h"
#include "support/EnvironnementModele.h"

#include <QRegularExpression>
#include <QTest>

class TestDataModule : public QObject, public EnvironnementModele {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void transactions();
    void niveauIsolation();
    void motifDeRequete();
    void chainesPartagees();
    void nettoyageParNom();
    void heureDuServeur();
    void heureIndisponible();
    void serveurParti();

private:
    int Journal() {
        return base_->Valeur(QStringLiteral("SELECT COUNT(*) FROM journal"), QStringLiteral("bd_2025_2026"))
            .toInt();
    }
    void Inserer(const QString& login) {
        module_->SQLQuery1->Preparer(
            {QStringLiteral("INSERT INTO journal (utilisateur, libelle) VALUES (:u, 'x')")},
            {{QStringLiteral("u"), login}});
        module_->SQLQuery1->ExecSQL();
    }
};

void TestDataModule::init() {
    Ouvrir();
}

void TestDataModule::cleanup() {
    Fermer();
    QVERIFY(OBDataModule == nullptr);
}

void TestDataModule::transactions() {
    // Rolling back with no transaction does nothing and raises nothing.
    QVERIFY(!module_->Tx());
    module_->RollbackTransaction();
    QVERIFY(!module_->Tx());
    QVERIFY_THROWS_EXCEPTION(EKorven, module_->CommitTransaction());

    // Starting while one is active rolls the old one back.
    module_->StartTransaction();
    QVERIFY(module_->Tx());
    Inserer(QStringLiteral("premier"));
    module_->StartTransaction();
    QVERIFY(module_->Tx());
    QCOMPARE(Journal(), 0);
    Inserer(QStringLiteral("second"));
    QCOMPARE(Journal(), 0); // not visible outside before the commit
    module_->CommitTransaction();
    QVERIFY(!module_->Tx());
    QCOMPARE(base_->Lignes(QStringLiteral("SELECT utilisateur FROM journal"), QStringLiteral("bd_2025_2026")),
             QStringList{QStringLiteral("second")});

    // A rollback undoes what the transaction wrote; afterwards statements commit at once again.
    module_->StartTransaction();
    Inserer(QStringLiteral("annulé"));
    module_->RollbackTransaction();
    QVERIFY(!module_->Tx());
    Inserer(QStringLiteral("direct"));
    QCOMPARE(Journal(), 2);
}

// The transition's transaction runs at read committed.
void TestDataModule::niveauIsolation() {
    module_->StartTransaction();
    Inserer(QStringLiteral("x"));
    QCOMPARE(base_
                 ->Valeur(QStringLiteral("SELECT trx_isolation_level FROM information_schema.innodb_trx "
                                         "WHERE trx_mysql_thread_id <> CONNECTION_ID()"))
                 .toString(),
             QStringLiteral("READ COMMITTED"));
    module_->RollbackTransaction();
}

// A failing statement leaves no per-call object behind; the next run with the same provider name works.
void TestDataModule::motifDeRequete() {
    const int enfants = module_->children().size();
    const QString nom = QStringLiteral("ProviderDonneeEssai");
    bool leve = false;
    try {
        TRequete requete(module_->OBSQLConnection, nom);
        requete.Ouvrir({QStringLiteral("SELECT * FROM table_absente")});
    } catch (const EKorven& e) {
        leve = true;
        QVERIFY2(e.Message().contains(QStringLiteral("table_absente")), qPrintable(e.Message()));
    }
    QVERIFY(leve);
    QCOMPARE(module_->children().size(), enfants);
    QVERIFY(module_->findChild<QObject*>(nom) == nullptr);

    {
        TRequete requete(module_->OBSQLConnection, nom);
        TClientDataSet& r =
            requete.Ouvrir({QStringLiteral("SELECT :a AS a, 2 AS b"), QStringLiteral("UNION ALL"),
                            QStringLiteral("SELECT 'l''autre', 3")},
                           {{QStringLiteral("a"), QStringLiteral("Éloïse N'Guessan")}});
        QCOMPARE(r.RecordCount(), 2);
        QCOMPARE(r.FieldByName(QStringLiteral("A")).AsString(), QStringLiteral("Éloïse N'Guessan"));
        r.Next();
        QCOMPARE(r.FieldByName(QStringLiteral("b")).AsInteger(), 3);
        r.Next();
        QVERIFY(r.Eof());
        QVERIFY_THROWS_EXCEPTION(EKorven, r.FieldByName(QStringLiteral("a")));
        QVERIFY(module_->findChild<QObject*>(nom) != nullptr);
    }
    QCOMPARE(module_->children().size(), enfants);

    // A provider left over under the same name is released first.
    new TDataSetProvider(module_, nom);
    {
        TRequete requete(module_->OBSQLConnection, nom);
        QCOMPARE(requete.Ouvrir({QStringLiteral("SELECT 1 AS un")}).RecordCount(), 1);
    }
    QCOMPARE(module_->children().size(), enfants);
}

void TestDataModule::chainesPartagees() {
    // A read chain knows its size before reading; a failing statement leaves it usable.
    module_->SQLQueryDonnees1->Preparer({QStringLiteral("SELECT nope FROM utilisateur")});
    QVERIFY_THROWS_EXCEPTION(EKorven, module_->ClientDataSetDonnees1->Open());
    base_->Executer(QStringLiteral("INSERT INTO utilisateur (login, pass, etat, nom) VALUES "
                                   "('a', sha1('x'), '1', 'A'), ('b', sha1('y'), '0', 'B')"),
                    QStringLiteral("bd_2025_2026"));
    module_->SQLQueryDonnees1->Preparer(
        {QStringLiteral("SELECT login, etat FROM utilisateur ORDER BY login")});
    module_->ClientDataSetDonnees1->Open();
    QCOMPARE(module_->ClientDataSetDonnees1->RecordCount(), 2);

    module_->SQLQueryDonnees3->Preparer({QStringLiteral("SELECT 1 AS un")});
    module_->ClientDataSetDonnees3->Open();
    module_->OrbelanSQLQueryDonnee->Preparer({QStringLiteral("SELECT 1 AS un")});
    module_->OrbelanClientDataSetDonnee->Open();

    module_->CloseAllDataSet();
    module_->CloseAllDataSet(); // closing what is closed does nothing
    QVERIFY(!module_->ClientDataSetDonnees1->Active());
    QVERIFY(!module_->SQLQueryDonnees1->Active());
    QVERIFY(module_->ClientDataSetDonnees3->Active());
    QVERIFY(module_->OrbelanClientDataSetDonnee->Active());
    module_->CloseOrbelanConnection();
    QVERIFY(!module_->OrbelanClientDataSetDonnee->Active());
    QVERIFY(module_->OBOrbelanSQLConnection->Connected());
}

void TestDataModule::nettoyageParNom() {
    const int enfants = module_->children().size();
    module_->cleanComponentByName(QStringLiteral("PersonneNeSAppelleAinsi"), true);
    module_->cleanComponentByName(QStringLiteral("PersonneNeSAppelleAinsi"), false);
    QCOMPARE(module_->children().size(), enfants);

    auto* provider = new TDataSetProvider(module_, QStringLiteral("ProviderRenomme"));
    module_->cleanComponentByName(QStringLiteral("ProviderRenomme"), false);
    QVERIFY(QRegularExpression(QStringLiteral("^ProviderRenomme[0-9]{1,6}$"))
                .match(provider->objectName())
                .hasMatch());
    QVERIFY(module_->findChild<QObject*>(QStringLiteral("ProviderRenomme"), Qt::FindDirectChildrenOnly) ==
            nullptr);
    module_->cleanComponentByName(provider->objectName(), true);
    QCOMPARE(module_->children().size(), enfants);
    QVERIFY(plateforme_->Evenements.isEmpty());
}

// The clock is the server's: with the server's time zone moved thirteen hours away, the reading follows the
// server, not this machine.
void TestDataModule::heureDuServeur() {
    base_->FuseauHoraireServeur(QStringLiteral("+13:00"));
    QDateTime lue;
    try {
        lue = GetDateHeureServeur();
    } catch (const EKorven& e) {
        base_->FuseauHoraireServeur(QStringLiteral("SYSTEM"));
        QFAIL(qPrintable(e.Message()));
    }
    base_->FuseauHoraireServeur(QStringLiteral("SYSTEM"));
    QDateTime attendue = QDateTime::currentDateTimeUtc().addSecs(13 * 3600);
    attendue.setTimeSpec(Qt::LocalTime);
    lue.setTimeSpec(Qt::LocalTime);
    QVERIFY2(qAbs(lue.secsTo(attendue)) < 120, qPrintable(lue.toString(Qt::ISODate)));
    QVERIFY(module_->findChild<QObject*>(QStringLiteral("ProviderDonnee")) == nullptr);
}

void TestDataModule::heureIndisponible() {
    module_->OBOrbelanSQLConnection->Params = {QStringLiteral("HostName=127.0.0.1"), QStringLiteral("Port=1"),
                                               QStringLiteral("User_Name=x")};
    QVERIFY_THROWS_EXCEPTION(EKorven, GetDateHeureServeur());
    QVERIFY(module_->findChild<QObject*>(QStringLiteral("ProviderDonnee")) == nullptr);
}

// A connection the server has dropped fails once with the server's words, then the next statement connects
// afresh.
void TestDataModule::serveurParti() {
    Inserer(QStringLiteral("avant"));
    const QString id =
        base_
            ->Valeur(QStringLiteral("SELECT ID FROM information_schema.PROCESSLIST WHERE DB = "
                                    "'bd_2025_2026' AND USER = 'solvane' AND ID <> CONNECTION_ID()"))
            .toString();
    QVERIFY(!id.isEmpty());
    base_->Executer(QStringLiteral("KILL CONNECTION ") + id);
    QVERIFY_THROWS_EXCEPTION(EKorven, Inserer(QStringLiteral("perdu")));
    Inserer(QStringLiteral("après"));
    QCOMPARE(base_->Lignes(QStringLiteral("SELECT utilisateur FROM journal ORDER BY numero"),
                           QStringLiteral("bd_2025_2026")),
             QStringList({QStringLiteral("avant"), QStringLiteral("après")}));
}

QTEST_MAIN(TestDataModule)
#include "test_datamodule.moc"
