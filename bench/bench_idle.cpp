// Idle footprint: the program with its service running and no bell due, measured from /proc over
// a stretch of time: CPU time, average CPU, peak resident memory, wake-ups a second. With
// --headless, the copy with no window (the service at boot) instead of the window copy.
//
//   bench_idle [--minutes M] [--headless] [--results FILE]      (default 10 minutes)
// Needs the test sound server (scripts/services/pulse.sh); bench/run.sh does it all.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTime>

#include "benchsupport.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const double minutes = std::max(0.1, bench::option(args, QStringLiteral("--minutes"), QStringLiteral("10")).toDouble());
    const QString results = bench::option(args, QStringLiteral("--results"));
    const bool headless = args.contains(QStringLiteral("--headless"));

    // One bell, twelve hours from now: the service runs and none is due.
    const QTime now = QTime::currentTime();
    const int bell = (now.hour() * 60 + now.minute() + 720) % 1440;
    QTemporaryDir dir;
    const QString folder = bench::preparedProgram(dir.path(), bench::weekLine(std::max(bell, 1)), -1);
    if (folder.isEmpty()) {
        std::fprintf(stderr, "bench_idle: could not prepare the program folder\n");
        return 1;
    }
    QProcess program;
    program.setProcessEnvironment(bench::programEnvironment(dir.path()));
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(dir.path() + QStringLiteral("/program.log"));
    program.start(folder + QStringLiteral("/Corvalin"),
                  headless ? QStringList{QStringLiteral("--headless")} : QStringList{});
    if (!program.waitForStarted()) {
        std::fprintf(stderr, "bench_idle: the program did not start\n");
        return 1;
    }
    // Start-up is over by then; idle is what follows.
    QThread::sleep(5);
    const bench::ProcessFigures before = bench::processFigures(program.processId());
    bench::WakeUpCounter wakeUps(program.processId());
    QElapsedTimer span;
    span.start();
    while (span.elapsed() < static_cast<qint64>(minutes * 60000)) {
        QThread::msleep(250);
        wakeUps.sample();
    }
    const bench::ProcessFigures after = bench::processFigures(program.processId());
    const double seconds = static_cast<double>(span.elapsed()) / 1000;
    const bool running = program.state() == QProcess::Running;
    program.terminate();
    program.waitForFinished(5000);

    const double cpu = after.cpuSeconds - before.cpuSeconds;
    QStringList lines;
    lines << QStringLiteral("over %1 s with the service running and no bell due").arg(seconds, 0, 'f', 0);
    lines << QStringLiteral("CPU time %1 s, %2 % of one core").arg(cpu, 0, 'f', 3).arg(100 * cpu / seconds, 0, 'f', 3);
    lines << QStringLiteral("peak resident memory %1 MiB (now %2 MiB)")
                 .arg(after.peakRssKiB / 1024.0, 0, 'f', 1)
                 .arg(after.rssKiB / 1024.0, 0, 'f', 1);
    // The bell clock reads the clock every second: about 60 a minute from it alone.
    lines << QStringLiteral("wake-ups %1 a second, %2 a minute (voluntary context switches of all threads)")
                 .arg(static_cast<double>(wakeUps.total()) / seconds, 0, 'f', 2)
                 .arg(60.0 * static_cast<double>(wakeUps.total()) / seconds, 0, 'f', 0);
    if (!running) {
        lines << QStringLiteral("THE PROGRAM ENDED DURING THE MEASUREMENT");
    }
    bench::report(results,
                  QStringLiteral("Idle%1 (%2 min)").arg(headless ? QStringLiteral(", no window") : QString()).arg(minutes),
                  lines);
    return running ? 0 : 1;
}
