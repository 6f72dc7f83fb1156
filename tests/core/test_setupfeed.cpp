// The followed set-up against a server run by this test on 127.0.0.1, the feed on the web fetcher's
// worker as in the program: a signed set-up arrives once, with its SHA-256; the next fetch sends its
// validator, and a 304 announces nothing and fetches no signature; a changed set-up arrives again.
// A forged signature, a server error, a web page, a missing or oversized signature, a set-up over
// the bound, a redirect to another host in the clear, a redirect loop and a server that answers
// nothing are each a problem that says why and how old the set-up in use is, and leave the kept
// files as they were; a good fetch after them (sent on twice by the server) ends the problem.
#include <QCryptographicHash>
#include <QDir>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "core/base/webfetcher.h"
#include "core/follow/setupfeed.h"
#include "programfolder.h"
#include "core/schedule/setuparchive.h"

namespace {

const QString kKey = QStringLiteral("district-key");

QByteArray sha256(const QByteArray& data) {
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

QByteArray goodSignature(const QByteArray& data) {
    return "good" + sha256(data);
}

// Stands in for the real signature check: holds for the district's key and "good" + the SHA-256.
QString fakeVerifier(const QByteArray& data, const QByteArray& signature, const QString& publicKey) {
    return publicKey == kKey && signature == goodSignature(data)
               ? QString()
               : QStringLiteral("the signature does not match");
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A set-up exported from a program folder whose time list is `times`.
QByteArray exportedSetup(const QByteArray& times) {
    ProgramFolder folder;
    folder.writeData(QStringLiteral("data.ini"), " 0 \r\n 2 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
    folder.writeData(QStringLiteral("mdata.ini"), times);
    folder.addSound(QStringLiteral("own.wav"), 0.3);
    const QString file = folder.path() + QStringLiteral("/export.zip");
    if (!corvalin::setup::exportSetup(ProgramPaths(folder.path()), file).isEmpty()) {
        return QByteArray();
    }
    return fileBytes(file);
}

// The district's web server: the set-up at /district/setup.zip (304 when the client's ETag
// matches), its signature beside it, and whatever other answer a test asks for.
class SetupServer : public QObject {
public:
    enum class Setup {
        Served,
        ServerError,
        WebPage,
        TooLarge,
        RedirectAway,
        RedirectLoop,
        Silent,
        TwoRedirects
    };
    enum class Signature { Good, Forged, Missing, TooLarge };
    QByteArray zip;
    QByteArray etag;
    Setup setup = Setup::Served;
    Signature signature = Signature::Good;
    QList<QByteArray> setupRequests;  // each request's head, in order
    int signatureRequests = 0;

    SetupServer() {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    QString address() const {
        return QStringLiteral("http://127.0.0.1:%1/district/setup.zip").arg(m_server.serverPort());
    }

private:
    static void send(QTcpSocket* socket, const QByteArray& status, const QByteArray& headers,
                     const QByteArray& body) {
        socket->write("HTTP/1.1 " + status + "\r\n" + headers + "Content-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    void answer(QTcpSocket* socket) {
        const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
        socket->setProperty("request", request);
        if (!request.contains("\r\n\r\n")) {
            return;
        }
        QByteArray path = request.split(' ').value(1);
        // Sent on twice before it is served.
        if (setup == Setup::TwoRedirects &&
            (path == "/district/setup.zip" || path == "/district/setup.zip?hop=1")) {
            send(socket, "302 Found",
                 "Location: /district/setup.zip?hop=" + QByteArray(path.endsWith("1") ? "2" : "1") + "\r\n",
                 QByteArray());
            return;
        }
        if (path == "/district/setup.zip?hop=2") {
            path = "/district/setup.zip";
        }
        if (path == "/district/setup.zip.sig") {
            ++signatureRequests;
            answerSignature(socket);
            return;
        }
        if (path != "/district/setup.zip") {
            // Where a redirect sends it: another set-up, signed, which is never to be taken.
            send(socket, "200 OK", "Content-Type: application/zip\r\n", exportedSetup("07:00 own.wav\r\n"));
            return;
        }
        setupRequests << request.left(request.indexOf("\r\n\r\n"));
        if (setup == Setup::Served && !etag.isEmpty() &&
            request.contains("If-None-Match: " + etag + "\r\n")) {
            send(socket, "304 Not Modified", "ETag: " + etag + "\r\n", QByteArray());
            return;
        }
        switch (setup) {
            case Setup::Served:
            case Setup::TwoRedirects:
                send(socket, "200 OK", "Content-Type: application/zip\r\nETag: " + etag + "\r\n", zip);
                break;
            case Setup::ServerError:
                send(socket, "500 Internal Server Error", "Content-Type: text/html\r\n",
                     "<html>Broken</html>");
                break;
            case Setup::WebPage:
                // A network's log-in page in place of the file, not even labelled as a page.
                send(socket, "200 OK", "Content-Type: application/octet-stream\r\n",
                     "\r\n<!DOCTYPE html><html><body>Log in to use the network</body></html>");
                break;
            case Setup::TooLarge:
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/zip\r\nContent-Length: " +
                              QByteArray::number(corvalin::setup::kMaxZip + 1) + "\r\n\r\n" + zip);
                break;
            case Setup::RedirectAway:
                send(socket, "302 Found",
                     "Location: http://localhost:" + QByteArray::number(m_server.serverPort()) +
                         "/elsewhere.zip\r\n",
                     QByteArray());
                break;
            case Setup::RedirectLoop:
                send(socket, "302 Found", "Location: /district/setup.zip\r\n", QByteArray());
                break;
            case Setup::Silent:
                break;
        }
    }

    void answerSignature(QTcpSocket* socket) {
        switch (signature) {
            case Signature::Good:
                send(socket, "200 OK", "Content-Type: application/octet-stream\r\n", goodSignature(zip));
                break;
            case Signature::Forged:
                send(socket, "200 OK", "Content-Type: application/octet-stream\r\n",
                     "good" + QByteArray(64, '0'));
                break;
            case Signature::Missing:
                send(socket, "404 Not Found", "Content-Type: text/plain\r\n", "Not Found");
                break;
            case Signature::TooLarge:
                // Its length untold: the connection's end is the body's.
                socket->write(
                    "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n" +
                    QByteArray(5000, 's'));
                socket->disconnectFromHost();
                break;
        }
    }

    QTcpServer m_server;
};

// What the feed says, heard on the test's thread.
struct Heard : QObject {
    QList<QPair<QString, QString>> arrived;  // path, sha256
    QList<QPair<QString, QString>> problems;
    QList<QPair<QString, QString>> ended;
    int checked = 0;
};

}  // namespace

class TestSetupFeed : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void followedSetupKeptOnlyWhenGood() {
        QTemporaryDir dir;
        const QString data = dir.path() + QStringLiteral("/data");
        const QByteArray first = exportedSetup("08:30 own.wav\r\n");
        const QByteArray second = exportedSetup("08:30 own.wav\r\n12:00 own.wav\r\n");
        const QByteArray third = exportedSetup("09:00 own.wav\r\n");
        QVERIFY(!first.isEmpty() && first != second && !third.isEmpty());

        SetupServer server;
        server.zip = first;
        server.etag = "\"v1\"";

        const auto fetcher = WebFetcher::shared();
        auto* feed = new SetupFeed(data, fetcher.get());
        feed->setVerifier(fakeVerifier);
        feed->setLongestFetch(4000);
        fetcher->adopt(feed);
        Heard heard;
        connect(feed, &SetupFeed::arrived, &heard, [&heard](const QString& path, const QString& sha) {
            heard.arrived.append({path, sha});
        });
        connect(feed, &SetupFeed::problem, &heard, [&heard](const QString& topic, const QString& text) {
            heard.problems.append({topic, text});
        });
        connect(feed, &SetupFeed::problemEnded, &heard, [&heard](const QString& topic, const QString& text) {
            heard.ended.append({topic, text});
        });
        connect(feed, &SetupFeed::checked, &heard, [&heard] { ++heard.checked; });
        const auto ending = qScopeGuard([feed] { feed->deleteLater(); });
        auto onFeed = [feed](auto call) {
            QMetaObject::invokeMethod(feed, call, Qt::BlockingQueuedConnection);
        };
        const QString zipPath = data + QStringLiteral("/follow/setup.zip");
        const QString sigPath = zipPath + QStringLiteral(".sig");

        QString refusal;
        onFeed([&] { refusal = feed->follow(QStringLiteral("ftp://127.0.0.1/setup.zip"), kKey); });
        QVERIFY(!refusal.isEmpty());
        onFeed([&] {
            refusal = feed->follow(server.address(), kKey);
            feed->start();
        });
        QCOMPARE(refusal, QString());
        QTRY_COMPARE_WITH_TIMEOUT(heard.arrived.size(), 1, 20000);
        QCOMPARE(heard.arrived.at(0), qMakePair(zipPath, QString::fromLatin1(sha256(first))));
        QCOMPARE(fileBytes(zipPath), first);
        QCOMPARE(fileBytes(sigPath), goodSignature(first));
        QCOMPARE(server.signatureRequests, 1);
        QVERIFY(!server.setupRequests.at(0).contains("If-None-Match"));
        onFeed([&] { feed->applied(QString::fromLatin1(sha256(first))); });

        // Unchanged: asked with its validator, answered 304; nothing announced, no signature fetched.
        const int checked = heard.checked;
        onFeed([&] { feed->refresh(); });
        QTRY_COMPARE_WITH_TIMEOUT(heard.checked, checked + 1, 20000);
        QCOMPARE(server.setupRequests.size(), 2);
        QVERIFY(server.setupRequests.at(1).contains("\r\nIf-None-Match: \"v1\""));
        QCOMPARE(server.signatureRequests, 1);
        QCOMPARE(heard.arrived.size(), 1);

        server.zip = second;
        server.etag = "\"v2\"";
        onFeed([&] { feed->refresh(); });
        QTRY_COMPARE_WITH_TIMEOUT(heard.arrived.size(), 2, 20000);
        QCOMPARE(heard.arrived.at(1).second, QString::fromLatin1(sha256(second)));
        QCOMPARE(fileBytes(zipPath), second);
        onFeed([&] { feed->applied(QString::fromLatin1(sha256(second))); });

        // Each failure on a third set-up: the second stays kept, byte for byte, and in use.
        server.zip = third;
        server.etag = "\"v3\"";
        using S = SetupServer;
        const QList<std::tuple<S::Setup, S::Signature, QString>> failures{
            {S::Setup::Served, S::Signature::Forged, "the signature does not match"},
            {S::Setup::ServerError, S::Signature::Good, "the server answered 500 Internal Server Error"},
            {S::Setup::WebPage, S::Signature::Good, "it is a web page"},
            {S::Setup::Served, S::Signature::Missing, "there is no signature beside it"},
            {S::Setup::Served, S::Signature::TooLarge, "its signature is larger than 4 KB"},
            {S::Setup::TooLarge, S::Signature::Good, "it is larger than 65 MB"},
            {S::Setup::RedirectAway, S::Signature::Good, "the server sent it on to http://localhost:"},
            {S::Setup::RedirectLoop, S::Signature::Good,
             "the server sent it on more than 10 times (a redirect loop)"},
            {S::Setup::Silent, S::Signature::Good, "the server had not sent it after 4 seconds"},
        };
        const QString topic = QStringLiteral("set-up ") + server.address();
        for (const auto& [answer, signature, reason] : failures) {
            server.setup = answer;
            server.signature = signature;
            const qsizetype told = heard.problems.size();
            onFeed([&] { feed->refresh(); });
            QTRY_COMPARE_WITH_TIMEOUT(heard.problems.size(), told + 1, 20000);
            QCOMPARE(heard.problems.last().first, topic);
            const QString said = heard.problems.last().second;
            QVERIFY2(
                said.startsWith("the set-up from " + server.address() + " could not be used: " + reason) &&
                    said.contains("; the set-up in use is the one of ") &&
                    said.endsWith(" (less than an hour old)"),
                qPrintable(said));
            QCOMPARE(heard.arrived.size(), 2);
            QCOMPARE(fileBytes(zipPath), second);
            QCOMPARE(fileBytes(sigPath), goodSignature(second));
        }
        QVERIFY(heard.ended.isEmpty());

        // Sent on twice, as a server moved to https and to another path would.
        server.setup = S::Setup::TwoRedirects;
        server.signature = S::Signature::Good;
        onFeed([&] { feed->refresh(); });
        QTRY_COMPARE_WITH_TIMEOUT(heard.arrived.size(), 3, 20000);
        QCOMPARE(heard.arrived.last().second, QString::fromLatin1(sha256(third)));
        QCOMPARE(fileBytes(zipPath), third);
        QCOMPARE(heard.ended.size(), 1);
        QCOMPARE(heard.ended.at(0).first, topic);
        // Nothing that arrived half, or was refused, is left beside the kept files.
        QCOMPARE(QDir(data + QStringLiteral("/follow")).entryList(QDir::Files),
                 QStringList({"setup.zip", "setup.zip.sig", "state.ini"}));
        // Ended as its follower ends it: cut from this thread, then deleted on the worker.
        QObject::disconnect(feed, nullptr, &heard, nullptr);
        feed->deleteLater();
    }
};

QTEST_GUILESS_MAIN(TestSetupFeed)
#include "test_setupfeed.moc"
