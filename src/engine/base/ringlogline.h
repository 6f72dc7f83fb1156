// Lines of the ring log: one per bell rung and one per problem, each starting with the date and
// the time to the millisecond, so a school can answer "did the 10:50 bell ring on Friday?".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvalin::ringlog {

// Lines older than this many days are dropped.
inline constexpr int kKeepDays = 90;

struct Stamp {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// "2026-12-07 08:50:00.021 scheduled 08:50 school-bell.wav on Bell output": a scheduled bell is
// named by its minute of the day, `minuteOfDay` (one that a step of the clock passed over rings
// later than its minute), or by the minute it started in when that is -1. A bell rung by hand
// reads "ring now" instead of "scheduled 08:50".
std::string bellLine(const Stamp& started, bool scheduled, std::string_view sound, std::string_view device,
                     int minuteOfDay = -1);

// A bell line read back: when it started, the minute of the day it is named by (its scheduled
// minute, or the minute it started in for one rung by hand), its sound; none for any other line.
struct BellEntry {
    Stamp started;
    int minuteOfDay = -1;
    bool scheduled = true;
    std::string sound;
};
std::optional<BellEntry> parseBellLine(std::string_view line);

// "2026-12-07 08:50:00.020 problem: gone.wav could not be played; rang school-bell.wav instead"
std::string problemLine(const Stamp& at, std::string_view text);

// "2026-12-07 17:30:00.004 the booked power-off time has come"
std::string noteLine(const Stamp& at, std::string_view text);

// Whether a line is to be kept when the oldest day kept is `first` (year * 10000 + month * 100 +
// day). A line that does not start with a date is kept.
bool keep(std::string_view line, int first);

}  // namespace corvalin::ringlog
