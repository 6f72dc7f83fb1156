// The sound server restarts around a bell, as after an update or a crash, on PulseAudio and on
// PipeWire's PulseAudio service alike: the built program, under a clock shifted by whole seconds so
// that its minutes begin on this machine's whole seconds, against the test server.
#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "programcopy.h"
#include "sound/pulsetools.h"

namespace {

// The program with one bell at the minute after the next one: "Auto execution", the bell sink,
// "No sound at bell" on, a tone of `seconds`. It starts seven seconds before that minute.
class Program {
public:
    Program(const QTemporaryDir& dir, double seconds) : folder_(dir.path() + "/Corvalin") {
        const QDateTime real = QDateTime::currentDateTime();
        const QDateTime startAt = QDateTime(real.date(), QTime(10, 59, 53));
        offset_ = QDateTime(real.date(), real.time().addMSecs(-real.time().msec())).secsTo(startAt);
        if (!copyProgramFolder(QFileInfo(QStringLiteral(CORVALIN_EXE)).absolutePath(), folder_) ||
            !pulsetools::writeTone(folder_ + "/sound/0-restart-tone.wav", seconds, 880.0)) {
            return;
        }
        const QString data = folder_ + "/data/";
        ready_ =
            writeWholeFile(data + "data.ini", " 1 \r\n 0 \r\n 2 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n 0 \r\n") &&
            writeWholeFile(data + "mdata.ini", "11hr 00min/0-restart-tone.wav\r\n") &&
            writeWholeFile(data + "snd.ini",
                           " " + QByteArray::number(pulsetools::sinkPosition("bell_out")) + " \r\n");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LD_PRELOAD", fakeTimeLibrary());
        env.insert("FAKETIME", QStringLiteral("%1%2s").arg(offset_ < 0 ? "-" : "+").arg(qAbs(offset_)));
        keepDesktopApart(env, dir.path() + "/desktop");
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
    }
    ~Program() {
        process_.terminate();
        process_.waitForFinished(5000);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool start() {
        if (!ready_) {
            return false;
        }
        process_.start(folder_ + "/Corvalin");
        started_.start();
        return process_.waitForStarted();
    }
    // Waits until this many seconds after the bell's minute began (negative: before it).
    void waitUntilBell(double seconds) const {
        const qint64 due = 7000 + static_cast<qint64>(seconds * 1000);
        QTest::qWait(static_cast<int>(std::max<qint64>(0, due - started_.elapsed())));
    }
    QString ringLog() const {
        QFile log(folder_ + "/data/ring.log");
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }
    // How long after 11:00:00 each line of the 11:00 bell says it started, in seconds.
    QList<double> bellStarts() const {
        QList<double> starts;
        static const QRegularExpression line(R"(\d{4}-\d\d-\d\d 11:00:(\d\d\.\d{3}) scheduled 11:00 )");
        auto it = line.globalMatch(ringLog());
        while (it.hasNext()) {
            starts.append(it.next().captured(1).toDouble());
        }
        return starts;
    }

private:
    QString folder_;
    qint64 offset_ = 0;
    bool ready_ = false;
    QProcess process_;
    QElapsedTimer started_;
};

}  // namespace

class TestServerRestart : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        REQUIRE_TEST_SERVER();
        if (fakeTimeLibrary().isEmpty()) {
            QSKIP("faketime is not installed");
        }
    }

    // Restarted one second before the minute: the bell starts within 1.5 s of it, once, and a few
    // seconds after it ended no stream of the program is left on the server.
    void restartedJustBeforeABell() {
        QTemporaryDir dir;
        Program program(dir, 1.0);
        QVERIFY(program.start());
        program.waitUntilBell(-1.0);
        QVERIFY(pulsetools::restartServer());
        program.waitUntilBell(5.0);
        const QString log = program.ringLog();
        qInfo().noquote() << log;
        const QList<double> starts = program.bellStarts();
        QCOMPARE(starts.size(), 1);
        QVERIFY2(starts.first() < 1.5, qPrintable(QString::number(starts.first())));
        QVERIFY2(pulsetools::streams().isEmpty(), qPrintable(pulsetools::streams().join('\n')));
    }

    // Restarted while a bell sounds with the default card muted: once the server is back the card
    // is unmuted, never left muted until the next bell.
    void restartedDuringAMutedBell() {
        QTemporaryDir dir;
        Program program(dir, 3.0);
        QVERIFY(program.start());
        program.waitUntilBell(1.0);
        QVERIFY(pulsetools::sinkMuted("main_out"));
        QVERIFY(pulsetools::restartServer());
        program.waitUntilBell(6.0);
        qInfo().noquote() << program.ringLog();
        QVERIFY(!pulsetools::sinkMuted("main_out"));
        QCOMPARE(program.bellStarts().size(), 1);
    }

    void cleanup() { pulsetools::pactl({"set-sink-mute", "main_out", "0"}); }
};

QTEST_GUILESS_MAIN(TestServerRestart)
#include "test_serverrestart.moc"
