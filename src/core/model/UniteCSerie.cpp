#include "core/model/UniteCSerie.h"

#include "base/KorvenUtils.h"
#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"

#include <QComboBox>
#include <functional>

using namespace Modele;

TCSerie::TCSerie(const QString& Nom) : Nom(Nom) {}

TCSerie::TCSerie(int Num, const QString& Nom) : Num(Num), Nom(Nom) {}

TCSerie::TCSerie(const TCSerie& Serie) : TCObjet(Serie), Num(Serie.Num), Nom(Serie.Nom) {}

namespace {

std::unique_ptr<TCSerie> Serie(const TClientDataSet& ds) {
    return std::make_unique<TCSerie>(ds.FieldByName(QStringLiteral("num")).AsInteger(),
                                     ds.FieldByName(QStringLiteral("nom")).AsString());
}

QString ParNumero(const QString& db) {
    return QStringLiteral("SELECT `S`.`num`, `S`.`nom` FROM `") + db +
           QStringLiteral("`.`series` `S` WHERE `S`.`num` = :num");
}

void VerifierNumero(int NumSerie, const QString& Annee) {
    if (NumSerie < 0)
        Echouer(QStringLiteral("Vous devez passer un numéro de série positif."));
    if (EstVide(Annee))
        Echouer(MsgPasserAnnee);
}

// The common course of the loaders: checks, release, then one item per row.
void Charger(QComboBox* Combobox, const QString& Annee,
             const std::function<QStringList(const QString&)>& lignes, const TParams& parametres,
             bool avecAucune) {
    if (Combobox == nullptr)
        Echouer(MsgComposantNull);
    const QString db = BaseAnnee(Annee);
    if (Combobox->count() > 0)
        FreeComboboxObjects(Combobox);
    if (avecAucune)
        AjouterObjetCombo(Combobox, QStringLiteral("(Aucune)"),
                          std::make_unique<TCSerie>(-1, QStringLiteral("(Aucune)")));
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeLoadComboboxSerie"));
    TClientDataSet& ds = requete.Ouvrir(lignes(db), parametres);
    for (ds.First(); !ds.Eof(); ds.Next()) {
        std::unique_ptr<TCSerie> serie = Serie(ds);
        const QString texte = serie->GetNom();
        AjouterObjetCombo(Combobox, texte, std::move(serie));
    }
    Combobox->setCurrentIndex(-1);
}

} // namespace

std::unique_ptr<TCSerie> TCSerie::FindByNom(const QString& Nom, const QString& Annee) {
    if (EstVide(Nom))
        Echouer(QStringLiteral("Vous devez passer le nom de la série en paramètre."));
    const QString db = BaseAnnee(Annee);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeSerieFindByNom"));
    TClientDataSet& ds = requete.Ouvrir({QStringLiteral("SELECT `S`.`num`, `S`.`nom` FROM `") + db +
                                         QStringLiteral("`.`series` `S` WHERE `S`.`nom` = :nom")},
                                        {{QStringLiteral("nom"), Nom}});
    std::unique_ptr<TCSerie> serie;
    for (ds.First(); !ds.Eof(); ds.Next())
        serie = Serie(ds);
    return serie;
}

QString TCSerie::FindNameByNum(int NumSerie, const QString& Annee) {
    VerifierNumero(NumSerie, Annee);
    const QString db = BaseAnnee(Annee);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeSerieFindNameByNum"));
    TClientDataSet& ds = requete.Ouvrir({ParNumero(db)}, {{QStringLiteral("num"), NumSerie}});
    QString nom;
    for (ds.First(); !ds.Eof(); ds.Next())
        if (!ds.FieldByName(QStringLiteral("nom")).IsNull())
            nom = ds.FieldByName(QStringLiteral("nom")).AsString();
    return nom;
}

std::unique_ptr<TCSerie> TCSerie::FindObjectByNum(int NumSerie, const QString& Annee) {
    VerifierNumero(NumSerie, Annee);
    const QString db = BaseAnnee(Annee);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeSerieFindObjectByNum"));
    TClientDataSet& ds = requete.Ouvrir({ParNumero(db)}, {{QStringLiteral("num"), NumSerie}});
    if (ds.IsEmpty())
        Echouer(QStringLiteral("Aucune série trouvée avec l'identifiant ") + QString::number(NumSerie));
    if (ds.RecordCount() > 1)
        Echouer(QStringLiteral("Plus d'une série avec le même identifiant ") + QString::number(NumSerie));
    ds.First();
    return Serie(ds);
}

void TCSerie::LoadComboboxSerie(QComboBox* Combobox, const QString& Annee) {
    Charger(
        Combobox, Annee,
        [](const QString& db) -> QStringList {
            return {QStringLiteral("SELECT `S`.`num`, `S`.`nom` FROM `") + db +
                    QStringLiteral("`.`series` `S` ORDER BY `S`.`num` ASC")};
        },
        {}, false);
}

void TCSerie::LoadComboboxSerie(QComboBox* Combobox, const QString& Annee, const QString& CodeNiveau) {
    Charger(
        Combobox, Annee,
        [](const QString& db) -> QStringList {
            return {QStringLiteral("SELECT `S`.`num`, `S`.`nom` FROM `") + db +
                        QStringLiteral("`.`series` `S`"),
                    QStringLiteral("INNER JOIN `examens_series` `ES` ON `ES`.`num_serie` = `S`.`num`"),
                    QStringLiteral("INNER JOIN `examens` `E` ON `E`.`num` = `ES`.`num_examen`"),
                    QStringLiteral("INNER JOIN `niveau` `N` ON `N`.`examen` = `E`.`num`"),
                    QStringLiteral("WHERE `N`.`code` = :code_niveau ORDER BY `S`.`nom` ASC")};
        },
        {{QStringLiteral("code_niveau"), CodeNiveau}}, false);
}

void TCSerie::LoadComboboxSerie(QComboBox* Combobox, const QString& Annee, int ID_Examen) {
    Charger(
        Combobox, Annee,
        [](const QString& db) -> QStringList {
            return {QStringLiteral("SELECT `S`.`num`, `S`.`nom` FROM `") + db +
                        QStringLiteral("`.`series` `S`"),
                    QStringLiteral("INNER JOIN `examens_series` `ES` ON `ES`.`num_serie` = `S`.`num`"),
                    QStringLiteral("INNER JOIN `examens` `E` ON `E`.`num` = `ES`.`num_examen`"),
                    QStringLiteral("WHERE `E`.`num` = :num_examen ORDER BY `S`.`nom` ASC")};
        },
        {{QStringLiteral("num_examen"), ID_Examen}}, false);
}

void TCSerie::LoadComboboxSerie(QComboBox* Combobox, const QString& Annee, bool WithNoOption) {
    Charger(
        Combobox, Annee,
        [](const QString& db) -> QStringList {
            return {QStringLiteral("SELECT `S`.`num`, `S`.`nom` FROM `") + db +
                        QStringLiteral("`.`series` `S`"),
                    QStringLiteral("ORDER BY `S`.`nom` ASC")};
        },
        {}, WithNoOption);
}

void TCSerie::FreeComboboxSerie(QComboBox* Combobox) {
    FreeComboboxObjects(Combobox);
}
