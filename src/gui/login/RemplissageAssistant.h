#pragma once

class TPassword;

// Prepares the year-transition wizard after an accepted sign-in (new year code, caption), hides the login
// window and shows the wizard modally; returns when the wizard has closed.
void RemplirEtOuvrirAssistant(TPassword* fenetreLogin);
