#include "gui/wizard/PageFin.h"

#include "core/transition/BilanTransition.h"
#include "core/transition/ChangementAnnee.h"
#include "core/transition/EtapesTransition.h"
#include "core/transition/ExecutionTransition.h"
#include "core/transition/RapportTransition.h"
#include "gui/commun/Accessibilite.h"
#include "gui/wizard/ApercuRapportTransition.h"

#include <QAbstractButton>
#include <QWizard>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// "Étape 7", or "Étapes 1 à 5" for a step that counts as several; in lower case unless told.
QString NumerosEtape(int premier, int dernier, bool majuscule) {
    const QString texte = premier == dernier ? QStringLiteral("étape %1").arg(premier)
                                             : QStringLiteral("étapes %1 à %2").arg(premier).arg(dernier);
    return majuscule ? QStringLiteral("É") + texte.mid(1) : texte;
}

} // namespace

TPageFin::TPageFin(TChangementAnnee& changement, QWidget* parent)
    : TPageAssistant(
          QStringLiteral("Etape8Fin"),
          {QStringLiteral("Fin de l'assistant Activation d'une Nouvelle Année Scolaire"),
           QStringLiteral("Cliquez sur le bouton Terminer pour valider votre opération. Patientez ensuite  "
                          "car cette opération peut prendre quelques minutes en fonction de la "
                          "puissance de votre ordinateur"),
           90},
          parent),
      changement_(changement), execution_(new TExecutionTransition(this)) {
    CreerControles();
    CreerVerification();
    Disposer();

    connect(ButtonVerifier, &QPushButton::clicked, this, &TPageFin::ButtonVerifierClick);
    MontrerRapportTransition = [this](const TRapportTransition& rapport) {
        TApercuRapportTransition apercu(rapport);
        apercu.Previsualiser(window());
    };
    execution_->ApresValidation = [this](const TRapportTransition& rapport) {
        if (MontrerRapportTransition)
            MontrerRapportTransition(rapport);
    };
    // A body run again says why under the step, until the run ends.
    execution_->NouvelEssai = [this](const QString& texte) { ligneEssai_ = texte; };
}

void TPageFin::CreerControles() {
    LabelProgression = new QLabel(this);
    LabelProgression->setObjectName(QStringLiteral("LabelProgression"));
    LabelProgression->setWordWrap(true);
    ProgressBarTransition = new QProgressBar(this);
    ProgressBarTransition->setObjectName(QStringLiteral("ProgressBarTransition"));
    ProgressBarTransition->setRange(0, NombreEtapesTransition());
    ProgressBarTransition->setValue(0);
    ProgressBarTransition->setVisible(false);
    ProgressBarTransition->setAccessibleName(QStringLiteral("Progression du changement d'année"));
    ButtonVerifier = new QPushButton(QStringLiteral("&Vérifier"), this);
    ButtonVerifier->setObjectName(QStringLiteral("ButtonVerifier"));
    ButtonVerifier->setAutoDefault(false);
    ButtonVerifier->setToolTip(
        QStringLiteral("Déroule tout le changement d'année sans rien enregistrer et montre ce "
                       "qu'il reportera, table par table."));
    CheckBoxConfirmerEtapes = new QCheckBox(QStringLiteral("Confirmer chaque étape par un &message"), this);
    CheckBoxConfirmerEtapes->setObjectName(QStringLiteral("CheckBoxConfirmerEtapes"));
    CheckBoxConfirmerEtapes->setChecked(true);
    CheckBoxConfirmerEtapes->setToolTip(QStringLiteral(
        "Décoché, les messages des étapes s'inscrivent dans la liste sous la progression (et dans "
        "le rapport) au lieu d'être confirmés un par un ; les erreurs restent des messages."));
    ListeEtapes = new QListWidget(this);
    ListeEtapes->setObjectName(QStringLiteral("ListeEtapes"));
    ListeEtapes->setAccessibleName(QStringLiteral("Étapes du changement"));
    ListeEtapes->setVisible(false);
    ListeEtapes->setMaximumHeight(110);
    SansTabulationInterne(ListeEtapes);
}

