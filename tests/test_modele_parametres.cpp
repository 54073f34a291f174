// Users, parameters and the school configuration against the real server, and the picture type they share.
#include "base/Chiffrement.h"
#include "base/KORVENTypesU.h"
#include "base/KorvenUtils.h"
#include "core/data/OBDataModuleU.h"
#include "core/model/UnitParametres.h"
#include "core/model/UniteCConfiguration.h"
#include "core/model/UniteCUtilisateur.h"
#include "support/EnvironnementModele.h"
#include "support/ImageDeTest.h"

#include <QComboBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <functional>

namespace {

const QString Annee = QStringLiteral("2025/2026");
const QString Base = QStringLiteral("bd_2025_2026");

QByteArray Image(const char* format, const QColor& couleur) {
    return ImageDeTest(QSize(4, 3), couleur, format);
}

} // namespace

class TestModeleParametres : public QObject, public EnvironnementModele {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void images_data();
    void images();
    void verificationsArguments_data();
    void verificationsArguments();
    void lectureParNom();
    void valeursParDefaut();
    void autreAnneeQueLaConnexion();
    void miseAJourTexte();
    void miseAJourIdentifiantsChiffres_data();
    void miseAJourIdentifiantsChiffres();
    void miseAJourImage();
    void utilisateurs();
    void configuration();
    void textesRequetes_data();
    void textesRequetes();

private:
    // The bytes stored for a parameter, read apart from the system.
    QByteArray Blob(const QString& nom, const QString& base = Base);
};

void TestModeleParametres::init() {
    Ouvrir();
    // A text parameter whose blob is not empty still reads as text.
    base_->Executer(QStringLiteral("INSERT INTO parametres VALUES ('SCHOOL_NAME_EN','Lycée d''Akwa',"
                                   "'PNG-not-read','Nom anglais','TX'),"
                                   "('REPORT_LOGO',NULL,NULL,'Logo','IM'),('VIDE','',NULL,NULL,NULL)"),
                    Base);
    QSqlQuery q(QSqlDatabase::database(QStringLiteral("solvane_test_admin")));
    q.prepare(
        QStringLiteral("UPDATE bd_2025_2026.parametres SET valeur_blob = :b WHERE nom = 'REPORT_LOGO'"));
    q.bindValue(QStringLiteral(":b"), Image("PNG", Qt::green));
    QVERIFY(q.exec());
}

void TestModeleParametres::cleanup() {
    Fermer();
}

QByteArray TestModeleParametres::Blob(const QString& nom, const QString& base) {
    QSqlQuery q(QSqlDatabase::database(QStringLiteral("solvane_test_admin")));
    q.prepare(QStringLiteral("SELECT valeur_blob FROM `%1`.parametres WHERE nom = :n").arg(base));
    q.bindValue(QStringLiteral(":n"), nom);
    if (!q.exec() || !q.next())
        return QByteArray("<absent>");
    return q.value(0).toByteArray();
}

void TestModeleParametres::images_data() {
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<bool>("valide");
    QTest::newRow("png") << Image("PNG", Qt::red) << QByteArray("png") << true;
    QTest::newRow("jpeg") << Image("JPEG", Qt::red) << QByteArray("jpeg") << true;
    QTest::newRow("bmp") << Image("BMP", Qt::red) << QByteArray("bmp") << true;
    QTest::newRow("inconnu") << QByteArray("pas une image") << QByteArray() << false;
}

