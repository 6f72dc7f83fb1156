// The school calendar's date exceptions: which one decides a day, dates across a year end and
// 29 February, and the lines of calendar.ini.
#include <QtTest>
#include <algorithm>

#include "engine/schedule/dateexceptions.h"

using namespace corvalin::calendar;

namespace {

Date day(const char* text) {
    const auto date = parseDate(text);
    if (!date) {
        qFatal("not a date: %s", text);
    }
    return *date;
}

DateException exception(const char* first, const char* last, int what, const char* label) {
    return {day(first), day(last), what, label};
}

// The label of the exception that decides the day, or "-".
QString decider(const std::vector<DateException>& list, const char* date) {
    const auto index = decidingException(list, day(date));
    return index ? QString::fromStdString(list[*index].label) : QStringLiteral("-");
}

}  // namespace

class TestDateExceptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Holidays over the year end with a one-day carol service inside them, a staff day on the
    // holidays' first day, and an exam week that starts in the holidays and runs past them.
    void overlappingExceptionsTheOneThatStartsLaterWins_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("decides");
        QTest::newRow("before everything") << "2026-12-20"
                                           << "-";
        QTest::newRow("same start: the narrower one") << "2026-12-21"
                                                      << "Staff day";
        QTest::newRow("holidays") << "2026-12-22"
                                  << "Winter holidays";
        QTest::newRow("one day inside the holidays") << "2026-12-23"
                                                     << "Carol service";
        QTest::newRow("holidays again") << "2026-12-24"
                                        << "Winter holidays";
        QTest::newRow("exam week starts later") << "2026-12-30"
                                                << "Exam week";
        QTest::newRow("across the year end") << "2027-01-01"
                                             << "Exam week";
        QTest::newRow("after the holidays end") << "2027-01-06"
                                                << "Exam week";
        QTest::newRow("after everything") << "2027-01-07"
                                          << "-";
    }
    void overlappingExceptionsTheOneThatStartsLaterWins() {
        QFETCH(QString, date);
        QFETCH(QString, decides);
        std::vector<DateException> list{
            exception("2026-12-21", "2027-01-03", kNoBells, "Winter holidays"),
            exception("2026-12-23", "2026-12-23", 2, "Carol service"),
            exception("2026-12-21", "2026-12-21", 3, "Staff day"),
            exception("2026-12-30", "2027-01-06", 4, "Exam week"),
        };
        const QByteArray d = date.toLatin1();
        QCOMPARE(decider(list, d.constData()), decides);
        // The order of the list does not matter.
        std::reverse(list.begin(), list.end());
        QCOMPARE(decider(list, d.constData()), decides);
        sortExceptions(list);
        QCOMPARE(decider(list, d.constData()), decides);
    }

    void datesExistOrAreRefused() {
        QCOMPARE(parseDate("2028-02-29"), std::optional<Date>(std::chrono::year(2028) / 2 / 29));
        QCOMPARE(parseDate("2000-02-29").has_value(), true);   // divisible by 400
        QCOMPARE(parseDate("2027-02-29").has_value(), false);  // not a leap year
        QCOMPARE(parseDate("2100-02-29").has_value(), false);  // a century, not by 400
        QCOMPARE(parseDate("2026-04-31").has_value(), false);
        QCOMPARE(parseDate("2026-13-01").has_value(), false);
        QCOMPARE(parseDate("2026-00-10").has_value(), false);
        QCOMPARE(parseDate("2026-1-05").has_value(), false);
        QCOMPARE(parseDate("2026-01-05 ").has_value(), false);
        QCOMPARE(parseDate("26-01-05").has_value(), false);
        QCOMPARE(formatDate(std::chrono::year(987) / 3 / 4), std::string("0987-03-04"));
    }

    void leapDayAndYearEndAreCoveredLikeAnyOtherDay() {
        const std::vector<DateException> list{
            exception("2028-02-28", "2028-03-01", kNoBells, "Winter break"),
            exception("2028-02-29", "2028-02-29", 5, "Leap day"),
            exception("2027-12-31", "2028-01-01", kNoBells, "New year"),
        };
        QCOMPARE(decider(list, "2028-02-27"), QStringLiteral("-"));
        QCOMPARE(decider(list, "2028-02-28"), QStringLiteral("Winter break"));
        QCOMPARE(decider(list, "2028-02-29"), QStringLiteral("Leap day"));
        QCOMPARE(decider(list, "2028-03-01"), QStringLiteral("Winter break"));
        QCOMPARE(decider(list, "2028-03-02"), QStringLiteral("-"));
        QCOMPARE(decider(list, "2027-12-30"), QStringLiteral("-"));
        QCOMPARE(decider(list, "2027-12-31"), QStringLiteral("New year"));
        QCOMPARE(decider(list, "2028-01-01"), QStringLiteral("New year"));
        QCOMPARE(decider(list, "2028-01-02"), QStringLiteral("-"));
    }

    // Every invalid line is left out and named by its number; the rest are kept in calendar order
    // and written back as they were read.
    void calendarFileKeepsValidLinesAndNamesTheOthers() {
        const std::vector<std::string> lines{
            "2027-03-01,2027-03-01,2,Exam day, short timetable",  // 1: a comma in the label
            "2026-12-24,2027-01-01,0,Winter holidays",            // 2
            "2027-02-29,2027-02-29,0,No such day",                // 3
            "2027-01-10,2027-01-09,0,Ends before it starts",      // 4
            "2027-01-10,2027-01-10,7,No templet 7",               // 5
            "2027-01-10,2027-01-10,0",                            // 6: no label field
            "",                                                   // 7
            "2027-01-10,2027-01-10,0,Tab\there",                  // 8
            "2027-01-10,2027-01-10,00,Two digits",                // 9
            "2027-05-01,2027-05-01,0,",                           // 10: an empty label
        };
        std::vector<int> dropped;
        const auto list = parseCalendar(lines, &dropped);
        QCOMPARE(dropped, (std::vector<int>{3, 4, 5, 6, 7, 8, 9}));
        QCOMPARE(formatCalendar(list),
                 (std::vector<std::string>{"2026-12-24,2027-01-01,0,Winter holidays",
                                           "2027-03-01,2027-03-01,2,Exam day, short timetable",
                                           "2027-05-01,2027-05-01,0,"}));
        QCOMPARE(summaryText(list[1]), std::string("Exam day, short timetable: ring templet 2"));
        QCOMPARE(summaryText(list[2]), std::string("no bells"));
    }
};

QTEST_GUILESS_MAIN(TestDateExceptions)
#include "test_dateexceptions.moc"
