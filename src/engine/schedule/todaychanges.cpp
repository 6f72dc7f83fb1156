// Today's changes.
#include "engine/schedule/todaychanges.h"

#include <algorithm>
#include <charconv>

#include "engine/schedule/clocktext.h"
#include "engine/schedule/settingsformat.h"

namespace corvalin::today {

namespace {

constexpr int kMinutesADay = 1440;

std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = line.find(',', from);
        out.push_back(line.substr(from, comma == std::string_view::npos ? std::string_view::npos : comma - from));
        if (comma == std::string_view::npos) {
            return out;
        }
        from = comma + 1;
    }
}

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || at != end || text.empty()) {
        return std::nullopt;
    }
    return value;
}

bool clean(std::string_view text) {
    return settings::isCleanText(text) && text.find(',') == std::string_view::npos;
}

bool isDayChange(const Change& c) {
    return c.kind == Kind::NoBells || c.kind == Kind::Templet;
}

// The slots in use: the day bells and the bells that ring, whichever reach further.
int used(const ringtable::RingTable& table) {
    return std::clamp(std::max(table.bellCount, table.dayBellCount), 0, ringtable::kSlots);
}

void eraseSlot(ringtable::RingTable& table, int slot) {
    const int end = used(table);
    for (int i = slot; i + 1 < end; ++i) {
        table.minutes[static_cast<std::size_t>(i)] = table.minutes[static_cast<std::size_t>(i + 1)];
        table.sounds[static_cast<std::size_t>(i)] = std::move(table.sounds[static_cast<std::size_t>(i + 1)]);
    }
    if (slot < table.dayBellCount) {
        --table.dayBellCount;
    }
    if (slot < table.bellCount) {
        --table.bellCount;
    }
}

// Inserts a day bell after the day bells, before the alarms; false, with nothing changed, when
// the table has no free slot.
bool insertDayBell(ringtable::RingTable& table, int minute, const std::string& sound) {
    if (table.bellCount <= 0) {
        // Nothing rings today ("No rings"): the added bell is the day's only one.
        table.dayBellCount = 0;
        table.bellCount = 0;
    }
    const int end = used(table);
    if (end >= ringtable::kSlots) {
        return false;
    }
    const int slot = std::clamp(table.dayBellCount, 0, end);
    for (int i = end; i > slot; --i) {
        table.minutes[static_cast<std::size_t>(i)] = table.minutes[static_cast<std::size_t>(i - 1)];
        table.sounds[static_cast<std::size_t>(i)] = std::move(table.sounds[static_cast<std::size_t>(i - 1)]);
    }
    table.minutes[static_cast<std::size_t>(slot)] = minute;
    table.sounds[static_cast<std::size_t>(slot)] = sound;
    table.dayBellCount = slot + 1;
    table.bellCount = end + 1;
    return true;
}

// A sound as a change may name it: a file of the sound folder, never a path out of it.
bool plainFileName(std::string_view name) {
    return !name.empty() && clean(name) && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string_view::npos;
}

}  // namespace

std::string minuteText(int minuteOfDay) {
    return clock::twoDigits(minuteOfDay / 60) + ":" + clock::twoDigits(minuteOfDay % 60);
}

std::optional<int> parseMinute(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 || text.size() - colon != 3) {
        return std::nullopt;
    }
    const auto hour = number(text.substr(0, colon));
    const auto minute = number(text.substr(colon + 1));
    if (!hour || !minute || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59) {
        return std::nullopt;
    }
    return *hour * 60 + *minute;
}

std::optional<Changes> parseFile(const std::vector<std::string>& lines) {
    if (lines.empty()) {
        return std::nullopt;
    }
    const auto date = calendar::parseDate(lines.front());
    if (!date) {
        return std::nullopt;
    }
    Changes changes{*date, {}};
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const auto f = fields(lines[i]);
        Change c;
        bool valid = false;
        if (f[0] == "skip" && f.size() == 3) {
            const auto m = parseMinute(f[1]);
            valid = m.has_value();
            c = {Kind::Skip, m.value_or(-1), -1, {}, 0, std::string(f[2])};
        } else if (f[0] == "move" && f.size() == 4) {
            const auto m = parseMinute(f[1]);
            const auto to = parseMinute(f[2]);
            valid = m && to;
            c = {Kind::Move, m.value_or(-1), to.value_or(-1), {}, 0, std::string(f[3])};
        } else if (f[0] == "add" && f.size() == 4) {
            const auto m = parseMinute(f[1]);
            valid = m && plainFileName(f[2]);
            c = {Kind::Add, m.value_or(-1), -1, std::string(f[2]), 0, std::string(f[3])};
        } else if (f[0] == "nobells" && f.size() == 2) {
            valid = true;
            c = {Kind::NoBells, -1, -1, {}, 0, std::string(f[1])};
        } else if (f[0] == "templet" && f.size() == 3) {
            const auto k = number(f[1]);
            valid = k.has_value();
            c = {Kind::Templet, -1, -1, {}, k.value_or(0), std::string(f[2])};
        }
        if (valid && clean(c.by) && refusal(changes, c).empty()) {
            changes.list.push_back(std::move(c));
        }
    }
    return changes;
}

