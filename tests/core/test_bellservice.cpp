// The bell service against a fake clock, with no window: the once-a-minute work, the day
// change, the ring loop, an interval day rung through the tick, the booked power-off and the
// synchronisation seconds.
#include <QSignalSpy>
#include <QtTest>

#include "fakeports.h"
#include "core/bells/bellservice.h"

namespace {

QDateTime at(int h, int m, int s, int day = 7) { return QDateTime(QDate(2026, 12, day), QTime(h, m, s)); }

BellService::Plan manual(const std::vector<std::string>& entries, bool applyWeek = true) {
    BellService::Plan plan;
    plan.entries = entries;
    plan.applyWeek = applyWeek;
    return plan;
}

// 09:00-12:00, 50 minutes of work and 10 of rest, pre-bells 5 minutes after each start bell and
// before each end bell.
BellService::Plan morning(bool afterStart, bool beforeEnd, bool noBell = false) {
    BellService::Plan plan;
    plan.interval = true;
    plan.noBell = noBell;
    auto& p = plan.intervalPlan;
    p.startMinute = 9 * 60;
    p.endMinute = 12 * 60;
    p.work = 50;
    p.rest = 10;
    p.startSound = "start.wav";
    p.endSound = "end.wav";
    p.noBell = noBell;
    p.preBell1On = afterStart;
    p.preBell2On = beforeEnd;
    p.preBell1 = 5;
    p.preBell2 = 5;
    p.preBell1Sound = "after.wav";
    p.preBell2Sound = "before.wav";
    return plan;
}

struct Service {
    FakeClock clock;
    BellService bells{&clock};
    QStringList rung;  // "hh:mm:ss sound"

    explicit Service(const QDateTime& start) {
        clock.set(start);
        bells.reset();
        QObject::connect(&bells, &BellService::ring, &bells, [this](const QString& sound) {
            rung.append(clock.now().time().toString("hh:mm:ss") + " " + sound);
        });
    }
    void startNow(const BellService::Plan& plan) {
        bells.markStartAttempt();
        bells.start(plan);
    }
    // Ticks once a second for `seconds` seconds.
    void run(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            clock.advance(1);
            bells.tick();
        }
    }
};

}  // namespace

