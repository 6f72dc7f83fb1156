// Date exceptions and their file lines.
#include "engine/schedule/dateexceptions.h"

#include <algorithm>
#include <tuple>

#include "engine/schedule/settingsformat.h"

namespace corvalin::calendar {

namespace {

// Exactly `count` digits.
std::optional<int> digits(std::string_view text, std::size_t count) {
    if (text.size() != count) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string padded(int value, std::size_t width) {
    std::string text = std::to_string(value);
    if (text.size() < width) {
        text.insert(0, width - text.size(), '0');
    }
    return text;
}

auto orderKey(const DateException& e) {
    return std::tie(e.first, e.last, e.what, e.label);
}

}  // namespace

std::optional<Date> parseDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = digits(text.substr(0, 4), 4);
    const auto month = digits(text.substr(5, 2), 2);
    const auto day = digits(text.substr(8, 2), 2);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const Date date{std::chrono::year(*year), std::chrono::month(static_cast<unsigned>(*month)),
                    std::chrono::day(static_cast<unsigned>(*day))};
    if (!date.ok()) {
        return std::nullopt;
    }
    return date;
}

std::string formatDate(const Date& date) {
    return padded(static_cast<int>(date.year()), 4) + "-" +
           padded(static_cast<int>(unsigned(date.month())), 2) + "-" +
           padded(static_cast<int>(unsigned(date.day())), 2);
}

std::optional<DateException> parseLine(std::string_view line) {
    std::string_view fields[3];
    for (auto& field : fields) {
        const auto comma = line.find(',');
        if (comma == std::string_view::npos) {
            return std::nullopt;
        }
        field = line.substr(0, comma);
        line.remove_prefix(comma + 1);
    }
    const auto first = parseDate(fields[0]);
    const auto last = parseDate(fields[1]);
    const auto what = digits(fields[2], 1);
    if (!first || !last || *last < *first || !what || *what > kLastTemplate || !settings::isCleanText(line)) {
        return std::nullopt;
    }
    return DateException{*first, *last, *what, std::string(line)};
}

std::string formatLine(const DateException& e) {
    return formatDate(e.first) + "," + formatDate(e.last) + "," + std::to_string(e.what) + "," + e.label;
}

bool isValid(const DateException& e) {
    const auto again = parseLine(formatLine(e));
    return again && *again == e;
}

std::vector<DateException> parseCalendar(const std::vector<std::string>& lines, std::vector<int>* dropped) {
    std::vector<DateException> exceptions;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto exception = parseLine(lines[i])) {
            exceptions.push_back(std::move(*exception));
        } else if (dropped) {
            dropped->push_back(static_cast<int>(i) + 1);
        }
    }
    sortExceptions(exceptions);
    return exceptions;
}

std::vector<std::string> formatCalendar(std::span<const DateException> exceptions) {
    std::vector<std::string> lines;
    lines.reserve(exceptions.size());
    for (const auto& e : exceptions) {
        lines.push_back(formatLine(e));
    }
    return lines;
}

void sortExceptions(std::vector<DateException>& exceptions) {
    std::stable_sort(
        exceptions.begin(), exceptions.end(),
        [](const DateException& a, const DateException& b) { return orderKey(a) < orderKey(b); });
}

bool covers(const DateException& e, const Date& day) {
    return e.first <= day && day <= e.last;
}

std::optional<std::size_t> decidingException(std::span<const DateException> exceptions, const Date& day) {
    std::optional<std::size_t> winner;
    for (std::size_t i = 0; i < exceptions.size(); ++i) {
        const auto& e = exceptions[i];
        if (!covers(e, day)) {
            continue;
        }
        if (!winner) {
            winner = i;
            continue;
        }
        const auto& best = exceptions[*winner];
        if (e.first > best.first || (e.first == best.first && e.last <= best.last)) {
            winner = i;
        }
    }
    return winner;
}

std::optional<DateException> decidingDay(std::span<const DateException> handMade,
                                         std::span<const DateException> subscribed, const Date& day) {
    if (const auto index = decidingException(handMade, day)) {
        return handMade[*index];
    }
    if (const auto index = decidingException(subscribed, day)) {
        return subscribed[*index];
    }
    return std::nullopt;
}

bool isDuplicate(const DateException& a, const DateException& b) {
    return a.first == b.first && a.last == b.last && a.what == b.what;
}

bool containsDuplicate(std::span<const DateException> exceptions, const DateException& candidate) {
    return std::any_of(exceptions.begin(), exceptions.end(),
                       [&candidate](const DateException& e) { return isDuplicate(e, candidate); });
}

std::string actionText(int what) {
    return what == kNoBells ? std::string("no bells") : "ring templet " + std::to_string(what);
}

std::string daysText(const DateException& e) {
    return e.first == e.last ? formatDate(e.first) : formatDate(e.first) + " to " + formatDate(e.last);
}

std::string summaryText(const DateException& e) {
    return e.label.empty() ? actionText(e.what) : e.label + ": " + actionText(e.what);
}

}  // namespace corvalin::calendar
