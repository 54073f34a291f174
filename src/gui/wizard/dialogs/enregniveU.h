#pragma once

#include <QDialog>

// Add-item dialog of the wizard.
class TEnregNive : public QDialog {
    Q_OBJECT
public:
    explicit TEnregNive(QWidget* parent = nullptr);
    ~TEnregNive() override;
};

extern TEnregNive* EnregNive;