// What "Vérifier" fills: the summary and the tree of figures.
void TPageFin::CreerVerification() {
    LabelVerification = new QLabel(this);
    LabelVerification->setObjectName(QStringLiteral("LabelVerification"));
    LabelVerification->setWordWrap(true);
    LabelVerification->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ArbreVerification = new QTreeWidget(this);
    ArbreVerification->setObjectName(QStringLiteral("ArbreVerification"));
    ArbreVerification->setColumnCount(4);
    ArbreVerification->setHeaderLabels({QStringLiteral("Table"), QStringLiteral("Année close"),
                                        QStringLiteral("Nouvelle année"), QStringLiteral("Non reportées")});
    ArbreVerification->setUniformRowHeights(true);
    ArbreVerification->setAccessibleName(QStringLiteral("Résultat de la vérification"));
    SansTabulationInterne(ArbreVerification);
    ArbreVerification->setVisible(false);
    ArbreVerification->header()->setStretchLastSection(false);
    ArbreVerification->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int colonne = 1; colonne < 4; ++colonne)
        ArbreVerification->header()->setSectionResizeMode(colonne, QHeaderView::ResizeToContents);
}

void TPageFin::Disposer() {
    ButtonVerifier->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* progression = new QHBoxLayout;
    progression->addWidget(ProgressBarTransition, 1);
    progression->addStretch(0);
    progression->addWidget(ButtonVerifier);
    Contenu->addWidget(LabelVerification);
    Contenu->addWidget(ArbreVerification, 1);
    Contenu->addStretch(0);
    Contenu->addWidget(CheckBoxConfirmerEtapes);
    Contenu->addWidget(LabelProgression);
    Contenu->addLayout(progression);
    Contenu->addWidget(ListeEtapes);
    // Tab follows the page from top to bottom: the figures, the box, "Vérifier", the steps' messages.
    setTabOrder(ArbreVerification, CheckBoxConfirmerEtapes);
    setTabOrder(CheckBoxConfirmerEtapes, ButtonVerifier);
    setTabOrder(ButtonVerifier, ListeEtapes);
}

TPageFin::~TPageFin() = default;

int TPageFin::nextId() const {
    return -1;
}

bool TPageFin::ExecutionEnCours() const {
    return execution_->EnCours();
}

void TPageFin::Bloquer(bool bloque) {
    if (QWizard* assistant = wizard())
        for (QWizard::WizardButton b : {QWizard::FinishButton, QWizard::BackButton, QWizard::CancelButton})
            assistant->button(b)->setEnabled(!bloque);
    ButtonVerifier->setEnabled(!bloque);
    CheckBoxConfirmerEtapes->setEnabled(!bloque);
}

void TPageFin::LancerChangement() {
    execution_->Progression = [this](int premier, int dernier, const QString& libelle, int restantes) {
        MontrerProgression(dernier, QStringLiteral("%1 sur %2 : %3 (encore %4)")
                                        .arg(NumerosEtape(premier, dernier, true))
                                        .arg(NombreEtapesTransition())
                                        .arg(libelle)
                                        .arg(restantes));
    };
    execution_->ChangementTermine = [this](TIssueTransition issue, const QString& nouvelleBD) {
        ligneEssai_.clear();
        nouvelleBD_ = nouvelleBD;
        if (issue != TIssueTransition::Echouee)
            return; // the program restarts
        LabelProgression->setText(
            QStringLiteral("Le changement d'année n'a pas eu lieu : rien n'a été modifié. "
                           "Vous pouvez corriger la cause et cliquer à nouveau sur Terminer."));
        ProgressBarTransition->setVisible(false);
        Bloquer(false);
        // Back on the button the user pressed, not on whatever took the focus while it was disabled.
        if (QWizard* assistant = wizard())
            assistant->button(QWizard::FinishButton)->setFocus();
    };
    ligneEssai_.clear();
    // Without a box per step, each step's message is listed as it comes.
    ListeEtapes->clear();
    ListeEtapes->setVisible(!CheckBoxConfirmerEtapes->isChecked());
    if (CheckBoxConfirmerEtapes->isChecked())
        execution_->InformationEtape = nullptr;
    else
        execution_->InformationEtape = [this](const QString& texte) {
            ListeEtapes->addItem(QString(texte).replace(QStringLiteral("\r\n"), QStringLiteral(" ")));
            ListeEtapes->scrollToBottom();
        };
    Bloquer(true);
    // An earlier verification's figures would read as those of this run.
    LabelVerification->clear();
    ArbreVerification->clear();
    ArbreVerification->setVisible(false);
    execution_->Executer(changement_.ParametresTransition(), changement_.Demarrage());
}

