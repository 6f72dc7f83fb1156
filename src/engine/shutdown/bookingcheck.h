// The check of a booked power-off time as typed into its dialog.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalin::shutdown {

struct BookingCheck {
    std::optional<int> hour;
    std::optional<int> minute;
    std::string message;  // the refusal, empty when accepted
};

// Hour 0-23 and minute 0-59, each one or two ASCII digits; empty hour first, then empty minute,
// then the hour's range, then the minute's. Text that is not a whole number is out of range.
BookingCheck checkBooking(std::string_view hour, std::string_view minute);

// Why the lines of an exit.ini that is there book nothing (it is short, a line is not a number, or
// the time is not one of the day): "line 2 is not a number", say. Empty when the lines are a whole
// booking, on or off.
std::string exitFileDamage(const std::vector<std::string>& lines);

}  // namespace corvalin::shutdown