void TestModeleParametres::images() {
    QFETCH(QByteArray, octets);
    QFETCH(QByteArray, format);
    QFETCH(bool, valide);
    // The format comes from the bytes themselves; written back, the picture gives those same bytes.
    const TParametre parametre(QStringLiteral("P"), QStringLiteral("d"), QStringLiteral("IM"), octets);
    const TImage* image = parametre.GetValeurBlob();
    QVERIFY(image != nullptr);
    QCOMPARE(image->Format(), format);
    QCOMPARE(image->EstValide(), valide);
    QCOMPARE(image->Octets(), octets);
    if (valide)
        QCOMPARE(image->Image().size(), QSize(4, 3));
    QCOMPARE(parametre.GetValeurText(), QString());
    const TParametre copie(parametre);
    QCOMPARE(copie.GetValeurBlob()->Octets(), octets);
    QVERIFY(copie.GetValeurBlob() != image);

    QVERIFY(TParametre(QStringLiteral("P"), QStringLiteral("d"), QStringLiteral("IM"), QByteArray())
                .GetValeurBlob() == nullptr);
    const TImage enMemoire(QImage(2, 2, QImage::Format_RGB32));
    QCOMPARE(enMemoire.Format(), QByteArray("png"));
    QCOMPARE(TImage(enMemoire.Octets()).Image().size(), QSize(2, 2));
}

void TestModeleParametres::verificationsArguments_data() {
    QTest::addColumn<Appel>("appel");
    QTest::addColumn<QString>("message");
    const QString passer = QStringLiteral("Vous devez passer l'annéée scolaire.");
    const QString blanc = QStringLiteral("   ");
    QComboBox* const* b = &boite_;
    QTest::newRow("par nom") << Appel([=] { TParametre::GetByNom(blanc, QStringLiteral("X")); }) << passer;
    QTest::newRow("texte") << Appel([=] {
        TParametre::GetParamValueText(QString(), QStringLiteral("X"), "d");
    }) << passer;
    QTest::newRow("image") << Appel([=] {
        TParametre::GetParamValueBlob(blanc, QStringLiteral("X"), std::nullopt);
    }) << passer;
    QTest::newRow("mise a jour") << Appel([=] {
        TParametre::Update(blanc, QStringLiteral("X"), QStringLiteral("v"), QString(), QStringLiteral("TX"),
                           nullptr);
    }) << passer;
    QTest::newRow("utilisateurs sans boite")
        << Appel([=] { TCUtilisateur::LoadCombobox(nullptr, Annee, false, true); })
        << QStringLiteral("Impossible de charger un composant null.");
    QTest::newRow("utilisateurs annee")
        << Appel([=] { TCUtilisateur::LoadCombobox(*b, blanc, false, true); }) << passer;
    QTest::newRow("existe annee") << Appel([=] { TCUtilisateur::Exists(QStringLiteral("admin"), blanc); })
                                  << passer;
}

void TestModeleParametres::verificationsArguments() {
    QFETCH(Appel, appel);
    QFETCH(QString, message);
    QCOMPARE(Erreur(appel), message);
    QCOMPARE(requetes_, QStringList());
}

void TestModeleParametres::lectureParNom() {
    const auto texte = TParametre::GetByNom(Annee, QStringLiteral("SCHOOL_NAME_EN"));
    QVERIFY(texte != nullptr);
    QCOMPARE(texte->GetNom(), QStringLiteral("SCHOOL_NAME_EN"));
    QCOMPARE(texte->GetValeurText(), QStringLiteral("Lycée d'Akwa"));
    QCOMPARE(texte->GetDescription(), QStringLiteral("Nom anglais"));
    QCOMPARE(texte->GetTypeParam(), QStringLiteral("TX"));
    QVERIFY(texte->GetValeurBlob() == nullptr);
    QCOMPARE(requetes_.last(),
             QStringLiteral("SELECT `P`.`nom`, `P`.`valeur_text`, `P`.`valeur_blob`, `P`.`description`, "
                            "`P`.`type_param`\nFROM `bd_2025_2026`.`parametres` `P`\nWHERE `P`.`nom` = "
                            "'SCHOOL_NAME_EN'"));

    const auto logo = TParametre::GetByNom(Annee, QStringLiteral("REPORT_LOGO"));
    QCOMPARE(logo->GetTypeParam(), QStringLiteral("IM"));
    QCOMPARE(logo->GetValeurText(), QString());
    QCOMPARE(logo->GetValeurBlob()->Format(), QByteArray("png"));
    QCOMPARE(logo->GetValeurBlob()->Image().pixelColor(0, 0), QColor(Qt::green));

    QVERIFY(TParametre::GetByNom(Annee, QStringLiteral("ABSENT")) == nullptr);
    // A name holding a quote is a value like any other.
    base_->Executer(QStringLiteral("INSERT INTO parametres (nom, valeur_text, type_param) VALUES "
                                   "('L''ECOLE','oui','TX')"),
                    Base);
    QCOMPARE(TParametre::GetByNom(Annee, QStringLiteral("L'ECOLE"))->GetValeurText(), QStringLiteral("oui"));
    QVERIFY(TParametre::GetByNom(Annee, QStringLiteral("x' OR '1'='1")) == nullptr);
}

