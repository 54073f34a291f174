#include "core/model/UniteCEleve.h"

#include "base/KorvenUtils.h"
#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"

#include <cmath>

using namespace Modele;

TCEleve::TCEleve(const TCPersonne& CPersonne, const QString& IdUnique, const QString& Pere,
                 const QString& Mere, const QString& Tuteur, const QString& EnRegle,
                 const QString& Redoublant, const QString& EnregistrePar, const QString& LieuNaissance,
                 const QString& Classe, const QString& Sexe, double MontantVerse, const QDate& DateNaissance)
    : TCPersonne(CPersonne), IdUnique(IdUnique), Pere(Pere), Mere(Mere), Tuteur(Tuteur), EnRegle(EnRegle),
      MontantVerse(MontantVerse), Redoublant(Redoublant), EnregistrePar(EnregistrePar),
      LieuNaissance(LieuNaissance), Classe(Classe), Sexe(Sexe), DateNaissance(DateNaissance) {}

TCEleve::TCEleve(const TCPersonne& CPersonne, const QString& IdUnique, const QString& Pere,
                 const QString& Mere, const QString& Tuteur, const QString& EnRegle,
                 const QString& Redoublant, const QString& EnregistrePar, const QString& LieuNaissance,
                 const QString& Classe, const QString& Sexe, const QString& MatriculeNationnal,
                 double MontantVerse, const QDate& DateNaissance)
    : TCPersonne(CPersonne), IdUnique(IdUnique), Pere(Pere), Mere(Mere), Tuteur(Tuteur), EnRegle(EnRegle),
      MontantVerse(MontantVerse), Redoublant(Redoublant), EnregistrePar(EnregistrePar),
      LieuNaissance(LieuNaissance), Classe(Classe), Sexe(Sexe), MatriculeNationnal(MatriculeNationnal),
      DateNaissance(DateNaissance) {}

TCEleve::TCEleve(const QString& IdUnique, const QString& Matricule, const QString& Nom, const QString& Prenom,
                 const QString& Redoublant, const QString& EnRegle, const QString& Sexe)
    : TCPersonne(Matricule, Nom, Prenom, QString(), QString(), QString()), IdUnique(IdUnique),
      EnRegle(EnRegle), Redoublant(Redoublant), Sexe(Sexe) {}

TCEleve::TCEleve(const QString& IdUnique, const QString& Matricule, const QString& Nom, const QString& Prenom,
                 const QString& Redoublant, const QString& EnRegle, const QString& Sexe,
                 const QString& LieuNaissance, const QDate& DateNaissance)
    : TCPersonne(Matricule, Nom, Prenom, QString(), QString(), QString()), IdUnique(IdUnique),
      EnRegle(EnRegle), Redoublant(Redoublant), LieuNaissance(LieuNaissance), Sexe(Sexe),
      DateNaissance(DateNaissance) {}

TCEleve::TCEleve(const TCPersonne& CPersonne, const QString& IdUnique, const QString& Pere,
                 const QString& Mere, const QString& LieuNaissance, const QString& Classe,
                 const QString& Sexe, const QDate& DateNaissance, const QByteArray& Photo)
    : TCPersonne(CPersonne), IdUnique(IdUnique), Pere(Pere), Mere(Mere), LieuNaissance(LieuNaissance),
      Classe(Classe), Sexe(Sexe), DateNaissance(DateNaissance) {
    SetPhoto(Photo);
}

TCEleve::TCEleve(const TCEleve& Eleve)
    : TCPersonne(Eleve), IdUnique(Eleve.IdUnique), Pere(Eleve.Pere), Mere(Eleve.Mere), Tuteur(Eleve.Tuteur),
      EnRegle(Eleve.EnRegle), MontantVerse(Eleve.MontantVerse), Redoublant(Eleve.Redoublant),
      EnregistrePar(Eleve.EnregistrePar), LieuNaissance(Eleve.LieuNaissance), Classe(Eleve.Classe),
      Sexe(Eleve.Sexe), MatriculeNationnal(Eleve.MatriculeNationnal), DateNaissance(Eleve.DateNaissance),
      Photo(Eleve.Photo),
      OrientationSerie(Eleve.OrientationSerie ? std::make_unique<TCSerie>(*Eleve.OrientationSerie)
                                              : nullptr) {}

void TCEleve::SetPhoto(const TImage* Valeur) {
    if (Valeur == nullptr)
        Photo.reset();
    else
        Photo = *Valeur;
}

void TCEleve::SetPhoto(const QByteArray& Valeur) {
    if (Valeur.isEmpty())
        Photo.reset();
    else
        Photo = TImage(Valeur);
}

std::unique_ptr<TCEleve> TCEleve::findByMatricule(const QString& Matricule) {
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonnee"));
    TClientDataSet& ds = requete.Ouvrir(
        {QStringLiteral("SELECT `P`.`mat` AS matricule, E.mat_nationnal AS IdUnique, `P`.`nom`, `P`.`pnom`, "
                        "`P`.`nat` AS nationalite, `P`.`tel` AS telephone, `P`.`adr` AS adresse,"),
         QStringLiteral("`E`.`pere`, `E`.`mere`, `E`.`tuteur`, `E`.`en_regle`, `E`.`montant_verse`,"),
         QStringLiteral("`E`.`redoublant`, `E`.`enregistre_par`, `E`.`lnais`, `E`.`sexe`, E.idclasse, "),
         QStringLiteral("`E`.`dnais` FROM Personne P INNER JOIN Eleve E ON (P.mat = E.mat AND E.mat = ") +
             ChaineSQL(Matricule) + QStringLiteral(")")});
    if (ds.RecordCount() != 1)
        return nullptr;
    ds.First();
    const auto texte = [&ds](const char* colonne) {
        return ds.FieldByName(QLatin1String(colonne)).AsString();
    };
    const TCPersonne personne(texte("matricule"), texte("nom"), texte("pnom"), texte("nationalite"),
                              texte("telephone"), texte("adresse"));
    return std::make_unique<TCEleve>(personne, texte("IdUnique"), texte("pere"), texte("mere"),
                                     texte("tuteur"), texte("en_regle"), texte("redoublant"),
                                     texte("enregistre_par"), texte("lnais"), texte("idclasse"),
                                     texte("sexe"), ds.FieldByName(QStringLiteral("montant_verse")).AsFloat(),
                                     ds.FieldByName(QStringLiteral("dnais")).AsDate());
}

