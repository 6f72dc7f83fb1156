// One tick of the bell clock.
#include "engine/schedule/ticklogic.h"

#include <algorithm>

#include "engine/schedule/clocktext.h"

namespace corvalin::clock {

namespace {

// The minute whose bells ring on the first tick of a new minute, if any; updates what has been
// handled.
std::optional<int> minuteToRing(const TickState& state, const TickInput& input, TickState& next) {
    const int now = input.now.hour * 60 + input.now.minute;
    const int offset = input.now.utcOffset;
    const auto hasBell = [&input](int minute) {
        return std::find(input.bellMinutes.begin(), input.bellMinutes.end(), minute) != input.bellMinutes.end();
    };
    if (state.handledUpTo >= 0 && now <= state.handledUpTo) {
        // The offset has gone down since that minute was handled: its hour is lived again.
        const int repeated = std::max(0, state.handledOffset - offset);
        if (state.handledUpTo - now <= kStepMinutes + repeated) {
            return std::nullopt;  // lived again after a step back: its bells have rung
        }
        next.handledUpTo = now;  // a large step back starts the day's count again
        next.handledOffset = offset;
        return now;
    }
    next.handledUpTo = now;
    next.handledOffset = offset;
    const int from = std::max(state.lastTick, state.handledUpTo);
    // The offset has gone up since the previous tick: its minutes were skipped, not stepped over.
    const int skipped = std::max(0, offset - state.lastOffset);
    if (state.lastTick >= 0 && now - state.lastTick <= kStepMinutes + skipped && !hasBell(now)) {
        // Minutes passed over by a small step forward: the last of their bells rings now.
        for (int passed = now - 1; passed > from; --passed) {
            if (hasBell(passed)) {
                return passed;
            }
        }
    }
    return now;
}

}  // namespace

TickDecision decideTick(const TickState& state, const TickInput& input) {
    TickDecision d;
    d.next = state;
    const TickTime& now = input.now;
    d.next.lastTick = now.hour * 60 + now.minute;
    d.next.lastOffset = now.utcOffset;
    if (now.minute != state.lastMinute) {
        // The minute is taken as handled before anything of it is done, so nothing that the
        // minute's work opens can make it be handled twice.
        d.next.lastMinute = now.minute;
        d.next.minutePending = 1;
        // The booked minute, or one in the hour that daylight saving skipped since the last tick.
        const int nowMinute = now.hour * 60 + now.minute;
        const bool skipped = now.utcOffset > state.lastOffset && state.lastTick >= 0;
        d.powerOff = input.powerOffMinute &&
                     (*input.powerOffMinute == nowMinute ||
                      (skipped && *input.powerOffMinute > state.lastTick && *input.powerOffMinute < nowMinute));
        if (!input.serviceRunning) {
            d.next.minutePending = 0;
        }
    }
    if (d.next.minutePending == 1 && input.serviceRunning) {
        d.next.minutePending = 0;
        if (now.day != state.lastDay) {
            d.next.lastDay = now.day;
            d.newDay = true;
            return d;  // the rest of this tick is skipped
        }
        d.ringMinute = minuteToRing(state, input, d.next);
    }
    d.sync = input.timeSync && isSyncSecond(now.second);
    return d;
}

std::optional<long long> clockStep(const ClockReading& before, const ClockReading& now) {
    const long long steady = now.steadyMs - before.steadyMs;
    if (steady < 0 || steady > kStepWindowMs) {
        return std::nullopt;
    }
    const long long step = (now.wallMs - before.wallMs) - steady;
    if (step < kNoticedStepMs && step > -kNoticedStepMs) {
        return std::nullopt;
    }
    return step;
}

TickState startState(const TickTime& now) {
    const int minute = now.hour * 60 + now.minute;
    return TickState{now.minute, now.day, 0, minute, minute, now.utcOffset, now.utcOffset};
}

void afterNewDay(TickState& state) {
    state.lastMinute = 59;
    state.handledUpTo = -1;
}

}  // namespace corvalin::clock
