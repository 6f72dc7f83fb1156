// The one connection to the sound server; see pulseconnection.h.
#include "core/bells/linux/pulseconnection.h"

#include <QObject>

#include <pulse/pulseaudio.h>

#include <algorithm>

namespace {

// A wall-clock time ms from now; libpulse turns it into a monotonic deadline when it arms the event,
// so a later change of the system clock does not move it.
timeval inMs(int ms) {
    timeval tv{};
    pa_gettimeofday(&tv);
    pa_timeval_add(&tv, static_cast<pa_usec_t>(ms) * PA_USEC_PER_MSEC);
    return tv;
}

struct Deadline {
    pa_threaded_mainloop* loop;
    bool passed = false;
};

void deadlinePassed(pa_mainloop_api*, pa_time_event*, const struct timeval*, void* userdata) {
    auto* deadline = static_cast<Deadline*>(userdata);
    deadline->passed = true;
    pa_threaded_mainloop_signal(deadline->loop, 0);
}

}  // namespace

struct PulseConnection::Events {
    static void onContextState(pa_context* context, void* userdata);
    static void onServerEvent(pa_context* context, pa_subscription_event_type_t type, uint32_t index,
                              void* userdata);
    static void onServerInfo(pa_context* context, const pa_server_info* info, void* userdata);
    static void onSinkInfo(pa_context* context, const pa_sink_info* info, int eol, void* userdata);
    static void onRetryDue(pa_mainloop_api* api, pa_time_event* event, const struct timeval* tv,
                           void* userdata);
    static void onOperationState(pa_operation* op, void* userdata);
};

PulseConnection::PulseConnection(const char* clientName)
    : clientName_(clientName), notifier_(std::make_unique<QObject>()) {
    loop_ = pa_threaded_mainloop_new();
    if (!loop_) {
        return;
    }
    pa_threaded_mainloop_set_name(loop_, "corvalin-pulse");
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop_);
    retry_ = api->time_new(api, nullptr, Events::onRetryDue, this);  // armed when an attempt fails
    if (pa_threaded_mainloop_start(loop_) < 0) {
        api->time_free(retry_);
        retry_ = nullptr;
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
        return;
    }
    Lock lock(*this);
    connectNow();
    // Start-up shows the right device when the server answers soon; a missing server fails at once,
    // a hung one costs kStartWaitMs. Either way the connection goes on trying by itself.
    waitUntil([this] { return listedOnce_ || attemptEnded_; }, kStartWaitMs);
}

PulseConnection::~PulseConnection() {
    if (loop_) {
        {
            Lock lock(*this);
            closing_ = true;
            // The program's last requests (the unmute at exit) must reach the server.
            waitUntil([this] { return unanswered_.empty(); }, kFinishWaitMs);
            for (pa_operation* op : unanswered_) {
                pa_operation_set_state_callback(op, nullptr, nullptr);
                pa_operation_unref(op);
            }
            unanswered_.clear();
            pa_threaded_mainloop_get_api(loop_)->time_free(retry_);
            retry_ = nullptr;
            if (context_) {
                pa_context_set_state_callback(context_, nullptr, nullptr);
                pa_context_set_subscribe_callback(context_, nullptr, nullptr);
                pa_context_disconnect(context_);
            }
        }
        pa_threaded_mainloop_stop(loop_);
        if (context_) {
            pa_context_unref(context_);
            context_ = nullptr;
        }
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
    }
    // Only now, with the event thread gone, can no queued call be posted any more; the ones still
    // waiting are dropped with the object.
    notifier_.reset();
}

PulseConnection::Lock::Lock(const PulseConnection& connection) : loop_(connection.loop_) {
    if (loop_) {
        pa_threaded_mainloop_lock(loop_);
    }
}

PulseConnection::Lock::~Lock() {
    if (loop_) {
        pa_threaded_mainloop_unlock(loop_);
    }
}

bool PulseConnection::isReady() const {
    return ready_.load();
}

QList<OutputDevice> PulseConnection::sinks() const {
    std::lock_guard guard(sinksMutex_);
    return sinks_;
}

QString PulseConnection::defaultSink() const {
    std::lock_guard guard(sinksMutex_);
    return defaultSink_;
}

bool PulseConnection::hasSink(const QString& name) const {
    std::lock_guard guard(sinksMutex_);
    return std::any_of(sinks_.cbegin(), sinks_.cend(), [&](const OutputDevice& d) { return d.id == name; });
}

