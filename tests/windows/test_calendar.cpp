// The school calendar from the windows: importing an iCalendar file (the list shown before
// anything is added, each holiday added once, a damaged or oversized file refused with the calendar
// unchanged, an import running on while the window goes on, cancelled or closed changing nothing),
// today's exception in the bell window and in a running service, and a subscribed calendar's days
// listed apart, kept from editing and gone with their subscription.
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "core/bells/ringlog.h"
#include "ui/calendar/calendarwindow.h"
#include "ui/calendar/icspreview.h"
#include "core/calendar/schoolcalendar.h"
#include "windowfixture.h"

namespace {

QString writeIcs(const ProgramFolder& folder, const QString& name, const QByteArray& events) {
    const QString path = folder.path() + "/" + name;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//School year//EN\r\n" + events +
               "END:VCALENDAR\r\n");
    return path;
}

// Today is Monday 2026-12-07 (the fake clock's day). A one-day event without an end (a Thursday), the winter
// holidays over the year end, a club that meets every Friday since November except on Christmas
// Day, and a parents' evening with a time of day.
const QByteArray kSchoolYear =
    "BEGIN:VEVENT\r\nUID:a@test\r\nDTSTART;VALUE=DATE:20261217\r\nSUMMARY:Staff training\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:b@test\r\nDTSTART;VALUE=DATE:20261221\r\nDTEND;VALUE=DATE:20270104\r\n"
    "SUMMARY:Winter holidays\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:c@test\r\nDTSTART;VALUE=DATE:20261106\r\nDTEND;VALUE=DATE:20261107\r\n"
    "RRULE:FREQ=WEEKLY;BYDAY=FR\r\nEXDATE;VALUE=DATE:20261225\r\nSUMMARY:Friday club\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:d@test\r\nDTSTART:20261215T180000\r\nDTEND:20261215T200000\r\n"
    "SUMMARY:Parents evening\r\nEND:VEVENT\r\n";

// 100 000 one-day events on the days from today on, one after the other.
QByteArray dailyEvents() {
    QByteArray events;
    for (int i = 0; i < 100000; ++i) {
        events += "BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:" +
                  QDate(2026, 12, 7).addDays(i).toString("yyyyMMdd").toLatin1() + "\r\nEND:VEVENT\r\n";
    }
    return events;
}

// Starts an import with `start` and waits until it is over.
void imported(CalendarWindow* c, const std::function<void()>& start) {
    QSignalSpy ended(c, &CalendarWindow::importEnded);
    start();
    QVERIFY(ended.wait(60000));
}

QStringList items(QListWidget* list) {
    QStringList all;
    for (int i = 0; i < list->count(); ++i) {
        all.append(list->item(i)->text());
    }
    return all;
}

}  // namespace

class TestCalendar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void importShowsTheListFirstAndAddsEachHolidayOnce() {
        WindowFixture f;
        auto* w = f.load();
        CalendarWindow* c = w->calendarWindow();
        // Typed by hand before the import: the same holidays under another name, each date typed
        // over the whole field, with separators or without.
        for (auto [box, keys] : {std::pair{c->firstDay, "20261221"}, std::pair{c->lastDay, "2027-1-3"}}) {
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(box, keys);
        }
        c->what->setCurrentIndex(0);
        c->label->setText("Christmas");
        c->addException->click();
        const QByteArray typed = f.folder.readData("calendar.ini");
        QCOMPARE(typed, QByteArray("2026-12-21,2027-01-03,0,Christmas\r\n"));

        QStringList shown;
        QString summary;
        QByteArray fileWhileShown;
        bool addEnabled = false;
        f.fakes.dialogs.whileModal = [&](QWidget* window) {
            auto* preview = qobject_cast<IcsPreview*>(window);
            QVERIFY(preview);
            shown = items(preview->icsList);
            summary = preview->icsSummary->text();
            fileWhileShown = f.folder.readData("calendar.ini");
            addEnabled = preview->addImported->isEnabled();
            (addEnabled ? preview->addImported : preview->cancelImport)->click();
        };
        f.fakes.dialogs.files.enqueue(writeIcs(f.folder, "school.ics", kSchoolYear));
        imported(c, [c] { c->importIcs->click(); });

        // Fridays from the first one after today up to 400 days ahead (2028-01-11), Christmas Day left out.
        QStringList fridays;
        for (QDate d(2026, 12, 11); d < QDate(2028, 1, 11); d = d.addDays(7)) {
            if (d != QDate(2026, 12, 25)) {
                fridays.append(d.toString(Qt::ISODate));
            }
        }
        QCOMPARE(fridays.size(), 56);
        QStringList expectedShown;
        for (const QString& d : fridays) {
            expectedShown.append(d + "   Friday club");
        }
        expectedShown.insert(1, "2026-12-17   Staff training");
        expectedShown.insert(3, "2026-12-21 to 2027-01-03   Winter holidays   (already in the calendar)");
        QCOMPARE(shown, expectedShown);
        QCOMPARE(fileWhileShown, typed);  // nothing is added before the operator says so
        QVERIFY(f.fakes.dialogs.messages.isEmpty());

