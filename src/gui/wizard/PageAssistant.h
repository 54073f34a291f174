#pragma once

#include <QColor>
#include <QString>
#include <QWizardPage>

class QLabel;
class QVBoxLayout;

// A page of the wizard: a header band (title in bold, subtitle beneath) of its own height and colour, then
// the page's content. The wizard draws no header of its own.
class TPageAssistant : public QWizardPage {
    Q_OBJECT
public:
    struct Entete {
        QString Titre;
        QString SousTitre;
        int Hauteur = 70;
        int TailleTitre = 16;     // pixels
        int TailleSousTitre = 15; // pixels
        QColor Couleur = Qt::white;
    };

    TPageAssistant(const QString& nom, const Entete& entete, QWidget* parent = nullptr);

    QString Titre() const;
    QString SousTitre() const;
    int HauteurEntete() const;

protected:
    // Where the page puts its content, under the header.
    QVBoxLayout* Contenu;

private:
    QWidget* bandeau_;
    QLabel* titre_;
    QLabel* sousTitre_;
};
