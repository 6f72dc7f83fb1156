// The iCalendar import's repeating events and its bounds: an iterator that skips ahead to today
// or to the next day gives the same days as one that walks every occurrence, and a file beyond a
// bound is refused with the reason while what the import never reads costs nothing.
#include <QtTest>

#include "core/calendar/icalimport.h"

using namespace corvalin::calendar;

namespace {

// Today is Monday 2026-12-07; the 400 days looked at end on 2028-01-10.
const Date kToday{std::chrono::year(2026), std::chrono::month(12), std::chrono::day(7)};

QByteArray calendar(const QByteArray& eventLines) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:r@test\r\nSUMMARY:Club\r\n" + eventLines +
           "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

IcsImport import(const QByteArray& text, const std::atomic<bool>* cancel = nullptr,
                 std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::now() +
                                                                  kLongestImport) {
    return importIcs(std::string_view(text.constData(), static_cast<std::size_t>(text.size())), kToday,
                     cancel, deadline);
}

QString line(const DateException& e) {
    return QString::fromStdString(formatLine(e));
}

}  // namespace

class TestIcalImport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void repeatingEventsGiveTheirDays_data() {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        // Started at today by the iterator: every Friday from the first after today.
        QTest::newRow("weekly since 1990")
            << QByteArray("DTSTART;VALUE=DATE:19900105\r\nRRULE:FREQ=WEEKLY\r\n") << 57
            << "2026-12-11,2026-12-11,0,Club"
            << "2028-01-07,2028-01-07,0,Club";
        // Three days from a Saturday: the occurrence that began two days ago still covers today.
        QTest::newRow("began before today")
            << QByteArray("DTSTART;VALUE=DATE:20261128\r\nDTEND;VALUE=DATE:20261201\r\nRRULE:FREQ=WEEKLY\r\n")
            << 58 << "2026-12-05,2026-12-07,0,Club"
            << "2028-01-08,2028-01-10,0,Club";
        // 49 hours do not divide a day, so the iterator walks and keeps its rhythm from 2 November:
        // 2026-12-08 18:00 first (started afresh at today it would begin with today).
        QTest::newRow("every 49 hours")
            << QByteArray("DTSTART;VALUE=DATE:20261102\r\nRRULE:FREQ=HOURLY;INTERVAL=49\r\n") << 196
            << "2026-12-08,2026-12-08,0,Club"
            << "2028-01-10,2028-01-10,0,Club";
        // COUNT: counted from the first occurrence, 1 November to 10 December.
        QTest::newRow("forty days") << QByteArray(
                                           "DTSTART;VALUE=DATE:20261101\r\nRRULE:FREQ=DAILY;COUNT=40\r\n")
                                    << 4 << "2026-12-07,2026-12-07,0,Club"
                                    << "2026-12-10,2026-12-10,0,Club";
    }
    void repeatingEventsGiveTheirDays() {
        QFETCH(QByteArray, lines);
        QFETCH(int, count);
        const IcsImport found = import(calendar(lines));
        QCOMPARE(QString::fromStdString(found.error), QString());
        QCOMPARE(static_cast<int>(found.exceptions.size()), count);
        QTEST(line(found.exceptions.front()), "first");
        QTEST(line(found.exceptions.back()), "last");
    }

    void boundsRefuseTheFile_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("error");
        const QByteArray today("DTSTART;VALUE=DATE:20261207\r\n");
        QTest::newRow("rules") << calendar(today +
                                           QByteArray("RRULE:FREQ=YEARLY\r\n").repeated(kMostRules + 1))
                               << "it has more than 10000 repeat rules";
        QByteArray dates = "EXDATE;VALUE=DATE:20270101" + QByteArray(",20270101").repeated(6999) + "\r\n";
        QTest::newRow("values") << calendar(today + "RRULE:FREQ=DAILY\r\n" + dates.repeated(58))
                                << "it has more than 400000 dates and other values";
        QTest::newRow("long line") << calendar(today + "SUMMARY:" + QByteArray(70000, 'a') + "\r\n")
                                   << "a line of it is longer than 65536 characters";
        // COUNT keeps the iterator from skipping to the next day: it would walk every second.
        QTest::newRow("steps") << calendar(today + "RRULE:FREQ=SECONDLY;COUNT=5000000\r\n")
                               << "its repeating events need more than 1000000 steps to work out";
        // More values than the bound, of properties the import never reads: imported.
        QTest::newRow("unread lines")
            << calendar(today +
                        QByteArray("DESCRIPTION:a,b\r\nX-ALT-DESC:a,b\r\n").repeated(kMostValues / 4 + 1))
            << "";
    }
    void boundsRefuseTheFile() {
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        const IcsImport found = import(text);
        QCOMPARE(QString::fromStdString(found.error), error);
        QCOMPARE(found.exceptions.size(), error.isEmpty() ? std::size_t(1) : std::size_t(0));
    }

    // A cancel or a deadline passed stops the import before it has read anything.
    void cancelAndDeadline() {
        const QByteArray text = calendar("DTSTART;VALUE=DATE:20261207\r\n");
        const std::atomic<bool> cancel{true};
        const IcsImport cancelled = import(text, &cancel);
        QVERIFY(cancelled.cancelled);
        QVERIFY(cancelled.exceptions.empty());
        const IcsImport late =
            import(text, nullptr, std::chrono::steady_clock::now() - std::chrono::seconds(1));
        QCOMPARE(QString::fromStdString(late.error), QString("reading it took longer than 10 seconds"));
        QVERIFY(late.exceptions.empty());
    }
};

QTEST_GUILESS_MAIN(TestIcalImport)
#include "test_icalimport.moc"