void TPageFin::ButtonVerifierClick() {
    execution_->Progression = [this](int premier, int dernier, const QString& libelle, int) {
        MontrerProgression(dernier, QStringLiteral("Vérification, %1 sur %2 : %3")
                                        .arg(NumerosEtape(premier, dernier, false))
                                        .arg(NombreEtapesTransition())
                                        .arg(libelle));
    };
    execution_->VerificationTerminee = [this](const TBilanTransition& bilan) {
        ProgressBarTransition->setVisible(false);
        LabelProgression->clear();
        AfficherVerification(bilan);
        Bloquer(false);
        ButtonVerifier->setFocus();
    };
    Bloquer(true);
    execution_->Verifier(changement_.ParametresTransition(), changement_.Demarrage());
}

void TPageFin::AfficherVerification(const TBilanTransition& bilan) {
    ArbreVerification->clear();
    if (!bilan.Blocage.isEmpty()) {
        LabelVerification->setText(
            QStringLiteral("Le changement d'année ne pourrait pas se faire :\n") +
            QString(bilan.Blocage).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        LabelVerification->setStyleSheet(QStringLiteral("color: #a00000;"));
        ArbreVerification->setVisible(false);
        return;
    }
    LabelVerification->setStyleSheet(QString());
    int nonReportees = 0;
    AfficherTableVerification(bilan, nonReportees);
    const int places = AfficherElevesVerification(bilan);
    LabelVerification->setText(
        QStringLiteral("Vérification faite, rien n'a été enregistré : %1 élèves seront placés, "
                       "%2 lignes de l'année close ne seront pas reportées (détail ci-dessous).")
            .arg(places)
            .arg(nonReportees));
    ArbreVerification->setVisible(true);
}

namespace {

void ADroite(QTreeWidgetItem* element, int colonne, const QString& texte) {
    element->setText(colonne, texte);
    element->setTextAlignment(colonne, Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

void TPageFin::AfficherTableVerification(const TBilanTransition& bilan, int& nonReportees) {
    for (const TLigneBilan& ligne : bilan.Lignes) {
        auto* element = new QTreeWidgetItem(ArbreVerification);
        element->setText(0, ligne.Libelle + QStringLiteral(" (") + ligne.Table + QLatin1Char(')'));
        const bool copiee = ligne.Anciennes >= 0;
        ADroite(element, 1, copiee ? QString::number(ligne.Anciennes) : QStringLiteral("—"));
        ADroite(element, 2, QString::number(ligne.Nouvelles));
        ADroite(element, 3, copiee ? QString::number(ligne.NonReportees) : QStringLiteral("—"));
        for (const QString& exemple : ligne.Exemples)
            new QTreeWidgetItem(element, {exemple});
        if (ligne.NonReportees > ligne.Exemples.size())
            new QTreeWidgetItem(
                element,
                {QStringLiteral("... et %1 autres").arg(ligne.NonReportees - ligne.Exemples.size())});
        nonReportees += std::max(ligne.NonReportees, 0);
    }
}

int TPageFin::AfficherElevesVerification(const TBilanTransition& bilan) {
    int places = 0;
    auto* eleves = new QTreeWidgetItem(ArbreVerification, {QStringLiteral("Élèves placés, par classe")});
    for (const auto& [classe, nombre] : bilan.ElevesParClasse) {
        ADroite(new QTreeWidgetItem(eleves, {classe}), 2, QString::number(nombre));
        places += nombre;
    }
    ADroite(eleves, 2, QString::number(places));
    auto* sansClasse =
        new QTreeWidgetItem(ArbreVerification, {QStringLiteral("Élèves avec une décision mais sans classe")});
    ADroite(sansClasse, 3, QString::number(bilan.NonPlaces.size()));
    for (qsizetype i = 0; i < bilan.NonPlaces.size() && i < NombreExemplesBilan; ++i) {
        const TEleveNonPlace& e = bilan.NonPlaces.at(i);
        new QTreeWidgetItem(sansClasse, {QStringLiteral("[%1] - %2 %3 (%4, %5)")
                                             .arg(e.Matricule, e.Nom, e.Prenom, e.Classe, e.Decision)});
    }
    if (bilan.NonPlaces.size() > NombreExemplesBilan)
        new QTreeWidgetItem(
            sansClasse,
            {QStringLiteral("... et %1 autres").arg(bilan.NonPlaces.size() - NombreExemplesBilan)});
    return places;
}

void TPageFin::MontrerProgression(int numero, const QString& texte) {
    ProgressBarTransition->setVisible(true);
    ProgressBarTransition->setValue(numero);
    LabelProgression->setText(ligneEssai_.isEmpty() ? texte : texte + QLatin1Char('\n') + ligneEssai_);
}
