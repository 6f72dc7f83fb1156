// PulseMixer against the private sound server: the mute lands on whichever sink is the default when
// the server handles it, in call order, the last requests are not lost when the program ends, the
// connection comes back after the server did, and without a server it fails quietly.
#include "core/bells/linux/mixer_pulse.h"

#include "core/bells/linux/pulseconnection.h"

#include "pulsetools.h"

#include <QDeadlineTimer>
#include <QTest>
#include <QThread>

#include <memory>

using pulsetools::sinkMuted;

namespace {

constexpr int kAnswerMs = 3000;  // the longest a request may take to show in pactl

// Sets the default sink and waits until the server names it as such (PipeWire's session manager
// takes a moment to apply it).
bool setDefaultSink(const QString& sink) {
    if (!pulsetools::pactl({QStringLiteral("set-default-sink"), sink}).has_value()) {
        return false;
    }
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (pulsetools::pactl({QStringLiteral("get-default-sink")}).value_or(QString()).trimmed() == sink) {
            return true;
        }
        QThread::msleep(20);
    }
    return false;
}

}  // namespace

class TestPulseMixer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() {
        if (pulsetools::testServerReady()) {
            setDefaultSink(QStringLiteral("main_out"));
            for (const auto* sink : {"main_out", "bell_out"}) {
                pulsetools::pactl(
                    {QStringLiteral("set-sink-mute"), QString::fromLatin1(sink), QStringLiteral("0")});
            }
        }
    }

    void mutesWhicheverSinkIsTheDefault() {
        REQUIRE_TEST_SERVER();
        REQUIRE_PULSEAUDIO();  // PipeWire follows a new default sink only some time later
        PulseConnection pulse("corvalin-mixer-test");
        PulseMixer mixer(pulse);
        QVERIFY(mixer.open());
        QVERIFY(mixer.setMute(true));
        QTRY_VERIFY_WITH_TIMEOUT(sinkMuted(QStringLiteral("main_out")), kAnswerMs);
        QVERIFY(!sinkMuted(QStringLiteral("bell_out")));
        QVERIFY(mixer.setMute(false));
        QTRY_VERIFY_WITH_TIMEOUT(!sinkMuted(QStringLiteral("main_out")), kAnswerMs);

        // A default chosen after the connection was made: the server resolves it per request.
        QVERIFY(setDefaultSink(QStringLiteral("bell_out")));
        QVERIFY(mixer.setMute(true));
        QTRY_VERIFY_WITH_TIMEOUT(sinkMuted(QStringLiteral("bell_out")), kAnswerMs);
        QVERIFY(!sinkMuted(QStringLiteral("main_out")));
        QVERIFY(mixer.setMute(false));
        QTRY_VERIFY_WITH_TIMEOUT(!sinkMuted(QStringLiteral("bell_out")), kAnswerMs);
    }

    // Requests go out in call order, and the connection's end waits for their answers: right after
    // it, with no waiting, the server shows the last one.
    void lastRequestReachesTheServerBeforeTheConnectionEnds_data() {
        QTest::addColumn<bool>("last");
        QTest::newRow("ends muted") << true;
        QTest::newRow("ends unmuted") << false;
    }
    void lastRequestReachesTheServerBeforeTheConnectionEnds() {
        REQUIRE_TEST_SERVER();
        REQUIRE_PULSEAUDIO();  // PipeWire answers before its sink shows the change
        QFETCH(bool, last);
        // Several rounds: a lost request does not show every time.
        for (int round = 0; round < 5; ++round) {
            QVERIFY(pulsetools::pactl({QStringLiteral("set-sink-mute"), QStringLiteral("main_out"),
                                       last ? QStringLiteral("0") : QStringLiteral("1")}));
            auto pulse = std::make_unique<PulseConnection>("corvalin-mixer-test");
            {
                PulseMixer mixer(*pulse);
                for (int i = 0; i < 20; ++i) {
                    QVERIFY(mixer.setMute(i % 2 == 0));
                }
                QVERIFY(mixer.setMute(!last));
                QVERIFY(mixer.setMute(last));
            }
            pulse.reset();
            QCOMPARE(sinkMuted(QStringLiteral("main_out")), last);
        }
    }

    void reconnectsWhenTheServerComesBack() {
        REQUIRE_TEST_SERVER();
        REQUIRE_PULSEAUDIO();
        PulseConnection pulse("corvalin-mixer-test");
        PulseMixer mixer(pulse);
        QVERIFY(mixer.open());
        {
            pulsetools::SocketOutage outage;
            QVERIFY(outage.goAway());
            QTRY_VERIFY_WITH_TIMEOUT(!pulse.isReady(), kAnswerMs);
            QVERIFY(!mixer.open());
            QVERIFY(!mixer.setMute(true));
            QVERIFY(outage.comeBack());
        }
        // The connection tries again about once a second.
        QTRY_VERIFY_WITH_TIMEOUT(pulse.isReady(), 3 * PulseConnection::kLastRetryMs + kAnswerMs);
        QVERIFY(mixer.open());
        QVERIFY(mixer.setMute(true));
        QTRY_VERIFY_WITH_TIMEOUT(sinkMuted(QStringLiteral("main_out")), kAnswerMs);
        QVERIFY(mixer.setMute(false));
        QTRY_VERIFY_WITH_TIMEOUT(!sinkMuted(QStringLiteral("main_out")), kAnswerMs);
    }

    void withoutServerOpenAndMuteFail() {
        const QByteArray saved = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:/nonexistent/corvalin-test.sock");
        bool opened = true, muted = true, unmuted = true;
        {
            PulseConnection pulse("corvalin-mixer-test");
            PulseMixer mixer(pulse);
            opened = mixer.open();
            muted = mixer.setMute(true);
            unmuted = mixer.setMute(false);
        }
        if (saved.isNull()) {
            qunsetenv("PULSE_SERVER");
        } else {
            qputenv("PULSE_SERVER", saved);
        }
        QVERIFY(!opened);
        QVERIFY(!muted);
        QVERIFY(!unmuted);
    }
};

QTEST_GUILESS_MAIN(TestPulseMixer)
#include "tst_pulsemixer.moc"