void TestModeleParametres::valeursParDefaut() {
    const QString annee = Annee;
    QCOMPARE(TParametre::GetParamValueText(annee, QStringLiteral("SCHOOL_NAME_EN"), QStringLiteral("d")),
             QStringLiteral("Lycée d'Akwa"));
    QCOMPARE(TParametre::GetParamValueText(annee, QStringLiteral("ABSENT"), QStringLiteral("1")),
             QStringLiteral("1"));
    QCOMPARE(TParametre::GetParamValueText(annee, QStringLiteral("ABSENT"), QString()), QString());
    // A picture parameter gives the empty text, not the default; a stored empty text stays empty.
    QCOMPARE(TParametre::GetParamValueText(annee, QStringLiteral("REPORT_LOGO"), QStringLiteral("d")),
             QString());
    QCOMPARE(TParametre::GetParamValueText(annee, QStringLiteral("VIDE"), QStringLiteral("d")), QString());

    const std::optional<TImage> defaut = TImage(Image("PNG", Qt::black));
    const auto logo = TParametre::GetParamValueBlob(annee, QStringLiteral("REPORT_LOGO"), defaut);
    QVERIFY(logo.has_value());
    QCOMPARE(logo->Image().pixelColor(0, 0), QColor(Qt::green));
    // A text parameter gives no picture, not the default; a missing one the default.
    QVERIFY(!TParametre::GetParamValueBlob(annee, QStringLiteral("SCHOOL_NAME_EN"), defaut).has_value());
    QCOMPARE(TParametre::GetParamValueBlob(annee, QStringLiteral("ABSENT"), defaut)->Octets(),
             defaut->Octets());
    QVERIFY(!TParametre::GetParamValueBlob(annee, QStringLiteral("ABSENT"), std::nullopt).has_value());
}

void TestModeleParametres::autreAnneeQueLaConnexion() {
    // The connection is on a third year; the look-up reads the year it is given.
    base_->CreerBaseAnnee(QStringLiteral("bd_2027_2028"));
    ServeurDeTest::Configurer(module_->OBSQLConnection, QStringLiteral("bd_2027_2028"));
    base_->Executer(QStringLiteral("INSERT INTO parametres (nom, valeur_text, type_param) VALUES "
                                   "('SCHOOL_NAME_EN','Année suivante','TX')"),
                    QStringLiteral("bd_2026_2027"));
    QCOMPARE(TParametre::GetParamValueText(Annee, QStringLiteral("SCHOOL_NAME_EN"), QString()),
             QStringLiteral("Lycée d'Akwa"));
    QCOMPARE(TParametre::GetParamValueText(QStringLiteral("2026/2027"), QStringLiteral("SCHOOL_NAME_EN"),
                                           QString()),
             QStringLiteral("Année suivante"));
    QCOMPARE(TParametre::GetParamValueText(QStringLiteral("2027/2028"), QStringLiteral("SCHOOL_NAME_EN"),
                                           QStringLiteral("aucun")),
             QStringLiteral("aucun"));
    QCOMPARE(module_->OBSQLConnection->Base().databaseName(), QStringLiteral("bd_2027_2028"));
}

