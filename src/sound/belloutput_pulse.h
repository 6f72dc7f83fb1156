// Bells played through the sound server (PulseAudio, or PipeWire's PulseAudio service) with libpulse,
// the file decoded whole by libsndfile.
#pragma once

#include "sound/belloutput.h"

#include <functional>
#include <memory>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_operation;

// One connection to the sound server, found the way libpulse finds it (PULSE_SERVER, the user's
// runtime folder), with its own event thread. Every wait on the server is bounded, so a missing or
// hung server costs the caller at most a couple of seconds per wait and never blocks for good.
class PulseSession {
public:
    static constexpr int kWaitMs = 2000;

    // Connects at once; connected() tells whether it worked.
    explicit PulseSession(const char* clientName);
    ~PulseSession();
    PulseSession(const PulseSession&) = delete;
    PulseSession& operator=(const PulseSession&) = delete;

    // Whether the connection is up (takes the lock itself).
    bool connected() const;

    pa_context* context() const { return context_; }
    pa_threaded_mainloop* mainloop() const { return loop_; }

    // Holds the event thread's lock for its scope. Everything below needs it held.
    class Lock {
    public:
        explicit Lock(const PulseSession& session);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        pa_threaded_mainloop* loop_;
    };

    // Waits until done() holds, the connection breaks or ms milliseconds pass; returns done().
    // Callbacks that change what done() looks at must call wake().
    bool waitFor(const std::function<bool()>& done, int ms = kWaitMs);
    // Waits for an operation and releases it; cancels it (its callback will not run) when time runs
    // out or the connection breaks. True when it completed.
    bool finish(pa_operation* op);
    // Wakes waitFor(); for callbacks running on the event thread.
    void wake();

private:
    bool contextUsable() const;

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
};

// Plays one bell at a time on a sink of the sound server. The context, stream and decoded samples
// are made at each play() and released at the next play() or stop(). Samples are written from the
// event thread, so playing (and looping) goes on without the Qt event loop.
class PulseBellOutput final : public BellOutput {
public:
    PulseBellOutput();
    ~PulseBellOutput() override;
    PulseBellOutput(const PulseBellOutput&) = delete;
    PulseBellOutput& operator=(const PulseBellOutput&) = delete;

    QList<OutputDevice> devices() override;
    bool play(const QString& deviceId, const QString& path, bool loop) override;
    void stop() override;
    bool isPresent() const override;
    std::optional<qint64> lengthMs(const QString& path) override;

private:
    struct Playback;
    std::unique_ptr<Playback> playback_;
};
