#include "gui/wizard/ListeCochee.h"

#include <QHBoxLayout>
#include <QListView>
#include <QVBoxLayout>

int TModeleCoches::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Nombre();
}

QVariant TModeleCoches::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Nombre())
        return {};
    const Ligne& ligne = At(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return ligne.Texte;
    case Qt::CheckStateRole:
        return ligne.Coche ? Qt::Checked : Qt::Unchecked;
    case Qt::UserRole:
        return ligne.Cle;
    default:
        return {};
    }
}

bool TModeleCoches::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.row() >= Nombre() || role != Qt::CheckStateRole)
        return false;
    Cocher(index.row(), value.toInt() == Qt::Checked);
    emit CocheChangee(index.row());
    return true;
}

Qt::ItemFlags TModeleCoches::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

void TModeleCoches::Remplacer(std::vector<Ligne> lignes) {
    beginResetModel();
    lignes_ = std::move(lignes);
    coches_ = static_cast<int>(
        std::count_if(lignes_.begin(), lignes_.end(), [](const Ligne& l) { return l.Coche; }));
    endResetModel();
}

void TModeleCoches::Cocher(int i, bool coche) {
    Ligne& ligne = lignes_.at(static_cast<size_t>(i));
    if (ligne.Coche == coche)
        return;
    ligne.Coche = coche;
    coches_ += coche ? 1 : -1;
    const QModelIndex position = index(i);
    emit dataChanged(position, position, {Qt::CheckStateRole});
}

void TModeleCoches::CocherTout(bool coche) {
    if (lignes_.empty())
        return;
    for (Ligne& ligne : lignes_)
        ligne.Coche = coche;
    coches_ = coche ? Nombre() : 0;
    emit dataChanged(index(0), index(Nombre() - 1), {Qt::CheckStateRole});
}

TCaseToutSelectionner::TCaseToutSelectionner(const QString& texte, QWidget* parent)
    : QCheckBox(texte, parent) {
    setTristate(true);
}

void TCaseToutSelectionner::nextCheckState() {
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

TListeCochee::TListeCochee(const QString& texteBoite, const QString& nomListe, const QString& nomBoite,
                           QWidget* parent)
    : QWidget(parent) {
    Boite = new TCaseToutSelectionner(texteBoite, this);
    Boite->setObjectName(nomBoite);
    Liste = new QListView(this);
    Liste->setObjectName(nomListe);
    Liste->setUniformItemSizes(true);
    Liste->setSelectionMode(QAbstractItemView::SingleSelection);
    Modele = new TModeleCoches(this);
    Liste->setModel(Modele);
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    LigneBoite = new QHBoxLayout;
    LigneBoite->addWidget(Boite);
    LigneBoite->addStretch(1);
    colonne->addLayout(LigneBoite);
    colonne->addWidget(Liste, 1);
    connect(Modele, &TModeleCoches::CocheChangee, this, [this] {
        MettreBoiteAJour();
        emit CochesChangees();
    });
    connect(Boite, &QCheckBox::stateChanged, this, &TListeCochee::BoiteChangee);
    // The list starts empty: its box unticked.
    MettreBoiteAJour();
}

void TListeCochee::MettreBoiteAJour() {
    const int coches = Modele->NombreCoches();
    Qt::CheckState etat = Qt::PartiallyChecked;
    if (coches == 0)
        etat = Qt::Unchecked;
    else if (coches == Modele->Nombre())
        etat = Qt::Checked;
    Boite->setCheckState(etat);
}

void TListeCochee::BoiteChangee(int etat) {
    if (etat == Qt::Checked)
        Modele->CocherTout(true);
    else if (etat == Qt::Unchecked)
        Modele->CocherTout(false);
    emit CochesChangees();
}
