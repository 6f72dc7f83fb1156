// The services of the running program, made once by the composition root over the ports and
// handed to the windows.
#pragma once

#include <QString>
#include <memory>

#include "app/ports.h"

class SettingsStore;
class SoundLibrary;
class Ringer;
class BellService;
class RingLog;
class Countdown;
class TimeSync;
class SchoolCalendar;

struct Services {
    SettingsStore* store = nullptr;
    SoundLibrary* library = nullptr;
    Ringer* ringer = nullptr;
    BellService* bells = nullptr;
    RingLog* log = nullptr;
    Countdown* countdown = nullptr;
    TimeSync* timeSync = nullptr;
    SchoolCalendar* calendar = nullptr;
};

// Owns one of each service, and ties them together: the problems of the settings store, of the
// ringer, of the time client and of the calendar, every bell rung, every clock step and every day a
// calendar exception changed go to the ring log. With `liveTimers` off the timers keep only their
// enabled state and tests call the handlers themselves.
class ProgramServices {
public:
    ProgramServices(const Ports& ports, const QString& programFolder, bool liveTimers = true);
    ~ProgramServices();
    ProgramServices(const ProgramServices&) = delete;
    ProgramServices& operator=(const ProgramServices&) = delete;

    const Services& services() const { return m_services; }
    SettingsStore& store() const { return *m_services.store; }
    SoundLibrary& library() const { return *m_services.library; }
    Ringer& ringer() const { return *m_services.ringer; }
    BellService& bells() const { return *m_services.bells; }
    RingLog& log() const { return *m_services.log; }
    Countdown& countdown() const { return *m_services.countdown; }
    TimeSync& timeSync() const { return *m_services.timeSync; }
    SchoolCalendar& calendar() const { return *m_services.calendar; }

private:
    struct Owned;
    std::unique_ptr<Owned> m_owned;
    Services m_services;
};
