// The next bell shown while the service runs.
#include "engine/schedule/nextbell.h"

#include <algorithm>

#include "engine/schedule/clocktext.h"

namespace corvalin::ringtable {

std::string nextBellTime(int minuteOfDay) {
    return clock::twoDigits(minuteOfDay / 60) + "hr " + clock::twoDigits(minuteOfDay % 60) + "min";
}

namespace {

// The sound heard at `minute`: that of its last slot among those rung.
std::string heardAt(const RingTable& table, int minute, std::size_t found) {
    const int rung = std::clamp(table.bellCount, 0, kSlots);
    std::size_t heard = found;
    for (int i = 0; i < rung; ++i) {
        if (table.minutes[static_cast<std::size_t>(i)] == minute) {
            heard = static_cast<std::size_t>(i);
        }
    }
    return table.sounds[heard];
}

// The earliest day bell later than `after`.
std::optional<Ring> earliestAfter(const RingTable& table, int after) {
    // A day that rings nothing ("No rings") has no next bell, whatever day bells it generated.
    const int count = table.bellCount > 0 ? std::clamp(std::min(table.dayBellCount, table.bellCount), 0, kSlots) : 0;
    int best = -1;
    for (int i = 0; i < count; ++i) {
        const int minute = table.minutes[static_cast<std::size_t>(i)];
        if (minute > after && minute < 24 * 60 && (best < 0 || minute < table.minutes[static_cast<std::size_t>(best)])) {
            best = i;
        }
    }
    if (best < 0) {
        return std::nullopt;
    }
    const auto slot = static_cast<std::size_t>(best);
    return Ring{table.minutes[slot], heardAt(table, table.minutes[slot], slot)};
}

}  // namespace

std::optional<Ring> nextRing(const RingTable& table, int minuteOfDayNow) {
    return earliestAfter(table, minuteOfDayNow);
}

std::optional<Ring> firstRing(const RingTable& table) {
    return earliestAfter(table, -1);
}

NextBell nextBell(const RingTable& table, int minuteOfDayNow, const std::optional<Ring>& tomorrow) {
    auto next = nextRing(table, minuteOfDayNow);
    if (!next && firstRing(table)) {
        next = tomorrow;  // a day that rings nothing shows "NEXT DAY" in either mode
    }
    if (!next) {
        return {kNextDay, kNextDay};
    }
    return {nextBellTime(next->minute), next->sound, next->minute};
}

NextBell nextBell(const RingTable& table, int minuteOfDayNow, bool applyWeek) {
    return nextBell(table, minuteOfDayNow, applyWeek ? firstRing(table) : std::nullopt);
}

}  // namespace corvalin::ringtable
