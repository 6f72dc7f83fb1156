// Entries of the manual time list: "07hr 05min/bell.wav", a time key, a "/" and a sound.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvalin::timelist {

inline constexpr const char* kHourMessage = "(Hour)Please input digit between 0 and 23";
inline constexpr const char* kMinuteMessage = "(Minute)Please input digit between 0 and 59";

struct TimeKeyResult {
    std::string key;      // "07hr 05min" when accepted, else empty
    std::string message;  // the refusal, empty when accepted
    bool ok() const { return message.empty(); }
};

// The time key from the texts of the hour and minute boxes. Checks, first failure wins:
// hour empty, minute empty, hour not 0..23, minute not 0..59. A box holds a number only as one
// or two ASCII digits ("7", "07"), so "007", "-1", "+1", " 7" and "x" are out of range for their
// field. A one-character text gets a leading "0".
TimeKeyResult timeKey(std::string_view hourText, std::string_view minuteText);

// Whether a stored line is a time-list entry the program can ring: "HHhr MMmin/" with an hour
// of 00-23 and a minute of 00-59, then a sound name that is not empty, all of it clean text.
bool isValidEntry(std::string_view entry);

// key + "/" + sound.
std::string entryText(std::string_view key, std::string_view sound);

// The time key of an entry: its text before the first "/" (the whole text without a "/").
std::string_view entryKey(std::string_view entry);

// The sound of an entry: its text after the first "/" (empty without a "/").
std::string_view entrySound(std::string_view entry);

// Whether an entry of the list has exactly this time key.
bool hasKey(const std::vector<std::string>& entries, std::string_view key);

// The entry with its sound replaced; the time key and the "/" are kept (for a canonical entry,
// its first 11 characters).
std::string withSound(std::string_view entry, std::string_view sound);

}  // namespace corvalin::timelist
