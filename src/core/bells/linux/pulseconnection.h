// The program's one connection to the sound server (PulseAudio, or PipeWire's PulseAudio service).
#pragma once

#include "core/ports/belloutput.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

class QObject;
struct pa_threaded_mainloop;
struct pa_context;
struct pa_operation;
struct pa_time_event;

// Holds one libpulse context on its own event thread for the program's life. It connects to the
// server libpulse finds (PULSE_SERVER, the user's runtime folder), never starts one, and connects
// again by itself at once after it lost the server (a restart, a crash): the first attempt within
// 50 ms, then each wait twice the last, up to a second, until it is back. The server's
// sinks are kept in memory, current through its change events, so nothing here waits on the server
// except the constructor (bounded, so that start-up shows the right device) and the destructor
// (bounded, so that the last requests of the program reach the server).
//
// Made and destroyed on one thread with a Qt event loop (the window's); everything that uses it
// (PulseBellOutput, PulseMixer) must be destroyed before it.
class PulseConnection {
public:
    static constexpr int kStartWaitMs = 1500;   // the constructor's longest wait
    static constexpr int kFinishWaitMs = 1000;  // the destructor's longest wait for answers
    static constexpr int kFirstRetryMs = 50;    // the first new attempt after one failed
    static constexpr int kLastRetryMs = 1000;   // the longest wait between two attempts

    explicit PulseConnection(const char* clientName);
    ~PulseConnection();
    PulseConnection(const PulseConnection&) = delete;
    PulseConnection& operator=(const PulseConnection&) = delete;

    // Connected, and the sink list of this connection has been read. Never waits.
    bool isReady() const;

    // Every sink in the order of the server's sink index (id = name); empty while not connected.
    // Never waits.
    QList<OutputDevice> sinks() const;
    bool hasSink(const QString& name) const;
    // The server's default sink (its name), read with the sinks; empty while not connected.
    QString defaultSink() const;

    // Calls the handler on the thread that made the connection, through its event loop, after
    // each change of sinks(). Returns a key for removeDevicesChangedHandler().
    int addDevicesChangedHandler(std::function<void()> handler);
    void removeDevicesChangedHandler(int key);

    // Calls the handler on the thread that made the connection, through its event loop, when the
    // connection is made (true: connected and the sinks read) and when it is lost or an attempt
    // failed while there was none (false). Returns a key for removeConnectionHandler().
    int addConnectionHandler(std::function<void(bool connected)> handler);
    void removeConnectionHandler(int key);

    // Holds the event thread's lock for its scope (the lock is recursive). Every libpulse call on
    // the context or its streams from another thread needs it held.
    class Lock {
    public:
        explicit Lock(const PulseConnection& connection);
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;

    private:
        pa_threaded_mainloop* loop_;
    };

    // With the lock held: the context when isReady(), else nullptr. Only good while the lock is held
    // (the context is replaced when the connection is made again).
    pa_context* readyContext() const;

    // With the lock held: keeps a request sent on readyContext() until the server answered it (or
    // the connection broke), so that the destructor can wait for it. Takes over the reference.
    void keepUntilAnswered(pa_operation* op);

private:
    void connectNow();
    void dropContext();
    void scheduleRetry();
    void requestSinks();
    void publishSinks(QList<OutputDevice> sinks, QString defaultSink);
    void postDevicesChanged();
    void postConnection(bool connected);
    void waitUntil(const std::function<bool()>& done, int ms);
    void forgetAnswered();

    struct Events;  // libpulse's callbacks

    QByteArray clientName_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;  // the current attempt; replaced only on the event thread
    pa_time_event* retry_ = nullptr;
    std::unique_ptr<QObject> notifier_;  // lives on the making thread; queued calls go through it

    // Event thread (or lock held):
    bool closing_ = false;
    bool attemptEnded_ = false;    // the last attempt failed or was cut off
    bool listing_ = false;         // a sink list request is out
    bool relist_ = false;          // the list changed again while it was out
    bool listedOnce_ = false;      // this connection's first list has arrived
    int retryMs_ = kFirstRetryMs;  // the wait before the next attempt
    bool toldConnected_ = false;   // what the connection handlers were told last
    bool toldOnce_ = false;
    struct SinkEntry {
        uint32_t index;
        OutputDevice device;
    };
    std::vector<SinkEntry> incoming_;  // the list being read
    QString incomingDefault_;          // and the default sink, read just before it
    std::vector<pa_operation*> unanswered_;

    std::atomic<bool> ready_{false};
    mutable std::mutex sinksMutex_;
    QList<OutputDevice> sinks_;
    QString defaultSink_;

    // Making thread only:
    std::map<int, std::function<void()>> handlers_;
    std::map<int, std::function<void(bool)>> connectionHandlers_;
    int nextHandlerKey_ = 1;
};
