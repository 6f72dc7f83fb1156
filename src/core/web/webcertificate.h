// The staff web page's certificate and key: data/web-cert.pem and data/web-key.pem. A school may
// put its own there; when neither is there the program makes its own, self-signed, at first use.
// Staff check the SHA-256 fingerprint their browser shows against the one the program shows.
#pragma once

#include <QByteArray>
#include <QString>

namespace corvalin::web {

struct Certificate {
    QByteArray certificatePem;  // the chain, the server's own first
    QByteArray keyPem;
    QString fingerprint;        // SHA-256 of the server's certificate, "AB:CD:..."
    QString problem;            // why there is none; empty when there is one
    bool made = false;          // made now, not found
};

inline constexpr const char* kCertificateFile = "web-cert.pem";
inline constexpr const char* kKeyFile = "web-key.pem";

// The certificate of the data folder, made when there is neither file. One file without the other,
// or a pair that does not go together or cannot be read, is a problem, never written over.
Certificate certificateOf(const QString& dataFolder, const QString& hostName);

// The SHA-256 fingerprint of the first certificate in `pem`; empty when it holds none.
QString fingerprintOf(const QByteArray& pem);

}  // namespace corvalin::web
