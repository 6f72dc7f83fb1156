// Line forms and layouts of the settings files.
#include "engine/schedule/settingsformat.h"

#include <array>
#include <charconv>

namespace corvalin::settings {

std::string numberLine(int value) {
    std::string text = std::to_string(value);
    if (value >= 0) {
        text.insert(text.begin(), ' ');
    }
    text.push_back(' ');
    return text;
}

std::optional<int> parseNumberLine(std::string_view line) {
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = line.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    line = line.substr(first, line.find_last_not_of(blanks) - first + 1);
    if (!line.empty() && line.front() == '+') {
        line.remove_prefix(1);
    }
    int value = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (error != std::errc() || end != line.data() + line.size() || value < -32768 || value > 32767) {
        return std::nullopt;
    }
    return value;
}

bool isCleanText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7f) {
            return false;
        }
        if (c < 0x80) {
            ++i;
            continue;
        }
        // A multi-byte sequence: its length from the lead byte, then continuation bytes only,
        // no overlong forms, no surrogates, nothing past U+10FFFF.
        std::size_t length = 0;
        unsigned int code = 0;
        if (c >= 0xc2 && c <= 0xdf) {
            length = 2;
            code = c & 0x1fu;
        } else if (c >= 0xe0 && c <= 0xef) {
            length = 3;
            code = c & 0x0fu;
        } else if (c >= 0xf0 && c <= 0xf4) {
            length = 4;
            code = c & 0x07u;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xc0u) != 0x80u) {
                return false;
            }
            code = (code << 6) | (next & 0x3fu);
        }
        if ((length == 3 && (code < 0x800 || (code >= 0xd800 && code <= 0xdfff))) ||
            (length == 4 && (code < 0x10000 || code > 0x10ffff)) || (code >= 0x80 && code <= 0x9f)) {
            return false;
        }
        i += length;
    }
    return true;
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        if (end == std::string_view::npos) {
            break;
        }
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

int fixedField(std::string_view text, std::size_t offset, std::size_t length) {
    if (offset >= text.size()) {
        return 0;
    }
    text = text.substr(offset, length);
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return 0;
    }
    int value = 0;
    for (char c : text.substr(first)) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string dayTimesFile(int day) { return "mdata_" + std::to_string(day) + ".ini"; }

std::string dayIntervalFile(int day) { return "adata_" + std::to_string(day) + ".ini"; }

namespace {

using F = IntervalField;
constexpr std::array kDayLayout{F::StartHour,      F::StartMinute,    F::ExitHour,        F::ExitMinute,
                                F::WorkTime,       F::RestTime,       F::NoBell,          F::StartBellSound,
                                F::EndBellSound,   F::PreBell1On,     F::PreBell1Minutes, F::PreBell1Sound,
                                F::PreBell2On,     F::PreBell2Minutes, F::PreBell2Sound};
constexpr std::array kWeekLayout{F::StartHour,       F::StartMinute,   F::ExitHour,      F::ExitMinute,
                                 F::WorkTime,        F::RestTime,      F::StartBellSound, F::EndBellSound,
                                 F::PreBell1On,      F::PreBell1Minutes, F::PreBell1Sound, F::PreBell2On,
                                 F::PreBell2Minutes, F::PreBell2Sound};

}  // namespace

std::span<const IntervalField> intervalLayout(bool dayFile) {
    if (dayFile) {
        return kDayLayout;
    }
    return kWeekLayout;
}

bool isNumberField(IntervalField field) {
    return field == F::NoBell || field == F::PreBell1On || field == F::PreBell2On;
}

std::string_view intervalDefault(IntervalField field) {
    switch (field) {
        case F::StartHour: return "5";
        case F::StartMinute: return "0";
        case F::ExitHour: return "23";
        case F::ExitMinute: return "0";
        case F::WorkTime: return "50";
        case F::RestTime: return "10";
        case F::PreBell1Minutes:
        case F::PreBell2Minutes: return "1";
        case F::NoBell:
        case F::PreBell1On:
        case F::PreBell2On: return "0";
        case F::StartBellSound:
        case F::EndBellSound:
        case F::PreBell1Sound:
        case F::PreBell2Sound: return "";
    }
    return "";
}

}  // namespace corvalin::settings
