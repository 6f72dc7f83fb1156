// Setting the computer's clock.
#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

class SystemClock {
public:
    virtual ~SystemClock() = default;
    // Sets the clock to the given UTC time; false when the system refused.
    virtual bool setUtc(const QDateTime& utc) = 0;
    // Sets the clock without keeping the caller waiting on a system service: `done` learns
    // whether the clock was set and, when not, why. It may be called before this returns.
    virtual void setUtcThen(const QDateTime& utc, std::function<void(bool set, const QString& why)> done) {
        const bool set = setUtc(utc);
        done(set, set ? QString() : QStringLiteral("the system refused"));
    }
};

class NullSystemClock final : public SystemClock {
public:
    bool setUtc(const QDateTime&) override { return false; }
};
