// Registering the program to start when a user logs on.
#pragma once

#include <QString>

class LogonStart {
public:
    virtual ~LogonStart() = default;
    // Registers the executable at the given path; false when it could not be written.
    virtual bool enable(const QString& executablePath) = 0;
    // Removes the registration.
    virtual bool disable() = 0;
    // After enable(): why only the user's own start was registered where the one for every user
    // could have been written; empty otherwise.
    virtual QString userOnlyReason() const { return QString(); }
};

class NullLogonStart final : public LogonStart {
public:
    bool enable(const QString&) override { return false; }
    bool disable() override { return false; }
};
