#include "base/Chiffrement.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <array>
#include <cstddef>
#include <cstring>

namespace {

constexpr int TailleBloc = 16;      // AES block
constexpr int TailleEmpreinte = 20; // SHA-1 digest
constexpr int TailleCle = 24;       // AES-192 key: the digest, then 4 zero bytes

// UTF-16LE bytes of a text: two per code unit, low byte first, no byte-order mark, no terminator.
QByteArray OctetsUtf16Le(const QString& texte) {
    QByteArray octets(texte.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t unite = texte.at(i).unicode();
        octets[2 * i] = static_cast<char>(unite & 0xFF);
        octets[2 * i + 1] = static_cast<char>(unite >> 8);
    }
    return octets;
}

// The inverse: every pair of bytes is one code unit, low byte first. Lone surrogates are kept as they are.
QString TexteUtf16Le(const QByteArray& octets) {
    QString texte(octets.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const auto bas = static_cast<unsigned char>(octets[2 * i]);
        const auto haut = static_cast<unsigned char>(octets[2 * i + 1]);
        texte[i] = QChar(static_cast<char16_t>(bas | (haut << 8)));
    }
    return texte;
}

void Effacer(QByteArray& octets) {
    if (!octets.isEmpty())
        OPENSSL_cleanse(octets.data(), static_cast<std::size_t>(octets.size()));
}

// The stored format asks for the digest to be overwritten with 0xFF bytes (not zeros) before it is released.
// The writes go through a volatile pointer so that the compiler cannot drop them as dead stores.
void RemplirDeFF(unsigned char* tampon, std::size_t taille) {
    volatile unsigned char* p = tampon;
    for (std::size_t i = 0; i < taille; ++i)
        p[i] = 0xFF;
}

// One call's cipher state: AES-192 in its encrypting direction (the expanded key lives inside the OpenSSL
// context, which clears it when freed) and the 16-byte CFB feedback register, started from the IV.
// Built afresh by every CrypterTexte / DecrypterTexte call and wiped when that call returns.
class FluxCfb8 {
public:
    explicit FluxCfb8(const QString& phrase) {
        ctx_ = EVP_CIPHER_CTX_new();
        if (ctx_ == nullptr)
            return;

        QByteArray octetsPhrase = OctetsUtf16Le(phrase);
        std::array<unsigned char, TailleEmpreinte> empreinte{};
        unsigned int tailleEmpreinte = 0;
        const bool empreinteOk =
            EVP_Digest(octetsPhrase.constData(), static_cast<std::size_t>(octetsPhrase.size()),
                       empreinte.data(), &tailleEmpreinte, EVP_sha1(), nullptr) == 1 &&
            tailleEmpreinte == TailleEmpreinte;
        Effacer(octetsPhrase);

        std::array<unsigned char, TailleCle> cle{};
        std::memcpy(cle.data(), empreinte.data(), TailleEmpreinte);
        RemplirDeFF(empreinte.data(), empreinte.size());

        // ECB without padding is the bare block function: one 16-byte block in, one out.
        pret_ = empreinteOk &&
                EVP_EncryptInit_ex(ctx_, EVP_aes_192_ecb(), nullptr, cle.data(), nullptr) == 1 &&
                EVP_CIPHER_CTX_set_padding(ctx_, 0) == 1;
        OPENSSL_cleanse(cle.data(), cle.size());

        // IV = E_K(0^128); the register starts from it.
        const std::array<unsigned char, TailleBloc> zeros{};
        pret_ = pret_ && ChiffrerBloc(zeros.data(), registre_.data());
    }

    ~FluxCfb8() {
        OPENSSL_cleanse(registre_.data(), registre_.size());
        OPENSSL_cleanse(bloc_.data(), bloc_.size());
        EVP_CIPHER_CTX_free(ctx_);
    }

    FluxCfb8(const FluxCfb8&) = delete;
    FluxCfb8& operator=(const FluxCfb8&) = delete;

