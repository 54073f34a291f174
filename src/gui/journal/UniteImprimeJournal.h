#pragma once

#include <QWidget>

// The journal report.
class TImprimeJournal : public QWidget {
    Q_OBJECT
public:
    explicit TImprimeJournal(QWidget* parent = nullptr);
    ~TImprimeJournal() override;
};

extern TImprimeJournal* ImprimeJournal;
