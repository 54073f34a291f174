#include "core/model/UniteCClasse.h"

#include "base/KORVENTypesU.h"
#include "base/KorvenUtils.h"
#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"

#include <QComboBox>
#include <functional>

using namespace Modele;

TCClasse::TCClasse(int Id, const QString& Code, const QString& Libelle, double MinCoefficient)
    : Id(Id), Code(Code), Libelle(Libelle), MinCoefficient(MinCoefficient) {}

TCClasse::TCClasse(int Id, std::unique_ptr<TCNiveau> CNiveau, const QString& Code, const QString& Libelle,
                   double MinCoefficient)
    : Id(Id), CNiveau(std::move(CNiveau)), Code(Code), Libelle(Libelle), MinCoefficient(MinCoefficient) {}

TCClasse::TCClasse(const QString& Code, const QString& Libelle) : Code(Code), Libelle(Libelle) {}

TCClasse::TCClasse(std::unique_ptr<TCNiveau> CNiveau, const QString& Code, const QString& Libelle)
    : CNiveau(std::move(CNiveau)), Code(Code), Libelle(Libelle) {}

TCClasse::TCClasse(std::unique_ptr<TCNiveau> CNiveau, const QString& Code, const QString& Libelle,
                   double MinCoefficient)
    : CNiveau(std::move(CNiveau)), Code(Code), Libelle(Libelle), MinCoefficient(MinCoefficient) {}

TCClasse::TCClasse(int Id, std::unique_ptr<TCNiveau> CNiveau, const QString& Code, const QString& Libelle,
                   double MinCoefficient, std::unique_ptr<TCEnseignant> Titulaire,
                   std::unique_ptr<TCSerie> Serie, int Effectif, std::unique_ptr<TCLangue> Langue)
    : Id(Id), CNiveau(std::move(CNiveau)), Code(Code), Libelle(Libelle), MinCoefficient(MinCoefficient),
      Titulaire(std::move(Titulaire)), Serie(std::move(Serie)), Effectif(Effectif),
      Langue(std::move(Langue)) {}

TCClasse::TCClasse(int Id, std::unique_ptr<TCNiveau> CNiveau, const QString& Code, const QString& Libelle,
                   double MinCoefficient, std::unique_ptr<TCEnseignant> Titulaire,
                   std::unique_ptr<TCSerie> Serie, int Effectif, std::unique_ptr<TCLangue> Langue,
                   std::unique_ptr<TCSalle> Salle)
    : Id(Id), CNiveau(std::move(CNiveau)), Code(Code), Libelle(Libelle), MinCoefficient(MinCoefficient),
      Titulaire(std::move(Titulaire)), Serie(std::move(Serie)), Effectif(Effectif), Langue(std::move(Langue)),
      Salle(std::move(Salle)) {}

namespace {

template <class T> std::unique_ptr<T> Copie(const std::unique_ptr<T>& objet) {
    return objet ? std::make_unique<T>(*objet) : nullptr;
}

} // namespace

TCClasse::TCClasse(const TCClasse& Classe)
    : TCObjet(Classe), Id(Classe.Id), CNiveau(Copie(Classe.CNiveau)), Code(Classe.Code),
      Libelle(Classe.Libelle), MinCoefficient(Classe.MinCoefficient), Titulaire(Copie(Classe.Titulaire)),
      Serie(Copie(Classe.Serie)), Effectif(Classe.Effectif), Langue(Copie(Classe.Langue)),
      Salle(Copie(Classe.Salle)) {}

