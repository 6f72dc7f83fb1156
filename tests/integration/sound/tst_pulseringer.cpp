// The ringer on the real sound server with "No sound at bell" on: a bell card that is unplugged,
// and a bell card that is the server's default sink, leave the bell on a sink that is not muted. A
// sound longer than a bell may last is refused before it is decoded, and the next sound rings.
#include "core/bells/linux/belloutput_pulse.h"
#include "core/bells/linux/mixer_pulse.h"
#include "core/bells/linux/pulseconnection.h"
#include "core/bells/ringer.h"
#include "core/sound/soundlibrary.h"

#include "pulsetools.h"
#include "support/longsound.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {

constexpr int kAnswerMs = 3000;  // the longest the server may take to show a change

QString loadNullSink(const QString& name, const QString& description) {
    return pulsetools::pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                              QStringLiteral("sink_name=") + name,
                              QStringLiteral("sink_properties=device.description=") + description})
        .value_or(QString())
        .trimmed();
}

bool listed(PulseBellOutput& out, const QString& id) {
    const auto devices = out.devices();
    return std::any_of(devices.cbegin(), devices.cend(), [&id](const OutputDevice& d) { return d.id == id; });
}

}  // namespace

class TestPulseRinger : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("sound")));
        QVERIFY(pulsetools::writeTone(dir_.filePath(QStringLiteral("sound/tone.wav")), 1.0, 660.0));
    }

    void cleanup() {
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER") || !pulsetools::pactl({QStringLiteral("info")})) {
            return;
        }
        pulsetools::unloadSink(QStringLiteral("gone_out"));
        pulsetools::pactl({QStringLiteral("set-default-sink"), QStringLiteral("main_out")});
        pulsetools::pactl({QStringLiteral("set-sink-mute"), QStringLiteral("main_out"), QStringLiteral("0")});
        pulsetools::pactl({QStringLiteral("set-sink-mute"), QStringLiteral("bell_out"), QStringLiteral("0")});
    }

    void aBellIsNeverMutedOnTheSinkItRingsOn() {
        REQUIRE_TEST_SERVER();
        QVERIFY(!loadNullSink(QStringLiteral("gone_out"), QStringLiteral("Gone_output")).isEmpty());
        PulseConnection pulse("corvalin-ringer-test");
        PulseBellOutput out(pulse);
        PulseMixer mixer(pulse);
        SoundLibrary library(dir_.filePath(QStringLiteral("sound")));
        Ringer ringer(&out, &mixer, &library, /*liveTimers=*/false);
        QSignalSpy lasting(&ringer, &Ringer::lastingProblem);
        ringer.openMixer();
        QTRY_VERIFY_WITH_TIMEOUT(listed(out, QStringLiteral("gone_out")), kAnswerMs);
        ringer.setSoundCard(pulsetools::sinkPosition(QStringLiteral("gone_out")), QStringLiteral("gone_out"),
                            QStringLiteral("Gone_output"));
        ringer.setMuteDefault(true);
        QVERIFY(lasting.isEmpty());

        // The bell card is unplugged: the bell rings on the default sink, which stays on.
        QVERIFY(pulsetools::pactl({QStringLiteral("unload-module"),
                                   pulsetools::moduleIndex(QStringLiteral("sink_name=gone_out"))}));
        QTRY_COMPARE_WITH_TIMEOUT(lasting.size(), 1, kAnswerMs);
        QVERIFY(lasting.last().at(1).toString().startsWith(QStringLiteral("the bell card Gone_output(")));
        {
            pulsetools::Recorder main(QStringLiteral("main_out"), dir_.filePath(QStringLiteral("main.wav")));
            QVERIFY(main.waitLive());
            ringer.RingBell(QStringLiteral("tone.wav"), BellKind::Scheduled);
            QTest::qWait(500);
            QVERIFY(!pulsetools::sinkMuted(QStringLiteral("main_out")));
            QTest::qWait(900);
            QVERIFY(main.finish().rms > 0.05);
        }

        // The bell sink is made the server's default: it is not muted for the bell either.
        QVERIFY(pulsetools::pactl({QStringLiteral("set-default-sink"), QStringLiteral("bell_out")}));
        QTRY_COMPARE_WITH_TIMEOUT(out.defaultDeviceId(), QStringLiteral("bell_out"), kAnswerMs);
        ringer.chooseCard(pulsetools::sinkPosition(QStringLiteral("bell_out")), QStringLiteral("bell_out"));
        {
            pulsetools::Recorder bell(QStringLiteral("bell_out"), dir_.filePath(QStringLiteral("bell.wav")));
            QVERIFY(bell.waitLive());
            ringer.RingBell(QStringLiteral("tone.wav"), BellKind::Manual);
            QTest::qWait(500);
            QVERIFY(!pulsetools::sinkMuted(QStringLiteral("bell_out")));
            QTest::qWait(900);
            QVERIFY(bell.finish().rms > 0.05);
        }
        ringer.StopBell();
    }

    // Small FLAC files named .wav: 11 minutes of silence; 11 minutes that the header does not say;
    // and one second that the header says is 11 minutes. A scheduled bell of each, got ready ahead
    // or not, rings the folder's next sound instead, and says why; rung by hand, none plays. The
    // last one shows that the header is what is refused: its samples would play in a second.
    void aSoundTooLongIsRefusedBeforeItIsDecoded() {
        REQUIRE_TEST_SERVER();
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString folder = dir.filePath(QStringLiteral("sound"));
        QVERIFY(QDir().mkpath(folder));
        constexpr int kElevenMinutes = 11 * 60;
        QVERIFY(writeLongSilence(folder + QStringLiteral("/long.wav"), kElevenMinutes));
        QVERIFY(QFileInfo(folder + QStringLiteral("/long.wav")).size() < 64 * 1024);
        QVERIFY(writeLongSilence(folder + QStringLiteral("/unsaid.wav"), kElevenMinutes, 0));
        QVERIFY(writeLongSilence(folder + QStringLiteral("/claimed.wav"), 1, 8000LL * kElevenMinutes));
        QVERIFY(pulsetools::writeTone(folder + QStringLiteral("/tone.wav"), 0.3));
        PulseConnection pulse("corvalin-ringer-test");
        PulseBellOutput out(pulse);
        PulseMixer mixer(pulse);
        SoundLibrary library(folder);
        Ringer ringer(&out, &mixer, &library, /*liveTimers=*/false);
        QSignalSpy rang(&ringer, &Ringer::rang);
        QSignalSpy problems(&ringer, &Ringer::problem);
        QTRY_VERIFY_WITH_TIMEOUT(out.isConnected(), kAnswerMs);

        const QString elevenMinutes =
            QStringLiteral("it lasts 11 min 00 s; a bell sound lasts at most 10 minutes");
        const QString pastTheBound = QStringLiteral("it lasts longer than 10 minutes");
        const struct {
            QString sound;
            QString why;
        } cases[] = {{QStringLiteral("long.wav"), elevenMinutes},
                     {QStringLiteral("unsaid.wav"), pastTheBound},
                     {QStringLiteral("claimed.wav"), elevenMinutes}};
        for (const auto& c : cases) {
            for (const bool ahead : {false, true}) {
                if (ahead) {
                    ringer.prepare(c.sound);
                }
                rang.clear();
                problems.clear();
                ringer.RingBell(c.sound, BellKind::Scheduled);
                const QString at = c.sound + (ahead ? QStringLiteral(" got ready") : QString());
                QCOMPARE(rang.size(), 1);
                QVERIFY2(rang.first().at(1).toString() == QStringLiteral("tone.wav"), qPrintable(at));
                QCOMPARE(problems.size(), 1);
                const QString said = problems.first().first().toString();
                QVERIFY2(said.startsWith(c.sound + QStringLiteral(" was not rung: ") + c.why) &&
                             said.endsWith(QStringLiteral("; tone.wav was rung instead")),
                         qPrintable(at + QStringLiteral(": ") + said));
                ringer.StopBell();
            }
            rang.clear();
            problems.clear();
            ringer.RingBell(c.sound, BellKind::Manual);
            QVERIFY2(rang.isEmpty(), qPrintable(c.sound));
            QCOMPARE(problems.size(), 1);
            QVERIFY2(problems.first().first().toString().contains(c.why),
                     qPrintable(problems.first().first().toString()));
            QVERIFY(!out.isPresent());
        }
        // The sound list keeps them in their places, each with its reason; a bell sound has none.
        QCOMPARE(library.files(), QStringList({"claimed.wav", "long.wav", "tone.wav", "unsaid.wav"}));
        QVERIFY(library.refusal(QStringLiteral("long.wav")).startsWith(elevenMinutes));
        QVERIFY(library.refusal(QStringLiteral("claimed.wav")).startsWith(elevenMinutes));
        QCOMPARE(library.refusal(QStringLiteral("tone.wav")), QString());
    }
};

QTEST_GUILESS_MAIN(TestPulseRinger)
#include "tst_pulseringer.moc"