    bool Pret() const { return pret_; }

    // CFB-8 in place over the bytes. In both directions the byte fed back into the register is the cipher
    // byte: the output when encrypting, the input when decrypting.
    bool Traiter(QByteArray& octets, bool chiffrer) {
        for (qsizetype i = 0; i < octets.size(); ++i) {
            if (!ChiffrerBloc(registre_.data(), bloc_.data()))
                return false;
            const auto entree = static_cast<unsigned char>(octets[i]);
            const auto sortie = static_cast<unsigned char>(entree ^ bloc_[0]);
            octets[i] = static_cast<char>(sortie);
            std::memmove(registre_.data(), registre_.data() + 1, TailleBloc - 1);
            registre_[TailleBloc - 1] = chiffrer ? sortie : entree;
        }
        return true;
    }

private:
    bool ChiffrerBloc(const unsigned char* entree, unsigned char* sortie) {
        int taille = 0;
        return EVP_EncryptUpdate(ctx_, sortie, &taille, entree, TailleBloc) == 1 && taille == TailleBloc;
    }

    EVP_CIPHER_CTX* ctx_ = nullptr;
    bool pret_ = false;
    std::array<unsigned char, TailleBloc> registre_{};
    std::array<unsigned char, TailleBloc> bloc_{};
};

// Position of a character in the Base64 alphabet. Characters outside it (other than "=", which the caller
// looks at first) count as value 0: the group keeps its four places and decoding never stops, which is what
// the rest of the format does with any other unexpected input. Values written by CrypterTexte never hold one.
int ValeurBase64(QChar c) {
    const char16_t u = c.unicode();
    if (u >= 'A' && u <= 'Z')
        return u - 'A';
    if (u >= 'a' && u <= 'z')
        return u - 'a' + 26;
    if (u >= '0' && u <= '9')
        return u - '0' + 52;
    if (u == '+')
        return 62;
    if (u == '/')
        return 63;
    return 0;
}

} // namespace

QByteArray DecoderBase64(const QString& texte) {
    QByteArray octets;
    if (texte.size() < 4)
        return octets;
    const qsizetype groupes = texte.size() / 4;
    octets.reserve(groupes * 3);
    for (qsizetype g = 0; g < groupes; ++g) {
        const qsizetype d = 4 * g;
        const int k1 = ValeurBase64(texte.at(d));
        const int k2 = ValeurBase64(texte.at(d + 1));
        octets.append(static_cast<char>(k1 * 4 + k2 / 16));
        if (texte.at(d + 2) == u'=')
            continue;
        const int k3 = ValeurBase64(texte.at(d + 2));
        octets.append(static_cast<char>((k2 % 16) * 16 + k3 / 4));
        if (texte.at(d + 3) == u'=')
            continue;
        const int k4 = ValeurBase64(texte.at(d + 3));
        octets.append(static_cast<char>((k3 % 4) * 64 + k4));
    }
    return octets;
}

QString CrypterTexte(const QString& texte, const QString& phrase) {
    if (texte.isEmpty())
        return QString();
    QByteArray octets = OctetsUtf16Le(texte);
    FluxCfb8 flux(phrase);
    if (!flux.Pret() || !flux.Traiter(octets, true)) {
        // Only an OpenSSL failure (out of memory) leads here; the contract is to never fail, so the value
        // comes out empty rather than in clear.
        Effacer(octets);
        return QString();
    }
    return QString::fromLatin1(octets.toBase64());
}

QString DecrypterTexte(const QString& texte, const QString& phrase) {
    QByteArray octets = DecoderBase64(texte);
    octets.truncate(2 * (octets.size() / 2));
    if (octets.isEmpty())
        return QString();
    FluxCfb8 flux(phrase);
    QString resultat;
    if (flux.Pret() && flux.Traiter(octets, false))
        resultat = TexteUtf16Le(octets);
    Effacer(octets);
    return resultat;
}
