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

QList<TCleTriJournal> OrdreJournal(const TFiltreJournal& Filtre) {
    const auto cle = [](const char* champ, bool descendant = false) {
        return TCleTriJournal{QString::fromLatin1(champ), descendant};
    };
    if (!ChampsTriJournal().contains(Filtre.Trich, Qt::CaseSensitive))
        // Newest first; entries of the same minute by the same user, the latest written first.
        return {cle("date", true), cle("heure", true), cle("utilisateur"), cle("numero", true)};
    // The direction is the window's own state; anything but the two directions sorts ascending, so the text
    // never carries more than a field name and a direction.
    QList<TCleTriJournal> ordre{{Filtre.Trich, Filtre.Trisens == QLatin1String("DESC")}};
    // The columns that order the rows the sort column leaves tied, then the entry's number.
    if (Filtre.Trich == QLatin1String("utilisateur"))
        ordre << cle("date") << cle("heure");
    else if (Filtre.Trich == QLatin1String("date"))
        ordre << cle("heure") << cle("utilisateur");
    else
        ordre << cle("date") << cle("utilisateur");
    ordre << cle("numero");
    return ordre;
}

QString TexteOrdreJournal(const TFiltreJournal& Filtre) {
    QString texte = QStringLiteral(" ORDER BY ");
    bool premiere = true;
    for (const TCleTriJournal& cle : OrdreJournal(Filtre)) {
        if (!premiere)
            texte += QStringLiteral(", ");
        premiere = false;
        texte += cle.Champ + (cle.Descendant ? QStringLiteral(" DESC") : QStringLiteral(" ASC"));
    }
    return texte;
}

QString ConditionsListesJournal(const TFiltreJournal& Filtre) {
    QString texte;
    if (Filtre.IndexUtilisateur > 0)
        texte += QStringLiteral(" AND LOWER(utilisateur) = ") +
                 ChaineSQL(Filtre.LoginUtilisateur.trimmed().toLower());
    if (Filtre.IndexOperation > 0)
        texte +=
            QStringLiteral(" AND LOWER(operation) = ") + ChaineSQL(Filtre.TexteOperation.trimmed().toLower());
    if (Filtre.IndexDomaine > 0)
        texte +=
            QStringLiteral(" AND LOWER(domaine) = ") + ChaineSQL(Filtre.TexteDomaine.trimmed().toLower());
    return texte;
}

QString ConditionContenantJournal(const TFiltreJournal& Filtre) {
    const QString T = Filtre.Contenant.trimmed();
    return QStringLiteral(" AND (LOWER(libelle) LIKE ") +
           ChaineSQL(QLatin1Char('%') + T.toLower() + QLatin1Char('%')) +
           QStringLiteral(" OR libelle LIKE ") + ChaineSQL(QLatin1Char('%') + T + QLatin1Char('%')) +
           QLatin1Char(')');
}

QString TexteRequeteJournal(const TFiltreJournal& Filtre) {
    QString texte = QStringLiteral("SELECT numero, poste, utilisateur, date, heure, ADDTIME(`date`, `heure`) "
                                   "AS date_heure, operation, domaine, libelle FROM journal WHERE 1");
    texte += ConditionsListesJournal(Filtre);
    texte += QStringLiteral(" AND (date BETWEEN :debut AND :fin)");
    if (Filtre.AvecHeures)
        texte += QStringLiteral(" AND (heure BETWEEN :hdebut AND :hfin)");
    texte += ConditionContenantJournal(Filtre);
    texte += TexteOrdreJournal(Filtre);
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
