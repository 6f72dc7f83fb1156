// The default output's mute, on the sound server through libpulse.
#pragma once

#include "core/ports/mixer.h"

class PulseConnection;

// Mutes the server's default sink, whichever it is when the server handles the request, on the
// program's one connection. Requests go out in call order and are never waited for; those still
// unanswered when the connection is destroyed are waited for there (bounded). The connection must
// outlive the mixer.
class PulseMixer final : public Mixer {
public:
    explicit PulseMixer(PulseConnection& connection);

    // Whether the connection is up; never waits.
    bool open() override;
    // True when the request went out on a ready connection, false when there is none.
    bool setMute(bool muted) override;

private:
    PulseConnection& connection_;
};
