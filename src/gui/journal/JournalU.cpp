#include "gui/journal/JournalU.h"

#include "base/KORVENTypesU.h"
#include "core/data/HeureServeur.h"
#include "core/data/OBDataModuleU.h"
#include "core/data/RequeteSQL.h"
#include "core/document/EnteteDocument.h"
#include "core/journal/EcritureJournal.h"
#include "core/journal/ModeleJournal.h"
#include "core/journal/RapportJournal.h"
#include "core/model/UniteCUtilisateur.h"
#include "core/platform/Messages.h"
#include "gui/commun/Accessibilite.h"
#include "gui/journal/UniteImprimeJournal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTableView>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <QValidator>

namespace {

const QString PrefixeErreur = QStringLiteral("Une erreur est survenue : \r\n");

// Typed text is shown, and read, in capitals.
class TMajuscules : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int&) const override {
        texte = texte.toUpper();
        return Acceptable;
    }
};

QGroupBox* Groupe(const QString& titre, QWidget* parent) {
    auto* groupe = new QGroupBox(titre, parent);
    return groupe;
}

template <class T> T* Nomme(T* controle, const char* nom) {
    controle->setObjectName(QString::fromLatin1(nom));
    return controle;
}

} // namespace

TJournal::TJournal(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Journal"));
    setWindowTitle(QStringLiteral("Journal"));
    // Fixed border, system menu and minimise button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(1007, 689);

    Ecriture = new TEcritureJournal(this);
    SQLQueryJournalInsert = Ecriture->SQLQueryJournalInsert;
    ClientDataSet1 = new TModeleJournal(this);
    ClientDataSet1->setObjectName(QStringLiteral("ClientDataSet1"));
    CreerFiltres();
    CreerListe();
    Disposer();
    Connecter();
}

