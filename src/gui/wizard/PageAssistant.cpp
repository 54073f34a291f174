#include "gui/wizard/PageAssistant.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QScrollArea>
#include <QVBoxLayout>

TPageAssistant::TPageAssistant(const QString& nom, const Entete& entete, QWidget* parent)
    : QWizardPage(parent) {
    setObjectName(nom);
    bandeau_ = new QWidget(this);
    bandeau_->setObjectName(QStringLiteral("Entete"));
    bandeau_->setFixedHeight(entete.Hauteur);
    bandeau_->setAutoFillBackground(true);
    QPalette fond = bandeau_->palette();
    fond.setColor(QPalette::Window, entete.Couleur);
    bandeau_->setPalette(fond);

    titre_ = new QLabel(entete.Titre, bandeau_);
    titre_->setObjectName(QStringLiteral("Titre"));
    QFont grasse = font();
    grasse.setBold(true);
    grasse.setPixelSize(entete.TailleTitre);
    titre_->setFont(grasse);
    titre_->setWordWrap(true);

    sousTitre_ = new QLabel(entete.SousTitre, bandeau_);
    sousTitre_->setObjectName(QStringLiteral("SousTitre"));
    QFont normale = font();
    normale.setBold(false);
    normale.setPixelSize(entete.TailleSousTitre);
    sousTitre_->setFont(normale);
    sousTitre_->setWordWrap(true);
    sousTitre_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* texteEntete = new QVBoxLayout(bandeau_);
    texteEntete->setContentsMargins(14, 8, 14, 6);
    texteEntete->setSpacing(4);
    texteEntete->addWidget(titre_);
    texteEntete->addWidget(sousTitre_, 1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(bandeau_);
    // The content scrolls where the window is smaller than it (a small or scaled screen); Tab goes through
    // the content's controls, not through the area.
    auto* defilement = new QScrollArea(this);
    defilement->setObjectName(QStringLiteral("Defilement"));
    defilement->setFrameShape(QFrame::NoFrame);
    defilement->setWidgetResizable(true);
    defilement->setFocusPolicy(Qt::NoFocus);
    defilement->viewport()->setAutoFillBackground(false);
    auto* contenu = new QWidget(defilement);
    contenu->setAutoFillBackground(false);
    Contenu = new QVBoxLayout(contenu);
    Contenu->setContentsMargins(16, 12, 16, 8);
    defilement->setWidget(contenu);
    page->addWidget(defilement, 1);
}

QString TPageAssistant::Titre() const {
    return titre_->text();
}

QString TPageAssistant::SousTitre() const {
    return sousTitre_->text();
}

int TPageAssistant::HauteurEntete() const {
    return bandeau_->height() > 0 ? bandeau_->height() : bandeau_->minimumHeight();
}
