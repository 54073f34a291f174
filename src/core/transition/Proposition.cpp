#include "core/transition/Proposition.h"

#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"
#include "core/model/UniteCSerie.h"

#include <QLocale>
#include <optional>
#include <tuple>

using namespace Modele;

TClassesProposition LireClassesProposition(const QString& AnneeCourante, const QString& NouvelleAnnee) {
    const QString o = BaseAnnee(AnneeCourante);
    const QString n = BaseAnnee(NouvelleAnnee);
    // What the copies leave in the new year for each thing a class refers to: the new year's own rows, and
    // the closing year's rows that the copy does not skip for a clash of identifying values.
    const QString langues =
        QStringLiteral("SELECT id FROM `%2`.langue UNION SELECT id FROM `%1`.langue L WHERE "
                       "L.code NOT IN (SELECT code FROM `%2`.langue) AND L.libelle NOT IN "
                       "(SELECT libelle FROM `%2`.langue)");
    const QString salles = QStringLiteral("SELECT id FROM `%2`.salle UNION SELECT id FROM `%1`.salle S WHERE "
                                          "S.nom NOT IN (SELECT nom FROM `%2`.salle)");
    const QString series =
        QStringLiteral("SELECT num FROM `%2`.series UNION SELECT num FROM `%1`.series S WHERE "
                       "S.nom NOT IN (SELECT nom FROM `%2`.series)");
    const QString departements = QStringLiteral("SELECT num FROM `%2`.departement UNION SELECT num FROM "
                                                "`%1`.departement D WHERE D.nom NOT IN (SELECT nom FROM "
                                                "`%2`.departement)");
    const QString personnel =
        QStringLiteral("SELECT MAT FROM `%2`.personnel UNION SELECT MAT FROM `%1`.personnel "
                       "P WHERE P.DEPT IN (") +
        departements +
        QStringLiteral(") AND (P.MAT IN (SELECT mat FROM `%2`.personne) OR P.MAT IN (SELECT "
                       "mat FROM `%1`.personne))");
    const QString texte =
        (QStringLiteral(
             "SELECT C.code, C.serie, N.code AS niveau, N.ordre, N.id_section, (C.code IN (SELECT code "
             "FROM `%2`.classe) OR (C.lib NOT IN (SELECT lib FROM `%2`.classe)") +
         QStringLiteral(" AND (C.id_langue IS NULL OR C.id_langue IN (") + langues + QStringLiteral("))") +
         QStringLiteral(" AND (C.id_salle IS NULL OR C.id_salle IN (") + salles + QStringLiteral("))") +
         QStringLiteral(" AND (C.prof_titulaire IS NULL OR C.prof_titulaire IN (") + personnel +
         QStringLiteral("))") + QStringLiteral(" AND (C.serie IS NULL OR C.serie IN (") + series +
         QStringLiteral(")))) AS reconduite FROM `%1`.classe C INNER JOIN `%1`.niveau N ON N.code = C.niv"))
            .arg(o, n);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneePropositionClasses"));
    TClientDataSet& ds = requete.Ouvrir({texte});
    TClassesProposition resultat;
    for (ds.First(); !ds.Eof(); ds.Next()) {
        TClasseAnnee classe;
        classe.Code = ds.FieldByName(QStringLiteral("code")).AsString();
        classe.CodeNiveau = ds.FieldByName(QStringLiteral("niveau")).AsString();
        classe.OrdreNiveau = ds.FieldByName(QStringLiteral("ordre")).AsInteger();
        classe.IdSection = ds.FieldByName(QStringLiteral("id_section")).AsInteger();
        classe.NumSerie = ds.FieldByName(QStringLiteral("serie")).AsInteger();
        classe.Reconduite = ds.FieldByName(QStringLiteral("reconduite")).AsInteger() == 1;
        resultat.OrdresParSection[classe.IdSection].insert(classe.OrdreNiveau);
        resultat.Classes.insert(classe.Code, classe);
    }
    // Levels without classes still count as ranks of their section.
    TClientDataSet& niveaux = requete.Ouvrir(
        {QStringLiteral("SELECT ordre, id_section FROM `%1`.niveau WHERE ordre IS NOT NULL").arg(o)});
    for (niveaux.First(); !niveaux.Eof(); niveaux.Next())
        resultat.OrdresParSection[niveaux.FieldByName(QStringLiteral("id_section")).AsInteger()].insert(
            niveaux.FieldByName(QStringLiteral("ordre")).AsInteger());
    return resultat;
}

namespace {

// The part of a class code after its level's code (6EA of level 6E: "A"); none when the code does not begin
// with the level's.
std::optional<QString> Suffixe(const TClasseAnnee& classe) {
    if (classe.CodeNiveau.isEmpty() || !classe.Code.startsWith(classe.CodeNiveau))
        return std::nullopt;
    return classe.Code.mid(classe.CodeNiveau.size());
}

} // namespace

