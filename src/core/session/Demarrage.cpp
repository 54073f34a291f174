#include "core/session/Demarrage.h"

#include "base/AccesAutrui.h"
#include "base/Chiffrement.h"
#include "base/FichierIni.h"
#include "base/KORVENFonctionsU.h"
#include "base/KORVENTypesU.h"
#include "base/ValeursConnexion.h"
#include "core/data/OBDataModuleU.h"

#include <QDir>

#include <QFile>
#include <QFileInfo>
#include <atomic>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#endif

namespace {

const QString Section = QStringLiteral("database");

TDemarrage Fin(TDemarrage valeurs, TIssueDemarrage issue, const QString& message) {
    valeurs.Issue = issue;
    valeurs.Message = message;
    return valeurs;
}

// Closes the connection, empties its list and adds the lines host, database, user, port, password.
void Configurer(TSQLConnection* connexion, const QString& hote, const QString& base,
                const QString& utilisateur, const QString& port, const QString& motDePasse) {
    connexion->Close();
    connexion->Params.clear();
    connexion->Params << QStringLiteral("HostName=") + hote << QStringLiteral("Database=") + base
                      << QStringLiteral("User_Name=") + utilisateur << QStringLiteral("Port=") + port
                      << QStringLiteral("Password=") + motDePasse;
}

// Opens and closes the connection at once; the reason it could not be opened, empty when it answered.
QString Tester(TSQLConnection* connexion) {
    try {
        connexion->Open();
        connexion->Close();
        return QString();
    } catch (const EKorven& e) {
        connexion->Close();
        return e.Message();
    }
}

// True when the path cannot even be looked at for want of the right to search a directory above it, as
// /etc/korven (0750, root:korven) is to an account outside the group korven.
bool DossierInterdit(const QString& chemin) {
#ifdef Q_OS_UNIX
    struct stat etat {};
    return ::stat(QFile::encodeName(chemin).constData(), &etat) != 0 && errno == EACCES;
#else
    Q_UNUSED(chemin);
    return false;
#endif
}

// A configuration that others may replace is not read: it could point the program at a server of theirs,
// where the typed password would go at the sign-in.
QString MessageConfigurationModifiable(const QString& chemin, const TAccesAutrui& acces) {
    const QString lieu = QDir::toNativeSeparators(acces.Chemin);
    const bool fichier = QFileInfo(acces.Chemin).isFile();
    QString raison;
#ifdef Q_OS_WIN
    // Windows: the access lists decide; the account is named as the system names it.
    QString remede;
    if (acces.AutreProprietaire) {
        raison = fichier ? QStringLiteral("il appartient à « %1 »").arg(acces.Compte)
                         : QStringLiteral("le dossier « %1 » appartient à « %2 »").arg(lieu, acces.Compte);
        remede = QStringLiteral("Donnez « %1 » aux administrateurs (Propriétés, onglet Sécurité, Avancé)")
                     .arg(lieu);
    } else {
        raison = fichier ? QStringLiteral("« %1 » peut le modifier").arg(acces.Compte)
                         : QStringLiteral("« %1 » peut modifier le dossier « %2 » ou ce qu'il contient")
                               .arg(acces.Compte, lieu);
        remede = QStringLiteral("Retirez à « %1 » le droit de modifier « %2 » (Propriétés, onglet Sécurité)")
                     .arg(acces.Compte, lieu);
    }
    return QStringLiteral(
               "Le fichier de configuration « %1 » pourrait être remplacé par d'autres utilisateurs que "
               "les administrateurs et son propriétaire : %2.\r\nIls pourraient diriger le programme "
               "vers un serveur à eux, qui recevrait le mot de passe saisi. %3, puis relancez le "
               "programme.")
        .arg(QDir::toNativeSeparators(chemin), raison, remede);
#else
    if (acces.AutreProprietaire)
        raison = (fichier ? QStringLiteral("il appartient à un autre utilisateur que root (« %1 »)")
                          : QStringLiteral("le dossier « %1 » appartient à un autre utilisateur que root et "
                                           "que le propriétaire du fichier"))
                     .arg(lieu);
    else
        raison =
            (fichier ? QStringLiteral("son groupe ou tous les utilisateurs peuvent le modifier (droits %2)")
                     : QStringLiteral("son groupe ou tous les utilisateurs peuvent écrire dans le dossier "
                                      "« %1 » (droits %2, sans le sticky bit)"))
                .arg(lieu)
                .arg(acces.Droits, 4, 8, QLatin1Char('0'));
    return QStringLiteral(
               "Le fichier de configuration « %1 » pourrait être remplacé par d'autres utilisateurs "
               "que root et son propriétaire : %2.\r\nIls pourraient diriger le programme vers un "
               "serveur à eux, qui recevrait le mot de passe saisi. Donnez « %3 » à root ou au "
               "propriétaire du fichier et retirez le droit d'écriture aux autres (par exemple "
               "chown root et chmod go-w), puis relancez le programme.")
        .arg(QDir::toNativeSeparators(chemin), raison, lieu);
#endif
}

} // namespace

