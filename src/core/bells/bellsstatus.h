// What the bells do, as the bell thread tells it: the last bell rung, and a status read at the
// moment it is asked.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "engine/schedule/nextbell.h"
#include "engine/schedule/todaychanges.h"

// The last bell rung: its minute (the one it was scheduled for, or the one it was rung by hand
// in), its sound, and whether it was rung by hand. No sound before the first.
struct LastBell {
    int minute = -1;
    QString sound;
    bool byHand = false;
    // "10:50 school-bell.wav", or "10:52 school-bell.wav (ring now)"; empty before the first.
    QString said() const;
};

struct BellsStatus {
    QDateTime now;  // the bells' time: the computer's clock moved by the offset
    int offset = 0;  // seconds the bells ring after the computer's clock (before it when negative)
    bool running = false;
    bool interval = false;  // today is made from the interval settings, not from a time list
    // How today rings: "as planned", "no bells today", "templet 2 today", "calendar: ...".
    QString day;
    std::optional<corvalin::ringtable::Ring> next;  // the next bell that really rings today
    LastBell last;
    std::vector<corvalin::today::Change> changes;  // today's, in the order they were made
    QString alarm;  // the alarm signal that sounds; empty when none does
    std::vector<corvalin::today::Line> today;
    QStringList alarmSignals;  // the names of the alarm signals that can be sounded  // today's bells with what the changes made of them
};
