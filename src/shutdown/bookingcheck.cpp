// Booked power-off time.
#include "shutdown/bookingcheck.h"

#include <algorithm>

namespace corvalin::shutdown {

namespace {

constexpr const char* kHourMessage = "(Hour)Please input digit between 0 and 23";
constexpr const char* kMinuteMessage = "(minute)Please input digit between 0 and 59";

std::optional<int> field(std::string_view text, int high) {
    if (text.empty() || text.size() > 2 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const int value = text.size() == 1 ? text[0] - '0' : (text[0] - '0') * 10 + (text[1] - '0');
    return value <= high ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

BookingCheck checkBooking(std::string_view hour, std::string_view minute) {
    if (hour.empty()) return {std::nullopt, std::nullopt, kHourMessage};
    if (minute.empty()) return {std::nullopt, std::nullopt, kMinuteMessage};
    const auto h = field(hour, 23);
    if (!h) return {std::nullopt, std::nullopt, kHourMessage};
    const auto m = field(minute, 59);
    if (!m) return {std::nullopt, std::nullopt, kMinuteMessage};
    return {h, m, {}};
}

}  // namespace corvalin::shutdown
