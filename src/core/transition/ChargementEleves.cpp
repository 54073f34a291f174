#include "core/transition/ChargementEleves.h"

#include "base/KORVENTypesU.h"
#include "base/KorvenUtils.h"
#include "core/data/ConnexionSQL.h"
#include "core/data/LectureDirecte.h"
#include "core/data/OBDataModuleU.h"
#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"
#include "core/model/UniteCConfiguration.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <vector>

using namespace Modele;

namespace {

// The column's position in the result; EKorven, as a read by name would, when the server sent none.
int Colonne(const QSqlRecord& enregistrement, const QString& nom) {
    const int i = enregistrement.indexOf(nom);
    if (i < 0)
        Echouer(QStringLiteral("Champ '%1' non trouvé").arg(nom));
    return i;
}

// The year's series, number -> names (a number is the table's key: one name, unless the table lost it).
QHash<int, QStringList> SeriesDeLAnnee(const QString& annee) {
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeSeriesEleves"));
    TClientDataSet& ds = requete.Ouvrir({QStringLiteral("SELECT `S`.`num`, `S`.`nom` FROM `") +
                                         BaseAnnee(annee) + QStringLiteral("`.`series` `S`")});
    QHash<int, QStringList> series;
    for (ds.First(); !ds.Eof(); ds.Next())
        series[ds.FieldByName(QStringLiteral("num")).AsInteger()]
            << ds.FieldByName(QStringLiteral("nom")).AsString();
    return series;
}

// The series of orientation number num, with the texts of the series look-up by number.
std::unique_ptr<TCSerie> SerieOrientation(const QHash<int, QStringList>& series, int num) {
    if (num < 0)
        Echouer(QStringLiteral("Vous devez passer un numéro de série positif."));
    const auto trouvee = series.constFind(num);
    if (trouvee == series.constEnd())
        Echouer(QStringLiteral("Aucune série trouvée avec l'identifiant ") + QString::number(num));
    if (trouvee->size() > 1)
        Echouer(QStringLiteral("Plus d'une série avec le même identifiant ") + QString::number(num));
    return std::make_unique<TCSerie>(num, trouvee->first());
}

// Two students the statement's order cannot tell apart: the same surname and first name, case aside (the
// comparison runs for every pair of neighbours of the school).
bool MemeNom(const TCEleve& a, const TCEleve& b) {
    return EgauxSansCasse(a.GetNom(), b.GetNom()) && EgauxSansCasse(a.GetPrenom(), b.GetPrenom());
}

// The list's order from the statement's (surname, first name): among students of the same name, by
// matricule.
TOrdreEleves OrdreDeLaListe(TOrdreEleves ordre) {
    for (size_t debut = 0; debut < ordre.size();) {
        size_t fin = debut + 1;
        while (fin < ordre.size() && MemeNom(*ordre[debut], *ordre[fin]))
            ++fin;
        std::sort(ordre.begin() + static_cast<std::ptrdiff_t>(debut),
                  ordre.begin() + static_cast<std::ptrdiff_t>(fin),
                  [](const TCEleve* x, const TCEleve* y) { return x->GetMatricule() < y->GetMatricule(); });
        debut = fin;
    }
    return ordre;
}

} // namespace

QString TexteEleve(const TCEleve& Eleve) {
    // Built in one allocation: the list makes one for every student of the school at each refill.
    const QString& matricule = Eleve.GetMatricule();
    const QString& nom = Eleve.GetNom();
    const QString& prenom = Eleve.GetPrenom();
    QString texte;
    texte.reserve(matricule.size() + nom.size() + prenom.size() + 6);
    texte.append(QLatin1Char('[')).append(matricule).append(QLatin1String("] - ")).append(nom);
    texte.append(QLatin1Char(' ')).append(prenom);
    return texte;
}

std::unique_ptr<TCConfiguration> ChargerConfiguration() {
    TClientDataSet& ds = OuvrirDonnees1(
        {QStringLiteral("SELECT nom_fr, nom_en, devise_fr, devise_en, boite_postale, civilite_responsable, "
                        "nom_responsable, prefixe_qualite_responsable,"),
         QStringLiteral("qualite_responsable, telephone, fax, adresse, localisation, ville, prefixe_region, "
                        "region, region_en, prefixe_departement, departement, departement_en, "),
         QStringLiteral("prefixe_arrondissement, arrondissement, min_sequence, logo, age_min, age_max, "
                        "format_bulletin, signature_responsable, logo_bul, profil_bul, heure_du_edt FROM "
                        "configuration")});
    if (ds.IsEmpty())
        return std::make_unique<TCConfiguration>(
            QString(), QString(), QString(), QString(), QString(), QString(), QString(), QString(), QString(),
            QString(), QString(), QString(), QString(), QString(), QString(), QString(), QString(), QString(),
            QString(), QString(), QString(), QString(), QString(), QString(), 0, TImage(), TImage(), 0, 0,
            QString(), QString());
    ds.First();
    const auto t = [&ds](const char* colonne) {
        return ds.FieldByName(QString::fromLatin1(colonne)).AsString();
    };
    const auto n = [&ds](const char* colonne) {
        return ds.FieldByName(QString::fromLatin1(colonne)).AsInteger();
    };
    const auto image = [&ds](const char* colonne) {
        return TImage(ds.FieldByName(QString::fromLatin1(colonne)).AsBytes());
    };
    return std::make_unique<TCConfiguration>(
        t("nom_fr"), t("nom_en"), t("devise_fr"), t("devise_en"), t("boite_postale"),
        t("civilite_responsable"), t("nom_responsable"), t("prefixe_qualite_responsable"),
        t("qualite_responsable"), t("telephone"), t("fax"), t("adresse"), t("localisation"), t("ville"),
        t("prefixe_region"), t("region"), t("region_en"), t("prefixe_departement"), t("departement"),
        t("departement_en"), t("prefixe_arrondissement"), t("arrondissement"), t("format_bulletin"),
        t("logo_bul"), n("min_sequence"), image("logo"), image("signature_responsable"), n("age_min"),
        n("age_max"), t("profil_bul"), t("heure_du_edt"));
}

