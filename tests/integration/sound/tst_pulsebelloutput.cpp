// PulseBellOutput against the private sound server: which sink sounds, how much of the file is played,
// looping, stopping, falling back to the default sink, and what happens without a server.
#include "sound/belloutput_pulse.h"

#include "pulsetools.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using pulsetools::Level;
using pulsetools::Recorder;

namespace {

constexpr double kAudibleRms = 0.05;  // the test tones have an RMS of about 0.35
constexpr double kSilentPeak = 0.001;

// What each sink's monitor recorded.
struct Heard {
    Level main;
    Level bell;
};

}  // namespace

class TestPulseBellOutput : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString tone1500_, tone300_, stereo48k_, tone2500_, garbage_, empty_;
    bool bellSinkUnloaded_ = false;
    int recordings_ = 0;

    QString path(const QString& name) const { return dir_.filePath(name); }

    // A new file name for each recording.
    QString recordingPath() { return path(QStringLiteral("rec%1.wav").arg(++recordings_)); }

    // Records both sinks while `action` runs and for `tailMs` more.
    template <typename Action>
    Heard record(Action action, int tailMs) {
        Recorder main(QStringLiteral("main_out"), recordingPath());
        Recorder bell(QStringLiteral("bell_out"), recordingPath());
        const bool mainLive = main.waitLive();
        const bool bellLive = bell.waitLive();
        if (!mainLive || !bellLive) {
            QTest::qFail("parecord did not start recording", __FILE__, __LINE__);
        }
        action();
        QTest::qWait(tailMs);
        return Heard{main.finish(), bell.finish()};
    }

    static void reloadBellSink() {
        pulsetools::pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                           QStringLiteral("sink_name=bell_out"),
                           QStringLiteral("sink_properties=device.description=Bell_output")});
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        tone1500_ = path(QStringLiteral("tone1500.wav"));
        tone300_ = path(QStringLiteral("tone300.wav"));
        stereo48k_ = path(QStringLiteral("stereo48k.wav"));
        tone2500_ = path(QStringLiteral("tone2500.wav"));
        garbage_ = path(QStringLiteral("garbage.wav"));
        empty_ = path(QStringLiteral("empty.wav"));
        QVERIFY(pulsetools::writeTone(tone1500_, 1.5));
        QVERIFY(pulsetools::writeTone(tone300_, 0.3));
        QVERIFY(pulsetools::writeTone(path(QStringLiteral("tone100.wav")), 0.1));
        QVERIFY(pulsetools::writeTone(stereo48k_, 0.8, 660.0, 2, 48000));
        QVERIFY(pulsetools::writeTone(tone2500_, 2.5));
        QVERIFY(pulsetools::writeTone(empty_, 0.0));
        QFile garbage(garbage_);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("RIFF this is not a wave file at all");
    }

    void cleanupTestCase() {
        if (bellSinkUnloaded_) {
            reloadBellSink();
        }
    }

    void lengthIsFramesOverRate() {
        PulseBellOutput out;
        QCOMPARE(out.lengthMs(tone2500_), std::optional<qint64>(2500));
        QCOMPARE(out.lengthMs(stereo48k_), std::optional<qint64>(800));
        QCOMPARE(out.lengthMs(tone300_), std::optional<qint64>(300));
        QCOMPARE(out.lengthMs(garbage_), std::nullopt);
        QCOMPARE(out.lengthMs(path(QStringLiteral("missing.wav"))), std::nullopt);
        QCOMPARE(out.lengthMs(dir_.path()), std::nullopt);
    }

    void devicesListDefaultThenEverySink() {
        REQUIRE_TEST_SERVER();
        PulseBellOutput out;
        const QList<OutputDevice> devices = out.devices();
        QCOMPARE(devices.size(), 3);
        QVERIFY(devices[0].id.isEmpty());
        QVERIFY(!devices[0].description.isEmpty());
        QCOMPARE(devices[1].id, QStringLiteral("main_out"));
        QCOMPARE(devices[1].description, QStringLiteral("Main_output"));
        QCOMPARE(devices[2].id, QStringLiteral("bell_out"));
        QCOMPARE(devices[2].description, QStringLiteral("Bell_output"));
    }

    void playsWholeSoundOnChosenSinkOnly_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("seconds");
        QTest::newRow("1.5 s mono 44.1 kHz") << QStringLiteral("tone1500.wav") << 1.5;
        QTest::newRow("0.3 s mono 44.1 kHz") << QStringLiteral("tone300.wav") << 0.3;
        // Shorter than the stream's pre-buffer: only draining starts it.
        QTest::newRow("0.1 s mono 44.1 kHz") << QStringLiteral("tone100.wav") << 0.1;
        QTest::newRow("0.8 s stereo 48 kHz") << QStringLiteral("stereo48k.wav") << 0.8;
    }
    void playsWholeSoundOnChosenSinkOnly() {
        REQUIRE_TEST_SERVER();
        QFETCH(QString, file);
        QFETCH(double, seconds);
        PulseBellOutput out;
        bool played = false;
        // Recording goes on well past the end: the objects stay until stop(), the tail must sound.
        const Heard heard = record([&] { played = out.play(QStringLiteral("bell_out"), path(file), false); },
                                   static_cast<int>(seconds * 1000) + 700);
        out.stop();
        QVERIFY(played);
        QVERIFY2(heard.bell.rms > kAudibleRms, qPrintable(QString::number(heard.bell.rms)));
        QVERIFY2(heard.main.peak < kSilentPeak, qPrintable(QString::number(heard.main.peak)));
        QVERIFY2(
            qAbs(heard.bell.soundSeconds - seconds) < 0.06,
            qPrintable(QStringLiteral("sounded %1 s of %2 s").arg(heard.bell.soundSeconds).arg(seconds)));
    }

    void playWithoutNamedSinkUsesDefault_data() {
        QTest::addColumn<QString>("deviceId");
        QTest::newRow("default entry") << QString();
        QTest::newRow("unknown sink") << QStringLiteral("no_such_sink");
    }
    void playWithoutNamedSinkUsesDefault() {
        REQUIRE_TEST_SERVER();
        QFETCH(QString, deviceId);
        PulseBellOutput out;
        bool played = false;
        const Heard heard = record([&] { played = out.play(deviceId, tone300_, false); }, 700);
        QVERIFY(played);
        QVERIFY(heard.main.rms > kAudibleRms);
        QVERIFY(heard.bell.peak < kSilentPeak);
    }

    void loopGoesOnUntilStopThenSilence() {
        REQUIRE_TEST_SERVER();
        PulseBellOutput out;
        bool played = false;
        const Heard heard = record(
            [&] {
                played = out.play(QStringLiteral("bell_out"), tone300_, true);
                QTest::qWait(1200);
                out.stop();
                QVERIFY(!out.isPresent());
            },
            700);
        QVERIFY(played);
        // Four times the file's length, unbroken, and nothing in the 0.7 s after stop().
        QVERIFY2(heard.bell.soundSeconds > 1.1 && heard.bell.soundSeconds < 1.4,
                 qPrintable(QString::number(heard.bell.soundSeconds)));
        QVERIFY(heard.bell.rms > kAudibleRms);
        QVERIFY(heard.main.peak < kSilentPeak);
    }

    void newPlayReleasesThePreviousOne() {
        REQUIRE_TEST_SERVER();
        PulseBellOutput out;
        QVERIFY(out.play(QStringLiteral("bell_out"), tone300_, true));
        QVERIFY(out.isPresent());
        QTest::qWait(300);
        // No stop() between the two: the second play() alone must end the looping bell.
        QVERIFY(out.play(QStringLiteral("main_out"), tone1500_, false));
        QVERIFY(out.isPresent());
        const Heard heard = record([] {}, 500);
        out.stop();
        QVERIFY(heard.main.rms > kAudibleRms);
        QVERIFY2(heard.bell.peak < kSilentPeak, "the looping bell went on after the next play()");
    }

    void presenceFollowsPlayAndStop() {
        REQUIRE_TEST_SERVER();
        PulseBellOutput out;
        QVERIFY(!out.isPresent());
        out.stop();
        QVERIFY(out.play(QString(), tone300_, false));
        QVERIFY(out.isPresent());
        QTest::qWait(500);
        QVERIFY2(out.isPresent(), "a bell that ended keeps its objects until stop()");
        out.stop();
        out.stop();
        QVERIFY(!out.isPresent());
    }

    void unplayableFilesReturnFalse_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("not a sound") << QStringLiteral("garbage.wav");
        QTest::newRow("no frames") << QStringLiteral("empty.wav");
        QTest::newRow("missing") << QStringLiteral("missing.wav");
        QTest::newRow("a folder") << QString();
    }
    void unplayableFilesReturnFalse() {
        REQUIRE_TEST_SERVER();
        QFETCH(QString, file);
        PulseBellOutput out;
        QVERIFY(out.play(QString(), tone300_, true));
        QVERIFY(!out.play(QStringLiteral("bell_out"), path(file), false));
        QVERIFY(!out.isPresent());
    }

    void withoutServerNothingPlaysAndNothingBreaks() {
        const QByteArray saved = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER",
                QFile::encodeName(QStringLiteral("unix:") + path(QStringLiteral("none.sock"))));
        PulseBellOutput out;
        const QList<OutputDevice> devices = out.devices();
        const bool played = out.play(QString(), tone300_, false);
        const bool present = out.isPresent();
        out.stop();
        const auto length = out.lengthMs(tone300_);
        if (saved.isNull()) {
            qunsetenv("PULSE_SERVER");
        } else {
            qputenv("PULSE_SERVER", saved);
        }
        QCOMPARE(devices.size(), 1);
        QVERIFY(devices[0].id.isEmpty());
        QVERIFY(!played);
        QVERIFY(!present);
        QCOMPARE(length, std::optional<qint64>(300));
    }

    // Last: takes the bell sink away (cleanupTestCase puts it back).
    void vanishedSinkFallsBackToDefault() {
        REQUIRE_TEST_SERVER();
        const QString modules =
            pulsetools::pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")})
                .value_or(QString());
        QString moduleIndex;
        for (const QString& line : modules.split(QLatin1Char('\n'))) {
            if (line.contains(QStringLiteral("sink_name=bell_out"))) {
                moduleIndex = line.section(QLatin1Char('\t'), 0, 0);
            }
        }
        QVERIFY(!moduleIndex.isEmpty());
        QVERIFY(pulsetools::pactl({QStringLiteral("unload-module"), moduleIndex}));
        bellSinkUnloaded_ = true;

        PulseBellOutput out;
        QCOMPARE(out.devices().size(), 2);
        Recorder main(QStringLiteral("main_out"), recordingPath());
        QVERIFY(main.waitLive());
        QVERIFY(out.play(QStringLiteral("bell_out"), tone300_, false));
        QTest::qWait(700);
        const Level heard = main.finish();
        QVERIFY(heard.rms > kAudibleRms);
        QVERIFY(qAbs(heard.soundSeconds - 0.3) < 0.06);

        reloadBellSink();
        bellSinkUnloaded_ = false;
        QCOMPARE(out.devices().size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestPulseBellOutput)
#include "tst_pulsebelloutput.moc"
