// Texts and per-tick decisions of the bell clock: the time label, the 12-hour clock,
// the time left to the next bell, the synchronisation seconds and the slots due this minute.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvalin::clock {

// "9 hr 5 min 3 sec": numbers without leading zeros.
std::string nowText(int hour, int minute, int second);

// "2026-12-6  Sunday": numbers without leading zeros, two spaces, the weekday name.
std::string dayText(int year, int month, int day, std::string_view weekdayName);

// "03:07:09PM", "12:00:00AM" at midnight.
std::string twelveHourText(int hour, int minute, int second);

// Time left until the bell named by a next-bell text ("08hr 05min", hour in
// characters 1-2, minute in 6-7); "00:00:00" for "NEXT DAY" or an empty text.
// A bell earlier than now is tomorrow's.
std::string timeLeftText(std::string_view nextBell, int hour, int minute, int second);
// The same for the bell at `bellMinute` of the day; "00:00:00" for none (negative).
std::string timeLeftText(int bellMinute, int hour, int minute, int second);

// Seconds 3, 9, 15, ... 57 start a time synchronisation.
bool isSyncSecond(int second);

// The slots among the first `count` of `minutes` that ring at `minuteOfDay`, in slot order.
std::vector<int> dueSlots(std::span<const int> minutes, int count, int minuteOfDay);

// Two digits with a leading zero: "05".
std::string twoDigits(int value);

// Day number 1 = Sunday ... 7 = Saturday from ISO weekday 1 = Monday ... 7 = Sunday.
int dayNumberFromIso(int isoWeekday);
// ISO weekday from a day number 1..7.
int isoFromDayNumber(int dayNumber);

}  // namespace corvalin::clock
