// The alarm signals: up to three named signals (a lockdown, an evacuation, the all clear), each
// with its own sound, sounded at once by the operator or from the command line and ringing until
// they are stopped or for a set number of times. Kept in data/alarms.ini, one signal a line:
// "NAME,SOUND,TIMES" (TIMES 0: until stopped).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalin::alarms {

inline constexpr std::string_view kAlarmsFile = "alarms.ini";
inline constexpr int kMostSignals = 3;
// The most times a counted signal rings; 0 rings until it is stopped.
inline constexpr int kMostTimes = 99;
// The longest name a signal may have: it is shown on a button and named on a command line.
inline constexpr std::size_t kLongestName = 24;

struct Signal {
    std::string name;
    std::string sound;  // a file of the sound folder
    int times = 0;      // 0: until stopped

    bool operator==(const Signal&) const = default;
};

// What a program folder rings before the operator has set the signals.
std::vector<Signal> defaults();

// The signals of alarms.ini; a missing or empty file gives the defaults. Lines that are not valid
// (an empty or too long name, a name already taken, a sound with a comma, a count out of range)
// are left out, and so is anything after the third signal.
std::vector<Signal> parseFile(const std::vector<std::string>& lines);
std::vector<std::string> formatFile(const std::vector<Signal>& signals);

// Why `signal` cannot be kept among `others` (the other signals), or empty when it can.
std::string refusal(const Signal& signal, const std::vector<Signal>& others);

// The signal named `name`, letter case aside (a command line types "lockdown").
std::optional<Signal> find(const std::vector<Signal>& signals, std::string_view name);

// "until stopped", "once", "3 times".
std::string timesText(int times);

// The signal that sounds, kept in data/alarm.state from its start to its end, so that a copy that
// starts after a crash or takes the bells over sounds it again: an alarm ends when someone stops
// it, not when the program does. Its lines: "alarm,NAME,STARTED,BY" and, while a scheduled bell
// waits for the signal's end, "held,DATE,HH:MM,SOUND" (DATE yyyy-mm-dd).
inline constexpr std::string_view kSoundingFile = "alarm.state";

struct Sounding {
    std::string name;
    std::string started;  // when, as the ring log says it
    std::string by;       // who started it
    struct Held {
        std::string date;
        int minute = -1;  // of the day
        std::string sound;
        bool operator==(const Held&) const = default;
    };
    std::optional<Held> held;

    bool operator==(const Sounding&) const = default;
};

// Nothing for a file without a valid "alarm" line.
std::optional<Sounding> parseSounding(const std::vector<std::string>& lines);
std::vector<std::string> formatSounding(const Sounding& sounding);

}  // namespace corvalin::alarms