TProposition Proposer(const TOrdreEleves& Ordre, const TDictionnaireDecisions& Decisions,
                      const TDictionnairePlacement& Placement, const TClassesProposition& Classes) {
    TProposition proposition;
    // Students placed in each class so far, to spread the promoted evenly.
    QHash<QString, int> effectifs;
    for (const QString& classe : Placement)
        ++effectifs[classe];
    // The carried classes of each (section, level rank).
    QHash<QPair<int, int>, std::vector<const TClasseAnnee*>> parNiveau;
    for (const TClasseAnnee& classe : Classes.Classes)
        if (classe.Reconduite)
            parNiveau[{classe.IdSection, classe.OrdreNiveau}].push_back(&classe);

    for (const TCEleve* eleve : Ordre) {
        const QString& matricule = eleve->GetMatricule();
        if (Placement.contains(matricule))
            continue;
        const QString decision = Decisions.value(matricule);
        const auto laisser = [&proposition](MotifNonPropose motif) { ++proposition.Restants[motif]; };
        if (decision == QLatin1String("E") || decision == QLatin1String("PE")) {
            laisser(MotifNonPropose::Exclu);
            continue;
        }
        const auto actuelle = Classes.Classes.constFind(eleve->GetClasse());
        if (actuelle == Classes.Classes.constEnd()) {
            laisser(MotifNonPropose::ClasseInconnue);
            continue;
        }
        const TClasseAnnee* choisie = nullptr;
        if (decision == QLatin1String("R")) {
            if (!actuelle->Reconduite) {
                laisser(MotifNonPropose::AucuneClasseMemeCode);
                continue;
            }
            choisie = &*actuelle;
        } else {
            const int suivant = actuelle->OrdreNiveau + 1;
            if (!Classes.OrdresParSection.value(actuelle->IdSection).contains(suivant)) {
                laisser(MotifNonPropose::DernierNiveau);
                continue;
            }
            const std::vector<const TClasseAnnee*> candidates =
                parNiveau.value({actuelle->IdSection, suivant});
            if (candidates.empty()) {
                laisser(MotifNonPropose::AucuneClasseNiveauSuivant);
                continue;
            }
            const int serie =
                eleve->GetOrientationSerie() != nullptr ? eleve->GetOrientationSerie()->GetNum() : 0;
            const std::optional<QString> suffixe = Suffixe(*actuelle);
            // The preferences, in their order: series, code that continues, fewest placed, code.
            const auto cle = [&](const TClasseAnnee* c) {
                const bool memeSerie = serie != 0 && c->NumSerie == serie;
                const bool continue_ = suffixe.has_value() && c->Code == c->CodeNiveau + *suffixe;
                return std::make_tuple(!memeSerie, !continue_, effectifs.value(c->Code));
            };
            for (const TClasseAnnee* c : candidates)
                if (choisie == nullptr || cle(c) < cle(choisie) ||
                    (cle(c) == cle(choisie) && c->Code < choisie->Code))
                    choisie = c;
        }
        proposition.Placements.insert(matricule, choisie->Code);
        ++effectifs[choisie->Code];
        ++proposition.PlacesParDecision[decision];
    }
    return proposition;
}

QString ResumeProposition(const TProposition& p) {
    const QLocale fr(QLocale::French, QLocale::France);
    const auto n = [&fr](int x) { return fr.toString(x); };
    int places = 0;
    for (int x : p.PlacesParDecision)
        places += x;
    QStringList details;
    if (const int x = p.PlacesParDecision.value(QStringLiteral("P")))
        details << QStringLiteral("promus : %1").arg(n(x));
    if (const int x = p.PlacesParDecision.value(QStringLiteral("R")))
        details << QStringLiteral("redoublants : %1").arg(n(x));
    QString texte = QStringLiteral("Élèves placés par la proposition : %1").arg(n(places));
    if (!details.isEmpty())
        texte += QStringLiteral(" (") + details.join(QStringLiteral(", ")) + QLatin1Char(')');
    texte += QLatin1Char('.');
    int restants = 0;
    for (int x : p.Restants)
        restants += x;
    if (restants == 0)
        return texte + QStringLiteral("\r\nIl ne reste aucun élève à placer.");
    texte += QStringLiteral("\r\nÉlèves restant à placer vous-même : %1").arg(n(restants));
    const QList<QPair<MotifNonPropose, QString>> motifs = {
        {MotifNonPropose::Exclu, QStringLiteral("exclus")},
        {MotifNonPropose::DernierNiveau, QStringLiteral("au dernier niveau de leur section")},
        {MotifNonPropose::AucuneClasseNiveauSuivant, QStringLiteral("aucune classe du niveau suivant")},
        {MotifNonPropose::AucuneClasseMemeCode,
         QStringLiteral("redoublants dont la classe ne passe pas dans la nouvelle année")},
        {MotifNonPropose::ClasseInconnue, QStringLiteral("classe actuelle inconnue")}};
    for (const auto& [motif, libelle] : motifs)
        if (const int x = p.Restants.value(motif))
            texte += QStringLiteral("\r\n - %1 : %2").arg(libelle, n(x));
    return texte;
}