void TestModeleParametres::miseAJourTexte() {
    // Not there yet: inserted. There: updated. The picture column is left alone by a text parameter.
    TParametre::Update(Annee, QStringLiteral("DEVISE"), QStringLiteral("Travail"), QStringLiteral("Devise"),
                       QStringLiteral("TX"), nullptr);
    QCOMPARE(requetes_.last(), QStringLiteral("INSERT INTO `bd_2025_2026`.`parametres`(`nom`, `valeur_text`, "
                                              "`description`, `type_param`) VALUES (:nom, :valeur_text, "
                                              ":description, :type_param)"));
    TParametre::Update(Annee, TParametre(QStringLiteral("SCHOOL_NAME_EN"), QStringLiteral("Akwa's school"),
                                         QStringLiteral("Nom"), QStringLiteral("TX")));
    QCOMPARE(requetes_.last(),
             QStringLiteral("UPDATE `bd_2025_2026`.`parametres` SET `valeur_text` = :valeur_text, "
                            "`description` = :description, `type_param` = :type_param WHERE "
                            "`nom` = :nom"));
    QCOMPARE(
        base_->Lignes(QStringLiteral("SELECT nom, valeur_text, description, type_param FROM parametres WHERE "
                                     "nom IN ('DEVISE','SCHOOL_NAME_EN') ORDER BY nom"),
                      Base),
        (QStringList{QStringLiteral("DEVISE|Travail|Devise|TX"),
                     QStringLiteral("SCHOOL_NAME_EN|Akwa's school|Nom|TX")}));
    QCOMPARE(Blob(QStringLiteral("SCHOOL_NAME_EN")), QByteArray("PNG-not-read"));
    // Another year's database, whatever the connection is attached to.
    TParametre::Update(QStringLiteral("2026/2027"), QStringLiteral("DEVISE"), QStringLiteral("Discipline"),
                       QString(), QStringLiteral("TX"), nullptr);
    QCOMPARE(base_
                 ->Valeur(QStringLiteral("SELECT valeur_text FROM parametres WHERE nom = 'DEVISE'"),
                          QStringLiteral("bd_2026_2027"))
                 .toString(),
             QStringLiteral("Discipline"));
    QCOMPARE(TParametre::GetParamValueText(Annee, QStringLiteral("DEVISE"), QString()),
             QStringLiteral("Travail"));
}

void TestModeleParametres::miseAJourIdentifiantsChiffres_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<bool>("chiffre");
    QTest::addColumn<bool>("existant");
    QTest::newRow("mot de passe nouveau") << QStringLiteral("VESPERAL_SMS_API_PASSWORD") << true << false;
    QTest::newRow("mot de passe existant") << QStringLiteral("VESPERAL_SMS_API_PASSWORD") << true << true;
    QTest::newRow("utilisateur") << QStringLiteral("VESPERAL_SMS_API_USER_NAME") << true << false;
    QTest::newRow("autre nom") << QStringLiteral("VESPERAL_SMS_API_URL") << false << false;
}

void TestModeleParametres::miseAJourIdentifiantsChiffres() {
    QFETCH(QString, nom);
    QFETCH(bool, chiffre);
    QFETCH(bool, existant);
    if (existant)
        TParametre::Update(Annee, nom, QStringLiteral("ancien"), QString(), QStringLiteral("TX"), nullptr);
    const QString clair = QStringLiteral("s3cret'é");
    TParametre::Update(Annee, nom, clair, QStringLiteral("Service SMS"), QStringLiteral("TX"), nullptr);
    const QString stocke =
        base_->Valeur(QStringLiteral("SELECT valeur_text FROM parametres WHERE nom = '%1'").arg(nom), Base)
            .toString();
    QCOMPARE(stocke, chiffre ? CrypterTexte(clair, PhraseSecrete) : clair);
    if (chiffre) {
        QVERIFY(stocke != clair);
        QCOMPARE(DecrypterTexte(stocke, PhraseSecrete), clair);
    }
    // Read back as stored, never decrypted.
    QCOMPARE(TParametre::GetParamValueText(Annee, nom, QString()), stocke);
}

