// The year transition against the real server: what every copy carries over, the students, the boxes in
// order, and the checks made before anything is written.
#include "core/data/OBDataModuleU.h"
#include "core/data/RequeteSQL.h"
#include "core/transition/EtapesTransition.h"
#include "support/EnvironnementTransition.h"

#include <QTest>

namespace {

const QString Ancienne = QStringLiteral("bd_2025_2026");
const QString Nouvelle = QStringLiteral("bd_2026_2027");
const QString Donnees = QStringLiteral(SOLVANE_TEST_DATA "/transition.sql");

QStringList BoitesCompletes() {
    return EnvironnementTransition::BoitesCompletes();
}

} // namespace

class TestTransition : public QObject {
    Q_OBJECT

private slots:
    void copies();
    void boitesEtEtapes();
    void eleves_data();
    void eleves();
    void valeursDesEleves();
    void datesDeNaissance();
    void numeroNational_data();
    void numeroNational();
    void classesAbsentes_data();
    void classesAbsentes();
    void connexionImpossible();
    void codeAnneeDangereux_data();
    void codeAnneeDangereux();
    void moteurSansTransactions();
    void colonnesDansUnAutreOrdre();
    void colonneManquante();
    void secondeExecution();
    void anneeDejaEnregistree();
};

// Every copy's guards and reference conditions, on the school of tests/data/transition.sql.
void TestTransition::copies() {
    EnvironnementTransition env(Donnees);
    env.AjouterEleve(QStringLiteral("E001"), QStringLiteral("Ndoumbè"), QStringLiteral("Éloïse"),
                     QStringLiteral("6A"));
    env.AjouterEleve(QStringLiteral("E002"), QStringLiteral("Kamga"), QStringLiteral("Luc"),
                     QStringLiteral("6A"));
    env.AjouterEleve(QStringLiteral("E003"), QStringLiteral("Fotso"), QStringLiteral("Inès"),
                     QStringLiteral("2D"));
    env.AjouterEleve(QStringLiteral("E9"), QStringLiteral("Non"), QStringLiteral("Placé"), QString());
    QVERIFY(env.Executer());

    BaseDeTest& b = env.Base;
    const auto lignes = [&b](const QString& sql) { return b.Lignes(sql, Nouvelle); };

    QCOMPARE(b.Lignes(QStringLiteral("SELECT code, active, date_debut = CURDATE(), date_fin = CURDATE(), "
                                     "nom_etablissement FROM korven.annee_scolaire ORDER BY code")),
             QStringList({QStringLiteral("2024/2025|0|0|0|Collège d'Akwa"),
                          QStringLiteral("2025/2026|0|0|1|Collège d'Akwa"),
                          QStringLiteral("2026/2027|1|1|NULL|Collège d'Akwa")}));
    QCOMPARE(
        lignes(QStringLiteral("SELECT id, nom_fr, devise_fr, HEX(logo), min_sequence, code_etablissement "
                              "FROM configuration")),
        QStringList{QStringLiteral("1|Collège d'Akwa|Travail \\ Discipline|89504E470D0A1A0A|2|AKW")});
    QCOMPARE(lignes(QStringLiteral("SELECT login, nom FROM utilisateur ORDER BY login")),
             QStringList({QStringLiteral("admin|Administrateur"), QStringLiteral("prof|Nom gardé")}));
    QCOMPARE(
        lignes(QStringLiteral("SELECT utilisateur, droit FROM droits ORDER BY utilisateur")),
        QStringList({QStringLiteral("admin|ACTIVER_ANNEE_SCOLAIRE"), QStringLiteral("prof|SAISIR_NOTES")}));
    QCOMPARE(lignes(QStringLiteral("SELECT id, debut FROM heures ORDER BY id")),
             QStringList({QStringLiteral("1|07:30:00"), QStringLiteral("2|08:30:00")}));
    QCOMPARE(lignes(QStringLiteral("SELECT num, nom FROM series ORDER BY num")),
             QStringList({QStringLiteral("1|A"), QStringLiteral("3|D"), QStringLiteral("5|C")}));
    QCOMPARE(lignes(QStringLiteral("SELECT num_examen, num_serie FROM examens_series ORDER BY num_serie")),
             QStringList({QStringLiteral("2|1"), QStringLiteral("2|3")}));
    QCOMPARE(lignes(QStringLiteral("SELECT id, code FROM langue ORDER BY id")),
             QStringList({QStringLiteral("1|FR"), QStringLiteral("2|EN"), QStringLiteral("3|XX")}));
    QCOMPARE(lignes(QStringLiteral("SELECT id FROM section ORDER BY id")),
             QStringList({QStringLiteral("1"), QStringLiteral("2")}));
    QCOMPARE(lignes(QStringLiteral("SELECT code, nom FROM niveau ORDER BY code")),
             QStringList({QStringLiteral("2ND|Seconde"), QStringLiteral("3E|Troisième (déjà là)"),
                          QStringLiteral("6E|Sixième")}));
    QCOMPARE(lignes(QStringLiteral("SELECT id, nom FROM salle ORDER BY id")),
             QStringList({QStringLiteral("1|Salle A"), QStringLiteral("7|Salle B")}));
    QCOMPARE(lignes(QStringLiteral("SELECT mat FROM personne ORDER BY mat")),
             QStringList({QStringLiteral("E001"), QStringLiteral("E002"), QStringLiteral("E003"),
                          QStringLiteral("P1"), QStringLiteral("P3")}));
    QCOMPARE(lignes(QStringLiteral("SELECT typ FROM personne WHERE mat = 'P1'")),
             QStringList{QStringLiteral("P")});
    QCOMPARE(lignes(QStringLiteral("SELECT MAT, date_naissance FROM personnel ORDER BY MAT")),
             QStringList({QStringLiteral("P1|1980-05-17"), QStringLiteral("P3|NULL")}));
    // Classes whose room, form teacher or series was not carried stay behind, and so does one without a
    // level.
    QCOMPARE(lignes(QStringLiteral("SELECT code, effectif FROM classe ORDER BY code")),
             QStringList({QStringLiteral("2D|1"), QStringLiteral("3B|0"), QStringLiteral("6A|2")}));
    QCOMPARE(lignes(QStringLiteral("SELECT matricule, HEX(photo) FROM photos ORDER BY matricule")),
             QStringList({QStringLiteral("E001|FFD8FF03"), QStringLiteral("P1|FFD8FF01")}));
    QCOMPARE(lignes(QStringLiteral("SELECT id FROM classe_lecon ORDER BY id")),
             QStringList({QStringLiteral("1"), QStringLiteral("4")}));
    QCOMPARE(lignes(QStringLiteral("SELECT num FROM classe_matiere ORDER BY num")),
             QStringList({QStringLiteral("1"), QStringLiteral("2")}));
    QCOMPARE(lignes(QStringLiteral("SELECT id FROM frais_niveau ORDER BY id")),
             QStringList({QStringLiteral("1"), QStringLiteral("2")}));
    // Due dates one year later; 29 February becomes 28 February.
    QCOMPARE(lignes(QStringLiteral("SELECT ID, DATE_LIMITE_PAYEMENT FROM tranche ORDER BY ID")),
             QStringList({QStringLiteral("1|2026-10-15"), QStringLiteral("2|2025-02-28"),
                          QStringLiteral("3|2026-11-30")}));
    QCOMPARE(lignes(QStringLiteral("SELECT id, nom FROM banque ORDER BY id")),
             QStringList({QStringLiteral("1|Afriland"), QStringLiteral("2|SGBC déjà là")}));
    // One row per instalment of every fee of the student's level, optional fees included, none twice.
    QCOMPARE(lignes(QStringLiteral("SELECT MAT_ELEVE, id_tranche, MONTANT, etat FROM tranche_eleve "
                                   "ORDER BY MAT_ELEVE, id_tranche")),
             QStringList({QStringLiteral("E001|1|25000|V"), QStringLiteral("E001|2|25000|V"),
                          QStringLiteral("E001|3|10000|V"), QStringLiteral("E002|1|25000|V"),
                          QStringLiteral("E002|2|25000|V"), QStringLiteral("E002|3|10000|V")}));
    QCOMPARE(lignes(QStringLiteral("SELECT id, lib FROM Catcharge ORDER BY id")),
             QStringList({QStringLiteral("1|Fonctionnement"), QStringLiteral("2|Investissement (déjà là)")}));
    QCOMPARE(lignes(QStringLiteral("SELECT id, lib FROM Charge ORDER BY id")),
             QStringList({QStringLiteral("1|Électricité"), QStringLiteral("2|Bâtiment (déjà là)")}));
    QCOMPARE(lignes(QStringLiteral("SELECT id, motif FROM motif_reduction ORDER BY id")),
             QStringList({QStringLiteral("1|Enfant d'enseignant (déjà là)"), QStringLiteral("2|Fratrie")}));
    QCOMPARE(lignes(QStringLiteral("SELECT id, cote FROM cotes ORDER BY id")),
             QStringList({QStringLiteral("1|A"), QStringLiteral("2|B (déjà là)")}));
    // Parameters the closing year also has take its values; the others keep their own; none is added.
    QCOMPARE(lignes(QStringLiteral("SELECT nom, valeur_text, HEX(valeur_blob), description FROM parametres "
                                   "ORDER BY nom")),
             QStringList({QStringLiteral("LOGO_BULLETIN|NULL|89504E47|NULL"),
                          QStringLiteral("NOM_SMS|ancien texte|NULL|garde sa description"),
                          QStringLiteral("SEULEMENT_NOUVEAU|garde sa valeur|CAFE|NULL")}));
    QCOMPARE(
        lignes(
            QStringLiteral("SELECT utilisateur, libelle, operation, domaine, date = CURDATE() FROM journal")),
        QStringList{QStringLiteral("admin|Activation de la nouvelle année scolaire avec les paramétrages de "
                                   "base|Ajout|Administration de la Base de donnees|1")});
    QCOMPARE(b.Valeur(QStringLiteral("SELECT COUNT(*) FROM journal"), Ancienne).toInt(), 0);
    // The closing year's database is never written.
    QCOMPARE(b.Valeur(QStringLiteral("SELECT COUNT(*) FROM eleve"), Ancienne).toInt(), 0);
    QVERIFY(!OBDataModule->Tx());
}

