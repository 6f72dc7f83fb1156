// What the bells plan a day from, as the settings files hold it: each day's own time list and
// interval settings, the templates and the school calendar's days. The files' owner reads it and
// hands it to the bells as a value, again after every change; the bells never read the files.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "engine/schedule/dateexceptions.h"
#include "engine/schedule/settingsvalues.h"

namespace corvalin::settings {

struct StoredDays {
    // Days 1 (Sunday) to 7 (Saturday), at index day - 1.
    std::array<TimeList, 7> dayTimes;
    std::array<IntervalSettings, 7> dayIntervals;
    // Templates 1 to 6 at index k - 1; none when never saved, or damaged.
    std::array<std::optional<TimeList>, 6> templates;
    // The calendar made by hand, in calendar order, and the days of the subscribed calendars, each
    // labelled with its event and its subscription.
    std::vector<calendar::DateException> handMade;
    std::vector<calendar::DateException> subscribed;

    bool operator==(const StoredDays&) const = default;
};

}  // namespace corvalin::settings
