#include "core/transition/TransfertEleves.h"

#include "base/KORVENTypesU.h"
#include "base/KorvenUtils.h"
#include "core/data/RequeteSQL.h"

namespace {

const QString Separateur = QStringLiteral(", ");

// An unknown birth date is written as NULL, not as a made-up day.
QString DateSQL(const QDate& date) {
    return date.isValid() ? ChaineSQL(date.toString(QStringLiteral("yyyy/MM/dd"))) : QStringLiteral("NULL");
}

QString LignePersonne(const TCEleve& e) {
    return QLatin1Char('(') + ChaineSQL(e.GetMatricule()) + Separateur + ChaineSQL(e.GetNom()) + Separateur +
           ChaineSQL(e.GetPrenom()) + Separateur + ChaineSQL(e.GetNationalite()) + Separateur +
           ChaineSQL(e.GetTelephone()) + Separateur + ChaineSQL(e.GetAdresse()) + QLatin1Char(')');
}

QString LigneEleve(const TCEleve& e, const QString& enRegle, const QString& classe) {
    return QLatin1Char('(') + ChaineSQL(e.GetMatricule()) + Separateur + ChaineSQL(e.GetPere()) + Separateur +
           ChaineSQL(e.GetMere()) + Separateur + ChaineSQL(e.GetTuteur()) + Separateur + ChaineSQL(enRegle) +
           Separateur + ChaineSQL(e.GetRedoublant()) + Separateur + ChaineSQL(e.GetEnregistrePar()) +
           Separateur + ChaineSQL(e.GetLieuNaissance()) + Separateur + DateSQL(e.GetDateNaissance()) +
           Separateur + ChaineSQL(classe) + Separateur + ChaineSQL(e.GetSexe()) + QStringLiteral(", 0)");
}

void Executer(TSQLQuery* requete, const QString& ligne) {
    requete->Preparer({ligne});
    requete->ExecSQL();
}

} // namespace

void TransfererEleves(TSQLQuery* requete, const TDictionnairePlacement& placement,
                      const TDictionnaireEleves& eleves, const QString& enRegle) {
    QString personnes;
    QString etudiants;
    int lot = 0;
    int traites = 0;
    const int total = static_cast<int>(placement.size());
    for (auto it = placement.cbegin(); it != placement.cend(); ++it) {
        ++traites;
        ++lot;
        const auto eleve = eleves.find(it.key());
        if (eleve == eleves.end() || !eleve->second)
            throw EKorven(QStringLiteral("L'élève de matricule %1 est introuvable.").arg(it.key()));
        if (!personnes.isEmpty()) {
            personnes += Separateur;
            etudiants += Separateur;
        }
        personnes += LignePersonne(*eleve->second);
        etudiants += LigneEleve(*eleve->second, enRegle, it.value());
        if (lot == TailleLotEleves || traites == total) {
            lot = 0;
            if (!personnes.isEmpty()) {
                Executer(requete,
                         QStringLiteral("INSERT INTO personne(mat, nom, pnom, nat, tel, adr) VALUES") +
                             personnes);
                Executer(requete, QStringLiteral(
                                      "INSERT INTO eleve(mat, pere, mere, tuteur, en_regle, redoublant, "
                                      "enregistre_par, lnais, dnais, idclasse, sexe, montant_verse) VALUES") +
                                      etudiants);
            }
            personnes.clear();
            etudiants.clear();
        }
    }
}
