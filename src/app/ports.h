// The outside concerns of the program, chosen once by the composition root: all of them for the
// services, and those of the window's own thread for the windows.
#pragma once

class Clock;
class Dialogs;
class BellOutput;
class Mixer;
class SystemClock;
class Power;
class SleepWatch;
class LogonStart;
class InstanceGuard;

struct Ports {
    Clock* clock = nullptr;
    Dialogs* dialogs = nullptr;
    BellOutput* bell = nullptr;
    Mixer* mixer = nullptr;
    SystemClock* systemClock = nullptr;
    Power* power = nullptr;
    SleepWatch* sleep = nullptr;
    LogonStart* logonStart = nullptr;
    InstanceGuard* instanceGuard = nullptr;
};

// What the windows use themselves; the ports of the bells are reached only through the bells.
struct WindowPorts {
    Clock* clock = nullptr;  // read by both threads, never set by either
    Dialogs* dialogs = nullptr;
    LogonStart* logonStart = nullptr;

    WindowPorts() = default;
    explicit WindowPorts(const Ports& all) : clock(all.clock), dialogs(all.dialogs), logonStart(all.logonStart) {}
};
