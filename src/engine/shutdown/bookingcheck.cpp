// Booked power-off time.
#include "engine/shutdown/bookingcheck.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/schedule/settingsformat.h"

namespace corvalin::shutdown {

namespace {

constexpr const char* kHourMessage = "(Hour)Please input digit between 0 and 23";
constexpr const char* kMinuteMessage = "(minute)Please input digit between 0 and 59";

// A number as typed ("7", "007", "7.5"), no greater than `high`, turned into the nearest whole
// number (a half to the even one). A negative number is refused too: a booked hour of -1 would
// never come.
std::optional<int> field(std::string_view text, int high) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.size() + fraction.size() == 0 || text.size() > 32 || !digits(whole) || !digits(fraction)) {
        return std::nullopt;
    }
    const double value = std::strtod(std::string(text).c_str(), nullptr);
    if (value > high) {
        return std::nullopt;
    }
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

BookingCheck checkBooking(std::string_view hour, std::string_view minute) {
    if (hour.empty())
        return {std::nullopt, std::nullopt, kHourMessage};
    if (minute.empty())
        return {std::nullopt, std::nullopt, kMinuteMessage};
    const auto h = field(hour, 23);
    if (!h)
        return {std::nullopt, std::nullopt, kHourMessage};
    const auto m = field(minute, 59);
    if (!m)
        return {std::nullopt, std::nullopt, kMinuteMessage};
    return {h, m, {}};
}

std::string exitFileDamage(const std::vector<std::string>& lines) {
    if (lines.size() < 3) {
        return "it has " + std::to_string(lines.size()) + " of its 3 lines";
    }
    std::optional<int> values[3];
    for (std::size_t i = 0; i < 3; ++i) {
        values[i] = corvalin::settings::parseNumberLine(lines[i]);
        if (!values[i]) {
            return "line " + std::to_string(i + 1) + " is not a number";
        }
    }
    if (*values[1] < 0 || *values[1] > 23) {
        return "the hour " + std::to_string(*values[1]) + " is not between 0 and 23";
    }
    if (*values[2] < 0 || *values[2] > 59) {
        return "the minute " + std::to_string(*values[2]) + " is not between 0 and 59";
    }
    return {};
}

}  // namespace corvalin::shutdown