TElevesCharges ChargerEleves(const QString& AnneeCourante) {
    TElevesCharges charges;
    // The rows are read straight from the statement's result into the records, without a copy of each row on
    // the way: the school's every student passes through here at each sign-in.
    ConnexionAnnee();
    OBDataModule->ClientDataSetDonnees1->Close();
    TSQLQuery& requete = *OBDataModule->SQLQueryDonnees1;
    requete.Preparer(
        {QStringLiteral(
             "SELECT P.mat, P.nom, P.pnom, P.nat, P.tel, P.adr, E.mat_nationnal AS IdUnique, E.pere, "
             "E.mere, E.tuteur, E.orientation_serie, "),
         QStringLiteral("IF(INSTR(D.decision, 'Redouble') > 0, 'R', IF((INSTR(D.decision, 'Promu') > 0) AND "
                        "(INSTR(D.decision, 'Exclu') > 0 ), 'PE' , IF(INSTR(D.decision, 'Exclu') > 0, 'E', "
                        "'P'))) AS decision,"),
         QStringLiteral(
             "E.enregistre_par, E.lnais, E.dnais, E.idclasse, E.sexe, E.mat_nationnal FROM personne P"),
         QStringLiteral("INNER JOIN eleve E ON E.mat = P.mat INNER JOIN decision D ON D.mat = E.mat ORDER BY "
                        "P.nom ASC, P.pnom ASC")});
    QSqlQuery q = requete.Curseur();
    const QSqlRecord r = q.record();
    const int mat = Colonne(r, QStringLiteral("mat")), nom = Colonne(r, QStringLiteral("nom")),
              pnom = Colonne(r, QStringLiteral("pnom")), nat = Colonne(r, QStringLiteral("nat")),
              tel = Colonne(r, QStringLiteral("tel")), adr = Colonne(r, QStringLiteral("adr")),
              idUnique = Colonne(r, QStringLiteral("IdUnique")), pere = Colonne(r, QStringLiteral("pere")),
              mere = Colonne(r, QStringLiteral("mere")), tuteur = Colonne(r, QStringLiteral("tuteur")),
              orientation = Colonne(r, QStringLiteral("orientation_serie")),
              decision = Colonne(r, QStringLiteral("decision")),
              enregistrePar = Colonne(r, QStringLiteral("enregistre_par")),
              lnais = Colonne(r, QStringLiteral("lnais")), dnais = Colonne(r, QStringLiteral("dnais")),
              idclasse = Colonne(r, QStringLiteral("idclasse")), sexe = Colonne(r, QStringLiteral("sexe")),
              matNational = Colonne(r, QStringLiteral("mat_nationnal"));

    // Series are looked up only when a student has one, and then read once for all.
    TLectureDirecte ligne(q);
    TOrdreEleves ordreLecture;
    if (const int lignes = q.size(); lignes > 0)
        ordreLecture.reserve(static_cast<size_t>(lignes));
    QHash<int, QStringList> series;
    bool seriesLues = false;
    while (ligne.Suivante()) {
        const QString code = ligne.Texte(decision);
        const QString redoublant = (code == QLatin1String("R") || code == QLatin1String("E"))
                                       ? QStringLiteral("1")
                                       : QStringLiteral("0");
        const TCPersonne personne(ligne.Texte(mat), ligne.Texte(nom), ligne.Texte(pnom), ligne.Texte(nat),
                                  ligne.Texte(tel), ligne.Texte(adr));
        auto eleve = std::make_unique<TCEleve>(
            personne, ligne.Texte(idUnique), ligne.Texte(pere), ligne.Texte(mere), ligne.Texte(tuteur),
            QStringLiteral("0"), redoublant, ligne.Texte(enregistrePar), ligne.Texte(lnais),
            ligne.Texte(idclasse), ligne.Texte(sexe), ligne.Texte(matNational), 0.0, ligne.Date(dnais));
        if (!ligne.EstNul(orientation)) {
            if (!seriesLues) {
                series = SeriesDeLAnnee(AnneeCourante);
                seriesLues = true;
            }
            eleve->SetOrientationSerie(SerieOrientation(series, ligne.Entier(orientation)));
        }
        const QString matricule = eleve->GetMatricule();
        ordreLecture.push_back(eleve.get());
        if (!charges.Eleves.emplace(matricule, std::move(eleve)).second)
            Echouer(QStringLiteral("L'élève de matricule %1 a plus d'une décision de fin d'année : une seule "
                                   "décision par élève est admise.")
                        .arg(matricule));
        charges.Decisions.insert(matricule, code);
    }
    if (q.lastError().isValid())
        throw EKorven(TexteErreur(q.lastError()));

    charges.Ordre = OrdreDeLaListe(std::move(ordreLecture));
    return charges;
}
