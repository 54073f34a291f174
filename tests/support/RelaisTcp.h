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
//   - RetirerPluginAuth clears CLIENT_PLUGIN_AUTH (1 << 19) too: the client no longer learns the server's
//     sign-in method and starts with its own;
//   - DemanderMotDePasse stands for the server once the greeting has passed: the client's login is answered
//     with a request to switch to mysql_clear_password (which sends the password itself), what the client
//     sends then is kept, and nothing reaches the server after the greeting;
//   - with TlsPropre (a certificate and its key, PEM), the relay offers TLS of its own in the greeting,
//     accepts it with that certificate, and keeps what it decrypts; it implies DemanderMotDePasse.
//   - Coupure cuts a connection at its COMMIT: before it reaches the server, or once the server has
//     answered it, the answer never reaching the client (a commit whose outcome the client cannot know).
// It keeps every byte the clients sent (decrypted where it holds the TLS), for the test to look for what must
// never reach it.
class RelaisTcp {
public:
    explicit RelaisTcp(int portServeur);
    ~RelaisTcp();
    RelaisTcp(const RelaisTcp&) = delete;
    RelaisTcp& operator=(const RelaisTcp&) = delete;

    // The relay's port; empty when it could not listen.
    QString Port() const { return port_; }
    QByteArray EnvoisClient() const;
    // Connections accepted so far; connections cut at their COMMIT.
    int Connexions() const { return connexions_; }
    int Coupures() const { return coupures_; }

    enum class TCoupure { Aucune, AvantValidation, ApresValidation };
    std::atomic<TCoupure> Coupure{TCoupure::Aucune};
    std::atomic<bool> RetirerTls{false};
    std::atomic<bool> RetirerPluginAuth{false};
    std::atomic<bool> DemanderMotDePasse{false};
    // Set before the first connection.
    void TlsPropre(const QString& certificat, const QString& cle);
    std::atomic<int> CommandesTransmises{-1}; // -1: no limit

private:
    void Accepter();
    void Relayer(int client);
    // Stands for the server after its greeting (DemanderMotDePasse, TlsPropre).
    void Imiter(int client, int serveur, QByteArray accueil);
    void Garder(const QByteArray& octets);

    int portServeur_;
    int ecoute_ = -1;
    QString port_;
    std::atomic<bool> arret_{false};
    std::atomic<int> connexions_{0};
    std::atomic<int> coupures_{0};
    std::thread accepteur_;
    mutable std::mutex verrou_;
    std::list<std::thread> relais_;
    QByteArray envoisClient_;
    QString certificat_, cle_;
};
