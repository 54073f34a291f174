#pragma once

#include <QString>

// The application's title: the program's file name without folder and extension, every character after the
// first in lower case, to which the sign-in adds " - " and the school's name. The message boxes and the
// captions of the wizard and the add-item windows show it. It is kept here rather than as Qt's application
// display name, which the window system would append once more to every caption.
QString TitreApplication();
void DefinirTitreApplication(const QString& titre);
