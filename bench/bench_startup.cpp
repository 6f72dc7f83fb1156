// Start-up: from starting the program to its clock's first tick (the timing log's "first tick"
// line), the median of several starts; and the same for `bash scripts/run.sh` on a tree that is
// already set up and built.
//
//   bench_startup [--runs N] [--source DIR] [--results FILE]     (default 10 runs)
// Needs the test sound server (scripts/services/pulse.sh); bench/run.sh does it all.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>

#include "benchsupport.h"

namespace {

// Milliseconds from the start of the command to its first tick; negative when none came.
double untilFirstTick(const QString& program, const QStringList& arguments, const QProcessEnvironment& env) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setReadChannel(QProcess::StandardError);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    double ms = -1;
    QByteArray seen;
    while (clock.elapsed() < 60000 && process.waitForReadyRead(60000)) {
        seen += process.readAllStandardError();
        if (seen.contains("screenClock: first tick")) {
            ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            break;
        }
    }
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
    return ms;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int runs = std::max(1, bench::option(args, QStringLiteral("--runs"), QStringLiteral("10")).toInt());
    const QString source = bench::option(args, QStringLiteral("--source"));
    const QString results = bench::option(args, QStringLiteral("--results"));

    QTemporaryDir dir;
    const QString folder = bench::preparedProgram(dir.path(), bench::weekLine(1), -1);
    if (folder.isEmpty()) {
        std::fprintf(stderr, "bench_startup: could not prepare the program folder\n");
        return 1;
    }
    const QProcessEnvironment env = bench::programEnvironment(dir.path());
    std::vector<double> program;
    for (int i = 0; i < runs; ++i) {
        const double ms = untilFirstTick(folder + QStringLiteral("/Corvalin"), {}, env);
        if (ms >= 0) {
            program.push_back(ms);
        }
    }
    QStringList lines;
    QStringList each;
    for (double ms : program) {
        each << QString::number(ms, 'f', 0);
    }
    lines << QStringLiteral("program start to first tick: median %1 ms, maximum %2 ms (%3 of %4 runs: %5)")
                 .arg(bench::median(program), 0, 'f', 0)
                 .arg(bench::maximum(program), 0, 'f', 0)
                 .arg(program.size())
                 .arg(runs)
                 .arg(each.join(QStringLiteral(" ")));
    if (!source.isEmpty()) {
        // The newcomer's command on a tree already set up: the package check, the build check,
        // then the program.
        std::vector<double> script;
        for (int i = 0; i < 3; ++i) {
            const double ms = untilFirstTick(QStringLiteral("bash"), {source + QStringLiteral("/scripts/run.sh")}, env);
            if (ms >= 0) {
                script.push_back(ms);
            }
        }
        lines << QStringLiteral("bash scripts/run.sh to first tick, set up already: median %1 ms of %2 runs")
                     .arg(bench::median(script), 0, 'f', 0)
                     .arg(script.size());
    }
    bench::report(results, QStringLiteral("Start-up (%1 runs)").arg(runs), lines);
    return static_cast<int>(program.size()) == runs ? 0 : 1;
}
