// PulseBellOutput against the private sound server: which sink sounds, how much of the file is played,
// looping, stopping, falling back to the default sink, the device list following the server, a stopped
// or vanished server, and files that change between two bells.
#include "core/bells/linux/belloutput_pulse.h"

#include "core/bells/linux/mixer_pulse.h"
#include "core/bells/linux/pulseconnection.h"

#include "pulsetools.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

using pulsetools::Level;
using pulsetools::Recorder;

namespace {

constexpr double kAudibleRms = 0.05;  // the test tones have an RMS of about 0.35
constexpr double kSilentPeak = 0.001;
constexpr int kAnswerMs = 3000;  // the longest the server may take to show a change

// What each sink's monitor recorded.
struct Heard {
    Level main;
    Level bell;
};

bool onMainThread() {
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

// How many clients of the server carry the application name.
int clientsNamed(const QString& name) {
    const QString clients =
        pulsetools::pactl({QStringLiteral("list"), QStringLiteral("clients")}).value_or(QString());
    return static_cast<int>(clients.count(QStringLiteral("application.name = \"%1\"").arg(name)));
}

QString loadNullSink(const QString& name, const QString& description) {
    return pulsetools::pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                              QStringLiteral("sink_name=") + name,
                              QStringLiteral("sink_properties=device.description=") + description})
        .value_or(QString())
        .trimmed();
}

// Writes `seconds` of a 660 Hz tone at half of full scale in `format`, after `noiseSeconds` of
// loud noise (which a variable-rate MP3 packs in far bigger frames than the tone).
bool writeSound(const QString& path, int format, double seconds, int rate = 44100, double noiseSeconds = 0) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = 1;
    info.format = format;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file) {
        return false;
    }
    if ((format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG) {
        int mode = SF_BITRATE_MODE_VARIABLE;
        sf_command(file, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
    }
    const auto noise = static_cast<size_t>(noiseSeconds * rate);
    std::vector<float> samples(noise + static_cast<size_t>(seconds * rate));
    std::srand(7);
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = i < noise ? static_cast<float>(std::rand()) / static_cast<float>(RAND_MAX) - 0.5f
                               : 0.5f * static_cast<float>(std::sin(2 * M_PI * 660.0 * static_cast<double>(i) / rate));
    }
    const auto frames = static_cast<sf_count_t>(samples.size());
    const bool written = sf_writef_float(file, samples.data(), frames) == frames;
    sf_close(file);
    return written;
}

// Rewrites a file: a FLAC's STREAMINFO then says no length, as a streaming encoder leaves it; an
// MP3 loses its first frame, the Xing or Info frame that gives its length.
bool dropLength(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        return false;
    }
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("fLaC") && bytes.size() > 26) {
        bytes[21] = static_cast<char>(bytes[21] & 0xf0);
        bytes.replace(22, 4, QByteArray(4, '\0'));
    } else {
        // An MPEG-1 Layer III frame: 144 * bit rate / sample rate bytes, and one of padding.
        static const int kKbps[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
        static const int kRates[] = {44100, 48000, 32000};
        const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
        if (bytes.size() < 64 || b[0] != 0xff || (b[1] & 0xfe) != 0xfa || (b[2] >> 4) == 0 ||
            (b[2] >> 4) > 14 || ((b[2] >> 2) & 3) == 3 ||
            !(bytes.left(64).contains("Xing") || bytes.left(64).contains("Info"))) {
            return false;
        }
        const int length = 144000 * kKbps[b[2] >> 4] / kRates[(b[2] >> 2) & 3] + ((b[2] >> 1) & 1);
        bytes.remove(0, length);
    }
    return file.resize(0) && file.seek(0) && file.write(bytes) == bytes.size();
}

// The frames libsndfile's own header reading gives the file; -1 when it cannot open it.
long long headerFrames(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) {
        return -1;
    }
    sf_close(file);
    return info.frames;
}

}  // namespace

