// Bell rules.
#include "engine/sound/bellrules.h"

#include <algorithm>

namespace corvalin::sound {

namespace {

std::string megabytes(long long bytes) {
    return std::to_string((bytes + 999999) / 1000000) + " MB";
}

// The endings of the formats a bell rings in besides wave files.
constexpr std::string_view kOtherEndings[] = {".flac", ".ogg", ".oga", ".opus", ".mp3"};

std::string maxSoundText() {
    return std::to_string(kMaxSoundSeconds / 60) + " minutes";
}

}  // namespace

bool isBellSoundName(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    if (lower.find(".wav") != std::string::npos) {
        return true;
    }
    return std::any_of(std::begin(kOtherEndings), std::end(kOtherEndings), [&lower](std::string_view ending) {
        return lower.size() > ending.size() && lower.compare(lower.size() - ending.size(), ending.size(), ending) == 0;
    });
}

std::string bellSoundPatterns() {
    std::string patterns = "*.wav";
    for (const std::string_view ending : kOtherEndings) {
        patterns += " *";
        patterns += ending;
    }
    return patterns;
}

long long maxSoundFrames(int rate, int channels) {
    if (rate < 1 || channels < 1) {
        return 0;
    }
    return std::min(kMaxSoundSeconds * rate, kMaxSoundBytes / (channels * kDecodedSampleBytes));
}

std::string soundRefusal(long long frames, int rate, int channels) {
    if (rate < 1 || channels < 1 || frames <= maxSoundFrames(rate, channels)) {
        return std::string();
    }
    // Whole seconds rounded up: a sound a moment past the bound does not read as within it.
    const long long seconds = frames / rate + (frames % rate != 0 ? 1 : 0);
    if (seconds > kMaxSoundSeconds) {
        const long long hours = seconds / 3600;
        const long long minutes = seconds / 60 % 60;
        auto two = [](long long n) { return (n < 10 ? "0" : "") + std::to_string(n); };
        return "it lasts " +
               (hours > 0 ? std::to_string(hours) + " h " + two(minutes) : std::to_string(minutes)) +
               " min " + two(seconds % 60) + " s; a bell sound lasts at most " + maxSoundText();
    }
    // Frames of many channels at a high rate, within the time: the memory they take decoded.
    const long long bytes = frames * channels * kDecodedSampleBytes;
    return "it takes " + megabytes(bytes) + " of memory decoded (" + std::to_string(channels) +
           " channels at " + std::to_string(rate) + " Hz); a bell sound takes at most " +
           megabytes(kMaxSoundBytes);
}

std::string unboundedSoundRefusal(int rate, int channels) {
    if (kMaxSoundSeconds * rate <= maxSoundFrames(rate, channels)) {
        return "it lasts longer than " + maxSoundText() + ", the most a bell sound lasts";
    }
    return "it takes more than " + megabytes(kMaxSoundBytes) + " of memory decoded (" +
           std::to_string(channels) + " channels at " + std::to_string(rate) +
           " Hz), the most a bell sound takes";
}

int bellSeconds(std::optional<long long> lengthMs, BellKind kind) {
    const long long ms = lengthMs.value_or(1000);
    const long long seconds = kind == BellKind::Scheduled ? ms / 1000 : ms / 1000 + 1;
    return static_cast<int>(std::clamp<long long>(seconds, 1, 24 * 3600));
}

std::string cardLabel(const std::string& description, int listNumber) {
    return description + "(" + std::to_string(listNumber) + ")";
}

}  // namespace corvalin::sound
