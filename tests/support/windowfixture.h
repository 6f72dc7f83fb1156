// A main window over a temporary program folder with every port faked and live timers off,
// and its services, which tests drive and inspect directly.
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "app/automodeform.h"
#include "app/mainwindow.h"
#include "app/services.h"
#include "core/bells/bellthread.h"
#include "core/base/secondtimer.h"
#include "fakes.h"
#include "programfolder.h"
#include "core/bells/bellservice.h"
#include "core/schedule/settingsstore.h"
#include "core/bells/ringer.h"
#include "core/sound/soundlibrary.h"
#include "core/bells/bellstation.h"
#include "ui/mainwindow/optionspanel.h"
#include "ui/mainwindow/soundspanel.h"
#include "ui/mainwindow/timelistpanel.h"
#include "ui/widgets/imagebutton.h"
#include "ui/widgets/spinner.h"

// The control or child object of `parent` with this objectName; fails the test when there is none.
template <typename T>
T* find(const QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found) {
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    }
    return found;
}

struct WindowFixture {
    // The bells on a thread of their own, as in the program: the window reaches them only through
    // the client, and what they report comes back queued. Without it both sides run on the test's
    // thread, where a queued call runs at once.
    enum Bells { OnThisThread, OnTheirThread };

    explicit WindowFixture(Bells where = OnTheirThread) {
        if (where == OnTheirThread) {
            bellThread = std::make_unique<BellThread>();
        }
    }

    ProgramFolder folder;
    FakePorts fakes;
    std::unique_ptr<BellThread> bellThread;  // made before the services, ended after them
    std::unique_ptr<ProgramServices> services;
    std::unique_ptr<MainWindow> window;
    int quits = 0;

    ~WindowFixture() {
        window.reset();
        services.reset();
    }

    // With `liveTimers` the clock and the mute timer tick by themselves, as in the program.
    MainWindow* create(const Ports& ports, bool liveTimers = false) {
        services = std::make_unique<ProgramServices>(ports, folder.path(), liveTimers, bellThread.get());
        window = std::make_unique<MainWindow>(ports, services->services(), folder.path(), liveTimers);
        window->setQuitHandler([this] { ++quits; });
        return window.get();
    }
    MainWindow* create() { return create(fakes.ports()); }
    MainWindow* load() {
        create();
        window->startUp();
        settle();
        return window.get();
    }

    // Everything the window asked of the bells is done, and everything they reported is shown.
    void settle() const {
        for (int round = 0; round < 3; ++round) {
            if (bellThread) {
                bellThread->runAndWait([] {});
            }
            QCoreApplication::sendPostedEvents();
        }
    }

    // Runs `work` where the bells run (what a port tells them comes there), then settles.
    template <typename Work>
    void onBells(Work&& work) const {
        if (bellThread) {
            bellThread->runAndWait(std::forward<Work>(work));
        } else {
            work();
        }
        settle();
    }

    // One second of both clocks: the bells' tick, then the window's.
    void tick() const {
        settle();
        BellStation& station = services->station();
        if (bellThread) {
            bellThread->runAndWait([&station] { station.tick(); });
        } else {
            station.tick();
        }
        settle();
        window->onClockTick();
        settle();
    }

    // The bells, to look at once they are settled.
    BellService& bells() const {
        settle();
        return services->bells();
    }
    Ringer& ringer() const {
        settle();
        return services->ringer();
    }

    // Options for "Manual input" (2) or "Auto interval" (1), and "Apply week" (1) or "Set each day" (2).
    void writeOptions(int setTimeMode, int dayMode, int soundIndex = -1) const {
        folder.writeData(
            QStringLiteral("data.ini"),
            QStringLiteral(" 0 \r\n%1\r\n %2 \r\n %3 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n")
                .arg(soundIndex < 0 ? QStringLiteral("-1 ") : QStringLiteral(" %1 ").arg(soundIndex))
                .arg(setTimeMode)
                .arg(dayMode)
                .toLatin1());
    }
    QStringList list(const char* name) const {
        auto* widget = find<QListWidget>(window.get(), name);
        QStringList items;
        for (int i = 0; i < widget->count(); ++i) {
            items.append(widget->item(i)->text());
        }
        return items;
    }
};
