// Settings values to and from their files' lines.
#include "engine/schedule/settingsvalues.h"

#include <cstddef>

#include "engine/schedule/timeentry.h"

namespace corvalin::settings {

namespace {

int numberAt(const std::vector<std::string>& lines, std::size_t index, int fallback) {
    if (index >= lines.size()) {
        return fallback;
    }
    return parseNumberLine(lines[index]).value_or(fallback);
}

std::string flagLine(bool on) {
    return numberLine(on ? 1 : 0);
}

}  // namespace

Options parseOptions(const std::vector<std::string>& lines) {
    const Options defaults;
    auto at = [&lines](OptionLine line, int fallback) {
        return numberAt(lines, static_cast<std::size_t>(line), fallback);
    };
    Options o;
    o.autoExe = at(OptionLine::AutoExe, defaults.autoExe);
    o.soundIndex = at(OptionLine::SoundIndex, defaults.soundIndex);
    o.setTimeMode = at(OptionLine::SetTimeMode, defaults.setTimeMode);
    o.dayMode = at(OptionLine::DayMode, defaults.dayMode);
    o.soundZero = at(OptionLine::SoundZero, defaults.soundZero);
    o.autoMode = at(OptionLine::AutoMode, defaults.autoMode);
    o.bellRepeat = at(OptionLine::BellRepeat, defaults.bellRepeat);
    o.timeSync = at(OptionLine::TimeSync, defaults.timeSync);
    return o;
}

std::vector<std::string> formatOptions(const Options& o) {
    return {numberLine(o.autoExe),    numberLine(o.soundIndex), numberLine(o.setTimeMode),
            numberLine(o.dayMode),    numberLine(o.soundZero),  numberLine(o.autoMode),
            numberLine(o.bellRepeat), numberLine(o.timeSync)};
}

bool selectsFirstChoice(int stored) {
    return stored == 1;
}

bool appliesSoundIndex(int listCount, int stored) {
    return listCount > stored;
}

namespace {

void keepEntries(const std::vector<std::string>& lines, std::size_t first, TimeList& list,
                 std::vector<int>* dropped) {
    for (std::size_t i = first; i < lines.size(); ++i) {
        if (timelist::isValidEntry(lines[i])) {
            list.entries.push_back(lines[i]);
        } else if (dropped) {
            dropped->push_back(static_cast<int>(i) + 1);
        }
    }
}

}  // namespace

TimeList parseWeekTimes(const std::vector<std::string>& lines, std::vector<int>* dropped) {
    TimeList list;
    keepEntries(lines, 0, list, dropped);
    return list;
}

std::vector<std::string> formatWeekTimes(const TimeList& list) {
    return list.entries;
}

TimeList parseDayTimes(const std::vector<std::string>& lines, std::vector<int>* dropped) {
    TimeList list;
    list.noBell = numberAt(lines, 0, 0) == 1;
    keepEntries(lines, 1, list, dropped);
    return list;
}

std::vector<std::string> formatDayTimes(const TimeList& list) {
    std::vector<std::string> lines{flagLine(list.noBell)};
    lines.insert(lines.end(), list.entries.begin(), list.entries.end());
    return lines;
}

std::string& IntervalSettings::text(IntervalField field) {
    return const_cast<std::string&>(static_cast<const IntervalSettings&>(*this).text(field));
}

const std::string& IntervalSettings::text(IntervalField field) const {
    switch (field) {
        case IntervalField::StartHour:
            return startHour;
        case IntervalField::StartMinute:
            return startMinute;
        case IntervalField::ExitHour:
            return exitHour;
        case IntervalField::ExitMinute:
            return exitMinute;
        case IntervalField::WorkTime:
            return work;
        case IntervalField::RestTime:
            return rest;
        case IntervalField::StartBellSound:
            return startSound;
        case IntervalField::EndBellSound:
            return endSound;
        case IntervalField::PreBell1Minutes:
            return preBell1;
        case IntervalField::PreBell1Sound:
            return preBell1Sound;
        case IntervalField::PreBell2Minutes:
            return preBell2;
        case IntervalField::PreBell2Sound:
            return preBell2Sound;
        case IntervalField::NoBell:
        case IntervalField::PreBell1On:
        case IntervalField::PreBell2On:
            break;
    }
    static const std::string none;
    return none;
}

bool& IntervalSettings::flag(IntervalField field) {
    switch (field) {
        case IntervalField::PreBell1On:
            return preBell1On;
        case IntervalField::PreBell2On:
            return preBell2On;
        default:
            return noBell;
    }
}

bool IntervalSettings::flag(IntervalField field) const {
    return const_cast<IntervalSettings&>(*this).flag(field);
}

IntervalSettings parseInterval(const std::vector<std::string>& lines, bool dayFile) {
    IntervalSettings s;
    const auto layout = intervalLayout(dayFile);
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const IntervalField field = layout[i];
        if (isNumberField(field)) {
            s.flag(field) = numberAt(lines, i, 0) == 1;
        } else if (i < lines.size() && isCleanText(lines[i])) {
            s.text(field) = lines[i];
        }
    }
    return s;
}

std::vector<std::string> formatInterval(const IntervalSettings& s, bool dayFile) {
    std::vector<std::string> lines;
    for (const IntervalField field : intervalLayout(dayFile)) {
        lines.push_back(isNumberField(field) ? flagLine(s.flag(field)) : s.text(field));
    }
    return lines;
}

ExitBooking parseExitBooking(const std::vector<std::string>& lines) {
    // A booking switches the computer off: only a whole, valid file books one. A short file or a
    // line that is not a number or not a time of day is no booking, as a missing file is.
    if (lines.size() < 3) {
        return {};
    }
    const auto on = parseNumberLine(lines[0]);
    const auto hour = parseNumberLine(lines[1]);
    const auto minute = parseNumberLine(lines[2]);
    if (!on || !hour || !minute || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59) {
        return {};
    }
    return ExitBooking{*on == 1, *hour, *minute};
}

std::vector<std::string> formatExitBooking(const ExitBooking& b) {
    return {flagLine(b.on), numberLine(b.hour), numberLine(b.minute)};
}

int templateDay(int k) {
    return 7 + k;
}

std::optional<TimeList> parseTemplate(const std::vector<std::string>& lines, std::vector<int>* dropped) {
    if (lines.empty() || !parseNumberLine(lines.front())) {
        return std::nullopt;
    }
    return parseDayTimes(lines, dropped);
}

int parseBellOffset(const std::vector<std::string>& lines) {
    const int seconds = numberAt(lines, 0, 0);
    return seconds >= -kLargestBellOffset && seconds <= kLargestBellOffset ? seconds : 0;
}

std::vector<std::string> formatBellOffset(int seconds) {
    return {numberLine(seconds)};
}

int parseSoundCard(const std::vector<std::string>& lines) {
    return numberAt(lines, 0, -1);
}

std::vector<std::string> formatSoundCard(int index) {
    return {numberLine(index)};
}

SoundCardName parseSoundCardName(const std::vector<std::string>& lines, int index) {
    SoundCardName card;
    card.index = index;
    if (index < 0 || lines.size() < 2 || numberAt(lines, 0, -1) != index || lines[1].empty() ||
        !isCleanText(lines[1])) {
        return card;
    }
    card.name = lines[1];
    if (lines.size() > 2 && isCleanText(lines[2])) {
        card.description = lines[2];
    }
    return card;
}

std::vector<std::string> formatSoundCardName(const SoundCardName& card) {
    return {numberLine(card.index), card.name, card.description};
}

}  // namespace corvalin::settings
