#include "core/journal/ModeleJournal.h"

#include "base/KORVENTypesU.h"

#include <QLocale>
#include <QTimer>

namespace {

struct TColonne {
    const char* Titre;
    const char* Champ;
};

const TColonne Colonnes[] = {
    {"Utilisateur", "utilisateur"}, {"Date", "date"},       {"Heure", "heure"},
    {"Machine", "poste"},           {"Domaine", "domaine"}, {"Opération", "operation"}};
constexpr int NombreColonnes = static_cast<int>(std::size(Colonnes));

// Converted batches of the rest kept at most: enough for any screen and the scrolling around it.
constexpr int LotsGardes = 64;

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

TModeleJournal::TModeleJournal(QObject* parent)
    : QAbstractTableModel(parent), lecteur_(new TLecteurJournal(this)) {
    connect(lecteur_, &TLecteurJournal::SuiteTerminee, this, [this] {
        if (actif_ && suiteAttendue_ && lecteur_->SuiteLue())
            AjouterSuite();
    });
}

void TModeleJournal::Fermer() {
    beginResetModel();
    lecteur_->Fermer();
    premieres_.clear();
    lignesSuite_ = 0;
    lots_.clear();
    ordreLots_.clear();
    actif_ = false;
    suiteAttendue_ = false;
    endResetModel();
}

void TModeleJournal::Ouvrir(TSQLConnection& Annee, const TFiltreJournal& Filtre) {
    Fermer();
    ++selections_;
    QList<TEntreeJournal> premieres = lecteur_->Ouvrir(Annee, Filtre, TailleLot);
    beginResetModel();
    suiteAttendue_ = premieres.size() == TailleLot;
    premieres_ = std::move(premieres);
    actif_ = true;
    endResetModel();
    // The rest is read once the first rows are on the screen, while the user looks at them.
    if (suiteAttendue_)
        QTimer::singleShot(0, lecteur_, &TLecteurJournal::DemarrerSuite);
}

void TModeleJournal::AjouterSuite() {
    suiteAttendue_ = false;
    int lignes = 0;
    try {
        lignes = lecteur_->AttendreSuite();
    } catch (const EKorven& e) {
        emit ErreurLecture(e.Message());
        return;
    }
    if (lignes == 0)
        return;
    const int premiere = static_cast<int>(premieres_.size());
    beginInsertRows(QModelIndex(), premiere, premiere + lignes - 1);
    lignesSuite_ = lignes;
    endInsertRows();
}

const TEntreeJournal& TModeleJournal::LigneSuite(int Ligne) const {
    const int numero = Ligne / TailleLot;
    auto lot = lots_.constFind(numero);
    if (lot == lots_.constEnd()) {
        if (ordreLots_.size() >= LotsGardes)
            lots_.remove(ordreLots_.takeFirst());
        QList<TEntreeJournal> lignes;
        try {
            lignes = lecteur_->LireSuite(numero * TailleLot,
                                         std::min(TailleLot, lignesSuite_ - numero * TailleLot));
        } catch (const EKorven&) {
            // Only a selection let go has no rows to give: its rows are shown empty until the list is reset.
        }
        lignes.resize(std::min(TailleLot, lignesSuite_ - numero * TailleLot));
        lot = lots_.insert(numero, std::move(lignes));
        ordreLots_.append(numero);
    }
    return lot->at(Ligne % TailleLot);
}

TEntreeJournal TModeleJournal::Entree(int Ligne) const {
    if (Ligne < premieres_.size())
        return premieres_.at(Ligne);
    return LigneSuite(Ligne - static_cast<int>(premieres_.size()));
}

bool TModeleJournal::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && actif_ && suiteAttendue_;
}

void TModeleJournal::fetchMore(const QModelIndex& parent) {
    if (!parent.isValid() && actif_ && suiteAttendue_)
        AjouterSuite();
}

int TModeleJournal::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(premieres_.size()) + lignesSuite_;
}

int TModeleJournal::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : NombreColonnes;
}

QVariant TModeleJournal::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= NombreColonnes)
        return QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    const int ligne = index.row();
    const TEntreeJournal& e = ligne < premieres_.size()
                                  ? premieres_.at(ligne)
                                  : LigneSuite(ligne - static_cast<int>(premieres_.size()));
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
