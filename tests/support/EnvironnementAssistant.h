#pragma once

#include "support/BaseDeTest.h"
#include "support/PlateformeScriptee.h"

#include <QStringList>
#include <memory>

class QComboBox;
class TFAssistantNouvelleAnnee;
class TOBDataModule;

// The wizard as the sign-in leaves it, on the school of tests/data/assistant.sql (closing year 2025/2026,
// new year 2026/2027): fresh databases, scripted message boxes, the data module on bd_2025_2026 and korven,
// the wizard with the start-up's values and, unless asked otherwise, filled as after an accepted sign-in.
// The helpers act as the user does: a choice in a list goes through the keyboard, a tick through the list.
class EnvironnementAssistant {
public:
    explicit EnvironnementAssistant(bool remplir = true);
    ~EnvironnementAssistant();

    BaseDeTest Base;
    PlateformeScriptee Plateforme;
    std::unique_ptr<TOBDataModule> Module;
    std::unique_ptr<TFAssistantNouvelleAnnee> Assistant;

    // Fills the wizard as an accepted sign-in does.
    void Remplir();
    // Shows the wizard and moves on to the students page.
    void AllerAuxEleves();

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
};
