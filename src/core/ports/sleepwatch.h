// Sleep and resume of the computer, as the system announces them.
#pragma once

#include <QObject>
#include <QString>

class SleepWatch : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // The program is ready for the sleep announced by sleeping(true).
    virtual void readyForSleep() = 0;
    // Why sleep and resume cannot be followed; empty when they can.
    virtual QString problem() const { return QString(); }

Q_SIGNALS:
    // The computer is about to sleep (true) or has woken up (false).
    void sleeping(bool asleep);
};
