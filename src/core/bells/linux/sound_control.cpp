// The default card's master mute.
#include "core/bells/linux/sound_control.h"

#include <algorithm>
#include <cstdlib>

#include "core/ports/mixer.h"

bool sound_control::InitMixerControls(int mixer) {
    if (mixer != 0) {
        return false;
    }
    m_open = m_mixer->open();
    return m_open;
}

bool sound_control::SetMixerControl(int position, int value) {
    if (position != kMasterMute) {
        return false;
    }
    return WriteControlValue(std::abs(value));
}

bool sound_control::WriteControlValue(int value) {
    // Tried even when the first opening failed: a sound server that starts later is found.
    return m_mixer->setMute(std::clamp(value, 0, 1) == 1);
}
