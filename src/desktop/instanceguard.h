// One running copy only: a second copy tells the first to show itself and ends; a copy of another
// user ends saying whose copy runs.
#pragma once

#include <QString>
#include <functional>

class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    // The number of running copies, this one included; 0 when it cannot tell.
    virtual int runningCopies() = 0;
    // Tells the first copy to show its window.
    virtual void signalFirstInstance() = 0;
    // Called in the first copy when a second one asks it to show itself.
    virtual void onShowRequest(std::function<void()> handler) = 0;
    // After runningCopies() found another copy: its user, when that is not this one's.
    virtual QString otherUser() const { return QString(); }
    // After runningCopies() answered 0: why no other copy can be seen.
    virtual QString problem() const { return QString(); }
};

class NullInstanceGuard final : public InstanceGuard {
public:
    int runningCopies() override { return 1; }
    void signalFirstInstance() override {}
    void onShowRequest(std::function<void()>) override {}
};