// The boxes in order, with the steps that show none; the progress report covers every step; the program
// asks for a restart at the end.
void TestTransition::boitesEtEtapes() {
    EnvironnementTransition env(Donnees);
    env.AjouterEleve(QStringLiteral("E001"), QStringLiteral("Ndoumbè"), QStringLiteral("Éloïse"),
                     QStringLiteral("6A"));
    QList<int> restantes;
    // A box waits with the transaction open: the master table shows no change to anyone else meanwhile.
    bool visibleAvantLaFin = false;
    env.Plateforme.PendantMessage = [&](const QString& texte) {
        if (texte == QLatin1String("Update Parameters"))
            visibleAvantLaFin = env.Base
                                    .Valeur(QStringLiteral("SELECT COUNT(*) FROM korven.annee_scolaire "
                                                           "WHERE code = '2026/2027'"))
                                    .toInt() != 0;
    };
    env.Parametres.DictionnaireEleves = &env.Eleves;
    env.Parametres.DictionnaireElevesNew = &env.Placement;
    TTransitionAnnee transition;
    int suivant = 1; // the next step the progress report should name
    transition.Progression = [&](int premier, int dernier, const QString& libelle, int reste) {
        QVERIFY(!libelle.isEmpty());
        QCOMPARE(premier, suivant);
        QVERIFY(dernier >= premier);
        suivant = dernier + 1;
        env.Plateforme.Evenements << QStringLiteral("Etape %1").arg(premier);
        restantes << reste;
    };
    QVERIFY(transition.Executer(env.Parametres) == TIssueTransition::Validee);
    QCOMPARE(transition.NouvelleBD, Nouvelle);
    QVERIFY(!visibleAvantLaFin);

    QCOMPARE(env.Boites(), BoitesCompletes());
    QCOMPARE(env.Plateforme.Evenements.constLast(), QStringLiteral("Redémarrage"));
    QVERIFY(env.Plateforme.Terminee);
    // Every step is reported, none twice, up to the last; the steps without a box are followed by the next.
    QCOMPARE(suivant, NombreEtapesTransition() + 1);
    QCOMPARE(restantes.constLast(), 0);
    QList<int> silencieuses;
    for (TEtapeFixe e : {TEtapeFixe::Transaction, TEtapeFixe::ClotureAnnee, TEtapeFixe::OuvertureAnnee,
                         TEtapeFixe::Journal, TEtapeFixe::Validation})
        silencieuses << NumeroEtape(e);
    for (const TEtapeCopie& e : EtapesCopie())
        if (e.Boite.isEmpty())
            silencieuses << e.Numero;
    for (int silencieuse : std::as_const(silencieuses)) {
        const qsizetype i = env.Plateforme.Evenements.indexOf(QStringLiteral("Etape %1").arg(silencieuse));
        QVERIFY2(i >= 0, qPrintable(QString::number(silencieuse)));
        QVERIFY2(env.Plateforme.Evenements.at(i + 1).startsWith(QStringLiteral("Etape ")),
                 qPrintable(env.Plateforme.Evenements.at(i + 1)));
    }
}

