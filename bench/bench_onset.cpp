// Bell onset: how long after hh:mm:00.000 a bell starts playing, for the real program and for a
// bare paplay started by a timer at the same instant, on the same server, with the same file, in
// one run.
//
// The moment a bell starts is read from the sound server's own event stream: a new stream that
// is not corked, or an existing stream's uncork, taken when the event reaches this process. The
// program runs under faketime with a whole-second offset, so its minutes begin on this machine's
// whole seconds and every onset is read on one clock.
//
//   bench_onset [--bells N] [--program DIR] [--results FILE]
// (default 10 bells, one a minute, of the program built beside it; --program runs another build)
// Needs a test sound server (scripts/services/pulse.sh, or pipewire.sh with PULSE_SERVER pointed at
// it) and faketime; bench/run.sh does it all, on both.
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <pulse/pulseaudio.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <ctime>
#include <map>
#include <mutex>

#include "benchsupport.h"

extern char** environ;

namespace {

double realNow() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

void sleepUntil(double realSeconds) {
    timespec t{};
    t.tv_sec = static_cast<time_t>(realSeconds);
    t.tv_nsec = static_cast<long>((realSeconds - static_cast<double>(t.tv_sec)) * 1e9);
    while (clock_nanosleep(CLOCK_REALTIME, TIMER_ABSTIME, &t, nullptr) == EINTR) {
    }
}

struct Start {
    double at;  // this machine's clock when the event arrived
    uint32_t sink;
};

// Watches the server's streams and notes each one's start.
class ServerWatch {
public:
    ~ServerWatch() {
        if (loop_) {
            pa_threaded_mainloop_stop(loop_);
            if (context_) {
                pa_context_disconnect(context_);
                pa_context_unref(context_);
            }
            pa_threaded_mainloop_free(loop_);
        }
    }

    bool connect() {
        loop_ = pa_threaded_mainloop_new();
        context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "bench_onset");
        pa_context_set_state_callback(
            context_,
            [](pa_context*, void* loop) {
                pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
            },
            loop_);
        if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            return false;
        }
        pa_threaded_mainloop_lock(loop_);
        pa_threaded_mainloop_start(loop_);
        for (;;) {
            const pa_context_state_t state = pa_context_get_state(context_);
            if (state == PA_CONTEXT_READY) {
                break;
            }
            if (!PA_CONTEXT_IS_GOOD(state)) {
                pa_threaded_mainloop_unlock(loop_);
                return false;
            }
            pa_threaded_mainloop_wait(loop_);
        }
        // The sinks, in the order of their index.
        done_ = false;
        pa_operation_unref(pa_context_get_sink_info_list(context_, onSink, this));
        while (!done_) {
            pa_threaded_mainloop_wait(loop_);
        }
        pa_context_set_subscribe_callback(context_, onEvent, this);
        pa_operation_unref(pa_context_subscribe(context_, PA_SUBSCRIPTION_MASK_SINK_INPUT, nullptr, nullptr));
        pa_threaded_mainloop_unlock(loop_);
        return true;
    }

    // The sink's index on the server and its position among the sinks; -1 when there is none.
    std::pair<int, int> sink(const std::string& name) const {
        int position = 0;
        for (const auto& [index, sinkName] : sinks_) {
            if (sinkName == name) {
                return {static_cast<int>(index), position};
            }
            ++position;
        }
        return {-1, -1};
    }

    std::vector<Start> starts() {
        std::lock_guard lock(mutex_);
        return starts_;
    }

