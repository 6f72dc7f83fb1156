// The window with the real sound server stopped (SIGSTOP) for five seconds across a scheduled
// bell: the clock goes on showing every second, and the bell after the server resumes rings.
#include <QElapsedTimer>
#include <QtTest>
#include <csignal>

#include "core/bells/linux/belloutput_pulse.h"
#include "core/bells/linux/mixer_pulse.h"
#include "core/bells/linux/pulseconnection.h"
#include "sound/pulsetools.h"
#include "windowfixture.h"

namespace {

// The wall clock moved to a chosen time of day; whole seconds only, so ticks stay on the second.
class ShiftedClock final : public Clock {
public:
    ShiftedClock() { m_steady.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime().addMSecs(m_offsetMs); }
    qint64 steadyMs() const override { return m_steady.elapsed(); }
    void setTime(const QTime& time) {
        const QDateTime real = QDateTime::currentDateTime();
        const QDateTime second = real.addMSecs(-real.time().msec());
        m_offsetMs = second.secsTo(QDateTime(QDate(2026, 12, 7), time)) * 1000;
    }

private:
    qint64 m_offsetMs = 0;
    QElapsedTimer m_steady;
};

qint64 serverPid() {
    QFile file(qEnvironmentVariable("CORVALIN_RUN", "/tmp/corvalin-run") + "/pulse/daemon.pid");
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed().toLongLong() : 0;
}

// Stops the server for its life; it always goes on again, however the test ends.
struct StoppedServer {
    pid_t pid;
    explicit StoppedServer(qint64 p) : pid(static_cast<pid_t>(p)) { ::kill(pid, SIGSTOP); }
    ~StoppedServer() { ::kill(pid, SIGCONT); }
};

}  // namespace

class TestHungServer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clockGoesOnAndTheNextBellRings() {
        REQUIRE_TEST_SERVER();
        const qint64 pid = serverPid();
        QVERIFY(pid > 0);
        PulseConnection pulse("Corvalin test");
        PulseBellOutput bell(pulse);
        PulseMixer mixer(pulse);
        ShiftedClock clock;
        // The sound server's ports are made on this thread, and so are the bells that use them.
        WindowFixture f{WindowFixture::OnThisThread};
        Ports ports = f.fakes.ports();
        ports.clock = &clock;
        ports.bell = &bell;
        ports.mixer = &mixer;
        pulsetools::writeTone(f.folder.path() + "/sound/tone.wav", 1.0, 660.0);
        f.writeOptions(2, 1, 0);
        f.folder.writeData("mdata.ini", "08hr 50min/tone.wav\r\n08hr 51min/tone.wav\r\n");
        f.folder.writeData("snd.ini", "-1 \r\n");
        clock.setTime(QTime(8, 49, 57));
        auto* w = f.create(ports, /*liveTimers=*/true);
        w->startUp();
        w->onStartClicked();
        QCOMPARE(f.bells().serviceRunning(), 1);
        auto* now = find<QLabel>(w, "clockText");

        // Every change of the clock label while the server is stopped, 08:49:58 to 08:50:03.
        QTest::qWait(1000);
        QList<qint64> changes;
        QElapsedTimer stopped;
        {
            StoppedServer server(pid);
            stopped.start();
            QString shown = now->text();
            while (stopped.elapsed() < 5000) {
                QTest::qWait(20);
                if (now->text() != shown) {
                    shown = now->text();
                    changes.append(stopped.elapsed());
                }
            }
        }
        qInfo() << "clock label changed at" << changes << "ms of the stop; it showed" << now->text();
        QVERIFY(changes.size() >= 4);
        QVERIFY(changes.first() < 1500);
        for (int i = 1; i < changes.size(); ++i) {
            QVERIFY2(changes.at(i) - changes.at(i - 1) < 1500, "the clock stalled while the server was stopped");
        }
        QVERIFY(5000 - changes.last() < 1500);

        // Resumed: the next bell is heard.
        QTest::qWait(2500);  // the bell the stopped server held back plays out
        QTemporaryDir records;
        pulsetools::Recorder heard("main_out", records.path() + "/main.wav");
        QVERIFY(heard.waitLive());
        clock.setTime(QTime(8, 50, 58));
        f.services->station().bellClock->rearm();  // as the system's notice of a clock step does
        QTest::qWait(4000);
        const auto level = heard.finish();
        QVERIFY2(level.rms > 0.05, qPrintable(QString::number(level.rms)));
        QVERIFY(f.folder.readData("ring.log").contains("scheduled 08:51 tone.wav"));
        f.ringer().StopBell();
    }
};

QTEST_MAIN(TestHungServer)
#include "test_hungserver.moc"
