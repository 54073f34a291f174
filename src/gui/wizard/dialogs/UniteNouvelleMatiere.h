#pragma once

#include <QDialog>

// Add-item dialog of the wizard.
class TFormNouvelleMatiere : public QDialog {
    Q_OBJECT
public:
    explicit TFormNouvelleMatiere(QWidget* parent = nullptr);
    ~TFormNouvelleMatiere() override;
};

extern TFormNouvelleMatiere* FormNouvelleMatiere;
