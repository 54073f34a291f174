#pragma once

#include <QString>
#include <QWidget>

class QAbstractItemView;
class QLabel;
class QWidget;

// What a screen reader says of a control, and how the keyboard reaches it.

// The label names the control (it is its buddy): a screen reader reads the label's text as the control's
// name, and the label's underlined letter moves the focus to it. A control whose own accessible key is not
// that letter (a list box) says the shortcut in its description ("Raccourci : Alt+I").
void Libeller(QLabel* libelle, QWidget* controle);

// A view whose rows and cells Tab must not walk: Tab leaves it for the next control (the arrows move inside).
void SansTabulationInterne(QAbstractItemView* vue);

// "Alt+I" for a text whose underlined letter is I ("Sect&ion :"); empty without one.
QString RaccourciMnemonique(const QString& texte);

// A date or time field that Tab leaves at once (Qt's own goes from the day to the month and the year first,
// three stops where the user expects one); the arrows move between its parts.
template <class Champ> class TChampSansSections : public Champ {
public:
    using Champ::Champ;

protected:
    bool focusNextPrevChild(bool suivant) override { return QWidget::focusNextPrevChild(suivant); }
};
