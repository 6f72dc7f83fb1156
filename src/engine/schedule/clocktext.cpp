// Texts and per-tick decisions of the bell clock.
#include "engine/schedule/clocktext.h"

#include <algorithm>

#include "engine/schedule/settingsformat.h"

namespace corvalin::clock {

std::string twoDigits(int value) {
    std::string text = std::to_string(value);
    if (text.size() < 2) {
        text.insert(text.begin(), '0');
    }
    return text;
}

std::string nowText(int hour, int minute, int second) {
    return std::to_string(hour) + " hr " + std::to_string(minute) + " min " + std::to_string(second) + " sec";
}

std::string dayText(int year, int month, int day, std::string_view weekdayName) {
    return std::to_string(year) + "-" + std::to_string(month) + "-" + std::to_string(day) + "  " +
           std::string(weekdayName);
}

std::string twelveHourText(int hour, int minute, int second) {
    std::string suffix = "AM";
    if (hour >= 12) {
        suffix = "PM";
        if (hour > 12) {
            hour -= 12;
        }
    }
    if (hour == 0) {
        hour = 12;
    }
    return twoDigits(hour) + ":" + twoDigits(minute) + ":" + twoDigits(second) + suffix;
}

std::string timeLeftText(std::string_view nextBell, int hour, int minute, int second) {
    if (nextBell.empty() || nextBell == "NEXT DAY") {
        return "00:00:00";
    }
    return timeLeftText(settings::fixedField(nextBell, 0, 2) * 60 + settings::fixedField(nextBell, 5, 2), hour, minute,
                        second);
}

std::string timeLeftText(int bellMinute, int hour, int minute, int second) {
    if (bellMinute < 0) {
        return "00:00:00";
    }
    int bell = bellMinute * 60;
    const int now = hour * 3600 + minute * 60 + second;
    if (bell < now) {
        bell += 86400;
    }
    const int left = bell - now;
    return twoDigits(left / 3600) + ":" + twoDigits((left % 3600) / 60) + ":" + twoDigits(left % 60);
}

bool isSyncSecond(int second) { return (second + 3) % 6 == 0; }

std::vector<int> dueSlots(std::span<const int> minutes, int count, int minuteOfDay) {
    std::vector<int> due;
    const int bound = std::clamp(count, 0, static_cast<int>(minutes.size()));
    for (int i = 0; i < bound; ++i) {
        if (minutes[static_cast<std::size_t>(i)] == minuteOfDay) {
            due.push_back(i);
        }
    }
    return due;
}

int dayNumberFromIso(int isoWeekday) { return isoWeekday % 7 + 1; }

int isoFromDayNumber(int dayNumber) { return dayNumber == 1 ? 7 : dayNumber - 1; }

}  // namespace corvalin::clock
