#include "core/model/UniteCObjet.h"

#include <QComboBox>
#include <QObject>
#include <QStandardItemModel>
#include <unordered_map>

TCObjet::~TCObjet() = default;

namespace {

// The role under which an item keeps the address of its entity; Qt::UserRole stays free for callers.
constexpr int RoleObjet = Qt::UserRole + 0x4b6f;

const QString NomDetenteur = QStringLiteral("TCObjetsCombo");

// Owns the entities of one box. A child of the box: destroyed with it, releasing what it still holds.
class TDetenteurObjets : public QObject {
public:
    explicit TDetenteurObjets(QObject* parent) : QObject(parent) { setObjectName(NomDetenteur); }
    std::unordered_map<const TCObjet*, std::unique_ptr<TCObjet>> Objets;
};

TDetenteurObjets* Detenteur(const QComboBox* Combobox) {
    if (Combobox == nullptr)
        return nullptr;
    for (QObject* enfant : Combobox->children())
        if (enfant->objectName() == NomDetenteur)
            if (auto* detenteur = dynamic_cast<TDetenteurObjets*>(enfant))
                return detenteur;
    return nullptr;
}

} // namespace

int AjouterObjetCombo(QComboBox* Combobox, const QString& Texte, std::unique_ptr<TCObjet> Objet) {
    if (Combobox == nullptr)
        return -1;
    QVariant adresse;
    if (Objet != nullptr) {
        TDetenteurObjets* detenteur = Detenteur(Combobox);
        if (detenteur == nullptr)
            detenteur = new TDetenteurObjets(Combobox);
        const TCObjet* cle = Objet.get();
        detenteur->Objets.emplace(cle, std::move(Objet));
        adresse = QVariant::fromValue(reinterpret_cast<quintptr>(cle));
    }
    // The item enters the box with its entity already attached, so that a box that keeps its items sorted
    // files the entity with its text.
    if (auto* modele = qobject_cast<QStandardItemModel*>(Combobox->model());
        modele != nullptr && Combobox->rootModelIndex() == QModelIndex() && Combobox->modelColumn() == 0 &&
        Combobox->count() < Combobox->maxCount()) {
        auto* item = new QStandardItem(Texte);
        if (adresse.isValid())
            item->setData(adresse, RoleObjet);
        modele->appendRow(item);
        return item->row();
    }
    Combobox->addItem(Texte);
    const int index = Combobox->count() - 1;
    if (adresse.isValid())
        Combobox->setItemData(index, adresse, RoleObjet);
    return index;
}

TCObjet* ObjetComboBase(const QComboBox* Combobox, int Index) {
    if (Combobox == nullptr || Index < 0 || Index >= Combobox->count())
        return nullptr;
    const QVariant adresse = Combobox->itemData(Index, RoleObjet);
    if (!adresse.isValid())
        return nullptr;
    // Only an entity the holder still owns is handed out: a stale address is never dereferenced.
    TDetenteurObjets* detenteur = Detenteur(Combobox);
    if (detenteur == nullptr)
        return nullptr;
    const auto trouve = detenteur->Objets.find(reinterpret_cast<const TCObjet*>(adresse.value<quintptr>()));
    return trouve == detenteur->Objets.end() ? nullptr : trouve->second.get();
}

std::vector<std::unique_ptr<TCObjet>> DetacherObjetsCombo(QComboBox* Combobox) {
    std::vector<std::unique_ptr<TCObjet>> objets;
    TDetenteurObjets* detenteur = Detenteur(Combobox);
    if (detenteur == nullptr)
        return objets;
    objets.reserve(detenteur->Objets.size());
    for (auto& [cle, objet] : detenteur->Objets)
        objets.push_back(std::move(objet));
    detenteur->Objets.clear();
    return objets;
}

int NombreObjetsCombo(const QComboBox* Combobox) {
    const TDetenteurObjets* detenteur = Detenteur(Combobox);
    return detenteur == nullptr ? 0 : static_cast<int>(detenteur->Objets.size());
}

void FreeComboboxObjects(QComboBox* Combobox) {
    if (Combobox == nullptr)
        return;
    std::vector<std::unique_ptr<TCObjet>> objets = DetacherObjetsCombo(Combobox);
    Combobox->clear();
    // The entities go here, with objets.
}
