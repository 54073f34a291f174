#include "support/RelaisTcp.h"

#include "support/Sockets.h"

#include <openssl/err.h>
#include <openssl/ssl.h>

#include <algorithm>

namespace {

constexpr int Attente = 100;              // ms between two looks at the stop flag
constexpr char CapaciteTls = 0x08;        // CLIENT_SSL (0x800), in the second byte of the capabilities
constexpr char CapacitePluginAuth = 0x08; // CLIENT_PLUGIN_AUTH (1 << 19), in the third byte
constexpr int AttenteTls = 10;            // s the relay's own TLS waits for the client at most

bool EnvoyerTout(int s, const char* octets, qsizetype n) {
    while (n > 0) {
        const ssize_t envoyes = ::send(s, octets, static_cast<size_t>(n), MSG_NOSIGNAL);
        if (envoyes <= 0)
            return false;
        octets += envoyes;
        n -= envoyes;
    }
    return true;
}

// The length of the first packet of the buffer, header included, or -1 while it is incomplete.
qsizetype Paquet(const QByteArray& tampon) {
    if (tampon.size() < 4)
        return -1;
    const auto octet = [&tampon](int i) { return static_cast<qsizetype>(static_cast<uchar>(tampon[i])); };
    const qsizetype longueur = 4 + (octet(0) | octet(1) << 8 | octet(2) << 16);
    return tampon.size() >= longueur ? longueur : -1;
}

// Sets or clears bits of a greeting's capabilities: after the protocol version, the server version (ended by
// a zero), the connection id (4), the first part of the scramble (8) and a filler (1) come the lower two
// bytes of the capabilities, then the character set (1), the status (2) and the upper two bytes. octet counts
// from the lowest byte of the capabilities.
void ChangerCapacite(QByteArray& accueil, int octet, char bits, bool mettre) {
    const qsizetype finVersion = accueil.indexOf('\0', 5);
    const qsizetype capacites = finVersion + 1 + 4 + 8 + 1;
    const qsizetype position = capacites + (octet < 2 ? octet : octet + 3);
    if (finVersion > 0 && position < accueil.size())
        accueil[position] = static_cast<char>(mettre ? accueil[position] | bits : accueil[position] & ~bits);
}

// Removes the name of the server's sign-in method from the end of a greeting, as a server without
// CLIENT_PLUGIN_AUTH sends it: after the upper capabilities come the length of the scramble (1), ten reserved
// bytes and the scramble's second part, at least 13 bytes.
void RetirerNomMethode(QByteArray& accueil) {
    const qsizetype finVersion = accueil.indexOf('\0', 5);
    const qsizetype longueurBrouillage = finVersion + 1 + 4 + 8 + 1 + 7;
    if (finVersion <= 0 || longueurBrouillage >= accueil.size())
        return;
    const qsizetype fin = longueurBrouillage + 1 + 10 +
                          std::max<qsizetype>(13, static_cast<uchar>(accueil[longueurBrouillage]) - 8);
    if (fin >= accueil.size())
        return;
    accueil.truncate(fin);
    const qsizetype contenu = fin - 4;
    accueil[0] = static_cast<char>(contenu & 0xff);
    accueil[1] = static_cast<char>((contenu >> 8) & 0xff);
    accueil[2] = static_cast<char>((contenu >> 16) & 0xff);
}

// A packet: its length on three bytes, its sequence number, its payload.
QByteArray Emballer(uchar sequence, const QByteArray& contenu) {
    QByteArray paquet(4, '\0');
    paquet[0] = static_cast<char>(contenu.size() & 0xff);
    paquet[1] = static_cast<char>((contenu.size() >> 8) & 0xff);
    paquet[2] = static_cast<char>((contenu.size() >> 16) & 0xff);
    paquet[3] = static_cast<char>(sequence);
    return paquet + contenu;
}

} // namespace

RelaisTcp::RelaisTcp(int portServeur) : portServeur_(portServeur) {
    ecoute_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t taille = sizeof adresse;
    if (ecoute_ < 0 || ::bind(ecoute_, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) != 0 ||
        ::listen(ecoute_, 16) != 0 ||
        ::getsockname(ecoute_, reinterpret_cast<sockaddr*>(&adresse), &taille) != 0)
        return;
    port_ = QString::number(ntohs(adresse.sin_port));
    accepteur_ = std::thread([this] { Accepter(); });
}