void TestTransition::eleves_data() {
    QTest::addColumn<bool>("coche");
    QTest::addColumn<int>("places");
    QTest::addColumn<QList<int>>("lots"); // rows of each person statement, in order
    QTest::newRow("aucun élève placé") << true << 0 << QList<int>{};
    QTest::newRow("élèves décochés") << false << 5 << QList<int>{};
    QTest::newRow("un élève") << true << 1 << QList<int>{1};
    QTest::newRow("300 élèves") << true << 300 << QList<int>{300};
    QTest::newRow("301 élèves") << true << 301 << QList<int>{300, 1};
    QTest::newRow("650 élèves") << true << 650 << QList<int>{300, 300, 50};
}

// Batches of at most 300, the person rows of a batch before its student rows; unplaced students stay out.
void TestTransition::eleves() {
    QFETCH(bool, coche);
    QFETCH(int, places);
    QFETCH(QList<int>, lots);
    EnvironnementTransition env;
    env.AjouterClasses({QStringLiteral("6A"), QStringLiteral("5B")});
    env.Parametres.Eleves = coche;
    for (int i = 0; i < places; ++i)
        env.AjouterEleve(QStringLiteral("M%1").arg(i, 5, 10, QLatin1Char('0')),
                         QStringLiteral("Nom %1").arg(i), QStringLiteral("Prénom"),
                         i % 2 ? QStringLiteral("6A") : QStringLiteral("5B"));
    env.AjouterEleve(QStringLiteral("NONPLACE"), QStringLiteral("Reste"), QStringLiteral("Là"), QString());

    QStringList envois;
    TSQLQuery::AvantExecution = [&](const TSQLQuery& requete) {
        const QString texte = requete.Texte();
        if (texte.startsWith(QLatin1String("INSERT INTO personne(mat")))
            envois << QStringLiteral("P%1").arg(texte.count(QStringLiteral("), (")) + 1);
        else if (texte.startsWith(QLatin1String("INSERT INTO eleve(mat")))
            envois << QStringLiteral("E%1").arg(texte.count(QStringLiteral("), (")) + 1);
    };
    QVERIFY(env.Executer());

    QStringList attendus;
    for (int lot : lots)
        attendus << QStringLiteral("P%1").arg(lot) << QStringLiteral("E%1").arg(lot);
    QCOMPARE(envois, attendus);
    const int inseres = coche ? places : 0;
    QCOMPARE(env.Base.Valeur(QStringLiteral("SELECT COUNT(*) FROM eleve"), Nouvelle).toInt(), inseres);
    QCOMPARE(env.Base.Valeur(QStringLiteral("SELECT COUNT(*) FROM personne"), Nouvelle).toInt(), inseres);
    QCOMPARE(env.Base.Valeur(QStringLiteral("SELECT COUNT(*) FROM eleve WHERE mat = 'NONPLACE'"), Nouvelle)
                 .toInt(),
             0);
    QCOMPARE(env.Boites().contains(QStringLiteral("Transfert des Eleves terminé")), coche);
    QCOMPARE(env.Boites().size(), BoitesCompletes().size() - (coche ? 0 : 1));
}

