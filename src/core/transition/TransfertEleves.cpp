#include "core/transition/TransfertEleves.h"

#include "base/KORVENTypesU.h"
#include "base/KorvenUtils.h"
#include "core/data/RequeteSQL.h"

#include <QSet>

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

// A student without a national number keeps none (NULL), as the column holds for every student who has not
// been given one.
QString NumeroSQL(const QString& numero) {
    return numero.isEmpty() ? QStringLiteral("NULL") : ChaineSQL(numero);
}

QString LigneEleve(const TCEleve& e, const QString& enRegle, const QString& classe) {
    return QLatin1Char('(') + ChaineSQL(e.GetMatricule()) + Separateur + ChaineSQL(e.GetPere()) + Separateur +
           ChaineSQL(e.GetMere()) + Separateur + ChaineSQL(e.GetTuteur()) + Separateur + ChaineSQL(enRegle) +
           Separateur + ChaineSQL(e.GetRedoublant()) + Separateur + ChaineSQL(e.GetEnregistrePar()) +
           Separateur + ChaineSQL(e.GetLieuNaissance()) + Separateur + DateSQL(e.GetDateNaissance()) +
           Separateur + ChaineSQL(classe) + Separateur + ChaineSQL(e.GetSexe()) + QStringLiteral(", 0, ") +
           NumeroSQL(e.GetMatriculeNationnal()) + QLatin1Char(')');
}

// The classes of the placement that the new year lacks (the class copy leaves behind a class whose level,
// language, room, form teacher or series it did not carry) stop the transfer before any student is written:
// a student placed there would belong to no class. One statement, whatever the number of classes; the
// server compares the codes as it compares them everywhere else.
void VerifierClasses(TSQLQuery* requete, const TDictionnairePlacement& placement,
                     const TDictionnaireEleves& eleves) {
    QMap<QString, QStringList> parClasse;
    for (auto it = placement.cbegin(); it != placement.cend(); ++it) {
        const auto eleve = eleves.find(it.key());
        parClasse[it.value()] << (eleve == eleves.end() || !eleve->second
                                      ? it.key()
                                      : it.key() + QLatin1Char(' ') + eleve->second->GetNom() +
                                            QLatin1Char(' ') + eleve->second->GetPrenom());
    }
    QStringList codes;
    for (auto it = parClasse.cbegin(); it != parClasse.cend(); ++it)
        codes << (codes.isEmpty()
                      ? QStringLiteral("SELECT ") + ChaineSQL(it.key()) + QStringLiteral(" AS code")
                      : QStringLiteral("SELECT ") + ChaineSQL(it.key()));
    requete->Preparer({QStringLiteral("SELECT P.code FROM (") + codes.join(QStringLiteral(" UNION ALL ")) +
                       QStringLiteral(") P WHERE P.code NOT IN (SELECT code FROM classe)")});
    const TResultat absentes = requete->Lire();
    requete->Close();
    if (absentes.Lignes.isEmpty())
        return;
    QSet<QString> manquantes;
    for (const QVariantList& ligne : absentes.Lignes)
        manquantes.insert(ligne.value(0).toString());
    QStringList details;
    for (auto it = parClasse.cbegin(); it != parClasse.cend(); ++it)
        if (manquantes.contains(it.key()))
            details << it.key() + QStringLiteral(" (") + it.value().join(Separateur) + QLatin1Char(')');
    throw EKorven(QStringLiteral("Ces classes ne seront pas dans la nouvelle année : ") +
                  details.join(QStringLiteral("; ")) +
                  QStringLiteral(". Placez leurs élèves dans une autre classe."));
}

void Executer(TSQLQuery* requete, const QString& ligne) {
    requete->Preparer({ligne});
    requete->ExecSQL();
}

} // namespace

void TransfererEleves(TSQLQuery* requete, const TDictionnairePlacement& placement,
                      const TDictionnaireEleves& eleves, const QString& enRegle) {
    if (placement.isEmpty())
        return;
    VerifierClasses(requete, placement, eleves);
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
                Executer(requete,
                         QStringLiteral("INSERT INTO eleve(mat, pere, mere, tuteur, en_regle, redoublant, "
                                        "enregistre_par, lnais, dnais, idclasse, sexe, montant_verse, "
                                        "mat_nationnal) VALUES") +
                             etudiants);
            }
            personnes.clear();
            etudiants.clear();
        }
    }
}
