// The default output's mute through libpulse; see mixer_pulse.h.
#include "core/bells/linux/mixer_pulse.h"

#include "core/bells/linux/pulseconnection.h"

#include <pulse/pulseaudio.h>

PulseMixer::PulseMixer(PulseConnection& connection) : connection_(connection) {}

bool PulseMixer::open() {
    return connection_.isReady();
}

bool PulseMixer::setMute(bool muted) {
    PulseConnection::Lock lock(connection_);
    pa_context* context = connection_.readyContext();
    if (!context) {
        return false;
    }
    // The server resolves the name to its default sink when it handles the request.
    pa_operation* op =
        pa_context_set_sink_mute_by_name(context, "@DEFAULT_SINK@", muted ? 1 : 0, nullptr, nullptr);
    if (!op) {
        return false;
    }
    connection_.keepUntilAnswered(op);
    return true;
}