// Every value arrives intact, whatever characters it holds; the payment flags start afresh; the repeat flag
// comes from the decision; an unknown birth date stays unknown.
void TestTransition::valeursDesEleves() {
    EnvironnementTransition env;
    env.AjouterClasses({QStringLiteral("6A"), QStringLiteral("2D")});
    TCEleve& eloise =
        env.AjouterEleve(QStringLiteral("E'01"), QStringLiteral("N'Guessan"), QStringLiteral("Éloïse"),
                         QStringLiteral("6A"), QStringLiteral("1"), QDate(2012, 2, 29));
    eloise.SetPere(QStringLiteral("Jean \\ Pierre"));
    eloise.SetMere(QString());
    eloise.SetTuteur(QStringLiteral("O'Brien \\'); DROP TABLE eleve; -- "));
    eloise.SetAdresse(QStringLiteral("Lot 14\\B, « Bonamoussadi »"));
    eloise.SetTelephone(QString());
    env.AjouterEleve(QStringLiteral("E02"), QStringLiteral("D'Almeida"), QStringLiteral("Jean-Noël"),
                     QStringLiteral("2D"), QStringLiteral("0"), QDate());
    QVERIFY(env.Executer());

    QCOMPARE(
        env.Base.Lignes(
            QStringLiteral("SELECT mat, nom, pnom, nat, tel, adr, typ FROM personne ORDER BY mat"), Nouvelle),
        QStringList({QStringLiteral("E'01|N'Guessan|Éloïse|Camerounaise||Lot 14\\B, « Bonamoussadi »|E"),
                     QStringLiteral("E02|D'Almeida|Jean-Noël|Camerounaise|677 00 00 00|Akwa, Douala|E")}));
    QCOMPARE(
        env.Base.Lignes(
            QStringLiteral("SELECT mat, pere, mere, tuteur, en_regle, redoublant, enregistre_par, "
                           "lnais, dnais, idclasse, sexe, montant_verse, mat_nationnal, "
                           "orientation_serie, exclu FROM eleve ORDER BY mat"),
            Nouvelle),
        QStringList({QStringLiteral("E'01|Jean \\ Pierre||O'Brien \\'); DROP TABLE eleve; -- |0|1|secretaire|"
                                    "Douala|2012-02-29|6A|F|0|NAT-E'01|NULL|0"),
                     QStringLiteral("E02|Père D'Almeida|Mère D'Almeida||0|0|secretaire|Douala|NULL|2D|F|0|"
                                    "NAT-E02|NULL|0")}));
}

