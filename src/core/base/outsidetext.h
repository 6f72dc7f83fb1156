// Texts that come from outside the program (a server's answer, a label in an edited file, an
// event's summary), as the program keeps and tells them.
#pragma once

#include <QString>

// The longest text from outside (a label, a server's reason) that is kept or told.
inline constexpr int kLongestOutsideText = 200;

// A text that comes from outside (a server's answer, a label in an edited file, an event's summary)
// as the program keeps and tells it: one line, control and line-separating characters (an escape, a
// carriage return) turned into blanks, no longer than `longest` characters (no bound when negative).
QString outsideText(const QString& text, int longest = kLongestOutsideText);