// Filters: the three lists on the first line, dates, times and contained text on the second.
void TJournal::CreerFiltres() {
    ComboBoxUtilisateur = Nomme(new QComboBox, "ComboBoxUtilisateur");
    ComboBoxDomaine = Nomme(new QComboBox, "ComboBoxDomaine");
    ComboBoxOperation = Nomme(new QComboBox, "ComboBoxOperation");
    for (QComboBox* liste : {ComboBoxUtilisateur, ComboBoxDomaine, ComboBoxOperation}) {
        liste->setEditable(false);
        liste->setMaxVisibleItems(20);
        liste->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    // The lists' first items, until LoadDomaineAndOperation fills them; nothing selected.
    ComboBoxOperation->addItems({QStringLiteral("Tous les types"), QStringLiteral("Connexion"),
                                 QStringLiteral("Deconnexion"), QStringLiteral("Ajout"),
                                 QStringLiteral("Modification"), QStringLiteral("Suppression")});
    ComboBoxOperation->setCurrentIndex(-1);
    ComboBoxDomaine->addItems({QStringLiteral("Tous les domaines"), QStringLiteral("Géneral"),
                               QStringLiteral("Activation des Classes"), QStringLiteral("Inscription"),
                               QStringLiteral("Versement de la pension"), QStringLiteral("Cours"),
                               QStringLiteral("Notes"), QStringLiteral("Absence des élèves"),
                               QStringLiteral("Absence du personnel"), QStringLiteral("Sanction")});
    ComboBoxDomaine->setCurrentIndex(-1);

    const QString formatDate = QStringLiteral("dd/MM/yyyy");
    const QString formatHeure = QStringLiteral("HH:mm");
    DateTimePickerDateDebut =
        Nomme(new TChampSansSections<QDateEdit>(QDate::currentDate()), "DateTimePickerDateDebut");
    DateTimePicker2 = Nomme(new TChampSansSections<QDateEdit>(QDate::currentDate()), "DateTimePicker2");
    for (QDateEdit* date : {DateTimePickerDateDebut, DateTimePicker2}) {
        date->setDisplayFormat(formatDate);
        date->setCalendarPopup(true);
    }
    CheckBox5 = Nomme(new QCheckBox(QStringLiteral("Filtrer")), "CheckBox5");
    DateTimePicker3 = Nomme(new TChampSansSections<QTimeEdit>(QTime(0, 0)), "DateTimePicker3");
    DateTimePicker4 = Nomme(new TChampSansSections<QTimeEdit>(QTime(23, 59)), "DateTimePicker4");
    for (QTimeEdit* heure : {DateTimePicker3, DateTimePicker4}) {
        heure->setDisplayFormat(formatHeure);
        heure->setEnabled(false);
    }
    EditContenant = Nomme(new QLineEdit, "EditContenant");
    EditContenant->setValidator(new TMajuscules(EditContenant));
}

// The grid of entries, the description of the current one, the buttons.
void TJournal::CreerListe() {
    DBGrid1 = Nomme(new QTableView, "DBGrid1");
    DBGrid1->setModel(ClientDataSet1);
    DBGrid1->setAccessibleName(QStringLiteral("Entrées du journal"));
    // Tab leaves the grid for the description and the buttons; the arrows move inside it.
    SansTabulationInterne(DBGrid1);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setAlternatingRowColors(true);
    // Rows of one height: the grid does not measure each row it reads.
    DBGrid1->verticalHeader()->hide();
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->horizontalHeader()->setSectionsClickable(true);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    const int largeurs[] = {130, 90, 70, 190, 260};
    for (int i = 0; i < static_cast<int>(std::size(largeurs)); ++i)
        DBGrid1->setColumnWidth(i, largeurs[i]);
    Memo1 = Nomme(new QPlainTextEdit, "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setAccessibleName(QStringLiteral("Description de l'entrée"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFixedHeight(110);

    BitBtnImprimer = Nomme(new QPushButton(QStringLiteral("&Imprimer")), "BitBtnImprimer");
    BitBtn4 = Nomme(new QPushButton(QStringLiteral("&Fermer")), "BitBtn4");
    BitBtnImprimer->setAutoDefault(false);
    BitBtn4->setAutoDefault(false);
}

void TJournal::Disposer() {
    auto* groupeUtilisateur = Nomme(Groupe(QStringLiteral("Utilisateur"), this), "GroupBoxUtilisateur");
    (new QVBoxLayout(groupeUtilisateur))->addWidget(ComboBoxUtilisateur);
    auto* groupeDomaine = Nomme(Groupe(QStringLiteral("Domaine"), this), "GroupBoxDomaine");
    (new QVBoxLayout(groupeDomaine))->addWidget(ComboBoxDomaine);
    auto* groupeOperation = Nomme(Groupe(QStringLiteral("Type d'opération"), this), "GroupBoxOperation");
    (new QVBoxLayout(groupeOperation))->addWidget(ComboBoxOperation);

    auto* groupeDate = Nomme(Groupe(QStringLiteral("Date"), this), "GroupBoxDate");
    auto* lignesDate = new QHBoxLayout(groupeDate);
    lignesDate->addWidget(new QLabel(QStringLiteral("Du :")));
    lignesDate->addWidget(DateTimePickerDateDebut, 1);
    lignesDate->addWidget(new QLabel(QStringLiteral("Au :")));
    lignesDate->addWidget(DateTimePicker2, 1);
    // Both in the box "Date": each says which end it is.
    DateTimePickerDateDebut->setAccessibleName(QStringLiteral("Date du"));
    DateTimePicker2->setAccessibleName(QStringLiteral("Date au"));

    auto* groupeHeure = Nomme(Groupe(QStringLiteral("Heure"), this), "GroupBoxHeure");
    auto* lignesHeure = new QHBoxLayout(groupeHeure);
    lignesHeure->addWidget(CheckBox5);
    lignesHeure->addWidget(new QLabel(QStringLiteral("Entre :")));
    lignesHeure->addWidget(DateTimePicker3, 1);
    lignesHeure->addWidget(new QLabel(QStringLiteral("Et :")));
    lignesHeure->addWidget(DateTimePicker4, 1);
    DateTimePicker3->setAccessibleName(QStringLiteral("Heure entre"));
    DateTimePicker4->setAccessibleName(QStringLiteral("Heure et"));
    CheckBox5->setAccessibleName(QStringLiteral("Filtrer par heure"));

    auto* groupeContenant = Nomme(Groupe(QString(), this), "GroupBoxContenant");
    auto* lignesContenant = new QHBoxLayout(groupeContenant);
    auto* libelleContenant = new QLabel(QStringLiteral("Contenant"));
    libelleContenant->setBuddy(EditContenant);
    lignesContenant->addWidget(libelleContenant);
    lignesContenant->addWidget(EditContenant, 1);

    auto* listes = new QHBoxLayout;
    listes->addWidget(groupeUtilisateur, 1);
    listes->addWidget(groupeDomaine, 2);
    listes->addWidget(groupeOperation, 1);
    auto* periode = new QHBoxLayout;
    periode->addWidget(groupeDate, 3);
    periode->addWidget(groupeHeure, 3);
    periode->addWidget(groupeContenant, 3);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(BitBtnImprimer);
    boutons->addWidget(BitBtn4);

    auto* fenetre = new QVBoxLayout(this);
    fenetre->addLayout(listes);
    fenetre->addLayout(periode);
    fenetre->addWidget(DBGrid1, 1);
    fenetre->addWidget(Memo1);
    fenetre->addLayout(boutons);
}

void TJournal::Connecter() {
    // Every change of a filter runs the selection again. Changes made by the window itself (filling the
    // lists, setting the dates) are made with the signals blocked.
    for (QComboBox* liste : {ComboBoxUtilisateur, ComboBoxDomaine, ComboBoxOperation})
        connect(liste, &QComboBox::currentIndexChanged, this, &TJournal::FiltreModifie);
    for (QDateEdit* date : {DateTimePickerDateDebut, DateTimePicker2})
        connect(date, &QDateEdit::dateChanged, this, &TJournal::FiltreModifie);
    for (QTimeEdit* heure : {DateTimePicker3, DateTimePicker4})
        connect(heure, &QTimeEdit::timeChanged, this, &TJournal::FiltreModifie);
    connect(EditContenant, &QLineEdit::textChanged, this, &TJournal::FiltreModifie);
    // The time range follows the box's state, whoever changes it (a screen reader toggles without a click).
    connect(CheckBox5, &QCheckBox::toggled, this, [this](bool coche) {
        DateTimePicker3->setEnabled(coche);
        DateTimePicker4->setEnabled(coche);
        FiltreModifie();
    });
    connect(DBGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this, &TJournal::DBGrid1TitleClick);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TJournal::ClientDataSet1AfterScroll);
    connect(ClientDataSet1, &QAbstractItemModel::modelReset, this, &TJournal::ClientDataSet1AfterScroll);
    // The rest of a selection is read after its first rows are shown: its failure is shown when it comes.
    connect(ClientDataSet1, &TModeleJournal::ErreurLecture, this,
            [](const QString& texte) { Messages().Erreur(PrefixeErreur + texte); });
    connect(BitBtnImprimer, &QPushButton::clicked, this, &TJournal::BitBtnImprimerClick);
    connect(BitBtn4, &QPushButton::clicked, this, &TJournal::reject);
}

TJournal::~TJournal() {
    // The rows go before the statement that read them.
    ClientDataSet1->Fermer();
}

void TJournal::UpdateJournal(const QString& Login, const QString& LibelleOperation, const QString& Operation,
                             const QString& Domaine) {
    Ecriture->UpdateJournal(Login, LibelleOperation, Operation, Domaine);
}

void TJournal::LoadDomaineAndOperation() {
    const QSignalBlocker blocageOperations(ComboBoxOperation);
    const QSignalBlocker blocageDomaines(ComboBoxDomaine);
    ComboBoxOperation->clear();
    ComboBoxOperation->addItem(QStringLiteral("(Toutes les opérations)"));
    ComboBoxOperation->addItems(OperationsJournal());
    ComboBoxOperation->setCurrentIndex(0);
    ComboBoxDomaine->clear();
    ComboBoxDomaine->addItem(QStringLiteral("(Tous les domaines)"));
    ComboBoxDomaine->addItems(DomainesJournal());
    ComboBoxDomaine->setCurrentIndex(0);
}

TFiltreJournal TJournal::FiltreCourant() const {
    TFiltreJournal filtre;
    filtre.IndexUtilisateur = ComboBoxUtilisateur->currentIndex();
    if (const TCUtilisateur* utilisateur = ObjetSelectionne<TCUtilisateur>(ComboBoxUtilisateur))
        filtre.LoginUtilisateur = utilisateur->GetLogin();
    filtre.IndexOperation = ComboBoxOperation->currentIndex();
    filtre.TexteOperation = ComboBoxOperation->currentText();
    filtre.IndexDomaine = ComboBoxDomaine->currentIndex();
    filtre.TexteDomaine = ComboBoxDomaine->currentText();
    filtre.Debut = DateTimePickerDateDebut->date();
    filtre.Fin = DateTimePicker2->date();
    filtre.AvecHeures = CheckBox5->isChecked();
    filtre.HeureDebut = DateTimePicker3->time();
    filtre.HeureFin = DateTimePicker4->time();
    filtre.Contenant = EditContenant->text();
    filtre.Trich = Trich;
    filtre.Trisens = Trisens;
    return filtre;
}

void TJournal::RafraichirTab() {
    Memo1->clear();
    ClientDataSet1->Fermer();
    AfficherTri();
    const TFiltreJournal filtre = FiltreCourant();
    if (OBDataModule == nullptr)
        throw EKorven(QStringLiteral("Le module de données n'est pas créé."));
    ClientDataSet1->Ouvrir(*OBDataModule->OBSQLConnection, filtre);
    // The first row becomes the current one, as in any freshly opened list.
    if (ClientDataSet1->rowCount() > 0)
        DBGrid1->setCurrentIndex(ClientDataSet1->index(0, 0));
    ClientDataSet1AfterScroll();
}

void TJournal::FiltreModifie() {
    try {
        RafraichirTab();
    } catch (const EKorven& e) {
        Messages().Erreur(PrefixeErreur + e.Message());
    }
}

void TJournal::AfficherTri() {
    QHeaderView* titres = DBGrid1->horizontalHeader();
    const int colonne = TModeleJournal::ColonneChamp(Trich);
    if (colonne < 0) {
        titres->setSortIndicatorShown(false);
        return;
    }
    titres->setSortIndicator(colonne,
                             Trisens == QLatin1String("DESC") ? Qt::DescendingOrder : Qt::AscendingOrder);
    titres->setSortIndicatorShown(true);
}

void TJournal::DBGrid1TitleClick(int Colonne) {
    const QString champ = TModeleJournal::ChampColonne(Colonne);
    if (champ.isEmpty())
        return;
    BasculerTriJournal(Trich, Trisens, champ);
    FiltreModifie();
}

void TJournal::ClientDataSet1AfterScroll() {
    const QModelIndex courant = DBGrid1->currentIndex();
    if (!courant.isValid() || courant.row() >= ClientDataSet1->rowCount()) {
        Memo1->clear();
        return;
    }
    Memo1->setPlainText(ClientDataSet1->Entree(courant.row()).Libelle);
}

bool TJournal::PreparerPourAnnee(const QString& Annee) {
    try {
        AnneeScolaire = Annee;
        {
            const QSignalBlocker blocage(ComboBoxUtilisateur);
            TCUtilisateur::FreeCombobox(ComboBoxUtilisateur);
            TCUtilisateur::LoadCombobox(ComboBoxUtilisateur, Annee, false, true);
        }
        LoadDomaineAndOperation();
        const QDate jour = GetDateHeureServeur().date();
        const QSignalBlocker blocageDebut(DateTimePickerDateDebut);
        const QSignalBlocker blocageFin(DateTimePicker2);
        DateTimePickerDateDebut->setDate(QDate(jour.year(), jour.month(), 1));
        DateTimePicker2->setDate(QDate(jour.year(), jour.month(), jour.daysInMonth()));
    } catch (const EKorven& e) {
        Messages().Erreur(PrefixeErreur + e.Message());
        return false;
    }
    // The window opens even when the selection fails: the next change of a filter tries again.
    FiltreModifie();
    return true;
}

void TJournal::OuvrirPourAnnee(const QString& Annee) {
    if (!PreparerPourAnnee(Annee))
        return;
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
    exec();
    // The rows of a closed window are not kept.
    ClientDataSet1->Fermer();
    Memo1->clear();
}

void TJournal::BitBtnImprimerClick() {
    try {
        // Every press makes a report of its own, which belongs to this window.
        auto* rapport = new TImprimeJournal(this);
        ImprimeCourant = rapport;
        const TFiltreJournal filtre = FiltreCourant();
        TRapportJournal& contenu = rapport->Rapport;
        contenu.Lignes = LireLignesRapportJournal(filtre);
        contenu.Titre = TitreRapportJournal(ComboBoxUtilisateur->currentIndex(),
                                            ObjetSelectionne<TCUtilisateur>(ComboBoxUtilisateur));
        contenu.Periode = PeriodeRapportJournal(filtre.Debut, filtre.Fin);
        InitDocumentsHeader(true, contenu.Entete, AnneeScolaire);
        contenu.LignePied = LignePiedJournal;
        rapport->Previsualiser();
    } catch (const EKorven& e) {
        Messages().Erreur(PrefixeErreur + e.Message());
    }
}
