// The bell station with no window and no QApplication: on a bell thread of its own it rings while
// the thread that sent the commands processes no events, and what it reports reaches that thread
// queued; through midnight it starts the new day by itself, from the day's own file; across a sleep
// that logind announces it rings nothing twice and only what is recent; each step of the clock is
// told once, as its own or as someone else's.
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

#include "core/bells/bellstation.h"
#include "core/bells/bellthread.h"
#include "core/bells/headlessbells.h"
#include "core/bells/linux/sleep_logind.h"
#include "core/schedule/settingsstore.h"
#include "core/schedule/setuparchive.h"
#include "fakeports.h"
#include "faketimeserver.h"
#include "programfolder.h"

namespace {

QDateTime at(int h, int m, int s, int day = 7) {
    return QDateTime(QDate(2026, 12, day), QTime(h, m, s));
}

struct Fakes {
    FakeClock clock;
    FakeBellOutput bell;
    FakeMixer mixer;
    FakeSystemClock systemClock;
    FakePower power;
    BellStation::Ports ports() { return {&clock, &bell, &mixer, &systemClock, &power}; }
};

BellService::Plan eachDay(bool interval) {
    BellService::Plan plan;
    plan.applyWeek = false;
    plan.interval = interval;
    return plan;
}

// PrepareForSleep from the stand-in logind on the test system bus (python3-dbusmock's template).
bool announceSleep(bool start) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.DBus.Mock"), QStringLiteral("EmitSignal"));
    call << QStringLiteral("org.freedesktop.login1.Manager") << QStringLiteral("PrepareForSleep")
         << QStringLiteral("b") << QVariantList{QVariant::fromValue(QDBusVariant(start))};
    return QDBusConnection::systemBus().call(call).type() == QDBusMessage::ReplyMessage;
}

// Sets the fake clock at once, and answers at once or, as timedated does, when the test lets it.
class AnsweringSystemClock final : public SystemClock {
public:
    explicit AnsweringSystemClock(FakeClock* clock) : m_clock(clock) {}
    bool setUtc(const QDateTime& utc) override {
        m_clock->set(utc.toLocalTime());
        return true;
    }
    void setUtcThen(const QDateTime& utc, std::function<void(bool, const QString&)> done) override {
        setUtc(utc);
        if (later) {
            answers.append(std::move(done));
        } else {
            done(true, QString());
        }
    }
    bool later = false;
    QList<std::function<void(bool, const QString&)>> answers;

private:
    FakeClock* m_clock;
};

}  // namespace

class TestBellStation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ringsOnTheBellThreadWhileTheCallersThreadWaits() {
        // A timer or an object made on the wrong thread says so: any such warning fails the test.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
        ProgramFolder folder;
        folder.addSound("bell.wav");
        Fakes fakes;
        fakes.clock.set(at(8, 49, 58));
        BellThread thread;
        std::unique_ptr<BellStation> station;
        thread.runAndWait(
            [&] { station = std::make_unique<BellStation>(fakes.ports(), folder.path(), true); });
        QVERIFY(station->thread() == thread.thread());
        QStringList started;
        QObject here;
        connect(&station->bells, &BellService::started, &here,
                [&](const QStringList& lines) { started = lines; });

