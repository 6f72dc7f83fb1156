// Signed set-ups: a signature verifies only for the bytes it was made of and the key pair that made
// it; a damaged, cut or foreign signature file, a malformed public key and a damaged secret key file
// are each refused with their reason.
#include <QtTest>

#include "core/follow/setupsignature.h"

namespace follow = corvalin::follow;

namespace {

const QString kMismatch = QStringLiteral("the signature does not match the set-up and the publisher's key");
const QString kNotSignature = QStringLiteral("the signature file is not a Corvalin signature");
const QString kNotPublicKey = QStringLiteral("the public key is not a Corvalin public key");

// A set-up's bytes: binary, with zero bytes, as a zip file has.
QByteArray setupBytes() {
    QByteArray bytes("PK\x03\x04", 4);
    for (int i = 0; i < 5000; ++i) {
        bytes += static_cast<char>((i * 37) % 256);
    }
    return bytes;
}

// `file` (a prefix and base64) with one bit of its decoded bytes changed, written back in form.
QByteArray withBitFlipped(const QByteArray& file, int byte) {
    const qsizetype colon = file.indexOf(':') + 1;
    QByteArray raw = QByteArray::fromBase64(file.mid(colon).trimmed());
    raw[byte] = static_cast<char>(raw[byte] ^ 0x01);
    return file.left(colon) + raw.toBase64() + (file.endsWith('\n') ? "\n" : "");
}

}  // namespace

class TestSetupSignature : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verifiesOnlyTheSignedBytesWithTheSigningKey() {
        const follow::KeyPair publisher = follow::makeKeyPair();
        const follow::KeyPair other = follow::makeKeyPair();
        QVERIFY(publisher.publicKey.startsWith("corvalin-ed25519:"));
        QVERIFY(publisher.secretFile.startsWith("corvalin-ed25519-secret:") &&
                publisher.secretFile.endsWith('\n'));
        QVERIFY(publisher.publicKey != other.publicKey);

        const QByteArray data = setupBytes();
        QString why;
        const QByteArray signature = follow::signatureFile(data, publisher.secretFile, &why);
        QVERIFY2(signature.startsWith("corvalin-ed25519-signature:") && signature.endsWith('\n'),
                 qPrintable(why));
        QCOMPARE(signature.count('\n'), 1);

        QCOMPARE(follow::verify(data, signature, publisher.publicKey), QString());
        // As a follower is given it: pasted with white space around it; and a file without its newline.
        QCOMPARE(follow::verify(data, signature, "  " + publisher.publicKey + "\n"), QString());
        QCOMPARE(follow::verify(data, signature.chopped(1), publisher.publicKey), QString());

        QCOMPARE(follow::verify(data, signature, other.publicKey), kMismatch);
        QCOMPARE(follow::verify(data, follow::signatureFile(data, other.secretFile), publisher.publicKey),
                 kMismatch);
        for (const qsizetype at : {qsizetype(0), qsizetype(3), data.size() / 2, data.size() - 1}) {
            QByteArray changed = data;
            changed[at] = static_cast<char>(changed[at] ^ 0x01);
            QCOMPARE(follow::verify(changed, signature, publisher.publicKey), kMismatch);
        }
        QCOMPARE(follow::verify(data + '\0', signature, publisher.publicKey), kMismatch);
        QCOMPARE(follow::verify(data.chopped(1), signature, publisher.publicKey), kMismatch);
        for (const int at : {0, 31, 32, 63}) {
            QCOMPARE(follow::verify(data, withBitFlipped(signature, at), publisher.publicKey), kMismatch);
        }
        QCOMPARE(follow::verify(data, signature,
                                QString::fromLatin1(withBitFlipped(publisher.publicKey.toLatin1(), 5))),
                 kMismatch);

        // A secret key file whose public half was damaged, or taken from another pair, would sign
        // what no follower can verify: it is refused before it signs.
        const QByteArray halves = publisher.secretFile.left(24 + 44) + other.secretFile.mid(24 + 44);
        for (const QByteArray& damaged :
             {withBitFlipped(publisher.secretFile, 40), withBitFlipped(publisher.secretFile, 3), halves,
              publisher.secretFile.left(60) + "\n", publisher.publicKey.toLatin1() + "\n",
              publisher.secretFile + "\n"}) {
            why.clear();
            QCOMPARE(follow::signatureFile(data, damaged, &why), QByteArray());
            QCOMPARE(why, QStringLiteral("the key file is not a Corvalin secret key"));
        }
    }

    void malformedFormsGiveTheirReasons() {
        const follow::KeyPair publisher = follow::makeKeyPair();
        const QByteArray data = setupBytes();
        const QByteArray signature = follow::signatureFile(data, publisher.secretFile);
        QVERIFY(!signature.isEmpty());

        const QList<QByteArray> notSignatures = {
            QByteArray(),
            signature.left(signature.size() / 2),  // cut short in a download
            signature.left(signature.size() - 4) + "\n",
            signature.chopped(1) + "\r\n",  // one line, exactly
            signature + "corvalin-ed25519-signature:\n",
            " " + signature,
            signature.chopped(1) + "=\n",
            "corvalin-ed25519-signature:" + QByteArray(88, '*') + "\n",
            publisher.secretFile,  // the wrong file beside the set-up
            publisher.publicKey.toLatin1() + "\n",
            "untrusted comment: signature from minisign secret key\n"
            "RWQf6LRCGA9i53mlYecO4IzT51TGPpvWucNSCh1CBM0QTaLn73Y7GFO3Rtb5Nw2JkfKjP6XPF3sfsvvUQ0H9jNAN3DzF5EGR"
            "mw4=\n",
            "-----BEGIN PGP SIGNATURE-----\n\niHUEABYKAB0WIQ==\n-----END PGP SIGNATURE-----\n",
        };
        for (const QByteArray& file : notSignatures) {
            QVERIFY2(follow::verify(data, file, publisher.publicKey) == kNotSignature, file.constData());
        }

        const QString key = publisher.publicKey;
        const QStringList notKeys = {
            QString(),
            key.left(key.size() - 1),
            key + "AAAA",
            key.mid(QStringLiteral("corvalin-ed25519:").size()),  // the base64 alone
            QStringLiteral("ed25519:") + key.mid(QStringLiteral("corvalin-ed25519:").size()),
            key.left(30) + "\n" + key.mid(30),
            key.left(30) + QChar(0x00e9) + key.mid(31),
            QString::fromLatin1(publisher.secretFile),
            QString::fromLatin1(signature),
        };
        for (const QString& text : notKeys) {
            QVERIFY2(follow::verify(data, signature, text) == kNotPublicKey, qPrintable(text));
        }
    }
};

QTEST_GUILESS_MAIN(TestSetupSignature)
#include "test_setupsignature.moc"
