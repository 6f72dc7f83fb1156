// The staff web page of the real program, a copy with no window, on loopback in the test's own
// network namespace: accounts and the switch set with the command line before any copy runs; a
// log-in, an alarm raised through the page heard on the bell sink within a second and stopped, and
// the ring log naming who and from where; a change without the page's token, from another site or
// by an alarm account asking for an office command refused with nothing changed; bad input and
// failed log-ins answered as they should; and a bell on time through a flood of requests and
// connections that never finish.
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSslCertificate>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

#include "copyscene.h"
#include "programcopy.h"
#include "sound/pulsetools.h"

using namespace scene;

namespace {

constexpr int kPort = 18443;
const QString kBase = QStringLiteral("https://127.0.0.1:%1").arg(kPort);

struct Answer {
    int status = 0;
    QJsonObject body;
    QByteArray retryAfter;
};

// A browser of one member of staff: its own cookies, and only the certificate whose fingerprint
// the program shows is trusted.
class Staff {
public:
    explicit Staff(QString fingerprint) : m_fingerprint(std::move(fingerprint)) {
        // Loopback needs no proxy; asking the system for one forks a helper inside this process,
        // which ThreadSanitizer does not follow.
        m_net.setProxy(QNetworkProxy::NoProxy);
    }

    Answer call(const QByteArray& verb, const QString& path, const QJsonObject& body = {},
                const QList<std::pair<QByteArray, QByteArray>>& headers = {}) {
        QNetworkRequest request(QUrl(kBase + path));
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
        for (const auto& [name, value] : headers) {
            request.setRawHeader(name, value);
        }
        if (!csrf.isEmpty()) {
            request.setRawHeader("X-CSRF-Token", csrf);
        }
        QNetworkReply* reply = verb == "GET" ? m_net.get(request)
                                             : m_net.sendCustomRequest(request, verb, QJsonDocument(body).toJson());
        QObject::connect(reply, &QNetworkReply::sslErrors, reply, [this, reply](const QList<QSslError>&) {
            if (reply->sslConfiguration().peerCertificate().digest(QCryptographicHash::Sha256).toHex(':').toUpper() ==
                m_fingerprint.toLatin1()) {
                reply->ignoreSslErrors();
            }
        });
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(budget(15000), &loop, &QEventLoop::quit);
        loop.exec();
        Answer answer;
        answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        answer.body = QJsonDocument::fromJson(reply->readAll()).object();
        answer.retryAfter = reply->rawHeader("Retry-After");
        reply->deleteLater();
        return answer;
    }
    Answer logIn(const QString& user, const QString& password) {
        csrf.clear();
        Answer answer = call("POST", "/api/login", {{"user", user}, {"password", password}});
        csrf = answer.body.value("csrf").toString().toLatin1();
        return answer;
    }

    QByteArray csrf;

private:
    QString m_fingerprint;
    QNetworkAccessManager m_net;
};

QString said(const Answer& answer) {
    return QStringLiteral("%1 %2").arg(answer.status).arg(QString::fromUtf8(QJsonDocument(answer.body).toJson()));
}

}  // namespace

class TestStaffPage : public QObject {
    Q_OBJECT
    OwnBus m_bus;
    QProcessEnvironment m_env;

    Said verb(const Scene& scene, const QStringList& args, const QByteArray& input = {}) const {
        QProcess process;
        process.setProcessEnvironment(scene.env);
        process.start(scene.folder + "/Corvalin", args);
        process.write(input);
        process.closeWriteChannel();
        Said said;
        if (process.waitForFinished(budget(30000))) {
            said.code = process.exitCode();
            said.out = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
            said.err = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        }
        return said;
    }
    QJsonObject status(const Scene& scene) const {
        return QJsonDocument::fromJson(verb(scene, {"--status", "--json"}).out.toUtf8()).object();
    }
    // A scene whose copy with no window serves the page, with a teacher (alarm) and an office
    // account made before it started; the page's fingerprint as the copy shows it.
    QString served(Scene& scene, std::unique_ptr<QProcess>& copy) const {
        scene.env.insert("DBUS_SESSION_BUS_ADDRESS", m_address);
        if (verb(scene, {"--staff-add", "teacher"}, "teacher-password\n").code != 0 ||
            verb(scene, {"--staff-add", "office", "--role", "office"}, "office-password\n").code != 0 ||
            verb(scene, {"--web-on", QStringLiteral("127.0.0.1:%1").arg(kPort)}).code != 0) {
            return {};
        }
        copy = scene.headless();
        if (!copy->waitForStarted()) {
            return {};
        }
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < budget(30000)) {
            const QJsonObject s = status(scene);
            if (s.value("web").toString() == kBase + "/") {
                return s.value("web_fingerprint").toString();
            }
            QTest::qWait(200);
        }
        return {};
    }
    QString m_address;

