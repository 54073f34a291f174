#pragma once

#include <QDialog>

// Add-item dialog of the wizard.
class TFormNouvelleClasse : public QDialog {
    Q_OBJECT
public:
    explicit TFormNouvelleClasse(QWidget* parent = nullptr);
    ~TFormNouvelleClasse() override;
};

extern TFormNouvelleClasse* FormNouvelleClasse;