RelaisTcp::~RelaisTcp() {
    arret_ = true;
    if (accepteur_.joinable())
        accepteur_.join();
    for (std::thread& t : relais_)
        t.join();
    if (ecoute_ >= 0)
        FermerSocket(ecoute_);
}

QByteArray RelaisTcp::EnvoisClient() const {
    std::lock_guard<std::mutex> garde(verrou_);
    return envoisClient_;
}

void RelaisTcp::Accepter() {
    while (!arret_) {
        pollfd attente = Surveiller(ecoute_);
        if (::poll(&attente, 1, Attente) <= 0)
            continue;
        const int client = AccepterSocket(ecoute_);
        if (client < 0)
            continue;
        ++connexions_;
        std::lock_guard<std::mutex> garde(verrou_);
        relais_.emplace_back([this, client] { Relayer(client); });
    }
}

void RelaisTcp::Relayer(int client) {
    const int serveur = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in adresse{};
    adresse.sin_family = AF_INET;
    adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    adresse.sin_port = htons(static_cast<uint16_t>(portServeur_));
    if (serveur < 0 || ::connect(serveur, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) != 0) {
        FermerSocket(client);
        if (serveur >= 0)
            FermerSocket(serveur);
        return;
    }
    QByteArray accueil; // the server's greeting, held until whole
    bool accueilPasse = false;
    QByteArray depuisClient; // the client's bytes not yet passed, read packet by packet while in clear
    bool clair = true;       // false once the client asked for TLS: its packets can no longer be read
    bool premierPaquet = true;
    int commandes = 0;
    bool muet = false;
    bool couperALaReponse = false; // the COMMIT went to the server: its answer ends the connection
    bool fermer = false;
    char octets[65536];
    while (!arret_) {
        pollfd attente[2] = {Surveiller(client), Surveiller(serveur)};
        if (::poll(attente, 2, Attente) <= 0)
            continue;
        if (attente[1].revents != 0) {
            const ssize_t n = ::recv(serveur, octets, sizeof octets, 0);
            if (n <= 0)
                break;
            if (muet)
                continue;
            if (couperALaReponse) {
                ++coupures_;
                break;
            }
            if (!accueilPasse) {
                accueil.append(octets, n);
                const qsizetype longueur = Paquet(accueil);
                if (longueur < 0)
                    continue;
                if (RetirerTls)
                    ChangerCapacite(accueil, 1, CapaciteTls, false);
                if (RetirerPluginAuth) {
                    accueil.truncate(longueur);
                    ChangerCapacite(accueil, 2, CapacitePluginAuth, false);
                    RetirerNomMethode(accueil);
                }
                if (DemanderMotDePasse || !certificat_.isEmpty()) {
                    accueil.truncate(longueur);
                    if (!certificat_.isEmpty())
                        ChangerCapacite(accueil, 1, CapaciteTls, true);
                    Imiter(client, serveur, accueil);
                    break;
                }
                accueilPasse = true;
                if (!EnvoyerTout(client, accueil.constData(), accueil.size()))
                    break;
            } else if (!EnvoyerTout(client, octets, n)) {
                break;
            }
        }
        if (attente[0].revents != 0) {
            const ssize_t n = ::recv(client, octets, sizeof octets, 0);
            if (n <= 0)
                break;
            Garder(QByteArray(octets, n));
            if (muet)
                continue;
            if (!clair) {
                if (!EnvoyerTout(serveur, octets, n))
                    break;
                continue;
            }
            depuisClient.append(octets, n);
            qsizetype longueur;
            while (!muet && clair && (longueur = Paquet(depuisClient)) > 0) {
                const uchar sequence = static_cast<uchar>(depuisClient[3]);
                // A packet of sequence 0 starts a command; the sign-in's packets follow the greeting's.
                if (sequence == 0 && ++commandes > CommandesTransmises && CommandesTransmises >= 0) {
                    muet = true;
                    break;
                }
                const bool validation = sequence == 0 && depuisClient.mid(4, longueur - 4) == "\x03"
                                                                                              "COMMIT";
                if (validation && Coupure == TCoupure::AvantValidation) {
                    ++coupures_;
                    fermer = true;
                    break;
                }
                couperALaReponse = couperALaReponse || (validation && Coupure == TCoupure::ApresValidation);
                // A first answer of 32 bytes with CLIENT_SSL asks for TLS: what follows is encrypted.
                if (premierPaquet && longueur == 36 && (depuisClient[5] & CapaciteTls) != 0)
                    clair = false;
                premierPaquet = false;
                if (!EnvoyerTout(serveur, depuisClient.constData(), longueur))
                    break;
                depuisClient.remove(0, longueur);
            }
            if (fermer)
                break;
            if (!clair && !muet && !depuisClient.isEmpty()) {
                if (!EnvoyerTout(serveur, depuisClient.constData(), depuisClient.size()))
                    break;
                depuisClient.clear();
            }
        }
    }
    FermerSocket(client);
    FermerSocket(serveur);
}

