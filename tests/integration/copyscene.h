// A program folder of the real program ringing a week list on the test sound server's bell sink,
// the faked clock its copies share, and what their ring log says: for the tests that start copies
// of the program, with and without a window, and talk to them.
#pragma once

#include <algorithm>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>

#include "programcopy.h"
#include "sound/pulsetools.h"

namespace scene {


// A program folder ringing `weekList` ("Manual input", "Apply week") on the bell sink, with
// "Auto execution" off, its tone lasting `toneSeconds`, and "No sound at bell" as `muteDefault` says.
inline QString preparedFolder(const QTemporaryDir& dir, const QByteArray& weekList, double toneSeconds = 1.0,
                       bool muteDefault = false) {
    const QString folder = dir.path() + "/Corvalin";
    if (!copyProgramFolder(QFileInfo(QStringLiteral(CORVALIN_EXE)).absolutePath(), folder) ||
        !pulsetools::writeTone(folder + "/sound/0-tone.wav", toneSeconds, 880.0)) {
        return QString();
    }
    const QString data = folder + "/data/";
    const QByteArray card = ' ' + QByteArray::number(pulsetools::sinkPosition("bell_out")) + " \r\n";
    const QByteArray options = QByteArray(" 0 \r\n 0 \r\n 2 \r\n 1 \r\n ") + (muteDefault ? "1" : "0") +
                               " \r\n 1 \r\n 0 \r\n 0 \r\n";
    if (!writeWholeFile(data + "data.ini", options) || !writeWholeFile(data + "mdata.ini", weekList) ||
        !writeWholeFile(data + "snd.ini", card)) {
        return QString();
    }
    return folder;
}

// The same faked clock for every copy started from it: this machine's clock shifted by whole
// seconds, so that the copies' minutes begin on this machine's whole seconds, `ahead` of
// 11:00:00 now.
class SharedClock {
public:
    explicit SharedClock(double secondsBefore) {
        const QDateTime real = QDateTime::currentDateTime();
        const QDateTime whole(real.date(), real.time().addMSecs(-real.time().msec()));
        const QDateTime wanted = QDateTime(real.date(), QTime(11, 0)).addSecs(-qint64(secondsBefore));
        m_offset = whole.secsTo(wanted);
        m_elevenAt = whole.addSecs(qint64(secondsBefore)).addMSecs(0);
    }
    // Milliseconds of this machine's clock until the copies' clock shows 11:00:00 plus `ms`.
    qint64 msUntilEleven(qint64 ms = 0) const {
        return QDateTime::currentDateTime().msecsTo(m_elevenAt) + ms;
    }
    // The copies started from now on live `days` later, at the same time of day.
    void addDays(int days) { m_offset += qint64(days) * 86400; }
    void into(QProcessEnvironment& env) const {
        env.insert("LD_PRELOAD", fakeTimeLibrary());
        env.insert("FAKETIME", QStringLiteral("%1%2s").arg(m_offset < 0 ? "-" : "+").arg(qAbs(m_offset)));
    }

private:
    qint64 m_offset = 0;
    QDateTime m_elevenAt;
};

inline std::unique_ptr<QProcess> startCopy(const QString& folder, const QProcessEnvironment& env, const QStringList& args) {
    auto copy = std::make_unique<QProcess>();
    copy->setProcessEnvironment(env);
    copy->setProcessChannelMode(QProcess::MergedChannels);
    copy->start(folder + "/Corvalin", args);
    return copy;
}

inline QByteArray ringLog(const QString& folder) {
    QFile log(folder + "/data/ring.log");
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray("<no ring log>");
}

// How often each minute's scheduled bell is in the ring log.
inline QMap<QString, int> scheduledBells(const QByteArray& log) {
    QMap<QString, int> count;
    static const QRegularExpression line(QStringLiteral(" scheduled (\\d\\d:\\d\\d) "));
    for (auto it = line.globalMatch(QString::fromUtf8(log)); it.hasNext();) {
        ++count[it.next().captured(1)];
    }
    return count;
}

inline int burstsOn(const QString& recording) {
    return static_cast<int>(pulsetools::bursts(recording).size());
}

// How many lines of the log say `text`.
inline int linesSaying(const QByteArray& log, const QByteArray& text) {
    int count = 0;
    for (const QByteArray& line : log.split('\n')) {
        count += line.contains(text) ? 1 : 0;
    }
    return count;
}

// A test's program folder ringing `weekList` on the bell sink (see preparedFolder), the
// environment of its copies with a clock `secondsBefore` 11:00 (see SharedClock), and the bell
// sink recorded from when it is ready.
struct Scene {
    QTemporaryDir dir;
    QString folder;
    QProcessEnvironment env;
    SharedClock clock;
    std::unique_ptr<pulsetools::Recorder> bell;