private:
    struct Query {
        ServerWatch* self;
        double at;
    };

    static void onSink(pa_context*, const pa_sink_info* info, int eol, void* userdata) {
        auto* self = static_cast<ServerWatch*>(userdata);
        if (eol) {
            self->done_ = true;
            pa_threaded_mainloop_signal(self->loop_, 0);
            return;
        }
        self->sinks_[info->index] = info->name;
    }

    static void onEvent(pa_context* context, pa_subscription_event_type_t type, uint32_t index,
                        void* userdata) {
        const double at = realNow();
        auto* self = static_cast<ServerWatch*>(userdata);
        if ((type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) != PA_SUBSCRIPTION_EVENT_SINK_INPUT) {
            return;
        }
        if ((type & PA_SUBSCRIPTION_EVENT_TYPE_MASK) == PA_SUBSCRIPTION_EVENT_REMOVE) {
            self->playing_.erase(index);
            return;
        }
        // Whether it plays is in the stream's details; the moment is the event's.
        pa_operation* op = pa_context_get_sink_input_info(context, index, onInput, new Query{self, at});
        if (op) {
            pa_operation_unref(op);
        }
    }

    static void onInput(pa_context*, const pa_sink_input_info* info, int eol, void* userdata) {
        auto* query = static_cast<Query*>(userdata);
        if (eol) {
            delete query;
            return;
        }
        ServerWatch* self = query->self;
        bool& playing = self->playing_[info->index];
        if (!info->corked && !playing) {
            std::lock_guard lock(self->mutex_);
            self->starts_.push_back({query->at, info->sink});
        }
        playing = !info->corked;
    }

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    bool done_ = false;
    std::map<uint32_t, std::string> sinks_;
    std::map<uint32_t, bool> playing_;  // on the event thread only
    std::mutex mutex_;
    std::vector<Start> starts_;
};

