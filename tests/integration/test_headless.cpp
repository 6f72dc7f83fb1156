// The program with no window (--headless) against the test sound server, under a faked clock: it
// rings with no display at all, whatever "Auto execution" says, and a second one ends; a window copy of the same user
// takes the bells over from it and gives them back when it ends, and across both hand-overs, each
// a fraction of a second before a bell, every minute's bell rings exactly once; the ring log tells
// each hand-over once. Taking the bells back from a window copy killed during a muted bell, it
// unmutes the default card at once. A window copy killed around a minute's start costs no bell,
// and another user's program that takes the guard's name only delays the bells until it goes.
// What is no settings file in its data folder (a pipe, a link to a device) is refused and named.
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "copyscene.h"
#include "programcopy.h"
#include "sound/pulsetools.h"

using namespace scene;

namespace {

// A program of the user nobody that takes the guard's name before any copy and answers every
// connection as a headless copy would; its process id, once it listens.
pid_t squatGuard() {
    int ready[2];
    if (::pipe2(ready, O_CLOEXEC) != 0) {
        return -1;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        // Only calls that are safe after a fork from here on.
        if (::setgroups(0, nullptr) != 0 || ::setresgid(65534, 65534, 65534) != 0 ||
            ::setresuid(65534, 65534, 65534) != 0) {
            ::_exit(3);
        }
        static const char name[] = "corvalin-bells";
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + 1, name, sizeof name - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0 ||
            ::bind(fd, reinterpret_cast<const sockaddr*>(&address),
                   socklen_t(offsetof(sockaddr_un, sun_path) + sizeof name)) != 0 ||
            ::listen(fd, 8) != 0 || ::write(ready[1], "y", 1) != 1) {
            ::_exit(4);
        }
        static const char greeting[] = "corvalin headless\n";
        for (;;) {
            const int connection = ::accept(fd, nullptr, nullptr);
            if (connection >= 0 && ::write(connection, greeting, sizeof greeting - 1) < 0) {
                ::close(connection);
            }
        }
    }
    ::close(ready[1]);
    char said = 0;
    const bool listens = child > 0 && ::read(ready[0], &said, 1) == 1;
    ::close(ready[0]);
    return listens ? child : -1;
}

}  // namespace

