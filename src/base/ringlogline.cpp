// Ring log lines.
#include "base/ringlogline.h"

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
