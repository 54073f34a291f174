#include "core/journal/LectureJournal.h"

#include "base/KorvenUtils.h"

#include <algorithm>

namespace {

QString Date(const QDate& jour) {
    return ChaineSQL(jour.toString(QStringLiteral("yyyy-MM-dd")));
}

// The condition on the contained text: an empty text finds every description that is not NULL (LIKE '%%'
// is true of any text, and NULL of NULL), which the server checks without reading the description through.
QString Contenant(const TFiltreJournal& Filtre) {
    if (Filtre.Contenant.trimmed().isEmpty())
        return QStringLiteral(" AND libelle IS NOT NULL");
    return ConditionContenantJournal(Filtre);
}

} // namespace

QString TexteLectureJournal(const TFiltreJournal& Filtre, const QDate& Debut, const QDate& Fin, bool Parcours,
                            qint64 Decalage, qint64 Nombre) {
    QString texte =
        QStringLiteral("SELECT numero, poste, utilisateur, date, heure, operation, domaine, libelle "
                       "FROM journal");
    if (Parcours)
        texte += QStringLiteral(" USE INDEX ()");
    texte += QStringLiteral(" WHERE 1");
    texte += ConditionsListesJournal(Filtre);
    texte += QStringLiteral(" AND (date BETWEEN %1 AND %2)").arg(Date(Debut), Date(Fin));
    if (Filtre.AvecHeures)
        texte += QStringLiteral(" AND (heure BETWEEN %1 AND %2)")
                     .arg(ChaineSQL(Filtre.HeureDebut.toString(QStringLiteral("hh:mm"))),
                          ChaineSQL(Filtre.HeureFin.toString(QStringLiteral("hh:mm"))));
    texte += Contenant(Filtre);
    texte += TexteOrdreJournal(Filtre);
    if (Nombre >= 0)
        texte += QStringLiteral(" LIMIT %1, %2").arg(Decalage).arg(Nombre);
    else if (Decalage > 0)
        texte += QStringLiteral(" LIMIT %1, 18446744073709551615").arg(Decalage);
    return texte;
}

QString TextePremierGroupeJournal(const TFiltreJournal& Filtre, qint64 Nombre) {
    const TCleTriJournal premiere = OrdreJournal(Filtre).first();
    if (premiere.Champ != QLatin1String("poste") && premiere.Champ != QLatin1String("domaine") &&
        premiere.Champ != QLatin1String("operation"))
        return QString();
    // The selection's statement, through the table, without its order: its rows hold the value sought.
    QString selection = TexteLectureJournal(Filtre, Filtre.Debut, Filtre.Fin, true, 0, -1);
    selection.truncate(selection.indexOf(QStringLiteral(" ORDER BY ")));
    const QString champ = premiere.Champ;
    const QString valeur = QStringLiteral("(SELECT %1(%2)%3)")
                               .arg(premiere.Descendant ? QStringLiteral("MAX") : QStringLiteral("MIN"),
                                    champ, selection.mid(selection.indexOf(QStringLiteral(" FROM "))));
    QString groupe = premiere.Descendant ? QStringLiteral(" AND %1 = %2").arg(champ, valeur)
                                         : QStringLiteral(" AND (%1 IS NULL OR %1 = %2)").arg(champ, valeur);
    return selection + groupe + TexteOrdreJournal(Filtre) + QStringLiteral(" LIMIT %1").arg(Nombre);
}

bool ParcoursJournal(const TTableJournal& Table, const QDate& Debut, const QDate& Fin) {
    if (!Table.IndexDate || !Table.Premier.isValid() || !Table.Dernier.isValid())
        return false;
    const QDate debut = std::max(Debut, Table.Premier);
    const QDate fin = std::min(Fin, Table.Dernier);
    if (debut > fin)
        return false;
    return 2 * (debut.daysTo(fin) + 1) > Table.Premier.daysTo(Table.Dernier) + 1;
}

QList<TTrancheJournal> TranchesJournal(const TFiltreJournal& Filtre) {
    const QList<TCleTriJournal> ordre = OrdreJournal(Filtre);
    if (ordre.first().Champ != QLatin1String("date") || !Filtre.Debut.isValid() || !Filtre.Fin.isValid() ||
        Filtre.Debut > Filtre.Fin)
        return {};
    const bool depuisLaFin = ordre.first().Descendant;
    QList<TTrancheJournal> tranches;
    qint64 duree = 7;
    QDate debut = Filtre.Debut, fin = Filtre.Fin;
    while (debut <= fin) {
        if (debut.daysTo(fin) < duree) {
            tranches.append({debut, fin});
            break;
        }
        if (depuisLaFin) {
            tranches.append({fin.addDays(1 - duree), fin});
            fin = fin.addDays(-duree);
        } else {
            tranches.append({debut, debut.addDays(duree - 1)});
            debut = debut.addDays(duree);
        }
        duree *= 3;
    }
    return tranches;
}

TSuiteJournal SuiteJournal(const TFiltreJournal& Filtre, const QList<QDate>& DatesLues) {
    const TCleTriJournal premiere = OrdreJournal(Filtre).first();
    if (premiere.Champ != QLatin1String("date") || DatesLues.isEmpty() || !DatesLues.last().isValid())
        return {Filtre.Debut, Filtre.Fin, DatesLues.size()};
    const QDate jour = DatesLues.last();
    const qint64 memeJour = std::count(DatesLues.begin(), DatesLues.end(), jour);
    if (premiere.Descendant)
        return {Filtre.Debut, jour, memeJour};
    return {jour, Filtre.Fin, memeJour};
}