private Q_SLOTS:
    void initTestCase() {
        // The test runs in a network namespace of its own, whose loopback starts down.
        QProcess::execute("ip", {"link", "set", "lo", "up"});
        REQUIRE_TEST_SERVER();
        if (fakeTimeLibrary().isEmpty()) {
            QSKIP("faketime is not installed");
        }
        m_address = m_bus.start();
        QVERIFY2(!m_address.isEmpty(), "dbus-daemon");
        m_env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            m_env.remove(QString::fromLatin1(name));
        }
    }

    void alarmFromThePageAndWhatItRefuses() {
        Scene scene(m_env, "11hr 30min/0-tone.wav\r\n", 300, 0.5);
        QVERIFY(pulsetools::writeTone(scene.folder + "/sound/1-alarm.wav", 1.0, 440.0));
        QVERIFY(writeWholeFile(scene.folder + "/data/alarms.ini", "Lockdown,1-alarm.wav,0\r\n"));
        QVERIFY(scene.ready());
        QElapsedTimer recording;
        recording.start();
        std::unique_ptr<QProcess> copy;
        const QString fingerprint = served(scene, copy);
        QVERIFY2(fingerprint.size() == 95, qPrintable(fingerprint));
        // The accounts are kept as hashes only, in files no one else may read.
        QFile staffFile(scene.folder + "/data/staff");
        QVERIFY(staffFile.open(QIODevice::ReadOnly));
        const QByteArray accounts = staffFile.readAll();
        QVERIFY2(accounts.contains("teacher alarm $argon2id$") && !accounts.contains("teacher-password"), accounts.constData());
        for (const char* file : {"/data/staff", "/data/web-key.pem"}) {
            QCOMPARE(QFile(scene.folder + file).permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
        }
        QTRY_VERIFY_WITH_TIMEOUT(status(scene).value("running").toBool(), budget(30000));

        Staff teacher(fingerprint);
        QCOMPARE(teacher.call("GET", "/api/status").status, 401);
        QCOMPARE(teacher.logIn("teacher", "not-the-password").status, 401);
        Answer answer = teacher.logIn("teacher", "teacher-password");
        QVERIFY2(answer.status == 200 && teacher.csrf.size() == 64, qPrintable(said(answer)));
        // The status is --status --json's, with where the page is served.
        answer = teacher.call("GET", "/api/status");
        QCOMPARE(answer.body.value("web_fingerprint").toString(), fingerprint);
        QCOMPARE(answer.body.value("running").toBool(), true);

        // Refused, and nothing changed: an office command, no token, a wrong token, another site.
        QCOMPARE(teacher.call("POST", "/api/stop").status, 403);
        const QByteArray token = teacher.csrf;
        teacher.csrf.clear();
        QCOMPARE(teacher.call("POST", "/api/alarm", {{"name", "Lockdown"}}).status, 403);
        teacher.csrf = QByteArray(64, 'a');
        QCOMPARE(teacher.call("POST", "/api/alarm", {{"name", "Lockdown"}}).status, 403);
        teacher.csrf = token;
        QCOMPARE(teacher.call("POST", "/api/alarm", {{"name", "Lockdown"}}, {{"Origin", "https://elsewhere.example"}}).status,
                 403);
        QCOMPARE(teacher.call("POST", "/api/alarm", {{"nom", "Lockdown"}}).status, 400);
        QCOMPARE(teacher.call("POST", "/api/alarm", {{"name", QString(20000, 'x')}}).status, 413);
        QCOMPARE(teacher.call("POST", "/api/alarm", {{"name", "Fire drill"}}).status, 409);
        QTest::qWait(1500);
        const QJsonObject unchanged = status(scene);
        QVERIFY(unchanged.value("running").toBool());
        QCOMPARE(unchanged.value("alarm").toString(), QString());

        // The alarm, heard within a second of the answer.
        const double askedAt = double(recording.elapsed()) / 1000.0;
        answer = teacher.call("POST", "/api/alarm", {{"name", "Lockdown"}});
        QVERIFY2(answer.status == 200 && answer.body.value("ok").toBool(), qPrintable(said(answer)));
        QCOMPARE(status(scene).value("alarm").toString(), QStringLiteral("Lockdown"));
        QTest::qWait(2500);
        answer = teacher.call("POST", "/api/alarm-stop");
        QVERIFY2(answer.status == 200, qPrintable(said(answer)));
        QCOMPARE(status(scene).value("alarm").toString(), QString());

        // The office's account makes today's changes; bad input is refused as such.
        Staff office(fingerprint);
        QCOMPARE(office.logIn("office", "office-password").status, 200);
        QCOMPARE(office.call("POST", "/api/today/skip", {{"time", "25:00"}}).status, 400);
        answer = office.call("POST", "/api/today/skip", {{"time", "11:30"}});
        QVERIFY2(answer.status == 200, qPrintable(said(answer)));
        QCOMPARE(status(scene).value("today_changes").toArray().first().toString(), QStringLiteral("11:30 skipped today"));

        // Five failed log-ins from one address (the teacher's one above and four here): the next,
        // even with the right password, waits.
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(Staff(fingerprint).logIn("office", "wrong").status, 401);
        }
        answer = Staff(fingerprint).logIn("office", "office-password");
        QVERIFY2(answer.status == 429 && answer.retryAfter.toInt() > 0, qPrintable(said(answer)));
        // A session made before goes on.
        QCOMPARE(office.call("GET", "/api/status").status, 200);

        // Logged out, the session is gone.
        QCOMPARE(teacher.call("POST", "/api/logout").status, 200);
        QCOMPARE(teacher.call("GET", "/api/status").status, 401);

        copy->terminate();
        QVERIFY(copy->waitForFinished(budget(10000)));
        const QByteArray log = ringLog(scene.folder);
        QVERIFY2(linesSaying(log, "the alarm signal Lockdown started") == 1 &&
                     linesSaying(log, "by teacher from 127.0.0.1 (web page)") == 2 &&
                     linesSaying(log, "the alarm signal Lockdown stopped, by teacher from 127.0.0.1 (web page)") == 1,
                 log.constData());
        QVERIFY2(linesSaying(log, "5 failed log-ins from 127.0.0.1") == 1, log.constData());
        scene.bell->finish();
        const QList<pulsetools::Burst> heard = pulsetools::bursts(scene.dir.path() + "/bell.wav");
        QVERIFY2(!heard.isEmpty(), "the alarm was not heard");
        const double late = heard.first().start - askedAt;
        QVERIFY2(late > -0.2 && late < double(budget(1000)) / 1000.0, qPrintable(QString::number(late)));
    }

    void aBellOnTimeThroughAFlood() {
        Scene scene(m_env, "11hr 00min/0-tone.wav\r\n", 40, 0.5);
        QVERIFY(scene.ready());
        const qint64 elevenInRecording = scene.clock.msUntilEleven();
        std::unique_ptr<QProcess> copy;
        const QString fingerprint = served(scene, copy);
        QVERIFY(!fingerprint.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(status(scene).value("running").toBool(), budget(30000));
        QVERIFY(scene.clock.msUntilEleven() > 8000);

        // Connections that never finish their greeting.
        std::vector<std::unique_ptr<QTcpSocket>> stalled;
        for (int i = 0; i < 12; ++i) {
            auto socket = std::make_unique<QTcpSocket>();
            socket->connectToHost(QHostAddress::LocalHost, kPort);
            socket->write(QByteArray::fromHex("160301"));  // the start of a TLS record, and no more
            stalled.push_back(std::move(socket));
        }
        // Requests as fast as they are answered, logged in and not, until a moment after the bell.
        Staff flooder(fingerprint);
        flooder.logIn("teacher", "teacher-password");
        int answered = 0;
        while (scene.clock.msUntilEleven(3000) > 0) {
            answered += flooder.call("GET", "/api/status").status == 200 ? 1 : 0;
            answered += Staff(fingerprint).call("GET", "/").status == 200 ? 1 : 0;
            answered += Staff(fingerprint).logIn("nobody", "wrong").status > 0 ? 1 : 0;
        }
        QVERIFY2(answered > 30, qPrintable(QString::number(answered)));
        copy->terminate();
        QVERIFY(copy->waitForFinished(budget(10000)));
        QCOMPARE(scheduledBells(ringLog(scene.folder)), (QMap<QString, int>{{"11:00", 1}}));
        scene.bell->finish();
        const QList<pulsetools::Burst> heard = pulsetools::bursts(scene.dir.path() + "/bell.wav");
        QCOMPARE(heard.size(), 1);
        const double late = heard.first().start - double(elevenInRecording) / 1000.0;
        QVERIFY2(late > -0.3 && late < double(budget(500)) / 1000.0, qPrintable(QString::number(late)));
    }
};

QTEST_GUILESS_MAIN(TestStaffPage)
#include "test_staffpage.moc"
