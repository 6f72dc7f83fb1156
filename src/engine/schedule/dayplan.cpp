// The plan of the day a service running through midnight goes on into.
#include "engine/schedule/dayplan.h"

namespace rule = corvalin::startrule;
namespace fmt = corvalin::settings;

rule::Answer planForDay(const rule::Plan& running, const fmt::StoredDays& stored, const rule::SoundFolder& sounds,
                        int day) {
    fmt::TimeList times;
    fmt::IntervalSettings interval;
    if (!running.applyWeek && day >= 1 && day <= 7) {
        const auto at = static_cast<std::size_t>(day - 1);
        if (running.interval) {
            interval = stored.dayIntervals[at];
        } else {
            times = stored.dayTimes[at];
        }
    }
    return rule::decideDay(running, sounds, times, interval);
}
