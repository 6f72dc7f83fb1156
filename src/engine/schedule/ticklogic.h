// The decisions of one tick of the bell clock, from the state it keeps between ticks and the
// current time: a new minute, the booked power-off, the day change, ringing the minute's
// bells and the time synchronisation seconds.
#pragma once

#include <optional>
#include <span>

namespace corvalin::clock {

// What the clock remembers between ticks.
struct TickState {
    int lastMinute = 0;     // minute of the hour last seen
    int lastDay = 0;        // day of the month of the last start or day change
    int minutePending = 0;  // 1 from a new minute until its bell work is done
    int lastTick = -1;      // minute of the day of the previous tick, -1 before the first
    int handledUpTo = -1;   // the latest minute of the day whose bells were handled, -1 for none
    int lastOffset = 0;     // UTC offset in minutes at the previous tick
    int handledOffset = 0;  // UTC offset in minutes when handledUpTo was handled

    bool operator==(const TickState&) const = default;
};

// A clock step of up to this many minutes (by the program's time sync or the system's own time
// service) neither loses nor doubles a bell: forward, the last bell of the minutes passed over
// rings at once unless the minute landed in has its own; back, the minutes lived again do not
// ring again. Larger steps ring only the minute landed in, as if nothing had been passed.
// A change of the UTC offset (daylight saving) is no step: a local jump by the change of the
// offset is allowed on top, so the bells follow local time. Spring's skipped hour rings its last
// bell once on the first minute after the jump (unless that minute has its own), and the
// minutes of autumn's repeated hour do not ring again.
inline constexpr int kStepMinutes = 10;

// The current time as the tick reads it.
struct TickTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int day = 1;  // day of the month
    int utcOffset = 0;  // minutes local time is ahead of UTC
};

struct TickInput {
    TickTime now;
    bool serviceRunning = false;
    std::span<const int> bellMinutes;   // minute of the day of every slot that rings
    std::optional<int> powerOffMinute;  // minute of the day of a booked power-off, if booked
    bool timeSync = false;              // "Internet time"
};

struct TickDecision {
    TickState next;           // the state after this tick (before a day change restarts the service)
    bool powerOff = false;    // the booked power-off minute has come
    bool newDay = false;      // stop and start the service for a new day; the tick ends there
    std::optional<int> ringMinute;  // ring every slot of this minute of the day
    bool sync = false;        // start a time synchronisation
};

TickDecision decideTick(const TickState& state, const TickInput& input);

// The wall clock and a steady clock that clock steps do not move, read together, in milliseconds.
struct ClockReading {
    long long wallMs = 0;
    long long steadyMs = 0;
};

// A step of the wall clock of this many milliseconds or more is told; below it are the jitter of
// reading two clocks and a time service's slewing between two ticks.
inline constexpr long long kNoticedStepMs = 1000;
// Readings further apart than this on the steady clock (a clock that was stopped) are not compared:
// slewing alone could add up to a step.
inline constexpr long long kStepWindowMs = 5000;

// How far the wall clock was stepped between two readings (forward positive): how much further it
// went than the steady clock did. Nothing for less than kNoticedStepMs, or for readings too far
// apart to tell.
std::optional<long long> clockStep(const ClockReading& before, const ClockReading& now);

// The service starts (or starts again at a day change): its start minute counts as handled.
TickState startState(const TickTime& now);
// After a day change restarted the service the clock takes minute 59 as seen, so the next tick
// sees a new minute (unless it is minute 59) and rings it from the new day's table.
void afterNewDay(TickState& state);

}  // namespace corvalin::clock
