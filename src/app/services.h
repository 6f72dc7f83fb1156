// The services of the running program, made once by the composition root over the ports and
// handed to the windows. What rings lives on the bell thread (the bell station), which the windows
// reach only through the client. The window's thread owns the settings store, the calendar it
// edits and the free countdown; the bells are handed the days they plan from after every change
// of the files or the calendar, as values.
#pragma once

#include <QString>
#include <memory>

#include "app/ports.h"
#include "core/base/programpaths.h"

class SettingsStore;
class SoundLibrary;
class Ringer;
class BellService;
class BellStation;
class BellThread;
class BellsClient;
class BellsCore;
class CommandRunner;
class RingLog;
class Countdown;
class TimeSync;
class SchoolCalendar;
class SetupFollower;
class WebFace;

struct Services {
    // The window's thread.
    SettingsStore* store = nullptr;
    Countdown* countdown = nullptr;
    SchoolCalendar* calendar = nullptr;
    // The way to the bells, on the window's thread.
    BellsClient* bells = nullptr;
    // What the bells are told from the settings, and the one start and stop.
    BellsCore* core = nullptr;
    // The commands every face gives the bells (see commands.h).
    CommandRunner* commands = nullptr;
    // The set-up followed from a web address, if any; on the window's thread, as the settings are.
    SetupFollower* follower = nullptr;
    // The staff web page, served while this copy holds the bells and the switch is on.
    WebFace* web = nullptr;
};

// Owns one of each service. With a bell thread the station is made, runs and ends on it; without
// one (the window tests) everything runs on the calling thread, and the window's queued calls
// then run at once. With `liveTimers` off the timers keep only their enabled state and tests call
// the handlers themselves.
class ProgramServices {
public:
    ProgramServices(const Ports& ports, const ProgramPaths& paths, bool liveTimers = true,
                    BellThread* bellThread = nullptr);
    ~ProgramServices();
    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

    const Services& services() const { return m_services; }
    SettingsStore& store() const { return *m_services.store; }
    BellsClient& client() const { return *m_services.bells; }
    // The bell thread's objects, for the composition root and tests; no window reaches them.
    BellStation& station() const { return *m_station; }
    Ringer& ringer() const;
    BellService& bells() const;
    RingLog& log() const;
    TimeSync& timeSync() const;
    Countdown& countdown() const { return *m_services.countdown; }
    SchoolCalendar& calendar() const { return *m_services.calendar; }

private:
    struct WindowSide;
    std::unique_ptr<WindowSide> m_window;
    std::unique_ptr<BellStation> m_station;
    std::unique_ptr<BellsClient> m_client;
    std::unique_ptr<BellsCore> m_core;
    std::unique_ptr<CommandRunner> m_commands;
    std::unique_ptr<SetupFollower> m_follower;
    std::unique_ptr<WebFace> m_web;
    BellThread* m_thread;
    Services m_services;
};
