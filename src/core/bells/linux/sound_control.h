// The mixer module: opens the default card's mixer and switches its master mute.
// Position 7 of the control table is the master mute, the only control the program changes.
#pragma once

class Mixer;

class sound_control {
public:
    static constexpr int kMasterMute = 7;
    static constexpr int kPositions = 21;

    explicit sound_control(Mixer* mixer) : m_mixer(mixer) {}

    // Opens mixer `mixer` (only 0, the default card, exists); false when it cannot be opened.
    bool InitMixerControls(int mixer);

    // Writes |value| to the control at `position`: at position 7, -1 mutes and 0 unmutes the
    // default card. Positions this platform does not offer answer false.
    bool SetMixerControl(int position, int value);

    // Writes one value to the master mute, clamped to its range 0..1.
    bool WriteControlValue(int value);

    bool isOpen() const { return m_open; }

private:
    Mixer* m_mixer;
    bool m_open = false;
};
