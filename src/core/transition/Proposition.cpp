#include "core/transition/Proposition.h"

#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"
#include "core/model/UniteCSerie.h"

#include <QLocale>
#include <optional>
#include <tuple>
#include <unordered_map>

using namespace Modele;

TClassesProposition LireClassesProposition(const QString& AnneeCourante, const QString& NouvelleAnnee) {
    const QString o = BaseAnnee(AnneeCourante);
    const QString n = BaseAnnee(NouvelleAnnee);
    // A value among the rows of any of these statements: one IN each, which the server reads once (an IN over
    // a UNION it runs again for every class, which takes seconds on a large school), with the same result,
    // NULL included.
    const auto dans = [](const QString& valeur, const QStringList& ensembles) {
        QStringList conditions;
        for (const QString& ensemble : ensembles)
            conditions << valeur + QStringLiteral(" IN (") + ensemble + QLatin1Char(')');
        return QLatin1Char('(') + conditions.join(QStringLiteral(" OR ")) + QLatin1Char(')');
    };
    // What the copies leave in the new year for each thing a class refers to: the new year's own rows, and
    // the closing year's rows that the copy does not skip for a clash of identifying values.
    const QStringList langues = {
        QStringLiteral("SELECT id FROM `%2`.langue"),
        QStringLiteral("SELECT id FROM `%1`.langue L WHERE L.code NOT IN (SELECT code FROM `%2`.langue) AND "
                       "L.libelle NOT IN (SELECT libelle FROM `%2`.langue)")};
    const QStringList salles = {
        QStringLiteral("SELECT id FROM `%2`.salle"),
        QStringLiteral("SELECT id FROM `%1`.salle S WHERE S.nom NOT IN (SELECT nom FROM `%2`.salle)")};
    const QStringList series = {
        QStringLiteral("SELECT num FROM `%2`.series"),
        QStringLiteral("SELECT num FROM `%1`.series S WHERE S.nom NOT IN (SELECT nom FROM `%2`.series)")};
    const QStringList departements = {QStringLiteral("SELECT num FROM `%2`.departement"),
                                      QStringLiteral("SELECT num FROM `%1`.departement D WHERE D.nom NOT IN "
                                                     "(SELECT nom FROM `%2`.departement)")};
    const QStringList personnel = {
        QStringLiteral("SELECT MAT FROM `%2`.personnel"),
        QStringLiteral("SELECT MAT FROM `%1`.personnel P WHERE ") +
            dans(QStringLiteral("P.DEPT"), departements) +
            QStringLiteral(" AND (P.MAT IN (SELECT mat FROM `%2`.personne) OR P.MAT IN (SELECT mat FROM "
                           "`%1`.personne))")};
    const QString texte =
        (QStringLiteral(
             "SELECT C.code, C.serie, N.code AS niveau, N.ordre, N.id_section, (C.code IN (SELECT code "
             "FROM `%2`.classe) OR (C.lib NOT IN (SELECT lib FROM `%2`.classe)") +
         QStringLiteral(" AND (C.id_langue IS NULL OR ") + dans(QStringLiteral("C.id_langue"), langues) +
         QStringLiteral(") AND (C.id_salle IS NULL OR ") + dans(QStringLiteral("C.id_salle"), salles) +
         QStringLiteral(") AND (C.prof_titulaire IS NULL OR ") +
         dans(QStringLiteral("C.prof_titulaire"), personnel) + QStringLiteral(") AND (C.serie IS NULL OR ") +
         dans(QStringLiteral("C.serie"), series) +
         QStringLiteral("))) AS reconduite FROM `%1`.classe C INNER JOIN `%1`.niveau N ON N.code = C.niv"))
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

// A carried class of the current year, with the count of students placed there so far.
struct TCandidate {
    const TClasseAnnee* Classe;
    int* Effectif;
};

// The class of the next level a promoted student goes to, among the candidates: the preferences, in their
// order, are the student's series, the code that continues the current one, the fewest placed, the code.
const TClasseAnnee* Meilleure(const std::vector<TCandidate>& candidates, const TCEleve& eleve,
                              const TClasseAnnee& actuelle) {
    const int serie = eleve.GetOrientationSerie() != nullptr ? eleve.GetOrientationSerie()->GetNum() : 0;
    const std::optional<QString> suffixe = Suffixe(actuelle);
    const auto cle = [&](const TCandidate& c) {
        const bool memeSerie = serie != 0 && c.Classe->NumSerie == serie;
        // The code is the level's code followed by the same suffix (compared without making it).
        const QString& code = c.Classe->Code;
        const bool continue_ = suffixe.has_value() &&
                               code.size() == c.Classe->CodeNiveau.size() + suffixe->size() &&
                               code.startsWith(c.Classe->CodeNiveau) && code.endsWith(*suffixe);
        return std::make_tuple(!memeSerie, !continue_, *c.Effectif);
    };
    const TCandidate* meilleure = nullptr;
    std::tuple<bool, bool, int> cleMeilleure;
    for (const TCandidate& c : candidates) {
        const auto cleC = cle(c);
        if (meilleure == nullptr || cleC < cleMeilleure ||
            (cleC == cleMeilleure && c.Classe->Code < meilleure->Classe->Code)) {
            meilleure = &c;
            cleMeilleure = cleC;
        }
    }
    return meilleure->Classe;
}

} // namespace

TProposition Proposer(const TOrdreEleves& Ordre, const TDictionnaireDecisions& Decisions,
                      const TDictionnairePlacement& Placement, const TClassesProposition& Classes) {
    TProposition proposition;
    // Students placed in each class so far, to spread the promoted evenly (a node-based map: the candidates
    // below keep a pointer to their count).
    std::unordered_map<QString, int> effectifs;
    for (const QString& classe : Placement)
        ++effectifs[classe];
    // The carried classes of each (section, level rank), each with its count.
    QHash<QPair<int, int>, std::vector<TCandidate>> parNiveau;
    for (const TClasseAnnee& classe : Classes.Classes)
        if (classe.Reconduite)
            parNiveau[{classe.IdSection, classe.OrdreNiveau}].push_back({&classe, &effectifs[classe.Code]});

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
            const auto candidates = parNiveau.constFind({actuelle->IdSection, suivant});
            if (candidates == parNiveau.constEnd() || candidates->empty()) {
                laisser(MotifNonPropose::AucuneClasseNiveauSuivant);
                continue;
            }
            choisie = Meilleure(*candidates, *eleve, *actuelle);
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
