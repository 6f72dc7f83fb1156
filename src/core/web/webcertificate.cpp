// The staff web page's certificate, made with GnuTLS.
#include "core/web/webcertificate.h"

#include <QDir>
#include <QFileInfo>

#include <gnutls/abstract.h>
#include <gnutls/crypto.h>
#include <gnutls/gnutls.h>
#include <gnutls/x509.h>

#include <ctime>
#include <memory>

#include "core/base/wholefile.h"

namespace corvalin::web {

namespace {

constexpr qint64 kLargestPem = 256 * 1024;
constexpr int kValidYears = 10;

struct CertDeleter {
    void operator()(gnutls_x509_crt_t c) const { gnutls_x509_crt_deinit(c); }
};
struct KeyDeleter {
    void operator()(gnutls_x509_privkey_t k) const { gnutls_x509_privkey_deinit(k); }
};
using Cert = std::unique_ptr<std::remove_pointer_t<gnutls_x509_crt_t>, CertDeleter>;
using Key = std::unique_ptr<std::remove_pointer_t<gnutls_x509_privkey_t>, KeyDeleter>;

QString gnutlsText(int code) {
    return QString::fromUtf8(gnutls_strerror(code));
}

gnutls_datum_t datum(const QByteArray& bytes) {
    return {reinterpret_cast<unsigned char*>(const_cast<char*>(bytes.constData())),
            static_cast<unsigned int>(bytes.size())};
}

Cert importCertificate(const QByteArray& pem) {
    gnutls_x509_crt_t raw = nullptr;
    if (gnutls_x509_crt_init(&raw) < 0) {
        return {};
    }
    Cert cert(raw);
    const gnutls_datum_t data = datum(pem);
    if (gnutls_x509_crt_import(cert.get(), &data, GNUTLS_X509_FMT_PEM) < 0) {
        return {};
    }
    return cert;
}

// The bytes of a datum GnuTLS made, which is freed.
QByteArray taken(gnutls_datum_t out) {
    QByteArray bytes(reinterpret_cast<const char*>(out.data), static_cast<qsizetype>(out.size));
    gnutls_free(out.data);
    return bytes;
}

// A new key and a certificate for `hostName` signed by itself; the reason in `why` when not.
bool make(const QString& hostName, QByteArray* certificatePem, QByteArray* keyPem, QString* why) {
    gnutls_x509_privkey_t rawKey = nullptr;
    gnutls_x509_crt_t rawCert = nullptr;
    if (gnutls_x509_privkey_init(&rawKey) < 0 || gnutls_x509_crt_init(&rawCert) < 0) {
        *why = QStringLiteral("the TLS library could not start");
        return false;
    }
    Key key(rawKey);
    Cert cert(rawCert);
    int rc = gnutls_x509_privkey_generate(key.get(), GNUTLS_PK_ECDSA,
                                          GNUTLS_CURVE_TO_BITS(GNUTLS_ECC_CURVE_SECP256R1), 0);
    if (rc < 0) {
        *why = QStringLiteral("no key could be made: %1").arg(gnutlsText(rc));
        return false;
    }
    const QByteArray name = (hostName.isEmpty() ? QStringLiteral("corvalin") : hostName).toUtf8().left(64);
    unsigned char serial[16];
    gnutls_rnd(GNUTLS_RND_NONCE, serial, sizeof serial);
    serial[0] &= 0x7f;  // a positive number
    const std::time_t now = std::time(nullptr);
    const bool written =
        gnutls_x509_crt_set_version(cert.get(), 3) >= 0 &&
        gnutls_x509_crt_set_serial(cert.get(), serial, sizeof serial) >= 0 &&
        gnutls_x509_crt_set_activation_time(cert.get(), now - 24 * 3600) >= 0 &&
        gnutls_x509_crt_set_expiration_time(cert.get(), now + std::time_t(kValidYears) * 365 * 24 * 3600) >= 0 &&
        gnutls_x509_crt_set_dn_by_oid(cert.get(), GNUTLS_OID_X520_COMMON_NAME, 0, name.constData(),
                                      static_cast<unsigned>(name.size())) >= 0 &&
        gnutls_x509_crt_set_dn_by_oid(cert.get(), GNUTLS_OID_X520_ORGANIZATION_NAME, 0, "Corvalin staff page",
                                      19) >= 0 &&
        gnutls_x509_crt_set_subject_alt_name(cert.get(), GNUTLS_SAN_DNSNAME, name.constData(),
                                             static_cast<unsigned>(name.size()), GNUTLS_FSAN_APPEND) >= 0 &&
        gnutls_x509_crt_set_subject_alt_name(cert.get(), GNUTLS_SAN_DNSNAME, "localhost", 9, GNUTLS_FSAN_APPEND) >=
            0 &&
        gnutls_x509_crt_set_basic_constraints(cert.get(), 0, -1) >= 0 &&
        gnutls_x509_crt_set_key_usage(cert.get(), GNUTLS_KEY_DIGITAL_SIGNATURE) >= 0 &&
        gnutls_x509_crt_set_key_purpose_oid(cert.get(), GNUTLS_KP_TLS_WWW_SERVER, 0) >= 0 &&
        gnutls_x509_crt_set_key(cert.get(), key.get()) >= 0;
    if (!written) {
        *why = QStringLiteral("the certificate could not be made");
        return false;
    }
    rc = gnutls_x509_crt_sign2(cert.get(), cert.get(), key.get(), GNUTLS_DIG_SHA256, 0);
    if (rc < 0) {
        *why = QStringLiteral("the certificate could not be signed: %1").arg(gnutlsText(rc));
        return false;
    }
    gnutls_datum_t out{};
    if (gnutls_x509_crt_export2(cert.get(), GNUTLS_X509_FMT_PEM, &out) >= 0) {
        *certificatePem = taken(out);
    }
    out = {};
    if (gnutls_x509_privkey_export2(key.get(), GNUTLS_X509_FMT_PEM, &out) >= 0) {
        *keyPem = taken(out);
    }
    if (certificatePem->isEmpty() || keyPem->isEmpty()) {
        *why = QStringLiteral("the certificate could not be written out");
        return false;
    }
    return true;
}

// Whether the key signs for the certificate: both load, and their public keys are one.
bool pairs(const QByteArray& certificatePem, const QByteArray& keyPem) {
    gnutls_certificate_credentials_t credentials = nullptr;
    if (gnutls_certificate_allocate_credentials(&credentials) < 0) {
        return false;
    }
    const gnutls_datum_t c = datum(certificatePem);
    const gnutls_datum_t k = datum(keyPem);
    const int rc = gnutls_certificate_set_x509_key_mem(credentials, &c, &k, GNUTLS_X509_FMT_PEM);
    gnutls_certificate_free_credentials(credentials);
    return rc >= 0;
}

}  // namespace

QString fingerprintOf(const QByteArray& pem) {
    const Cert cert = importCertificate(pem);
    if (!cert) {
        return {};
    }
    unsigned char digest[32];
    size_t size = sizeof digest;
    if (gnutls_x509_crt_get_fingerprint(cert.get(), GNUTLS_DIG_SHA256, digest, &size) < 0 || size != sizeof digest) {
        return {};
    }
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(digest), sizeof digest).toHex(':').toUpper());
}