int PulseConnection::addDevicesChangedHandler(std::function<void()> handler) {
    const int key = nextHandlerKey_++;
    handlers_.emplace(key, std::move(handler));
    return key;
}

void PulseConnection::removeDevicesChangedHandler(int key) {
    handlers_.erase(key);
}

int PulseConnection::addConnectionHandler(std::function<void(bool connected)> handler) {
    const int key = nextHandlerKey_++;
    connectionHandlers_.emplace(key, std::move(handler));
    return key;
}

void PulseConnection::removeConnectionHandler(int key) {
    connectionHandlers_.erase(key);
}

pa_context* PulseConnection::readyContext() const {
    return ready_.load() ? context_ : nullptr;
}

void PulseConnection::keepUntilAnswered(pa_operation* op) {
    if (!op) {
        return;
    }
    forgetAnswered();
    if (pa_operation_get_state(op) != PA_OPERATION_RUNNING) {
        pa_operation_unref(op);
        return;
    }
    pa_operation_set_state_callback(op, Events::onOperationState, this);
    unanswered_.push_back(op);
}

// ---------------------------------------------------------------------------------------------
// On the event thread, or with the lock held

void PulseConnection::connectNow() {
    attemptEnded_ = false;
    listedOnce_ = false;
    listing_ = false;
    relist_ = false;
    pa_proplist* props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, clientName_.constData());
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "corvalin");
    context_ =
        pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_), clientName_.constData(), props);
    pa_proplist_free(props);
    if (!context_) {
        attemptEnded_ = true;
        scheduleRetry();
        postConnection(false);
        return;
    }
    pa_context_set_state_callback(context_, Events::onContextState, this);
    // No autospawn: a bell must not wait for a sound server to be started on its behalf.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        dropContext();
        attemptEnded_ = true;
        scheduleRetry();
        postConnection(false);
    }
}

void PulseConnection::dropContext() {
    if (!context_) {
        return;
    }
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_set_subscribe_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

void PulseConnection::scheduleRetry() {
    if (closing_ || !retry_) {
        return;
    }
    const timeval due = inMs(retryMs_);
    pa_threaded_mainloop_get_api(loop_)->time_restart(retry_, &due);
    retryMs_ = std::min(retryMs_ * 2, kLastRetryMs);
}

void PulseConnection::Events::onRetryDue(pa_mainloop_api*, pa_time_event*, const struct timeval*,
                                         void* userdata) {
    auto* self = static_cast<PulseConnection*>(userdata);
    if (self->closing_) {
        return;
    }
    self->dropContext();
    self->connectNow();
}

void PulseConnection::Events::onContextState(pa_context* context, void* userdata) {
    auto* self = static_cast<PulseConnection*>(userdata);
    if (context != self->context_) {
        return;
    }
    switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY: {
            pa_context_set_subscribe_callback(context, Events::onServerEvent, self);
            const auto mask =
                static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SERVER);
            if (pa_operation* op = pa_context_subscribe(context, mask, nullptr, nullptr)) {
                pa_operation_unref(op);
            }
            self->requestSinks();
            break;
        }
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            self->ready_ = false;
            self->attemptEnded_ = true;
            self->listing_ = false;
            self->publishSinks({}, {});
            self->scheduleRetry();
            self->postConnection(false);
            break;
        default:
            break;
    }
    pa_threaded_mainloop_signal(self->loop_, 0);
}

void PulseConnection::Events::onServerEvent(pa_context* context, pa_subscription_event_type_t type, uint32_t,
                                            void* userdata) {
    auto* self = static_cast<PulseConnection*>(userdata);
    const unsigned facility = type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
    if (context == self->context_ &&
        (facility == PA_SUBSCRIPTION_EVENT_SINK || facility == PA_SUBSCRIPTION_EVENT_SERVER)) {
        // Read the whole list again: the server's order, names and descriptions in one go.
        self->requestSinks();
    }
}

void PulseConnection::requestSinks() {
    if (listing_) {
        relist_ = true;  // once the list that is out has arrived
        return;
    }
    // The default sink first: the server answers in order, so it is known when the list ends.
    incomingDefault_.clear();
    if (pa_operation* info = pa_context_get_server_info(context_, Events::onServerInfo, this)) {
        pa_operation_unref(info);
    }
    pa_operation* op = pa_context_get_sink_info_list(context_, Events::onSinkInfo, this);
    if (!op) {
        return;
    }
    pa_operation_unref(op);
    listing_ = true;
    relist_ = false;
    incoming_.clear();
}

