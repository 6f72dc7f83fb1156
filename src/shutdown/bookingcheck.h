// The check of a booked power-off time as typed into its dialog.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvalin::shutdown {

struct BookingCheck {
    std::optional<int> hour;
    std::optional<int> minute;
    std::string message;  // the refusal, empty when accepted
};

// Hour 0-23 and minute 0-59, each one or two ASCII digits; empty hour first, then empty minute,
// then the hour's range, then the minute's. Text that is not a whole number is out of range.
BookingCheck checkBooking(std::string_view hour, std::string_view minute);

}  // namespace corvalin::shutdown
