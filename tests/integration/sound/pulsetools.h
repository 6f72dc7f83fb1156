// Helpers for tests against the private sound server of scripts/services/pulse.sh: pactl, tone files,
// recording a sink's monitor with parecord and measuring the recording with sox.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <optional>

namespace pulsetools {

// Runs pactl with the arguments, on the given server address or else PULSE_SERVER's; its standard
// output, or nothing when it failed.
std::optional<QString> pactl(const QStringList& args, const QString& server = QString());

// Whether the server named by PULSE_SERVER answers and has the sinks main_out and bell_out.
bool testServerReady();

// Whether pactl says the sink is muted.
bool sinkMuted(const QString& sink);

// The index of the first loaded module whose `pactl list short modules` line holds `text`; empty
// when there is none.
QString moduleIndex(const QString& text);
// Unloads the null sink named `sink` when it is loaded; false when it is loaded and stays.
bool unloadSink(const QString& sink);

// The test server's usual socket goes away while a spare one keeps pactl working, then comes back:
// every client of the usual socket loses its connection, as when the server restarts.
class SocketOutage {
public:
    SocketOutage();
    ~SocketOutage();  // brings the socket back if it is still away, and drops the spare one
    SocketOutage(const SocketOutage&) = delete;
    SocketOutage& operator=(const SocketOutage&) = delete;
    bool goAway();
    bool comeBack();

private:
    QString spare_;        // the spare socket's address
    QString spareModule_;  // and its module
    QString mainArgs_;     // the usual socket's module arguments
    bool away_ = false;
};

// Holds the test server stopped (SIGSTOP) while it lives: it keeps its sockets but answers nothing.
// The server always goes on (SIGCONT) when this ends, also when a test fails.
class ServerPause {
public:
    ServerPause();
    ~ServerPause();
    ServerPause(const ServerPause&) = delete;
    ServerPause& operator=(const ServerPause&) = delete;
    bool active() const { return pid_ > 0; }
    // Lets the server go on; also done by the destructor.
    void resume();

    // The server's process id, from the pid file next to the socket named by PULSE_SERVER.
    static qint64 serverPid();

private:
    qint64 pid_ = 0;
};

// Skips the calling test when the test server is not there.
#define REQUIRE_TEST_SERVER()                                                                           \
    do {                                                                                                \
        if (!pulsetools::testServerReady())                                                             \
            QSKIP("no test sound server: run scripts/services/pulse.sh start and export PULSE_SERVER"); \
    } while (false)

// Whether the tests run against PipeWire's PulseAudio service (CORVALIN_SOUND_SERVER=pipewire).
bool onPipeWire();

// Restarts the test sound server as an update or a crash does, through its service script:
// PulseAudio stopped and started again, or PipeWire's PulseAudio service (pipewire-pulse). True
// once it answers again.
bool restartServer();

// The sink's position among all sinks in the order of their index: what snd.ini keeps for it.
// -1 when the server has no such sink.
int sinkPosition(const QString& name);

// The playback streams the server has now (`pactl list short sink-inputs`), one line each.
QStringList streams();

// Skips the calling test where it needs PulseAudio itself (its modules, its pid file).
#define REQUIRE_PULSEAUDIO()                                                                     \
    do {                                                                                         \
        if (pulsetools::onPipeWire())                                                            \
            QSKIP("needs PulseAudio itself: its modules, its pid file or its order of answers"); \
    } while (false)

// Writes a 16-bit PCM wave file holding a sine tone at half of full scale.
bool writeTone(const QString& path, double seconds, double hertz = 1000.0, int channels = 1,
               int rate = 44100);

// What sox says about a recording.
struct Level {
    double rms = -1;
    double peak = -1;
    double soundSeconds = -1;  // from the first to the last stretch of sound, silence cut off
    double hertz = -1;         // sox's rough frequency
};
Level measure(const QString& wavePath);

// Records a sink's monitor into a new wave file while it lives.
class Recorder {
public:
    Recorder(const QString& sink, const QString& wavePath);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;
    // Waits until samples arrive, so that nothing played from then on is missed; false if they never do.
    bool waitLive();
    // Ends the recording and returns its measure.
    Level finish();

private:
    QProcess process_;
    QString path_;
};

// Bursts of sound in a recording (seconds from its beginning): each starts after at least `gap`
// seconds of quiet and ends with its last loud sample.
struct Burst {
    double start;
    double end;
};
QList<Burst> bursts(const QString& wavePath, double gap = 1.0);

}  // namespace pulsetools
