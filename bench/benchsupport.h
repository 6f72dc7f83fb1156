// What the benchmarks share: a prepared copy of the built program, its environment, figures from
// /proc, and the results file.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <sndfile.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>
#include <vector>

#include "programcopy.h"

namespace bench {

inline const QString kTone = QStringLiteral("0-bench.wav");

// One second of 880 Hz, 16-bit mono at 44.1 kHz.
inline bool writeTone(const QString& path) {
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file) {
        return false;
    }
    std::vector<short> samples(44100);
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<short>(std::lround(0.5 * 32767 * std::sin(2 * std::numbers::pi * 880.0 * i / 44100)));
    }
    const bool written = sf_writef_short(file, samples.data(), 44100) == 44100;
    return sf_close(file) == 0 && written;
}

// A copy of the built program with our tone first in its sound folder and settings that start
// the service at once ("Auto execution") with the given week list; the bells go to the card at
// `cardPosition` of the selection list (-1 for the default output). The program is the one built
// beside the benchmarks unless `from` names another program folder. Empty on failure.
inline QString preparedProgram(const QString& root, const QByteArray& weekList, int cardPosition,
                               const QString& from = QString()) {
    const QString folder = root + QStringLiteral("/Corvalin");
    if (!copyProgramFolder(from.isEmpty() ? QStringLiteral(CORVALIN_PROGRAM_DIR) : from, folder) ||
        !writeTone(folder + QStringLiteral("/sound/") + kTone)) {
        return QString();
    }
    const QString data = folder + QStringLiteral("/data/");
    const bool written =
        writeWholeFile(data + QStringLiteral("data.ini"), " 1 \r\n 0 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n") &&
        writeWholeFile(data + QStringLiteral("mdata.ini"), weekList) &&
        writeWholeFile(data + QStringLiteral("snd.ini"), " " + QByteArray::number(cardPosition) + " \r\n");
    return written ? folder : QString();
}

// A week-list line: "08hr 50min/0-bench.wav".
inline QByteArray weekLine(int minuteOfDay) {
    return QStringLiteral("%1hr %2min/%3\r\n")
        .arg(minuteOfDay / 60, 2, 10, QLatin1Char('0'))
        .arg(minuteOfDay % 60, 2, 10, QLatin1Char('0'))
        .arg(kTone)
        .toUtf8();
}

// The program's environment: no window, no time server, its desktop folders apart from the
// machine's, and the timing log on standard error.
inline QProcessEnvironment programEnvironment(const QString& root) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("corvalin.timing.debug=true"));
    env.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("%{time yyyy-MM-dd hh:mm:ss.zzz} %{message}"));
    env.insert(QStringLiteral("CORVALIN_TIME_SERVER1"), QStringLiteral("127.0.0.1:9"));
    env.insert(QStringLiteral("CORVALIN_TIME_SERVER2"), QStringLiteral("127.0.0.1:9"));
    keepDesktopApart(env, root + QStringLiteral("/desktop"));
    return env;
}

inline double median(std::vector<double> v) {
    if (v.empty()) {
        return NAN;
    }
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

inline double maximum(const std::vector<double>& v) {
    return v.empty() ? NAN : *std::max_element(v.begin(), v.end());
}

// Prints the lines and adds them, under a dated heading, to the results file (when one is named).
inline void report(const QString& resultsFile, const QString& heading, const QStringList& lines) {
    std::printf("%s\n", qPrintable(heading));
    for (const QString& line : lines) {
        std::printf("  %s\n", qPrintable(line));
    }
    std::fflush(stdout);
    if (resultsFile.isEmpty()) {
        return;
    }
    QDir().mkpath(QFileInfo(resultsFile).absolutePath());
    QFile file(resultsFile);
    if (file.open(QIODevice::Append | QIODevice::Text)) {
        file.write(QStringLiteral("%1  %2\n").arg(QDateTime::currentDateTime().toString(Qt::ISODate), heading).toUtf8());
        for (const QString& line : lines) {
            file.write(("  " + line + "\n").toUtf8());
        }
    }
}

// The value after `name` on the command line, or the fallback.
inline QString option(const QStringList& args, const QString& name, const QString& fallback = QString()) {
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
}

// What /proc tells of a running process.
struct ProcessFigures {
    double cpuSeconds = 0;      // user and system time of all its threads, those ended included
    long peakRssKiB = 0;        // VmHWM
    long rssKiB = 0;            // VmRSS
};

inline QByteArray readProc(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline long statusField(const QByteArray& status, const QByteArray& key) {
    for (const QByteArray& line : status.split('\n')) {
        if (line.startsWith(key)) {
            return line.mid(key.size()).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

inline ProcessFigures processFigures(qint64 pid) {
    ProcessFigures f;
    const QString base = QStringLiteral("/proc/%1").arg(pid);
    // utime and stime are fields 14 and 15, counted after the command's closing parenthesis.
    const QByteArray stat = readProc(base + QStringLiteral("/stat"));
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    f.cpuSeconds = (fields.value(11).toDouble() + fields.value(12).toDouble()) / static_cast<double>(sysconf(_SC_CLK_TCK));
    const QByteArray status = readProc(base + QStringLiteral("/status"));
    f.peakRssKiB = statusField(status, "VmHWM:");
    f.rssKiB = statusField(status, "VmRSS:");
    return f;
}

// Counts a process's wake-ups: each voluntary context switch of a thread is a sleep that a
// wake-up ends. The kernel keeps the counts per thread, and a thread that ends takes its count
// with it, so the threads are sampled often and their increases added up.
class WakeUpCounter {
public:
    explicit WakeUpCounter(qint64 pid) : pid_(pid) { sample(); total_ = 0; }

    void sample() {
        const QString base = QStringLiteral("/proc/%1/task/").arg(pid_);
        std::map<QString, long long> now;
        for (const QString& task : QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const long long count = statusField(readProc(base + task + QStringLiteral("/status")), "voluntary_ctxt_switches:");
            if (count < 0) {
                continue;
            }
            const auto before = last_.find(task);
            total_ += count - (before == last_.end() ? 0 : before->second);
            now[task] = count;
        }
        last_ = std::move(now);
    }
    long long total() const { return total_; }

private:
    qint64 pid_;
    std::map<QString, long long> last_;
    long long total_ = 0;
};

}  // namespace bench
