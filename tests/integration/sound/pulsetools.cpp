#include "pulsetools.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

#include <signal.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace pulsetools {

std::optional<QString> pactl(const QStringList& args, const QString& server) {
    QProcess p;
    if (!server.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), server);
        p.setProcessEnvironment(env);
    }
    p.start(QStringLiteral("pactl"), args);
    if (!p.waitForFinished(5000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        p.kill();
        p.waitForFinished(1000);
        return std::nullopt;
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool testServerReady() {
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) {
        return false;
    }
    const QString sinks =
        pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")}).value_or(QString());
    return sinks.contains(QStringLiteral("\tmain_out\t")) && sinks.contains(QStringLiteral("\tbell_out\t"));
}

bool onPipeWire() {
    return qEnvironmentVariable("CORVALIN_SOUND_SERVER") == QStringLiteral("pipewire");
}

bool restartServer() {
    const QString services = QStringLiteral(CORVALIN_SERVICES_DIR);
    QProcess script;
    script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (onPipeWire()) {
        script.start(QStringLiteral("bash"),
                     {services + QStringLiteral("/pipewire.sh"), QStringLiteral("restart")});
    } else {
        script.start(QStringLiteral("bash"),
                     {QStringLiteral("-c"),
                      QStringLiteral("bash \"$0/pulse.sh\" stop && bash \"$0/pulse.sh\" start"), services});
    }
    return script.waitForFinished(20000) && script.exitStatus() == QProcess::NormalExit &&
           script.exitCode() == 0;
}

int sinkPosition(const QString& name) {
    QList<QPair<int, QString>> ordered;
    const QString sinks =
        pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")}).value_or(QString());
    for (const QString& line : sinks.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() > 1) {
            ordered.append({fields.at(0).toInt(), fields.at(1)});
        }
    }
    std::sort(ordered.begin(), ordered.end());
    for (int i = 0; i < ordered.size(); ++i) {
        if (ordered.at(i).second == name) {
            return i;
        }
    }
    return -1;
}

QStringList streams() {
    return pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")})
        .value_or(QString())
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool sinkMuted(const QString& sink) {
    return pactl({QStringLiteral("get-sink-mute"), sink}).value_or(QString()).trimmed() ==
           QStringLiteral("Mute: yes");
}

bool unloadSink(const QString& sink) {
    const QString index = moduleIndex(QStringLiteral("sink_name=") + sink);
    return index.isEmpty() || pactl({QStringLiteral("unload-module"), index}).has_value();
}

QString moduleIndex(const QString& text) {
    const QString modules =
        pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")})
            .value_or(QString());
    for (const QString& line : modules.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.contains(text)) {
            return line.section(QLatin1Char('\t'), 0, 0);
        }
    }
    return QString();
}

SocketOutage::SocketOutage() {
    const QString socket = QString::fromLocal8Bit(qgetenv("PULSE_SERVER")).remove(QStringLiteral("unix:"));
    const QString modules =
        pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")})
            .value_or(QString());
    for (const QString& line : modules.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString args = line.section(QLatin1Char('\t'), 2, 2).trimmed();
        if (line.section(QLatin1Char('\t'), 1, 1) == QStringLiteral("module-native-protocol-unix") &&
            args.split(QLatin1Char(' ')).contains(QStringLiteral("socket=") + socket)) {
            mainArgs_ = args;
        }
    }
    if (mainArgs_.isEmpty() || socket.isEmpty()) {
        return;
    }
    const QString spareSocket = socket + QStringLiteral(".spare");
    const auto index = pactl({QStringLiteral("load-module"), QStringLiteral("module-native-protocol-unix"),
                              QStringLiteral("auth-anonymous=1"), QStringLiteral("socket=") + spareSocket});
    if (index) {
        spareModule_ = index->trimmed();
        spare_ = QStringLiteral("unix:") + spareSocket;
    }
}

SocketOutage::~SocketOutage() {
    if (away_) {
        comeBack();
    }
    if (!spareModule_.isEmpty()) {
        pactl({QStringLiteral("unload-module"), spareModule_});
    }
}

bool SocketOutage::goAway() {
    if (spare_.isEmpty() || away_) {
        return false;
    }
    const QString modules =
        pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("modules")})
            .value_or(QString());
    QString index;
    for (const QString& line : modules.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.section(QLatin1Char('\t'), 2, 2).trimmed() == mainArgs_) {
            index = line.section(QLatin1Char('\t'), 0, 0);
        }
    }
    away_ = !index.isEmpty() && pactl({QStringLiteral("unload-module"), index}, spare_).has_value();
    return away_;
}

bool SocketOutage::comeBack() {
    if (!away_) {
        return false;
    }
    const bool back =
        pactl(QStringList{QStringLiteral("load-module"), QStringLiteral("module-native-protocol-unix")} +
                  mainArgs_.split(QLatin1Char(' '), Qt::SkipEmptyParts),
              spare_)
            .has_value();
    away_ = !back;
    return back;
}

