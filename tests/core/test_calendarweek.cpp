// A week of the bell service under the school calendar, driven second by second through the tick
// across every midnight: a holiday on Wednesday rings nothing, an exam day on Thursday rings
// template 2's list with its own sounds, and the other days ring their own list.
#include <QSignalSpy>
#include <QtTest>

#include "core/bells/bellcalendar.h"
#include "core/calendar/schoolcalendar.h"
#include "fakeports.h"
#include "programfolder.h"
#include "core/bells/bellservice.h"
#include "core/schedule/settingsstore.h"

class TestCalendarWeek : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void holidayAndExamDayThroughAWeekOfTicks() {
        ProgramFolder folder;
        folder.writeData("mdata_9.ini",
                         " 0 \r\n11hr 00min/exam-end.wav\r\n09hr 30min/exam.wav\r\n");  // templet 2
        folder.writeData("calendar.ini",
                         "2026-12-09,2026-12-09,0,Holiday\r\n2026-12-10,2026-12-10,2,Exam day\r\n");
        SettingsStore store(folder.path() + "/data");
        SchoolCalendar stored(&store);
        stored.load();
        BellCalendar calendar;
        calendar.setDays(storedDays(store, stored));
        FakeClock clock;
        BellService bells(&clock);
        bells.setCalendar(&calendar);
        QSignalSpy applied(&bells, &BellService::exceptionApplied);

        BellService::Plan plan;  // "Manual input", "Apply week"
        plan.entries = {"08hr 00min/bell.wav", "12hr 00min/bell.wav"};
        plan.applyWeek = true;
        auto startNow = [&] {
            bells.markStartAttempt();
            bells.start(plan);
        };

        QStringList rung;  // "Wed 08:00 bell.wav"
        QStringList days;  // each day's bells and its next bell after the day's last bell
        auto dayName = [&] { return clock.now().date().toString("ddd"); };
        QObject::connect(&bells, &BellService::ring, &bells, [&](const QString& sound) {
            rung.append(dayName() + " " + clock.now().time().toString("hh:mm") + " " + sound);
        });
        QObject::connect(&bells, &BellService::newDay, &bells, [&] {
            bells.stop();
            startNow();
        });

        clock.set(QDateTime(QDate(2026, 12, 7), QTime(6, 0, 0)));  // Monday
        bells.reset();
        startNow();
        while (clock.now() < QDateTime(QDate(2026, 12, 14), QTime(0, 30, 0))) {
            clock.advance(1);
            bells.tick();
            if (clock.now().time() == QTime(13, 0, 0)) {
                days.append(dayName() + " " + bells.todayBells().join(' ') + " | next " +
                            QString::fromStdString(bells.nextBell().time));
            }
        }

        QCOMPARE(rung, (QStringList{
                           "Mon 08:00 bell.wav",
                           "Mon 12:00 bell.wav",
                           "Tue 08:00 bell.wav",
                           "Tue 12:00 bell.wav",
                           "Thu 09:30 exam.wav",
                           "Thu 11:00 exam-end.wav",
                           "Fri 08:00 bell.wav",
                           "Fri 12:00 bell.wav",
                           "Sat 08:00 bell.wav",
                           "Sat 12:00 bell.wav",
                           "Sun 08:00 bell.wav",
                           "Sun 12:00 bell.wav",
                       }));
        // After the last bell "Apply week" shows tomorrow's first bell, unless tomorrow or today
        // is an exception.
        QCOMPARE(days, (QStringList{
                           "Mon 08hr00min 12hr00min | next 08hr 00min",
                           "Tue 08hr00min 12hr00min | next NEXT DAY",
                           "Wed  | next NEXT DAY",
                           "Thu 09hr30min 11hr00min | next NEXT DAY",
                           "Fri 08hr00min 12hr00min | next 08hr 00min",
                           "Sat 08hr00min 12hr00min | next 08hr 00min",
                           "Sun 08hr00min 12hr00min | next 08hr 00min",
                       }));
        // One ring-log note for each day an exception made.
        QCOMPARE(applied.count(), 2);
        QCOMPARE(applied.at(0).first().toString(),
                 QStringLiteral("calendar: Holiday: no bells (2026-12-09) for 2026-12-09"));
        QCOMPARE(applied.at(1).first().toString(),
                 QStringLiteral("calendar: Exam day: ring templet 2 (2026-12-10) for 2026-12-10"));
        QVERIFY(bells.isRunning());
    }

    // An exception whose template was never saved: the day rings its own bells, and says why.
    void unsavedTemplateLeavesTheDayItsOwnBells() {
        ProgramFolder folder;
        folder.writeData("calendar.ini", "2026-12-07,2026-12-07,5,Sports day\r\n");
        SettingsStore store(folder.path() + "/data");
        SchoolCalendar stored(&store);
        stored.load();
        BellCalendar calendar;
        calendar.setDays(storedDays(store, stored));
        QSignalSpy problems(&calendar, &BellCalendar::problem);
        FakeClock clock;
        clock.set(QDateTime(QDate(2026, 12, 7), QTime(7, 0, 0)));
        BellService bells(&clock);
        bells.setCalendar(&calendar);
        BellService::Plan plan;
        plan.entries = {"08hr 00min/bell.wav"};
        bells.reset();
        bells.markStartAttempt();
        bells.start(plan);
        QCOMPARE(bells.todayBells(), QStringList{"08hr00min"});
        QCOMPARE(problems.count(), 1);
        QVERIFY2(problems.at(0).first().toString().contains("templet 5, which has no saved times"),
                 qPrintable(problems.at(0).first().toString()));
    }
};

QTEST_GUILESS_MAIN(TestCalendarWeek)
#include "test_calendarweek.moc"
