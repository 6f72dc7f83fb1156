// Bell PCs following a set-up published on a local web server, signed by its publisher: a copy
// with no window takes it at start and rings its bells; a new version published between two
// bells is applied without losing or doubling either; a set-up signed with another key, a web page,
// an older version served again (validly signed) and an unchanged set-up (a 304) leave the last
// good one ringing; a window copy takes it too and locks nothing it should not; the command line
// follows and stops following.
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "copyscene.h"
#include "core/follow/setupsignature.h"
#include "programcopy.h"
#include "core/schedule/setuparchive.h"
#include "sound/pulsetools.h"

using namespace scene;

namespace {

// The publisher's side: a set-up of its own, exported and signed into the served folder.
class Publisher {
public:
    Publisher() : m_key(corvalin::follow::makeKeyPair()) {
        QDir(m_own.path()).mkpath("data");
        QDir(m_own.path()).mkpath("sound");
        QDir(m_served.path()).mkpath(".");
    }
    bool ready() const { return m_own.isValid() && m_served.isValid(); }
    QString publicKey() const { return m_key.publicKey; }
    QString served() const { return m_served.path(); }
    QString own() const { return m_own.path(); }

    // Publishes a set-up ringing `weekList` ("Manual input", "Apply week", the bell sink, "Auto
    // execution" on), signed with `key` (the publisher's own when none); its SHA-256.
    QString publish(const QByteArray& weekList, const QByteArray& secretFile = {}) const {
        const QByteArray card = ' ' + QByteArray::number(pulsetools::sinkPosition("bell_out")) + " \r\n";
        if (!writeWholeFile(m_own.path() + "/data/data.ini", " 1 \r\n 0 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n") ||
            !writeWholeFile(m_own.path() + "/data/mdata.ini", weekList) ||
            !writeWholeFile(m_own.path() + "/data/snd.ini", card)) {
            return {};
        }
        const QString zip = m_served.path() + "/setup.zip";
        QFile::remove(zip);
        if (!corvalin::setup::exportSetup(m_own.path(), zip).isEmpty()) {
            return {};
        }
        QFile file(zip);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        const QByteArray bytes = file.readAll();
        const QByteArray signature =
            corvalin::follow::signatureFile(bytes, secretFile.isEmpty() ? m_key.secretFile : secretFile);
        if (signature.isEmpty() || !writeWholeFile(zip + ".sig", signature)) {
            return {};
        }
        return corvalin::follow::sha256Hex(bytes);
    }

    // The two files served as they are, to serve them again later byte for byte.
    QPair<QByteArray, QByteArray> servedFiles() const {
        QFile zip(m_served.path() + "/setup.zip");
        QFile signature(m_served.path() + "/setup.zip.sig");
        return zip.open(QIODevice::ReadOnly) && signature.open(QIODevice::ReadOnly)
                   ? qMakePair(zip.readAll(), signature.readAll())
                   : QPair<QByteArray, QByteArray>();
    }
    bool serve(const QPair<QByteArray, QByteArray>& files) const {
        return !files.first.isEmpty() && writeWholeFile(m_served.path() + "/setup.zip", files.first) &&
               writeWholeFile(m_served.path() + "/setup.zip.sig", files.second);
    }

private:
    QTemporaryDir m_own;
    QTemporaryDir m_served;
    corvalin::follow::KeyPair m_key;
};

}  // namespace

class TestFollow : public QObject {
    Q_OBJECT
    OwnBus m_bus;
    QProcessEnvironment m_env;
    Publisher m_publisher;
    QProcess m_server;
    QString m_address;

