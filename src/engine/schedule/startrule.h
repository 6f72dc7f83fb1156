// Whether the bell service may start, and with which plan, or with which message it is refused:
// the one rule for the start button, the copy with no window and the day that a running service
// goes on into at midnight.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/schedule/ringtable.h"
#include "engine/schedule/settingsvalues.h"

namespace corvalin::startrule {

// What a start rings: a day generated from the interval settings, or a time list.
struct Plan {
    bool interval = false;
    ringtable::IntervalPlan intervalPlan;  // interval mode
    std::vector<std::string> entries;      // manual mode, list order
    bool noBell = false;                   // "No rings"
    bool applyWeek = true;                 // "Apply week": the next bell wraps to tomorrow's first

    bool operator==(const Plan&) const = default;
};

// The sound folder as the start finds it.
struct SoundFolder {
    std::string name;                // the folder as the messages name it
    std::vector<std::string> files;  // the names of the files in it
};

// What a start reads, from the window's controls or from the stored settings.
struct StartInputs {
    SoundFolder sounds;
    bool applyWeek = true;   // "Apply week", else "Set each day"
    bool interval = false;   // "Auto interval", else "Manual input"
    int selectedSound = -1;  // interval mode: the position of the chosen sound in `sounds.files`, -1 for none
    // Manual mode: the time list, with its "No rings".
    settings::TimeList times;
    // Interval mode: the interval settings as typed, with their "No rings".
    settings::IntervalSettings intervalSettings;
};

// Why a start is refused: the message the window shows.
struct Refusal {
    std::string message;
    // The sound folder refused it, before anything else was looked at: no start was attempted.
    bool soundFolder = false;
    // Interval mode: the start and end as minute of the day once the times passed their own
    // checks, when a later check refused the start.
    std::optional<int> startMinute;
    std::optional<int> endMinute;
};

using Answer = std::variant<Plan, Refusal>;

// A start from the inputs, checked in this order: the sound folder (one sound file at least, and
// wave files only); in interval mode a chosen sound, then the interval checks of a start
// (interval::checkForStart); in manual mode with "Apply week" one time in the list at least.
Answer decideStart(const StartInputs& inputs);

// The day that the service which rings `running` goes on into, from that day's stored time list
// and interval settings: with "Apply week" the same plan; with "Set each day" the day's own time
// list or interval settings (whose interval checks may refuse it), in the running plan's mode.
// The sound folder is checked first, as for any start.
Answer decideDay(const Plan& running, const SoundFolder& sounds, const settings::TimeList& dayTimes,
                 const settings::IntervalSettings& dayInterval);

// Whether the answer comes from a start that was attempted: a plan, or any refusal but the sound
// folder's. An attempted start is marked on the bells before they are started or refused.
bool startAttempted(const Answer& answer);

// A message as one line of the ring log: its line breaks become blanks.
std::string oneLine(const std::string& message);

}  // namespace corvalin::startrule
