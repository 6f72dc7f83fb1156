// One tick of the bell clock.
#include "schedule/ticklogic.h"

#include "schedule/clocktext.h"

namespace corvalin::clock {

TickDecision decideTick(const TickState& state, const TickInput& input) {
    TickDecision d;
    d.next = state;
    const TickTime& now = input.now;
    if (now.minute != state.lastMinute) {
        // The minute is taken as handled before anything of it is done, so nothing that the
        // minute's work opens can make it be handled twice.
        d.next.lastMinute = now.minute;
        d.next.minutePending = 1;
        d.powerOff = input.powerOffMinute && *input.powerOffMinute == now.hour * 60 + now.minute;
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
        d.ringMinute = true;
    }
    d.sync = input.timeSync && isSyncSecond(now.second);
    return d;
}

}  // namespace corvalin::clock