    QJsonObject status(const Scene& scene) const {
        const Said said = run(scene.folder + "/Corvalin", {"--status", "--json"}, scene.env);
        return QJsonDocument::fromJson(said.out.toUtf8()).object();
    }
    Said refresh() const {
        return run("gdbus", {"call", "--address", m_bus.address(), "--dest", "org.corvalin.Corvalin1", "--object-path",
                             "/org/corvalin/Corvalin", "--method", "org.corvalin.Corvalin1.RefreshSetup"},
                   m_env);
    }
    QStringList requests() const {
        QFile log(m_publisher.served() + "/requests.log");
        return log.open(QIODevice::ReadOnly) ? QString::fromLatin1(log.readAll()).split('\n', Qt::SkipEmptyParts)
                                             : QStringList();
    }
    // A scene whose copies follow the published set-up once started (written with no copy running).
    bool follows(Scene& scene) const {
        const Said said = run(scene.folder + "/Corvalin", {"--follow", m_address, "--key", m_publisher.publicKey()}, scene.env);
        return said.code == 0 && said.out.contains("the next one to start follows the set-up published at " + m_address);
    }

private Q_SLOTS:
    void initTestCase() {
        REQUIRE_TEST_SERVER();
        if (fakeTimeLibrary().isEmpty()) {
            QSKIP("faketime is not installed");
        }
        // The test's own network namespace starts with its loopback down.
        QProcess::execute("ip", {"link", "set", "lo", "up"});
        QVERIFY(!m_bus.start().isEmpty());
        QVERIFY(m_publisher.ready());
        QVERIFY(pulsetools::writeTone(m_publisher.own() + "/sound/0-tone.wav", 0.5, 880.0));
        QVERIFY(pulsetools::writeTone(m_publisher.own() + "/sound/1-tone.wav", 0.5, 440.0));
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_server.start("/usr/bin/python3", {QStringLiteral(SETUP_SERVER), m_publisher.served()});
        QVERIFY2(m_server.waitForReadyRead(10000), "the test web server did not start");
        m_address = QStringLiteral("http://127.0.0.1:%1/setup.zip").arg(QString::fromLatin1(m_server.readLine()).trimmed());
        m_env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            m_env.remove(QString::fromLatin1(name));
        }
        m_env.insert("DBUS_SESSION_BUS_ADDRESS", m_bus.address());
    }

    void cleanupTestCase() {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }

    // The PC's own set-up rings at 11:01; the published one at 11:00 and 11:02, then, published at
    // 11:00:05, at 11:00 and 11:01 with another sound.
    void aNewVersionBetweenTwoBellsLosesAndDoublesNone() {
        const QString v1 = m_publisher.publish("11hr 00min/0-tone.wav\r\n11hr 02min/0-tone.wav\r\n");
        QVERIFY(!v1.isEmpty());
        const auto v1Files = m_publisher.servedFiles();
        Scene scene(m_env, "11hr 01min/0-tone.wav\r\n", 12, 0.5);
        QVERIFY(follows(scene));
        QVERIFY(scene.ready());
        auto headless = scene.headless();
        QVERIFY(headless->waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(status(scene).value("followed_version").toString(), v1, budget(10000));
        QCOMPARE(status(scene).value("followed").toString(), m_address);

        QTest::qWait(int(scene.clock.msUntilEleven(5000)));
        const QString v2 = m_publisher.publish("11hr 00min/0-tone.wav\r\n11hr 01min/1-tone.wav\r\n");
        QVERIFY(!v2.isEmpty());
        const auto v2Files = m_publisher.servedFiles();
        QCOMPARE(refresh().code, 0);
        QTRY_COMPARE_WITH_TIMEOUT(status(scene).value("followed_version").toString(), v2, budget(10000));

        // Signed with another key: refused, v2 rings on, and the warning says why.
        const QString v3 = m_publisher.publish("11hr 05min/0-tone.wav\r\n", corvalin::follow::makeKeyPair().secretFile);
        QVERIFY(!v3.isEmpty());
        QCOMPARE(refresh().code, 0);
        QTRY_VERIFY_WITH_TIMEOUT(status(scene).value("problems").toVariant().toStringList().join('\n').contains(
                                     "the signature does not match"),
                                 budget(10000));
        // A web page where the set-up should be.
        QVERIFY(writeWholeFile(m_publisher.served() + "/answer", "html"));
        QCOMPARE(refresh().code, 0);
        QTRY_VERIFY_WITH_TIMEOUT(status(scene).value("problems").toVariant().toStringList().join('\n').contains(
                                     "is a web page"),
                                 budget(10000));
        QFile::remove(m_publisher.served() + "/answer");
        // v1 served again in its place, signed as it was (a stale mirror): it waits for the 11:01
        // bell, and is then refused as older than v2; v2 rings on, and the warning names both.
        QVERIFY(m_publisher.serve(v1Files));
        QCOMPARE(refresh().code, 0);
        QTest::qWait(int(scene.clock.msUntilEleven(60000 + 2500)));
        const auto problems = [&] {
            return status(scene).value("problems").toVariant().toStringList().join('\n');
        };
        QTRY_VERIFY_WITH_TIMEOUT(problems().contains("(SHA-256 " + v1.left(16)), budget(15000));
        QVERIFY2(problems().contains(" is older than the one in use (SHA-256 " + v2.left(16)),
                 qPrintable(problems()));
        QCOMPARE(status(scene).value("followed_version").toString(), v2);
        // v2 again, the very files: applied again (as it was), which ends the refusal; then
        // unchanged, a 304.
        QVERIFY(m_publisher.serve(v2Files));
        QCOMPARE(refresh().code, 0);
        QTRY_VERIFY_WITH_TIMEOUT(!problems().contains("set-up from"), budget(10000));
        QCOMPARE(status(scene).value("followed_version").toString(), v2);
        QCOMPARE(refresh().code, 0);
        QTRY_VERIFY_WITH_TIMEOUT(requests().last().endsWith(" 304"), budget(10000));
        QVERIFY2(requests().last().contains(v2), qPrintable(requests().join('\n')));

        const Said said = run(scene.folder + "/Corvalin", {"--status"}, scene.env);
        QVERIFY2(said.out.contains("Set-up: managed from " + m_address) &&
                     said.out.contains("version in use: SHA-256 " + v2),
                 qPrintable(shown(said)));

        headless->terminate();
        QVERIFY(headless->waitForFinished(5000));
        const QByteArray log = ringLog(scene.folder);
        QCOMPARE(scheduledBells(log), (QMap<QString, int>{{"11:00", 1}, {"11:01", 1}}));
        QVERIFY2(log.contains(" scheduled 11:01 1-tone.wav"), log.constData());
        QVERIFY2(linesSaying(log, "was applied") == 3, log.constData());
        QVERIFY2(linesSaying(log, "is older than the one in use") == 1, log.constData());
        QCOMPARE(scene.bursts(), 2);
    }

    // A window copy takes the published set-up at start and rings by it; --unfollow keeps it.
    void aWindowCopyFollowsToo() {
        const QString v1 = m_publisher.publish("11hr 00min/0-tone.wav\r\n");
        QVERIFY(!v1.isEmpty());
        Scene scene(m_env, "11hr 30min/0-tone.wav\r\n", 20, 0.5);
        // "Auto execution" on: the bells run when the set-up comes, and run on with it.
        QFile data(scene.folder + "/data/data.ini");
        QVERIFY(data.open(QIODevice::ReadWrite));
        QByteArray options = data.readAll();
        options[1] = '1';
        data.seek(0);
        data.write(options);
        data.close();
        QVERIFY(follows(scene));
        QVERIFY(scene.ready(false));
        auto window = scene.window();
        QVERIFY(window->waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(status(scene).value("followed_version").toString(), v1, budget(15000));
        QTRY_VERIFY_WITH_TIMEOUT(status(scene).value("running").toBool(), budget(5000));
        QCOMPARE(status(scene).value("next_bell").toString(), QStringLiteral("11:00"));
        const Said said = run(scene.folder + "/Corvalin", {"--unfollow"}, scene.env);
        QVERIFY2(said.code == 0 && said.out.contains("no longer follows " + m_address), qPrintable(shown(said)));
        QCOMPARE(status(scene).value("followed").toString(), QString());
        QCOMPARE(status(scene).value("next_bell").toString(), QStringLiteral("11:00"));
        window->terminate();
        QVERIFY(window->waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(TestFollow)
#include "test_follow.moc"