namespace {

const QString TexteToutes = QStringLiteral("Toute les classes");
// Classes by their level's rank, then by code: the server would leave classes of one level in any order,
// and a list must read the same from one run to the next.
const QString ParNiveauPuisCode = QStringLiteral("ORDER BY `N`.`ordre` ASC, `C`.`code` ASC");

// The class of the current row with its own nested objects: series and room only when the row has them.
std::unique_ptr<TCClasse> Classe(const TClientDataSet& ds) {
    std::unique_ptr<TCSerie> serie;
    if (!ds.FieldByName(QStringLiteral("num_serie")).IsNull())
        serie = std::make_unique<TCSerie>(ds.FieldByName(QStringLiteral("num_serie")).AsInteger(),
                                          ds.FieldByName(QStringLiteral("nom_serie")).AsString());
    auto langue = std::make_unique<TCLangue>(ds.FieldByName(QStringLiteral("id_langue")).AsInteger(),
                                             ds.FieldByName(QStringLiteral("code_langue")).AsString(),
                                             ds.FieldByName(QStringLiteral("libelle_langue")).AsString());
    auto niveau = std::make_unique<TCNiveau>(ds.FieldByName(QStringLiteral("code_niveau")).AsString(),
                                             ds.FieldByName(QStringLiteral("nom_niveau")).AsString(),
                                             ds.FieldByName(QStringLiteral("ordre_niveau")).AsInteger());
    std::unique_ptr<TCSalle> salle;
    if (!ds.FieldByName(QStringLiteral("id_salle")).IsNull())
        salle = std::make_unique<TCSalle>(ds.FieldByName(QStringLiteral("id_salle")).AsInteger(),
                                          ds.FieldByName(QStringLiteral("nom_salle")).AsString(),
                                          ds.FieldByName(QStringLiteral("description_salle")).AsString(),
                                          ds.FieldByName(QStringLiteral("capacite_salle")).AsInteger());
    return std::make_unique<TCClasse>(
        0, std::move(niveau), ds.FieldByName(QStringLiteral("code")).AsString(),
        ds.FieldByName(QStringLiteral("lib")).AsString(),
        ds.FieldByName(QStringLiteral("min_coefficient")).AsFloat(), nullptr, std::move(serie),
        ds.FieldByName(QStringLiteral("effectif")).AsInteger(), std::move(langue), std::move(salle));
}

// Lines 1 to 6 of every class loader.
QStringList Debut(const QString& D) {
    return {QStringLiteral("SELECT `C`.`code`, `C`.`lib`, `C`.`min_coefficient`, `C`.`effectif`,"),
            QStringLiteral(
                "`N`.`code` AS `code_niveau`, `N`.`ordre` AS `ordre_niveau`, `N`.`nom` AS `nom_niveau`,"),
            QStringLiteral(
                "`L`.`id` AS `id_langue`, `L`.`code` AS `code_langue`, `L`.`libelle` AS `libelle_langue`,"),
            QStringLiteral("`S`.`num` AS `num_serie`, `S`.`nom` AS `nom_serie`, SS.id AS id_salle, SS.nom AS "
                           "nom_salle, SS.description AS description_salle, SS.capacite AS capacite_salle"),
            QStringLiteral("FROM `") + D + QStringLiteral("`.`classe` `C`"),
            QStringLiteral("INNER JOIN `") + D + QStringLiteral("`.`niveau` `N` ON `N`.`code` = `C`.`niv`")};
}

QString JointureSection(const QString& D) {
    return QStringLiteral("INNER JOIN `") + D +
           QStringLiteral("`.`section` `SC` ON `SC`.`id` = `N`.`id_section`");
}

// Lines of the language, room and series joins.
QStringList Fin(const QString& D) {
    return {
        QStringLiteral("INNER JOIN `") + D + QStringLiteral("`.`langue` `L` ON `L`.`id` = `C`.`id_langue`"),
        QStringLiteral("LEFT JOIN `") + D + QStringLiteral("`.`salle` `SS` ON `SS`.`id` = `C`.`id_salle`"),
        QStringLiteral("LEFT JOIN `") + D + QStringLiteral("`.`series` `S` ON `S`.`num` = `C`.`serie`")};
}

// The condition on the level, when a level is given.
bool AjouterNiveau(QStringList& lignes, const QString& CodeNiveau) {
    if (EstVide(CodeNiveau))
        return false;
    lignes << QStringLiteral("WHERE `N`.`code` = ") + ChaineSQL(CodeNiveau);
    return true;
}

// A condition after an optional earlier one: "AND ..." when there was one, "WHERE ..." otherwise.
QString EtOuOu(bool apres, const QString& condition) {
    return (apres ? QStringLiteral(" AND ") : QStringLiteral("WHERE ")) + condition;
}

// The common course of the class loaders.
void Charger(QComboBox* Combobox, const QString& Annee, bool WithAllOption,
             const std::function<QStringList(const QString& D)>& statement,
             const std::function<QString(const TCClasse&)>& texte,
             const std::function<void()>& verifier = {}) {
    if (Combobox == nullptr)
        Echouer(MsgComposantNull);
    const QString D = BaseAnnee(Annee);
    if (verifier)
        verifier();
    if (Combobox->count() > 0)
        FreeComboboxObjects(Combobox);
    if (WithAllOption)
        AjouterObjetCombo(Combobox, TexteToutes,
                          std::make_unique<TCClasse>(0, nullptr, TexteToutes, TexteToutes, -1.0, nullptr,
                                                     nullptr, -1, nullptr));
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonnee"));
    TClientDataSet& ds = requete.Ouvrir(statement(D));
    for (ds.First(); !ds.Eof(); ds.Next()) {
        std::unique_ptr<TCClasse> classe = Classe(ds);
        const QString affiche = texte(*classe);
        AjouterObjetCombo(Combobox, affiche, std::move(classe));
    }
    if (Combobox->count() > 0)
        Combobox->setCurrentIndex(0);
}

QString ParLibelle(const TCClasse& classe) {
    return classe.GetLibelle();
}

// Quoted codes of the rows, joined by ",".
QString ListeCodes(TClientDataSet& ds) {
    QStringList codes;
    for (ds.First(); !ds.Eof(); ds.Next())
        codes << ChaineSQL(ds.FieldByName(QStringLiteral("code")).AsString());
    return codes.join(QLatin1Char(','));
}

} // namespace

