// Plans of a day from the stored settings.
#include "core/schedule/dayplan.h"

#include "core/schedule/settingsstore.h"

namespace rule = corvalin::startrule;
namespace fmt = corvalin::settings;

// Only the file that the mode reads is loaded, as the window loads only the one it shows.
rule::Answer storedPlan(SettingsStore& store, const rule::SoundFolder& sounds, int day) {
    const fmt::Options options = store.loadOptions();
    rule::StartInputs in;
    in.sounds = sounds;
    in.applyWeek = fmt::selectsFirstChoice(options.dayMode);
    in.interval = fmt::selectsFirstChoice(options.setTimeMode);
    in.selectedSound = options.soundIndex;
    if (in.interval) {
        in.intervalSettings = in.applyWeek ? store.loadWeekInterval() : store.loadDayInterval(day);
    } else {
        in.times = in.applyWeek ? store.loadWeekTimes() : store.loadDayTimes(day);
    }
    return rule::decideStart(in);
}

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
