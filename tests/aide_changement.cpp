// Another workstation finishing the same year: runs the change from 2025/2026 to 2026/2027 on the databases
// as they stand, on the server SOLVANE_DB_PORT names, as the user given (no student carried), every box
// answered at once. Prints each box on its own line; exits 0 once the change is committed, 1 otherwise.
//
//   aide_changement <login>
#include "core/data/OBDataModuleU.h"
#include "core/transition/TransitionAnnee.h"
#include "support/BaseDeTest.h"
#include "support/EnvironnementTransition.h"
#include "support/PlateformeScriptee.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: aide_changement <login>\n";
        return 2;
    }
    PlateformeScriptee plateforme;
    TOBDataModule module;
    ServeurDeTest::Configurer(module.OBSQLConnection, QStringLiteral("bd_2025_2026"));
    ServeurDeTest::Configurer(module.OBOrbelanSQLConnection, QStringLiteral("korven"));
    TParametresTransition p = EnvironnementTransition::ParametresDeTest();
    p.Login = QString::fromLocal8Bit(argv[1]);
    p.Eleves = false;
    TTransitionAnnee transition;
    const bool reussi = transition.Executer(p) == TIssueTransition::Validee;
    QTextStream sortie(stdout);
    for (const QString& message : plateforme.Messages())
        sortie << QString(message).replace(QStringLiteral("\r\n"), QStringLiteral(" / ")) << '\n';
    return reussi ? 0 : 1;
}