void TestModeleParametres::miseAJourImage() {
    const QByteArray jpeg = Image("JPEG", Qt::blue);
    const TImage image(jpeg);
    TParametre::Update(Annee, QStringLiteral("SIGNATURE"), QString(), QStringLiteral("Signature"),
                       QStringLiteral("IM"), &image);
    QCOMPARE(requetes_.last(), QStringLiteral("INSERT INTO `bd_2025_2026`.`parametres`(`nom`, `valeur_blob`, "
                                              "`description`, `type_param`) VALUES (:nom, :valeur_blob, "
                                              ":description, :type_param)"));
    // The bytes written are the image file's, unchanged.
    QCOMPARE(Blob(QStringLiteral("SIGNATURE")), jpeg);
    const auto relu = TParametre::GetByNom(Annee, QStringLiteral("SIGNATURE"));
    QCOMPARE(relu->GetValeurBlob()->Format(), QByteArray("jpeg"));

    // Written back through the record: same bytes again; the text column is left alone.
    base_->Executer(QStringLiteral("UPDATE parametres SET valeur_text = 'garde' WHERE nom = 'REPORT_LOGO'"),
                    Base);
    const QByteArray avant = Blob(QStringLiteral("REPORT_LOGO"));
    TParametre::Update(Annee, *TParametre::GetByNom(Annee, QStringLiteral("REPORT_LOGO")));
    QVERIFY(
        requetes_.last().startsWith(QStringLiteral("UPDATE `bd_2025_2026`.`parametres` SET `valeur_blob` = "
                                                   ":valeur_blob, `description` = :description,")));
    QCOMPARE(Blob(QStringLiteral("REPORT_LOGO")), avant);
    QCOMPARE(
        base_->Valeur(QStringLiteral("SELECT valeur_text FROM parametres WHERE nom = 'REPORT_LOGO'"), Base)
            .toString(),
        QStringLiteral("garde"));
    // No picture: NULL.
    TParametre::Update(Annee, QStringLiteral("REPORT_LOGO"), QString(), QStringLiteral("Logo"),
                       QStringLiteral("IM"), nullptr);
    QCOMPARE(
        base_->Lignes(QStringLiteral("SELECT valeur_blob IS NULL FROM parametres WHERE nom = 'REPORT_LOGO'"),
                      Base),
        QStringList{QStringLiteral("1")});
}

