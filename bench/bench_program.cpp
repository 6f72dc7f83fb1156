// Measures the built program against plain baselines, in one run, on the test sound server:
//   - bell onset after hh:mm:00 (Corvalin under a faked clock) versus a paplay started at the
//     same instant on the same sink;
//   - start-up time (launch until the settings are written) versus starting paplay;
//   - CPU time and memory while idle for ten seconds.
// Run: scripts/services/pulse.sh start, export PULSE_SERVER, then build/bench/bench_program.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <sndfile.h>
#include <unistd.h>

#include "programcopy.h"
#include "sound/pulsetools.h"

namespace {

const char* kFakeTime = "/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1";

// Seconds from the start of a recording to its first sound after `from`.
double firstSound(const QString& path, double from) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_READ, &info);
    if (!file) {
        return -1;
    }
    std::vector<float> samples(static_cast<size_t>(info.frames * info.channels));
    sf_readf_float(file, samples.data(), info.frames);
    sf_close(file);
    for (sf_count_t i = static_cast<sf_count_t>(from * info.samplerate); i < info.frames; ++i) {
        if (std::abs(samples[static_cast<size_t>(i * info.channels)]) > 0.02) {
            return static_cast<double>(i) / info.samplerate;
        }
    }
    return -1;
}

double recordedSeconds(const QString& path) { return (QFileInfo(path).size() - 44) / (2.0 * 44100); }

// utime + stime in seconds and resident memory in KiB of a running process.
std::pair<double, long> usage(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    stat.open(QIODevice::ReadOnly);
    const QList<QByteArray> fields = stat.readAll().split(' ');
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    const double cpu = fields.size() > 15 ? (fields.at(13).toDouble() + fields.at(14).toDouble()) / ticks : -1;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    status.open(QIODevice::ReadOnly);
    long rss = -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            rss = line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return {cpu, rss};
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (!pulsetools::testServerReady()) {
        std::puts("no test sound server: run scripts/services/pulse.sh start and export PULSE_SERVER");
        return 1;
    }
    QTemporaryDir dir;
    const QString folder = dir.path() + "/Corvalin";
    copyProgramFolder(QStringLiteral(CORVALIN_PROGRAM_DIR), folder);
    const QString tone = folder + "/sound/0-bench.wav";
    pulsetools::writeTone(tone, 1.0, 880.0);
    QDir().mkpath(folder + "/data");
    writeWholeFile(folder + "/data/data.ini", " 1 \r\n 0 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
    writeWholeFile(folder + "/data/mdata.ini", "08hr 50min/0-bench.wav\r\n");
    writeWholeFile(folder + "/data/snd.ini", " 1 \r\n");

    // Onset: Corvalin's bell at 08:50:00, five seconds after its start, against paplay started
    // at that instant on the main sink.
    pulsetools::Recorder bell("bell_out", dir.path() + "/bell.wav");
    pulsetools::Recorder main("main_out", dir.path() + "/main.wav");
    bell.waitLive();
    main.waitLive();
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("LD_PRELOAD", kFakeTime);
    env.insert("FAKETIME", "@2026-12-07 08:49:55");
    keepDesktopApart(env, dir.path() + "/desktop");
    program.setProcessEnvironment(env);
    const double bellAtLaunch = recordedSeconds(dir.path() + "/bell.wav");
    const double mainAtLaunch = recordedSeconds(dir.path() + "/main.wav");
    const QDateTime settingsBefore = QFileInfo(folder + "/data/data.ini").lastModified();
    QElapsedTimer clock;
    clock.start();
    program.start(folder + "/Corvalin");
    program.waitForStarted();
    // Start-up has restored the options once it stores them again.
    while (QFileInfo(folder + "/data/data.ini").lastModified() == settingsBefore && clock.elapsed() < 5000) {
        QThread::msleep(1);
    }
    const qint64 startupMs = clock.elapsed();
    while (clock.elapsed() < 5000) {
        QThread::msleep(1);
    }
    QProcess::startDetached("paplay", {"--device=main_out", tone});
    QThread::sleep(3);
    const auto [cpuBusy, rssBusy] = usage(program.processId());
    QThread::sleep(10);
    const auto [cpuIdle, rssIdle] = usage(program.processId());
    program.terminate();
    program.waitForFinished(3000);
    bell.finish();
    main.finish();

    const double corvalinOnset = firstSound(dir.path() + "/bell.wav", bellAtLaunch) - bellAtLaunch - 5.0;
    const double paplayOnset = firstSound(dir.path() + "/main.wav", mainAtLaunch) - mainAtLaunch - 5.0;

    QElapsedTimer paplayStart;
    paplayStart.start();
    QProcess baseline;
    baseline.start("paplay", {"--device=main_out", tone});
    baseline.waitForFinished(5000);
    const qint64 paplayMs = paplayStart.elapsed();

    std::printf("bell onset after hh:mm:00     Corvalin %6.0f ms   paplay at the same instant %6.0f ms\n",
                corvalinOnset * 1000, paplayOnset * 1000);
    std::printf("start-up until settings saved Corvalin %6lld ms   paplay of a 1 s tone (whole run) %lld ms\n",
                static_cast<long long>(startupMs), static_cast<long long>(paplayMs));
    std::printf("idle for 10 s                 CPU %.2f s (%.2f%%), memory %ld KiB resident\n", cpuIdle - cpuBusy,
                (cpuIdle - cpuBusy) * 10, rssIdle);
    Q_UNUSED(rssBusy);
    return 0;
}
