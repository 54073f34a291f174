#include "core/platform/Poste.h"

#include "base/KORVENTypesU.h"

#include <QStringList>
#include <QSysInfo>

#ifdef Q_OS_WIN
// Winsock 2 (it includes windows.h, which on its own would bring the first Winsock's declarations).
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

QString TexteAdresse(const unsigned char* octets, int longueur) {
    QStringList parties;
    for (int i = 0; i < longueur; ++i)
        parties << QString::number(static_cast<unsigned>(octets[i]));
    return parties.join(QLatin1Char('.'));
}

namespace {

// The first IPv4 address the host name resolves to, as text.
QString PremiereAdresseIPv4(const char* nom) {
    addrinfo demande{};
    demande.ai_family = AF_INET;
    demande.ai_socktype = SOCK_STREAM;
    addrinfo* reponse = nullptr;
    if (getaddrinfo(nom, nullptr, &demande, &reponse) != 0 || reponse == nullptr)
        throw EKorven(
            QStringLiteral("GetIP: aucune adresse IPv4 pour l'hôte %1").arg(QString::fromLocal8Bit(nom)));
    const auto* adresse = reinterpret_cast<const sockaddr_in*>(reponse->ai_addr);
    const QString texte = TexteAdresse(reinterpret_cast<const unsigned char*>(&adresse->sin_addr), 4);
    freeaddrinfo(reponse);
    return texte;
}

} // namespace

#ifdef Q_OS_WIN

QString GetNomMachine() {
    wchar_t tampon[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD taille = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(tampon, &taille))
        return QString();
    return QString::fromWCharArray(tampon, static_cast<int>(taille));
}

QString GetIP() {
    WSADATA donnees;
    if (WSAStartup(MAKEWORD(2, 2), &donnees) != 0)
        throw EKorven(QStringLiteral("GetIP: Winsock ne répond pas"));
    // Winsock counts its users: every WSAStartup that succeeded has its WSACleanup.
    struct Fin {
        ~Fin() { WSACleanup(); }
    } fin;
    char nom[256] = {};
    if (gethostname(nom, sizeof nom - 1) != 0) {
        switch (WSAGetLastError()) {
        case WSAEINPROGRESS:
            throw EKorven(QStringLiteral("WSAEInProgress"));
        case WSAENETDOWN:
            throw EKorven(QStringLiteral("WSAENetDown"));
        default:
            throw EKorven(QStringLiteral("GetIP: le nom de l'hôte est illisible"));
        }
    }
    return PremiereAdresseIPv4(nom);
}

#else

QString GetNomMachine() {
    return QSysInfo::machineHostName();
}

QString GetIP() {
    char nom[256] = {};
    if (gethostname(nom, sizeof nom - 1) != 0)
        throw EKorven(QStringLiteral("GetIP: le nom de l'hôte est illisible"));
    return PremiereAdresseIPv4(nom);
}

#endif
