#include "base/LigneDeCommande.h"

namespace {

// Qt's own options (QGuiApplication, QApplication and the X11 platform): they take the next argument as their
// value. Qt also reads them with two dashes.
const QStringList OptionsQtAvecValeur = {
    QStringLiteral("platform"),
    QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"),
    QStringLiteral("geometry"),
    QStringLiteral("qwindowtitle"),
    QStringLiteral("title"),
    QStringLiteral("qwindowicon"),
    QStringLiteral("icon"),
    QStringLiteral("session"),
    QStringLiteral("style"),
    QStringLiteral("stylesheet"),
    QStringLiteral("display"),
    QStringLiteral("name"),
    QStringLiteral("visual"),
    QStringLiteral("qmljsdebugger"),
};
// Those that Qt also reads as -option=value.
const QStringList OptionsQtAvecEgal = {QStringLiteral("style"), QStringLiteral("stylesheet"),
                                       QStringLiteral("qmljsdebugger")};
const QStringList OptionsQtSansValeur = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                         QStringLiteral("nograb"), QStringLiteral("dograb")};

TLigneDeCommande Refus(const QString& erreur) {
    return {TActionLigneDeCommande::Refus,
            QStringLiteral("solvane : %1 (solvane --help donne les options)").arg(erreur)};
}

} // namespace

TLigneDeCommande AnalyserLigneDeCommande(const QStringList& arguments) {
    bool aide = false, version = false, verifier = false, retour = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QStringLiteral("-h") || argument == QStringLiteral("--help")) {
            aide = true;
            continue;
        }
        if (argument == QStringLiteral("-v") || argument == QStringLiteral("--version")) {
            version = true;
            continue;
        }
        if (argument == QStringLiteral("--check")) {
            verifier = true;
            continue;
        }
        if (argument == QStringLiteral("--undo-check")) {
            retour = true;
            continue;
        }
        if (!argument.startsWith(QLatin1Char('-')) || argument == QStringLiteral("-"))
            return Refus(QStringLiteral("argument inattendu « %1 »").arg(argument));

        const QString nom = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
        if (OptionsQtSansValeur.contains(nom))
            continue;
        if (OptionsQtAvecValeur.contains(nom)) {
            if (i + 1 >= arguments.size())
                return Refus(QStringLiteral("l'option %1 demande une valeur").arg(argument));
            ++i;
            continue;
        }
        const qsizetype egal = nom.indexOf(QLatin1Char('='));
        if (egal > 0 && OptionsQtAvecEgal.contains(nom.left(egal)))
            continue;
        return Refus(QStringLiteral("option inconnue « %1 »").arg(argument));
    }
    if (aide)
        return {TActionLigneDeCommande::Aide, {}};
    if (version)
        return {TActionLigneDeCommande::Version, {}};
    // The undo's check makes the start-up check first.
    if (retour)
        return {TActionLigneDeCommande::VerifierRetour, {}};
    if (verifier)
        return {TActionLigneDeCommande::Verifier, {}};
    return {};
}

QString TexteAide(const QString& cheminConfiguration) {
    return QStringLiteral(
               "Usage : solvane [--check | --undo-check | --version | --help] [options de Qt]\n"
               "\n"
               "Clôt l'année scolaire active de la suite KORVEN et ouvre la suivante. Sans option, le "
               "programme\n"
               "ouvre sa fenêtre de connexion.\n"
               "\n"
               "Options :\n"
               "  --check        vérifie le fichier de configuration et la connexion au serveur, sans "
               "fenêtre,\n"
               "                 puis affiche l'année active ; statut 0 si le programme peut démarrer, 1 "
               "sinon\n"
               "                 (avec le message que sa fenêtre afficherait)\n"
               "  --undo-check   fait la même vérification, puis dit si le dernier changement d'année peut "
               "être\n"
               "                 repris (retour à l'année précédente) et ce que le retour retirerait, ou "
               "pourquoi\n"
               "                 il ne le peut pas ; statut 0 s'il le peut, 1 sinon\n"
               "  -h, --help     affiche cette aide\n"
               "  -v, --version  affiche la version\n"
               "\n"
               "Les options de Qt (-platform, -style, -display, -geometry, -reverse ...) sont acceptées.\n"
               "\n"
               "Fichier de configuration : %1\n"
               "(dans le répertoire KORVEN_SYSTEM_DIR s'il est défini), écrit par korven-config.\n")
        .arg(cheminConfiguration);
}
