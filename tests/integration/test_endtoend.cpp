// The built program from end to end: a copy of the program folder with a prepared data folder,
// started under a faked clock a few seconds before a bell, against the test sound server.
// The bell must be heard on the bell sink within the first second of its minute, once, and
// not on the default sink; on a day of the school calendar it follows the calendar instead.
#include <sndfile.h>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include <sys/types.h>
#include <csignal>

#include "programcopy.h"
#include "sound/pulsetools.h"

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QVERIFY(writeWholeFile(path, bytes));
}

using pulsetools::Burst;
using pulsetools::bursts;

struct Run {
    QList<double> bellOnsets;   // on the bell sink, relative to the program's start
    QList<double> bellLengths;  // how long each of those sounded
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
    for (const Burst& b : bursts(records.path() + "/bell.wav")) {
        run.bellOnsets.append(b.start - bellAtLaunch);
        run.bellLengths.append(b.end - b.start);
    }
    for (const Burst& b : bursts(records.path() + "/main.wav")) {
        run.mainOnsets.append(b.start - mainAtLaunch);
    }
    return run;
}

// A program folder with "Auto execution" on and the bell sink as its card, ringing `weekList`
// ("Manual input", "Apply week"); `more` are further files of data/.
QString preparedFolder(QTemporaryDir& dir, const QByteArray& weekList,
                       const QList<QPair<QString, QByteArray>>& more = {}) {
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
    writeFile(data + "snd.ini",
              QByteArray::number(pulsetools::sinkPosition("bell_out")).prepend(' ').append(" \r\n"));
    for (const auto& [name, bytes] : more) {
        writeFile(data + name, bytes);
    }
    return folder;
}

// A display of its own (Xvfb) that can be made to stop answering, as a hung display server or
// compositor does; it always goes on again and ends with this object.
class TestDisplay {
public:
    TestDisplay() {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        if (xvfb.isEmpty()) {
            return;
        }
        server_.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"});
        if (server_.waitForStarted() && server_.waitForReadyRead(10000)) {
            name_ = ":" + QString::fromLatin1(server_.readAllStandardOutput()).trimmed();
        }
    }
    ~TestDisplay() {
        answer();
        server_.kill();
        server_.waitForFinished();
    }
    TestDisplay(const TestDisplay&) = delete;
    TestDisplay& operator=(const TestDisplay&) = delete;
    const QString& name() const { return name_; }
    void hang() { ::kill(static_cast<pid_t>(server_.processId()), SIGSTOP); }
    void answer() {
        if (server_.processId() > 0) {
            ::kill(static_cast<pid_t>(server_.processId()), SIGCONT);
        }
    }

private:
    QProcess server_;
    QString name_;
};

// Voluntary context switches of a program's main thread: how often it went to wait for
// something and came back.
qint64 mainThreadWakeUps(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/task/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("voluntary_ctxt_switches:")) {
            return line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
    }
    return -1;
}

