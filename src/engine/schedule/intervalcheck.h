// Checks of the automatic-interval settings, in the order in which the first failure is reported.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvalin::interval {

// The texts of the interval boxes as typed.
struct IntervalTexts {
    std::string startHour;
    std::string startMinute;
    std::string exitHour;
    std::string exitMinute;
    std::string work;
    std::string rest;
    bool preBell1On = false;
    bool preBell2On = false;
    std::string preBell1;  // minutes after each start bell
    std::string preBell2;  // minutes before each end bell
};

struct CheckResult {
    std::optional<std::string> message;  // the first failure, or none
    // Start and end as minute of the day, stored once the times passed their own
    // checks (even when a later check fails).
    std::optional<int> startMinute;
    std::optional<int> endMinute;
};

// A whole number typed into a box: optional blanks around an optional sign and digits.
std::optional<long> wholeNumber(std::string_view text);

// The day selector's checks: empty boxes, ranges, order of start and end, and the
// room for one lesson and one break.
CheckResult checkTimes(const IntervalTexts& texts);

// The service start's checks: those of checkTimes, with the pre-bell minutes checked
// (when either pre-bell is on) before the room for a lesson and a break.
CheckResult checkForStart(const IntervalTexts& texts);

}  // namespace corvalin::interval
