// The built program run as an ordinary user (not root) with "Internet time" on, against the
// test chronyd (an hour ahead) and the stand-in timedated on the private system bus: it may not
// set the clock itself, so it asks timedated, exactly once in its first 20 s, for a time an hour
// ahead to 0.5 s, and writes the step to its ring log.
#include <unistd.h>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "programcopy.h"

namespace {

constexpr uint kOrdinaryUser = 65534;  // nobody
const QString kTimedate = QStringLiteral("/org/freedesktop/timedate1");
const QString kMock = QStringLiteral("org.freedesktop.DBus.Mock");

QString programFolderOfBuild() {
    return QFileInfo(QStringLiteral(CORVALIN_EXE)).absolutePath();
}

// The uid a running process acts as, from /proc; -1 when it is gone.
long effectiveUid(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("Uid:")) {
            return line.simplified().split(' ').value(2).toLong();
        }
    }
    return -1;
}

// The command a running process is, from /proc.
QByteArray commandName(qint64 pid) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) ? comm.readAll().trimmed() : QByteArray();
}

}  // namespace

// Each SetTime the stand-in receives, with this machine's time when the news came.
class SetTimeCalls : public QObject {
    Q_OBJECT
public:
    struct Call {
        QVariantList args;
        qint64 receivedMs;
    };
    QList<Call> calls;

public Q_SLOTS:
    void methodCalled(const QString& name, const QVariantList& args) {
        if (name == QLatin1String("SetTime")) {
            calls.append({args, QDateTime::currentMSecsSinceEpoch()});
        }
    }
};

class TestTimeSyncTimedated : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void anOrdinaryUsersProgramSetsTheClockThroughTimedated() {
        const QString busAddress = qEnvironmentVariable("DBUS_SYSTEM_BUS_ADDRESS");
        const QString server = qEnvironmentVariable("CORVALIN_CHRONY_SERVER");
        if (busAddress.isEmpty() || server.isEmpty()) {
            QSKIP("no test system bus or chronyd: run scripts/test.sh");
        }
        const qint64 aheadMs = qEnvironmentVariable("CORVALIN_CHRONY_AHEAD").toLongLong() * 1000;
        QDBusConnection bus = QDBusConnection::connectToBus(busAddress, QStringLiteral("test-system-bus"));
        QVERIFY2(bus.isConnected(), qPrintable(bus.lastError().message()));
        const QDBusMessage clear = bus.call(QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.timedate1"), kTimedate, kMock, QStringLiteral("ClearCalls")));
        QCOMPARE(clear.type(), QDBusMessage::ReplyMessage);
        SetTimeCalls seen;
        QVERIFY(bus.connect(QString(), kTimedate, kMock, QStringLiteral("MethodCalled"), &seen,
                            SLOT(methodCalled(QString, QVariantList))));

        // A program folder of the ordinary user's own, with "Internet time" on.
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/Corvalin");
        QVERIFY(copyProgramFolder(programFolderOfBuild(), folder));
        QVERIFY(writeWholeFile(folder + QStringLiteral("/data/data.ini"),
                               " 0 \r\n-1 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n"));
        const bool root = geteuid() == 0;
        if (root) {
            QCOMPARE(QProcess::execute(
                         QStringLiteral("chown"),
                         {QStringLiteral("-R"), QStringLiteral("%1:%1").arg(kOrdinaryUser), dir.path()}),
                     0);
        }

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), folder);
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        env.insert(QStringLiteral("CORVALIN_TIME_SERVER1"), server);
        env.insert(QStringLiteral("CORVALIN_TIME_SERVER2"), QStringLiteral("127.0.0.1:9"));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::MergedChannels);
        QElapsedTimer sinceStart;
        if (root) {
            program.start(QStringLiteral("setpriv"),
                          {QStringLiteral("--reuid=%1").arg(kOrdinaryUser),
                           QStringLiteral("--regid=%1").arg(kOrdinaryUser), QStringLiteral("--clear-groups"),
                           QStringLiteral("--"), folder + QStringLiteral("/Corvalin")});
        } else {
            program.start(folder + QStringLiteral("/Corvalin"));
        }
        QVERIFY(program.waitForStarted());
        sinceStart.start();
        const qint64 startedMs = QDateTime::currentMSecsSinceEpoch();
        QTRY_COMPARE(commandName(program.processId()), QByteArray("Corvalin"));  // setpriv has made way
        QCOMPARE(effectiveUid(program.processId()), long(root ? kOrdinaryUser : geteuid()));
        QVERIFY(effectiveUid(program.processId()) != 0);

        // The first 20 s of the program's life: one request, one SetTime.
        while (sinceStart.elapsed() < 20000) {
            QTest::qWait(100);
            QVERIFY2(program.state() == QProcess::Running, program.readAll().constData());
        }
        const QByteArray output = program.readAll();
        program.terminate();
        QVERIFY(program.waitForFinished(10000));

        QCOMPARE(seen.calls.size(), 1);
        const SetTimeCalls::Call& call = seen.calls.first();
        QCOMPARE(call.args.size(), 3);
        const qint64 askedMs = call.args.at(0).toLongLong() / 1000;
        QCOMPARE(call.args.at(1).toBool(), false);  // an absolute time
        QCOMPARE(call.args.at(2).toBool(), false);  // never a password prompt
        qInfo("SetTime %.3f s after the start, for %.3f s ahead", (call.receivedMs - startedMs) / 1000.0,
              (askedMs - call.receivedMs) / 1000.0);
        QVERIFY2(qAbs(askedMs - call.receivedMs - aheadMs) <= 500,
                 qPrintable(QStringLiteral("asked for %1 ms ahead").arg(askedMs - call.receivedMs)));
        QFile log(folder + QStringLiteral("/data/ring.log"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QByteArray lines = log.readAll();
        const QRegularExpression step(
            QStringLiteral(R"(clock set from \S+ \S+ to \S+ \S+ \(\+(3599\.9\d\d|3600\.0\d\d) s\) by )") +
            QRegularExpression::escape(server));
        QVERIFY2(step.match(QString::fromUtf8(lines)).hasMatch(), (lines + output).constData());
        QVERIFY2(!lines.contains("could not be set"), lines.constData());
    }
};

QTEST_GUILESS_MAIN(TestTimeSyncTimedated)
#include "test_timesync_timedated.moc"
