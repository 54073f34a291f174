#include "core/data/OuvertureMariaDB.h"

#include <QFile>

#ifdef Q_OS_WIN
// Connector/C's plugin header names Windows' types without including their header (winsock2.h includes
// windows.h).
#include <winsock2.h>
#endif
#include <cstdarg>
#include <errmsg.h>
#include <mutex>
#include <mysql.h>
#include <mysql/plugin_auth.h>

namespace {

// The library's number for a failed TLS connection (CR_SSL_CONNECTION_ERROR).
constexpr unsigned int CodeErreurTls = 2026;

// A client authentication plugin as the library lays it out (mysql/client_plugin.h, which cannot be
// included as Debian 12 ships it: it includes a header the package lacks). The library checks the type and
// interface version before taking it.
struct TPluginAuthentification {
    int type;
    unsigned int interface_version;
    const char* name;
    const char* author;
    const char* desc;
    unsigned int version[3];
    const char* license;
    void* mysql_api;
    int (*init)(char*, size_t, int, va_list);
    int (*deinit)();
    int (*options)(const char*, const void*);
    int (*authenticate_user)(MYSQL_PLUGIN_VIO*, MYSQL*);
};
constexpr int PluginAuthentification = 2;                // MYSQL_CLIENT_AUTHENTICATION_PLUGIN
constexpr unsigned int VersionAuthentification = 0x0100; // its interface version

// Set by the gate when it turned a server down, or let the sign-in go on in TLS, for the caller on the same
// thread to give the reason of a failure.
thread_local bool serveurSansTls = false;
thread_local bool porteFranchie = false;

// The sign-in methods a session may follow, whatever the server asks (the library compares each method's name
// with this list before it runs it): those that never reveal the password, even to a server that is not the
// configured one. mysql_clear_password and dialog send it as it is typed, and caching_sha2_password and
// sha256_password may too (in TLS, to whoever presented a certificate).
const char* const MethodesSures = "mysql_native_password,client_ed25519";

// Where TLS is required, the sign-in must begin with the gate below: until the gate has seen TLS in place,
// it is the only method allowed. A greeting without CLIENT_PLUGIN_AUTH (removed on the way, say) would have
// the library start with mysql_native_password, writing the login before any gate ran: that method is then
// not allowed yet, and the session ends before a byte is written.
const char* const PorteSeule = "solvane_tls_exige";

// The first step of the sign-in, run after the server's greeting is read and before the library writes
// anything: the library sends its answer (the login, through TLS when both sides offer it) only when the
// plugin writes its first packet. A server that does not offer TLS is left there, so a connection that
// would be in clear never carries the login, whoever removed the offer on the way. Otherwise the plugin
// answers nothing under its own name, TLS in place; only then are the safe methods allowed, and the server
// asks for its usual one, which the library runs.
int PorteTls(MYSQL_PLUGIN_VIO* vio, MYSQL* mysql) {
    if ((mysql->server_capabilities & CLIENT_SSL) == 0) {
        serveurSansTls = true;
        return CR_ERROR;
    }
    if (vio->write_packet(vio, reinterpret_cast<const unsigned char*>(""), 0) != 0)
        return CR_ERROR;
    if (mysql_get_ssl_cipher(mysql) == nullptr) {
        serveurSansTls = true;
        return CR_ERROR;
    }
    porteFranchie = true;
    return mysql_optionsv(mysql, MARIADB_OPT_RESTRICTED_AUTH, MethodesSures) == 0 ? CR_OK : CR_ERROR;
}

const char* const NomPorteTls = "solvane_tls_exige";

TPluginAuthentification PluginPorteTls = {PluginAuthentification,
                                          VersionAuthentification,
                                          NomPorteTls,
                                          "Solvane",
                                          "Leaves a server that does not offer TLS before the login is sent",
                                          {1, 0, 0},
                                          "GPL",
                                          nullptr,
                                          nullptr,
                                          nullptr,
                                          nullptr,
                                          PorteTls};

// Registers the gate once for the process; false when the library refused it.
bool EnregistrerPorteTls(MYSQL* mysql, QString& raison) {
    static std::once_flag fait;
    static bool enregistree = false;
    static QString refus;
    std::call_once(fait, [mysql] {
        enregistree = mysql_client_register_plugin(
                          mysql, reinterpret_cast<st_mysql_client_plugin*>(&PluginPorteTls)) != nullptr;
        if (!enregistree)
            refus = QString::fromUtf8(mysql_error(mysql));
    });
    raison = refus;
    return enregistree;
}

bool Option(MYSQL* mysql, mysql_option option, const void* valeur) {
    return mysql_optionsv(mysql, option, valeur) == 0;
}

} // namespace

