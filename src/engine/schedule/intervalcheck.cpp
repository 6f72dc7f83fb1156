// Checks of the automatic-interval settings.
#include "engine/schedule/intervalcheck.h"

#include <charconv>

namespace corvalin::interval {

std::optional<long> wholeNumber(std::string_view text) {
    constexpr std::string_view blanks = " \t";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(blanks) - first + 1);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > 1000000 || value < -1000000) {
        return std::nullopt;
    }
    return value;
}

namespace {

// A number in [low, high], or nothing when the text is not one.
std::optional<long> inRange(std::string_view text, long low, long high) {
    const auto value = wholeNumber(text);
    if (!value || *value < low || *value > high) {
        return std::nullopt;
    }
    return value;
}

CheckResult check(const IntervalTexts& t, bool forStart) {
    CheckResult result;
    auto fail = [&result](std::string message) {
        result.message = std::move(message);
        return result;
    };
    if (t.exitMinute.empty()) return fail("Please input exit minute");
    if (t.startHour.empty()) return fail("Please input start hour");
    if (t.startMinute.empty()) return fail("Please input start minute");
    if (t.exitHour.empty()) return fail("Please input end hour");
    const auto exitMinute = inRange(t.exitMinute, 0, 59);
    if (!exitMinute) return fail("(End minute)Please input digit between 0 and 59");
    const auto startHour = inRange(t.startHour, 0, 23);
    if (!startHour) return fail("(Start Hour)Please input digit between 0 and 23");
    const auto startMinute = inRange(t.startMinute, 0, 59);
    if (!startMinute) return fail("(Start minute)Please input digit between 0 and 59");
    const auto exitHour = inRange(t.exitHour, 0, 23);
    if (!exitHour) return fail("(End hour)Please input digit between 0 and 23");
    const auto work = inRange(t.work, 1, 1000000);
    if (!work) return fail("(Work time)must over 1 minute");
    const auto rest = inRange(t.rest, 1, 1000000);
    if (!rest) return fail("(rest time)must over 1 minute");
    const long start = *startHour * 60 + *startMinute;
    const long end = *exitHour * 60 + *exitMinute;
    if (end < start) return fail("must end time bigger then start time");
    if (forStart && (t.preBell1On || t.preBell2On)) {
        const auto pre1 = inRange(t.preBell1, 1, 99);
        if (!pre1) return fail("(Alarm after start bell time)Please input digit between 1 and 99");
        const auto pre2 = inRange(t.preBell2, 1, 99);
        if (!pre2) return fail("(Alarm before end bell time)Please input digit between 1 and 99.");
        if (*work <= *pre1 + *pre2) {
            return fail("Sum of [Alarm after start bell time minute] and [Alarm before end bell minute] is must not over work time.");
        }
    }
    result.startMinute = static_cast<int>(start);
    result.endMinute = static_cast<int>(end);
    if (start < end && end - start < *work + *rest + 1) {
        return fail("Start time and end time is must over sum of work time and rest time.");
    }
    return result;
}

}  // namespace

CheckResult checkTimes(const IntervalTexts& texts) { return check(texts, false); }

CheckResult checkForStart(const IntervalTexts& texts) { return check(texts, true); }

}  // namespace corvalin::interval
