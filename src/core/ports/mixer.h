// The default sound card's master mute.
#pragma once

class Mixer {
public:
    virtual ~Mixer() = default;
    // Connects to the default card's mixer; false when there is none.
    virtual bool open() = 0;
    // Mutes or unmutes the default output; false when the mixer refused or is absent.
    virtual bool setMute(bool muted) = 0;
};

class NullMixer final : public Mixer {
public:
    bool open() override { return false; }
    bool setMute(bool) override { return false; }
};
