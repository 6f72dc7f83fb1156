// The program (a window copy, offscreen) under a clock that is stepped while it runs, through
// libfaketime's timestamp file, which the kernel never hears of, each step right after the tick of
// a new minute: the bell that a step forward passed over rings within a second, under its own
// minute; a step back rings nothing twice; the ring log says what the clock did, and when the copy
// ends alone, that the bell service stopped.
#include <QDateTime>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "programcopy.h"
#include "sound/pulsetools.h"

namespace {

QString offsetText(qint64 seconds) {
    return QStringLiteral("%1%2s\n").arg(seconds < 0 ? "-" : "+").arg(qAbs(seconds));
}

// One ring log line: when it was written and what it says.
struct LogLine {
    QDateTime at;
    QString text;
};

QList<LogLine> ringLog(const QString& folder) {
    QList<LogLine> lines;
    QFile file(folder + "/data/ring.log");
    if (!file.open(QIODevice::ReadOnly)) {
        return lines;
    }
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw.trimmed());
        if (line.size() > 24) {
            lines.append({QDateTime::fromString(line.left(23), "yyyy-MM-dd hh:mm:ss.zzz"), line.mid(24)});
        }
    }
    return lines;
}

QString joined(const QList<LogLine>& lines) {
    QStringList all;
    for (const LogLine& line : lines) {
        all << line.at.toString("hh:mm:ss.zzz ") + line.text;
    }
    return all.join('\n');
}

// The positions of the lines that start with `text`.
QList<int> linesStarting(const QList<LogLine>& lines, const QString& text) {
    QList<int> found;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].text.startsWith(text)) {
            found << i;
        }
    }
    return found;
}

// The seconds of a step line: "the clock stepped from ... to ... (+177.000 s)".
double stepSeconds(const QString& text) {
    static const QRegularExpression amount(QStringLiteral("\\(([+-]\\d+\\.\\d+) s\\)$"));
    const auto match = amount.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

}  // namespace

class TestClockStep : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stepsRightAfterAMinutesTick() {
        REQUIRE_TEST_SERVER();
        if (fakeTimeLibrary().isEmpty()) {
            QSKIP("faketime is not installed");
        }
        QTemporaryDir dir;
        const QString folder = dir.path() + "/Corvalin";
        QVERIFY(copyProgramFolder(QFileInfo(QStringLiteral(CORVALIN_EXE)).absolutePath(), folder));
        QVERIFY(pulsetools::writeTone(folder + "/sound/0-tone.wav", 0.5, 880.0));
        // "Auto execution" on, "Manual input", "Apply week"; bells at 08:50 and 08:52.
        const QString data = folder + "/data/";
        const QByteArray card = ' ' + QByteArray::number(pulsetools::sinkPosition("bell_out")) + " \r\n";
        const QByteArray options = " 1 \r\n 0 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n";
        QVERIFY(writeWholeFile(data + "data.ini", options));
        QVERIFY(writeWholeFile(data + "mdata.ini", "08hr 50min/0-tone.wav\r\n08hr 52min/0-tone.wav\r\n"));
        QVERIFY(writeWholeFile(data + "snd.ini", card));

        // The program's clock: this machine's shifted by whole seconds, so that its seconds begin on
        // this machine's, showing 08:48:56 now; the offset is read afresh at every reading.
        const QDateTime real = QDateTime::currentDateTime();
        const QDateTime whole = real.addMSecs(-real.time().msec());
        const QDateTime minute49(whole.date(), QTime(8, 49));
        qint64 offset = whole.secsTo(minute49) - 4;
        const QString offsetFile = dir.path() + "/faketime";
        QVERIFY(writeWholeFile(offsetFile, offsetText(offset).toLatin1()));
        auto realAt = [&](const QTime& fake) {
            return QDateTime(whole.date(), fake).addSecs(-offset);  // while `offset` holds
        };
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        keepDesktopApart(env, dir.path() + "/desktop");
        env.insert("LD_PRELOAD", fakeTimeLibrary());
        env.insert("FAKETIME_TIMESTAMP_FILE", offsetFile);
        env.insert("FAKETIME_NO_CACHE", "1");
        // A step moves the wall clock only, as a real one does.
        env.insert("FAKETIME_DONT_FAKE_MONOTONIC", "1");

        QProcess program;
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(folder + "/Corvalin");
        QVERIFY(program.waitForStarted());

        // 08:49:00.2, just after the tick of 08:49: forward to 08:51:57.2, past the 08:50 bell.
        QTest::qWait(int(QDateTime::currentDateTime().msecsTo(realAt(QTime(8, 49, 0, 200)))));
        offset += 177;
        QVERIFY(writeWholeFile(offsetFile, offsetText(offset).toLatin1()));
        const QDateTime landed(whole.date(), QTime(8, 51, 57, 200));
        // 08:52:00.2, just after the 08:52 bell: back to 08:51:57.2, so that 08:52 comes again.
        QTest::qWait(int(QDateTime::currentDateTime().msecsTo(realAt(QTime(8, 52, 0, 200)))));
        offset -= 3;
        QVERIFY(writeWholeFile(offsetFile, offsetText(offset).toLatin1()));
        QTest::qWait(int(QDateTime::currentDateTime().msecsTo(realAt(QTime(8, 52, 2)))));
        QCOMPARE(program.state(), QProcess::Running);
        program.terminate();
        QVERIFY(program.waitForFinished(5000));

        const QList<LogLine> log = ringLog(folder);
        const QString shown = joined(log) + "\n" + QString::fromLocal8Bit(program.readAll());
        const QList<int> bells50 = linesStarting(log, "scheduled 08:50 ");
        const QList<int> bells52 = linesStarting(log, "scheduled 08:52 ");
        QVERIFY2(bells50.size() == 1 && bells52.size() == 1, qPrintable(shown));
        const QList<int> steps = linesStarting(log, "the clock stepped from ");
        QVERIFY2(steps.size() == 2, qPrintable(shown));
        QVERIFY2(qAbs(stepSeconds(log[steps[0]].text) - 177) < 0.1, qPrintable(shown));
        QVERIFY2(qAbs(stepSeconds(log[steps[1]].text) + 3) < 0.1, qPrintable(shown));
        // The passed-over bell rang on the first tick after the step, told after the step.
        const qint64 late = landed.msecsTo(log[bells50[0]].at);
        qInfo("the 08:50 bell rang %lld ms after the step", late);
        QVERIFY2(steps[0] < bells50[0] && late >= 0 && late < 1500, qPrintable(shown));
        QVERIFY2(bells52[0] < steps[1], qPrintable(shown));
        QVERIFY2(linesStarting(log, "clock set from").isEmpty(), qPrintable(shown));
        // Alone, the copy ends its bell service: nothing was handed over.
        QVERIFY2(linesStarting(log, "the bell service stopped").size() == 1, qPrintable(shown));
        QVERIFY2(linesStarting(log, "the bells were handed over").isEmpty(), qPrintable(shown));
    }
};

QTEST_GUILESS_MAIN(TestClockStep)
#include "test_clockstep.moc"
