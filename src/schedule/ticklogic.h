// The decisions of one tick of the bell clock, from the state it keeps between ticks and the
// current time: a new minute, the booked power-off, the day change, ringing the minute's
// bells and the time synchronisation seconds.
#pragma once

#include <optional>

namespace corvalin::clock {

// What the clock remembers between ticks.
struct TickState {
    int lastMinute = 0;     // minute of the hour last seen
    int lastDay = 0;        // day of the month of the last start or day change
    int minutePending = 0;  // 1 from a new minute until its bell work is done

    bool operator==(const TickState&) const = default;
};

// The current time as the tick reads it.
struct TickTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int day = 1;  // day of the month
};

struct TickInput {
    TickTime now;
    bool serviceRunning = false;
    std::optional<int> powerOffMinute;  // minute of the day of a booked power-off, if booked
    bool timeSync = false;              // "Internet time"
};

struct TickDecision {
    TickState next;           // the state after this tick (before a day change restarts the service)
    bool powerOff = false;    // the booked power-off minute has come
    bool newDay = false;      // stop and start the service for a new day; the tick ends there
    bool ringMinute = false;  // ring every slot of the current minute
    bool sync = false;        // start a time synchronisation
};

// After a day change restarts the service the clock takes minute 59 as seen, so the next tick
// sees a new minute (unless it is minute 59) and rings it from the new day's table.
inline constexpr int kMinuteAfterNewDay = 59;

TickDecision decideTick(const TickState& state, const TickInput& input);

}  // namespace corvalin::clock