class TestHeadless : public QObject {
    Q_OBJECT
    QProcessEnvironment m_env;

private Q_SLOTS:
    void initTestCase() {
        REQUIRE_TEST_SERVER();
        if (fakeTimeLibrary().isEmpty()) {
            QSKIP("faketime is not installed");
        }
        m_env = QProcessEnvironment::systemEnvironment();
        // No display of any kind: the headless copy must not look for one.
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            m_env.remove(QString::fromLatin1(name));
        }
    }

    void ringsWithNoDisplay() {
        Scene scene(m_env, "11hr 00min/0-tone.wav\r\n", 4);
        QVERIFY(scene.ready());
        auto headless = scene.headless();
        QVERIFY(headless->waitForStarted());
        QTest::qWait(1000);
        // A second headless copy finds the first and ends; the first rings alone.
        auto second = scene.headless();
        QVERIFY(second->waitForFinished(5000));
        QCOMPARE(second->exitCode(), 0);
        QVERIFY2(second->readAll().contains("already rings the bells"), "the second copy did not say why it ends");
        QTest::qWait(int(scene.clock.msUntilEleven(2500)));
        QCOMPARE(headless->state(), QProcess::Running);
        headless->terminate();
        QVERIFY(headless->waitForFinished(5000));
        QCOMPARE(headless->exitCode(), 0);

        const QByteArray said = headless->readAll();
        QVERIFY2(said.contains("Corvalin started with no window"), said.constData());
        const QByteArray log = ringLog(scene.folder);
        QCOMPARE(scheduledBells(log), (QMap<QString, int>{{"11:00", 1}}));
        QVERIFY2(log.contains("Corvalin ended: by the signal TERM"), log.constData());
        QCOMPARE(scene.bursts(), 1);
    }

    // The window copy comes 0.6 s before 11:00 and goes 0.5 s before 11:01; a bell rings at
    // 11:00, 11:01 and 11:02.
    void handOverRingsEachMinuteOnce() {
        Scene scene(m_env, "11hr 00min/0-tone.wav\r\n11hr 01min/0-tone.wav\r\n11hr 02min/0-tone.wav\r\n", 5);
        QVERIFY(scene.ready());
        auto headless = scene.headless();
        QVERIFY(headless->waitForStarted());
        QTest::qWait(int(scene.clock.msUntilEleven(-600)));
        auto window = scene.window();
        QVERIFY(window->waitForStarted());
        QTest::qWait(int(scene.clock.msUntilEleven(60000 - 500)));
        QVERIFY2(window->state() == QProcess::Running,
                 QByteArray("the window copy ended early: " + window->readAll() + ringLog(scene.folder)).constData());
        window->terminate();
        QVERIFY(window->waitForFinished(5000));
        QTest::qWait(int(scene.clock.msUntilEleven(120000 + 2500)));
        QCOMPARE(headless->state(), QProcess::Running);
        headless->terminate();
        QVERIFY(headless->waitForFinished(5000));

        const QByteArray log = ringLog(scene.folder);
        QCOMPARE(scheduledBells(log), (QMap<QString, int>{{"11:00", 1}, {"11:01", 1}, {"11:02", 1}}));
        // Each hand-over told once by each side; the window copy's end is a hand-over, no stop.
        QVERIFY2(linesSaying(log, "a window copy took the bells over") == 1, log.constData());
        QVERIFY2(linesSaying(log, "the bells were taken over from the copy with no window") == 1,
                 log.constData());
        QVERIFY2(linesSaying(log, "the bells were handed over to the copy with no window") == 1,
                 log.constData());
        QVERIFY2(linesSaying(log, "no window copy rings: this copy rings the bells") == 1, log.constData());
        QVERIFY2(linesSaying(log, "the bells were handed over to the window copy") == 0, log.constData());
        QVERIFY2(linesSaying(log, "the bell service stopped") == 0, log.constData());
        QCOMPARE(scene.bursts(), 3);
    }

    // The headless copy rings first, a window copy takes the bells over and is killed during its
    // muted 11:00 bell: the headless copy takes them back and unmutes the default card.
    void takingBackUnmutesWhatAKilledCopyLeftMuted() {
        Scene scene(m_env, "11hr 00min/0-tone.wav\r\n11hr 05min/0-tone.wav\r\n", 8, 6.0, true);
        QVERIFY(scene.ready(false));
        QVERIFY(pulsetools::pactl({"set-sink-mute", "main_out", "0"}));
        auto headless = scene.headless();
        QVERIFY(headless->waitForStarted());
        QTest::qWait(1500);
        auto window = scene.window();
        QVERIFY(window->waitForStarted());
        QTest::qWait(int(scene.clock.msUntilEleven(1000)));
        QVERIFY2(pulsetools::sinkMuted("main_out"), "the window copy's bell did not mute the default card");
        QElapsedTimer sinceKill;
        sinceKill.start();
        window->kill();
        QVERIFY(window->waitForFinished(5000));
        QTRY_VERIFY_WITH_TIMEOUT(!pulsetools::sinkMuted("main_out"), budget(2000));
        qInfo("unmuted %lld ms after the kill", sinceKill.elapsed());
        QCOMPARE(headless->state(), QProcess::Running);
        headless->terminate();
        QVERIFY(headless->waitForFinished(5000));
        const QByteArray log = ringLog(scene.folder);
        QVERIFY2(linesSaying(log, "no window copy rings: this copy rings the bells") == 1, log.constData());
    }

    // A window copy takes the bells and is killed at the very end of that minute; or it is started
    // at the very end of a minute and killed just after the next one began, before its bells ran.
    // Either way the headless copy rings that next minute's bell, once.
    void killedWindowCopyCostsNoBell() {
        struct Round {
            int startMs;  // when the window copy starts and is killed, from 11:00
            int killMs;
        };
        for (const Round round : {Round{-3000, -10}, Round{-50, 150}}) {
            Scene scene(m_env, "11hr 00min/0-tone.wav\r\n", 6);
            QVERIFY(scene.ready());
            auto headless = scene.headless();
            QVERIFY(headless->waitForStarted());
            QTest::qWait(int(scene.clock.msUntilEleven(round.startMs)));
            auto window = scene.window();
            QVERIFY(window->waitForStarted());
            QTest::qWait(int(scene.clock.msUntilEleven(round.killMs)));
            window->kill();
            QVERIFY(window->waitForFinished(5000));
            QTest::qWait(int(scene.clock.msUntilEleven(2500)));
            QCOMPARE(headless->state(), QProcess::Running);
            headless->terminate();
            QVERIFY(headless->waitForFinished(5000));

            const QByteArray log = ringLog(scene.folder);
            QVERIFY2(scheduledBells(log) == (QMap<QString, int>{{"11:00", 1}}),
                     qPrintable(QStringLiteral("window copy from %1 ms to %2 ms:\n").arg(round.startMs).arg(round.killMs) +
                                QString::fromUtf8(log)));
            QCOMPARE(scene.bursts(), 1);
        }
    }

    // What is no settings file where one belongs: a link to /dev/zero as offset.ini and a named
    // pipe as today.ini are refused (once, named in the ring log with why), and the copy starts,
    // rings and ends on TERM as ever. A link to /dev/zero as mdata.ini is refused the same way.
    void specialFilesInTheDataFolderAreRefused() {
        Scene scene(m_env, "11hr 00min/0-tone.wav\r\n", 5);
        QVERIFY(scene.ready());
        const QString data = scene.folder + "/data/";
        QVERIFY(QFile::link("/dev/zero", data + "offset.ini"));
        QVERIFY(::mkfifo(QFile::encodeName(data + "today.ini").constData(), 0600) == 0);
        auto headless = scene.headless();
        QVERIFY(headless->waitForStarted());
        QTest::qWait(int(scene.clock.msUntilEleven(2500)));
        QCOMPARE(headless->state(), QProcess::Running);
        headless->terminate();
        QVERIFY(headless->waitForFinished(5000));
        QCOMPARE(headless->exitStatus(), QProcess::NormalExit);
        QCOMPARE(headless->exitCode(), 0);
        QByteArray log = ringLog(scene.folder);
        QCOMPARE(scheduledBells(log), (QMap<QString, int>{{"11:00", 1}}));
        QVERIFY2(linesSaying(log, "offset.ini was not read (it is a symbolic link to /dev/zero, a character device") == 1,
                 log.constData());
        QVERIFY2(linesSaying(log, "today.ini was not read (it is a named pipe, not a regular file)") == 1,
                 log.constData());
        QVERIFY2(log.contains("Corvalin ended: by the signal TERM"), log.constData());
        QCOMPARE(scene.bursts(), 1);

        Scene week(m_env, "11hr 00min/0-tone.wav\r\n", 30);
        QVERIFY(week.ready(false));
        QVERIFY(QFile::remove(week.folder + "/data/mdata.ini"));
        QVERIFY(QFile::link("/dev/zero", week.folder + "/data/mdata.ini"));
        headless = week.headless();
        QVERIFY(headless->waitForStarted());
        QTRY_VERIFY2_WITH_TIMEOUT(ringLog(week.folder).contains("mdata.ini was not read"),
                                  ringLog(week.folder).constData(), budget(20000));
        QTest::qWait(1000);  // its end signals caught, as for any copy that runs
        headless->terminate();
        QVERIFY(headless->waitForFinished(5000));
        QCOMPARE(headless->exitStatus(), QProcess::NormalExit);
        log = ringLog(week.folder);
        QVERIFY2(log.contains("Corvalin ended: by the signal TERM"), log.constData());
    }

    // Another user's program holds the guard's name and says it is a headless copy: the copy
    // started at boot does not believe it. It stays, says whose program holds the name in the ring
    // log and the journal, and rings once that program has gone.
    void anotherUsersSquatterIsWaitedOut() {
        if (::geteuid() != 0) {
            QSKIP("a program of another user needs root");
        }
        Scene scene(m_env, "11hr 00min/0-tone.wav\r\n", 6);
        QVERIFY(scene.ready());
        const pid_t squatter = squatGuard();
        QVERIFY(squatter > 0);
        auto headless = scene.headless();
        QVERIFY(headless->waitForStarted());
        const bool ended = headless->waitForFinished(2000);
        ::kill(squatter, SIGKILL);
        QByteArray said = headless->readAll();
        QVERIFY2(!ended, said.constData());
        QTRY_VERIFY_WITH_TIMEOUT(ringLog(scene.folder).contains("a program of the user nobody"), budget(2000));
        QTest::qWait(int(scene.clock.msUntilEleven(2500)));
        QCOMPARE(headless->state(), QProcess::Running);
        headless->terminate();
        QVERIFY(headless->waitForFinished(5000));

        said += headless->readAll();
        QVERIFY2(said.contains("a program of the user nobody"), said.constData());
        const QByteArray log = ringLog(scene.folder);
        QVERIFY2(scheduledBells(log) == (QMap<QString, int>{{"11:00", 1}}), log.constData());
        QCOMPARE(scene.bursts(), 1);
    }
};

QTEST_GUILESS_MAIN(TestHeadless)
#include "test_headless.moc"
