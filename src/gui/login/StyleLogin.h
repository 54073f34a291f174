#pragma once

#include <QPixmap>

class QLineEdit;
class QWidget;

// The look shared by the system's windows: light blue background (215, 235, 255), Palatino Linotype text
// (or the closest serif the machine has).
void AppliquerStyleLogin(QWidget* fenetre);

// The padlock drawn on the login window.
QPixmap ImageCadenas(int cote);

// Shows every character of a password field as "*".
void MasquerParEtoiles(QLineEdit* champ);
