#pragma once

#include "core/session/Demarrage.h"
#include "support/BaseDeTest.h"
#include "support/PlateformeScriptee.h"

#include <QStringList>
#include <memory>

class QComboBox;
class TChangementAnnee;
class TFAssistantNouvelleAnnee;
class TOBDataModule;
class TPageEleves;

// The wizard as the sign-in leaves it, on the school of tests/data/assistant.sql (closing year 2025/2026,
// new year 2026/2027): fresh databases, scripted message boxes, the data module on bd_2025_2026 and korven,
// the change of the test account on the start-up's values and, unless asked otherwise, the wizard made on it
// and filled as after an accepted sign-in. The helpers act as the user does: a choice in a list goes through
// the keyboard, a tick through the list.
class EnvironnementAssistant {
public:
    explicit EnvironnementAssistant(bool remplir = true);
    ~EnvironnementAssistant();

    BaseDeTest Base;
    PlateformeScriptee Plateforme;
    std::unique_ptr<TOBDataModule> Module;
    // What the start-up found for the tests' server.
    TDemarrage Demarrage;
    std::unique_ptr<TChangementAnnee> Changement;
    std::unique_ptr<TFAssistantNouvelleAnnee> Assistant;

    // Opens the change and makes and fills the wizard as an accepted sign-in does (a database error fails the
    // test).
    void Remplir();
    // Shows the wizard and moves on to the students page.
    void AllerAuxEleves();
    TPageEleves& Eleves() const;

    // Picks the item of that text, as the user does with the keyboard; fails the test when there is none.
    static void Choisir(QComboBox* boite, const QString& texte);
    static QStringList Textes(const QComboBox* boite);

    // The student list: its lines' texts, their ticks, the matricules of the ticked ones.
    QStringList Lignes() const;
    QList<bool> Coches() const;
    // Ticks or unticks line i as a click on its box does.
    void Cocher(int i, bool coche);
    // A click on "Tout sélectionner".
    void CliquerToutSelectionner();
    void Valider();
    // The placement map as "matricule:class" texts, by matricule.
    QStringList Placement() const;
    // Waits for a run of "&Terminer" or "Vérifier" to end (fails the test after two minutes).
    void AttendreFinExecution();
};