std::optional<QStringList>
TCEleve::getListMatriculeByCodeClasse(const QString& Classe, bool OnlyRegularSTudent, const QString& Annee) {
    if (EstVide(Classe))
        Echouer(QStringLiteral("Vous devez passer le code de la classe."));
    const QString db = BaseAnnee(Annee);
    QStringList lignes{QStringLiteral("SELECT `E`.`mat`"),
                       QStringLiteral("FROM `") + db + QStringLiteral("`.`Eleve` `E` INNER JOIN `") + db +
                           QStringLiteral("`.`Personne` `P` ON `P`.`mat` = `E`.`mat`"),
                       QStringLiteral("WHERE E.IDCLASSE = ") + ChaineSQL(Classe) +
                           QStringLiteral(" AND E.exclu = ") + ChaineSQL(QStringLiteral("0"))};
    if (OnlyRegularSTudent)
        lignes << QStringLiteral("AND E.en_regle = ") + ChaineSQL(QStringLiteral("1"));
    lignes << QStringLiteral("ORDER BY `P`.`nom` ASC, `P`.`pnom` ASC");
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonnee"));
    TClientDataSet& ds = requete.Ouvrir(lignes);
    if (ds.IsEmpty())
        return std::nullopt;
    QStringList matricules;
    for (ds.First(); !ds.Eof(); ds.Next())
        matricules << ds.FieldByName(QStringLiteral("mat")).AsString();
    return matricules;
}

int TCEleve::CountByClasse(const QString& AnneeScolaire, const QString& CodeClasse) {
    const QString db = BaseAnnee(AnneeScolaire);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonnee"));
    TClientDataSet& ds = requete.Ouvrir(
        {QStringLiteral("SELECT COUNT(*) AS nb FROM ") + db +
         QStringLiteral(".eleve WHERE idclasse = :code_classe AND exclu = :exclu")},
        {{QStringLiteral("code_classe"), CodeClasse}, {QStringLiteral("exclu"), QStringLiteral("0")}});
    if (ds.RecordCount() != 1)
        return 0;
    ds.First();
    return ds.FieldByName(QStringLiteral("nb")).AsInteger();
}

namespace {

double Somme(const QStringList& lignes, const QString& Matricule, const QString& colonne) {
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonnee"));
    TClientDataSet& ds = requete.Ouvrir(lignes, {{QStringLiteral("matricule"), Matricule}});
    if (ds.IsEmpty())
        return 0.0;
    ds.First();
    return ds.FieldByName(colonne).AsFloat();
}

} // namespace

double TCEleve::GetMontantAVerser(const QString& Matricule, const QString& AnneeScolaire) {
    const QString db = BaseAnnee(AnneeScolaire);
    return Somme({QStringLiteral("SELECT COALESCE(SUM(montant), 0) AS montant_a_verser FROM `") + db +
                  QStringLiteral("`.`tranche_eleve` WHERE mat_eleve = :matricule AND etat = 'V' ")},
                 Matricule, QStringLiteral("montant_a_verser"));
}

double TCEleve::GetMontantTotalVerse(const QString& Matricule, const QString& AnneeScolaire) {
    const QString db = BaseAnnee(AnneeScolaire);
    return Somme(
        {QStringLiteral("SELECT COALESCE(SUM(V.montant), 0) AS montant_verse FROM `") + db +
             QStringLiteral("`.`versement` V"),
         QStringLiteral("INNER JOIN `") + db +
             QStringLiteral("`.`tranche_eleve` TE ON TE.id = V.`ID_TRANCHE_ELEVE`"),
         QStringLiteral("INNER JOIN `") + db + QStringLiteral("`.`recu` R ON R.`numero` = V.`NUMERO_RECU`"),
         QStringLiteral("WHERE TE.`MAT_ELEVE` = :matricule AND R.`etat` = 'V' ")},
        Matricule, QStringLiteral("montant_verse"));
}

double TCEleve::GetMontantTotalReduction(const QString& Matricule, const QString& AnneeScolaire) {
    const QString db = BaseAnnee(AnneeScolaire);
    return Somme({QStringLiteral("SELECT COALESCE(SUM(montant), 0) AS montant_total_reduction FROM `") + db +
                  QStringLiteral("`.`reduction_frais` WHERE MAT_ELEVE = :matricule")},
                 Matricule, QStringLiteral("montant_total_reduction"));
}

bool TCEleve::IsEnRegle(const QString& Matricule, const QString& AnneeScolaire) {
    // The amounts are stored to the cent: compared in whole cents, 150.30 - 50.10 - 100.20 is exactly
    // nothing, which the same subtraction on doubles is not.
    const auto centimes = [](double montant) { return std::llround(montant * 100.0); };
    const long long reste = centimes(GetMontantAVerser(Matricule, AnneeScolaire)) -
                            centimes(GetMontantTotalReduction(Matricule, AnneeScolaire)) -
                            centimes(GetMontantTotalVerse(Matricule, AnneeScolaire));
    return reste == 0;
}