std::vector<std::string> formatFile(const Changes& changes) {
    std::vector<std::string> lines{calendar::formatDate(changes.date)};
    for (const Change& c : changes.list) {
        switch (c.kind) {
        case Kind::Skip:
            lines.push_back("skip," + minuteText(c.minute) + "," + c.by);
            break;
        case Kind::Move:
            lines.push_back("move," + minuteText(c.minute) + "," + minuteText(c.to) + "," + c.by);
            break;
        case Kind::Add:
            lines.push_back("add," + minuteText(c.minute) + "," + c.sound + "," + c.by);
            break;
        case Kind::NoBells:
            lines.push_back("nobells," + c.by);
            break;
        case Kind::Templet:
            lines.push_back("templet," + std::to_string(c.templet) + "," + c.by);
            break;
        }
    }
    return lines;
}

std::string refusal(const Changes& changes, const Change& change) {
    const auto inDay = [](int m) { return m >= 0 && m < kMinutesADay; };
    if (changes.list.size() >= kMaxChanges) {
        return "today holds " + std::to_string(kMaxChanges) + " changes already; undo some first";
    }
    switch (change.kind) {
    case Kind::Skip:
    case Kind::Move:
        if (!inDay(change.minute) || (change.kind == Kind::Move && !inDay(change.to))) {
            return "not a time of the day";
        }
        if (change.kind == Kind::Move && change.to == change.minute) {
            return "the bell already rings at " + minuteText(change.to);
        }
        for (const Change& c : changes.list) {
            if ((c.kind == Kind::Skip || c.kind == Kind::Move) && c.minute == change.minute) {
                return "the " + minuteText(change.minute) + " bell is " +
                       (c.kind == Kind::Skip ? "skipped" : "moved") + " today already; undo that first";
            }
        }
        return {};
    case Kind::Add:
        if (!inDay(change.minute)) {
            return "not a time of the day";
        }
        if (change.sound.empty()) {
            return "no sound was chosen";
        }
        if (!plainFileName(change.sound)) {
            return "a sound is named by its file name in the sound folder";
        }
        return {};
    case Kind::NoBells:
    case Kind::Templet:
        if (change.kind == Kind::Templet && (change.templet < 1 || change.templet > calendar::kLastTemplate)) {
            return "there is no templet " + std::to_string(change.templet);
        }
        if (const auto day = dayChange(changes)) {
            return describe(*day) + " already; undo that first";
        }
        return {};
    }
    return {};
}

std::optional<Change> dayChange(const Changes& changes) {
    for (const Change& c : changes.list) {
        if (isDayChange(c)) {
            return c;
        }
    }
    return std::nullopt;
}

std::vector<Change> applyToTable(const Changes& changes, ringtable::RingTable& table) {
    std::vector<Change> leftOut;
    for (const Change& c : changes.list) {
        switch (c.kind) {
        case Kind::Skip:
            for (int i = std::min(table.dayBellCount, ringtable::kSlots) - 1; i >= 0; --i) {
                if (table.minutes[static_cast<std::size_t>(i)] == c.minute) {
                    eraseSlot(table, i);
                }
            }
            break;
        case Kind::Move:
            for (int i = 0; i < std::min(table.dayBellCount, ringtable::kSlots); ++i) {
                if (table.minutes[static_cast<std::size_t>(i)] == c.minute) {
                    table.minutes[static_cast<std::size_t>(i)] = c.to;
                }
            }
            break;
        case Kind::Add:
            if (!insertDayBell(table, c.minute, c.sound)) {
                leftOut.push_back(c);
            }
            break;
        case Kind::NoBells:
        case Kind::Templet:
            break;  // the day's plan, before the table is built
        }
    }
    return leftOut;
}

std::vector<Line> todayLines(const ringtable::RingTable& applied, const Changes& changes) {
    // The mark of each minute, once: a move's mark wins over an addition's, the last move's over
    // an earlier one's.
    std::vector<std::string> marks(kMinutesADay);
    for (const Change& c : changes.list) {
        if (c.kind == Kind::Move && c.to >= 0 && c.to < kMinutesADay) {
            marks[static_cast<std::size_t>(c.to)] = "moved from " + minuteText(c.minute);
        }
    }
    for (const Change& c : changes.list) {
        if (c.kind == Kind::Add && c.minute >= 0 && c.minute < kMinutesADay &&
            marks[static_cast<std::size_t>(c.minute)].empty()) {
            marks[static_cast<std::size_t>(c.minute)] = "added";
        }
    }
    std::vector<Line> lines;
    // The slots ringtable::todayBellsLines lists.
    const int count = std::clamp(std::min(applied.dayBellCount, applied.bellCount), 0, ringtable::kSlots);
    for (int i = 0; i < count; ++i) {
        const int minute = applied.minutes[static_cast<std::size_t>(i)];
        const bool inDay = minute >= 0 && minute < kMinutesADay;
        lines.push_back({ringtable::todayBellLine(minute),
                         inDay ? marks[static_cast<std::size_t>(minute)] : std::string(),
                         applied.sounds[static_cast<std::size_t>(i)], minute});
    }
    for (const Change& c : changes.list) {
        if (c.kind == Kind::Skip) {
            lines.push_back({ringtable::todayBellLine(c.minute), "skipped", std::string(), c.minute});
        }
    }
    std::stable_sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.text < b.text; });
    return lines;
}

std::string describe(const Change& change) {
    switch (change.kind) {
    case Kind::Skip:
        return minuteText(change.minute) + " skipped today";
    case Kind::Move:
        return minuteText(change.minute) + " moved to " + minuteText(change.to) + " today";
    case Kind::Add:
        return minuteText(change.minute) + " added today (" + change.sound + ")";
    case Kind::NoBells:
        return "no bells today";
    case Kind::Templet:
        return "templet " + std::to_string(change.templet) + " rings today";
    }
    return {};
}

}  // namespace corvalin::today
