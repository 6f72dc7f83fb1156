// What the bells are told from the stored settings: one value, made by the settings' owner and
// handed to the bells whole after every change of the files or the calendar. The bells never read
// a settings file, and no face tells them a setting of its own.
#pragma once

#include <string>
#include <vector>

#include "engine/schedule/alarmsignals.h"
#include "engine/schedule/settingsvalues.h"
#include "engine/schedule/startrule.h"
#include "engine/schedule/storeddays.h"

namespace corvalin::settings {

// A calendar subscribed to (subscriptions.ini): its address as the operator gave it, and its label.
struct FeedSubscription {
    std::string address;
    std::string label;

    bool operator==(const FeedSubscription&) const = default;
};

struct BellSettings {
    StoredDays days;
    // The week's own list and interval settings ("Apply week").
    TimeList weekTimes;
    IntervalSettings weekInterval;
    // The modes, the interval mode's sound, repeat, the default card's mute and internet time.
    Options options;
    // The dedicated card: snd.ini's position (-1 for the default output) and its name on the server.
    int card = -1;
    SoundCardName cardName;
    ExitBooking booking;
    int offsetSeconds = 0;
    std::vector<alarms::Signal> alarms;
    // The calendars subscribed to, in the file's order, for the feeds' fetcher.
    std::vector<FeedSubscription> subscriptions;

    bool operator==(const BellSettings&) const = default;
};

// A start on day `day` (1 = Sunday .. 7 = Saturday) with these settings and the sound folder as it
// is: the modes, the week's or the day's time list or interval settings, and in interval mode the
// stored sound.
startrule::StartInputs startInputs(const BellSettings& settings, startrule::SoundFolder sounds, int day);

}  // namespace corvalin::settings