QString ms(double v) {
    return QString::number(v, 'f', 1) + QStringLiteral(" ms");
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int bells =
        std::max(1, bench::option(args, QStringLiteral("--bells"), QStringLiteral("10")).toInt());
    const QString results = bench::option(args, QStringLiteral("--results"));

    ServerWatch watch;
    if (!watch.connect()) {
        std::fprintf(stderr,
                     "bench_onset: no sound server (start scripts/services/pulse.sh, export PULSE_SERVER)\n");
        return 1;
    }
    const auto [bellSink, bellPosition] = watch.sink("bell_out");
    const auto [mainSink, mainPosition] = watch.sink("main_out");
    if (bellSink < 0 || mainSink < 0) {
        std::fprintf(stderr, "bench_onset: the server has no bell_out and main_out sinks\n");
        return 1;
    }
    const QString faketime = fakeTimeLibrary();
    if (faketime.isEmpty()) {
        std::fprintf(stderr, "bench_onset: faketime is not installed\n");
        return 1;
    }

    // The program's clock runs a whole number of seconds ahead of this one, so that it starts ten
    // seconds before a minute whose bells do not cross midnight.
    const double launch = std::ceil(realNow()) + 1;
    qint64 offset = (50 - static_cast<qint64>(launch) % 60 + 60) % 60;
    auto firstBell = [&] { return (static_cast<qint64>(launch) + offset) / 60 * 60 + 60; };
    auto minuteOfDay = [](qint64 epoch) {
        const QTime t = QDateTime::fromSecsSinceEpoch(epoch).time();
        return t.hour() * 60 + t.minute();
    };
    while (minuteOfDay(firstBell()) + bells > 1439 || minuteOfDay(firstBell()) < 1) {
        offset += 3600;
    }
    QByteArray weekList;
    for (int i = 0; i < bells; ++i) {
        weekList += bench::weekLine(minuteOfDay(firstBell()) + i);
    }

    QTemporaryDir dir;
    const QString folder = bench::preparedProgram(dir.path(), weekList, bellPosition,
                                                  bench::option(args, QStringLiteral("--program")));
    if (folder.isEmpty()) {
        std::fprintf(stderr, "bench_onset: could not prepare the program folder\n");
        return 1;
    }
    const QString tone = folder + QStringLiteral("/sound/") + bench::kTone;
    QProcessEnvironment env = bench::programEnvironment(dir.path());
    env.insert(QStringLiteral("LD_PRELOAD"), faketime);
    env.insert(QStringLiteral("FAKETIME"), QStringLiteral("+%1s").arg(offset));
    QProcess program;
    program.setProcessEnvironment(env);
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(dir.path() + QStringLiteral("/program.log"));
    sleepUntil(launch);
    program.start(folder + QStringLiteral("/Corvalin"), {});
    if (!program.waitForStarted()) {
        std::fprintf(stderr, "bench_onset: the program did not start\n");
        return 1;
    }
    std::printf("bench_onset: %d bells from %s (program clock), one a minute\n", bells,
                qPrintable(QDateTime::fromSecsSinceEpoch(firstBell()).toString(QStringLiteral("hh:mm"))));
    std::fflush(stdout);

    // The baseline: a timer that sleeps to the same hh:mm:00 and starts paplay.
    const QByteArray toneBytes = QFile::encodeName(tone);
    std::vector<pid_t> players;
    for (int i = 0; i < bells; ++i) {
        sleepUntil(static_cast<double>(firstBell() + 60 * i - offset));
        char* argv[] = {const_cast<char*>("paplay"), const_cast<char*>("--device=main_out"),
                        const_cast<char*>(toneBytes.constData()), nullptr};
        pid_t pid = 0;
        if (posix_spawnp(&pid, "paplay", nullptr, nullptr, argv, environ) == 0) {
            players.push_back(pid);
        }
    }
    sleepUntil(static_cast<double>(firstBell() + 60 * (bells - 1) - offset) + 3);
    for (pid_t pid : players) {
        waitpid(pid, nullptr, 0);
    }
    program.terminate();
    program.waitForFinished(5000);

    // Each start as milliseconds after its minute on the program's clock.
    std::vector<double> ofProgram;
    std::vector<double> ofPaplay;
    for (const Start& s : watch.starts()) {
        double after = std::fmod(s.at + static_cast<double>(offset), 60.0) * 1000;
        if (after > 30000) {
            after -= 60000;  // before its minute
        }
        (static_cast<int>(s.sink) == bellSink ? ofProgram : ofPaplay).push_back(after);
    }
    // What the program itself saw: the moment it started each bell, by its own clock.
    std::vector<double> ownStart;
    QFile log(dir.path() + QStringLiteral("/program.log"));
    if (log.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : log.readAll().split('\n')) {
            if (line.contains(" bell ") && line.contains(" started")) {
                const QDateTime at = QDateTime::fromString(QString::fromUtf8(line.left(23)),
                                                           QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
                if (at.isValid()) {
                    ownStart.push_back(at.time().second() * 1000.0 + at.time().msec());
                }
            }
        }
    }

    QStringList lines;
    auto list = [](const std::vector<double>& v) {
        QStringList parts;
        for (double x : v) {
            parts << QString::number(x, 'f', 1);
        }
        return parts.join(QStringLiteral(" "));
    };
    const double programMedian = bench::median(ofProgram);
    const double paplayMedian = bench::median(ofPaplay);
    lines << QStringLiteral("Corvalin: %1 bells of %2; median %3, maximum %4 after hh:mm:00")
                 .arg(ofProgram.size())
                 .arg(bells)
                 .arg(ms(programMedian), ms(bench::maximum(ofProgram)));
    lines << QStringLiteral("paplay:   %1 bells of %2; median %3, maximum %4 after hh:mm:00")
                 .arg(ofPaplay.size())
                 .arg(bells)
                 .arg(ms(paplayMedian), ms(bench::maximum(ofPaplay)));
    lines << QStringLiteral("paplay's median / Corvalin's median: %1")
                 .arg(programMedian > 0 ? QString::number(paplayMedian / programMedian, 'f', 1)
                                        : QStringLiteral("-"));
    lines << QStringLiteral("Corvalin, each (ms): %1").arg(list(ofProgram));
    lines << QStringLiteral("paplay, each (ms):   %1").arg(list(ofPaplay));
    lines << QStringLiteral("Corvalin's own start call, each (ms): %1").arg(list(ownStart));
    bool good = true;
    if (!(paplayMedian > 0)) {
        lines << QStringLiteral("METHOD CHECK FAILED: the paplay baseline must start after its minute");
        good = false;
    }
    if (static_cast<int>(ofProgram.size()) != bells || static_cast<int>(ofPaplay.size()) != bells) {
        lines << QStringLiteral("BELLS MISSING OR DOUBLED");
        good = false;
    }
    // Which server it was: PulseAudio, or "PulseAudio (on PipeWire ...)".
    QProcess info;
    info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    info.waitForFinished(5000);
    QString server = QStringLiteral("unknown server");
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QStringLiteral("Server Name: "))) {
            server = line.mid(13).trimmed();
        }
    }
    bench::report(results,
                  QStringLiteral("Bell onset on %1 (sound server events, %2 bells)").arg(server).arg(bells),
                  lines);
    return good ? 0 : 1;
}
