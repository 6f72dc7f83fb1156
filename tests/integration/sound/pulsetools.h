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

// Skips the calling test when the test server is not there.
#define REQUIRE_TEST_SERVER()                                                                           \
    do {                                                                                                \
        if (!pulsetools::testServerReady())                                                             \
            QSKIP("no test sound server: run scripts/services/pulse.sh start and export PULSE_SERVER"); \
    } while (false)

// Writes a 16-bit PCM wave file holding a sine tone at half of full scale.
bool writeTone(const QString& path, double seconds, double hertz = 1000.0, int channels = 1,
               int rate = 44100);

// What sox says about a recording.
struct Level {
    double rms = -1;
    double peak = -1;
    double soundSeconds = -1;  // from the first to the last stretch of sound, silence cut off
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

}  // namespace pulsetools
