#include "core/model/UniteCUtilisateur.h"

#include "base/KorvenUtils.h"
#include "core/data/Requete.h"
#include "core/model/OutilsModele.h"

#include <QComboBox>

using namespace Modele;

TCUtilisateur::TCUtilisateur(const QString& Login, const QString& MotDePasse, const QString& Etat,
                             const QString& Nom, const QString& IsEnseignant)
    : Login(Login), MotDePasse(MotDePasse), Etat(Etat), Nom(Nom), IsEnseignant(IsEnseignant) {}

void TCUtilisateur::LoadCombobox(QComboBox* ComboBox, const QString& Annee, bool OnlyActif,
                                 bool WithAllOption) {
    if (ComboBox == nullptr)
        Echouer(MsgComposantNull);
    const QString D = BaseAnnee(Annee);
    QStringList lignes{QStringLiteral("SELECT login, pass, etat, nom, is_enseignant FROM ") + D +
                       QStringLiteral(".utilisateur")};
    if (OnlyActif)
        lignes << QStringLiteral("WHERE etat = ") + ChaineSQL(QStringLiteral("1"));
    lignes << QStringLiteral("ORDER BY nom ASC");
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonnee"));
    TClientDataSet& ds = requete.Ouvrir(lignes);
    if (WithAllOption)
        AjouterObjetCombo(ComboBox, QStringLiteral("Tout"),
                          std::make_unique<TCUtilisateur>(QStringLiteral("Tout"), QString(),
                                                          QStringLiteral("0"), QStringLiteral("Tout"),
                                                          QStringLiteral("0")));
    const auto texte = [&ds](const char* colonne) {
        return ds.FieldByName(QLatin1String(colonne)).AsString();
    };
    for (ds.First(); !ds.Eof(); ds.Next())
        AjouterObjetCombo(ComboBox, texte("nom"),
                          std::make_unique<TCUtilisateur>(texte("login"), texte("pass"), texte("etat"),
                                                          texte("nom"), texte("is_enseignant")));
    ComboBox->setCurrentIndex(ComboBox->count() > 0 ? 0 : -1);
}

void TCUtilisateur::FreeCombobox(QComboBox* ComboBox) {
    FreeComboboxObjects(ComboBox);
}

bool TCUtilisateur::Exists(const QString& Login, const QString& SchoolYear) {
    const QString D = BaseAnnee(SchoolYear);
    TRequete requete(ConnexionAnnee(), QStringLiteral("ProviderDonnee"));
    TClientDataSet& ds =
        requete.Ouvrir({QStringLiteral("SELECT login FROM ") + D + QStringLiteral(".utilisateur"),
                        QStringLiteral("WHERE `login` = ") + ChaineSQL(Login)});
    return !ds.IsEmpty();
}
