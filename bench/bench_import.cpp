// The iCalendar import: time and peak memory of importing generated files the way the calendar
// window's worker does (the file read, then calendar::importIcs with its deadline), each in a
// process of its own so that its peak resident size (VmHWM) is the import's alone; the median time
// and the largest peak of several runs. A process that imports an empty calendar is the baseline.
//
//   bench_import [--runs N] [--results FILE]     (default 5 runs)
// Needs nothing running; bench/run.sh runs it with the others.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>

#include "benchsupport.h"
#include "core/calendar/icalimport.h"
#include "core/calendar/schoolcalendar.h"

namespace {

namespace cal = corvalin::calendar;

// Today for every file, and the first of the days looked at.
const QDate kToday(2026, 12, 7);

QByteArray calendar(const QByteArray& events) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Corvalin//Import benchmark//EN\r\n" + events +
           "END:VCALENDAR\r\n";
}

QByteArray date(const QDate& day) {
    return day.toString(QStringLiteral("yyyyMMdd")).toLatin1();
}

// One all-day event a day from today on, as a calendar program writes them.
QByteArray dailyEvents(int count) {
    QByteArray events;
    for (int i = 0; i < count; ++i) {
        const QDate day = kToday.addDays(i);
        events += "BEGIN:VEVENT\r\nUID:day-" + QByteArray::number(i) +
                  "@bench\r\nDTSTAMP:20261201T080000Z\r\n" + "DTSTART;VALUE=DATE:" + date(day) +
                  "\r\nDTEND;VALUE=DATE:" + date(day.addDays(1)) + "\r\nSUMMARY:Day " +
                  QByteArray::number(i) + "\r\nEND:VEVENT\r\n";
    }
    return calendar(events);
}

// The same days with nothing but their start.
QByteArray bareDailyEvents(int count) {
    QByteArray events;
    for (int i = 0; i < count; ++i) {
        events += "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:" + date(kToday.addDays(i)) + "\r\nEND:VEVENT\r\n";
    }
    return calendar(events);
}

// One event with 300 rules that repeat it every second.
QByteArray secondlyRules() {
    return calendar(
        "BEGIN:VEVENT\r\nUID:seconds@bench\r\nDTSTART;VALUE=DATE:20261201\r\nSUMMARY:Every second\r\n" +
        QByteArray("RRULE:FREQ=SECONDLY\r\n").repeated(300) + "END:VEVENT\r\n");
}

// A thousand events repeating every day since 2010.
QByteArray dailyRules() {
    QByteArray events;
    for (int i = 0; i < 1000; ++i) {
        events += "BEGIN:VEVENT\r\nUID:rule-" + QByteArray::number(i) +
                  "@bench\r\nDTSTART;VALUE=DATE:20100101\r\nRRULE:FREQ=DAILY\r\nSUMMARY:Rule " +
                  QByteArray::number(i) + "\r\nEND:VEVENT\r\n";
    }
    return calendar(events);
}

// The most memory the bounds let a file of the largest size take (see calendar/icalimport.h):
// as many repeat rules and lines without a property name (libical notes an error for each) as
// allowed, then long summaries up to 16 MB. Refused for the damaged event, after it was parsed.
QByteArray costliestLines() {
    QByteArray event =
        "BEGIN:VEVENT\r\nUID:costly@bench\r\nDTSTART;VALUE=DATE:20261207\r\nSUMMARY:Costly\r\n" +
        QByteArray("RRULE:FREQ=DAILY\r\n").repeated(cal::kMostRules) +
        QByteArray("A\r\n").repeated(static_cast<int>(cal::kMostValues) - cal::kMostRules - 1000);
    const QByteArray summary = "SUMMARY:" + QByteArray(60000, 'a') + "\r\n";
    while (event.size() + summary.size() + 200 < 16 * 1024 * 1024) {
        event += summary;
    }
    return calendar(event + "END:VEVENT\r\n");
}

