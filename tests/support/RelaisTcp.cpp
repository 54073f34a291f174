#include "support/RelaisTcp.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int Attente = 100;       // ms between two looks at the stop flag
constexpr char CapaciteTls = 0x08; // CLIENT_SSL (0x800), in the second byte of the capabilities

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

// Clears CLIENT_SSL in a greeting: protocol version, server version (ended by a zero), connection id (4),
// first part of the scramble (8), filler (1), then the lower two bytes of the capabilities.
void RetirerCapaciteTls(QByteArray& accueil) {
    const qsizetype finVersion = accueil.indexOf('\0', 5);
    const qsizetype capacites = finVersion + 1 + 4 + 8 + 1;
    if (finVersion > 0 && capacites + 1 < accueil.size())
        accueil[capacites + 1] = static_cast<char>(accueil[capacites + 1] & ~CapaciteTls);
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
        ::close(ecoute_);
}

QByteArray RelaisTcp::EnvoisClient() const {
    std::lock_guard<std::mutex> garde(verrou_);
    return envoisClient_;
}

void RelaisTcp::Accepter() {
    while (!arret_) {
        pollfd attente{ecoute_, POLLIN, 0};
        if (::poll(&attente, 1, Attente) <= 0)
            continue;
        const int client = ::accept4(ecoute_, nullptr, nullptr, SOCK_CLOEXEC);
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
        ::close(client);
        if (serveur >= 0)
            ::close(serveur);
        return;
    }
    QByteArray accueil; // the server's greeting, held until whole
    bool accueilPasse = false;
    QByteArray depuisClient; // the client's bytes not yet passed, read packet by packet while in clear
    bool clair = true;       // false once the client asked for TLS: its packets can no longer be read
    bool premierPaquet = true;
    int commandes = 0;
    bool muet = false;
    char octets[65536];
    while (!arret_) {
        pollfd attente[2] = {{client, POLLIN, 0}, {serveur, POLLIN, 0}};
        if (::poll(attente, 2, Attente) <= 0)
            continue;
        if (attente[1].revents != 0) {
            const ssize_t n = ::recv(serveur, octets, sizeof octets, 0);
            if (n <= 0)
                break;
            if (muet)
                continue;
            if (!accueilPasse) {
                accueil.append(octets, n);
                const qsizetype longueur = Paquet(accueil);
                if (longueur < 0)
                    continue;
                if (RetirerTls)
                    RetirerCapaciteTls(accueil);
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
            {
                std::lock_guard<std::mutex> garde(verrou_);
                envoisClient_.append(octets, n);
            }
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
                // A first answer of 32 bytes with CLIENT_SSL asks for TLS: what follows is encrypted.
                if (premierPaquet && longueur == 36 && (depuisClient[5] & CapaciteTls) != 0)
                    clair = false;
                premierPaquet = false;
                if (!EnvoyerTout(serveur, depuisClient.constData(), longueur))
                    break;
                depuisClient.remove(0, longueur);
            }
            if (!clair && !muet && !depuisClient.isEmpty()) {
                if (!EnvoyerTout(serveur, depuisClient.constData(), depuisClient.size()))
                    break;
                depuisClient.clear();
            }
        }
    }
    ::close(client);
    ::close(serveur);
}
