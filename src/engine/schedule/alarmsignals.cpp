// The alarm signals.
#include "engine/schedule/alarmsignals.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "engine/schedule/settingsformat.h"

namespace corvalin::alarms {

namespace {

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool clean(std::string_view text) {
    return settings::isCleanText(text) && text.find(',') == std::string_view::npos;
}

std::string trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return std::string(text);
}

}  // namespace

std::vector<Signal> defaults() {
    return {{"Lockdown", "tone-lockdown.wav", 0},
            {"Evacuation", "tone-evacuation.wav", 0},
            {"All clear", "tone-all-clear.wav", 1}};
}

std::string refusal(const Signal& signal, const std::vector<Signal>& others) {
    if (signal.name.empty()) {
        return "an alarm signal needs a name";
    }
    if (signal.name.size() > kLongestName) {
        return "the name " + signal.name + " is longer than " + std::to_string(kLongestName) + " characters";
    }
    if (!clean(signal.name) || trimmed(signal.name) != signal.name) {
        return "the name " + signal.name + " has a comma, a control character or spaces at an end";
    }
    if (signal.sound.empty()) {
        return "the alarm signal " + signal.name + " has no sound";
    }
    if (!clean(signal.sound)) {
        return "the sound " + signal.sound + " has a comma or a control character in its name";
    }
    if (signal.times < 0 || signal.times > kMostTimes) {
        return "an alarm signal rings from 1 to " + std::to_string(kMostTimes) + " times, or until stopped";
    }
    for (const Signal& other : others) {
        if (sameName(other.name, signal.name)) {
            return "there is already an alarm signal named " + other.name;
        }
    }
    if (others.size() >= static_cast<std::size_t>(kMostSignals)) {
        return "there are at most " + std::to_string(kMostSignals) + " alarm signals";
    }
    return {};
}

std::vector<Signal> parseFile(const std::vector<std::string>& lines) {
    std::vector<Signal> signals;
    bool anyLine = false;
    for (const std::string& line : lines) {
        if (line.empty()) {
            continue;
        }
        anyLine = true;
        const std::size_t first = line.find(',');
        const std::size_t last = line.rfind(',');
        if (first == std::string::npos || first == last) {
            continue;
        }
        Signal signal;
        signal.name = line.substr(0, first);
        signal.sound = line.substr(first + 1, last - first - 1);
        const std::string_view count = std::string_view(line).substr(last + 1);
        const auto [at, error] = std::from_chars(count.data(), count.data() + count.size(), signal.times);
        if (error != std::errc() || at != count.data() + count.size() || count.empty()) {
            continue;
        }
        if (refusal(signal, signals).empty()) {
            signals.push_back(std::move(signal));
        }
    }
    // A file the operator emptied of every signal on purpose is written with no line at all, and
    // kept so; only a file that is not there gives the defaults.
    if (!anyLine && lines.empty()) {
        return defaults();
    }
    return signals;
}

std::vector<std::string> formatFile(const std::vector<Signal>& signals) {
    std::vector<std::string> lines;
    for (const Signal& signal : signals) {
        lines.push_back(signal.name + ',' + signal.sound + ',' + std::to_string(signal.times));
    }
    if (lines.empty()) {
        lines.emplace_back();  // no signal at all, on purpose: not the defaults
    }
    return lines;
}

std::optional<Signal> find(const std::vector<Signal>& signals, std::string_view name) {
    for (const Signal& signal : signals) {
        if (sameName(signal.name, trimmed(name))) {
            return signal;
        }
    }
    return std::nullopt;
}

std::string timesText(int times) {
    if (times <= 0) {
        return "until stopped";
    }
    return times == 1 ? std::string("once") : std::to_string(times) + " times";
}

namespace {

// The comma-separated fields of a line, at most `most`: the last one takes the rest.
std::vector<std::string_view> fields(std::string_view line, std::size_t most) {
    std::vector<std::string_view> out;
    while (out.size() + 1 < most) {
        const std::size_t comma = line.find(',');
        if (comma == std::string_view::npos) {
            break;
        }
        out.push_back(line.substr(0, comma));
        line.remove_prefix(comma + 1);
    }
    out.push_back(line);
    return out;
}

std::optional<int> minuteOf(std::string_view text) {
    int hour = -1;
    int minute = -1;
    if (text.size() != 5 || text[2] != ':' ||
        std::from_chars(text.data(), text.data() + 2, hour).ptr != text.data() + 2 ||
        std::from_chars(text.data() + 3, text.data() + 5, minute).ptr != text.data() + 5 || hour < 0 || hour > 23 ||
        minute < 0 || minute > 59) {
        return std::nullopt;
    }
    return hour * 60 + minute;
}

std::string minuteText(int minute) {
    const auto two = [](int n) { return std::string(1, static_cast<char>('0' + n / 10)) + static_cast<char>('0' + n % 10); };
    return two(minute / 60) + ":" + two(minute % 60);
}

}  // namespace

std::optional<Sounding> parseSounding(const std::vector<std::string>& lines) {
    std::optional<Sounding> sounding;
    std::optional<Sounding::Held> held;
    for (const std::string& line : lines) {
        if (!settings::isCleanText(line)) {
            continue;
        }
        const auto f = fields(line, 4);
        if (f.size() == 4 && f[0] == "alarm" && !f[1].empty() && f[1].size() <= kLongestName && !sounding) {
            sounding = Sounding{std::string(f[1]), std::string(f[2]), std::string(f[3]), std::nullopt};
        } else if (f.size() == 4 && f[0] == "held" && !f[3].empty() && clean(f[3])) {
            if (const auto minute = minuteOf(f[2])) {
                held = Sounding::Held{std::string(f[1]), *minute, std::string(f[3])};
            }
        }
    }
    if (sounding) {
        sounding->held = held;
    }
    return sounding;
}

std::vector<std::string> formatSounding(const Sounding& sounding) {
    std::vector<std::string> lines{"alarm," + sounding.name + "," + sounding.started + "," + sounding.by};
    if (sounding.held) {
        lines.push_back("held," + sounding.held->date + "," + minuteText(sounding.held->minute) + "," +
                        sounding.held->sound);
    }
    return lines;
}

}  // namespace corvalin::alarms