namespace {

// The configuration file: whether it can be read and who may change it, then its values decrypted into d and
// its encryption keys. The fatal message, empty once it is read.
QString LireFichier(const QString& cheminConfiguration, TDemarrage& d, QString& tls, QString& autorite) {
    // A directory of that name is no configuration file; anything else that is there but cannot be read (no
    // right to read it, not a regular file, too large) is said as such, and so is a file in a directory the
    // account may not search.
    const QFileInfo info(cheminConfiguration);
    const auto illisible = [&](const QString& raison) {
        return QStringLiteral("Le fichier de configuration « %1 » existe mais ne peut pas être lu : %2.\r\n"
                              "Il doit être lisible par le compte qui lance le programme.")
            .arg(QDir::toNativeSeparators(cheminConfiguration), raison);
    };
    if (!info.exists() && DossierInterdit(cheminConfiguration))
        return illisible(QStringLiteral("ce compte n'a pas accès au répertoire « %1 »")
                             .arg(QDir::toNativeSeparators(info.absolutePath())));
    if (!info.exists() || info.isDir())
        return QStringLiteral("Le fichier de configuration est introuvable.");
    const TAccesAutrui acces = AccesAutruiFichier(cheminConfiguration);
    if (!acces.Erreur.isEmpty())
        return illisible(
            QStringLiteral("« %1 » : %2").arg(QDir::toNativeSeparators(acces.Chemin), acces.Erreur));
    if (!acces.Sur())
        return MessageConfigurationModifiable(cheminConfiguration, acces);
    const TFichierIni fichier(cheminConfiguration);
    if (!fichier.Erreur().isEmpty())
        return illisible(fichier.Erreur());
    const auto lire = [&fichier](const QString& cle) {
        return DecrypterTexte(fichier.LireChaine(Section, cle), PhraseSecrete);
    };
    d.BDKorven = lire(QStringLiteral("name"));
    d.ServeurKorven = lire(QStringLiteral("server"));
    d.PortKorven = lire(QStringLiteral("port"));
    d.UtilisateurKorven = lire(QStringLiteral("user"));
    d.MotDePasseKorven = lire(QStringLiteral("password"));
    tls = lire(CleTls);
    autorite = lire(CleTlsAutorite);
    return QString();
}

// The master connection tested, then the one active year read into d. The fatal message, empty once read.
QString LireAnneeActive(TOBDataModule& module, TDemarrage& d, const QString& tls, const QString& autorite) {
    try {
        TSQLConnection* maitre = module.OBOrbelanSQLConnection;
        Configurer(maitre, d.ServeurKorven, d.BDKorven, d.UtilisateurKorven, d.PortKorven,
                   d.MotDePasseKorven);
        QString raison;
        try {
            d.Securite = SecuriteConnexion(tls, autorite);
            maitre->Securite = d.Securite;
            module.OBSQLConnection->Securite = d.Securite;
            raison = Tester(maitre);
        } catch (const EKorven& e) {
            raison = e.Message();
        }
        if (!raison.isEmpty())
            return MessageConnexionImpossible + raison;

        module.OrbelanSQLQueryDonnee->Preparer({QStringLiteral(
            "SELECT code, active, nom_etablissement FROM annee_scolaire WHERE active = '1'")});
        TClientDataSet* annees = module.OrbelanClientDataSetDonnee;
        annees->Close();
        annees->Open();
        if (annees->IsEmpty())
            return QStringLiteral("Aucune année n'est active, l'application va se terminer");
        if (annees->RecordCount() > 1)
            return QStringLiteral("Il y a plus d'une année, l'application va se terminer.");
        d.AnneeCourante = annees->FieldByName(QStringLiteral("code")).AsString();
        d.Serveur = d.ServeurKorven;
        d.Utilisateur = d.UtilisateurKorven;
        d.MotDePasse = d.MotDePasseKorven;
        d.BaseDeDonnees = NomBaseAnnee(d.AnneeCourante);
        d.Port = d.PortKorven;
        d.NomEtablissement = annees->FieldByName(QStringLiteral("nom_etablissement")).AsString();
        module.CloseAllDataSet();
        return QString();
    } catch (const EKorven& e) {
        // Without the active year nothing can follow: every sign-in would fail for want of a server.
        return QStringLiteral("Une erreur est survenue : \r\n") + e.Message();
    }
}

} // namespace

