// Asking the system to power the computer off.
#pragma once

#include <QString>
#include <functional>

class Power {
public:
    virtual ~Power() = default;
    // Requests an orderly power-off; the system may refuse, which is reported to the handler.
    virtual void powerOff() = 0;
    void setFailureHandler(std::function<void(const QString& reason)> handler) { m_failed = std::move(handler); }

protected:
    void report(const QString& reason) {
        if (m_failed) {
            m_failed(reason);
        }
    }

private:
    std::function<void(const QString& reason)> m_failed;
};

class NullPower final : public Power {
public:
    void powerOff() override {}
};