void TCClasse::LoadComboboxClasse(QComboBox* Combobox, const QString& Annee, const QString& CodeNiveau,
                                  bool WithAllOption) {
    Charger(
        Combobox, Annee, WithAllOption,
        [&](const QString& D) {
            QStringList lignes = Debut(D) + Fin(D);
            AjouterNiveau(lignes, CodeNiveau);
            lignes << ParNiveauPuisCode;
            return lignes;
        },
        ParLibelle);
}

void TCClasse::LoadComboboxClasse(QComboBox* Combobox, const QString& Annee, const QString& CodeNiveau,
                                  int IDSection, bool WithAllOption) {
    Charger(
        Combobox, Annee, WithAllOption,
        [&](const QString& D) {
            QStringList lignes = Debut(D) + QStringList{JointureSection(D)} + Fin(D);
            const bool niveau = AjouterNiveau(lignes, CodeNiveau);
            if (IDSection != -1)
                lignes << EtOuOu(niveau, QStringLiteral("`SC`.`id` = ") + QString::number(IDSection));
            lignes << ParNiveauPuisCode;
            return lignes;
        },
        ParLibelle);
}

void TCClasse::LoadComboboxClasseByListeOrdreNiveauIdSection(QComboBox* Combobox, const QString& Annee,
                                                             const QString& OrdreDesNiveau, int IDSection,
                                                             bool WithAllOption) {
    Charger(
        Combobox, Annee, WithAllOption,
        [&](const QString& D) {
            QStringList lignes = Debut(D) + QStringList{JointureSection(D)} + Fin(D);
            const bool ordres = !EstVide(OrdreDesNiveau);
            if (ordres)
                lignes << QStringLiteral("WHERE `N`.`ordre` IN  ") + OrdreDesNiveau;
            if (IDSection != -1)
                lignes << EtOuOu(ordres, QStringLiteral("`SC`.`id` = ") + QString::number(IDSection));
            lignes << ParNiveauPuisCode;
            return lignes;
        },
        [](const TCClasse& classe) {
            return QStringLiteral("[") + classe.GetCode() + QStringLiteral("] - ") + classe.GetLibelle();
        },
        [&] {
            // The list stands in the statement as it is: nothing but whole numbers in parentheses.
            if (!EstVide(OrdreDesNiveau))
                VerifierListeEntiers(OrdreDesNiveau);
        });
}

void TCClasse::LoadComboboxClasseByIdSalle(QComboBox* Combobox, const QString& Annee,
                                           const QString& CodeNiveau, int IdSalle, bool WithAllOption) {
    Charger(
        Combobox, Annee, WithAllOption,
        [&](const QString& D) {
            QStringList lignes = Debut(D) + Fin(D);
            const bool niveau = AjouterNiveau(lignes, CodeNiveau);
            lignes << (niveau ? QStringLiteral("AND ") : QStringLiteral("WHERE ")) +
                          QStringLiteral("`C`.`code` IN (SELECT DISTINCT `CL`.`code_classe` FROM ") + D +
                          QStringLiteral(".`classe_lecon` `CL` WHERE `CL`.`id_salle` = ") +
                          QString::number(IdSalle) + QStringLiteral(")");
            lignes << QStringLiteral("ORDER BY `N`.`ordre` ASC, C.code ASC");
            return lignes;
        },
        ParLibelle);
}

void TCClasse::LoadComboboxClasseByEnseignant(QComboBox* Combobox, const QString& Annee,
                                              const QString& CodeNiveau, const QString& MatEnseignant,
                                              bool WithAllOption) {
    Charger(
        Combobox, Annee, WithAllOption,
        [&](const QString& D) {
            QStringList lignes = Debut(D) + Fin(D);
            const bool niveau = AjouterNiveau(lignes, CodeNiveau);
            lignes << (niveau ? QStringLiteral("AND ") : QStringLiteral("WHERE ")) +
                          QStringLiteral("`C`.`code` IN (SELECT `CM`.`classe` FROM ") + D +
                          QStringLiteral(".`classe_matiere` `CM` WHERE `CM`.`enseignant` = ") +
                          ChaineSQL(MatEnseignant) + QStringLiteral(")");
            lignes << ParNiveauPuisCode;
            return lignes;
        },
        ParLibelle);
}

