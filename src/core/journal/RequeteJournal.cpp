#include "core/journal/RequeteJournal.h"

#include "base/KorvenUtils.h"

const QStringList& OperationsJournal() {
    static const QStringList operations{QStringLiteral("Ajout"),        QStringLiteral("Consultation"),
                                        QStringLiteral("Modification"), QStringLiteral("Suppression"),
                                        QStringLiteral("Impression"),   QStringLiteral("Connexion")};
    return operations;
}

const QStringList& DomainesJournal() {
    static const QStringList domaines{QStringLiteral("Gestion des elements de base"),
                                      QStringLiteral("Gestion des eleves"),
                                      QStringLiteral("Gestion des versements"),
                                      QStringLiteral("Gestion des notes"),
                                      QStringLiteral("Gestion de la discipline des eleves"),
                                      QStringLiteral("Gestion du personnel"),
                                      QStringLiteral("Gestion des emplois de temps"),
                                      QStringLiteral("Gestion du cahier de texte"),
                                      QStringLiteral("Administration de la Base de donnees"),
                                      QStringLiteral("Gestion des SMS")};
    return domaines;
}

const QStringList& ChampsTriJournal() {
    static const QStringList champs{QStringLiteral("utilisateur"), QStringLiteral("date"),
                                    QStringLiteral("heure"),       QStringLiteral("poste"),
                                    QStringLiteral("domaine"),     QStringLiteral("operation")};
    return champs;
}

namespace {

// What follows the sort column: the columns that order the rows it leaves tied.
QString DepartagesTri(const QString& Trich) {
    if (Trich == QLatin1String("utilisateur"))
        return QStringLiteral(", date ASC, heure ASC");
    if (Trich == QLatin1String("date"))
        return QStringLiteral(", heure ASC, utilisateur ASC");
    return QStringLiteral(", date ASC, utilisateur ASC");
}

} // namespace

QString TexteRequeteJournal(const TFiltreJournal& Filtre) {
    QString texte = QStringLiteral("SELECT numero, poste, utilisateur, date, heure, ADDTIME(`date`, `heure`) "
                                   "AS date_heure, operation, domaine, libelle FROM journal WHERE 1 ");
    if (Filtre.IndexUtilisateur > 0)
        texte += QStringLiteral("AND LOWER(utilisateur) = ") +
                 ChaineSQL(Filtre.LoginUtilisateur.trimmed().toLower());
    if (Filtre.IndexOperation > 0)
        texte +=
            QStringLiteral(" AND LOWER(operation) = ") + ChaineSQL(Filtre.TexteOperation.trimmed().toLower());
    if (Filtre.IndexDomaine > 0)
        texte +=
            QStringLiteral(" AND LOWER(domaine) = ") + ChaineSQL(Filtre.TexteDomaine.trimmed().toLower());
    texte += QStringLiteral(" AND (date BETWEEN :debut AND :fin)");
    if (Filtre.AvecHeures)
        texte += QStringLiteral(" AND (heure BETWEEN :hdebut AND :hfin)");
    const QString T = Filtre.Contenant.trimmed();
    texte += QStringLiteral(" AND (LOWER(libelle) LIKE ") +
             ChaineSQL(QLatin1Char('%') + T.toLower() + QLatin1Char('%')) +
             QStringLiteral(" OR libelle LIKE ") + ChaineSQL(QLatin1Char('%') + T + QLatin1Char('%')) +
             QLatin1Char(')');
    if (ChampsTriJournal().contains(Filtre.Trich, Qt::CaseSensitive)) {
        // The direction is the window's own state; anything but the two directions is written as none, so
        // the text never carries more than a field name and a direction.
        const bool sens = Filtre.Trisens == QLatin1String("ASC") || Filtre.Trisens == QLatin1String("DESC");
        texte += QStringLiteral(" ORDER BY ") + Filtre.Trich + QLatin1Char(' ') +
                 (sens ? Filtre.Trisens : QString()) + DepartagesTri(Filtre.Trich);
    } else {
        texte += QStringLiteral(" ORDER BY date DESC, heure DESC, utilisateur ASC");
    }
    return texte;
}

TParams ParametresRequeteJournal(const TFiltreJournal& Filtre) {
    TParams parametres{{QStringLiteral("debut"), Filtre.Debut.toString(QStringLiteral("yyyy/MM/dd"))},
                       {QStringLiteral("fin"), Filtre.Fin.toString(QStringLiteral("yyyy/MM/dd"))}};
    if (Filtre.AvecHeures) {
        parametres.append({QStringLiteral("hdebut"), Filtre.HeureDebut.toString(QStringLiteral("hh:mm"))});
        parametres.append({QStringLiteral("hfin"), Filtre.HeureFin.toString(QStringLiteral("hh:mm"))});
    }
    return parametres;
}

void BasculerTriJournal(QString& Trich, QString& Trisens, const QString& Champ) {
    Trich = Champ;
    Trisens = Trisens == QLatin1String("ASC") ? QStringLiteral("DESC") : QStringLiteral("ASC");
}
