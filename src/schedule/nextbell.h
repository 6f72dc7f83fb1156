// The next bell shown while the service runs: its time and its sound.
#pragma once

#include <string>

#include "schedule/ringtable.h"

namespace corvalin::ringtable {

inline constexpr const char* kNextDay = "NEXT DAY";

struct NextBell {
    std::string time;   // "08hr 05min": hour in characters 1-2, minute in 6-7; or "NEXT DAY"
    std::string sound;  // the bell's sound file name; or "NEXT DAY"
};

// "08hr 05min" for a minute of the day.
std::string nextBellTime(int minuteOfDay);

// The day bell that comes next after the minute `minuteOfDayNow` (seconds ignored): the
// earliest day bell strictly later than now, the lowest slot among equal minutes. Pre-bell
// alarms are never chosen. When no day bell is left today, "Apply week" shows the first slot
// (every day has the same bells) and "Set each day" shows "NEXT DAY". A table without day bells
// shows "NEXT DAY" in both modes, so a slot left over from an earlier start is never shown; so does
// a day that rings nothing ("No rings"), in either set-time mode.
NextBell nextBell(const RingTable& table, int minuteOfDayNow, bool applyWeek);

}  // namespace corvalin::ringtable
