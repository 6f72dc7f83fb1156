// The built program from end to end: a copy of the program folder with a prepared data folder,
// started under a faked clock a few seconds before a bell, against the test sound server.
// The bell must be heard on the bell sink within the first second of its minute, once, and
// not on the default sink.
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <sndfile.h>

#include "programcopy.h"
#include "sound/pulsetools.h"

namespace {

void writeFile(const QString& path, const QByteArray& bytes) { QVERIFY(writeWholeFile(path, bytes)); }

// Position of a sink among all sinks in the server's order: the program's list position.
int sinkPosition(const QString& name) {
    const QString sinks = pulsetools::pactl({"list", "short", "sinks"}).value_or(QString());
    QList<QPair<int, QString>> ordered;
    for (const QString& line : sinks.split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.split('\t');
        if (fields.size() > 1) {
            ordered.append({fields.at(0).toInt(), fields.at(1)});
        }
    }
    std::sort(ordered.begin(), ordered.end());
    for (int i = 0; i < ordered.size(); ++i) {
        if (ordered.at(i).second == name) {
            return i;
        }
    }
    return -1;
}

// Starts of sound in a recording (seconds from its beginning): each burst after at least
// `gap` seconds of quiet.
QList<double> onsets(const QString& path, double gap = 1.0) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_READ, &info);
    if (!file) {
        return {};
    }
    std::vector<float> samples(static_cast<size_t>(info.frames * info.channels));
    sf_readf_float(file, samples.data(), info.frames);
    sf_close(file);
    QList<double> starts;
    double lastSound = -1e9;
    for (sf_count_t i = 0; i < info.frames; ++i) {
        if (std::abs(samples[static_cast<size_t>(i * info.channels)]) > 0.02) {
            const double t = static_cast<double>(i) / info.samplerate;
            if (t - lastSound > gap) {
                starts.append(t);
            }
            lastSound = t;
        }
    }
    return starts;
}

// libfaketime, which moves the clock of the process it is loaded into.
QString fakeTimeLibrary() {
    for (const char* path : {"/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1",
                             "/usr/lib/aarch64-linux-gnu/faketime/libfaketimeMT.so.1"}) {
        if (QFile::exists(path)) {
            return path;
        }
    }
    return QString();
}

struct Run {
    QList<double> bellOnsets;  // on the bell sink, relative to the program's start
    QList<double> mainOnsets;
};

// Runs the program under a clock that starts at `fakeStart`, for `seconds`, recording both sinks;
// `meanwhile` runs two seconds after the start.
Run runProgram(const QString& folder, const QString& fakeStart, int seconds,
               const std::function<void()>& meanwhile = {}) {
    QTemporaryDir records;
    pulsetools::Recorder bell("bell_out", records.path() + "/bell.wav");
    pulsetools::Recorder main("main_out", records.path() + "/main.wav");
    if (!bell.waitLive() || !main.waitLive()) {
        return {};
    }
    // Where in each recording the program's start falls.
    auto recorded = [&](const QString& name) {
        return (QFileInfo(records.path() + "/" + name).size() - 44) / (2.0 * 44100);
    };
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("LD_PRELOAD", fakeTimeLibrary());
    env.insert("FAKETIME", "@" + fakeStart);
    keepDesktopApart(env, records.path() + "/desktop");
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    const double bellAtLaunch = recorded("bell.wav");
    const double mainAtLaunch = recorded("main.wav");
    program.start(folder + "/Corvalin");
    program.waitForStarted();
    if (meanwhile) {
        QTest::qWait(2000);
        meanwhile();
        seconds -= 2;
    }
    QTest::qWait(seconds * 1000);
    program.terminate();
    program.waitForFinished(3000);
    bell.finish();
    main.finish();
    Run run;
    for (double t : onsets(records.path() + "/bell.wav")) {
        run.bellOnsets.append(t - bellAtLaunch);
    }
    for (double t : onsets(records.path() + "/main.wav")) {
        run.mainOnsets.append(t - mainAtLaunch);
    }
    return run;
}

