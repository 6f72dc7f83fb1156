// The next bell shown while the service runs: its time and its sound.
#pragma once

#include <optional>
#include <string>

#include "engine/schedule/ringtable.h"

namespace corvalin::ringtable {

inline constexpr const char* kNextDay = "NEXT DAY";

struct NextBell {
    std::string time;   // "08hr 05min": hour in characters 1-2, minute in 6-7; or "NEXT DAY"
    std::string sound;  // the bell's sound file name; or "NEXT DAY"
    int minute = -1;    // its minute of the day; -1 for "NEXT DAY"
};

// "08hr 05min" for a minute of the day.
std::string nextBellTime(int minuteOfDay);

// A bell that rings today: its minute of the day and the sound that is heard then.
struct Ring {
    int minute = -1;
    std::string sound;

    bool operator==(const Ring&) const = default;
};

// The next day bell that really rings today after the minute `minuteOfDayNow`: the earliest day
// bell strictly later than now, with the sound heard at that minute. Of the slots of one minute
// only the last one sounds (a pre-bell alarm that falls on a bell's minute sounds in its place),
// so that is the sound named. None when no day bell is left today, or the day rings nothing.
std::optional<Ring> nextRing(const RingTable& table, int minuteOfDayNow);

// The first bell of a day rung by `table`, as nextRing() names it; none when it rings nothing.
std::optional<Ring> firstRing(const RingTable& table);

// The day bell that comes next after the minute `minuteOfDayNow` (seconds ignored), as the window
// shows it: nextRing(). When no day bell is left today, "Apply week" shows tomorrow's first bell,
// `tomorrow` (every day rings the same list), and "Set each day", or no `tomorrow`, shows
// "NEXT DAY". A table without day bells shows "NEXT DAY" in both modes, so a slot left over from
// an earlier start is never shown; so does a day that rings nothing ("No rings", no bells today).
NextBell nextBell(const RingTable& table, int minuteOfDayNow, const std::optional<Ring>& tomorrow);
// The same with tomorrow's first bell taken from `table` itself when `applyWeek`: a day whose
// table is the week's.
NextBell nextBell(const RingTable& table, int minuteOfDayNow, bool applyWeek);

}  // namespace corvalin::ringtable
