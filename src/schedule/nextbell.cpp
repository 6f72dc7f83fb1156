// The next bell shown while the service runs.
#include "schedule/nextbell.h"

#include <algorithm>

#include "schedule/clocktext.h"

namespace corvalin::ringtable {

std::string nextBellTime(int minuteOfDay) {
    return clock::twoDigits(minuteOfDay / 60) + "hr " + clock::twoDigits(minuteOfDay % 60) + "min";
}

NextBell nextBell(const RingTable& table, int minuteOfDayNow, bool applyWeek) {
    // A day that rings nothing ("No rings") has no next bell, whatever day bells it generated.
    const int count = table.bellCount > 0 ? std::clamp(table.dayBellCount, 0, kSlots) : 0;
    int best = -1;
    for (int i = 0; i < count; ++i) {
        const int minute = table.minutes[static_cast<std::size_t>(i)];
        if (minute > minuteOfDayNow && (best < 0 || minute < table.minutes[static_cast<std::size_t>(best)])) {
            best = i;
        }
    }
    if (best < 0 && applyWeek && count > 0) {
        best = 0;
    }
    if (best < 0) {
        return {kNextDay, kNextDay};
    }
    const auto slot = static_cast<std::size_t>(best);
    return {nextBellTime(table.minutes[slot]), table.sounds[slot]};
}

}  // namespace corvalin::ringtable
