// Test doubles for the ports that need no widgets: a clock that moves when told, and recorders
// for the sound, mixer and system ports.
#pragma once

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <functional>
#include <mutex>

#include "core/ports/clock.h"
#include "core/ports/instanceguard.h"
#include "core/ports/logonstart.h"
#include "core/ports/power.h"
#include "core/ports/belloutput.h"
#include "core/ports/mixer.h"
#include "core/ports/systemclock.h"

// set() steps the date and time only, as a clock step does; advance() lets time pass.
// Read by the window's thread and the bells' thread alike, set by the test.
class FakeClock final : public Clock {
public:
    QDateTime now() const override {
        const std::lock_guard lock(m_mutex);
        return m_now;
    }
    qint64 steadyMs() const override {
        const std::lock_guard lock(m_mutex);
        return m_steady;
    }
    void set(const QDateTime& t) {
        const std::lock_guard lock(m_mutex);
        m_now = t;
    }
    void advance(int seconds) { advanceMs(seconds * 1000LL); }
    void advanceMs(qint64 ms) {
        const std::lock_guard lock(m_mutex);
        m_now = m_now.addMSecs(ms);
        m_steady += ms;
    }

private:
    mutable std::mutex m_mutex;
    QDateTime m_now{QDate(2026, 12, 7), QTime(8, 0, 0)};
    qint64 m_steady = 1000000;
};

class FakeBellOutput final : public BellOutput {
public:
    struct Play {
        QString deviceId;
        QString path;
        bool loop;
    };
    QList<OutputDevice> devices() override { return deviceList; }
    // Plays a file that is there and not marked broken, as the real output does.
    bool play(const QString& deviceId, const QString& path, bool loop) override {
        const bool plays_ =
            playable && QFileInfo(path).isFile() && !broken.contains(QFileInfo(path).fileName());
        if (plays_) {
            plays.append({deviceId, path, loop});
        } else {
            refused.append(path);
        }
        present = plays_;
        return plays_;
    }
    void stop() override {
        ++stops;
        present = false;
    }
    bool prepare(const QString&, const QString& path, bool) override {
        prepared = path;
        return true;
    }
    void dropPrepared() override { prepared.clear(); }
    bool isPresent() const override { return present; }
    std::optional<qint64> lengthMs(const QString& path) override {
        if (lengths.contains(path)) {
            return lengths.value(path);
        }
        return defaultLength;
    }

    QList<OutputDevice> deviceList{{QString(), QStringLiteral("Default output")}};
    QList<Play> plays;    // what sounded
    QString prepared;     // the bell made ready to start, if any
    QStringList refused;  // what could not be played
    QStringList broken;   // file names that do not decode
    int stops = 0;
    bool present = false;
    bool playable = true;
    QHash<QString, qint64> lengths;
    std::optional<qint64> defaultLength = 1000;

    void setDevicesChangedHandler(std::function<void()> handler) override {
        devicesChanged = std::move(handler);
    }
    std::function<void()> devicesChanged;

    // An output that tells when a bell has played out, as the real one does.
    bool reportsFinish() const override { return finishes; }
    void setFinishedHandler(std::function<void()> handler) override { finished = std::move(handler); }
    bool finishes = false;
    std::function<void()> finished;

    // The sound server goes away (nothing plays, nothing is listed) and comes back.
    bool isConnected() const override { return connected; }
    void setConnectionHandler(std::function<void(bool)> handler) override {
        connectionChanged = std::move(handler);
    }
    void serverAway() {
        connected = false;
        playable = false;
        connectionChanged(false);
    }
    void serverBack() {
        connected = true;
        playable = true;
        connectionChanged(true);
    }
    bool connected = true;
    std::function<void(bool)> connectionChanged;

    // The server's default sink, the card the mixer mutes; empty: not known.
    QString defaultDeviceId() const override { return defaultSink; }
    QString defaultSink;
};

class FakeMixer final : public Mixer {
public:
    bool open() override {
        ++opens;
        return true;
    }
    bool setMute(bool m) override {
        muted = m;
        history.append(m);
        return true;
    }
    int opens = 0;
    bool muted = false;
    QList<bool> history;
};

class FakeSystemClock final : public SystemClock {
public:
    bool setUtc(const QDateTime& utc) override {
        sets.append(utc);
        return true;
    }
    QList<QDateTime> sets;
};

class FakePower final : public Power {
public:
    void powerOff() override { ++requests; }
    // The system says no, as logind may.
    void refuse(const QString& reason) { report(reason); }
    int requests = 0;
};

class FakeLogonStart final : public LogonStart {
public:
    bool enable(const QString& path) override {
        if (fails) {
            return false;
        }
        enabledPath = path;
        enabled = true;
        return true;
    }
    bool disable() override {
        if (fails) {
            return false;
        }
        enabled = false;
        return true;
    }
    bool fails = false;  // an autostart folder that cannot be written
    bool enabled = false;
    QString enabledPath;
};

class FakeInstanceGuard final : public InstanceGuard {
public:
    int runningCopies() override { return copies; }
    void signalFirstInstance() override { ++signals_; }
    void onShowRequest(std::function<void()> handler) override { showHandler = std::move(handler); }
    int copies = 1;
    int signals_ = 0;
    std::function<void()> showHandler;
};
