// Keys and signatures of a published set-up: the publisher signs the set-up file with its secret
// key, and a PC that follows it applies it only when the signature verifies with the public key
// it was given. Ed25519 through libsodium; each form is one line of ASCII:
//   public key        corvalin-ed25519:<base64 of the 32-byte key>
//   secret key file   corvalin-ed25519-secret:<base64 of libsodium's 64-byte secret key>\n
//   signature file    corvalin-ed25519-signature:<base64 of the 64-byte detached signature>\n
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace corvalin::follow {

struct KeyPair {
    QString publicKey;      // its text form
    QByteArray secretFile;  // the secret key file's bytes
};

// A new key pair; both empty when libsodium cannot start (no source of randomness).
KeyPair makeKeyPair();

// The raw key from its text form (surrounding white space ignored); none when the prefix, the
// base64 or the length is wrong.
std::optional<QByteArray> parsePublicKey(const QString& text);
// The raw 64-byte secret key from a secret key file: exactly one line, a final newline optional;
// none when it is not one, or when its two halves (seed and public key) do not belong together.
std::optional<QByteArray> parseSecretKeyFile(const QByteArray& file);
// The raw 64-byte signature from a signature file, as strictly as a secret key file.
std::optional<QByteArray> parseSignatureFile(const QByteArray& file);

// The signature file of `data` made with the key of `secretFile`; empty with the reason in `why`
// when the secret key file is not valid.
QByteArray signatureFile(const QByteArray& data, const QByteArray& secretFile, QString* why = nullptr);

// Empty when `signatureFile` is a signature of `data` by the key `publicKey` (text form); else
// why not, in words for the person who set the follower up.
QString verify(const QByteArray& data, const QByteArray& signatureFile, const QString& publicKey);

// SHA-256 of `data`, 64 lower-case hex digits.
QString sha256Hex(const QByteArray& data);

}  // namespace corvalin::follow
