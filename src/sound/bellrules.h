// Rules of a bell that need no sound server: how long the default card stays muted, and which
// output-device entry a chosen card stands for.
#pragma once

#include <optional>
#include <string>

namespace corvalin::sound {

enum class BellKind { Scheduled, Manual };

// The mute after a bell lasts this many ticks of the one-second mute timer: the whole seconds
// of the sound for a scheduled bell, one more for a bell rung by hand. A sound of unknown length
// counts as one second, and every bell gets at least one tick, so the default card is never
// left muted by a short sound.
int bellSeconds(std::optional<long long> lengthMs, BellKind kind);

// The output devices are numbered from 1; entry 1 is the default output, and the chosen card
// at list position k is entry k + 2. No card chosen (-1), or a card beyond the devices there are
// now, gives entry 1.
int deviceEntry(int soundCardIndex, int deviceCount);

// How a card is named in the window: its description and its number in the selection list,
// "USB Audio(2)".
std::string cardLabel(const std::string& description, int listNumber);

}  // namespace corvalin::sound
