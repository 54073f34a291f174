#include "gui/wizard/dialogs/DialogueRetour.h"

#include "core/transition/ChangementAnnee.h"
#include "core/transition/ExecutionTransition.h"
#include "gui/commun/Accessibilite.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

void ADroite(QTreeWidgetItem* element, int colonne, qlonglong nombre) {
    element->setText(colonne, QString::number(nombre));
    element->setTextAlignment(colonne, Qt::AlignRight | Qt::AlignVCenter);
}

QString Date(const QString& d) {
    return d.isEmpty() ? QStringLiteral("aucune") : d;
}

} // namespace

TDialogueRetour::TDialogueRetour(TChangementAnnee& changement, QWidget* parent)
    : QDialog(parent), changement_(changement), execution_(new TExecutionTransition(this)) {
    setObjectName(QStringLiteral("DialogueRetour"));
    CreerControles();
    Disposer();
    connect(ButtonVerifier, &QPushButton::clicked, this, &TDialogueRetour::ButtonVerifierClick);
    connect(ButtonRevenir, &QPushButton::clicked, this, &TDialogueRetour::ButtonRevenirClick);
    connect(ButtonAnnuler, &QPushButton::clicked, this, &TDialogueRetour::reject);
    // A body run again says why under the step, until the run ends.
    execution_->NouvelEssai = [this](const QString& texte) { ligneEssai_ = texte; };
    Afficher(changement_.ExaminerRetour());
    ButtonAnnuler->setFocus();
}

TDialogueRetour::~TDialogueRetour() = default;

void TDialogueRetour::CreerControles() {
    const TBilanRetour& bilan = changement_.Retour();
    const QString annee = bilan.AnneeRetablie.isEmpty() ? QStringLiteral("précédente") : bilan.AnneeRetablie;
    setWindowTitle(QStringLiteral("Revenir à l'année %1").arg(annee));
    LabelResume = new QLabel(this);
    LabelResume->setObjectName(QStringLiteral("LabelResume"));
    LabelResume->setWordWrap(true);
    LabelResume->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ArbreRetour = new QTreeWidget(this);
    ArbreRetour->setObjectName(QStringLiteral("ArbreRetour"));
    ArbreRetour->setHeaderLabels({QStringLiteral("Table"), QStringLiteral("Lignes"),
                                  QStringLiteral("Retirées"), QStringLiteral("Remises")});
    ArbreRetour->setAccessibleName(QStringLiteral("Ce que le retour retirera"));
    ArbreRetour->setUniformRowHeights(true);
    ArbreRetour->header()->setStretchLastSection(false);
    ArbreRetour->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int colonne = 1; colonne < 4; ++colonne)
        ArbreRetour->header()->setSectionResizeMode(colonne, QHeaderView::ResizeToContents);
    SansTabulationInterne(ArbreRetour);
    LabelProgression = new QLabel(this);
    LabelProgression->setObjectName(QStringLiteral("LabelProgression"));
    LabelProgression->setWordWrap(true);
    ProgressBarRetour = new QProgressBar(this);
    ProgressBarRetour->setObjectName(QStringLiteral("ProgressBarRetour"));
    ProgressBarRetour->setAccessibleName(QStringLiteral("Progression du retour à l'année précédente"));
    ProgressBarRetour->setVisible(false);
    ButtonVerifier = new QPushButton(QStringLiteral("&Vérifier"), this);
    ButtonVerifier->setObjectName(QStringLiteral("ButtonVerifier"));
    ButtonVerifier->setToolTip(QStringLiteral(
        "Déroule tout le retour sans rien enregistrer et montre ce qu'il retirerait, ou ce qui l'empêche."));
    ButtonRevenir = new QPushButton(QStringLiteral("&Revenir à l'année %1").arg(annee), this);
    ButtonRevenir->setObjectName(QStringLiteral("ButtonRevenir"));
    ButtonAnnuler = new QPushButton(QStringLiteral("&Annuler"), this);
    ButtonAnnuler->setObjectName(QStringLiteral("ButtonAnnuler"));
    // Enter must not take a year back: only a press on its own button does.
    for (QPushButton* b : {ButtonVerifier, ButtonRevenir})
        b->setAutoDefault(false);
    ButtonAnnuler->setDefault(true);
}

void TDialogueRetour::Disposer() {
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(ButtonVerifier);
    boutons->addStretch(1);
    boutons->addWidget(ButtonRevenir);
    boutons->addWidget(ButtonAnnuler);
    auto* page = new QVBoxLayout(this);
    page->addWidget(LabelResume);
    page->addWidget(ArbreRetour, 1);
    // Without the tree (the undo cannot be made), the texts stay at the top.
    page->addStretch(0);
    page->addWidget(LabelProgression);
    page->addWidget(ProgressBarRetour);
    page->addLayout(boutons);
    setTabOrder(ArbreRetour, ButtonVerifier);
    setTabOrder(ButtonVerifier, ButtonRevenir);
    setTabOrder(ButtonRevenir, ButtonAnnuler);
    resize(640, 480);
}

bool TDialogueRetour::ExecutionEnCours() const {
    return execution_->EnCours();
}

