// Ring log lines.
#include "engine/base/ringlogline.h"

#include <cstdio>

namespace corvalin::ringlog {

namespace {

std::string stamp(const Stamp& s) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", s.year, s.month, s.day, s.hour, s.minute,
                  s.second, s.millisecond);
    return text;
}

}  // namespace

std::string bellLine(const Stamp& started, bool scheduled, std::string_view sound, std::string_view device,
                     int minuteOfDay) {
    std::string line = stamp(started);
    if (scheduled) {
        const bool own = minuteOfDay >= 0 && minuteOfDay < 24 * 60;
        char minute[32];
        std::snprintf(minute, sizeof minute, " scheduled %02d:%02d ", own ? minuteOfDay / 60 : started.hour,
                      own ? minuteOfDay % 60 : started.minute);
        line += minute;
    } else {
        line += " ring now ";
    }
    line += sound;
    line += " on ";
    line += device;
    return line;
}

std::optional<BellEntry> parseBellLine(std::string_view line) {
    BellEntry entry;
    Stamp& s = entry.started;
    char space = 0;
    int used = 0;
    const std::string head(line.substr(0, 24));
    if (std::sscanf(head.c_str(), "%4d-%2d-%2d %2d:%2d:%2d.%3d%c%n", &s.year, &s.month, &s.day, &s.hour, &s.minute,
                    &s.second, &s.millisecond, &space, &used) != 8 ||
        space != ' ' || used != 24) {
        return std::nullopt;
    }
    std::string_view rest = line.substr(24);
    constexpr std::string_view kScheduled = "scheduled ";
    constexpr std::string_view kRingNow = "ring now ";
    if (rest.starts_with(kScheduled) && rest.size() > kScheduled.size() + 6) {
        const std::string time(rest.substr(kScheduled.size(), 6));
        int hour = -1, minute = -1;
        char colon = 0, after = 0;
        if (std::sscanf(time.c_str(), "%2d%c%2d%c", &hour, &colon, &minute, &after) != 4 || colon != ':' ||
            after != ' ' || hour < 0 || hour > 23 || minute < 0 || minute > 59) {
            return std::nullopt;
        }
        entry.minuteOfDay = hour * 60 + minute;
        rest.remove_prefix(kScheduled.size() + 6);
    } else if (rest.starts_with(kRingNow)) {
        entry.scheduled = false;
        entry.minuteOfDay = s.hour * 60 + s.minute;
        rest.remove_prefix(kRingNow.size());
    } else {
        return std::nullopt;
    }
    // The sound is a file name; the device's description after " on " may hold " on " itself.
    const auto on = rest.find(" on ");
    if (on == std::string_view::npos || on == 0) {
        return std::nullopt;
    }
    entry.sound = std::string(rest.substr(0, on));
    return entry;
}

std::string problemLine(const Stamp& at, std::string_view text) {
    std::string line = stamp(at);
    line += " problem: ";
    line += text;
    return line;
}

std::string noteLine(const Stamp& at, std::string_view text) {
    std::string line = stamp(at);
    line += ' ';
    line += text;
    return line;
}

bool keep(std::string_view line, int first) {
    int year = 0, month = 0, day = 0;
    char dash1 = 0, dash2 = 0;
    const std::string head(line.substr(0, 10));
    if (std::sscanf(head.c_str(), "%4d%c%2d%c%2d", &year, &dash1, &month, &dash2, &day) != 5 || dash1 != '-' ||
        dash2 != '-') {
        return true;
    }
    return year * 10000 + month * 100 + day >= first;
}

}  // namespace corvalin::ringlog
