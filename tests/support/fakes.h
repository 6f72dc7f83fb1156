// Test doubles for the ports: a clock that moves when told, message boxes that record
// and answer from a queue, and recorders for the sound, mixer and system ports.
#pragma once

#include <QDateTime>
#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <functional>

#include "app/dialogs.h"
#include "app/instanceguard.h"
#include "app/logonstart.h"
#include "app/ports.h"
#include "schedule/clock.h"
#include "shutdown/power.h"
#include "sound/belloutput.h"
#include "sound/mixer.h"
#include "timesync/systemclock.h"

class FakeClock final : public Clock {
public:
    QDateTime now() const override { return m_now; }
    void set(const QDateTime& t) { m_now = t; }
    void advance(int seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now{QDate(2026, 12, 7), QTime(8, 0, 0)};
};

struct ShownMessage {
    QString title;
    QString text;
    Dialogs::Icon icon;
    Dialogs::Buttons buttons;
};

class FakeDialogs final : public Dialogs {
public:
    Answer message(QWidget*, const QString& title, const QString& text, Icon icon, Buttons buttons) override {
        messages.append({title, text, icon, buttons});
        if (!answers.isEmpty()) {
            return answers.dequeue();
        }
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    void showModal(QWidget* window) override {
        modals.append(window);
        if (whileModal) {
            whileModal(window);
        }
    }
    QStringList texts() const {
        QStringList all;
        for (const auto& m : messages) {
            all.append(m.text);
        }
        return all;
    }

    QList<ShownMessage> messages;
    QQueue<Answer> answers;
    QList<QWidget*> modals;
    std::function<void(QWidget*)> whileModal;
};

class FakeBellOutput final : public BellOutput {
public:
    struct Play {
        QString deviceId;
        QString path;
        bool loop;
    };
    QList<OutputDevice> devices() override { return deviceList; }
    bool play(const QString& deviceId, const QString& path, bool loop) override {
        plays.append({deviceId, path, loop});
        present = playable;
        return playable;
    }
    void stop() override {
        ++stops;
        present = false;
    }
    bool isPresent() const override { return present; }
    std::optional<qint64> lengthMs(const QString& path) override {
        if (lengths.contains(path)) {
            return lengths.value(path);
        }
        return defaultLength;
    }

    QList<OutputDevice> deviceList{{QString(), QStringLiteral("Default output")}};
    QList<Play> plays;
    int stops = 0;
    bool present = false;
    bool playable = true;
    QHash<QString, qint64> lengths;
    std::optional<qint64> defaultLength = 1000;
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
    int requests = 0;
};

class FakeLogonStart final : public LogonStart {
public:
    bool enable(const QString& path) override {
        enabledPath = path;
        enabled = true;
        return true;
    }
    bool disable() override {
        enabled = false;
        return true;
    }
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

// All fakes together, wired into a Ports value.
struct FakePorts {
    FakeClock clock;
    FakeDialogs dialogs;
    FakeBellOutput bell;
    FakeMixer mixer;
    FakeSystemClock systemClock;
    FakePower power;
    FakeLogonStart logonStart;
    FakeInstanceGuard instanceGuard;

    Ports ports() {
        Ports p;
        p.clock = &clock;
        p.dialogs = &dialogs;
        p.bell = &bell;
        p.mixer = &mixer;
        p.systemClock = &systemClock;
        p.power = &power;
        p.logonStart = &logonStart;
        p.instanceGuard = &instanceGuard;
        return p;
    }
};
