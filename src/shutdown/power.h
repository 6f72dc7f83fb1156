// Asking the system to power the computer off.
#pragma once

class Power {
public:
    virtual ~Power() = default;
    // Requests an orderly power-off; the system may refuse.
    virtual void powerOff() = 0;
};

class NullPower final : public Power {
public:
    void powerOff() override {}
};
