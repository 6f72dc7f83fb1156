// Test doubles for every port: message boxes that record and answer from a queue, and all the
// fakes wired into a Ports value.
#pragma once

#include <QQueue>

#include "app/ports.h"
#include "fakeports.h"
#include "ui/widgets/dialogs.h"

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
    // Either picker: the next file in `files`, or none.
    QString openFileName(QWidget*, const QString&, const QString&) override {
        return files.isEmpty() ? QString() : files.dequeue();
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return files.isEmpty() ? QString() : files.dequeue();
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
    QQueue<QString> files;
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