class TestPulseBellOutput : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString tone1500_, tone300_, stereo48k_, tone2500_, garbage_, empty_;
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

    // Puts the server back as the tests found it, whatever a failed test left behind.
    void cleanup() {
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER") || !pulsetools::pactl({QStringLiteral("info")})) {
            return;
        }
        pulsetools::unloadSink(QStringLiteral("extra_out"));
        if (pulsetools::moduleIndex(QStringLiteral("sink_name=bell_out")).isEmpty()) {
            loadNullSink(QStringLiteral("bell_out"), QStringLiteral("Bell_output"));
        }
        pulsetools::pactl({QStringLiteral("set-sink-mute"), QStringLiteral("main_out"), QStringLiteral("0")});
    }

    void lengthIsFramesOverRate() {
        PulseConnection pulse("corvalin-bell-test");
        PulseBellOutput out(pulse);
        QCOMPARE(out.lengthMs(tone2500_), std::optional<qint64>(2500));
        QCOMPARE(out.lengthMs(stereo48k_), std::optional<qint64>(800));
        QCOMPARE(out.lengthMs(tone300_), std::optional<qint64>(300));
        QCOMPARE(out.lengthMs(garbage_), std::nullopt);
        QCOMPARE(out.lengthMs(path(QStringLiteral("missing.wav"))), std::nullopt);
        QCOMPARE(out.lengthMs(dir_.path()), std::nullopt);
    }

    void devicesListDefaultThenEverySink() {
        REQUIRE_TEST_SERVER();
        PulseConnection pulse("corvalin-bell-test");
        PulseBellOutput out(pulse);
        const QList<OutputDevice> devices = out.devices();
        QCOMPARE(devices.size(), 3);
        QVERIFY(devices[0].id.isEmpty());
        QVERIFY(!devices[0].description.isEmpty());
        QCOMPARE(devices[1].id, QStringLiteral("main_out"));
        QCOMPARE(devices[1].description, QStringLiteral("Main_output"));
        QCOMPARE(devices[2].id, QStringLiteral("bell_out"));
        QCOMPARE(devices[2].description, QStringLiteral("Bell_output"));
    }

    // A sink loaded or unloaded on the server shows in the list on the same connection, and the
    // handler hears of it on the main thread.
    void devicesFollowTheServer() {
        REQUIRE_TEST_SERVER();
        const QString client = QStringLiteral("corvalin-devices-test");
        PulseConnection pulse(client.toUtf8().constData());
        PulseBellOutput out(pulse);
        int changes = 0;
        bool offMainThread = false;
        out.setDevicesChangedHandler([&] {
            ++changes;
            offMainThread = offMainThread || !onMainThread();
        });
        QCOMPARE(clientsNamed(client), 1);

        QVERIFY(!loadNullSink(QStringLiteral("extra_out"), QStringLiteral("Extra_output")).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(out.devices().size(), 4, kAnswerMs);
        QCOMPARE(out.devices().at(3).id, QStringLiteral("extra_out"));
        QCOMPARE(out.devices().at(3).description, QStringLiteral("Extra_output"));
        QTRY_VERIFY_WITH_TIMEOUT(changes >= 1, kAnswerMs);
        const int afterLoad = changes;

        QVERIFY(pulsetools::pactl({QStringLiteral("unload-module"),
                                   pulsetools::moduleIndex(QStringLiteral("sink_name=extra_out"))}));
        QTRY_COMPARE_WITH_TIMEOUT(out.devices().size(), 3, kAnswerMs);
        QCOMPARE(out.devices().at(2).id, QStringLiteral("bell_out"));
        QTRY_VERIFY_WITH_TIMEOUT(changes > afterLoad, kAnswerMs);

        QVERIFY(!offMainThread);
        QCOMPARE(clientsNamed(client), 1);
        QVERIFY(pulse.isReady());

        // A handler taken away is not called any more.
        out.setDevicesChangedHandler(nullptr);
        const int before = changes;
        QVERIFY(!loadNullSink(QStringLiteral("extra_out"), QStringLiteral("Extra_output")).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(out.devices().size(), 4, kAnswerMs);
        QTest::qWait(100);
        QCOMPARE(changes, before);
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
        PulseConnection pulse("corvalin-bell-test");
        PulseBellOutput out(pulse);
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

    // A bell in each format libsndfile reads rings whole, and its length, which the mute of the
    // default card lasts, is the length of what sounds: also for a FLAC whose header does not say
    // it and for a variable-rate MP3 with no Xing frame, whose length the header only guesses.
    void everyFormatRingsWholeForItsLength() {
        REQUIRE_TEST_SERVER();
        const struct {
            QString name;
            int format;
            int rate;
            bool lengthDropped;
        } sounds[] = {
            {QStringLiteral("tone.flac"), SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, false},
            {QStringLiteral("tone.ogg"), SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, false},
            {QStringLiteral("tone.opus"), SF_FORMAT_OGG | SF_FORMAT_OPUS, 48000, false},
            {QStringLiteral("tone.mp3"), SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100, false},
            {QStringLiteral("unsaid.flac"), SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, true},
            {QStringLiteral("bare.mp3"), SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 44100, true},
        };
        PulseConnection pulse("corvalin-bell-test");
        PulseBellOutput out(pulse);
        for (const auto& sound : sounds) {
            const QString file = path(sound.name);
            const bool mp3 = (sound.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG;
            // 2.5 s: a tone, after 0.5 s of noise in the MP3 whose length is guessed.
            const double noise = mp3 && sound.lengthDropped ? 0.5 : 0.0;
            QVERIFY2(writeSound(file, sound.format, 2.5 - noise, sound.rate, noise), qPrintable(sound.name));
            if (sound.lengthDropped) {
                QVERIFY2(dropLength(file), qPrintable(sound.name));
                // What makes it awkward: the header says nothing, or far less than it holds.
                const long long said = headerFrames(file);
                QVERIFY2(said == SF_COUNT_MAX || said < 2 * sound.rate, qPrintable(sound.name));
            }
            const std::optional<qint64> length = out.lengthMs(file);
            QVERIFY2(length, qPrintable(sound.name));
            // Exact, but for an MP3 with no Xing frame, which keeps its encoder's delay and padding.
            const qint64 most = mp3 && sound.lengthDropped ? 2600 : 2500;
            QVERIFY2(*length >= 2500 && *length <= most,
                     qPrintable(QStringLiteral("%1 lasts %2 ms").arg(sound.name).arg(*length)));
            bool played = false;
            const Heard heard = record([&] { played = out.play(QStringLiteral("bell_out"), file, false); }, 3200);
            out.stop();
            QVERIFY2(played, qPrintable(sound.name));
            QVERIFY2(heard.bell.rms > kAudibleRms, qPrintable(sound.name));
            QVERIFY2(qAbs(heard.bell.soundSeconds - 2.5) < 0.08,
                     qPrintable(QStringLiteral("%1 sounded %2 s").arg(sound.name).arg(heard.bell.soundSeconds)));
        }
    }

    void playWithoutNamedSinkUsesDefault_data() {
        QTest::addColumn<QString>("deviceId");
        QTest::newRow("default entry") << QString();
        QTest::newRow("unknown sink") << QStringLiteral("no_such_sink");
    }
    void playWithoutNamedSinkUsesDefault() {
        REQUIRE_TEST_SERVER();
        QFETCH(QString, deviceId);
        PulseConnection pulse("corvalin-bell-test");
        PulseBellOutput out(pulse);
        bool played = false;
        const Heard heard = record([&] { played = out.play(deviceId, tone300_, false); }, 700);
        QVERIFY(played);
        QVERIFY(heard.main.rms > kAudibleRms);
        QVERIFY(heard.bell.peak < kSilentPeak);
    }

    void loopGoesOnUntilStopThenSilence() {
        REQUIRE_TEST_SERVER();
        PulseConnection pulse("corvalin-bell-test");
        PulseBellOutput out(pulse);
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
        PulseConnection pulse("corvalin-bell-test");
        PulseBellOutput out(pulse);
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

    // A prepared bell waits on the server, corked and silent; the play() of the same device, file
    // and loop starts that very stream (no second one is made), whole, even a sound shorter than
    // the pre-buffer. Other plays leave it waiting, and a dropped one never sounds.
    void preparedBellWaitsSilentThenStartsWhole() {
        REQUIRE_TEST_SERVER();
        PulseConnection pulse("corvalin-bell-test");
        PulseBellOutput out(pulse);
        const QString tone100 = path(QStringLiteral("tone100.wav"));
        auto corked = [](const char* state) {
            const QString inputs =
                pulsetools::pactl({QStringLiteral("list"), QStringLiteral("sink-inputs")}).value_or(QString());
            return inputs.count(QStringLiteral("Corked: ") + QLatin1String(state));
        };
        QVERIFY(out.prepare(QStringLiteral("bell_out"), tone100, false));
        const Heard waiting = record([] {}, 600);
        QVERIFY(waiting.bell.peak < kSilentPeak);
        QTRY_COMPARE_WITH_TIMEOUT(corked("yes"), 1, kAnswerMs);

        const Heard started = record([&] { QVERIFY(out.play(QStringLiteral("bell_out"), tone100, false)); }, 600);
        QVERIFY(started.bell.rms > kAudibleRms);
        QVERIFY2(started.bell.soundSeconds > 0.07 && started.bell.soundSeconds < 0.2,
                 qPrintable(QString::number(started.bell.soundSeconds)));
        QCOMPARE(corked("yes"), 0);
        out.stop();

        QVERIFY(out.prepare(QStringLiteral("bell_out"), tone300_, false));
        const Heard other = record(
            [&] {
                QVERIFY(out.play(QStringLiteral("main_out"), tone300_, false));  // another device
                QTest::qWait(400);
                out.dropPrepared();
            },
            500);
        QVERIFY(other.main.rms > kAudibleRms);
        QVERIFY(other.bell.peak < kSilentPeak);
        out.stop();
        QTRY_COMPARE_WITH_TIMEOUT(corked("yes") + corked("no"), 0, kAnswerMs);
    }

    void presenceFollowsPlayAndStop() {
        REQUIRE_TEST_SERVER();
        PulseConnection pulse("corvalin-bell-test");
        PulseBellOutput out(pulse);
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
        PulseConnection pulse("corvalin-bell-test");
        PulseBellOutput out(pulse);
        QVERIFY(out.play(QString(), tone300_, true));
        QVERIFY(!out.play(QStringLiteral("bell_out"), path(file), false));
        QVERIFY(!out.isPresent());
    }

    // Decoded sounds are kept, but a file rewritten in place (same size, another tone) is read
    // again, and a removed one does not play from memory.
    void changedFileIsDecodedAgain() {
        REQUIRE_TEST_SERVER();
        const QString file = path(QStringLiteral("changing.wav"));
        QVERIFY(pulsetools::writeTone(file, 0.5, 1500.0));
        const qint64 size = QFileInfo(file).size();
        PulseConnection pulse("corvalin-bell-test");
        PulseBellOutput out(pulse);

        const Heard first = record([&] { QVERIFY(out.play(QStringLiteral("bell_out"), file, false)); }, 1000);
        out.stop();
        QVERIFY2(qAbs(first.bell.hertz - 1500) < 150, qPrintable(QString::number(first.bell.hertz)));

        QVERIFY(pulsetools::writeTone(file, 0.5, 500.0));
        QCOMPARE(QFileInfo(file).size(), size);
        const Heard second =
            record([&] { QVERIFY(out.play(QStringLiteral("bell_out"), file, false)); }, 1000);
        out.stop();
        QVERIFY2(qAbs(second.bell.hertz - 500) < 50, qPrintable(QString::number(second.bell.hertz)));
        QVERIFY(qAbs(second.bell.soundSeconds - 0.5) < 0.06);

        QVERIFY(QFile::remove(file));
        QVERIFY(!out.play(QStringLiteral("bell_out"), file, false));
        QVERIFY(!out.isPresent());
    }

    // A stopped server (it keeps its socket, answers nothing) holds up none of the calls; what was
    // asked meanwhile is done once it goes on, and bells sound again.
    void stoppedServerHoldsNothingUp() {
        REQUIRE_TEST_SERVER();
        PulseConnection pulse("corvalin-bell-test");
        PulseBellOutput out(pulse);
        PulseMixer mixer(pulse);
        auto closing = std::make_unique<PulseConnection>("corvalin-closing-test");
        auto closingMixer = std::make_unique<PulseMixer>(*closing);
        QVERIFY(pulse.isReady());
        QVERIFY(closing->isReady());
        {
            pulsetools::ServerPause pause;
            QVERIFY2(pause.active(), "cannot stop the test server");
            QElapsedTimer timer;
            timer.start();
            const bool looped = out.play(QStringLiteral("bell_out"), tone1500_, true);
            out.stop();
            const bool played = out.play(QStringLiteral("bell_out"), tone300_, false);
            const bool muted = mixer.setMute(true);
            const QList<OutputDevice> devices = out.devices();
            const qint64 callsMs = timer.elapsed();

            // The end of a connection with a request out waits for its answer, but not for ever.
            // (The same mute as above: the server may handle the two connections in either order.)
            QVERIFY(closingMixer->setMute(true));
            closingMixer.reset();
            timer.restart();
            closing.reset();
            const qint64 closeMs = timer.elapsed();

            // A connection made now waits for the server, but not for ever either.
            timer.restart();
            bool lateReady = true;
            {
                PulseConnection late("corvalin-late-test");
                lateReady = late.isReady();
            }
            const qint64 lateMs = timer.elapsed();

            QVERIFY(looped);
            QVERIFY(played);
            QVERIFY(muted);
            QCOMPARE(devices.size(), 3);
            QVERIFY2(callsMs < 1000, qPrintable(QString::number(callsMs)));
            QVERIFY2(closeMs < 2500, qPrintable(QString::number(closeMs)));
            QVERIFY(!lateReady);
            QVERIFY2(lateMs < 3000, qPrintable(QString::number(lateMs)));
        }
        // The mute asked while the server was stopped arrives once it goes on.
        QTRY_VERIFY_WITH_TIMEOUT(pulsetools::sinkMuted(QStringLiteral("main_out")), kAnswerMs);
        QVERIFY(mixer.setMute(false));
        QTRY_VERIFY_WITH_TIMEOUT(!pulsetools::sinkMuted(QStringLiteral("main_out")), kAnswerMs);
        QVERIFY(pulse.isReady());

        out.stop();
        QTest::qWait(300);  // the bell played from the server's backlog ends
        bool playedAfter = false;
        const Heard heard =
            record([&] { playedAfter = out.play(QStringLiteral("bell_out"), tone300_, false); }, 700);
        out.stop();
        QVERIFY(playedAfter);
        QVERIFY(heard.bell.rms > kAudibleRms);
        QVERIFY(qAbs(heard.bell.soundSeconds - 0.3) < 0.06);
        QVERIFY(heard.main.peak < kSilentPeak);
    }

    // The server's socket goes away under a looping bell and comes back: the failure is reported on
    // the main thread, nothing plays meanwhile, and afterwards the same output plays again.
    void connectionComesBackAfterTheServerDid() {
        REQUIRE_TEST_SERVER();
        PulseConnection pulse("corvalin-bell-test");
        PulseBellOutput out(pulse);
        QStringList failures;
        bool offMainThread = false;
        out.setFailureHandler([&](const QString& reason) {
            failures.append(reason);
            offMainThread = offMainThread || !onMainThread();
        });
        QVERIFY(out.play(QStringLiteral("bell_out"), tone300_, true));
        QTest::qWait(200);
        {
            pulsetools::SocketOutage outage;
            QVERIFY(outage.goAway());
            QTRY_VERIFY_WITH_TIMEOUT(!pulse.isReady(), kAnswerMs);
            QTRY_COMPARE_WITH_TIMEOUT(failures.size(), 1, kAnswerMs);
            QVERIFY(!failures.first().isEmpty());
            QVERIFY(out.isPresent());
            QCOMPARE(out.devices().size(), 1);
            QVERIFY(!out.play(QStringLiteral("bell_out"), tone300_, false));
            QVERIFY(!out.isPresent());
            QVERIFY(outage.comeBack());
        }
        QTRY_VERIFY_WITH_TIMEOUT(pulse.isReady(), 3 * PulseConnection::kLastRetryMs + kAnswerMs);
        QCOMPARE(out.devices().size(), 3);
        bool played = false;
        const Heard heard =
            record([&] { played = out.play(QStringLiteral("bell_out"), tone300_, false); }, 700);
        out.stop();
        QVERIFY(played);
        QVERIFY(heard.bell.rms > kAudibleRms);
        QVERIFY(qAbs(heard.bell.soundSeconds - 0.3) < 0.06);
        QCOMPARE(failures.size(), 1);
        QVERIFY(!offMainThread);
    }

    void withoutServerNothingPlaysAndNothingBreaks() {
        const QByteArray saved = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER",
                QFile::encodeName(QStringLiteral("unix:") + path(QStringLiteral("none.sock"))));
        QList<OutputDevice> devices;
        bool ready = true, played = true, present = true;
        std::optional<qint64> length;
        {
            PulseConnection pulse("corvalin-bell-test");
            PulseBellOutput out(pulse);
            ready = pulse.isReady();
            devices = out.devices();
            played = out.play(QString(), tone300_, false);
            present = out.isPresent();
            out.stop();
            length = out.lengthMs(tone300_);
        }
        if (saved.isNull()) {
            qunsetenv("PULSE_SERVER");
        } else {
            qputenv("PULSE_SERVER", saved);
        }
        QVERIFY(!ready);
        QCOMPARE(devices.size(), 1);
        QVERIFY(devices[0].id.isEmpty());
        QVERIFY(!played);
        QVERIFY(!present);
        QCOMPARE(length, std::optional<qint64>(300));
    }

    // A bell meant for a sink that went away sounds on the default sink, both when the list already
    // knows it is gone and when it goes between the last list and the stream.
    void vanishedSinkFallsBackToDefault() {
        REQUIRE_TEST_SERVER();
        PulseConnection pulse("corvalin-bell-test");
        PulseBellOutput out(pulse);
        int failures = 0;
        out.setFailureHandler([&](const QString&) { ++failures; });

        QVERIFY(pulsetools::pactl({QStringLiteral("unload-module"),
                                   pulsetools::moduleIndex(QStringLiteral("sink_name=bell_out"))}));
        QTRY_COMPARE_WITH_TIMEOUT(out.devices().size(), 2, kAnswerMs);

        Recorder main(QStringLiteral("main_out"), recordingPath());
        QVERIFY(main.waitLive());
        QVERIFY(out.play(QStringLiteral("bell_out"), tone300_, false));
        QTest::qWait(700);
        const Level onMain = main.finish();
        QVERIFY(onMain.rms > kAudibleRms);
        QVERIFY(qAbs(onMain.soundSeconds - 0.3) < 0.06);

        QVERIFY(!loadNullSink(QStringLiteral("bell_out"), QStringLiteral("Bell_output")).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(out.devices().size(), 3, kAnswerMs);
        // The connection's thread is held while the sink goes, so the list still has it at play().
        bool played = false;
        const Heard heard = record(
            [&] {
                PulseConnection::Lock hold(pulse);
                QVERIFY(pulsetools::pactl({QStringLiteral("unload-module"),
                                           pulsetools::moduleIndex(QStringLiteral("sink_name=bell_out"))}));
                QCOMPARE(out.devices().size(), 3);
                played = out.play(QStringLiteral("bell_out"), tone300_, false);
            },
            700);
        out.stop();
        QVERIFY(played);
        QVERIFY(heard.main.rms > kAudibleRms);
        QVERIFY(qAbs(heard.main.soundSeconds - 0.3) < 0.06);
        QCOMPARE(failures, 0);
    }
};

QTEST_GUILESS_MAIN(TestPulseBellOutput)
#include "tst_pulsebelloutput.moc"