void TCClasse::LoadComboboxClasseByProfTitutalire(QComboBox* Combobox, const QString& Annee,
                                                  const QString& CodeNiveau, const QString& MatProfTitulaire,
                                                  bool WithAllOption) {
    Charger(
        Combobox, Annee, WithAllOption,
        [&](const QString& D) {
            QStringList lignes = Debut(D) + Fin(D);
            const bool niveau = AjouterNiveau(lignes, CodeNiveau);
            lignes << (niveau ? QStringLiteral("AND ") : QStringLiteral("WHERE ")) +
                          QStringLiteral("`C`.`prof_titulaire` = ") + ChaineSQL(MatProfTitulaire);
            lignes << ParNiveauPuisCode;
            return lignes;
        },
        ParLibelle);
}

void TCClasse::FreeComboboxClasse(QComboBox* Combobox) {
    FreeComboboxObjects(Combobox);
    if (Combobox != nullptr)
        Combobox->clear();
}

std::unique_ptr<TCClasse> TCClasse::FindByCode(const QString& Code) {
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonnee"));
    TClientDataSet& ds = requete.Ouvrir(
        {QStringLiteral(
             "SELECT `C`.`code`, `C`.`lib`, `C`.`niv`, `C`.`min_coefficient`, `C`.`prof_titulaire`, "
             "`C`.`effectif`,"),
         QStringLiteral("`S`.`num` AS `num_serie`, `S`.`nom` AS `nom_serie`, `L`.`id` AS `id_langue`,"),
         QStringLiteral("`L`.`code` AS `code_langue`, `L`.`libelle` AS `libelle_langue`,"),
         QStringLiteral(
             "`N`.`code` AS `code_niveau`, `N`.`nom` AS `nom_niveau`, `N`.`ordre` AS `ordre_niveau`,"),
         QStringLiteral(
             "SS.id AS id_salle, SS.nom AS nom_salle, SS.description AS description_salle, SS.capacite "
             "AS capacite_salle"),
         QStringLiteral("FROM `classe` `C`"),
         QStringLiteral("INNER JOIN `langue` `L` ON `L`.`id` = `C`.`id_langue`"),
         QStringLiteral("INNER JOIN `niveau` `N` ON `N`.`code` = `C`.`niv`"),
         QStringLiteral("LEFT JOIN `salle` `SS` ON `SS`.`id` = `C`.`id_salle`"),
         QStringLiteral("LEFT JOIN `series` `S` ON `S`.`num` = `C`.`serie`"),
         QStringLiteral("WHERE `C`.`code` = :code")},
        {{QStringLiteral("code"), Code}});
    std::unique_ptr<TCClasse> classe;
    for (ds.First(); !ds.Eof(); ds.Next())
        classe = Classe(ds);
    return classe;
}

QString TCClasse::FindCodeNiveau(const QString& Code) {
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeFindCodeNiveau"));
    TClientDataSet& ds =
        requete.Ouvrir({QStringLiteral("SELECT C.niv FROM classe C WHERE C.code = ") + ChaineSQL(Code)});
    if (ds.IsEmpty())
        return QString();
    ds.First();
    return ds.FieldByName(QStringLiteral("niv")).AsString();
}

int TCClasse::GetEffectifByClasse(const QString& Code, bool EnRegle) {
    try {
        TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonnee"));
        QStringList lignes{QStringLiteral("SELECT COUNT(*) AS effectif FROM eleve WHERE idclasse = ") +
                           ChaineSQL(Code) + QStringLiteral(" AND exclu = ") +
                           ChaineSQL(QStringLiteral("0"))};
        if (EnRegle)
            lignes << QStringLiteral(" AND en_regle = '1' ");
        TClientDataSet& ds = requete.Ouvrir(lignes);
        ds.First();
        return ds.FieldByName(QStringLiteral("effectif")).AsInteger();
    } catch (const EKorven& e) {
        throw EKorven(QStringLiteral("Une erreur est survenue : \r\n") + e.Message());
    }
}

QString TCClasse::GetListeClasseCodeByNiveauCode(const QString& /*Annee*/, const QString& CodeNiveau) {
    QStringList lignes{QStringLiteral("SELECT C.code FROM classe C ")};
    if (!CodeNiveau.isEmpty())
        lignes << QStringLiteral(" WHERE C.niv  = ") + ChaineSQL(CodeNiveau);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeGetListeClasseCodeByNiveauCode"));
    return ListeCodes(requete.Ouvrir(lignes));
}

QString TCClasse::GetListeClasseCodeBySectionID(const QString& /*Annee*/, int IDSection) {
    QStringList lignes{QStringLiteral("SELECT C.code FROM classe C INNER JOIN NIVEAU N ON C.niv=N.code")};
    if (IDSection != -1)
        lignes << QStringLiteral(" AND N.id_section = ") + QString::number(IDSection);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonnee"));
    return ListeCodes(requete.Ouvrir(lignes));
}
