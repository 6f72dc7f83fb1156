// Keys and signatures of a published set-up.
#include "core/follow/setupsignature.h"

#include <QCryptographicHash>

#include <sodium.h>

namespace corvalin::follow {

namespace {

const QByteArray kPublicPrefix = QByteArrayLiteral("corvalin-ed25519:");
const QByteArray kSecretPrefix = QByteArrayLiteral("corvalin-ed25519-secret:");
const QByteArray kSignaturePrefix = QByteArrayLiteral("corvalin-ed25519-signature:");

static_assert(crypto_sign_PUBLICKEYBYTES == 32 && crypto_sign_SECRETKEYBYTES == 64 &&
              crypto_sign_BYTES == 64);

bool sodiumReady() {
    static const bool ready = sodium_init() >= 0;  // once, whichever thread asks first
    return ready;
}

const unsigned char* bytesOf(const QByteArray& bytes) {
    return reinterpret_cast<const unsigned char*>(bytes.constData());
}

unsigned char* bytesOf(QByteArray& bytes) {
    return reinterpret_cast<unsigned char*>(bytes.data());
}

// `prefix` and the base64 of `size` bytes, nothing else; the base64 in its one canonical form (so
// no white space, line break, missing padding or stray bits slips through).
std::optional<QByteArray> decode(const QByteArray& line, const QByteArray& prefix, qsizetype size) {
    if (!line.startsWith(prefix)) {
        return std::nullopt;
    }
    const QByteArray text = line.mid(prefix.size());
    const auto decoded = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != size || decoded.decoded.toBase64() != text) {
        return std::nullopt;
    }
    return decoded.decoded;
}

// One line with at most one newline, at its end.
std::optional<QByteArray> decodeFile(const QByteArray& file, const QByteArray& prefix, qsizetype size) {
    return decode(file.endsWith('\n') ? file.chopped(1) : file, prefix, size);
}

}  // namespace

KeyPair makeKeyPair() {
    if (!sodiumReady()) {
        return {};
    }
    QByteArray publicKey(crypto_sign_PUBLICKEYBYTES, '\0');
    QByteArray secretKey(crypto_sign_SECRETKEYBYTES, '\0');
    crypto_sign_keypair(bytesOf(publicKey), bytesOf(secretKey));
    KeyPair pair{QString::fromLatin1(kPublicPrefix + publicKey.toBase64()),
                 kSecretPrefix + secretKey.toBase64() + '\n'};
    sodium_memzero(secretKey.data(), static_cast<size_t>(secretKey.size()));
    return pair;
}

std::optional<QByteArray> parsePublicKey(const QString& text) {
    return decode(text.trimmed().toLatin1(), kPublicPrefix, crypto_sign_PUBLICKEYBYTES);
}

std::optional<QByteArray> parseSecretKeyFile(const QByteArray& file) {
    auto secretKey = decodeFile(file, kSecretPrefix, crypto_sign_SECRETKEYBYTES);
    if (!secretKey || !sodiumReady()) {
        return std::nullopt;
    }
    // libsodium's secret key is the seed and then the public key: a key file damaged in its second
    // half would sign without a complaint, and no follower could ever verify what it signed.
    unsigned char seed[crypto_sign_SEEDBYTES];
    unsigned char publicKey[crypto_sign_PUBLICKEYBYTES];
    unsigned char again[crypto_sign_SECRETKEYBYTES];
    crypto_sign_ed25519_sk_to_seed(seed, bytesOf(*secretKey));
    crypto_sign_seed_keypair(publicKey, again, seed);
    const bool whole = sodium_memcmp(again, bytesOf(*secretKey), sizeof again) == 0;
    sodium_memzero(seed, sizeof seed);
    sodium_memzero(again, sizeof again);
    if (!whole) {
        return std::nullopt;
    }
    return secretKey;
}

std::optional<QByteArray> parseSignatureFile(const QByteArray& file) {
    return decodeFile(file, kSignaturePrefix, crypto_sign_BYTES);
}

QByteArray signatureFile(const QByteArray& data, const QByteArray& secretFile, QString* why) {
    auto secretKey = parseSecretKeyFile(secretFile);
    if (!secretKey) {
        if (why) {
            *why = sodiumReady() ? QStringLiteral("the key file is not a Corvalin secret key")
                                 : QStringLiteral("libsodium cannot start");
        }
        return QByteArray();
    }
    QByteArray signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(bytesOf(signature), nullptr, bytesOf(data),
                         static_cast<unsigned long long>(data.size()), bytesOf(*secretKey));
    sodium_memzero(secretKey->data(), static_cast<size_t>(secretKey->size()));
    return kSignaturePrefix + signature.toBase64() + '\n';
}

QString verify(const QByteArray& data, const QByteArray& signatureFile, const QString& publicKey) {
    const auto key = parsePublicKey(publicKey);
    if (!key) {
        return QStringLiteral("the public key is not a Corvalin public key");
    }
    const auto signature = parseSignatureFile(signatureFile);
    if (!signature) {
        return QStringLiteral("the signature file is not a Corvalin signature");
    }
    if (!sodiumReady()) {
        return QStringLiteral("the signature cannot be checked: libsodium cannot start");
    }
    if (crypto_sign_verify_detached(bytesOf(*signature), bytesOf(data),
                                    static_cast<unsigned long long>(data.size()), bytesOf(*key)) != 0) {
        return QStringLiteral("the signature does not match the set-up and the publisher's key");
    }
    return QString();
}

QString sha256Hex(const QByteArray& data) {
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
}

}  // namespace corvalin::follow
