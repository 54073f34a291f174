#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <list>
#include <mutex>
#include <thread>

// A TCP relay on 127.0.0.1, on a port of its own, between the program and a MySQL server: it stands where an
// attacker on the network, or a network that fails, would. It passes every byte unchanged, except that
//   - RetirerTls clears the TLS capability (CLIENT_SSL) in the server's greeting, as an attacker who wants
//     the login in clear does;
//   - once a connection has sent CommandesTransmises commands (the sign-in is not one), nothing more passes
//     either way while both ends stay connected: a server that stops answering.
// It keeps every byte the clients sent, for the test to look for what must never cross in clear.
class RelaisTcp {
public:
    explicit RelaisTcp(int portServeur);
    ~RelaisTcp();
    RelaisTcp(const RelaisTcp&) = delete;
    RelaisTcp& operator=(const RelaisTcp&) = delete;

    // The relay's port; empty when it could not listen.
    QString Port() const { return port_; }
    QByteArray EnvoisClient() const;
    // Connections accepted so far.
    int Connexions() const { return connexions_; }

    std::atomic<bool> RetirerTls{false};
    std::atomic<int> CommandesTransmises{-1}; // -1: no limit

private:
    void Accepter();
    void Relayer(int client);

    int portServeur_;
    int ecoute_ = -1;
    QString port_;
    std::atomic<bool> arret_{false};
    std::atomic<int> connexions_{0};
    std::thread accepteur_;
    mutable std::mutex verrou_;
    std::list<std::thread> relais_;
    QByteArray envoisClient_;
};
