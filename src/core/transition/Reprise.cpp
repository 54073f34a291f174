#include "core/transition/Reprise.h"

#include "core/data/OBDataModuleU.h"
#include "core/data/RequeteSQL.h"

namespace {

constexpr int ServeurParti = 2006;
constexpr int ConnexionPerdue = 2013;
constexpr int ConnexionPerdueEnLecture = 2055;

} // namespace

QString RaisonNouvelEssai(const std::exception& e) {
    const auto* erreur = dynamic_cast<const EKorven*>(&e);
    if (erreur == nullptr)
        return {};
    const QString& texte = erreur->Message();
    switch (erreur->CodeServeur()) {
    case Interblocage:
        return QStringLiteral(
            "la transaction est entrée en conflit avec une autre, passée avant elle (un autre "
            "poste modifiait les mêmes données)");
    case ErreurValidation:
    case NoeudIndisponible:
        if (texte.contains(QLatin1String("Primary Component"), Qt::CaseInsensitive) ||
            texte.contains(QLatin1String("WSREP"), Qt::CaseInsensitive))
            return QStringLiteral("le serveur a perdu le contact avec la majorité des serveurs de la grappe");
        return {};
    default:
        return {};
    }
}

TSuiteEchec SuiteEchec(const std::exception& e, int essai, const TReprise& reprise) {
    if (dynamic_cast<const EValidationIncertaine*>(&e) != nullptr) {
        if (reprise.ValideeMalgreTout())
            return TSuiteEchec::ValideeMalgreTout;
        reprise.Echec(e);
        return TSuiteEchec::Abandon;
    }
    const QString raison = RaisonNouvelEssai(e);
    if (raison.isEmpty()) {
        reprise.Echec(e);
        return TSuiteEchec::Abandon;
    }
    try {
        OBDataModule->RollbackTransaction();
    } catch (const EKorven&) {
        // The server has ended the transaction already.
    }
    if (reprise.ValideeMalgreTout())
        return TSuiteEchec::ValideeMalgreTout;
    if (essai > reprise.NouveauxEssais) {
        // Said in the user's words, the server's after them.
        const auto& erreur = dynamic_cast<const EKorven&>(e);
        reprise.Echec(EKorven(QStringLiteral("%1%2, encore après %3 nouveaux essais (%4).")
                                  .arg(raison.left(1).toUpper(), raison.mid(1))
                                  .arg(reprise.NouveauxEssais)
                                  .arg(erreur.Message()),
                              erreur.CodeServeur()));
        return TSuiteEchec::Abandon;
    }
    if (reprise.NouvelEssai)
        reprise.NouvelEssai(
            QStringLiteral("Nouvel essai %1 sur %2 : %3 ; rien n'en a été gardé, la transaction recommence.")
                .arg(essai)
                .arg(reprise.NouveauxEssais)
                .arg(raison));
    return TSuiteEchec::NouvelEssai;
}

void ValiderTransaction() {
    if (ValeurSQL(OBDataModule->OBSQLConnection, QStringLiteral("SELECT @@in_transaction")).toInt() != 1)
        throw EKorven(
            QStringLiteral("Le serveur a annulé la transaction avant sa validation : un autre poste "
                           "modifiait les mêmes données en même temps."),
            Interblocage);
    try {
        OBDataModule->CommitTransaction();
    } catch (const EKorven& e) {
        const int code = e.CodeServeur();
        if (code == ServeurParti || code == ConnexionPerdue || code == ConnexionPerdueEnLecture)
            throw EValidationIncertaine(e.Message(), code);
        throw;
    }
}
