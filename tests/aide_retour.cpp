// Another workstation taking the same change back: runs the undo of the change to 2026/2027 on the databases
// as they stand, on the server SOLVANE_DB_PORT names, as the user given, every box answered at once. Prints
// each box on its own line; exits 0 once the undo is committed, 1 otherwise.
//
//   aide_retour <login>
#include "core/data/OBDataModuleU.h"
#include "support/BaseDeTest.h"
#include "support/EnvironnementRetour.h"
#include "support/PlateformeScriptee.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: aide_retour <login>\n";
        return 2;
    }
    PlateformeScriptee plateforme;
    TOBDataModule module;
    // As the sign-in leaves it: the year connection on the active year.
    ServeurDeTest::Configurer(module.OBSQLConnection, QStringLiteral("bd_2026_2027"));
    ServeurDeTest::Configurer(module.OBOrbelanSQLConnection, QStringLiteral("korven"));
    TRetourAnnee retour;
    const bool reussi =
        retour.Executer(EnvironnementRetour::ParametresRetour(QString::fromLocal8Bit(argv[1]))) ==
        TIssueTransition::Validee;
    QTextStream sortie(stdout);
    for (const QString& message : plateforme.Messages())
        sortie << QString(message).replace(QStringLiteral("\r\n"), QStringLiteral(" / ")) << '\n';
    return reussi ? 0 : 1;
}