// Birth dates arrive as they were, the first and last days of the year and of the months included, at the
// edges of the four-digit years too; an unknown one stays unknown.
void TestTransition::datesDeNaissance() {
    const QList<std::pair<QDate, QString>> dates = {{QDate(2012, 2, 29), QStringLiteral("2012-02-29")},
                                                    {QDate(2009, 12, 31), QStringLiteral("2009-12-31")},
                                                    {QDate(2010, 1, 1), QStringLiteral("2010-01-01")},
                                                    {QDate(1000, 1, 1), QStringLiteral("1000-01-01")},
                                                    {QDate(999, 12, 31), QStringLiteral("0999-12-31")},
                                                    {QDate(9999, 12, 31), QStringLiteral("9999-12-31")},
                                                    {QDate(), QStringLiteral("NULL")}};
    EnvironnementTransition env;
    env.AjouterClasses({QStringLiteral("6A")});
    QStringList attendues;
    for (qsizetype i = 0; i < dates.size(); ++i) {
        const QString matricule = QStringLiteral("E%1").arg(i);
        env.AjouterEleve(matricule, QStringLiteral("Nom"), QStringLiteral("Prénom"), QStringLiteral("6A"),
                         QStringLiteral("0"), dates[i].first);
        attendues << matricule + QLatin1Char('|') + dates[i].second;
    }
    QVERIFY(env.Executer());
    QCOMPARE(env.Base.Lignes(QStringLiteral("SELECT mat, dnais FROM eleve ORDER BY mat"), Nouvelle),
             attendues);
}

void TestTransition::numeroNational_data() {
    QTest::addColumn<QString>("numero");
    QTest::addColumn<QString>("stocke"); // as the new year's eleve.mat_nationnal holds it
    QTest::newRow("ordinaire") << QStringLiteral("CM-2012-004217") << QStringLiteral("CM-2012-004217");
    QTest::newRow("apostrophe") << QStringLiteral("N'12 ; --") << QStringLiteral("N'12 ; --");
    QTest::newRow("barre oblique inverse") << QStringLiteral("A\\'B") << QStringLiteral("A\\'B");
    QTest::newRow("accents") << QStringLiteral("Ndoumbè-É1") << QStringLiteral("Ndoumbè-É1");
    QTest::newRow("vide") << QStringLiteral("") << QStringLiteral("NULL");
    QTest::newRow("aucun") << QString() << QStringLiteral("NULL");
}

// The national student number goes with the student into the new year, next to a student without one; the
// orientation series and the exclusion flag belong to the year and start afresh.
void TestTransition::numeroNational() {
    QFETCH(QString, numero);
    QFETCH(QString, stocke);
    EnvironnementTransition env;
    env.AjouterClasses({QStringLiteral("6A")});
    const TCPersonne personne(QStringLiteral("E01"), QStringLiteral("Fotso"), QStringLiteral("Inès"),
                              QString(), QString(), QString());
    env.Eleves[QStringLiteral("E01")] = std::make_unique<TCEleve>(
        personne, numero, QString(), QString(), QString(), QStringLiteral("1"), QStringLiteral("0"),
        QString(), QString(), QStringLiteral("5B"), QStringLiteral("F"), numero, 0.0, QDate(2012, 3, 4));
    env.Placement[QStringLiteral("E01")] = QStringLiteral("6A");
    env.AjouterEleve(QStringLiteral("E02"), QStringLiteral("Kamga"), QStringLiteral("Luc"),
                     QStringLiteral("6A"));
    QVERIFY(env.Executer());
    QCOMPARE(
        env.Base.Lignes(QStringLiteral("SELECT mat, mat_nationnal, orientation_serie, exclu FROM eleve "
                                       "ORDER BY mat"),
                        Nouvelle),
        QStringList({QStringLiteral("E01|%1|NULL|0").arg(stocke), QStringLiteral("E02|NAT-E02|NULL|0")}));
}

