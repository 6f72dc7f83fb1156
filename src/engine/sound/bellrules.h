// Rules of a bell that need no sound server: how long a bell sound may be, how long the default
// card stays muted, and how a card is named in the window.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvalin::sound {

enum class BellKind { Scheduled, Manual };

// The bounds of a bell sound, whatever its format: it lasts at most kMaxSoundSeconds, and its
// decoded samples (32-bit floats, as they are played) take at most kMaxSoundBytes of memory, which
// is 10 minutes of 48 kHz stereo. A sound beyond either is refused at import, marked in the sound
// list, and at ring time refused by its header, or, when the header does not say, once reading it
// passes the bounds.
constexpr long long kMaxSoundSeconds = 10 * 60;
constexpr long long kDecodedSampleBytes = 4;
constexpr long long kMaxSoundBytes = kMaxSoundSeconds * 48000 * 2 * kDecodedSampleBytes;

// The most frames a sound of this rate and channel count may have within both bounds; 0 for a
// rate or channel count below 1.
long long maxSoundFrames(int rate, int channels);

// Why a sound of `frames` frames is refused: "it lasts 11 min 00 s; a bell sound lasts at most 10
// minutes" ("1 h 00 min 00 s" from an hour on), or that it takes too much memory decoded. Empty when it is
// within the bounds.
std::string soundRefusal(long long frames, int rate, int channels);
// Why a sound whose header does not give its length, and that was read past maxSoundFrames, is
// refused.
std::string unboundedSoundRefusal(int rate, int channels);

// Whether a file of the sound folder is a bell sound by its name: a wave file (".wav" anywhere
// in its name, as always), or one ending in ".flac", ".ogg", ".oga", ".opus" or ".mp3", in any
// letter case. What it holds is read by its content (libsndfile), whatever its name says.
bool isBellSoundName(std::string_view name);
// The same endings as a file picker's pattern: "*.wav *.flac *.ogg *.oga *.opus *.mp3".
std::string bellSoundPatterns();

// The mute after a bell lasts this many ticks of the one-second mute timer: the whole seconds
// of the sound for a scheduled bell, one more for a bell rung by hand. A sound of unknown length
// counts as one second, and every bell gets at least one tick, so the default card is never
// left muted by a short sound.
int bellSeconds(std::optional<long long> lengthMs, BellKind kind);

// How a card is named in the window: its description and its number in the selection list,
// "USB Audio(2)".
std::string cardLabel(const std::string& description, int listNumber);

}  // namespace corvalin::sound
