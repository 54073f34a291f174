#include "core/transition/TransfertEleves.h"

#include "base/KORVENTypesU.h"
#include "base/KorvenUtils.h"
#include "core/data/RequeteSQL.h"

#include <QSet>
#include <algorithm>
#include <array>
#include <cstring>
#include <future>
#include <span>
#include <vector>

namespace {

const QString EntetePersonnes = QStringLiteral("INSERT INTO personne(mat, nom, pnom, nat, tel, adr) VALUES");
const QString EnteteEleves = QStringLiteral("INSERT INTO eleve(mat, pere, mere, tuteur, en_regle, "
                                            "redoublant, enregistre_par, lnais, dnais, idclasse, "
                                            "sexe, montant_verse, mat_nationnal) VALUES");

// Room for a row besides its quoted values: parentheses, separators, the date, the unquoted values.
constexpr qsizetype PlaceLigne = 80;

// One placed student of a batch: its record and its new class.
struct TPlace {
    const TCEleve* Eleve;
    const QString* Classe;
};

// The text of one statement, written in place: sized for the worst case first, each value then copied once
// straight into it, the text cut to what was written at the end.
class TTexte {
public:
    explicit TTexte(qsizetype place) {
        texte_.resize(place);
        debut_ = courant_ = texte_.data();
    }
    void Ajouter(QStringView morceau) {
        std::memcpy(courant_, morceau.data(), static_cast<size_t>(morceau.size()) * sizeof(QChar));
        courant_ += morceau.size();
    }
    void Ajouter(char16_t c) { *courant_++ = QChar(c); }
    void Valeur(const QString& valeur) { courant_ = EcrireChaineSQL(courant_, valeur); }
    // Quoted values parted by ", ".
    void Valeurs(std::span<const QString* const> valeurs) {
        for (size_t i = 0; i < valeurs.size(); ++i) {
            if (i > 0)
                Ajouter(u", ");
            Valeur(*valeurs[i]);
        }
    }
    // An unknown birth date is written as NULL, not as a made-up day; a known one as 'yyyy/MM/dd'.
    void Date(const QDate& date) {
        if (!date.isValid())
            return Ajouter(u"NULL");
        int annee = 0, mois = 0, jour = 0;
        date.getDate(&annee, &mois, &jour);
        if (annee < 1000 || annee > 9999)
            return Valeur(date.toString(QStringLiteral("yyyy/MM/dd")));
        const auto chiffres = [this](int n, int largeur) {
            for (int i = largeur - 1; i >= 0; --i, n /= 10)
                courant_[i] = QChar(char16_t(u'0' + n % 10));
            courant_ += largeur;
        };
        Ajouter(u'\'');
        chiffres(annee, 4);
        Ajouter(u'/');
        chiffres(mois, 2);
        Ajouter(u'/');
        chiffres(jour, 2);
        Ajouter(u'\'');
    }
    // A student without a national number keeps none (NULL), as the column holds for every student who has
    // not been given one.
    void Numero(const QString& numero) {
        if (numero.isEmpty())
            Ajouter(u"NULL");
        else
            Valeur(numero);
    }
    QString Fin() {
        Q_ASSERT(courant_ - debut_ <= texte_.size());
        texte_.truncate(courant_ - debut_);
        return std::move(texte_);
    }

private:
    QString texte_;
    QChar* debut_;
    QChar* courant_;
};

void Executer(TSQLQuery* requete, QString texte) {
    requete->Preparer({std::move(texte)});
    requete->ExecSQL();
}

// The two statements of one batch.
struct TTextesLot {
    QString Personnes;
    QString Eleves;
};

// A student's identity row, in the column order of EntetePersonnes.
std::array<const QString*, 6> ValeursPersonne(const TCEleve& e) {
    return {&e.GetMatricule(),   &e.GetNom(),       &e.GetPrenom(),
            &e.GetNationalite(), &e.GetTelephone(), &e.GetAdresse()};
}

// The quoted values of a student's row up to its birth date, in the column order of EnteteEleves; after the
// date come the class, the sex, the amount paid (0) and the national number.
std::array<const QString*, 8> ValeursEleve(const TCEleve& e, const QString& enRegle) {
    return {&e.GetMatricule(), &e.GetPere(),       &e.GetMere(),          &e.GetTuteur(),
            &enRegle,          &e.GetRedoublant(), &e.GetEnregistrePar(), &e.GetLieuNaissance()};
}

qsizetype PlaceValeurs(std::span<const QString* const> valeurs) {
    qsizetype place = 0;
    for (const QString* valeur : valeurs)
        place += PlaceChaineSQL(*valeur);
    return place;
}

// Writes the statements of the batch [debut, fin): reads the records and nothing else, so that it can run
// beside the statements of the previous batch.
TTextesLot Ecrire(const TPlace* debut, const TPlace* fin, const QString& enRegle) {
    const std::span<const TPlace> lot(debut, fin);
    qsizetype placePersonnes = EntetePersonnes.size();
    qsizetype placeEleves = EnteteEleves.size();
    for (const TPlace& place : lot) {
        const TCEleve& e = *place.Eleve;
        placePersonnes += PlaceLigne + PlaceValeurs(ValeursPersonne(e));
        placeEleves += PlaceLigne + PlaceValeurs(ValeursEleve(e, enRegle)) + PlaceChaineSQL(*place.Classe) +
                       PlaceChaineSQL(e.GetSexe()) + PlaceChaineSQL(e.GetMatriculeNationnal());
    }

    TTexte personnes(placePersonnes);
    personnes.Ajouter(EntetePersonnes);
    TTexte eleves(placeEleves);
    eleves.Ajouter(EnteteEleves);
    for (const TPlace& place : lot) {
        const TCEleve& e = *place.Eleve;
        if (&place != &lot.front()) {
            personnes.Ajouter(u", ");
            eleves.Ajouter(u", ");
        }
        personnes.Ajouter(u'(');
        personnes.Valeurs(ValeursPersonne(e));
        personnes.Ajouter(u')');

        eleves.Ajouter(u'(');
        eleves.Valeurs(ValeursEleve(e, enRegle));
        eleves.Ajouter(u", ");
        eleves.Date(e.GetDateNaissance());
        eleves.Ajouter(u", ");
        eleves.Valeur(*place.Classe);
        eleves.Ajouter(u", ");
        eleves.Valeur(e.GetSexe());
        eleves.Ajouter(u", 0, ");
        eleves.Numero(e.GetMatriculeNationnal());
        eleves.Ajouter(u')');
    }
    return {personnes.Fin(), eleves.Fin()};
}

// The classes of the placement that the new year lacks (the class copy leaves behind a class whose level,
// language, room, form teacher or series it did not carry) stop the transfer before any student is written:
// a student placed there would belong to no class. One statement, whatever the number of classes; the
// server compares the codes as it compares them everywhere else.
void VerifierClasses(TSQLQuery* requete, const TDictionnairePlacement& placement,
                     const TDictionnaireEleves& eleves) {
    QSet<QString> distinctes;
    for (const QString& classe : placement)
        distinctes.insert(classe);
    QStringList codes(distinctes.cbegin(), distinctes.cend());
    codes.sort();
    QString choix;
    for (const QString& code : codes)
        choix += (choix.isEmpty() ? QStringLiteral("SELECT ") : QStringLiteral(" UNION ALL SELECT ")) +
                 ChaineSQL(code) + (choix.isEmpty() ? QStringLiteral(" AS code") : QString());
    requete->Preparer({QStringLiteral("SELECT P.code FROM (") + choix +
                       QStringLiteral(") P WHERE P.code NOT IN (SELECT code FROM classe)")});
    const TResultat absentes = requete->Lire();
    requete->Close();
    if (absentes.Lignes.isEmpty())
        return;

    QSet<QString> manquantes;
    for (const QVariantList& ligne : absentes.Lignes)
        manquantes.insert(ligne.value(0).toString());
    QStringList details;
    for (const QString& code : codes) {
        if (!manquantes.contains(code))
            continue;
        QStringList places;
        for (auto it = placement.cbegin(); it != placement.cend(); ++it) {
            if (it.value() != code)
                continue;
            const auto eleve = eleves.find(it.key());
            places << (eleve == eleves.end() || !eleve->second
                           ? it.key()
                           : it.key() + QLatin1Char(' ') + eleve->second->GetNom() + QLatin1Char(' ') +
                                 eleve->second->GetPrenom());
        }
        details << code + QStringLiteral(" (") + places.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    throw EKorven(QStringLiteral("Ces classes ne seront pas dans la nouvelle année : ") +
                  details.join(QStringLiteral("; ")) +
                  QStringLiteral(". Placez leurs élèves dans une autre classe."));
}

} // namespace

void TransfererEleves(TSQLQuery* requete, const TDictionnairePlacement& placement,
                      const TDictionnaireEleves& eleves, const QString& enRegle) {
    if (placement.isEmpty())
        return;
    VerifierClasses(requete, placement, eleves);

    // Every placed student with its record, in the placement's order. Both maps are ordered by matricule: a
    // student's record is most often the one after the previous student's.
    std::vector<TPlace> places;
    places.reserve(static_cast<size_t>(placement.size()));
    auto eleve = eleves.cbegin();
    for (auto it = placement.cbegin(); it != placement.cend(); ++it) {
        if (eleve == eleves.cend() || eleve->first != it.key())
            eleve = eleves.find(it.key());
        if (eleve == eleves.cend() || !eleve->second)
            throw EKorven(QStringLiteral("L'élève de matricule %1 est introuvable.").arg(it.key()));
        places.push_back({eleve->second.get(), &it.value()});
        ++eleve;
    }

    // Batches of TailleLotEleves, the last one the remainder. The statements of the next batch are written
    // on a thread of their own while the server takes those of the current one; the records and maps are
    // only read meanwhile.
    const size_t taille = TailleLotEleves;
    const size_t lots = (places.size() + taille - 1) / taille;
    const auto ecrire = [&places, &enRegle, taille](size_t lot) {
        const TPlace* debut = places.data() + lot * taille;
        return Ecrire(debut, debut + std::min(taille, places.size() - lot * taille), enRegle);
    };
    TTextesLot courant = ecrire(0);
    for (size_t lot = 0; lot < lots; ++lot) {
        std::future<TTextesLot> suivant;
        if (lot + 1 < lots)
            suivant = std::async(std::launch::async, ecrire, lot + 1);
        Executer(requete, std::move(courant.Personnes));
        Executer(requete, std::move(courant.Eleves));
        if (suivant.valid())
            courant = suivant.get();
    }
}