void TestTransition::classesAbsentes_data() {
    QTest::addColumn<QStringList>("placement"); // "matricule=classe"
    QTest::addColumn<QString>("classes");       // as the error names them
    QTest::newRow("une classe, deux élèves")
        << QStringList({QStringLiteral("E001=6A"), QStringLiteral("E002=3A"), QStringLiteral("E003=3A")})
        << QStringLiteral("3A (E002 Kamga Luc, E003 Fotso Inès)");
    // Left behind for its room, its series, its level; 2D is carried and is not named.
    QTest::newRow("trois classes") << QStringList({QStringLiteral("E001=6B"), QStringLiteral("E002=2C"),
                                                   QStringLiteral("E003=2D"), QStringLiteral("E9=XX")})
                                   << QStringLiteral(
                                          "2C (E002 Kamga Luc); 6B (E001 Ndoumbè Éloïse); XX (E9 Non Placé)");
}

// A class that the copies leave behind cannot receive students: the run stops at the student step, names
// the classes and their students, and everything written before is undone.
void TestTransition::classesAbsentes() {
    QFETCH(QStringList, placement);
    QFETCH(QString, classes);
    EnvironnementTransition env(Donnees);
    const QMap<QString, std::pair<QString, QString>> noms = {
        {QStringLiteral("E001"), {QStringLiteral("Ndoumbè"), QStringLiteral("Éloïse")}},
        {QStringLiteral("E002"), {QStringLiteral("Kamga"), QStringLiteral("Luc")}},
        {QStringLiteral("E003"), {QStringLiteral("Fotso"), QStringLiteral("Inès")}},
        {QStringLiteral("E9"), {QStringLiteral("Non"), QStringLiteral("Placé")}}};
    for (const QString& place : placement) {
        const QString matricule = place.section(QLatin1Char('='), 0, 0);
        env.AjouterEleve(matricule, noms[matricule].first, noms[matricule].second,
                         place.section(QLatin1Char('='), 1));
    }
    QStringList envois;
    TSQLQuery::AvantExecution = [&envois](const TSQLQuery& requete) {
        if (requete.Texte().startsWith(QLatin1String("INSERT INTO personne(")) ||
            requete.Texte().startsWith(QLatin1String("INSERT INTO eleve(")))
            envois << requete.Texte();
    };
    const QStringList avant = env.Empreinte();
    QVERIFY(!env.Executer());

    QVERIFY(envois.isEmpty());
    QStringList attendues =
        BoitesCompletes().mid(0, BoitesCompletes().indexOf(QStringLiteral("Transfert des Eleves terminé")));
    attendues << QStringLiteral("Une erreur est survenue : \r\nCes classes ne seront pas dans la nouvelle "
                                "année : ") +
                     classes + QStringLiteral(". Placez leurs élèves dans une autre classe.");
    QCOMPARE(env.Boites(), attendues);
    QCOMPARE(env.Empreinte(), avant);
    QVERIFY(!OBDataModule->Tx());
    QVERIFY(!env.Plateforme.Terminee);
}

// The new year's database cannot be reached: one box, nothing written anywhere, no transaction.
void TestTransition::connexionImpossible() {
    EnvironnementTransition env(Donnees);
    env.Base.SupprimerBase(Nouvelle);
    const QStringList avant = env.Base.Empreinte(QStringLiteral("korven"));
    QVERIFY(!env.Executer());
    QCOMPARE(env.Boites().size(), 1);
    QVERIFY2(env.Boites().first().startsWith(
                 QStringLiteral("Impossible de se connecter à la base de données : \r\n")),
             qPrintable(env.Boites().first()));
    QVERIFY(env.Boites().first().contains(Nouvelle));
    QCOMPARE(env.Base.Empreinte(QStringLiteral("korven")), avant);
    QVERIFY(!OBDataModule->Tx());
    QVERIFY(!OBDataModule->OBSQLConnection->Connected());
    QCOMPARE(OBDataModule->OBSQLConnection->Params,
             QStringList({QStringLiteral("drivername=MYSQL"), QStringLiteral("Database=bd_2026_2027"),
                          QStringLiteral("hostname=") + ServeurDeTest::Hote(),
                          QStringLiteral("password=") + ServeurDeTest::MotDePasse(),
                          QStringLiteral("user_name=") + ServeurDeTest::Utilisateur(),
                          QStringLiteral("port=") + ServeurDeTest::Port()}));
    QVERIFY(!env.Plateforme.Terminee);
}

