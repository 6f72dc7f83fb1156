// Bells played through the sound server on the program's one connection, the file decoded whole by
// libsndfile and kept in memory.
#pragma once

#include "core/ports/belloutput.h"

#include <QtGlobal>

#include <functional>
#include <memory>

class PulseConnection;
class QObject;

// Plays one bell at a time on a sink of the server. Nothing here waits on the server: play() makes
// the stream and asks for it, the samples are written from the connection's event thread as the
// server wants them (again and again for a loop), and stop() lets the stream go at once. A bell that
// fails after play() returned true (its sink went away, the connection broke) is reported through
// the failure handler. The connection must outlive the output.
class PulseBellOutput final : public BellOutput {
public:
    explicit PulseBellOutput(PulseConnection& connection);
    ~PulseBellOutput() override;
    PulseBellOutput(const PulseBellOutput&) = delete;
    PulseBellOutput& operator=(const PulseBellOutput&) = delete;

    // The default entry, then the connection's sinks as last reported by the server.
    QList<OutputDevice> devices() override;
    QString defaultDeviceId() const override;
    // False when it is known at once that nothing will sound: no connection, or a file that cannot
    // be decoded. A named sink the server does not have (or loses while the stream connects)
    // leaves the bell on the default sink.
    bool play(const QString& deviceId, const QString& path, bool loop) override;
    void stop() override;
    // The stream made corked and filled; play() uncorks it, which is one short message to the server.
    bool prepare(const QString& deviceId, const QString& path, bool loop) override;
    void dropPrepared() override;
    bool isPresent() const override;
    // Also refuses a file beyond the bounds of a bell sound (see bellrules.h), by its header
    // before any of it is decoded, or, when the header lies or gives no length, as soon as the
    // bounds are passed.
    QString refusal() const override { return refusal_; }
    std::optional<qint64> lengthMs(const QString& path) override;

    void setDevicesChangedHandler(std::function<void()> handler) override;
    void setFailureHandler(std::function<void(const QString& reason)> handler) override;
    bool isConnected() const override;
    bool reportsFinish() const override { return true; }
    void setFinishedHandler(std::function<void()> handler) override { onFinished_ = std::move(handler); }
    void setConnectionHandler(std::function<void(bool connected)> handler) override;

private:
    struct Playback;
    class SoundCache;

    void reportFailure(quint64 generation, const QString& reason);
    void reportFinished(quint64 generation);
    // The playback of a file on the device, its stream asked of the server (corked when held);
    // nullptr when it is known at once that nothing will sound.
    std::unique_ptr<Playback> openPlayback(const QString& deviceId, const QString& path, bool loop,
                                           bool held);

    PulseConnection& connection_;
    std::unique_ptr<SoundCache> cache_;
    std::unique_ptr<Playback> playback_;
    std::unique_ptr<Playback> prepared_;  // held silent until a play() of the same device, file and loop
    QString preparedDevice_;
    QString preparedPath_;
    QString refusal_;                    // why the last play() or prepare() refused its file
    std::unique_ptr<QObject> notifier_;  // on the window's thread; failures are posted through it
    quint64 generation_ = 0;             // counts play() and stop(): a late report of an old bell is dropped
    std::function<void(const QString&)> onFailure_;
    std::function<void()> onFinished_;
    int devicesHandlerKey_ = 0;
    int connectionHandlerKey_ = 0;
};