class TestBellService : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bellRingsOnceOnTheFirstTickOfItsMinute() {
        Service s(at(8, 29, 50));
        s.startNow(manual({"08hr 30min/bell.wav", "10hr 00min/later.wav"}));
        QCOMPARE(s.bells.nextBell().time, std::string("08hr 30min"));
        s.run(9);
        QVERIFY(s.rung.isEmpty());
        s.run(61);  // 08:29:59 -> 08:31:00
        QCOMPARE(s.rung, QStringList{"08:30:00 bell.wav"});
        QCOMPARE(s.bells.nextBell().time, std::string("10hr 00min"));
        QCOMPARE(s.bells.minutePending(), 0);
    }

    void lateOrSkippedTicksStillRingTheirMinute() {
        Service s(at(8, 29, 59));
        s.startNow(manual({"08hr 30min/bell.wav"}));
        s.clock.set(at(8, 30, 2));  // the ticks of 08:30:00 and :01 never came
        s.bells.tick();
        QCOMPARE(s.rung, QStringList{"08:30:02 bell.wav"});
    }

    void theMinuteOfTheStartIsNeverRung() {
        Service s(at(8, 30, 20));
        s.startNow(manual({"08hr 30min/bell.wav"}));
        s.run(30);
        QVERIFY(s.rung.isEmpty());
    }

    // Each slot of a minute would stop the one before at once: only the last one, the one that
    // sounds, is rung (and so logged and told).
    void ofTheSlotsOfAMinuteTheLastRings() {
        Service s(at(9, 59, 59));
        s.startNow(manual({"10hr 00min/first.wav", "10hr 00min/second.wav"}));
        s.run(1);
        QCOMPARE(s.rung, (QStringList{"10:00:00 second.wav"}));
    }

    void stoppedServiceRingsNothingAndARestartDoesNotRingTheMinuteTwice() {
        Service s(at(8, 29, 59));
        s.startNow(manual({"08hr 30min/bell.wav", "08hr 31min/bell.wav"}));
        s.bells.stop();
        s.run(1);
        QVERIFY(s.rung.isEmpty());
        s.startNow(manual({"08hr 30min/bell.wav", "08hr 31min/bell.wav"}));
        s.run(59);
        QVERIFY(s.rung.isEmpty());
        s.run(1);
        QCOMPARE(s.rung, QStringList{"08:31:00 bell.wav"});
    }

    // Stopped by whatever the ring set off: the bell that was just rung is silenced at once.
    void stopDuringTheRingSilencesIt() {
        Service s(at(7, 59, 59));
        s.startNow(manual({"08hr 00min/a.wav"}));
        QSignalSpy silenced(&s.bells, &BellService::silenceNow);
        QObject::connect(&s.bells, &BellService::ring, &s.bells, [&s] { s.bells.stop(); });
        s.run(1);
        QCOMPARE(s.rung.size(), 1);
        QCOMPARE(silenced.count(), 1);
        QVERIFY(!s.bells.isRunning());
    }

    // The coming minute's bell is announced two seconds ahead so that it can be got ready, and
    // only the bell the tick then rings: the last of its minute. The announcement is withdrawn
    // once the minute begins, when the service stops and when the clock is set back.
    void comingBellIsAnnouncedAheadAndWithdrawn() {
        Service s(at(8, 29, 50));
        QStringList ahead;
        QObject::connect(&s.bells, &BellService::bellAhead, &s.bells, [&](const QString& sound) {
            ahead.append(s.clock.now().time().toString("hh:mm:ss") + " " + sound);
        });
        QObject::connect(&s.bells, &BellService::bellAheadDropped, &s.bells,
                         [&] { ahead.append(s.clock.now().time().toString("hh:mm:ss") + " dropped"); });
        s.startNow(manual({"08hr 30min/a.wav", "08hr 30min/b.wav", "08hr 32min/c.wav", "08hr 40min/d.wav"}));
        s.run(10);  // -> 08:30:00
        QCOMPARE(ahead, (QStringList{"08:29:58 b.wav", "08:30:00 dropped"}));
        QCOMPARE(s.rung.last(), QString("08:30:00 b.wav"));
        ahead.clear();
        s.run(119);  // -> 08:31:59: 08:31 has no bell, 08:32 has
        QCOMPARE(ahead, QStringList{"08:31:58 c.wav"});
        s.bells.stop();
        s.run(1);
        QCOMPARE(ahead, (QStringList{"08:31:58 c.wav", "08:31:59 dropped"}));
        QCOMPARE(s.rung.size(), 1);

        // Set back while a bell waits: withdrawn on the next tick.
        ahead.clear();
        s.clock.set(at(8, 39, 57));
        s.startNow(manual({"08hr 40min/d.wav"}));
        s.run(1);
        s.clock.set(at(8, 35, 0));
        s.bells.tick();
        QCOMPARE(ahead, (QStringList{"08:39:58 d.wav", "08:35:00 dropped"}));

        // Midnight starts a new day first: nothing is announced for it.
        Service late(at(23, 59, 50));
        QSignalSpy lateAhead(&late.bells, &BellService::bellAhead);
        late.startNow(manual({"00hr 00min/m.wav"}));
        late.run(9);
        QCOMPARE(lateAhead.count(), 0);
    }

    void newDayRestartsAndRingsMidnightOnTheNextTick() {
        Service s(at(23, 59, 58));
        const auto plan = manual({"00hr 00min/midnight.wav", "23hr 00min/late.wav"});
        s.startNow(plan);
        int restarts = 0;
        QObject::connect(&s.bells, &BellService::newDay, &s.bells, [&] {
            ++restarts;
            s.bells.stop();
            s.startNow(plan);
        });
        QSignalSpy sync(&s.bells, &BellService::syncDue);
        s.bells.setTimeSyncEnabled(true);
        s.run(1);
        QCOMPARE(s.bells.lastDay(), 7);
        s.clock.set(at(0, 0, 3, 8));  // a synchronisation second: skipped with the rest of the tick
        QVERIFY(!s.bells.tick());
        QCOMPARE(restarts, 1);
        QCOMPARE(s.bells.lastDay(), 8);
        QCOMPARE(s.bells.lastMinute(), 59);
        QVERIFY(s.rung.isEmpty());
        QCOMPARE(sync.count(), 0);
        s.run(1);
        QCOMPARE(s.rung, QStringList{"00:00:04 midnight.wav"});
        s.run(120);
        QCOMPARE(s.rung.size(), 1);
        QCOMPARE(restarts, 1);
    }

    // A generated day from start to end through the tick: the day bells and the pre-bells each at
    // their minute, once; the slots of a pre-bell kind that is off never ring.
    void intervalDayRungThroughTheTick_data() {
        QTest::addColumn<bool>("afterStart");
        QTest::addColumn<bool>("beforeEnd");
        QTest::addColumn<QStringList>("expected");
        const QStringList both{"09:00 start.wav",  "09:05 after.wav", "09:45 before.wav", "09:50 end.wav",
                               "10:00 start.wav",  "10:05 after.wav", "10:45 before.wav", "10:50 end.wav",
                               "11:00 start.wav",  "11:05 after.wav", "11:45 before.wav", "11:50 end.wav",
                               "12:00 start.wav"};
        QStringList withoutAfter = both;
        withoutAfter.removeIf([](const QString& line) { return line.endsWith("after.wav"); });
        QTest::newRow("both pre-bells") << true << true << both;
        QTest::newRow("only before the end bells") << false << true << withoutAfter;
    }
    void intervalDayRungThroughTheTick() {
        QFETCH(bool, afterStart);
        QFETCH(bool, beforeEnd);
        QFETCH(QStringList, expected);
        Service s(at(8, 58, 0));
        s.startNow(morning(afterStart, beforeEnd));
        QCOMPARE(s.bells.bellCount(), 13);  // placeholders keep their slots
        QCOMPARE(s.bells.todayBells(), (QStringList{"09hr00min", "09hr50min", "10hr00min", "10hr50min",
                                                    "11hr00min", "11hr50min", "12hr00min"}));
        s.run(3 * 3600 + 15 * 60);
        QStringList minutes;
        for (const QString& line : s.rung) {
            QVERIFY2(line.mid(5, 3) == ":00", qPrintable(line));  // each on the first second of its minute
            minutes.append(line.left(5) + line.mid(8));
        }
        QCOMPARE(minutes, expected);
    }

    void noRingsDayRingsNothingAndShowsNoNextBell() {
        Service s(at(8, 58, 0));
        s.startNow(morning(true, true, /*noBell=*/true));
        QCOMPARE(s.bells.bellCount(), 0);
        QVERIFY(s.bells.todayBells().isEmpty());
        QCOMPARE(s.bells.nextBell().time, std::string("NEXT DAY"));
        s.run(3600);
        QVERIFY(s.rung.isEmpty());
    }

    void bookedPowerOffWhetherOrNotTheServiceRuns() {
        Service s(at(16, 59, 59));
        QSignalSpy powerOff(&s.bells, &BellService::powerOffDue);
        s.bells.setPowerOffBooking(true, 17, 0);
        s.run(60);
        QCOMPARE(powerOff.count(), 1);
        s.bells.setPowerOffBooking(false, 17, 0);
        s.clock.set(at(16, 59, 59, 8));
        s.bells.tick();
        s.run(2);
        QCOMPARE(powerOff.count(), 1);
    }

    void synchronisationIsAskedTenTimesAMinuteWhenOn() {
        Service s(at(10, 0, 0));
        QSignalSpy sync(&s.bells, &BellService::syncDue);
        s.run(60);
        QCOMPARE(sync.count(), 0);
        s.bells.setTimeSyncEnabled(true);
        QList<int> seconds;
        QObject::connect(&s.bells, &BellService::syncDue, &s.bells,
                         [&] { seconds.append(s.clock.now().time().second()); });
        s.run(60);
        QCOMPARE(seconds, (QList<int>{3, 9, 15, 21, 27, 33, 39, 45, 51, 57}));
    }
};

QTEST_GUILESS_MAIN(TestBellService)
#include "test_bellservice.moc"