void TestTransition::codeAnneeDangereux_data() {
    QTest::addColumn<QString>("courante");
    QTest::addColumn<QString>("nouvelle");
    QTest::newRow("année courante") << QStringLiteral("2025/2026.x; DROP DATABASE korven")
                                    << QStringLiteral("2026/2027");
    QTest::newRow("nouvelle année") << QStringLiteral("2025/2026") << QStringLiteral("2026/2027`.`x");
    QTest::newRow("année vide") << QString() << QStringLiteral("2026/2027");
}

// The year codes become database names written into the statements: anything but a plain name is refused
// before the connection is touched.
void TestTransition::codeAnneeDangereux() {
    QFETCH(QString, courante);
    QFETCH(QString, nouvelle);
    EnvironnementTransition env(Donnees);
    env.Parametres.AnneeCourante = courante;
    env.Parametres.NouvelleAnnee = nouvelle;
    const QStringList avant = env.Empreinte();
    QVERIFY(!env.Executer());
    QCOMPARE(env.Boites().size(), 1);
    QVERIFY(env.Boites().first().startsWith(QStringLiteral("Une erreur est survenue : \r\n")));
    QCOMPARE(env.Empreinte(), avant);
    QVERIFY(OBDataModule->OBSQLConnection->Params.contains(QStringLiteral("Database=bd_2025_2026")));
}

// A table without transactions would keep its rows after a rollback: the run refuses before writing, and
// names the tables.
void TestTransition::moteurSansTransactions() {
    EnvironnementTransition env(Donnees);
    env.Base.Executer(QStringLiteral("ALTER TABLE frais ENGINE = MyISAM"), Nouvelle);
    env.Base.Executer(QStringLiteral("ALTER TABLE korven.annee_scolaire ENGINE = Aria"));
    const QStringList avant = env.Empreinte();
    QVERIFY(!env.Executer());
    QCOMPARE(env.Boites().size(), 2);
    QCOMPARE(env.Boites().first(), QStringLiteral("Connexion réussie à la base de donnée."));
    const QString refus = env.Boites().at(1);
    QVERIFY2(refus.contains(QStringLiteral("bd_2026_2027.frais")) &&
                 refus.contains(QStringLiteral("korven.annee_scolaire")) &&
                 refus.contains(QStringLiteral("InnoDB")),
             qPrintable(refus));
    QVERIFY(!refus.contains(QStringLiteral("bd_2026_2027.classe")));
    QCOMPARE(env.Empreinte(), avant);
    QVERIFY(!OBDataModule->Tx());
}

// The new year's tables may hold their columns in another order than the closing year's: every value lands
// in the column of its name.
void TestTransition::colonnesDansUnAutreOrdre() {
    EnvironnementTransition env(Donnees);
    for (const char* deplacement :
         {"ALTER TABLE banque MODIFY numero_compte VARCHAR(100) NULL DEFAULT NULL AFTER id",
          "ALTER TABLE Catcharge MODIFY plafond_depense DECIMAL(12,2) NULL DEFAULT NULL FIRST",
          "ALTER TABLE Charge MODIFY reguliere CHAR(1) NOT NULL DEFAULT '0' AFTER id, MODIFY id_categorie "
          "INT "
          "NULL DEFAULT NULL FIRST",
          "ALTER TABLE motif_reduction MODIFY valeurReduction DECIMAL(12,2) NULL DEFAULT NULL AFTER id, "
          "MODIFY "
          "typeReduction VARCHAR(10) NULL DEFAULT NULL FIRST",
          "ALTER TABLE cotes MODIFY note_ou_moyenne CHAR(1) NULL DEFAULT NULL FIRST, MODIFY inc_sup CHAR(1) "
          "NOT "
          "NULL DEFAULT '0' AFTER id, MODIFY cote VARCHAR(30) NULL DEFAULT NULL AFTER sup"})
        env.Base.Executer(QString::fromLatin1(deplacement), Nouvelle);
    QVERIFY(env.Executer());
    const auto lignes = [&env](const QString& sql) { return env.Base.Lignes(sql, Nouvelle); };
    QCOMPARE(lignes(QStringLiteral("SELECT id, nom, etat, numero_compte FROM banque ORDER BY id")),
             QStringList({QStringLiteral("1|Afriland|1|0001"), QStringLiteral("2|SGBC déjà là|1|9999")}));
    QCOMPARE(lignes(QStringLiteral("SELECT id, lib, CONCAT(plafond_depense) FROM Catcharge ORDER BY id")),
             QStringList({QStringLiteral("1|Fonctionnement|100000.00"),
                          QStringLiteral("2|Investissement (déjà là)|5.00")}));
    QCOMPARE(lignes(QStringLiteral("SELECT id, lib, id_categorie, reguliere FROM Charge ORDER BY id")),
             QStringList({QStringLiteral("1|Électricité|1|1"), QStringLiteral("2|Bâtiment (déjà là)|2|1")}));
    QCOMPARE(
        lignes(QStringLiteral(
            "SELECT id, motif, typeReduction, CONCAT(valeurReduction) FROM motif_reduction ORDER BY id")),
        QStringList({QStringLiteral("1|Enfant d'enseignant (déjà là)|P|40.00"),
                     QStringLiteral("2|Fratrie|M|5000.00")}));
    QCOMPARE(lignes(QStringLiteral("SELECT id, cote, id_langue, CONCAT(inf), CONCAT(sup), inc_sup, "
                                   "note_ou_moyenne FROM cotes ORDER BY id")),
             QStringList({QStringLiteral("1|A|1|16.00|20.00|1|N"),
                          QStringLiteral("2|B (déjà là)|1|14.00|16.00|0|N")}));
}

