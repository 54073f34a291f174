#include "support/EnvironnementAssistant.h"

#include "core/data/OBDataModuleU.h"
#include "core/transition/ChangementAnnee.h"
#include "gui/wizard/ListeCochee.h"
#include "gui/wizard/PageEleves.h"
#include "gui/wizard/PageFin.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

EnvironnementAssistant::EnvironnementAssistant(bool remplir) {
    Base.ExecuterFichier(QStringLiteral(SOLVANE_TEST_DATA "/assistant.sql"), QStringLiteral("bd_2025_2026"));
    Module = std::make_unique<TOBDataModule>();
    ServeurDeTest::Configurer(Module->OBSQLConnection, QStringLiteral("bd_2025_2026"));
    ServeurDeTest::Configurer(Module->OBOrbelanSQLConnection, QStringLiteral("korven"));
    Demarrage = ServeurDeTest::Demarrage(QStringLiteral("2025/2026"), QStringLiteral("bd_2025_2026"),
                                         QStringLiteral("Lycée d'Essos"));
    if (remplir)
        Remplir();
}

EnvironnementAssistant::~EnvironnementAssistant() {
    Assistant.reset();
    Changement.reset();
    Module.reset();
}

void EnvironnementAssistant::Remplir() {
    Assistant.reset();
    Changement.reset();
    try {
        Changement = TChangementAnnee::Ouvrir(Demarrage, QStringLiteral("admin"), QString());
        Assistant = std::make_unique<TFAssistantNouvelleAnnee>(*Changement);
        Assistant->Remplir();
    } catch (const EKorven& e) {
        QFAIL(qPrintable(e.Message()));
    }
}

TPageEleves& EnvironnementAssistant::Eleves() const {
    return *Assistant->PageEleves();
}

void EnvironnementAssistant::AttendreFinExecution() {
    QVERIFY(QTest::qWaitFor([this] { return !Assistant->PageFin()->ExecutionEnCours(); }, 120000));
}

void EnvironnementAssistant::AllerAuxEleves() {
    Assistant->show();
    Assistant->next();
    Assistant->next();
    QCOMPARE(Assistant->currentId(), int(TFAssistantNouvelleAnnee::Etape8Eleves));
}

void EnvironnementAssistant::Choisir(QComboBox* boite, const QString& texte) {
    const int cible = boite->findText(texte);
    QVERIFY2(cible >= 0,
             qPrintable(QStringLiteral("« %1 » n'est pas dans %2 : %3")
                            .arg(texte, boite->objectName(), Textes(boite).join(QStringLiteral(", ")))));
    // A closed list moves one item per arrow key; each move is the user's choice.
    if (boite->currentIndex() < 0)
        QTest::keyClick(boite, Qt::Key_Down);
    while (boite->currentIndex() < cible)
        QTest::keyClick(boite, Qt::Key_Down);
    while (boite->currentIndex() > cible)
        QTest::keyClick(boite, Qt::Key_Up);
}

QStringList EnvironnementAssistant::Textes(const QComboBox* boite) {
    QStringList textes;
    for (int i = 0; i < boite->count(); ++i)
        textes << boite->itemText(i);
    return textes;
}

QStringList EnvironnementAssistant::Lignes() const {
    QStringList textes;
    const TModeleCoches& modele = *Eleves().ListeEleves->Modele;
    for (int i = 0; i < modele.Nombre(); ++i)
        textes << modele.At(i).Texte;
    return textes;
}

QList<bool> EnvironnementAssistant::Coches() const {
    QList<bool> coches;
    const TModeleCoches& modele = *Eleves().ListeEleves->Modele;
    for (int i = 0; i < modele.Nombre(); ++i)
        coches << modele.Coche(i);
    return coches;
}

void EnvironnementAssistant::Cocher(int i, bool coche) {
    QAbstractItemModel* modele = Eleves().CheckListBoxEleves->model();
    QVERIFY(modele->setData(modele->index(i, 0), coche ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole));
}

void EnvironnementAssistant::CliquerToutSelectionner() {
    QWidget* boite = Eleves().CheckBoxElevesSelectionner;
    QCoreApplication::processEvents();
    QTest::mouseClick(boite, Qt::LeftButton, {}, QPoint(6, boite->height() / 2));
}

void EnvironnementAssistant::Valider() {
    QCoreApplication::processEvents();
    QTest::mouseClick(Eleves().ButtonElevesValider, Qt::LeftButton);
}

QStringList EnvironnementAssistant::Placement() const {
    QStringList placement;
    const TDictionnairePlacement& places = Changement->Placement();
    for (auto it = places.cbegin(); it != places.cend(); ++it)
        placement << it.key() + QLatin1Char(':') + it.value();
    return placement;
}
