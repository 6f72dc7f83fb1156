// The outside concerns of the main window, chosen once by the composition root.
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