void TestModeleParametres::utilisateurs() {
    // No rows with the pseudo-item: that item alone, selected.
    TCUtilisateur::LoadCombobox(boite_, Annee, false, true);
    QCOMPARE(boite_->count(), 1);
    QCOMPARE(boite_->itemText(0), QStringLiteral("Tout"));
    QCOMPARE(boite_->currentIndex(), 0);
    const TCUtilisateur* tout = ObjetCombo<TCUtilisateur>(boite_, 0);
    QCOMPARE(tout->GetLogin(), QStringLiteral("Tout"));
    QCOMPARE(tout->GetEtat(), QStringLiteral("0"));
    QCOMPARE(tout->GetIsEnseignant(), QStringLiteral("0"));
    TCUtilisateur::FreeCombobox(boite_);

    base_->Executer(
        QStringLiteral("INSERT INTO utilisateur VALUES ('zoe',SHA1('a'),'1','Zoé','0'),"
                       "('o''neil',SHA1('b'),'1','Anne O''Neil','1'),('bob',SHA1('c'),'0','Bob','0')"),
        Base);
    TCUtilisateur::LoadCombobox(boite_, Annee, true, true);
    QCOMPARE(boite_->count(), 3);
    QCOMPARE(boite_->itemText(1), QStringLiteral("Anne O'Neil"));
    QCOMPARE(boite_->itemText(2), QStringLiteral("Zoé"));
    const TCUtilisateur* oneil = ObjetCombo<TCUtilisateur>(boite_, 1);
    QCOMPARE(oneil->GetLogin(), QStringLiteral("o'neil"));
    QCOMPARE(oneil->GetMotDePasse(), QStringLiteral("e9d71f5ee7c92d6dc9e92ffdad17b8bd49418f98"));
    QCOMPARE(oneil->GetIsEnseignant(), QStringLiteral("1"));
    // Entries are appended to what the list holds.
    TCUtilisateur::LoadCombobox(boite_, Annee, false, false);
    QCOMPARE(boite_->count(), 6);
    QCOMPARE(boite_->itemText(3), QStringLiteral("Anne O'Neil"));
    QCOMPARE(boite_->itemText(4), QStringLiteral("Bob"));
    QCOMPARE(boite_->currentIndex(), 0);
    TCUtilisateur::FreeCombobox(boite_);
    QCOMPARE(NombreObjetsCombo(boite_), 0);

    QVERIFY(TCUtilisateur::Exists(QStringLiteral("o'neil"), Annee));
    QVERIFY(!TCUtilisateur::Exists(QStringLiteral("x' OR '1'='1"), Annee));
    QVERIFY(!TCUtilisateur::Exists(QStringLiteral("zoe"), QStringLiteral("2026/2027")));
}

void TestModeleParametres::configuration() {
    const TImage logo(Image("PNG", Qt::red));
    QStringList t;
    for (int i = 1; i <= 26; ++i)
        t << QStringLiteral("t%1").arg(i);
    // The values in the constructor's order: 22 texts, FormatBulletin, LogoBul, MinSequence, Logo,
    // SignatureResponsable, AgeMinimal, AgeMaximal, ProfilBul, HeureDueEmploisDeTemps.
    const TCConfiguration c(t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11], t[12],
                            t[13], t[14], t[15], t[16], t[17], t[18], t[19], t[20], t[21], t[22], t[23], 3,
                            logo, TImage(), 10, 25, t[24], t[25]);
    const QStringList lus{c.GetNomFr(),
                          c.GetNomEn(),
                          c.GetDeviseFr(),
                          c.GetDeviseEn(),
                          c.GetBoitePostale(),
                          c.GetCiviliteResponsable(),
                          c.GetNomResponsable(),
                          c.GetPrefixeQualiteResponsable(),
                          c.GetQualiteResponsable(),
                          c.GetTelephone(),
                          c.GetFax(),
                          c.GetAdresse(),
                          c.GetLocalisation(),
                          c.GetVille(),
                          c.GetPrefixeRegion(),
                          c.GetRegion(),
                          c.GetRegionEn(),
                          c.GetPrefixeDepartement(),
                          c.GetDepartement(),
                          c.GetDepartementEn(),
                          c.GetPrefixeArrondissement(),
                          c.GetArrondissement(),
                          c.GetFormatBulletin(),
                          c.GetLogoBul(),
                          c.GetProfilBul(),
                          c.GetHeureDueEmploisDeTemps()};
    QCOMPARE(lus, t);
    QCOMPARE(c.GetMinSequence(), 3);
    QCOMPARE(c.GetAgeMinimal(), 10);
    QCOMPARE(c.GetAgeMaximal(), 25);
    QCOMPARE(c.GetLogo().Octets(), logo.Octets());
    QVERIFY(c.GetSignatureResponsable().EstVide());
}