QByteArray readRingLog(const QString& folder) {
    QFile log(folder + "/data/ring.log");
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray("<no ring log>");
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

    // A holiday today: the service runs, and the bell of the day's list keeps quiet.
    void holidayRingsNoBell() {
        QTemporaryDir dir;
        const QString folder = preparedFolder(dir, "08hr 50min/0-e2e-tone.wav\r\n",
                                              {{"calendar.ini", "2026-12-07,2026-12-08,0,Snow days\r\n"}});
        QVERIFY(!folder.isEmpty());
        const Run run = runProgram(folder, "2026-12-07 08:49:55", 9);
        qInfo() << "bell onsets" << run.bellOnsets << "main onsets" << run.mainOnsets;
        QVERIFY(run.bellOnsets.isEmpty());
        QVERIFY(run.mainOnsets.isEmpty());
        const QByteArray log = readRingLog(folder);
        QVERIFY2(log.contains("calendar: Snow days: no bells (2026-12-07 to 2026-12-08) for 2026-12-07"),
                 log.constData());
        QVERIFY2(!log.contains("scheduled"), log.constData());
    }

    // An exam day on template 2: the template's bell (a 2.5 s sound of its own) sounds at its
    // minute, and the day's own bell (1 s) at the same minute does not.
    void examDayRingsTheTemplateInsteadOfTheDaysList() {
        QTemporaryDir dir;
        const QString folder = preparedFolder(dir, "08hr 50min/0-e2e-tone.wav\r\n",
                                              {{"calendar.ini", "2026-12-07,2026-12-07,2,Exam day\r\n"},
                                               {"mdata_9.ini", " 0 \r\n08hr 50min/1-exam-tone.wav\r\n"}});
        QVERIFY(!folder.isEmpty());
        QVERIFY(pulsetools::writeTone(folder + "/sound/1-exam-tone.wav", 2.5, 660.0));
        const Run run = runProgram(folder, "2026-12-07 08:49:55", 10);
        qInfo() << "bell onsets" << run.bellOnsets << "lengths" << run.bellLengths;
        QCOMPARE(run.bellOnsets.size(), 1);
        QVERIFY2(run.bellOnsets.first() > 5.0 - 0.3 && run.bellOnsets.first() < 6.0,
                 qPrintable(QString::number(run.bellOnsets.first())));
        QVERIFY2(run.bellLengths.first() > 2.3 && run.bellLengths.first() < 2.7,
                 qPrintable(QString::number(run.bellLengths.first())));
        const QByteArray log = readRingLog(folder);
        QVERIFY2(log.contains("calendar: Exam day: ring templet 2 (2026-12-07) for 2026-12-07"),
                 log.constData());
        QVERIFY2(log.contains("scheduled 08:50 1-exam-tone.wav on Bell_output"), log.constData());
        QVERIFY2(!log.contains("0-e2e-tone.wav"), log.constData());
    }

    // The display stops answering while the main window is on it, across two bell minutes: both
    // bells start on their minutes all the same, from the bell thread.
    void bellsRingWhileTheDisplayHangs() {
        TestDisplay display;
        if (display.name().isEmpty()) {
            QSKIP("Xvfb is not installed");
        }
        QTemporaryDir dir;
        const QString folder =
            preparedFolder(dir, "11hr 00min/0-e2e-tone.wav\r\n11hr 01min/0-e2e-tone.wav\r\n");
        QVERIFY(!folder.isEmpty());
        QTemporaryDir records;
        pulsetools::Recorder bell("bell_out", records.path() + "/bell.wav");
        QVERIFY(bell.waitLive());

        // The program's clock is this machine's shifted by whole seconds, so that its minutes
        // begin on this machine's whole seconds: it starts at 10:59:55 and some milliseconds.
        const QDateTime real = QDateTime::currentDateTime();
        const QDateTime wanted(real.date(), QTime(10, 59, 55));
        const qint64 offset =
            QDateTime(real.date(), real.time().addMSecs(-real.time().msec())).secsTo(wanted);
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("DISPLAY", display.name());
        env.insert("LD_PRELOAD", fakeTimeLibrary());
        env.insert("FAKETIME", QStringLiteral("%1%2s").arg(offset < 0 ? "-" : "+").arg(qAbs(offset)));
        keepDesktopApart(env, records.path() + "/desktop");
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(folder + "/Corvalin");
        QVERIFY(program.waitForStarted());
        QTest::qWait(3000);  // the window is on the display, its clock ticking
        display.hang();
        QTest::qWait(3000);
        // Nothing comes back from the display: the window's thread waits for it.
        const qint64 before = mainThreadWakeUps(program.processId());
        QTest::qWait(3000);
        const qint64 after = mainThreadWakeUps(program.processId());
        QTest::qWait(62000);  // past 11:01:05
        display.answer();
        QTest::qWait(1000);
        program.terminate();
        program.waitForFinished(5000);
        bell.finish();

        const QByteArray log = readRingLog(folder);
        qInfo() << "window thread wake-ups while the display hung:" << before << after;
        qInfo().noquote() << log;
        QVERIFY2(before >= 0 && before == after, "the window's thread went on while the display hung");
        const auto onsets = bursts(records.path() + "/bell.wav");
        QCOMPARE(onsets.size(), 2);
        // Both bells, each on its minute: the ring log gives the moment each started.
        for (const char* minute : {"11:00", "11:01"}) {
            const QRegularExpression line(
                QStringLiteral("\\d{4}-\\d\\d-\\d\\d %1:(\\d\\d)\\.(\\d{3}) scheduled %1 ")
                    .arg(QString::fromLatin1(minute)));
            const auto match = line.match(QString::fromUtf8(log));
            QVERIFY2(match.hasMatch(), minute);
            QCOMPARE(match.captured(1), QString("00"));
            QVERIFY2(match.captured(2).toInt() < 100, qPrintable(match.captured(0)));
        }
    }
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "test_endtoend.moc"
