#pragma once

class TFAssistantNouvelleAnnee;
class TPassword;

// Fills the wizard after an accepted sign-in: the school's configuration, the students page's lists
// (sections, levels, this year's classes, the decision filter on "Ignorer", the new classes), every student
// with a decision (the three maps, the list with every student ticked), the new year's code and the caption.
// Raises EKorven on the first failure (a database error, a series that does not exist, a student with two
// decisions, a year code without a following year); the wizard is then not to be shown.
void RemplirAssistant(TFAssistantNouvelleAnnee* assistant);

// The whole hand-over from the login window: fills the wizard, hides the login window and shows the wizard
// modally; once the wizard has closed, plays the opening sound and ends the application. On a failure the
// error is shown, the login window stays visible and usable, and the wizard is not shown.
void RemplirEtOuvrirAssistant(TPassword* fenetreLogin);
