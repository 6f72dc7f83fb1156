// The default output's mute, on the sound server through libpulse.
#pragma once

#include "sound/mixer.h"

#include <memory>

class PulseSession;

// Mutes the server's current default sink, whichever it is at the moment of the call. Holds one
// connection for its life and makes a new one when the server has gone away and come back.
class PulseMixer final : public Mixer {
public:
    PulseMixer();
    ~PulseMixer() override;
    PulseMixer(const PulseMixer&) = delete;
    PulseMixer& operator=(const PulseMixer&) = delete;

    bool open() override;
    bool setMute(bool muted) override;

private:
    bool ensureConnected();
    bool trySetMute(bool muted);

    std::unique_ptr<PulseSession> session_;
};
