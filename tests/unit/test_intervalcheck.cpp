// Checks of the automatic-interval settings: order of the messages, whole numbers only.
#include <QtTest>

#include "engine/schedule/intervalcheck.h"

using namespace corvalin::interval;

namespace {

IntervalTexts valid() {
    IntervalTexts t;
    t.startHour = "9";
    t.startMinute = "0";
    t.exitHour = "12";
    t.exitMinute = "0";
    t.work = "50";
    t.rest = "10";
    t.preBell1 = "5";
    t.preBell2 = "5";
    return t;
}

}  // namespace

class TestIntervalCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstFailureWins_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("end minute empty") << "em" << "" << "Please input exit minute";
        QTest::newRow("start hour empty") << "sh" << "" << "Please input start hour";
        QTest::newRow("start minute empty") << "sm" << "" << "Please input start minute";
        QTest::newRow("end hour empty") << "eh" << "" << "Please input end hour";
        QTest::newRow("end minute 60") << "em" << "60" << "(End minute)Please input digit between 0 and 59";
        QTest::newRow("start hour 24") << "sh" << "24" << "(Start Hour)Please input digit between 0 and 23";
        QTest::newRow("start minute 99") << "sm" << "99" << "(Start minute)Please input digit between 0 and 59";
        QTest::newRow("end hour 25") << "eh" << "25" << "(End hour)Please input digit between 0 and 23";
        QTest::newRow("work 0") << "w" << "0" << "(Work time)must over 1 minute";
        QTest::newRow("rest 0") << "r" << "0" << "(rest time)must over 1 minute";
        QTest::newRow("start hour not a number") << "sh" << "9a" << "(Start Hour)Please input digit between 0 and 23";
        QTest::newRow("end minute negative") << "em" << "-1" << "(End minute)Please input digit between 0 and 59";
        QTest::newRow("work not a number") << "w" << "abc" << "(Work time)must over 1 minute";
        QTest::newRow("rest blank") << "r" << "  " << "(rest time)must over 1 minute";
        QTest::newRow("end before start") << "eh" << "8" << "must end time bigger then start time";
    }
    void firstFailureWins() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        IntervalTexts t = valid();
        std::string* target = field == "sh"   ? &t.startHour
                              : field == "sm" ? &t.startMinute
                              : field == "eh" ? &t.exitHour
                              : field == "em" ? &t.exitMinute
                              : field == "w"  ? &t.work
                                              : &t.rest;
        *target = text.toStdString();
        const auto result = checkTimes(t);
        QVERIFY(result.message);
        QCOMPARE(QString::fromStdString(*result.message), message);
    }

    // Two fields broken at once: the check that comes first in the start's order is the one
    // reported, whatever the order of the fields on screen.
    void twoBrokenFieldsReportTheEarlierCheck_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("firstText");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("secondText");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty before out of range") << "sh" << "24" << "em" << "" << "Please input exit minute";
        QTest::newRow("end minute before start hour") << "sh" << "24" << "em" << "60"
                                                       << "(End minute)Please input digit between 0 and 59";
        QTest::newRow("start minute before end hour") << "eh" << "24" << "sm" << "60"
                                                       << "(Start minute)Please input digit between 0 and 59";
        QTest::newRow("times before work") << "w" << "0" << "eh" << "24"
                                           << "(End hour)Please input digit between 0 and 23";
        QTest::newRow("work before rest") << "r" << "0" << "w" << "0" << "(Work time)must over 1 minute";
        QTest::newRow("order of the times before the pre-bells") << "eh" << "8" << "p2" << "0"
                                                                  << "must end time bigger then start time";
        QTest::newRow("pre-bells before the room") << "eh" << "9" << "p1" << "0"
                                                   << "(Alarm after start bell time)Please input digit between 1 and 99";
    }
    void twoBrokenFieldsReportTheEarlierCheck() {
        QFETCH(QString, first);
        QFETCH(QString, firstText);
        QFETCH(QString, second);
        QFETCH(QString, secondText);
        QFETCH(QString, message);
        IntervalTexts t = valid();
        t.preBell1On = true;
        auto field = [&t](const QString& name) -> std::string& {
            if (name == "sh") return t.startHour;
            if (name == "sm") return t.startMinute;
            if (name == "eh") return t.exitHour;
            if (name == "em") return t.exitMinute;
            if (name == "w") return t.work;
            if (name == "r") return t.rest;
            return name == "p1" ? t.preBell1 : t.preBell2;
        };
        field(first) = firstText.toStdString();
        field(second) = secondText.toStdString();
        if (second == "p1") {
            t.exitMinute = "30";  // 09:00 to 09:30: no room for a lesson and a break either
        }
        QCOMPARE(QString::fromStdString(checkForStart(t).message.value_or("")), message);
    }

    void everythingEmptyReportsTheEndMinuteFirst() {
        const auto result = checkTimes(IntervalTexts{});
        QCOMPARE(QString::fromStdString(result.message.value_or("")), QString("Please input exit minute"));
    }

    void roomForOneLessonAndOneBreak() {
        IntervalTexts t = valid();
        t.exitHour = "10";
        t.exitMinute = "0";  // 60 minutes = work + rest: refused
        auto result = checkTimes(t);
        QCOMPARE(QString::fromStdString(result.message.value_or("")),
                 QString("Start time and end time is must over sum of work time and rest time."));
        QCOMPARE(result.startMinute, std::optional<int>(540));
        QCOMPARE(result.endMinute, std::optional<int>(600));
        t.exitMinute = "1";  // one minute more passes
        result = checkTimes(t);
        QVERIFY(!result.message);
        QCOMPARE(result.endMinute, std::optional<int>(601));
    }

    void startEqualToEndPasses() {
        IntervalTexts t = valid();
        t.exitHour = "9";
        QVERIFY(!checkTimes(t).message);
    }

    void preBellsAreCheckedOnlyAtTheStartAndOnlyWhenOn() {
        IntervalTexts t = valid();
        t.preBell2 = "0";
        QVERIFY(!checkForStart(t).message);  // both off
        t.preBell1On = true;                 // either on checks both
        QCOMPARE(QString::fromStdString(checkForStart(t).message.value_or("")),
                 QString("(Alarm before end bell time)Please input digit between 1 and 99."));
        QVERIFY(!checkTimes(t).message);
        t.preBell2 = "5";
        t.preBell1 = "100";
        QCOMPARE(QString::fromStdString(checkForStart(t).message.value_or("")),
                 QString("(Alarm after start bell time)Please input digit between 1 and 99"));
        t.preBell1 = "x";
        QCOMPARE(QString::fromStdString(checkForStart(t).message.value_or("")),
                 QString("(Alarm after start bell time)Please input digit between 1 and 99"));
        t.preBell1 = "45";  // 45 + 5 = 50 = work
        QCOMPARE(QString::fromStdString(checkForStart(t).message.value_or("")),
                 QString("Sum of [Alarm after start bell time minute] and [Alarm before end bell minute] is must not "
                         "over work time."));
        t.preBell1 = "44";
        QVERIFY(!checkForStart(t).message);
    }

    void wholeNumbers() {
        QCOMPARE(wholeNumber(" 5 "), std::optional<long>(5));
        QCOMPARE(wholeNumber("05"), std::optional<long>(5));
        QCOMPARE(wholeNumber("-3"), std::optional<long>(-3));
        QCOMPARE(wholeNumber("5.0"), std::nullopt);
        QCOMPARE(wholeNumber("1e3"), std::nullopt);
        QCOMPARE(wholeNumber(""), std::nullopt);
        QCOMPARE(wholeNumber("99999999999999999999"), std::nullopt);
    }
};

QTEST_APPLESS_MAIN(TestIntervalCheck)
#include "test_intervalcheck.moc"
