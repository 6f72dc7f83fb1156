// Rules of a bell that need no sound server: how long the default card stays muted, and how a
// card is named in the window.
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

// How a card is named in the window: its description and its number in the selection list,
// "USB Audio(2)".
std::string cardLabel(const std::string& description, int listNumber);

}  // namespace corvalin::sound
