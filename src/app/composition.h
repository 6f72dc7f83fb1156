// The composition root: the one place that picks the real implementation of each port.
#pragma once

#include <memory>

#include "app/ports.h"
#include "core/bells/bellstation.h"

class ProgramPorts {
public:
    // The instance guard is made first, by itself, so that a second copy ends before any other
    // port exists (it connects to no sound server and reads nothing).
    explicit ProgramPorts(InstanceGuard* instanceGuard);
    ~ProgramPorts();
    ProgramPorts(const ProgramPorts&) = delete;
    ProgramPorts& operator=(const ProgramPorts&) = delete;

    const Ports& ports() const { return m_ports; }

private:
    struct Owned;
    std::unique_ptr<Owned> m_owned;
    Ports m_ports;
};

// The real ports of a copy with no window: those the bells need, and no display.
class HeadlessPorts {
public:
    HeadlessPorts();
    ~HeadlessPorts();
    HeadlessPorts(const HeadlessPorts&) = delete;
    HeadlessPorts& operator=(const HeadlessPorts&) = delete;

    const BellStation::Ports& ports() const { return m_ports; }

private:
    struct Owned;
    std::unique_ptr<Owned> m_owned;
    BellStation::Ports m_ports;
};