void TestModeleParametres::textesRequetes_data() {
    QTest::addColumn<Appel>("appel");
    QTest::addColumn<QStringList>("textes");       // every statement sent, in order
    QTest::addColumn<QStringList>("parametres");   // their named parameters, "name=value"
    QTest::addColumn<QStringList>("fournisseurs"); // the provider of each statement (empty: none)
    QComboBox* const* b = &boite_;
    const QString parNom =
        QStringLiteral("SELECT `P`.`nom`, `P`.`valeur_text`, `P`.`valeur_blob`, "
                       "`P`.`description`, `P`.`type_param`\n"
                       "FROM `bd_2025_2026`.`parametres` `P`\nWHERE `P`.`nom` = 'L''ECOLE'");
    const QString fournisseurParNom = QStringLiteral("ProviderDonneeGetParamByNom");
    QTest::newRow("par nom") << Appel([] { TParametre::GetByNom(Annee, QStringLiteral("L'ECOLE")); })
                             << QStringList{parNom} << QStringList() << QStringList{fournisseurParNom};
    QTest::newRow("texte") << Appel([] {
        TParametre::GetParamValueText(Annee, QStringLiteral("L'ECOLE"), QString());
    }) << QStringList{parNom}
                           << QStringList() << QStringList{fournisseurParNom};
    QTest::newRow("image") << Appel([] {
        TParametre::GetParamValueBlob(Annee, QStringLiteral("L'ECOLE"), std::nullopt);
    }) << QStringList{parNom}
                           << QStringList() << QStringList{fournisseurParNom};
    // The look-up, then a statement of its own.
    QTest::newRow("mise a jour")
        << Appel([] {
               TParametre::Update(Annee, QStringLiteral("L'ECOLE"), QStringLiteral("v"), QStringLiteral("d"),
                                  QStringLiteral("TX"), nullptr);
           })
        << QStringList{parNom, QStringLiteral(
                                   "INSERT INTO `bd_2025_2026`.`parametres`(`nom`, `valeur_text`, "
                                   "`description`, `type_param`) VALUES (:nom, :valeur_text, :description, "
                                   ":type_param)")}
        << QStringList{QStringLiteral("nom=L'ECOLE"), QStringLiteral("valeur_text=v"),
                       QStringLiteral("description=d"), QStringLiteral("type_param=TX")}
        << QStringList{fournisseurParNom, QString()};
    QTest::newRow("utilisateurs actifs")
        << Appel([=] { TCUtilisateur::LoadCombobox(*b, Annee, true, true); })
        << QStringList{QStringLiteral(
               "SELECT login, pass, etat, nom, is_enseignant FROM bd_2025_2026.utilisateur\n"
               "WHERE etat = '1'\nORDER BY nom ASC")}
        << QStringList() << QStringList{QStringLiteral("ProviderDonnee")};
    QTest::newRow("utilisateurs")
        << Appel([=] { TCUtilisateur::LoadCombobox(*b, Annee, false, false); })
        << QStringList{QStringLiteral(
               "SELECT login, pass, etat, nom, is_enseignant FROM bd_2025_2026.utilisateur\n"
               "ORDER BY nom ASC")}
        << QStringList() << QStringList{QStringLiteral("ProviderDonnee")};
    QTest::newRow("existe") << Appel([] { TCUtilisateur::Exists(QStringLiteral("o'neil"), Annee); })
                            << QStringList{QStringLiteral("SELECT login FROM bd_2025_2026.utilisateur\n"
                                                          "WHERE `login` = 'o''neil'")}
                            << QStringList() << QStringList{QStringLiteral("ProviderDonnee")};
}

void TestModeleParametres::textesRequetes() {
    QFETCH(Appel, appel);
    QFETCH(QStringList, textes);
    QFETCH(QStringList, parametres);
    QFETCH(QStringList, fournisseurs);
    appel();
    QCOMPARE(requetes_, textes);
    QCOMPARE(parametres_, parametres);
    QCOMPARE(fournisseurs_, fournisseurs);
}

QTEST_MAIN(TestModeleParametres)
#include "test_modele_parametres.moc"