void TDialogueRetour::Afficher(const TBilanRetour& bilan) {
    ArbreRetour->clear();
    ButtonRevenir->setEnabled(bilan.Possible());
    if (!bilan.Possible()) {
        LabelResume->setText(QString(bilan.Raison).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        LabelResume->setStyleSheet(QStringLiteral("color: #a00000;"));
        ArbreRetour->setVisible(false);
        return;
    }
    LabelResume->setStyleSheet(QString());
    LabelResume->setText(
        QStringLiteral("Le changement d'année du %1, fait par %2 depuis le poste %3, a ouvert l'année %4. "
                       "Revenir à l'année %5 la rend de nouveau active et retire l'année %4 avec tout ce "
                       "que le changement y a écrit (%6 lignes, détail ci-dessous), en une seule "
                       "opération. Rien d'autre n'y a été écrit depuis, hormis les connexions au journal, "
                       "qui sont retirées aussi.")
            .arg(bilan.Date.toString(QStringLiteral("dd/MM/yyyy à hh:mm")), bilan.Utilisateur, bilan.Poste,
                 bilan.AnneeRetiree, bilan.AnneeRetablie)
            .arg(bilan.TotalRetirees()));
    AfficherTables(bilan);
    ArbreRetour->setVisible(true);
}

void TDialogueRetour::AfficherTables(const TBilanRetour& bilan) {
    auto* annees =
        new QTreeWidgetItem(ArbreRetour, {QStringLiteral("Table des années (korven.annee_scolaire)")});
    new QTreeWidgetItem(annees, {QStringLiteral("%1 : retirée (active, ouverte le %2)")
                                     .arg(bilan.LigneRetiree.Code, Date(bilan.LigneRetiree.DateDebut))});
    new QTreeWidgetItem(annees, {QStringLiteral("%1 : de nouveau active, date de fin %2")
                                     .arg(bilan.LigneRetablie.Code, Date(bilan.LigneRetablie.DateFin))});
    auto* base = new QTreeWidgetItem(ArbreRetour, {QStringLiteral("Base %1").arg(bilan.BaseRetiree)});
    qlonglong lignes = 0, remises = 0;
    for (const TTableRetour& t : bilan.Tables) {
        auto* element = new QTreeWidgetItem(base, {t.Table});
        ADroite(element, 1, t.Lignes);
        ADroite(element, 2, t.Retirees);
        ADroite(element, 3, t.Remises);
        lignes += t.Lignes;
        remises += t.Remises;
    }
    ADroite(base, 1, lignes);
    ADroite(base, 2, bilan.TotalRetirees());
    ADroite(base, 3, remises);
    ArbreRetour->expandAll();
}

void TDialogueRetour::Bloquer(bool bloque) {
    ButtonVerifier->setEnabled(!bloque);
    ButtonRevenir->setEnabled(!bloque && changement_.Retour().Possible());
    ButtonAnnuler->setEnabled(!bloque);
}

void TDialogueRetour::MontrerProgression(int numero, const QString& texte) {
    ProgressBarRetour->setVisible(true);
    ProgressBarRetour->setRange(0, etapes_);
    ProgressBarRetour->setValue(numero);
    LabelProgression->setText(ligneEssai_.isEmpty() ? texte : texte + QLatin1Char('\n') + ligneEssai_);
}

void TDialogueRetour::ButtonVerifierClick() {
    execution_->Progression = [this](int, int dernier, const QString& libelle, int restantes) {
        etapes_ = dernier + restantes;
        MontrerProgression(
            dernier,
            QStringLiteral("Vérification, étape %1 sur %2 : %3").arg(dernier).arg(etapes_).arg(libelle));
    };
    execution_->VerificationRetourTerminee = [this](const TBilanRetour& bilan) {
        ligneEssai_.clear();
        ProgressBarRetour->setVisible(false);
        Afficher(bilan);
        LabelProgression->setText(
            bilan.Possible()
                ? QStringLiteral(
                      "Vérification faite, rien n'a été enregistré : le retour retirerait %1 lignes.")
                      .arg(bilan.TotalRetirees())
                : QStringLiteral("Vérification faite : le retour ne pourrait pas se faire."));
        Bloquer(false);
        ButtonRevenir->setEnabled(bilan.Possible());
        ButtonVerifier->setFocus();
    };
    Bloquer(true);
    ligneEssai_.clear();
    execution_->VerifierRetour(changement_.ParametresRetour(), changement_.Demarrage());
}

void TDialogueRetour::ButtonRevenirClick() {
    execution_->Progression = [this](int, int dernier, const QString& libelle, int restantes) {
        etapes_ = dernier + restantes;
        MontrerProgression(dernier, QStringLiteral("Étape %1 sur %2 : %3 (encore %4)")
                                        .arg(dernier)
                                        .arg(etapes_)
                                        .arg(libelle)
                                        .arg(restantes));
    };
    execution_->RetourTermine = [this](TIssueTransition issue) {
        ligneEssai_.clear();
        if (issue != TIssueTransition::Echouee)
            return; // the program restarts
        ProgressBarRetour->setVisible(false);
        Afficher(changement_.ExaminerRetour());
        LabelProgression->setText(QStringLiteral("Le retour n'a pas eu lieu : rien n'a été modifié."));
        Bloquer(false);
        ButtonAnnuler->setFocus();
    };
    Bloquer(true);
    ligneEssai_.clear();
    execution_->ExecuterRetour(changement_.ParametresRetour(), changement_.Demarrage());
}

void TDialogueRetour::reject() {
    if (!ExecutionEnCours())
        QDialog::reject();
}

void TDialogueRetour::closeEvent(QCloseEvent* event) {
    if (ExecutionEnCours())
        event->ignore();
    else
        QDialog::closeEvent(event);
}
