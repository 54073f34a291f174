#include "core/platform/Poste.h"

#include "base/KORVENTypesU.h"

#include <QStringList>
#include <QSysInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#include <winsock2.h>
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

#ifdef Q_OS_WIN

QString GetNomMachine() {
    wchar_t tampon[16] = {};
    DWORD taille = 16;
    if (!GetComputerNameW(tampon, &taille))
        return QString();
    return QString::fromWCharArray(tampon, static_cast<int>(wcsnlen(tampon, 16)));
}

QString GetIP() {
    WSADATA donnees;
    if (WSAStartup(257, &donnees) != 0)
        throw EKorven(QStringLiteral("GetIP: Winsock is not responding"));
    char nom[101] = {};
    if (gethostname(nom, 101) != 0) {
        const int code = WSAGetLastError();
        WSACleanup();
        switch (code) {
        case 10036:
            throw EKorven(QStringLiteral("WSAEInProgress"));
        case 10050:
            throw EKorven(QStringLiteral("WSAENetDown"));
        case 10093:
            throw EKorven(QStringLiteral("WSANotInitialised"));
        default:
            throw EKorven(QString());
        }
    }
    hostent* hote = gethostbyname(nom);
    if (hote == nullptr) {
        WSACleanup();
        throw EKorven(QStringLiteral("GetIP: no address for the host name"));
    }
    const QString texte =
        TexteAdresse(reinterpret_cast<const unsigned char*>(hote->h_addr_list[0]), hote->h_length);
    WSACleanup();
    return texte;
}

#else

QString GetNomMachine() {
    return QSysInfo::machineHostName();
}

QString GetIP() {
    char nom[256] = {};
    if (gethostname(nom, sizeof nom - 1) != 0)
        throw EKorven(QStringLiteral("GetIP: le nom de l'hôte est illisible"));
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

#endif