Certificate certificateOf(const QString& dataFolder, const QString& hostName) {
    Certificate result;
    const QString certPath = QDir(dataFolder).filePath(QLatin1String(kCertificateFile));
    const QString keyPath = QDir(dataFolder).filePath(QLatin1String(kKeyFile));
    const bool haveCert = QFileInfo::exists(certPath);
    const bool haveKey = QFileInfo::exists(keyPath);
    if (haveCert != haveKey) {
        result.problem = QStringLiteral("%1 is there without %2: put both there, or neither for the program to "
                                        "make its own")
                             .arg(haveCert ? certPath : keyPath, haveCert ? keyPath : certPath);
        return result;
    }
    if (!haveCert) {
        QString why;
        if (!make(hostName, &result.certificatePem, &result.keyPem, &why)) {
            result.problem = why;
            return result;
        }
        // The key first: a certificate on the disk without its key would be refused next time.
        if (!replaceWholeFile(keyPath, result.keyPem, &why, FileAccess::OwnerOnly) ||
            !replaceWholeFile(certPath, result.certificatePem, &why, FileAccess::OwnerOnly)) {
            result.problem = QStringLiteral("the staff page's certificate could not be kept: %1").arg(why);
            return result;
        }
        result.made = true;
    } else {
        QString why;
        const auto cert = readWholeFile(certPath, kLargestPem, &why);
        const auto key = cert ? readWholeFile(keyPath, kLargestPem, &why) : std::nullopt;
        if (!cert || !key) {
            result.problem = unreadFileText(cert ? keyPath : certPath, why);
            return result;
        }
        if (!pairs(*cert, *key)) {
            result.problem = QStringLiteral("%1 and %2 are not a certificate and its key in PEM form").arg(certPath, keyPath);
            return result;
        }
        result.certificatePem = *cert;
        result.keyPem = *key;
    }
    result.fingerprint = fingerprintOf(result.certificatePem);
    if (result.fingerprint.isEmpty()) {
        result.problem = QStringLiteral("%1 holds no certificate that can be read").arg(certPath);
    }
    return result;
}

}  // namespace corvalin::web
