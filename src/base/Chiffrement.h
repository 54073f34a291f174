#pragma once

#include <QByteArray>
#include <QString>

// The configuration-value cipher. Its every detail is part of the stored format: other programs of the suite
// wrote the values this one reads.
//   key   = SHA-1 of the pass phrase's UTF-16LE bytes, then 4 zero bytes (AES-192)
//   IV    = AES encryption of one all-zero block
//   mode  = CFB with 8-bit feedback over the text's UTF-16LE bytes
//   text  = standard Base64 of the cipher bytes
// Neither direction ever fails: input that was not made by CrypterTexte decrypts to meaningless text.

// The one pass phrase the system encrypts with.
inline const QString PhraseSecrete = QStringLiteral("4830vultam");

QString CrypterTexte(const QString& texte, const QString& phrase);
QString DecrypterTexte(const QString& texte, const QString& phrase);

// Base64 decoding as the stored format reads it: groups of four characters, "=" ends a group early, decoding
// goes on after padding, characters after the last complete group are ignored. A character outside the
// alphabet counts as value 0.
QByteArray DecoderBase64(const QString& texte);
