#include "core/journal/ModeleJournal.h"

#include "core/data/RequeteSQL.h"

#include <QLocale>
#include <QSqlRecord>

namespace {

struct TColonne {
    const char* Titre;
    const char* Champ;
};

const TColonne Colonnes[] = {
    {"Utilisateur", "utilisateur"}, {"Date", "date"},       {"Heure", "heure"},
    {"Machine", "poste"},           {"Domaine", "domaine"}, {"Opération", "operation"}};
constexpr int NombreColonnes = static_cast<int>(std::size(Colonnes));

QString Texte(const QSqlQuery& q, int colonne) {
    return colonne < 0 ? QString() : q.value(colonne).toString();
}

} // namespace

QDateTime DateHeureJournal(const QVariant& Valeur) {
    if (Valeur.isNull())
        return QDateTime();
    if (Valeur.typeId() == QMetaType::QDateTime) {
        // The server's wall-clock value, whatever time zone the driver marks it with.
        const QDateTime dt = Valeur.toDateTime();
        return QDateTime(dt.date(), dt.time());
    }
    if (Valeur.typeId() == QMetaType::QDate)
        return Valeur.toDate().startOfDay();
    const QString texte = Valeur.toString().left(19);
    return QDateTime::fromString(texte, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

TModeleJournal::TModeleJournal(QObject* parent) : QAbstractTableModel(parent) {}

void TModeleJournal::Fermer() {
    beginResetModel();
    curseur_ = QSqlQuery();
    lignes_.clear();
    actif_ = false;
    endResetModel();
}

void TModeleJournal::Ouvrir(TSQLQuery& Requete) {
    Fermer();
    QSqlQuery curseur = Requete.Curseur();
    const QSqlRecord enregistrement = curseur.record();
    numero_ = enregistrement.indexOf(QStringLiteral("numero"));
    utilisateur_ = enregistrement.indexOf(QStringLiteral("utilisateur"));
    date_ = enregistrement.indexOf(QStringLiteral("date"));
    heure_ = enregistrement.indexOf(QStringLiteral("heure"));
    dateHeure_ = enregistrement.indexOf(QStringLiteral("date_heure"));
    poste_ = enregistrement.indexOf(QStringLiteral("poste"));
    domaine_ = enregistrement.indexOf(QStringLiteral("domaine"));
    operation_ = enregistrement.indexOf(QStringLiteral("operation"));
    libelle_ = enregistrement.indexOf(QStringLiteral("libelle"));
    beginResetModel();
    curseur_ = std::move(curseur);
    actif_ = true;
    lignes_ = Lire(TailleLot);
    endResetModel();
}

QList<TEntreeJournal> TModeleJournal::Lire(int n) {
    QList<TEntreeJournal> lues;
    if (!actif_ || !curseur_.isActive())
        return lues;
    lues.reserve(n);
    while (lues.size() < n) {
        if (!curseur_.next()) {
            // Every row is read: the result and its prepared statement go.
            curseur_ = QSqlQuery();
            break;
        }
        TEntreeJournal e;
        e.Numero = numero_ < 0 ? 0 : curseur_.value(numero_).toInt();
        e.Utilisateur = Texte(curseur_, utilisateur_);
        if (date_ >= 0)
            e.Date = curseur_.value(date_).toDate();
        if (heure_ >= 0)
            e.Heure = curseur_.value(heure_).toTime();
        if (dateHeure_ >= 0)
            e.DateHeure = DateHeureJournal(curseur_.value(dateHeure_));
        e.Poste = Texte(curseur_, poste_);
        e.Domaine = Texte(curseur_, domaine_);
        e.Operation = Texte(curseur_, operation_);
        e.Libelle = Texte(curseur_, libelle_);
        lues.append(std::move(e));
    }
    return lues;
}

bool TModeleJournal::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && actif_ && curseur_.isActive();
}

void TModeleJournal::fetchMore(const QModelIndex& parent) {
    if (parent.isValid())
        return;
    QList<TEntreeJournal> lues = Lire(TailleLot);
    if (lues.isEmpty())
        return;
    const int premiere = static_cast<int>(lignes_.size());
    beginInsertRows(QModelIndex(), premiere, premiere + static_cast<int>(lues.size()) - 1);
    lignes_.append(std::move(lues));
    endInsertRows();
}

int TModeleJournal::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lignes_.size());
}

int TModeleJournal::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : NombreColonnes;
}

QVariant TModeleJournal::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lignes_.size() || index.column() >= NombreColonnes)
        return QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    const TEntreeJournal& e = lignes_.at(index.row());
    const QLocale poste;
    switch (index.column()) {
    case 0:
        return e.Utilisateur;
    case 1:
        return e.Date.isValid() ? poste.toString(e.Date, QLocale::ShortFormat) : QString();
    case 2:
        return e.Heure.isValid() ? poste.toString(e.Heure, QLocale::ShortFormat) : QString();
    case 3:
        return e.Poste;
    case 4:
        return e.Domaine;
    case 5:
        return e.Operation;
    }
    return QVariant();
}

QVariant TModeleJournal::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= NombreColonnes)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(Colonnes[section].Titre);
}

QString TModeleJournal::ChampColonne(int Colonne) {
    if (Colonne < 0 || Colonne >= NombreColonnes)
        return QString();
    return QString::fromLatin1(Colonnes[Colonne].Champ);
}

int TModeleJournal::ColonneChamp(const QString& Champ) {
    for (int i = 0; i < NombreColonnes; ++i)
        if (Champ == QLatin1String(Colonnes[i].Champ))
            return i;
    return -1;
}
