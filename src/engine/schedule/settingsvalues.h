// The values held by the settings files, as plain types: the eight options, a time list, the
// interval settings and the shutdown booking, each read from and written to its file's lines.
// Reading never fails: a missing or malformed line takes the value the window opens with.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/schedule/settingsformat.h"

namespace corvalin::settings {

// "data.ini", as stored. Pairs of choices are kept as the stored number: only 1 picks the
// first choice of a pair (see selectsFirstChoice).
struct Options {
    int autoExe = 0;
    int soundIndex = -1;  // position in the sound list, -1 for none
    int setTimeMode = 2;  // 1 "Auto interval", else "Manual input" (a fresh folder starts manual)
    int dayMode = 1;      // 1 "Apply week", else "Set each day"
    int soundZero = 0;
    int autoMode = 1;  // 1 "Execution to monitor", else "Execution to tray icon"
    int bellRepeat = 0;
    int timeSync = 0;

    bool operator==(const Options&) const = default;
};

Options parseOptions(const std::vector<std::string>& lines);
std::vector<std::string> formatOptions(const Options& options);

// Only the stored value 1 selects the first choice of a pair; 0, 2 or 7 select the second.
bool selectsFirstChoice(int stored);

// The stored sound position is applied only when the list holds more entries than its value
// (-1 then clears the selection); otherwise the selection is left as it is.
bool appliesSoundIndex(int listCount, int stored);

// A time list: the week file holds entries only, a day file starts with the "No rings" line.
struct TimeList {
    bool noBell = false;
    std::vector<std::string> entries;

    bool operator==(const TimeList&) const = default;
};

// Only valid entries are kept (see timelist::isValidEntry); the file line numbers (from 1) of
// the lines dropped are added to `dropped` when given.
TimeList parseWeekTimes(const std::vector<std::string>& lines, std::vector<int>* dropped = nullptr);
std::vector<std::string> formatWeekTimes(const TimeList& list);
TimeList parseDayTimes(const std::vector<std::string>& lines, std::vector<int>* dropped = nullptr);
std::vector<std::string> formatDayTimes(const TimeList& list);

// The automatic-interval settings: texts as typed, and the three check boxes.
struct IntervalSettings {
    std::string startHour{intervalDefault(IntervalField::StartHour)};
    std::string startMinute{intervalDefault(IntervalField::StartMinute)};
    std::string exitHour{intervalDefault(IntervalField::ExitHour)};
    std::string exitMinute{intervalDefault(IntervalField::ExitMinute)};
    std::string work{intervalDefault(IntervalField::WorkTime)};
    std::string rest{intervalDefault(IntervalField::RestTime)};
    bool noBell = false;  // stored in the day file only
    std::string startSound;
    std::string endSound;
    bool preBell1On = false;
    std::string preBell1{intervalDefault(IntervalField::PreBell1Minutes)};
    std::string preBell1Sound;
    bool preBell2On = false;
    std::string preBell2{intervalDefault(IntervalField::PreBell2Minutes)};
    std::string preBell2Sound;

    bool operator==(const IntervalSettings&) const = default;

    // The text of a field line, or the state of a check-box line.
    std::string& text(IntervalField field);
    const std::string& text(IntervalField field) const;
    bool& flag(IntervalField field);
    bool flag(IntervalField field) const;
};

// A field line that is not clean text (see isCleanText) takes its default.
IntervalSettings parseInterval(const std::vector<std::string>& lines, bool dayFile);
std::vector<std::string> formatInterval(const IntervalSettings& settings, bool dayFile);

// "exit.ini": whether the power-off is booked, and its time (off at 00:05 by default).
struct ExitBooking {
    bool on = false;
    int hour = 0;
    int minute = 5;

    bool operator==(const ExitBooking&) const = default;
};

// A file that is short or malformed in any line books nothing: off at 00:05.
ExitBooking parseExitBooking(const std::vector<std::string>& lines);
std::vector<std::string> formatExitBooking(const ExitBooking& booking);

// A stored template k (1..6) is the day time file of day 7 + k. Its first line, the "No rings"
// flag, must be a number: an empty file, or one whose first line is not a number (a template
// never saved, or damaged), gives none, so applying it changes nothing.
int templateDay(int k);
std::optional<TimeList> parseTemplate(const std::vector<std::string>& lines, std::vector<int>* dropped = nullptr);

// "snd.ini": the dedicated card's list position, -1 for none.
// "offset.ini": the seconds by which every bell rings after the computer's clock (before it when
// negative), for a building whose clocks follow a master clock; 0 when missing or not in range.
inline constexpr int kLargestBellOffset = 300;
int parseBellOffset(const std::vector<std::string>& lines);
std::vector<std::string> formatBellOffset(int seconds);

int parseSoundCard(const std::vector<std::string>& lines);
std::vector<std::string> formatSoundCard(int index);

// "sndname.ini", beside snd.ini: the chosen card by its name on the sound server, which stays
// the same wherever the card lists, and its description as last seen (for the label while it
// is not connected). Its first line is the snd.ini position it belongs to, a number line: a
// snd.ini written without it (by hand, by an older program) is not followed by a stale name.
struct SoundCardName {
    int index = -1;
    std::string name;         // empty: not known
    std::string description;  // empty: not known

    bool operator==(const SoundCardName&) const = default;
};
// The name stored for snd.ini's position `index`; no name when the file is missing, damaged or
// belongs to another position.
SoundCardName parseSoundCardName(const std::vector<std::string>& lines, int index);
std::vector<std::string> formatSoundCardName(const SoundCardName& card);

}  // namespace corvalin::settings
