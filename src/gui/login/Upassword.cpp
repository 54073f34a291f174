#include "gui/login/Upassword.h"

#include "core/journal/EcritureJournal.h"
#include "core/transition/ChangementAnnee.h"
#include "gui/login/StyleLogin.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

TPassword::TPassword(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Password"));
    setWindowTitle(QStringLiteral("Connexion"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFixedSize(350, 240);
    AppliquerStyleLogin(this);
    CreerControles();
    Disposer();

    connect(BitBtn1, &QPushButton::clicked, this, &TPassword::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TPassword::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TPassword::BitBtn3Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    connect(Timer1, &QTimer::timeout, this, &TPassword::Timer1Timer);
    Timer1->start();

    ecriture_ = new TEcritureJournal(this);
}

TPassword::~TPassword() = default;

void TPassword::CreerControles() {
    Label4 = new QLabel(QStringLiteral("Entrer votre identifiant..."), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    QFont titre = Label4->font();
    titre.setBold(true);
    titre.setItalic(true);
    titre.setPointSize(titre.pointSize() + 3);
    Label4->setFont(titre);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setFixedSize(48, 48);
    Image2->setPixmap(ImageCadenas(48));

    Label2 = new QLabel(QStringLiteral("Login :"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    EditLogin = new QLineEdit(this);
    EditLogin->setObjectName(QStringLiteral("EditLogin"));
    EditLogin->setMaxLength(30);
    Label2->setBuddy(EditLogin);

    Label3 = new QLabel(QStringLiteral("Mot de passe :"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    EditPassword = new QLineEdit(this);
    EditPassword->setObjectName(QStringLiteral("EditPassword"));
    EditPassword->setMaxLength(30);
    EditPassword->setEchoMode(QLineEdit::Password);
    Label3->setBuddy(EditPassword);
    MasquerParEtoiles(EditPassword);

    BitBtn1 =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("&Valider"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogResetButton), QStringLiteral("&Annuler"),
                              this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    BitBtn3 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("&Quitter"),
                              this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setAutoDefault(false);

    LabelEtat = new QLabel(QStringLiteral("Connexion au serveur de base de données..."), this);
    LabelEtat->setObjectName(QStringLiteral("LabelEtat"));
    LabelEtat->setAlignment(Qt::AlignCenter);
    LabelEtat->setVisible(false);
}

void TPassword::Disposer() {
    auto* entete = new QHBoxLayout;
    entete->addWidget(Label4, 1);
    entete->addWidget(Image2);
    auto* champs = new QGridLayout;
    champs->addWidget(Label2, 0, 0);
    champs->addWidget(EditLogin, 0, 1);
    champs->addWidget(Label3, 1, 0);
    champs->addWidget(EditPassword, 1, 1);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(BitBtn1);
    boutons->addWidget(BitBtn2);
    boutons->addWidget(BitBtn3);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(16, 12, 16, 14);
    page->addLayout(entete);
    page->addStretch(1);
    page->addLayout(champs);
    page->addWidget(LabelEtat);
    page->addStretch(1);
    page->addLayout(boutons);

    setTabOrder(EditLogin, EditPassword);
    setTabOrder(EditPassword, BitBtn1);
    setTabOrder(BitBtn1, BitBtn2);
    setTabOrder(BitBtn2, BitBtn3);
}

void TPassword::showEvent(QShowEvent* event) {
    PeutFermer = false;
    QDialog::showEvent(event);
}

void TPassword::closeEvent(QCloseEvent* event) {
    if (PeutFermer)
        event->accept();
    else
        event->ignore();
}

// Esc does not close the main window either.
void TPassword::reject() {}