void PulseConnection::Events::onServerInfo(pa_context* context, const pa_server_info* info, void* userdata) {
    auto* self = static_cast<PulseConnection*>(userdata);
    if (context == self->context_ && self->listing_ && info && info->default_sink_name) {
        self->incomingDefault_ = QString::fromUtf8(info->default_sink_name);
    }
}

void PulseConnection::Events::onSinkInfo(pa_context* context, const pa_sink_info* info, int eol,
                                         void* userdata) {
    auto* self = static_cast<PulseConnection*>(userdata);
    if (context != self->context_ || !self->listing_) {
        return;
    }
    if (eol == 0) {
        if (info) {
            const char* description = info->description ? info->description : info->name;
            self->incoming_.push_back(SinkEntry{
                info->index, OutputDevice{QString::fromUtf8(info->name), QString::fromUtf8(description)}});
        }
        return;
    }
    self->listing_ = false;
    if (eol > 0) {
        std::sort(self->incoming_.begin(), self->incoming_.end(),
                  [](const SinkEntry& a, const SinkEntry& b) { return a.index < b.index; });
        QList<OutputDevice> list;
        list.reserve(static_cast<qsizetype>(self->incoming_.size()));
        for (const SinkEntry& entry : self->incoming_) {
            list.append(entry.device);
        }
        self->publishSinks(std::move(list), self->incomingDefault_);
    }
    self->incoming_.clear();
    if (!self->listedOnce_) {
        self->listedOnce_ = true;
        self->ready_ = true;
        self->retryMs_ = kFirstRetryMs;  // the next outage starts again from the quickest attempt
        self->postConnection(true);
        pa_threaded_mainloop_signal(self->loop_, 0);
    }
    if (self->relist_) {
        self->requestSinks();
    }
}

void PulseConnection::publishSinks(QList<OutputDevice> sinks, QString defaultSink) {
    {
        std::lock_guard guard(sinksMutex_);
        const bool same = std::equal(sinks.cbegin(), sinks.cend(), sinks_.cbegin(), sinks_.cend(),
                                     [](const OutputDevice& a, const OutputDevice& b) {
                                         return a.id == b.id && a.description == b.description;
                                     });
        if (same && defaultSink == defaultSink_) {
            return;
        }
        sinks_ = std::move(sinks);
        defaultSink_ = std::move(defaultSink);
    }
    postDevicesChanged();
}

void PulseConnection::postDevicesChanged() {
    // The handlers are Qt code: they run on the making thread, never on this one.
    QMetaObject::invokeMethod(
        notifier_.get(),
        [this] {
            const auto handlers = handlers_;  // a handler may add or remove handlers
            for (const auto& [key, handler] : handlers) {
                if (handler) {
                    handler();
                }
            }
        },
        Qt::QueuedConnection);
}

void PulseConnection::postConnection(bool connected) {
    // Said once for each change: the attempts of one outage are one outage.
    if (toldOnce_ && toldConnected_ == connected) {
        return;
    }
    toldOnce_ = true;
    toldConnected_ = connected;
    QMetaObject::invokeMethod(
        notifier_.get(),
        [this, connected] {
            const auto handlers = connectionHandlers_;
            for (const auto& [key, handler] : handlers) {
                if (handler) {
                    handler(connected);
                }
            }
        },
        Qt::QueuedConnection);
}

void PulseConnection::Events::onOperationState(pa_operation* op, void* userdata) {
    auto* self = static_cast<PulseConnection*>(userdata);
    if (pa_operation_get_state(op) != PA_OPERATION_RUNNING) {
        self->forgetAnswered();
        pa_threaded_mainloop_signal(self->loop_, 0);
    }
}

void PulseConnection::forgetAnswered() {
    std::erase_if(unanswered_, [](pa_operation* op) {
        if (pa_operation_get_state(op) == PA_OPERATION_RUNNING) {
            return false;
        }
        pa_operation_set_state_callback(op, nullptr, nullptr);
        pa_operation_unref(op);
        return true;
    });
}

void PulseConnection::waitUntil(const std::function<bool()>& done, int ms) {
    Deadline deadline{loop_};
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop_);
    const timeval due = inMs(ms);
    pa_time_event* timer = api->time_new(api, &due, deadlinePassed, &deadline);
    while (!done() && !deadline.passed) {
        pa_threaded_mainloop_wait(loop_);
    }
    api->time_free(timer);
}
