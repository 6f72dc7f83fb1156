// One ringing copy only: a second window copy tells the first to show itself and ends; a copy of
// another user ends saying whose copy runs; a headless copy hands the bells over to a window copy
// of its user and takes them back when that one ends.
#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

#include "core/ports/handover.h"


class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    // The number of running copies, this one included; 0 when it cannot tell.
    virtual int runningCopies() = 0;
    // Tells the first copy to show its window.
    virtual void signalFirstInstance() = 0;
    // Called in the first copy when a second one asks it to show itself, on the guard's thread.
    virtual void onShowRequest(std::function<void()> handler) = 0;
    // After runningCopies() found another copy: its user, when that is not this one's.
    virtual QString otherUser() const { return QString(); }
    // After runningCopies() answered 0: why no other copy can be seen.
    virtual QString problem() const { return QString(); }
    // After runningCopies() found another copy: it is a headless copy of this user, which hands
    // the bells over to a window copy.
    virtual bool holderHandsOver() const { return false; }
    // Asks that headless copy to hand the bells over, and holds the guard once it has: what it
    // handed over, or nothing when it did not (in time).
    virtual std::optional<HandOver> takeOver() { return std::nullopt; }
    // The copy that holds the guard has decided this minute's bells; a waiting headless copy is told.
    virtual void setDecided(qint64 minuteKey) { Q_UNUSED(minuteKey) }
    // A headless copy waits to take the bells when this copy resigns.
    virtual bool copyWaits() const { return false; }
    // This copy rings no more: the guard goes at once, so that a waiting headless copy takes the
    // bells while this one ends.
    virtual void resign() {}
};

class NullInstanceGuard final : public InstanceGuard {
public:
    int runningCopies() override { return 1; }
    void signalFirstInstance() override {}
    void onShowRequest(std::function<void()>) override {}
};
