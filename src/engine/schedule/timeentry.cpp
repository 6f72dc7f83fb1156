// Entries of the manual time list.
#include "engine/schedule/timeentry.h"

#include <algorithm>

#include "engine/schedule/settingsformat.h"

namespace corvalin::timelist {

namespace {

// One or two ASCII digits with a value in [0, high], returned with two digits; empty otherwise.
std::string field(std::string_view text, int high) {
    if (text.empty() || text.size() > 2 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return {};
    }
    int value = 0;
    for (char c : text) {
        value = value * 10 + (c - '0');
    }
    if (value > high) {
        return {};
    }
    std::string padded(text);
    if (padded.size() == 1) {
        padded.insert(padded.begin(), '0');
    }
    return padded;
}

}  // namespace

TimeKeyResult timeKey(std::string_view hourText, std::string_view minuteText) {
    if (hourText.empty()) {
        return {{}, kHourMessage};
    }
    if (minuteText.empty()) {
        return {{}, kMinuteMessage};
    }
    const std::string hour = field(hourText, 23);
    if (hour.empty()) {
        return {{}, kHourMessage};
    }
    const std::string minute = field(minuteText, 59);
    if (minute.empty()) {
        return {{}, kMinuteMessage};
    }
    return {hour + "hr " + minute + "min", {}};
}

bool isValidEntry(std::string_view entry) {
    constexpr std::string_view form = "00hr 00min/";
    if (entry.size() <= form.size() || !settings::isCleanText(entry)) {
        return false;
    }
    auto digits = [entry](std::size_t at) {
        return entry[at] >= '0' && entry[at] <= '9' && entry[at + 1] >= '0' && entry[at + 1] <= '9';
    };
    if (!digits(0) || !digits(5) || entry.substr(2, 3) != "hr " || entry.substr(7, 4) != "min/") {
        return false;
    }
    const int hour = (entry[0] - '0') * 10 + (entry[1] - '0');
    const int minute = (entry[5] - '0') * 10 + (entry[6] - '0');
    return hour <= 23 && minute <= 59;
}

std::string entryText(std::string_view key, std::string_view sound) {
    std::string entry(key);
    entry += '/';
    entry += sound;
    return entry;
}

std::string_view entryKey(std::string_view entry) {
    return entry.substr(0, entry.find('/'));
}

std::string_view entrySound(std::string_view entry) {
    const auto slash = entry.find('/');
    return slash == std::string_view::npos ? std::string_view{} : entry.substr(slash + 1);
}

bool hasKey(const std::vector<std::string>& entries, std::string_view key) {
    return std::any_of(entries.begin(), entries.end(),
                       [key](const std::string& entry) { return entryKey(entry) == key; });
}

std::string withSound(std::string_view entry, std::string_view sound) {
    return entryText(entryKey(entry), sound);
}

}  // namespace corvalin::timelist