// In the child: imports the file as the window's worker does and prints
// "<seconds> <VmHWM KiB> <exceptions> <error>".
int importOnce(const QString& path) {
    const auto start = std::chrono::steady_clock::now();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return 1;
    }
    const QByteArray bytes = file.readAll();
    const cal::IcsImport found =
        cal::importIcs(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       cal::fromQDate(kToday), nullptr, start + cal::kLongestImport);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const long peak = bench::statusField(bench::readProc(QStringLiteral("/proc/self/status")), "VmHWM:");
    std::printf("%.4f %ld %zu %s\n", seconds, peak, found.exceptions.size(), found.error.c_str());
    return 0;
}

struct Run {
    double seconds = -1;
    long peakKiB = -1;
    QString outcome;
};

Run runChild(const QString& path) {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--import"), path});
    Run run;
    if (!child.waitForFinished(120000) || child.exitCode() != 0) {
        child.kill();
        child.waitForFinished(5000);
        return run;
    }
    const QString out = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    const QStringList fields = out.split(QLatin1Char(' '));
    if (fields.size() < 3) {
        return run;
    }
    run.seconds = fields.at(0).toDouble();
    run.peakKiB = fields.at(1).toLong();
    const QString error = fields.mid(3).join(QLatin1Char(' '));
    run.outcome = error.isEmpty() ? QStringLiteral("%1 exceptions").arg(fields.at(2))
                                  : QStringLiteral("refused: %1").arg(error);
    return run;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QStringLiteral("--import")) {
        return importOnce(args.at(2));
    }
    const int runs = std::max(1, bench::option(args, QStringLiteral("--runs"), QStringLiteral("5")).toInt());
    const QString results = bench::option(args, QStringLiteral("--results"));

    QTemporaryDir dir;
    const QList<std::pair<QString, QByteArray>> files = {
        {QStringLiteral("empty calendar (baseline)"), calendar(QByteArray())},
        {QStringLiteral("100 000 daily events"), dailyEvents(100000)},
        {QStringLiteral("100 000 daily events, start only"), bareDailyEvents(100000)},
        {QStringLiteral("20 000 daily events"), dailyEvents(20000)},
        {QStringLiteral("300 RRULE:FREQ=SECONDLY in one event"), secondlyRules()},
        {QStringLiteral("1000 events repeating daily since 2010"), dailyRules()},
        {QStringLiteral("the costliest 16 MB the bounds let through"), costliestLines()},
    };
    QStringList lines;
    bool failed = false;
    for (int i = 0; i < files.size(); ++i) {
        const QString path = dir.filePath(QStringLiteral("file%1.ics").arg(i));
        if (!writeWholeFile(path, files.at(i).second)) {
            std::fprintf(stderr, "bench_import: could not write %s\n", qPrintable(path));
            return 1;
        }
        std::vector<double> seconds;
        long peak = 0;
        QString outcome;
        for (int r = 0; r < runs; ++r) {
            const Run run = runChild(path);
            if (run.seconds < 0) {
                failed = true;
                continue;
            }
            seconds.push_back(run.seconds);
            peak = std::max(peak, run.peakKiB);
            outcome = run.outcome;
        }
        lines << QStringLiteral("%1 (%2 MiB): median %3 s, maximum %4 s, peak %5 MiB resident; %6")
                     .arg(files.at(i).first)
                     .arg(static_cast<double>(files.at(i).second.size()) / (1024 * 1024), 0, 'f', 1)
                     .arg(bench::median(seconds), 0, 'f', 3)
                     .arg(bench::maximum(seconds), 0, 'f', 3)
                     .arg(static_cast<double>(peak) / 1024, 0, 'f', 1)
                     .arg(outcome);
    }
    bench::report(results, QStringLiteral("iCalendar import (%1 runs each)").arg(runs), lines);
    return failed ? 1 : 0;
}