        QStringList lines;
        for (const QString& d : fridays) {
            lines.append(d + "," + d + ",0,Friday club");
        }
        lines.append("2026-12-17,2026-12-17,0,Staff training");
        lines.append("2026-12-21,2027-01-03,0,Christmas");
        lines.sort();
        const QByteArray after = f.folder.readData("calendar.ini");
        QCOMPARE(after, (lines.join("\r\n") + "\r\n").toUtf8());
        QCOMPARE(c->exceptionList->topLevelItemCount(), 58);

        // The same file again: everything is already there, nothing can be added. Its name is
        // shown as it is, even with a placeholder's look.
        f.fakes.dialogs.files.enqueue(writeIcs(f.folder, "term %2.ics", kSchoolYear));
        imported(c, [c] { c->importIcs->click(); });
        QVERIFY(!addEnabled);
        QVERIFY2(summary.startsWith("term %2.ics: 58 all-day events from today on, 0 of them new."),
                 qPrintable(summary));
        QCOMPARE(shown.size(), 58);
        QCOMPARE(shown.filter("(already in the calendar)").size(), 58);
        QCOMPARE(f.folder.readData("calendar.ini"), after);
    }

    void damagedFileIsRefusedAndChangesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("cut short")
            << QByteArray(
                   "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\n"
                   "DTSTART;VALUE=DATE:20261224\r\nSUMMARY:Holiday\r\n")
            << "broken.ics was not imported: the file is cut short or damaged: a BEGIN has "
               "no matching END. The calendar is unchanged.";
        QTest::newRow("no such day")
            << QByteArray(
                   "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20261345\r\n"
                   "SUMMARY:Sports day\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
            << "broken.ics was not imported: the event \"Sports day\" has no start date "
               "that can be read. The calendar is unchanged.";
        QTest::newRow("repeat rule")
            << QByteArray(
                   "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20261224\r\n"
                   "RRULE:FREQ=SOMETIMES\r\nSUMMARY:Club\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
            << "broken.ics was not imported: the event \"Club\" cannot be read: Can't parse "
               "as RECUR value in RRULE property. Removing entire property: FREQ=SOMETIMES. "
               "The calendar is unchanged.";
        QTest::newRow("not a calendar")
            << QByteArray("Holidays 2026:\n24.12.-1.1.\n")
            << "broken.ics was not imported: the file is not an iCalendar file (it has "
               "no BEGIN:VCALENDAR). The calendar is unchanged.";
    }
    void damagedFileIsRefusedAndChangesNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        WindowFixture f;
        const QByteArray before("2026-12-21,2027-01-03,0,Winter holidays\r\n");
        f.folder.writeData("calendar.ini", before);
        auto* w = f.load();
        const QString path = f.folder.path() + "/broken.ics";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        f.fakes.dialogs.files.enqueue(path);
        imported(w->calendarWindow(), [w] { w->calendarWindow()->importIcs->click(); });
        QCOMPARE(f.fakes.dialogs.texts(), QStringList{message});
        QCOMPARE(f.fakes.dialogs.messages.first().title, QString("Warning"));
        QVERIFY(f.fakes.dialogs.modals.isEmpty());  // no list to add from
        QCOMPARE(f.folder.readData("calendar.ini"), before);
        QCOMPARE(w->calendarWindow()->exceptionList->topLevelItemCount(), 1);
    }

    // Files that once took minutes and gigabytes: 300 rules repeating every second give each day of
    // the 400 looked at once; 100 000 one-day events are refused. Neither changes the calendar.
    void largeFilesFinishOrAreRefused() {
        WindowFixture f;
        const QByteArray before("2026-12-21,2027-01-03,0,Winter holidays\r\n");
        f.folder.writeData("calendar.ini", before);
        CalendarWindow* c = f.load()->calendarWindow();
        QByteArray rules =
            "BEGIN:VEVENT\r\nUID:s@test\r\nDTSTART;VALUE=DATE:20261201\r\nSUMMARY:Every second\r\n";
        for (int i = 0; i < 300; ++i) {
            rules += "RRULE:FREQ=SECONDLY\r\n";
        }
        rules += "END:VEVENT\r\n";
        QStringList shown;
        f.fakes.dialogs.whileModal = [&](QWidget* window) {
            auto* preview = qobject_cast<IcsPreview*>(window);
            QVERIFY(preview);
            shown = items(preview->icsList);
            preview->cancelImport->click();
        };
        imported(c, [&] { c->importFile(writeIcs(f.folder, "seconds.ics", rules)); });
        QCOMPARE(shown.size(), 400);
        QCOMPARE(shown.first(), QString("2026-12-07   Every second"));
        QCOMPARE(shown.last(), QString("2028-01-10   Every second"));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());

        imported(c, [&] { c->importFile(writeIcs(f.folder, "days.ics", dailyEvents())); });
        QCOMPARE(f.fakes.dialogs.texts(),
                 QStringList{"days.ics was not imported: it would give more than 20000 date "
                             "exceptions. The calendar is unchanged."});
        QCOMPARE(f.fakes.dialogs.modals.size(), 1);  // the first file's list only
        QCOMPARE(f.folder.readData("calendar.ini"), before);
        QCOMPARE(c->exceptionList->topLevelItemCount(), 1);
    }

    // The file is read on a worker while the window's thread goes on: a second import cannot start
    // meanwhile; Cancel in the busy box, or closing the window, ends it with nothing shown or
    // changed, however soon the worker finishes; the next import works as usual.
    void anImportRunsWhileTheWindowGoesOn() {
        WindowFixture f;
        const QByteArray before("2026-12-21,2027-01-03,0,Winter holidays\r\n");
        f.folder.writeData("calendar.ini", before);
        CalendarWindow* c = f.load()->calendarWindow();
        const QString large = writeIcs(f.folder, "days.ics", dailyEvents());
        const QString school = writeIcs(f.folder, "school.ics", kSchoolYear);
        f.fakes.dialogs.whileModal = [](QWidget* window) {
            qobject_cast<IcsPreview*>(window)->addImported->click();
        };
        imported(c, [&] {
            c->importFile(large);
            auto* busy = c->findChild<QProgressDialog*>("importProgress");
            QVERIFY(busy);
            QCOMPARE(busy->windowModality(), Qt::WindowModal);
            QVERIFY(!c->importIcs->isEnabled());
            c->importFile(school);
            QCOMPARE(c->findChildren<QProgressDialog*>().size(), 1);
            busy->findChild<QPushButton*>()->click();
        });
        c->show();
        imported(c, [&] {
            c->importFile(large);
            c->closeCalendar->click();
        });
        QVERIFY(c->findChild<QProgressDialog*>() == nullptr);
        QVERIFY(c->importIcs->isEnabled());
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        QVERIFY(f.fakes.dialogs.modals.isEmpty());
        QCOMPARE(f.folder.readData("calendar.ini"), before);

        imported(c, [&] { c->importFile(school); });
        QCOMPARE(f.fakes.dialogs.modals.size(), 1);
        QVERIFY(f.folder.readData("calendar.ini").contains("2026-12-17,2026-12-17,0,Staff training\r\n"));
    }

    // A holiday today: shown beside the date, the running day rings nothing; deleted while the
    // service runs, the day's own bells come back at once. A damaged line is left out and reported.
    void todaysExceptionInTheBellWindow() {
        WindowFixture f;
        f.folder.addSound("bell.wav");
        f.writeOptions(2, 1, 0);
        f.folder.writeData("mdata.ini", "10hr 00min/bell.wav\r\n");
        f.folder.writeData("calendar.ini",
                           "2026-12-07,2026-12-08,0,Snow days\r\n2026-12-32,2026-12-32,0,Typo\r\n");
        auto* w = f.load();
        QVERIFY2(find<QLabel>(w, "warningLine")
                     ->text()
                     .endsWith("calendar.ini: line 2 is not a valid date exception and was left out"),
                 qPrintable(find<QLabel>(w, "warningLine")->text()));
        w->onClockTick();
        f.settle();
        QCOMPARE(find<QLabel>(w, "calendarDay")->text(), QString("Snow days: no bells"));
        w->onStartClicked();
        f.settle();
        QCOMPARE(f.bells().serviceRunning(), 1);
        QVERIFY(f.list("todayList").isEmpty());
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString("NEXT DAY"));

        f.fakes.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        CalendarWindow* c = w->calendarWindow();
        c->selectRow(0);
        c->deleteException->click();
        QCOMPARE(f.folder.readData("calendar.ini"), QByteArray(""));
        QCOMPARE(f.bells().serviceRunning(), 1);
        QCOMPARE(f.list("todayList"), QStringList{"10hr00min"});
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString("10hr 00min"));
        QVERIFY(find<QLabel>(w, "calendarDay")->text().isEmpty());
    }

    // A feed that fails while the program starts, before the window listens, still reaches the
    // warning line; and leaves it when a fetch succeeds.
    void aFeedThatFailedAtStartIsOnTheWarningLine() {
        WindowFixture f;
        f.folder.addSound("bell.wav");
        f.services = std::make_unique<ProgramServices>(f.fakes.ports(), f.folder.path(), false);
        f.services->log().lastingProblem("feed https://example.org/school.ics",
                                         "the calendar subscription \"School board\" could not be fetched");
        f.window = std::make_unique<MainWindow>(f.fakes.ports(), f.services->services(), f.folder.path(), false);
        f.window->startUp();
        f.settle();
        auto* warning = find<QLabel>(f.window.get(), "warningLine");
        QVERIFY(warning->isVisible());
        QVERIFY(warning->text().contains("\"School board\" could not be fetched"));
        f.services->log().endProblem("feed https://example.org/school.ics", "fetched again");
        QVERIFY(!warning->isVisible());
    }

    void subscribedDaysListedApartAndGoWithTheirSubscription() {
        WindowFixture f;
        f.folder.addSound("bell.wav");
        f.writeOptions(2, 1, 0);
        f.folder.writeData("mdata.ini", "10hr 00min/bell.wav\r\n");
        f.folder.writeData("calendar.ini", "2026-12-24,2026-12-24,0,Christmas Eve\r\n");
        const QString address = "https://example.org/school.ics";
        // A second subscription whose feed was never fetched: listed with its state all the same.
        const QString unfetched = "https://example.net/district.ics";
        f.folder.writeData("subscriptions.ini",
                           address.toUtf8() + " School board\r\n" + unfetched.toUtf8() + " District\r\n");
        saveFeedProblem(f.folder.path() + "/data", unfetched,
                        {QDateTime(QDate(2026, 12, 7), QTime(7, 30)), "Connection refused"});
        FeedCopy copy;
        copy.fetched = QDateTime(QDate(2026, 12, 6), QTime(6, 0));
        copy.exceptions = {{corvalin::calendar::fromQDate(QDate(2026, 12, 7)),
                            corvalin::calendar::fromQDate(QDate(2026, 12, 7)), corvalin::calendar::kNoBells,
                            "Strike day"}};
        QVERIFY(saveFeedCopy(f.folder.path() + "/data", address, "BEGIN:VCALENDAR", copy));
        auto* w = f.load();
        w->onStartClicked();
        f.settle();
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString("NEXT DAY"));

        CalendarWindow* c = w->calendarWindow();
        QCOMPARE(c->subscriptionList->topLevelItemCount(), 2);
        // What it silences is counted from the computer's own date, which the test does not set.
        QVERIFY(c->subscriptionList->topLevelItem(0)->text(2).startsWith(
            "fetched 2026-12-06 06:00: 1 date exception without bells"));
        QCOMPARE(c->subscriptionList->topLevelItem(1)->text(0), QString("District"));
        QCOMPARE(c->subscriptionList->topLevelItem(1)->text(2),
                 QString("no copy yet: it decides no day; could not be fetched at 2026-12-07 07:30: "
                         "Connection refused"));
        c->subscriptionList->setCurrentItem(c->subscriptionList->topLevelItem(1));
        f.fakes.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        c->unsubscribeFeed->click();
        QCOMPARE(c->subscriptionList->topLevelItemCount(), 1);
        QCOMPARE(f.folder.readData("subscriptions.ini"), address.toUtf8() + " School board\r\n");
        QVERIFY(!QFile::exists(feedCopyPath(f.folder.path() + "/data", unfetched, ".problem")));
        QCOMPARE(c->exceptionList->topLevelItemCount(), 2);
        QCOMPARE(c->exceptionList->topLevelItem(1)->text(2), QString("Strike day (subscribed: School board)"));
        c->selectRow(1);
        c->changeException->click();
        QVERIFY(f.fakes.dialogs.texts().last().contains("come from the subscription \"School board\""));
        QCOMPARE(f.folder.readData("calendar.ini"), QByteArray("2026-12-24,2026-12-24,0,Christmas Eve\r\n"));

        f.fakes.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        c->deleteException->click();
        QCOMPARE(f.folder.readData("subscriptions.ini"), QByteArray(""));
        QVERIFY(!QFile::exists(feedCopyPath(f.folder.path() + "/data", address, ".ini")));
        QCOMPARE(c->exceptionList->topLevelItemCount(), 1);
        QCOMPARE(c->subscriptionList->topLevelItemCount(), 0);
        f.settle();
        QCOMPARE(f.list("todayList"), QStringList{"10hr00min"});
    }
};

QTEST_MAIN(TestCalendar)
#include "test_calendar.moc"
