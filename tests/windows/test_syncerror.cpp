// Internet time through the window: "Internet time" and its message, the warning window after
// six attempts that failed on both servers, and the next bell shown again after the clock was set.
#include <QtTest>

#include "faketimeserver.h"
#include "ui/timesync/frmsyncerror.h"
#include "core/bells/timesync.h"
#include "windowfixture.h"

namespace {

// A day after the build day, so that no answer is refused for being too early.
QDateTime at(int h, int m, int s) {
    const QDate buildDay = QDateTime::fromMSecsSinceEpoch(corvalin::sntp::buildDayMs(), Qt::UTC).date();
    return QDateTime(buildDay.addDays(1), QTime(h, m, s));
}

void useServers(const QString& first, const QString& other) {
    qputenv("CORVALIN_TIME_SERVER1", first.toUtf8());
    qputenv("CORVALIN_TIME_SERVER2", other.toUtf8());
}

}  // namespace

class TestSyncError : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sixFailedAttemptsShowOneWarningWindow() {
        useServers(kUnresolvable, kUnresolvableToo);
        WindowFixture f;
        f.fakes.clock.set(at(9, 0, 2));
        auto* w = f.load();
        find<QCheckBox>(w, "timeSyncBox")->setChecked(true);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(
            f.fakes.dialogs.messages.first().text,
            QString(
                "It uses the Internet time server, at real-time it synchronizes a computer time in standard "
                "time."));
        QCOMPARE(f.fakes.dialogs.messages.first().icon, Dialogs::Icon::None);
        QCOMPARE(f.fakes.dialogs.messages.first().title, QString());

        TimeSync& sync = f.services->timeSync();
        // One tick a second for 66 s at a time: one attempt, at the first sync second.
        auto minuteOfTicks = [&] {
            for (int i = 0; i < 66; ++i) {
                f.fakes.clock.advance(1);
                f.tick();
            }
        };
        for (int i = 1; i <= 5; ++i) {
            minuteOfTicks();
            QTRY_COMPARE_WITH_TIMEOUT(sync.syncFailures(), i, 20000);  // a failed lookup may take a while on a busy machine
        }
        QVERIFY(!w->syncErrorWindow());
        minuteOfTicks();
        QTRY_VERIFY(w->syncErrorWindow() && w->syncErrorWindow()->isVisible());
        FrmSyncError* warning = w->syncErrorWindow();
        QCOMPARE(sync.syncFailures(), 0);
        QVERIFY(f.fakes.dialogs.modals.isEmpty());
        QVERIFY(!warning->isModal());
        QCOMPARE(warning->windowTitle(), QString("Corvalin"));
        QCOMPARE(find<QLabel>(warning, "failureText")->text(),
                 QString("Because failure of connecting in the Internet time server, it cannot fix time."));
        QCOMPARE(find<QLabel>(warning, "networkText")->text(),
                 QString("Please confirm network condition which probably is normal."));
        QCOMPARE(
            find<QLabel>(warning, "unstableText")->text(),
            QString("If this warning window are opened frequently, it means that the network condition is "
                    "unstable. therefore, you not be able to use internet time function."));
        QCOMPARE(find<QLabel>(warning, "untickText")->text(),
                 QString("So, please cancel the check box [Internet time] of Corvalin main window."));
        QVERIFY(f.folder.readData("ring.log").contains("No internet time server could be reached"));

        // Six more failures: the same single window, shown again after it was closed.
        for (int i = 1; i <= 5; ++i) {
            minuteOfTicks();
            QTRY_COMPARE_WITH_TIMEOUT(sync.syncFailures(), i, 20000);  // a failed lookup may take a while on a busy machine
        }
        find<ImageButton>(warning, "closeButton")->click();
        QVERIFY(!warning->isVisible());
        minuteOfTicks();
        QTRY_VERIFY(warning->isVisible());
        QCOMPARE(w->findChildren<FrmSyncError*>().size(), 1);
        QCOMPARE(w->syncErrorWindow(), warning);
    }

    // An answer that moves the clock past a bell shows the next bell at once while the service
    // runs, and shows nothing while it is stopped; the step is in the ring log.
    void aSetClockShowsTheNextBellAgain() {
        FakeTimeServer server;
        useServers(server.name(), kUnresolvableToo);
        WindowFixture f;
        SettableSystemClock systemClock(&f.fakes.clock);
        Ports ports = f.fakes.ports();
        ports.systemClock = &systemClock;
        f.fakes.clock.set(at(8, 49, 1));
        f.folder.addSound("bell.wav");
        f.writeOptions(2, 1, 0);
        f.folder.writeData("mdata.ini", "08hr 50min/bell.wav\r\n09hr 00min/bell.wav\r\n");
        auto* w = f.create(ports);
        w->startUp();
        f.settle();
        find<QCheckBox>(w, "timeSyncBox")->setChecked(true);
        w->onStartClicked();
        f.settle();
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString("08hr 50min"));

        f.fakes.clock.advance(2);
        f.tick();  // 08:49:03
        QVERIFY(server.receive());
        server.send(reply(server.origin(), at(8, 51, 0).toMSecsSinceEpoch()));
        QTRY_COMPARE(find<QLabel>(w, "nextBell")->text(), QString("09hr 00min"));
        QCOMPARE(f.fakes.clock.now(), at(8, 51, 0));
        const QString stamp = QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz");
        const QString step =
            QStringLiteral("%1 clock set from %2 to %1 (+117.000 s) by %3\r\n")
                .arg(at(8, 51, 0).toString(stamp), at(8, 49, 3).toString(stamp), server.name());
        QVERIFY2(f.folder.readData("ring.log").contains(step.toUtf8()),
                 f.folder.readData("ring.log").constData());

        w->onStopClicked();
        f.settle();
        f.fakes.clock.advance(64);  // 08:52:04
        for (int i = 0; i < 5; ++i) {
            f.fakes.clock.advance(1);
            f.tick();
        }
        QVERIFY(server.receive());
        server.send(reply(server.origin(), at(8, 40, 0).toMSecsSinceEpoch()));
        // The clock is set on the bell thread: looked at there.
        const auto setsMade = [&] {
            qsizetype made = 0;
            f.onBells([&] { made = systemClock.sets.size(); });
            return made;
        };
        QTRY_COMPARE(setsMade(), 2);
        QCoreApplication::processEvents();
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString());
        QCOMPARE(f.bells().serviceRunning(), 0);
    }
};

QTEST_MAIN(TestSyncError)
#include "test_syncerror.moc"
