// Line forms and layouts of the settings files under data/: number lines, field lines,
// time-list entries, CRLF line ends, and which control each line of a fixed-layout file feeds.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvalin::settings {

// " 1 " for 1, "-1 " for -1: a 16-bit value with a space before a non-negative
// value (the minus sign takes that place otherwise) and one space after it.
std::string numberLine(int value);

// The whole line as a 16-bit integer, surrounding blanks ignored.
// Empty, malformed or out-of-range text gives no value.
std::optional<int> parseNumberLine(std::string_view line);

// Splits file bytes into lines; CRLF and bare LF both end a line, and a final line
// without a line end still counts. An empty file has no lines.
std::vector<std::string> splitLines(std::string_view bytes);

// Whether a line may be shown in a control as it is: valid UTF-8 without control characters.
bool isCleanText(std::string_view text);

// Every line followed by CRLF.
std::string joinLines(const std::vector<std::string>& lines);

// A number in fixed character positions of a time text ("07hr 05min": hour at offset 0,
// minute at offset 5, two characters each), read leniently: blanks first are skipped,
// reading stops at the first character that is not a digit, and no digit reads as 0.
int fixedField(std::string_view text, std::size_t offset, std::size_t length);

// File names (inside data/).
inline constexpr std::string_view kOptionsFile = "data.ini";
inline constexpr std::string_view kWeekTimesFile = "mdata.ini";
inline constexpr std::string_view kWeekIntervalFile = "adata.ini";
inline constexpr std::string_view kSoundCardFile = "snd.ini";
inline constexpr std::string_view kSoundCardNameFile = "sndname.ini";
inline constexpr std::string_view kBellOffsetFile = "offset.ini";
inline constexpr std::string_view kExitFile = "exit.ini";
std::string dayTimesFile(int day);     // "mdata_" + n + ".ini"
std::string dayIntervalFile(int day);  // "adata_" + n + ".ini"

// The eight lines of data.ini, in file order.
enum class OptionLine { AutoExe, SoundIndex, SetTimeMode, DayMode, SoundZero, AutoMode, BellRepeat, TimeSync };
inline constexpr int kOptionLineCount = 8;

// The controls behind the interval files, in the order of the day file.
enum class IntervalField {
    StartHour,
    StartMinute,
    ExitHour,
    ExitMinute,
    WorkTime,
    RestTime,
    NoBell,  // day file only
    StartBellSound,
    EndBellSound,
    PreBell1On,
    PreBell1Minutes,
    PreBell1Sound,
    PreBell2On,
    PreBell2Minutes,
    PreBell2Sound,
};

// Line order of "adata.ini" (week, 14 lines) or "adata_n.ini" (day, 15 lines).
std::span<const IntervalField> intervalLayout(bool dayFile);

// Check-box lines are number lines; all others are field lines, stored as typed.
bool isNumberField(IntervalField field);

// Default text (or state, "0"/"1" for check boxes) of each interval control
// when the window opens.
std::string_view intervalDefault(IntervalField field);

}  // namespace corvalin::settings