st_mysql* OuvrirMariaDB(const TParametresMariaDB& p, TEchecMariaDB& echec) {
    MYSQL* mysql = mysql_init(nullptr);
    if (mysql == nullptr) {
        echec = {QStringLiteral("La bibliothèque cliente MariaDB n'a pas pu être initialisée."), 0};
        return nullptr;
    }
    const auto abandonner = [&](const QString& texte, unsigned int code) -> st_mysql* {
        echec = {texte, code};
        mysql_close(mysql);
        return nullptr;
    };
    const auto erreurBibliotheque = [&]() -> st_mysql* {
        return abandonner(QString::fromUtf8(mysql_error(mysql)), mysql_errno(mysql));
    };

    const TReglagesMariaDB& r = p.Reglages;
    // TCP to the configured port: "localhost" would otherwise mean the library's default socket, whatever the
    // port says.
    const unsigned int protocole = MYSQL_PROTOCOL_TCP;
    const unsigned int delaiConnexion = static_cast<unsigned int>(r.DelaiConnexion);
    const unsigned int delaiReponse = static_cast<unsigned int>(r.DelaiReponse);
    const unsigned int sansFichierLocal = 0;
    const my_bool oui = 1;
    bool ok = Option(mysql, MYSQL_OPT_PROTOCOL, &protocole) &&
              Option(mysql, MYSQL_SET_CHARSET_NAME, "utf8mb4") &&
              Option(mysql, MYSQL_OPT_CONNECT_TIMEOUT, &delaiConnexion) &&
              // The server never gets a file of the workstation (LOAD DATA LOCAL).
              Option(mysql, MYSQL_OPT_LOCAL_INFILE, &sansFichierLocal);
    if (ok && delaiReponse > 0)
        ok = Option(mysql, MYSQL_OPT_READ_TIMEOUT, &delaiReponse) &&
             Option(mysql, MYSQL_OPT_WRITE_TIMEOUT, &delaiReponse);
    if (!ok)
        return erreurBibliotheque();

    // TLS whenever the server offers it.
    mysql_ssl_set(mysql, nullptr, nullptr, nullptr, nullptr, nullptr);
    const TSecuriteConnexion& securite = r.Securite;
    const QByteArray autorite = QFile::encodeName(securite.AutoriteCertification);
    if (securite.Exiger) {
        QString raison;
        if (!EnregistrerPorteTls(mysql, raison))
            return abandonner(QStringLiteral("La vérification du chiffrement (TLS) n'a pas pu être mise en "
                                             "place : %1")
                                  .arg(raison),
                              CodeErreurTls);
        if (!Option(mysql, MYSQL_DEFAULT_AUTH, NomPorteTls) || !Option(mysql, MYSQL_OPT_SSL_ENFORCE, &oui) ||
            !Option(mysql, MARIADB_OPT_RESTRICTED_AUTH, PorteSeule))
            return erreurBibliotheque();
    } else if (!Option(mysql, MARIADB_OPT_RESTRICTED_AUTH, MethodesSures)) {
        return erreurBibliotheque();
    }
    if (!autorite.isEmpty()) {
        // The certificate must chain to that authority and name the host the configuration names.
        if (!Option(mysql, MYSQL_OPT_SSL_CA, autorite.constData()) ||
            !Option(mysql, MYSQL_OPT_SSL_VERIFY_SERVER_CERT, &oui))
            return erreurBibliotheque();
    }

    const QByteArray hote = p.Hote.toUtf8();
    const QByteArray utilisateur = p.Utilisateur.toUtf8();
    const QByteArray motDePasse = p.MotDePasse.toUtf8();
    const QByteArray base = p.Base.toUtf8();
    serveurSansTls = false;
    porteFranchie = false;
    if (mysql_real_connect(mysql, hote.constData(), utilisateur.constData(), motDePasse.constData(),
                           base.isEmpty() ? nullptr : base.constData(), static_cast<unsigned int>(p.Port),
                           nullptr, 0) == nullptr) {
        if (serveurSansTls || (securite.Exiger && (mysql->server_capabilities & CLIENT_SSL) == 0))
            return abandonner(MessageTlsExige, CodeErreurTls);
        if (mysql_errno(mysql) == CR_PLUGIN_NOT_ALLOWED)
            return abandonner(securite.Exiger && !porteFranchie ? MessageTlsInverifiable
                                                                : MessageMethodeRefusee,
                              CodeErreurTls);
        return erreurBibliotheque();
    }
    if (securite.Exiger && mysql_get_ssl_cipher(mysql) == nullptr)
        return abandonner(MessageTlsExige, CodeErreurTls);
    return mysql;
}