// A column the new year lacks stops the run as any failing statement does: the server's words, nothing kept.
void TestTransition::colonneManquante() {
    EnvironnementTransition env(Donnees);
    env.Base.Executer(QStringLiteral("ALTER TABLE banque DROP COLUMN numero_compte"), Nouvelle);
    const QStringList avant = env.Empreinte();
    QVERIFY(!env.Executer());
    const QString erreur = env.Boites().constLast();
    QVERIFY2(erreur.startsWith(QStringLiteral("Une erreur est survenue : \r\n")) &&
                 erreur.contains(QStringLiteral("numero_compte")),
             qPrintable(erreur));
    QCOMPARE(env.Empreinte(), avant);
    QVERIFY(!OBDataModule->Tx());
}

// Rows already in the new database are neither duplicated nor in the way: running the copies a second time
// over a completed transition changes nothing but the master table and the journal.
void TestTransition::secondeExecution() {
    EnvironnementTransition env(Donnees);
    env.AjouterEleve(QStringLiteral("E001"), QStringLiteral("Ndoumbè"), QStringLiteral("Éloïse"),
                     QStringLiteral("6A"));
    env.Parametres.Eleves = false;
    QVERIFY(env.Executer());
    const QStringList premiere = env.Base.Empreinte(Nouvelle);
    // The same copies again, as a user pressing "Terminer" twice on an already filled database would.
    env.Base.Executer(
        QStringLiteral("UPDATE korven.annee_scolaire SET active = IF(code = '2025/2026', '1', '0')"));
    env.Base.Executer(QStringLiteral("DELETE FROM korven.annee_scolaire WHERE code = '2026/2027'"));
    env.Plateforme.Vider();
    QVERIFY(env.Executer());
    QCOMPARE(env.Boites(), EnvironnementTransition::BoitesCompletes(false));
    const QStringList seconde = env.Base.Empreinte(Nouvelle);
    // Only the journal has grown, by the second entry.
    for (int i = 0; i < premiere.size(); ++i) {
        if (premiere[i].startsWith(QLatin1String("journal:")))
            continue;
        QCOMPARE(seconde[i], premiere[i]);
    }
    QCOMPARE(env.Base.Valeur(QStringLiteral("SELECT COUNT(*) FROM journal"), Nouvelle).toInt(), 2);
}

// The new year is in the master table already (another workstation made the change, or it was registered
// by hand): the user is told, nothing is kept, and the program starts again to its sign-in, since the year
// the wizard was opened on may be closed (it used to leave the wizard open on its last page).
void TestTransition::anneeDejaEnregistree() {
    EnvironnementTransition env(Donnees);
    env.Base.Executer(
        QStringLiteral("INSERT INTO korven.annee_scolaire (code, active) VALUES ('2026/2027', '0')"));
    const QStringList avant = env.Empreinte();
    env.Parametres.DictionnaireEleves = &env.Eleves;
    env.Parametres.DictionnaireElevesNew = &env.Placement;
    QVERIFY(TTransitionAnnee().Executer(env.Parametres) == TIssueTransition::DejaFaite);
    QCOMPARE(
        env.Boites().constLast(),
        QStringLiteral("L'année scolaire 2026/2027 est déjà enregistrée dans la base maîtresse "
                       "(korven.annee_scolaire), probablement par un autre poste.\r\nRien n'a été modifié."));
    QCOMPARE(env.Plateforme.Evenements.constLast(), QStringLiteral("Redémarrage"));
    QCOMPARE(env.Empreinte(), avant);
}

QTEST_GUILESS_MAIN(TestTransition)
#include "test_transition.moc"
