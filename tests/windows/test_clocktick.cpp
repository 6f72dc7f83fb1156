// The bell clock against a fake clock: labels, the once-a-minute work, the day change,
// the ring loop, the synchronisation seconds and the countdown texts.
#include <QtTest>

#include "countdown/frmbellcount.h"
#include "countdown/frmfullscreen.h"
#include "windowfixture.h"

namespace {

QDateTime at(int h, int m, int s, int day = 7) { return QDateTime(QDate(2026, 12, day), QTime(h, m, s)); }

// A window whose service runs a table with the given minutes (the start button locked).
// Each sound is put into the sound folder too.
void runTable(MainWindow* w, const QList<QPair<int, QString>>& bells) {
    int slot = 0;
    for (const auto& [minute, sound] : bells) {
        ProgramFolder::writeWave(w->soundFolder() + "/" + sound, 0.2);
        w->bellMinutes[static_cast<std::size_t>(slot)] = minute;
        w->bellSounds[static_cast<std::size_t>(slot)] = sound.toStdString();
        ++slot;
    }
    w->bellCount = slot;
    w->dayBellCount = slot;
    w->FillSoundList();
    w->serviceRunning = 1;
    w->start->setEnabled(false);
}

}  // namespace

class TestClockTick : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void labels() {
        WindowFixture f;
        f.fakes.clock.set(at(9, 5, 3, 6));
        auto* w = f.load();
        w->Timer1_Timer();
        QCOMPARE(w->now->text(), QString("9 hr 5 min 3 sec"));
        QCOMPARE(w->now_day->text(), QString("2026-12-6  Sunday"));
        QCOMPARE(w->fullScreen()->lblNowTimeShow->text(), QString("09:05:03AM"));
        QCOMPARE(w->bellCountWindow()->lblNowTimeShow->text(), QString("09:05:03AM"));
        QCOMPARE(w->bellCountWindow()->lblTimeShow->text(), QString("00:00:00"));
        QVERIFY(!w->fullScreen()->isVisible());
        w->nextBell->setText("09hr 10min");
        w->Timer1_Timer();
        QCOMPARE(w->bellCountWindow()->lblTimeShow->text(), QString("00:04:57"));
    }

    void bellRingsOnceOnTheFirstTickOfItsMinute() {
        WindowFixture f;
        f.fakes.clock.set(at(8, 29, 50));
        auto* w = f.load();
        runTable(w, {{510, "bell.wav"}, {600, "later.wav"}});
        for (int i = 0; i < 9; ++i) {
            f.fakes.clock.advance(1);
            w->Timer1_Timer();
        }
        QCOMPARE(f.fakes.clock.now().time(), QTime(8, 29, 59));
        QVERIFY(f.fakes.bell.plays.isEmpty());
        f.fakes.clock.advance(1);  // 08:30:00
        w->Timer1_Timer();
        QCOMPARE(f.fakes.bell.plays.size(), 1);
        QVERIFY(f.fakes.bell.plays.first().path.endsWith("/sound/bell.wav"));
        for (int i = 0; i < 59; ++i) {
            f.fakes.clock.advance(1);
            w->Timer1_Timer();
        }
        QCOMPARE(f.fakes.bell.plays.size(), 1);
        QCOMPARE(w->lastMinute, 30);
        QCOMPARE(w->minutePending, 0);
    }

    void lateTickStillRingsItsMinute() {
        WindowFixture f;
        f.fakes.clock.set(at(8, 29, 59));
        auto* w = f.load();
        runTable(w, {{510, "bell.wav"}});
        f.fakes.clock.set(at(8, 30, 1));  // the 08:30:00 tick came late
        w->Timer1_Timer();
        QCOMPARE(f.fakes.bell.plays.size(), 1);
    }

    void programStartedInsideTheMinuteDoesNotRingIt() {
        WindowFixture f;
        f.fakes.clock.set(at(8, 30, 20));
        auto* w = f.load();
        runTable(w, {{510, "bell.wav"}});
        f.fakes.clock.advance(1);
        w->Timer1_Timer();
        QVERIFY(f.fakes.bell.plays.isEmpty());
    }

    void sameMinuteSlotsRingInSlotOrder() {
        WindowFixture f;
        f.fakes.clock.set(at(9, 59, 59));
        auto* w = f.load();
        runTable(w, {{600, "first.wav"}, {1500, "never.wav"}, {600, "second.wav"}});
        f.fakes.clock.advance(1);
        w->Timer1_Timer();
        QCOMPARE(f.fakes.bell.plays.size(), 2);
        QVERIFY(f.fakes.bell.plays.at(0).path.endsWith("first.wav"));
        QVERIFY(f.fakes.bell.plays.at(1).path.endsWith("second.wav"));
    }

    void stoppedServiceRingsNothing() {
        WindowFixture f;
        f.fakes.clock.set(at(8, 29, 59));
        auto* w = f.load();
        runTable(w, {{510, "bell.wav"}});
        w->serviceRunning = 0;
        f.fakes.clock.advance(1);
        w->Timer1_Timer();
        QVERIFY(f.fakes.bell.plays.isEmpty());
        QCOMPARE(w->minutePending, 0);
        // Started again within the same minute: that minute is not handled twice.
        w->serviceRunning = 1;
        f.fakes.clock.advance(1);
        w->Timer1_Timer();
        QVERIFY(f.fakes.bell.plays.isEmpty());
    }

    void dayChangeRestartsAndRingsMidnightOnTheNextTick() {
        WindowFixture f;
        f.fakes.clock.set(at(23, 59, 58));
        auto* w = f.load();
        runTable(w, {{0, "midnight.wav"}});
        f.fakes.clock.advance(1);
        w->Timer1_Timer();
        QCOMPARE(w->lastDay, 7);
        f.fakes.clock.advance(1);  // 00:00:00 of the 8th
        w->Timer1_Timer();
        QCOMPARE(w->lastDay, 8);
        QCOMPARE(w->lastMinute, 59);
        QVERIFY(f.fakes.bell.plays.isEmpty());  // the restart tick rings nothing
        runTable(w, {{0, "midnight.wav"}});     // the restarted service's table
        f.fakes.clock.advance(1);
        w->Timer1_Timer();
        QCOMPARE(f.fakes.bell.plays.size(), 1);
        QCOMPARE(w->lastMinute, 0);
    }

    void bookedShutdownWhetherOrNotTheServiceRuns() {
        WindowFixture f;
        f.folder.writeData("exit.ini", " 1 \r\n 17 \r\n 0 \r\n");
        f.fakes.clock.set(at(16, 59, 59));
        auto* w = f.load();
        f.fakes.clock.advance(1);
        w->Timer1_Timer();
        QCOMPARE(f.fakes.power.requests, 1);
        f.fakes.clock.advance(1);
        w->Timer1_Timer();
        QCOMPARE(f.fakes.power.requests, 1);
        w->chkAutoExit->setChecked(false);
        f.fakes.clock.set(at(16, 59, 59, 8));
        w->Timer1_Timer();
        f.fakes.clock.advance(1);
        w->Timer1_Timer();
        QCOMPARE(f.fakes.power.requests, 1);
    }

    void synchronisationSecondsNameThePrimaryServer() {
        WindowFixture f;
        f.fakes.clock.set(at(10, 0, 2));
        auto* w = f.load();
        w->chkTimeSync->setChecked(true);
        w->Timer1_Timer();
        QCOMPARE(w->timeServer, QString());
        f.fakes.clock.advance(1);
        w->Timer1_Timer();
        QVERIFY(!w->timeServer.isEmpty());
    }
};

QTEST_MAIN(TestClockTick)
#include "test_clocktick.moc"
