#pragma once

#include <QDialog>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// What the wizard's four add-item windows have in common: a column of labelled fields above a row of
// buttons, a size that fits them, and the keyboard of their kind of window: Esc does nothing (none of their
// buttons has the cancel role); Enter presses the button that has the focus, else the window's default
// button, and nothing in a window that has none.
class TDialogueAjout : public QDialog {
    Q_OBJECT
public:
    explicit TDialogueAjout(QWidget* parent = nullptr);

protected:
    // A label named nomLabel showing texte (set into label), and beside it an edit field named nom that takes
    // at most longueurMax typed characters.
    QLineEdit* Champ(QLabel*& label, const QString& nomLabel, const QString& texte, const QString& nom,
                     int longueurMax);
    // A label and beside it a drop-down list named nom: a choice from the list only, its items kept sorted.
    QComboBox* Liste(QLabel*& label, const QString& nomLabel, const QString& texte, const QString& nom);
    // A button of the bottom row; valider chooses its picture. The default role is given by the window.
    QPushButton* Bouton(const QString& nom, const QString& texte, bool valider);

    void keyPressEvent(QKeyEvent* event) override;

private:
    QGridLayout* champs_;
    QHBoxLayout* boutons_;
};

// Makes a field turn every character typed or pasted into its upper-case letter, one character for one
// ("é" gives "É"; "ß", which has no single upper-case letter, stays).
void ForcerMajuscules(QLineEdit* Champ);

// Keeps the items of a list sorted by their text in the order of the user's language (letters first, then
// accents, then case), however they are added. Each item keeps its data, and the selected item stays
// selected.
void TrierListe(QComboBox* Liste);