QString preparedFolder(QTemporaryDir& dir, const QByteArray& weekList) {
    const QString folder = dir.path() + "/Corvalin";
    if (!copyProgramFolder(QFileInfo(QStringLiteral(CORVALIN_EXE)).absolutePath(), folder)) {
        return QString();
    }
    // Our own test bell: one second of tone, first in the sound list.
    pulsetools::writeTone(folder + "/sound/0-e2e-tone.wav", 1.0, 880.0);
    const QString data = folder + "/data/";
    QDir().mkpath(data);
    writeFile(data + "data.ini", " 1 \r\n 0 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
    writeFile(data + "mdata.ini", weekList);
    writeFile(data + "snd.ini", QByteArray::number(sinkPosition("bell_out")).prepend(' ').append(" \r\n"));
    return folder;
}

}  // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        REQUIRE_TEST_SERVER();
        if (fakeTimeLibrary().isEmpty()) {
            QSKIP("faketime is not installed");
        }
    }

    void bellRingsOnTheBellSinkOnceAtItsMinute() {
        QTemporaryDir dir;
        const QString folder = preparedFolder(dir, "08hr 50min/0-e2e-tone.wav\r\n");
        QVERIFY(!folder.isEmpty());
        const Run run = runProgram(folder, "2026-12-07 08:49:55", 9);
        qInfo() << "bell onsets" << run.bellOnsets << "main onsets" << run.mainOnsets;
        QCOMPARE(run.bellOnsets.size(), 1);
        // 08:50:00 comes five seconds after the start.
        QVERIFY2(run.bellOnsets.first() > 5.0 - 0.3 && run.bellOnsets.first() < 6.0,
                 qPrintable(QString::number(run.bellOnsets.first())));
        QVERIFY(run.mainOnsets.isEmpty());
    }

    // The bell's own sound is deleted after start-up: the bell still sounds at its minute, with
    // the first sound of the folder, and the ring log says what happened.
    void bellWhoseSoundWasDeletedStillRings() {
        QTemporaryDir dir;
        const QString folder = preparedFolder(dir, "08hr 50min/gone.wav\r\n");
        QVERIFY(!folder.isEmpty());
        pulsetools::writeTone(folder + "/sound/gone.wav", 1.0, 440.0);
        const Run run = runProgram(folder, "2026-12-07 08:49:55", 9,
                                   [&] { QVERIFY(QFile::remove(folder + "/sound/gone.wav")); });
        qInfo() << "bell onsets" << run.bellOnsets;
        QCOMPARE(run.bellOnsets.size(), 1);
        QVERIFY2(run.bellOnsets.first() > 5.0 - 0.3 && run.bellOnsets.first() < 6.0,
                 qPrintable(QString::number(run.bellOnsets.first())));
        QFile log(folder + "/data/ring.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray text = log.readAll();
        QVERIFY2(text.contains("problem: gone.wav could not be played"), text.constData());
        QVERIFY2(text.contains("scheduled 08:50 0-e2e-tone.wav on Bell_output"), text.constData());
    }

    void midnightRestartsTheServiceAndRingsTheNewDay() {
        QTemporaryDir dir;
        const QString folder = preparedFolder(dir, "00hr 00min/0-e2e-tone.wav\r\n");
        QVERIFY(!folder.isEmpty());
        const Run run = runProgram(folder, "2026-12-07 23:59:52", 12);
        qInfo() << "bell onsets" << run.bellOnsets;
        QCOMPARE(run.bellOnsets.size(), 1);
        // The first tick of 00:00 restarts the service; the next one rings.
        QVERIFY2(run.bellOnsets.first() > 8.0 - 0.3 && run.bellOnsets.first() < 10.0,
                 qPrintable(QString::number(run.bellOnsets.first())));
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "test_endtoend.moc"
