#include "core/transition/BilanTransition.h"

#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"
#include "core/transition/EtapesTransition.h"

#include <QSet>
#include <algorithm>
#include <limits>
#include <utility>

using namespace Modele;

namespace {

int Entier(TClientDataSet& ds, const char* colonne) {
    return ds.FieldByName(QString::fromLatin1(colonne)).AsInteger();
}

QString Ou(const QString& condition) {
    return condition.isEmpty() ? QString() : QStringLiteral(" WHERE ") + condition;
}

} // namespace

QList<TLigneBilan> BilanTables(const QString& ancienneBase) {
    QList<TLigneBilan> lignes;
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeBilanTransition"));
    for (const TEtapeCopie& e : EtapesCopie()) {
        if (e.Nature != TNatureEtape::Copie && e.Nature != TNatureEtape::Fabrique)
            continue;
        TLigneBilan ligne;
        ligne.Numero = e.Numero;
        ligne.Libelle = e.Libelle;
        ligne.Table = e.Tables.value(0);
        TClientDataSet& nouvelles = requete.Ouvrir({QStringLiteral("SELECT COUNT(*) AS n FROM `") +
                                                    ligne.Table + QLatin1Char('`') + Ou(e.FiltreCible)});
        ligne.Nouvelles = Entier(nouvelles, "n");
        if (e.Nature == TNatureEtape::Fabrique) {
            // Rows made, not copied: their count alone.
            lignes << ligne;
            continue;
        }
        const auto texte = [&ancienneBase](const QString& t) { return TEtapeCopie::Texte(t, ancienneBase); };
        const QString source = ancienneBase + QStringLiteral(".`") + e.Source + QLatin1Char('`');
        const QString filtreSource = texte(e.FiltreSource);

        QStringList egalites;
        QStringList cles;
        for (const QString& cle : e.Cles) {
            egalites << QStringLiteral("N.`%1` = O.`%1`").arg(cle);
            cles << QStringLiteral("O.`%1`").arg(cle);
        }
        const QString absente = QStringLiteral("NOT EXISTS (SELECT 1 FROM `") + ligne.Table +
                                QStringLiteral("` N WHERE ") + egalites.join(QStringLiteral(" AND ")) +
                                QLatin1Char(')');
        TClientDataSet& comptes = requete.Ouvrir(
            {QStringLiteral("SELECT COUNT(*) AS anciennes, COALESCE(SUM(") + absente +
             QStringLiteral("), 0) AS absentes FROM ") + source + QStringLiteral(" O") + Ou(filtreSource)});
        ligne.Anciennes = Entier(comptes, "anciennes");
        ligne.NonReportees = Entier(comptes, "absentes");
        if (ligne.NonReportees > 0) {
            const QString condition =
                filtreSource.isEmpty() ? absente : filtreSource + QStringLiteral(" AND ") + absente;
            TClientDataSet& exemples =
                requete.Ouvrir({QStringLiteral("SELECT CONCAT_WS(' / ', ") + cles.join(QStringLiteral(", ")) +
                                QStringLiteral(") AS cle, ") +
                                (e.Etiquette.isEmpty() ? QStringLiteral("NULL") : texte(e.Etiquette)) +
                                QStringLiteral(" AS etiquette, ") +
                                (e.Motif().isEmpty() ? QStringLiteral("NULL") : texte(e.Motif())) +
                                QStringLiteral(" AS motif FROM ") + source + QStringLiteral(" O WHERE ") +
                                condition + QStringLiteral(" ORDER BY ") + cles.join(QStringLiteral(", ")) +
                                QStringLiteral(" LIMIT %1").arg(NombreExemplesBilan)});
            for (exemples.First(); !exemples.Eof(); exemples.Next()) {
                QString texte = exemples.FieldByName(QStringLiteral("cle")).AsString();
                const QString etiquette = exemples.FieldByName(QStringLiteral("etiquette")).AsString();
                const QString motif = exemples.FieldByName(QStringLiteral("motif")).AsString();
                if (!etiquette.isEmpty() && etiquette != texte)
                    texte += QStringLiteral(" — ") + etiquette;
                if (!motif.isEmpty())
                    texte += QStringLiteral(" : ") + motif;
                ligne.Exemples << texte;
            }
        }
        lignes << ligne;
    }
    return lignes;
}

TRangsClasses RangsClasses(const QString& base) {
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonneeRangsClasses"));
    TClientDataSet& ds = requete.Ouvrir(
        {QStringLiteral("SELECT C.code, N.ordre FROM `%1`.classe C LEFT JOIN `%1`.niveau N ON N.code = C.niv")
             .arg(base)});
    TRangsClasses rangs;
    for (ds.First(); !ds.Eof(); ds.Next())
        if (!ds.FieldByName(QStringLiteral("ordre")).IsNull())
            rangs.insert(ds.FieldByName(QStringLiteral("code")).AsString(), Entier(ds, "ordre"));
    return rangs;
}

void BilanEleves(TBilanTransition& Bilan, const TOrdreEleves& Ordre, const TDictionnaireDecisions& Decisions,
                 const TDictionnairePlacement& Placement, bool Eleves, const TRangsClasses& Rangs) {
    Bilan.ElevesParClasse.clear();
    Bilan.NonPlaces.clear();
    if (Eleves) {
        QHash<QString, int> parClasse;
        for (const QString& classe : Placement)
            ++parClasse[classe];
        for (auto it = parClasse.cbegin(); it != parClasse.cend(); ++it)
            Bilan.ElevesParClasse.append({it.key(), it.value()});
        const auto cle = [&Rangs](const QPair<QString, int>& c) {
            return std::make_pair(Rangs.value(c.first, std::numeric_limits<int>::max()), c.first);
        };
        std::sort(Bilan.ElevesParClasse.begin(), Bilan.ElevesParClasse.end(),
                  [&cle](const auto& a, const auto& b) { return cle(a) < cle(b); });
    }
    for (const TCEleve* eleve : Ordre) {
        const QString& matricule = eleve->GetMatricule();
        if (Eleves && Placement.contains(matricule))
            continue;
        Bilan.NonPlaces.append(
            {matricule, eleve->GetNom(), eleve->GetPrenom(), eleve->GetClasse(), Decisions.value(matricule)});
    }
}
