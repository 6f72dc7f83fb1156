// The default output's mute through libpulse; see mixer_pulse.h.
#include "sound/mixer_pulse.h"

#include "sound/belloutput_pulse.h"

#include <pulse/pulseaudio.h>

PulseMixer::PulseMixer() = default;

PulseMixer::~PulseMixer() = default;

bool PulseMixer::ensureConnected() {
    if (session_ && session_->connected()) {
        return true;
    }
    session_.reset();
    auto session = std::make_unique<PulseSession>("Corvalin mixer");
    if (!session->connected()) {
        return false;
    }
    session_ = std::move(session);
    return true;
}

bool PulseMixer::open() {
    return ensureConnected();
}

bool PulseMixer::trySetMute(bool muted) {
    struct Result {
        PulseSession* session;
        bool success = false;
    } result{session_.get()};
    auto onDone = [](pa_context*, int success, void* userdata) {
        auto* r = static_cast<Result*>(userdata);
        r->success = success != 0;
        r->session->wake();
    };
    PulseSession::Lock lock(*session_);
    // The server resolves the name to its default sink when it handles the request.
    const bool completed = session_->finish(pa_context_set_sink_mute_by_name(
        session_->context(), "@DEFAULT_SINK@", muted ? 1 : 0, onDone, &result));
    return completed && result.success;
}

bool PulseMixer::setMute(bool muted) {
    if (!ensureConnected()) {
        return false;
    }
    if (trySetMute(muted)) {
        return true;
    }
    // A connection that broke since the last call (a restarted server) is made again once.
    if (session_->connected()) {
        return false;
    }
    return ensureConnected() && trySetMute(muted);
}