        BellService::Plan plan;
        plan.entries = {"08hr 50min/bell.wav"};
        BellStation* s = station.get();
        QMetaObject::invokeMethod(s, [s, plan] { s->startService(plan); });
        // From here this thread processes no events; the bell thread goes on by itself.
        thread.runAndWait([&] {
            fakes.clock.advance(2);
            s->tick();
        });
        int plays = 0;
        QString played;
        thread.runAndWait([&] {
            plays = static_cast<int>(fakes.bell.plays.size());
            played = plays ? fakes.bell.plays.first().path : QString();
        });
        QCOMPARE(plays, 1);
        QVERIFY(played.endsWith("/sound/bell.wav"));
        QVERIFY(started.isEmpty());  // reported, and waiting in this thread's queue
        QCoreApplication::processEvents();
        QCOMPARE(started, QStringList{"08hr50min"});
        thread.runAndWait([&] { station.reset(); });
    }

    // "Set each day" through midnight: the new day rings its own list, and a day whose interval
    // settings cannot start is reported and left stopped, with no box waiting for a click.
    void newDayStartsFromItsOwnFile() {
        ProgramFolder folder;
        folder.addSound("bell.wav");
        folder.writeData("mdata_2.ini", " 0 \r\n08hr 50min/bell.wav\r\n");  // Monday
        folder.writeData("mdata_3.ini", " 0 \r\n07hr 10min/bell.wav\r\n09hr 20min/bell.wav\r\n");
        Fakes fakes;
        fakes.clock.set(at(23, 59, 58));
        SettingsStore store(folder.path() + "/data");
        SchoolCalendar calendar(&store);
        BellStation station(fakes.ports(), folder.path(), false);
        // As the settings' owner does after each change of the files.
        auto handOver = [&] { station.setStoredDays(storedDays(store, calendar)); };
        handOver();
        QSignalSpy again(&station, &BellStation::dayStartedAgain);
        QSignalSpy started(&station.bells, &BellService::started);
        BellService::Plan monday = eachDay(false);
        monday.entries = {"08hr 50min/bell.wav"};
        station.startService(monday);
        for (int i = 0; i < 4; ++i) {
            station.tick();
            fakes.clock.advance(1);
        }
        QCOMPARE(again.size(), 1);
        QCOMPARE(station.bells.serviceRunning(), 1);
        QCOMPARE(started.last().first().toStringList(), (QStringList{"07hr10min", "09hr20min"}));
        QCOMPARE(QString::fromStdString(station.bells.nextBell().time), QString("07hr 10min"));

        // Tuesday's interval settings end before they start: Wednesday is not started.
        folder.writeData("adata_4.ini",
                         "9\r\n0\r\n8\r\n0\r\n50\r\n10\r\n 0 \r\nbell.wav\r\nbell.wav\r\n 0 \r\n5\r\n\r\n 0 "
                         "\r\n5\r\n\r\n");
        handOver();
        fakes.clock.set(at(23, 59, 58, 8));
        BellService::Plan tuesday = eachDay(true);
        tuesday.intervalPlan.startMinute = 9 * 60;
        tuesday.intervalPlan.endMinute = 12 * 60;
        tuesday.intervalPlan.work = 50;
        tuesday.intervalPlan.rest = 10;
        station.startService(tuesday);
        for (int i = 0; i < 4; ++i) {
            station.tick();
            fakes.clock.advance(1);
        }
        QCOMPARE(station.bells.serviceRunning(), 0);
        QCOMPARE(again.size(), 1);
        QVERIFY2(folder.readData("ring.log").contains("the bells of 2026-12-09 were not started: "),
                 folder.readData("ring.log").constData());
    }

    // The copy with no window rings the stored list with "Auto execution" off; a list saved while
    // it runs applies within a moment, without ringing the current minute's bell again; stored
    // settings that cannot start say why in the ring log.
    void headlessFollowsTheStoredSettings() {
        ProgramFolder folder;
        folder.addSound("bell.wav");
        folder.writeData("data.ini", " 0 \r\n 0 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
        folder.writeData("mdata.ini", "08hr 50min/bell.wav\r\n");
        Fakes fakes;
        fakes.clock.set(at(8, 49, 59));
        HeadlessBells headless(fakes.ports(), folder.path(), false);
        BellStation& station = headless.station();
        headless.start();
        QCOMPARE(station.bells.todayBells(), QStringList{"08hr50min"});
        fakes.clock.set(at(8, 50, 0));
        station.tick();
        QCOMPARE(fakes.bell.plays.size(), 1);

        folder.writeData("mdata.ini", "08hr 50min/bell.wav\r\n08hr 51min/bell.wav\r\n");
        QTRY_COMPARE(station.bells.todayBells(), (QStringList{"08hr50min", "08hr51min"}));
        station.tick();
        QCOMPARE(fakes.bell.plays.size(), 1);
        fakes.clock.set(at(8, 51, 0));
        station.tick();
        QCOMPARE(fakes.bell.plays.size(), 2);

        // Stopped by the operator, it stays stopped when the settings change, until started.
        headless.stop();
        folder.writeData("mdata.ini", "08hr 51min/bell.wav\r\n08hr 52min/bell.wav\r\n");
        QTRY_VERIFY2(folder.readData("ring.log").contains("the bell service, stopped, takes them at its start"),
                     folder.readData("ring.log").constData());
        QVERIFY(!station.bells.isRunning());
        headless.start(station.decided());
        QCOMPARE(station.bells.todayBells(), (QStringList{"08hr51min", "08hr52min"}));

        // "Auto interval" with no sound chosen.
        folder.writeData("data.ini", " 0 \r\n -1 \r\n 1 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
        QTRY_VERIFY2(!station.bells.isRunning(), folder.readData("ring.log").constData());
        QVERIFY2(folder.readData("ring.log").contains("the bells were not started: Please select bell sound"),
                 folder.readData("ring.log").constData());
    }

    // A followed set-up goes through the store of the copy with no window: the bells ring by it at
    // once, from where they were, with its calendar, and a settings file it does not hold
    // (offset.ini) is not written back from what the store read before.
    void anImportedSetupIsTheStoresAndTheBells() {
        const QByteArray options = " 0 \r\n 0 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n";
        ProgramFolder folder;
        folder.addSound("bell.wav");
        folder.writeData("data.ini", options);
        folder.writeData("mdata.ini", "08hr 50min/bell.wav\r\n");
        folder.writeData("offset.ini", "30\r\n");
        ProgramFolder other;
        other.writeData("data.ini", options);
        other.writeData("mdata.ini", "08hr 51min/bell.wav\r\n08hr 52min/bell.wav\r\n");
        other.writeData("calendar.ini", "2026-12-24,2026-12-24,0,Christmas Eve\r\n");
        QTemporaryDir files;
        QCOMPARE(corvalin::setup::exportSetup(other.path(), files.filePath("setup.zip")), QString());
        const auto contents = corvalin::setup::readSetup(files.filePath("setup.zip"));
        QVERIFY2(contents.ok(), qPrintable(contents.refusal));
        Fakes fakes;
        fakes.clock.set(at(8, 49, 20));
        HeadlessBells headless(fakes.ports(), folder.path(), false);
        BellStation& station = headless.station();
        headless.start();
        QCOMPARE(headless.store().loadBellOffset(), 30);
        QCOMPARE(station.bells.todayBells(), QStringList{"08hr50min"});

        QCOMPARE(headless.importSetup(contents), QString());
        QVERIFY(station.bells.isRunning());
        QCOMPARE(station.bells.todayBells(), (QStringList{"08hr51min", "08hr52min"}));
        QVERIFY(station.calendar.exceptionOn(QDate(2026, 12, 24)).has_value());
        QCOMPARE(headless.store().loadBellOffset(), 0);
        QVERIFY(!QFileInfo::exists(folder.data("offset.ini")));
        for (const int minute : {50, 51}) {
            fakes.clock.set(at(8, minute, 0));
            station.tick();
        }
        QCOMPARE(fakes.bell.plays.size(), 1);
    }

    // A bell every minute; at 08:50:30, just after the 08:50 bell, the building's offset goes up
    // to 300 s, once from the window's side and once through offset.ini read by the copy with no
    // window (which starts the bells again). The bells' clock goes back to 08:45:30: no minute of
    // 08:46 to 08:50 rings again, and 08:51 rings once, at the computer's 08:56.
    void raisingTheOffsetRingsNoMinuteTwice() {
        for (const bool byFile : {false, true}) {
            ProgramFolder folder;
            folder.addSound("bell.wav");
            folder.writeData("data.ini", " 0 \r\n 0 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
            QByteArray list;
            for (int minute = 40; minute < 60; ++minute) {
                list += "08hr " + QByteArray::number(minute) + "min/bell.wav\r\n";
            }
            folder.writeData("mdata.ini", list);
            Fakes fakes;
            fakes.clock.set(at(8, 49, 58));
            HeadlessBells headless(fakes.ports(), folder.path(), false);
            BellStation& station = headless.station();
            headless.start();
            QStringList rung;
            connect(&station, &BellStation::bellRung, &station, [&](const QString& what) { rung << what.left(5); });
            auto runTo = [&](const QDateTime& until) {
                while (fakes.clock.now() < until) {
                    fakes.clock.advance(1);
                    station.tick();
                }
            };
            runTo(at(8, 50, 30));
            if (byFile) {
                folder.writeData("offset.ini", " 300 \r\n");
                QTRY_COMPARE(station.status().offset, 300);
            } else {
                station.setBellOffset(300);
            }
            runTo(at(8, 56, 5));
            QCOMPARE(rung, (QStringList{"08:50", "08:51"}));
        }
    }

    // What the station names as the next and the last bell is what rings: a bell added for today
    // is the next one and skip-next skips it; after the day's last bell none is left today (while
    // "Apply week" shows tomorrow's first bell of the list, not one added today); "No bells today"
    // leaves none; the ring log never lists the skipped bell; a copy that starts again knows the
    // last bell from the ring log; the running state is told once, not at every change or
    // midnight. A copy started just before midnight, whose offset puts its bells' clock on the
    // next day, tells no change of the day before.
    void theNamedBellsAreTheRungOnes() {
        ProgramFolder folder;
        folder.addSound("bell.wav");
        folder.addSound("last.wav");
        folder.addSound("added.wav");
        folder.writeData("data.ini", " 0 \r\n 0 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
        folder.writeData("mdata.ini", "08hr 50min/bell.wav\r\n09hr 00min/bell.wav\r\n09hr 10min/last.wav\r\n");
        using corvalin::today::Change;
        using corvalin::today::Kind;
        {
            Fakes fakes;
            fakes.clock.set(at(8, 49, 58));
            HeadlessBells headless(fakes.ports(), folder.path(), false);
            BellStation& station = headless.station();
            headless.start();
            QSignalSpy running(&station.bells, &BellService::runningChanged);
            auto runTo = [&](const QDateTime& until) {
                while (fakes.clock.now() < until) {
                    fakes.clock.advance(1);
                    station.tick();
                }
            };
            QCOMPARE(station.changeToday(Change{Kind::Add, 8 * 60 + 30, -1, "added.wav", 0, "the test"}), QString());
            QCOMPARE(station.changeToday(Change{Kind::Add, 9 * 60 + 5, -1, "added.wav", 0, "the test"}), QString());
            runTo(at(9, 0, 30));
            auto next = station.status().next;
            QVERIFY(next && next->minute == 9 * 60 + 5 && next->sound == "added.wav");
            QCOMPARE(station.skipNextBell("the test"), QString());
            QCOMPARE(station.status().next->minute, 9 * 60 + 10);

            runTo(at(9, 10, 30));
            QVERIFY(!station.status().next);
            QCOMPARE(station.skipNextBell("the test"), QString("no bell is left today"));
            QCOMPARE(QString::fromStdString(station.bells.nextBell().time), QString("08hr 50min"));
            QCOMPARE(QString::fromStdString(station.bells.nextBell().sound), QString("bell.wav"));
            QCOMPARE(station.status().last.said(), QString("09:10 last.wav"));

            // With no bells today the bells added today (08:30 rang before the start) are all that
            // is left of the day: after them, "Apply week" shows the week's first, not 08:30.
            QCOMPARE(station.changeToday(Change{Kind::NoBells, -1, -1, {}, 0, "the test"}), QString());
            QVERIFY(!station.status().next);
            QCOMPARE(station.status().day, QString("no bells today"));
            QCOMPARE(QString::fromStdString(station.bells.nextBell().time), QString("08hr 50min"));
            QCOMPARE(QString::fromStdString(station.bells.nextBell().sound), QString("bell.wav"));
            const QByteArray log = folder.readData("ring.log");
            QVERIFY2(!log.contains("scheduled 09:05") && log.contains("scheduled 09:10 last.wav"), log.constData());

            fakes.clock.set(at(23, 59, 58));
            station.tick();
            runTo(at(0, 0, 3, 8));
            QVERIFY(station.bells.isRunning());
            QCOMPARE(station.status().next->minute, 8 * 60 + 50);
            QCOMPARE(running.size(), 0);
        }
        {
            // Started again the same day: the last bell is the ring log's.
            Fakes fakes;
            fakes.clock.set(at(9, 20, 0));
            HeadlessBells headless(fakes.ports(), folder.path(), false);
            headless.start();
            QCOMPARE(headless.station().status().last.said(), QString("09:10 last.wav"));
        }
        {
            folder.writeData("today.ini", "2026-12-07\r\nskip,08:50,the test\r\n");
            folder.writeData("offset.ini", " -30 \r\n");
            Fakes fakes;
            fakes.clock.set(at(23, 59, 43));
            HeadlessBells headless(fakes.ports(), folder.path(), false);
            BellStation& station = headless.station();
            QSignalSpy told(&station, &BellStation::todayChanged);
            headless.start();
            station.tick();
            QVERIFY(!told.isEmpty());
            QCOMPARE(told.last().first().toStringList(), QStringList());
            QVERIFY(station.status().changes.empty());
        }
    }

    // A day list of 2001 bells (as many as a day holds) with a bell added for today: the copy
    // starts and rings, says which bell does not fit, and refuses a further addition; today's
    // changes stop at their limit; an added sound with a path out of the sound folder, written by
    // hand into today.ini, is no change.
    void aFullDayNeitherCrashesNorLosesItsBells() {
        ProgramFolder folder;
        folder.addSound("bell.wav");
        folder.writeData("data.ini", " 0 \r\n 0 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
        QByteArray list;
        for (int i = 0; i < 2001; ++i) {
            const int minute = (8 * 60 + 50 + i % 1400) % 1440;  // 08:10 to 08:49 free
            list += QStringLiteral("%1hr %2min/bell.wav\r\n")
                        .arg(minute / 60, 2, 10, QLatin1Char('0'))
                        .arg(minute % 60, 2, 10, QLatin1Char('0'))
                        .toLatin1();
        }
        folder.writeData("mdata.ini", list);
        folder.writeData("today.ini", "2026-12-07\r\nadd,08:49,bell.wav,the window\r\nadd,08:52,../bell.wav,x\r\n");
        Fakes fakes;
        fakes.clock.set(at(8, 49, 58));
        HeadlessBells headless(fakes.ports(), folder.path(), false);
        BellStation& station = headless.station();
        headless.start();
        QCOMPARE(station.bells.bellCount(), 2001);
        QCOMPARE(station.todayChanges(), QStringList{"08:49 added today (bell.wav)"});
        QVERIFY2(folder.readData("ring.log").contains("08:49 added today (bell.wav) does not ring: the day holds 2001 "
                                                      "bells already"),
                 folder.readData("ring.log").constData());
        fakes.clock.set(at(8, 50, 0));
        station.tick();
        QCOMPARE(fakes.bell.plays.size(), 1);
        corvalin::today::Change add{corvalin::today::Kind::Add, 8 * 60 + 30, -1, "bell.wav", 0, "the test"};
        QVERIFY(station.changeToday(add).contains("as many as a day can"));
        add.minute = 8 * 60 + 55;
        QVERIFY(station.changeToday(add).contains("a bell rings at 08:55 today already"));

        // A day list longer than the table rings its first 2001 bells and says so.
        folder.writeData("mdata.ini", list + "23hr 59min/bell.wav\r\n");
        QTRY_VERIFY2(folder.readData("ring.log").contains("the day's list holds 2002 bells and a day rings at most 2001"),
                     folder.readData("ring.log").constData());
        QCOMPARE(station.bells.bellCount(), 2001);

        // On a short day, additions stop at the day's limit of changes.
        folder.writeData("mdata.ini", "09hr 00min/bell.wav\r\n");
        QTRY_COMPARE(station.bells.bellCount(), 2);  // and the bell added at 08:49
        QString refused;
        int made = static_cast<int>(station.todayChanges().size());
        for (int i = 0; i < 150 && refused.isEmpty(); ++i) {
            add.minute = 10 * 60 + i;
            refused = station.changeToday(add);
            made += refused.isEmpty() ? 1 : 0;
        }
        QCOMPARE(made, 100);
        QVERIFY2(refused.contains("changes already"), qPrintable(refused));
    }

    // Asleep from 10:49:58, a bell made ready for 10:50, to 11:26:30: the bell made ready goes and
    // the muted default card is unmuted before the sleep; at the resume 11:25 (the last of the
    // bells of the last ten minutes) rings once, 10:50 and 10:55 are logged as missed, and 10:45,
    // rung before the sleep, does not ring again.
    void sleepAndResume() {
        if (qEnvironmentVariableIsEmpty("DBUS_SYSTEM_BUS_ADDRESS") ||
            !QDBusConnection::systemBus().interface()->isServiceRegistered("org.freedesktop.login1").value()) {
            QSKIP("no stand-in logind: scripts/services/sysbus.sh and logind.sh start");
        }
        ProgramFolder folder;
        folder.addSound("bell.wav");
        folder.addSound("late.wav");
        Fakes fakes;
        fakes.clock.set(at(10, 44, 0));
        LogindSleepWatch watch;
        QVERIFY(watch.isWatching());
        BellStation::Ports ports = fakes.ports();
        ports.sleep = &watch;
        BellStation station(ports, folder.path(), false);
        station.ringer.openMixer();
        // The bells on a card of their own: the default card is never muted for a bell on it.
        fakes.bell.deviceList.append(OutputDevice{"bell_out", "Bell"});
        station.ringer.setSoundCard(0, "bell_out", "Bell");
        station.ringer.setMuteDefault(true);
        BellService::Plan plan;
        plan.entries = {"10hr 45min/bell.wav", "10hr 50min/bell.wav", "10hr 55min/bell.wav", "11hr 20min/bell.wav",
                        "11hr 25min/late.wav"};
        station.bells.markStartAttempt();
        station.startService(plan);
        fakes.clock.set(at(10, 45, 0));
        station.tick();
        QCOMPARE(fakes.bell.plays.size(), 1);
        QVERIFY(fakes.mixer.muted);
        fakes.clock.set(at(10, 49, 58));
        station.tick();
        QVERIFY(fakes.bell.prepared.endsWith("/bell.wav"));

        QVERIFY(announceSleep(true));
        QTRY_VERIFY(fakes.bell.prepared.isEmpty());
        QVERIFY(!fakes.mixer.muted);
        fakes.clock.set(at(11, 26, 30));
        QVERIFY(announceSleep(false));
        QTRY_COMPARE(fakes.bell.plays.size(), 2);
        QVERIFY(fakes.bell.plays.last().path.endsWith("/late.wav"));
        for (int i = 0; i < 100; ++i) {
            fakes.clock.advance(1);
            station.tick();
        }
        QCOMPARE(fakes.bell.plays.size(), 2);
        const QByteArray log = folder.readData("ring.log");
        QVERIFY2(log.contains("missed while the computer slept: 10:50, 10:55\r\n"), log.constData());
        // The wall clock ran on while the steady one stood still: no step of the clock.
        QVERIFY2(!log.mid(log.indexOf("the computer goes to sleep")).contains("the clock stepped"),
                 log.constData());
    }

    // The time sync's steps are told as its own, once, also when the system answers only after the
    // tick that sees the step; a step that anyone else made is told by the tick that sees it.
    void eachClockStepToldOnce() {
        FakeTimeServer server;
        qputenv("CORVALIN_TIME_SERVER1", server.name().toUtf8());
        qputenv("CORVALIN_TIME_SERVER2", kUnresolvable.toUtf8());
        ProgramFolder folder;
        Fakes fakes;
        AnsweringSystemClock systemClock(&fakes.clock);
        BellStation::Ports ports = fakes.ports();
        ports.systemClock = &systemClock;
        fakes.clock.set(at(8, 40, 1));
        BellStation station(ports, folder.path(), false);
        // The answers are of the test's day, whatever day the program was built.
        station.timeSync.setEarliest(at(0, 0, 0).toMSecsSinceEpoch());
        station.setTimeSyncEnabled(true);
        // Ticks a second at a time until the time server is asked, and answers it with `to`.
        auto syncTo = [&](const QDateTime& to) {
            for (int i = 0; i < 100 && !server.socket.hasPendingDatagrams(); ++i) {
                fakes.clock.advance(1);
                station.tick();
            }
            QVERIFY(server.receive());
            const QDateTime before = fakes.clock.now();
            server.send(reply(server.origin(), to.toMSecsSinceEpoch()));
            QTRY_VERIFY(fakes.clock.now() != before);
            fakes.clock.advance(1);
            station.tick();
        };
        syncTo(at(8, 42, 0));
        systemClock.later = true;
        syncTo(at(8, 50, 0));
        QCOMPARE(systemClock.answers.size(), 1);
        systemClock.answers.takeFirst()(true, QString());
        fakes.clock.set(fakes.clock.now().addSecs(150));
        fakes.clock.advance(1);
        station.tick();
        fakes.clock.advance(1);
        station.tick();

        const QByteArray log = folder.readData("ring.log");
        QCOMPARE(log.count("clock set from"), 2);
        QCOMPARE(log.count("the clock stepped from"), 1);
        QVERIFY2(log.contains("the clock stepped from 2026-12-07 08:50:02.000 to 2026-12-07 08:52:32.000 "
                              "(+150.000 s)\r\n"),
                 log.constData());
    }
};

QTEST_GUILESS_MAIN(TestBellStation)
#include "test_bellstation.moc"
