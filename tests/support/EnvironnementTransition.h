#pragma once

#include "core/transition/TransitionAnnee.h"
#include "support/BaseDeTest.h"
#include "support/PlateformeScriptee.h"

#include <memory>

class TChangementAnnee;
class TOBDataModule;
struct TDemarrage;

// What a year transition needs around it in a test: fresh databases (closing year 2025/2026, new year
// 2026/2027), scripted message boxes, the data module with its master connection,
// and the wizard's values with empty student maps.
class EnvironnementTransition {
public:
    // fichierDonnees: a file under tests/data loaded after the schemas (empty: none).
    explicit EnvironnementTransition(const QString& fichierDonnees = QString());
    ~EnvironnementTransition();

    BaseDeTest Base;
    PlateformeScriptee Plateforme;
    TDictionnaireEleves Eleves;
    TDictionnairePlacement Placement;
    TParametresTransition Parametres;

    // Adds a student record and, when classe is not empty, places it there.
    TCEleve& AjouterEleve(const QString& matricule, const QString& nom, const QString& prenom,
                          const QString& classe, const QString& redoublant = QStringLiteral("0"),
                          const QDate& naissance = QDate(2012, 3, 4));
    // Classes that the new year's database holds before the run (code and a label of their own), so that
    // students can be placed there without a school to copy.
    void AjouterClasses(const QStringList& codes);
    // The run's values for this test server: 2025/2026 to 2026/2027, the test account, "admin", students
    // carried; no map attached.
    static TParametresTransition ParametresDeTest();
    // Runs the transition with Parametres (maps attached).
    bool Executer();
    // What the start-up would find for Parametres' server, account and years (the master database korven).
    TDemarrage Demarrage() const;
    // The change a sign-in of Parametres' account would open: the students added (moved out of Eleves, each
    // with decision "P"), placed as Placement says.
    std::unique_ptr<TChangementAnnee> Changement();
    // The information and error boxes shown, in order.
    QStringList Boites() const { return Plateforme.Messages(); }

    // The closing box of a completed run, and every box of a complete run in order, as the steps' records
    // give them (the students' box only when students are carried).
    static const QString Fin;
    static QStringList BoitesCompletes(bool eleves = true);

    // Fingerprint of korven and the new year's database.
    QStringList Empreinte();

private:
    TOBDataModule* module_;
};
