#include "core/transition/Placement.h"

#include "core/model/UniteCSerie.h"
#include "core/transition/ChargementEleves.h"

QString ListeOrdresNiveaux(int ordre, bool examenRequis, int filtre) {
    const QString o = QString::number(ordre);
    const QString suivant = QString::number(ordre + 1);
    if (examenRequis)
        return QLatin1Char('(') + o + QLatin1Char(',') + suivant + QLatin1Char(')');
    switch (filtre) {
    case FiltrePromus:
    case FiltreExclusPromus:
        return QLatin1Char('(') + suivant + QLatin1Char(')');
    case FiltreRedoublants:
    case FiltreExclusRedouble:
        return QLatin1Char('(') + o + QLatin1Char(')');
    default:
        return QLatin1Char('(') + o + QLatin1Char(',') + suivant + QLatin1Char(')');
    }
}

bool DecisionRetenue(int filtre, const QString& decision) {
    switch (filtre) {
    case FiltreIgnorer:
        return true;
    case FiltrePromus:
        return decision == QLatin1String("P");
    case FiltreRedoublants:
        return decision == QLatin1String("R");
    case FiltreExclusPromus:
        return decision == QLatin1String("PE");
    case FiltreExclusRedouble:
        return decision == QLatin1String("E");
    default:
        return false;
    }
}

QString TexteEleveListe(const TCEleve& Eleve, const TDictionnairePlacement& Placement) {
    const auto place = Placement.constFind(Eleve.GetMatricule());
    if (place == Placement.constEnd())
        return TexteEleve(Eleve);
    return TexteEleve(Eleve) + QStringLiteral(" - ") + *place;
}

std::vector<TEleveListe> ElevesListes(const TDictionnaireDecisions& Decisions,
                                      const TDictionnairePlacement& Placement, const TOrdreEleves& Ordre,
                                      const TCriteresListe& Criteres) {
    std::vector<TEleveListe> lignes;
    for (const TCEleve* eleve : Ordre) {
        if (eleve == nullptr || eleve->GetClasse() != Criteres.CodeAncienneClasse)
            continue;
        const TCSerie* orientation = eleve->GetOrientationSerie();
        if (Criteres.TenirCompteOrientation && orientation != nullptr &&
            Criteres.SerieNouvelleClasse != nullptr &&
            orientation->GetNum() != Criteres.SerieNouvelleClasse->GetNum())
            continue;
        const QString& matricule = eleve->GetMatricule();
        if (!DecisionRetenue(Criteres.Filtre, Decisions.value(matricule)))
            continue;
        const bool place = Placement.contains(matricule);
        if (place && Criteres.SeulementNonPlaces)
            continue;
        lignes.push_back({eleve, TexteEleveListe(*eleve, Placement), place});
    }
    return lignes;
}

void EnregistrerPlacement(TDictionnairePlacement& Placement,
                          const std::vector<std::pair<QString, bool>>& Coches, const QString& CodeClasse) {
    for (const auto& [matricule, coche] : Coches) {
        if (coche)
            Placement.insert(matricule, CodeClasse);
        else
            Placement.remove(matricule);
    }
}

int NombreNonPlaces(const TDictionnaireEleves& Eleves, const TDictionnairePlacement& Placement) {
    int nombre = 0;
    for (const auto& [matricule, eleve] : Eleves)
        if (!Placement.contains(matricule))
            ++nombre;
    return nombre;
}
