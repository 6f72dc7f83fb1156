// What the bells are told from the stored settings.
#include "engine/schedule/bellsettings.h"

namespace corvalin::settings {

startrule::StartInputs startInputs(const BellSettings& settings, startrule::SoundFolder sounds, int day) {
    startrule::StartInputs in;
    in.sounds = std::move(sounds);
    in.applyWeek = selectsFirstChoice(settings.options.dayMode);
    in.interval = selectsFirstChoice(settings.options.setTimeMode);
    in.selectedSound = settings.options.soundIndex;
    const bool known = day >= 1 && day <= 7;
    const auto at = static_cast<std::size_t>(known ? day - 1 : 0);
    if (in.interval) {
        in.intervalSettings = in.applyWeek ? settings.weekInterval : known ? settings.days.dayIntervals[at]
                                                                           : IntervalSettings{};
    } else {
        in.times = in.applyWeek ? settings.weekTimes : known ? settings.days.dayTimes[at] : TimeList{};
    }
    return in;
}

}  // namespace corvalin::settings
