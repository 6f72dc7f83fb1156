// Sleep and resume as systemd-logind announces them on the system bus (PrepareForSleep). While
// awake the watch holds a delay lock, so that the computer waits (at most logind's
// InhibitDelayMaxSec) until the program has got ready for sleep; it lets it go once ready and
// takes a new one after the resume.
#pragma once

#include <QDBusUnixFileDescriptor>
#include "core/ports/sleepwatch.h"

class LogindSleepWatch final : public SleepWatch {
    Q_OBJECT
public:
    explicit LogindSleepWatch(QObject* parent = nullptr);

    // Whether the system bus could be watched.
    bool isWatching() const { return m_watching; }

    // The delay lock goes, and the computer sleeps.
    void readyForSleep() override;
    QString problem() const override { return m_problem; }

private Q_SLOTS:
    void prepareForSleep(bool start);

private:
    void takeDelayLock();

    QDBusUnixFileDescriptor m_lock;
    bool m_watching = false;
    QString m_problem;
};