qint64 ServerPause::serverPid() {
    const QString socket = QString::fromLocal8Bit(qgetenv("PULSE_SERVER")).remove(QStringLiteral("unix:"));
    QFile file(QFileInfo(socket).dir().filePath(QStringLiteral("pulse/daemon.pid")));
    if (socket.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return 0;
    }
    return QString::fromLatin1(file.readAll()).trimmed().toLongLong();
}

ServerPause::ServerPause() {
    const qint64 pid = serverPid();
    if (pid > 0 && ::kill(static_cast<pid_t>(pid), SIGSTOP) == 0) {
        pid_ = pid;
    }
}

ServerPause::~ServerPause() {
    resume();
}

void ServerPause::resume() {
    if (pid_ > 0) {
        ::kill(static_cast<pid_t>(pid_), SIGCONT);
        pid_ = 0;
    }
}

bool writeTone(const QString& path, double seconds, double hertz, int channels, int rate) {
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info);
    if (!file) {
        return false;
    }
    const auto frames = static_cast<sf_count_t>(std::llround(seconds * rate));
    std::vector<short> samples(static_cast<size_t>(frames * channels));
    for (sf_count_t i = 0; i < frames; ++i) {
        const double v = 0.5 * std::sin(2 * std::numbers::pi * hertz * static_cast<double>(i) / rate);
        for (int c = 0; c < channels; ++c) {
            samples[static_cast<size_t>(i * channels + c)] = static_cast<short>(std::lround(v * 32767));
        }
    }
    const bool written = sf_writef_short(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && written;
}

namespace {

// sox stat over the file after the given effects; sox writes the figures to standard error.
QString soxStat(const QString& path, const QStringList& effects) {
    QProcess p;
    p.start(QStringLiteral("sox"), QStringList{path, QStringLiteral("-n")} + effects + QStringList{"stat"});
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardError());
}

// The number after "label:" in stat's output; label is a regular expression.
double figure(const QString& statOutput, const QString& label) {
    const auto m = QRegularExpression(label + QStringLiteral(":\\s*(-?[0-9.]+)")).match(statOutput);
    return m.hasMatch() ? m.captured(1).toDouble() : -1;
}

}  // namespace

Level measure(const QString& wavePath) {
    Level level;
    const QString all = soxStat(wavePath, {});
    level.rms = figure(all, QStringLiteral("RMS\\s+amplitude"));
    level.peak = figure(all, QStringLiteral("Maximum\\s+amplitude"));
    level.hertz = figure(all, QStringLiteral("Rough\\s+frequency"));
    // Cut the silence (below 1% of full scale) at both ends; what remains is the sound.
    const QString trimmed = soxStat(
        wavePath,
        QStringLiteral("silence 1 0.005 1% reverse silence 1 0.005 1% reverse").split(QLatin1Char(' ')));
    level.soundSeconds = figure(trimmed, QStringLiteral("Length \\(seconds\\)"));
    return level;
}

Recorder::Recorder(const QString& sink, const QString& wavePath) : path_(wavePath) {
    QFile::remove(wavePath);
    process_.start(QStringLiteral("parecord"),
                   {QStringLiteral("--latency-msec=20"), QStringLiteral("--device=%1.monitor").arg(sink),
                    QStringLiteral("--channels=1"), QStringLiteral("--rate=44100"),
                    QStringLiteral("--format=s16le"), QStringLiteral("--file-format=wav"), wavePath});
}

bool Recorder::waitLive() {
    // Live once a tenth of a second of samples is in the file.
    const QDeadlineTimer deadline(3000);
    while (!deadline.hasExpired() && process_.state() != QProcess::NotRunning) {
        if (QFileInfo(path_).size() > 44 + 8820) {
            return true;
        }
        QThread::msleep(10);
    }
    return false;
}

Recorder::~Recorder() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(2000);
    }
}

Level Recorder::finish() {
    process_.terminate();  // parecord closes the file properly on SIGTERM
    if (!process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(1000);
    }
    return measure(path_);
}

QList<Burst> bursts(const QString& wavePath, double gap) {
    SF_INFO info{};
    SNDFILE* file = sf_open(wavePath.toLocal8Bit().constData(), SFM_READ, &info);
    if (!file) {
        return {};
    }
    std::vector<float> samples(static_cast<size_t>(info.frames * info.channels));
    sf_readf_float(file, samples.data(), info.frames);
    sf_close(file);
    QList<Burst> found;
    double lastSound = -1e9;
    for (sf_count_t i = 0; i < info.frames; ++i) {
        if (std::abs(samples[static_cast<size_t>(i * info.channels)]) > 0.02) {
            const double t = static_cast<double>(i) / info.samplerate;
            if (t - lastSound > gap) {
                found.append({t, t});
            }
            found.last().end = t;
            lastSound = t;
        }
    }
    return found;
}

}  // namespace pulsetools
