#pragma once

#include <QDialog>

// Add-item dialog of the wizard.
class TFormNouveauDepartement : public QDialog {
    Q_OBJECT
public:
    explicit TFormNouveauDepartement(QWidget* parent = nullptr);
    ~TFormNouveauDepartement() override;
};

extern TFormNouveauDepartement* FormNouveauDepartement;
