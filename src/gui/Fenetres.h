#pragma once

#include <memory>

class TChangementAnnee;
class TEnregNive;
class TFAssistantNouvelleAnnee;
class TFormNouveauDepartement;
class TFormNouvelleClasse;
class TFormNouvelleMatiere;
class TImprimeJournal;
class TJournal;
class TOBDataModule;
class TPassword;

// The program's windows and its data module, made in the order the program needs them: the login window
// (the main window), the journal window, the four add-item dialogs, the journal report, the data module.
// Only the login window is shown, by the caller. An accepted sign-in hands its year change over: the wizard
// is made on it and shown modally in place of the login window; once it is closed, the program ends. Nothing
// of this is global: whoever needs a window is given it.
class TFenetres {
public:
    TFenetres();
    ~TFenetres();
    TFenetres(const TFenetres&) = delete;
    TFenetres& operator=(const TFenetres&) = delete;

    TPassword& Login() const { return *login_; }
    TJournal& Journal() const { return *journal_; }
    TOBDataModule& Module() const { return *module_; }
    // The wizard while it is open, nullptr otherwise.
    TFAssistantNouvelleAnnee* Assistant() const { return assistant_.get(); }

    // The wizard made on the change, filled, shown modally; on a failure to fill it, the error box and the
    // login window stays. Replaced by tests that look at the hand-over without a modal wizard.
    void OuvrirAssistant(std::unique_ptr<TChangementAnnee> changement);

private:
    std::unique_ptr<TPassword> login_;
    std::unique_ptr<TJournal> journal_;
    std::unique_ptr<TFormNouveauDepartement> departement_;
    std::unique_ptr<TFormNouvelleClasse> classe_;
    std::unique_ptr<TFormNouvelleMatiere> matiere_;
    std::unique_ptr<TEnregNive> niveau_;
    std::unique_ptr<TImprimeJournal> rapport_;
    std::unique_ptr<TOBDataModule> module_;
    std::unique_ptr<TChangementAnnee> changement_;
    std::unique_ptr<TFAssistantNouvelleAnnee> assistant_;
};
