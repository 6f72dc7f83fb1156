// The composition root: the one place that picks the real implementation of each port.
#pragma once

#include <memory>

#include "app/ports.h"

class ProgramPorts {
public:
    ProgramPorts();
    ~ProgramPorts();
    ProgramPorts(const ProgramPorts&) = delete;
    ProgramPorts& operator=(const ProgramPorts&) = delete;

    const Ports& ports() const { return m_ports; }

private:
    struct Owned;
    std::unique_ptr<Owned> m_owned;
    Ports m_ports;
};
