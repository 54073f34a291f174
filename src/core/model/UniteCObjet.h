#pragma once

#include <QComboBox>
#include <QString>
#include <memory>
#include <vector>

// The root of every entity class, so that a combo-box item can own any of them.
class TCObjet {
public:
    TCObjet() = default;
    TCObjet(const TCObjet&) = default;
    TCObjet& operator=(const TCObjet&) = delete;
    virtual ~TCObjet();
};

// Combo-box convention. An item carries a display text and an attached entity that the item owns. The
// entities live in a holder that is a child of the box, so they go with the box even when nobody releases
// them; FreeComboboxObjects releases them and empties the box. An item removed from the
// box by other means keeps its entity in the holder until the next release or the end of the box.

// Appends an item with its text and its entity (which the box takes over); returns the item's index.
int AjouterObjetCombo(QComboBox* Combobox, const QString& Texte, std::unique_ptr<TCObjet> Objet);

// The entity attached to item Index, or nullptr (no box, no such item, no entity).
TCObjet* ObjetComboBase(const QComboBox* Combobox, int Index);

// The entity attached to item Index as a T, or nullptr when it is none or not a T.
template <class T> T* ObjetCombo(const QComboBox* Combobox, int Index) {
    return dynamic_cast<T*>(ObjetComboBase(Combobox, Index));
}

// The entity of the selected item as a T, or nullptr when nothing is selected.
template <class T> T* ObjetSelectionne(const QComboBox* Combobox) {
    return Combobox == nullptr ? nullptr : ObjetCombo<T>(Combobox, Combobox->currentIndex());
}

// Takes every entity out of the box's holder, without touching the items; the caller releases them. Used by
// FreeComboboxObjects, which empties the box before the entities go.
std::vector<std::unique_ptr<TCObjet>> DetacherObjetsCombo(QComboBox* Combobox);

// Number of entities the box's holder owns (items removed behind the convention's back included).
int NombreObjetsCombo(const QComboBox* Combobox);

// Releases the entity attached to every item, then removes all items; the selection becomes none. No box:
// nothing to do. The items are gone before their entities are, so nothing reacting to the box's signals can
// reach a released entity.
void FreeComboboxObjects(QComboBox* Combobox);
