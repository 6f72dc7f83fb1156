// The booked power-off of the real program reaches a stand-in for systemd-logind on the test
// command's private system bus exactly once, at the booked minute, with the bell service stopped.
// The real machine is never asked: the program's system bus is the private one.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "programcopy.h"

namespace {

int powerOffCalls(const QString& log) {
    QFile file(log);
    if (!file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    return static_cast<int>(file.readAll().count("PowerOff"));
}

}  // namespace

class TestPowerOff : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bookedMinuteAsksLogindOnce() {
        const QString calls = qEnvironmentVariable("CORVALIN_RUN") + "/logind/calls.log";
        if (qEnvironmentVariableIsEmpty("DBUS_SYSTEM_BUS_ADDRESS") || !QFile::exists(calls)) {
            QSKIP("no private system bus with a logind stand-in: scripts/services/sysbus.sh and logind.sh");
        }
        if (fakeTimeLibrary().isEmpty()) {
            QSKIP("faketime is not installed");
        }
        QTemporaryDir dir;
        const QString folder = dir.path() + "/Corvalin";
        QVERIFY(copyProgramFolder(QFileInfo(QStringLiteral(CORVALIN_EXE)).absolutePath(), folder));
        QVERIFY(writeWholeFile(folder + "/data/exit.ini", " 1 \r\n 17 \r\n 30 \r\n"));
        const int before = powerOffCalls(calls);

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        keepDesktopApart(env, dir.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("LD_PRELOAD", fakeTimeLibrary());
        env.insert("FAKETIME", "@2026-12-07 17:29:57");
        program.setProcessEnvironment(env);
        program.start(folder + "/Corvalin");
        QVERIFY(program.waitForStarted());
        QTRY_COMPARE_WITH_TIMEOUT(powerOffCalls(calls), before + 1, 10000);
        QTest::qWait(3000);  // and only once in the minute
        program.terminate();
        program.waitForFinished(3000);
        QCOMPARE(powerOffCalls(calls), before + 1);
        QFile log(folder + "/data/ring.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("17:30:00"));
    }
};

QTEST_GUILESS_MAIN(TestPowerOff)
#include "test_poweroff.moc"