TDemarrage VerifierDemarrage(TOBDataModule& module, const QString& cheminConfiguration) {
    TDemarrage d;
    QString tls, autorite;
    QString message = LireFichier(cheminConfiguration, d, tls, autorite);
    if (message.isEmpty())
        message = LireAnneeActive(module, d, tls, autorite);
    if (!message.isEmpty())
        return Fin(d, TIssueDemarrage::Fatal, message);

    Configurer(module.OBSQLConnection, d.Serveur, d.BaseDeDonnees, d.Utilisateur, d.Port, d.MotDePasse);
    const QString raison = Tester(module.OBSQLConnection);
    if (!raison.isEmpty())
        return Fin(d, TIssueDemarrage::Fatal, MessageConnexionImpossible + raison);
    return d;
}

void AppliquerDemarrage(TOBDataModule& module, const TDemarrage& d) {
    Configurer(module.OBOrbelanSQLConnection, d.ServeurKorven, d.BDKorven, d.UtilisateurKorven, d.PortKorven,
               d.MotDePasseKorven);
    Configurer(module.OBSQLConnection, d.Serveur, d.BaseDeDonnees, d.Utilisateur, d.Port, d.MotDePasse);
    module.OBOrbelanSQLConnection->Securite = d.Securite;
    module.OBSQLConnection->Securite = d.Securite;
}

namespace {
std::atomic<int> verificationsEnCours{0};
} // namespace

TVerificationDemarrage::TVerificationDemarrage(const QString& cheminConfiguration)
    : chemin_(cheminConfiguration) {
    ++verificationsEnCours;
    connect(this, &QThread::finished, this, [] { --verificationsEnCours; });
}

int TVerificationDemarrage::EnCours() {
    return verificationsEnCours;
}

void TVerificationDemarrage::run() {
    TOBDataModule module;
    resultat_ = VerifierDemarrage(module, chemin_);
}

QString ResumeDemarrage(const TDemarrage& d, const QString& cheminConfiguration) {
    return QStringLiteral("Fichier de configuration : %1\n"
                          "Serveur : %2, port %3, compte %4, base maître %5\n"
                          "Année active : %6 (base %7), établissement « %8 »\n"
                          "Les deux connexions répondent : le programme peut démarrer.\n")
        .arg(QDir::toNativeSeparators(cheminConfiguration), d.ServeurKorven, d.PortKorven,
             d.UtilisateurKorven, d.BDKorven, d.AnneeCourante, d.BaseDeDonnees, d.NomEtablissement);
}
