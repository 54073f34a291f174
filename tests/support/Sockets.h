#pragma once

// The BSD sockets the tests' helpers use, on Windows too: there Winsock stands behind the same calls (poll,
// send, recv ...), started once when a helper that uses it is linked, and these few cover what differs.
#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>

#include <sys/types.h>

#ifndef MSG_NOSIGNAL
#define MSG_NOSIGNAL 0 // Winsock raises no signal on a closed connection
#endif
#ifndef SOCK_CLOEXEC
#define SOCK_CLOEXEC 0 // Winsock's sockets are not inherited by the programs a test starts
#endif

inline const bool WinsockDemarre = [] {
    WSADATA donnees;
    return WSAStartup(MAKEWORD(2, 2), &donnees) == 0;
}();

inline int poll(pollfd* sockets, unsigned long nombre, int attente) {
    return WSAPoll(sockets, nombre, attente);
}
inline void FermerSocket(int s) {
    ::closesocket(static_cast<SOCKET>(s));
}
inline int AccepterSocket(int ecoute) {
    return static_cast<int>(::accept(static_cast<SOCKET>(ecoute), nullptr, nullptr));
}
// Waits at most that many seconds for what the other end sends.
inline void DelaiReception(int s, int secondes) {
    const DWORD millisecondes = static_cast<DWORD>(secondes) * 1000;
    ::setsockopt(static_cast<SOCKET>(s), SOL_SOCKET, SO_RCVTIMEO,
                 reinterpret_cast<const char*>(&millisecondes), sizeof millisecondes);
}
inline pollfd Surveiller(int s) {
    return {static_cast<SOCKET>(s), POLLIN, 0};
}
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

inline void FermerSocket(int s) {
    ::close(s);
}
inline int AccepterSocket(int ecoute) {
    return ::accept4(ecoute, nullptr, nullptr, SOCK_CLOEXEC);
}
inline void DelaiReception(int s, int secondes) {
    const timeval attente{secondes, 0};
    ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &attente, sizeof attente);
}
inline pollfd Surveiller(int s) {
    return {s, POLLIN, 0};
}
#endif
