// What a copy that gives up the bells tells the one that takes them.
#pragma once

#include <QtGlobal>

// The last minute whose bells it decided (rang, or had none to ring), as a minute key (the day's
// Julian day number times 1440 plus the minute of the day), or -1 when it cannot tell; and whether
// its bell service ran.
struct HandOver {
    qint64 decided = -1;
    bool running = false;
};