void RelaisTcp::TlsPropre(const QString& certificat, const QString& cle) {
    certificat_ = certificat;
    cle_ = cle;
}

void RelaisTcp::Garder(const QByteArray& octets) {
    std::lock_guard<std::mutex> garde(verrou_);
    envoisClient_.append(octets);
}

void RelaisTcp::Imiter(int client, int serveur, QByteArray accueil) {
    Q_UNUSED(serveur); // hears nothing more; the caller closes it
    if (!EnvoyerTout(client, accueil.constData(), accueil.size()))
        return;
    DelaiReception(client, AttenteTls);

    SSL_CTX* contexte = nullptr;
    SSL* tls = nullptr;
    QByteArray recu;
    char octets[65536];
    // The client's next packet, through the relay's TLS once it is in place; empty when the client left.
    const auto lirePaquet = [&]() -> QByteArray {
        qsizetype longueur;
        while ((longueur = Paquet(recu)) < 0 && !arret_) {
            const int n = tls ? SSL_read(tls, octets, sizeof octets)
                              : static_cast<int>(::recv(client, octets, sizeof octets, 0));
            if (n <= 0)
                return {};
            recu.append(octets, n);
            Garder(QByteArray(octets, n));
        }
        const QByteArray paquet = recu.left(longueur);
        recu.remove(0, longueur);
        return paquet;
    };
    const auto envoyer = [&](const QByteArray& paquet) {
        return tls ? SSL_write(tls, paquet.constData(), static_cast<int>(paquet.size())) == paquet.size()
                   : EnvoyerTout(client, paquet.constData(), paquet.size());
    };

    QByteArray paquet = lirePaquet();
    // A first answer of 32 bytes with CLIENT_SSL asks for TLS.
    if (paquet.size() == 36 && (paquet[4 + 1] & CapaciteTls) != 0) {
        if (certificat_.isEmpty())
            return;
        contexte = SSL_CTX_new(TLS_server_method());
        const QByteArray certificat = certificat_.toLocal8Bit();
        const QByteArray cle = cle_.toLocal8Bit();
        if (contexte != nullptr &&
            SSL_CTX_use_certificate_file(contexte, certificat.constData(), SSL_FILETYPE_PEM) == 1 &&
            SSL_CTX_use_PrivateKey_file(contexte, cle.constData(), SSL_FILETYPE_PEM) == 1)
            tls = SSL_new(contexte);
        if (tls == nullptr || SSL_set_fd(tls, client) != 1 || SSL_accept(tls) != 1)
            paquet.clear();
        else
            paquet = lirePaquet();
    }
    // The login: answered by a request to send the password itself, and whatever comes back is kept.
    if (!paquet.isEmpty() && envoyer(Emballer(static_cast<uchar>(paquet[3]) + 1,
                                              QByteArray("\xfemysql_clear_password", 21) + '\0')))
        lirePaquet();
    if (tls) {
        SSL_shutdown(tls);
        SSL_free(tls);
    }
    if (contexte)
        SSL_CTX_free(contexte);
    ERR_clear_error();
}
