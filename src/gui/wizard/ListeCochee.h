#pragma once

#include <QAbstractListModel>
#include <QCheckBox>
#include <QString>
#include <QWidget>
#include <vector>

class QHBoxLayout;
class QListView;

// The lines of a check list: a text, a tick, and what the line stands for (a key and an object the list does
// not own). One model for thousands of lines: the view draws only what it shows.
class TModeleCoches : public QAbstractListModel {
    Q_OBJECT
public:
    struct Ligne {
        QString Texte;
        QString Cle;
        const void* Objet = nullptr;
        bool Coche = false;
    };

    explicit TModeleCoches(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Replaces every line at once.
    void Remplacer(std::vector<Ligne> lignes);
    void Vider() { Remplacer({}); }
    int Nombre() const { return static_cast<int>(lignes_.size()); }
    const Ligne& At(int i) const { return lignes_.at(static_cast<size_t>(i)); }
    bool Coche(int i) const { return At(i).Coche; }
    int NombreCoches() const { return coches_; }
    // Ticks or unticks one line, or all of them; the program's changes, not the user's.
    void Cocher(int i, bool coche);
    void CocherTout(bool coche);

signals:
    // The user ticked or unticked a line.
    void CocheChangee(int ligne);

private:
    std::vector<Ligne> lignes_;
    int coches_ = 0;
};

// The three-state "Tout sélectionner" box: a click goes from unticked to ticked, from ticked to unticked and
// from grayed to ticked; only the program grays it.
class TCaseToutSelectionner : public QCheckBox {
    Q_OBJECT
public:
    explicit TCaseToutSelectionner(const QString& texte, QWidget* parent = nullptr);

protected:
    void nextCheckState() override;
};

// A check list under its "Tout sélectionner" box. The box and the list follow each other:
//   - after every change of a line's tick, the box shows the state of the list: unticked when no line is
//     ticked (an empty list included), ticked when all are, grayed otherwise;
//   - when the box becomes ticked every line is ticked, when it becomes unticked every line is unticked, when
//     it becomes grayed the lines are left alone. A state the program gives the box acts the same way; the
//     program only ever gives it the state of the list, so that changes no line.
class TListeCochee : public QWidget {
    Q_OBJECT
public:
    TListeCochee(const QString& texteBoite, const QString& nomListe, const QString& nomBoite,
                 QWidget* parent = nullptr);

    TCaseToutSelectionner* Boite;
    QListView* Liste;
    TModeleCoches* Modele;
    // The row of the box, where a page may put buttons of its own after it.
    QHBoxLayout* LigneBoite;

    // Gives the box the state of the list (rule 1).
    void MettreBoiteAJour();

signals:
    // After the box or a line changed the ticks.
    void CochesChangees();

private:
    void BoiteChangee(int etat);
};
