#include "core/model/UniteCEnseignant.h"

#include "base/KorvenUtils.h"
#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"

#include <QComboBox>

using namespace Modele;

TCEnseignant::TCEnseignant(const TCPersonne& CPersonne, const QString& Statut, const QString& Niveau,
                           const QString& Specialite, const QString& Cni, std::unique_ptr<TCGrade> Grade,
                           const QString& Civilite)
    : TCPersonne(CPersonne), Statut(Statut), Niveau(Niveau), Specialite(Specialite), Cni(Cni),
      Grade(std::move(Grade)), Civilite(Civilite) {}

TCEnseignant::TCEnseignant(const QString& Matricule, const QString& Nom, const QString& Prenom,
                           const QString& Nationalite, const QString& Telephone, const QString& Adresse,
                           const QString& Statut, const QString& Niveau, const QString& Specialite,
                           const QString& Cni, std::unique_ptr<TCGrade> Grade,
                           std::unique_ptr<TCDepartement> Departement,
                           std::unique_ptr<TCFonctionPersonnel> Fonction, const QString& Civilite)
    : TCPersonne(Matricule, Nom, Prenom, Nationalite, Telephone, Adresse), Statut(Statut), Niveau(Niveau),
      Specialite(Specialite), Cni(Cni), Departement(std::move(Departement)), Grade(std::move(Grade)),
      Fonction(std::move(Fonction)), Civilite(Civilite) {}

namespace {

template <class T> std::unique_ptr<T> Copie(const T* objet) {
    return objet != nullptr ? std::make_unique<T>(*objet) : nullptr;
}

} // namespace

TCEnseignant::TCEnseignant(const TCEnseignant& Enseignant)
    : TCPersonne(Enseignant), Statut(Enseignant.Statut), Niveau(Enseignant.Niveau),
      Specialite(Enseignant.Specialite), Cni(Enseignant.Cni), Departement(Copie(Enseignant.GetDepartement())),
      Grade(Copie(Enseignant.GetGrade())), Fonction(Copie(Enseignant.GetFonction())),
      Civilite(Enseignant.Civilite) {}

std::unique_ptr<TCEnseignant> TCEnseignant::findByMatricule(const QString& Matricule) {
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonnee"));
    TClientDataSet& ds = requete.Ouvrir(
        {QStringLiteral(
             "SELECT `P`.`mat` AS matricule, `P`.`nom`, `P`.`pnom`, `P`.`nat` AS nationalite, `P`.`tel` "
             "AS telephone, `P`.`adr` AS adresse,"),
         QStringLiteral("`E`.`stat`, `E`.`niv`, `E`.`spec`, `E`.`cni`, `E`.`civilite`,"),
         QStringLiteral("`G`.`id` AS id_grade, `G`.`code` AS code_grade, `G`.`intitule` AS intitule_grade, "
                        "`G`.`volume_horaire_hebdomadaire`,"),
         QStringLiteral("`D`.`num` AS id_departement, `D`.`nom` AS nom_departement, "),
         QStringLiteral("`F`.`id` AS id_fonction, `F`.`code` AS code_fonction, `F`.`nom` AS nom_fonction, "
                        "`F`.`description` AS description_fonction"),
         QStringLiteral("FROM Personne P INNER JOIN Personnel E ON P.mat = E.mat"),
         QStringLiteral(
             "INNER JOIN Grade G ON G.id = E.id_grade INNER JOIN Fonction F ON F.id = E.id_fonction"),
         QStringLiteral("LEFT JOIN Departement D ON D.num = E.dept WHERE E.mat = ") + ChaineSQL(Matricule)});
    if (ds.RecordCount() != 1)
        return nullptr;
    ds.First();
    const auto texte = [&ds](const char* colonne) {
        return ds.FieldByName(QLatin1String(colonne)).AsString();
    };
    const auto entier = [&ds](const char* colonne) {
        return ds.FieldByName(QLatin1String(colonne)).AsInteger();
    };
    auto grade = std::make_unique<TCGrade>(entier("id_grade"), texte("code_grade"), texte("intitule_grade"),
                                           entier("volume_horaire_hebdomadaire"));
    std::unique_ptr<TCDepartement> departement;
    if (!ds.FieldByName(QStringLiteral("id_departement")).IsNull())
        departement = std::make_unique<TCDepartement>(entier("id_departement"), texte("nom_departement"));
    auto fonction = std::make_unique<TCFonctionPersonnel>(
        entier("id_fonction"), texte("code_fonction"), texte("nom_fonction"), texte("description_fonction"));
    return std::make_unique<TCEnseignant>(
        texte("matricule"), texte("nom"), texte("pnom"), texte("nationalite"), texte("telephone"),
        texte("adresse"), texte("stat"), texte("niv"), texte("spec"), texte("cni"), std::move(grade),
        std::move(departement), std::move(fonction), texte("civilite"));
}

void TCEnseignant::LoadComboBox(QComboBox* ComboBox, bool WithAllOption) {
    if (ComboBox == nullptr)
        Echouer(MsgComposantNull);
    TClientDataSet& ds =
        OuvrirDonnees1({QStringLiteral("SELECT P.mat, P.nom, P.pnom, P.nat, P.tel, P.adr, E.STAT, "
                                       "E.NIV, E.spec, E.CNI, E.CIVILITE"),
                        QStringLiteral("FROM PERSONNE P INNER JOIN Personnel E ON P.mat=E.mat"),
                        QStringLiteral("ORDER BY P.nom, P.pnom")});
    if (WithAllOption) {
        auto tous = std::make_unique<TCEnseignant>(
            QString(), QStringLiteral("Tous les enseignants"), QString(), QString(), QString(), QString(),
            QString(), QString(), QString(), QString(), nullptr, nullptr, nullptr, QString());
        const QString texte = tous->GetNom() + QLatin1Char(' ') + tous->GetPrenom();
        AjouterObjetCombo(ComboBox, texte, std::move(tous));
    }
    const auto texte = [&ds](const char* colonne) {
        return ds.FieldByName(QLatin1String(colonne)).AsString();
    };
    for (ds.First(); !ds.Eof(); ds.Next()) {
        auto enseignant = std::make_unique<TCEnseignant>(
            texte("mat"), texte("nom"), texte("pnom"), texte("nat"), texte("tel"), texte("adr"),
            texte("STAT"), texte("NIV"), texte("spec"), texte("CNI"), nullptr, nullptr, nullptr,
            texte("CIVILITE"));
        AjouterObjetCombo(ComboBox, texte("nom") + QLatin1Char(' ') + texte("pnom"), std::move(enseignant));
    }
    if (ComboBox->count() > 0)
        ComboBox->setCurrentIndex(0);
}