    Scene(const QProcessEnvironment& base, const QByteArray& weekList, double secondsBefore,
          double toneSeconds = 1.0, bool muteDefault = false)
        : folder(preparedFolder(dir, weekList, toneSeconds, muteDefault)), env(base), clock(secondsBefore) {
        keepDesktopApart(env, dir.path() + "/desktop");
        clock.into(env);
    }
    // The folder is there and, when `recorded`, the recording runs.
    bool ready(bool recorded = true) {
        if (recorded) {
            bell = std::make_unique<pulsetools::Recorder>("bell_out", dir.path() + "/bell.wav");
        }
        return !folder.isEmpty() && (!bell || bell->waitLive());
    }
    std::unique_ptr<QProcess> headless() const { return startCopy(folder, env, {"--headless"}); }
    std::unique_ptr<QProcess> window() const {
        QProcessEnvironment windowEnv = env;
        windowEnv.insert("QT_QPA_PLATFORM", "offscreen");
        return startCopy(folder, windowEnv, {});
    }
    // Ends the recording: how many bells it heard.
    int bursts() {
        bell->finish();
        return burstsOn(dir.path() + "/bell.wav");
    }
};

// What a command said and how it ended.
struct Said {
    int code = -1;
    QString out;
    QString err;
};

inline QString shown(const Said& said) {
    return QStringLiteral("exit %1\nout: %2\nerr: %3").arg(said.code).arg(said.out, said.err);
}

// A time budget of a test, in ms, as long again as the build is slower: a ThreadSanitizer build
// (scripts/tsan.sh sets CORVALIN_TEST_SLOWER) starts and answers several times slower, and what
// it waits for is the same.
inline int budget(int ms) {
    return ms * std::max(1, qEnvironmentVariableIntValue("CORVALIN_TEST_SLOWER"));
}

// Runs a command to its end (at most 30 s, in a build as fast as a plain one).
inline Said run(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    Said said;
    if (!process.waitForFinished(budget(30000))) {
        process.kill();
        process.waitForFinished();
        said.err = QStringLiteral("<did not end>");
        return said;
    }
    said.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    said.out = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    said.err = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return said;
}

// A session bus of a test's own that any user may reach, as a bus shared by mistake or forwarded
// would be: on an abstract socket, which has no file permissions, in the test's own network
// namespace.
class OwnBus {
public:
    // The bus's address; empty when it did not start.
    QString start() {
        const QString config = m_dir.path() + "/bus.conf";
        const QByteArray text =
            QStringLiteral("<busconfig><type>session</type><listen>unix:abstract=corvalin-test-%1</listen>"
                           "<auth>EXTERNAL</auth><policy context=\"default\"><allow user=\"*\"/>"
                           "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                           "<allow own=\"*\"/></policy></busconfig>")
                .arg(QCoreApplication::applicationPid())
                .toUtf8();
        if (!writeWholeFile(config, text)) {
            return {};
        }
        m_bus.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_bus.start("dbus-daemon", {"--config-file=" + config, "--nofork", "--print-address"});
        if (!m_bus.waitForReadyRead(10000)) {
            return {};
        }
        m_address = QString::fromLatin1(m_bus.readLine()).trimmed();
        return m_address;
    }
    ~OwnBus() {
        m_bus.terminate();
        m_bus.waitForFinished(5000);
    }
    const QString& address() const { return m_address; }

private:
    QTemporaryDir m_dir;
    QProcess m_bus;
    QString m_address;
};

}  // namespace scene
