// One running copy only: a second copy tells the first to show itself and ends.
#pragma once

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
};

class NullInstanceGuard final : public InstanceGuard {
public:
    int runningCopies() override { return 1; }
    void signalFirstInstance() override {}
    void onShowRequest(std::function<void()>) override {}
};
