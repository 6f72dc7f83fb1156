// The start rule: which refusal wins when several apply, the plan of each mode, and the day a
// running service goes on into at midnight.
#include <QtTest>
#include <functional>

#include "engine/schedule/startrule.h"

using namespace corvalin::startrule;
using corvalin::settings::IntervalSettings;
using corvalin::settings::TimeList;

using Change = std::function<void(StartInputs&)>;
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Plan)
Q_DECLARE_METATYPE(Answer)

namespace corvalin::startrule {

// What QCOMPARE prints for a plan that differs.
char* toString(const Plan& p) {
    std::string s = std::string(p.applyWeek ? "week " : "each day ") + (p.noBell ? "no rings " : "");
    if (p.interval) {
        const auto& i = p.intervalPlan;
        s += "interval " + std::to_string(i.startMinute) + "-" + std::to_string(i.endMinute) + " work " +
             std::to_string(i.work) + " rest " + std::to_string(i.rest) + " pre " +
             std::to_string(i.preBell1On) + "/" + std::to_string(i.preBell1) + " " +
             std::to_string(i.preBell2On) + "/" + std::to_string(i.preBell2) + " no rings " +
             std::to_string(i.noBell) + " sounds " + i.startSound + "," + i.endSound + "," + i.preBell1Sound +
             "," + i.preBell2Sound;
    } else {
        s += "list";
        for (const auto& entry : p.entries) {
            s += " [" + entry + "]";
        }
    }
    return qstrdup(s.c_str());
}

}  // namespace corvalin::startrule

namespace {

// 09:00 to 12:00, lessons of 50 and breaks of 10 minutes, an alarm 5 minutes after each start
// bell and 5 before each end bell.
IntervalSettings morning() {
    IntervalSettings s;
    s.startHour = " 9 ";
    s.startMinute = "0";
    s.exitHour = "12";
    s.exitMinute = "0";
    s.work = "50";
    s.rest = "10";
    s.startSound = "start.wav";
    s.endSound = "end.wav";
    s.preBell1On = true;
    s.preBell1 = "5";
    s.preBell1Sound = "pre1.wav";
    s.preBell2On = true;
    s.preBell2 = "5";
    s.preBell2Sound = "pre2.wav";
    return s;
}

// The plan of morning(), as the ring table reads it.
Plan morningPlan(bool applyWeek, bool noBell) {
    Plan p;
    p.interval = true;
    p.applyWeek = applyWeek;
    p.noBell = noBell;
    p.intervalPlan = {.startMinute = 540,
                      .endMinute = 720,
                      .work = 50,
                      .rest = 10,
                      .startSound = "start.wav",
                      .endSound = "end.wav",
                      .noBell = noBell,
                      .preBell1On = true,
                      .preBell2On = true,
                      .preBell1 = 5,
                      .preBell2 = 5,
                      .preBell1Sound = "pre1.wav",
                      .preBell2Sound = "pre2.wav"};
    return p;
}

IntervalSettings endsBeforeItStarts() {
    IntervalSettings s = morning();
    s.exitHour = "8";
    return s;
}

SoundFolder sounds() {
    return {"/school/sound", {"Bell.WAV", "chime.wav"}};
}

// Everything a start can find wrong at once: an empty folder, "Auto interval" with no sound
// chosen, a start hour out of range and, once it is 9, no room between 09:00 and 09:30; an empty
// time list with "Apply week".
StartInputs allWrong() {
    StartInputs in;
    in.sounds = {"/school/sound", {}};
    in.applyWeek = true;
    in.interval = true;
    in.selectedSound = -1;
    in.intervalSettings = morning();
    in.intervalSettings.startHour = "24";
    in.intervalSettings.exitHour = "9";
    in.intervalSettings.exitMinute = "30";
    return in;
}

}  // namespace

class TestStartRule : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each row mends what the rows before it refused: the next check in order refuses.
    void refusalsInOrder_data() {
        QTest::addColumn<Change>("mend");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("logLine");
        QTest::addColumn<bool>("attempted");
        QTest::addColumn<int>("startMinute");  // -1: none found
        QTest::newRow("empty folder first")
            << Change([](StartInputs&) {}) << "/school/sound folder must over one sound file"
            << "/school/sound folder must over one sound file" << false << -1;
        QTest::newRow("a file that is no wave")
            << Change([](StartInputs& in) {
                   in.sounds.files = {"bell.wav", "notes.txt"};
               })
            << "Add Only wave file to sound folder. Please, delete non wave file from\n/school/sound."
            << "Add Only wave file to sound folder. Please, delete non wave file from /school/sound." << false
            << -1;
        QTest::newRow("no sound chosen")
            << Change([](StartInputs& in) { in.sounds = sounds(); }) << "Please select bell sound"
            << "Please select bell sound" << true << -1;
        QTest::newRow("a stored choice past the list") << Change([](StartInputs& in) {
            in.sounds = sounds();
            in.selectedSound = 2;
        }) << "Please select bell sound"
                                                       << "Please select bell sound" << true << -1;
        QTest::newRow("the interval's times") << Change([](StartInputs& in) {
            in.sounds = sounds();
            in.selectedSound = 1;
        }) << "(Start Hour)Please input digit between 0 and 23"
                                              << "(Start Hour)Please input digit between 0 and 23" << true
                                              << -1;
        QTest::newRow("times that pass give their minutes to a later refusal")
            << Change([](StartInputs& in) {
                   in.sounds = sounds();
                   in.selectedSound = 1;
                   in.intervalSettings.startHour = "9";
               })
            << "Start time and end time is must over sum of work time and rest time."
            << "Start time and end time is must over sum of work time and rest time." << true << 540;
        QTest::newRow("manual mode asks for neither a sound nor good interval settings")
            << Change([](StartInputs& in) {
                   in.sounds = sounds();
                   in.interval = false;
               })
            << "nothing added time. please add time."
            << "nothing added time. please add time." << true << -1;
    }
    void refusalsInOrder() {
        QFETCH(Change, mend);
        QFETCH(QString, message);
        QFETCH(QString, logLine);
        QFETCH(bool, attempted);
        QFETCH(int, startMinute);
        StartInputs in = allWrong();
        mend(in);
        const Answer answer = decideStart(in);
        const auto* refusal = std::get_if<Refusal>(&answer);
        QVERIFY(refusal);
        QCOMPARE(QString::fromStdString(refusal->message), message);
        QCOMPARE(QString::fromStdString(oneLine(refusal->message)), logLine);
        QCOMPARE(startAttempted(answer), attempted);
        QCOMPARE(refusal->startMinute.value_or(-1), startMinute);
        QCOMPARE(refusal->endMinute.value_or(-1), startMinute < 0 ? -1 : 570);
    }

    void planOfEachMode_data() {
        QTest::addColumn<Change>("inputs");
        QTest::addColumn<Plan>("plan");
        const std::vector<std::string> list{"08hr 50min/bell.wav", "07hr 10min/chime.wav"};
        Plan weekList;
        weekList.entries = list;
        QTest::newRow("Apply week, manual: the list in its order") << Change([list](StartInputs& in) {
            in.times = {false, list};
        }) << weekList;
        Plan quietDay;
        quietDay.applyWeek = false;
        quietDay.noBell = true;
        QTest::newRow("Set each day, manual: an empty list may start, with No rings")
            << Change([](StartInputs& in) {
                   in.applyWeek = false;
                   in.times = {true, {}};
               })
            << quietDay;
        QTest::newRow("Apply week, interval: the numbers of the texts") << Change([](StartInputs& in) {
            in.interval = true;
            in.selectedSound = 0;
            in.intervalSettings = morning();
        }) << morningPlan(true, false);
        QTest::newRow("Set each day, interval, with No rings") << Change([](StartInputs& in) {
            in.applyWeek = false;
            in.interval = true;
            in.selectedSound = 1;
            in.intervalSettings = morning();
            in.intervalSettings.noBell = true;
        }) << morningPlan(false, true);
    }
    void planOfEachMode() {
        QFETCH(Change, inputs);
        QFETCH(Plan, plan);
        StartInputs in;
        in.sounds = sounds();
        // What the other mode would read is wrong: it is not looked at.
        in.intervalSettings = endsBeforeItStarts();
        inputs(in);
        const Answer answer = decideStart(in);
        QVERIFY(std::holds_alternative<Plan>(answer));
        QCOMPARE(std::get<Plan>(answer), plan);
        QVERIFY(startAttempted(answer));
    }

    // Midnight: the running plan and the new day's stored list and interval settings.
    void dayAfterMidnight_data() {
        QTest::addColumn<Plan>("running");
        QTest::addColumn<bool>("noSounds");
        QTest::addColumn<Answer>("answer");
        Plan eachDayList;
        eachDayList.applyWeek = false;
        eachDayList.entries = {"08hr 50min/bell.wav"};
        Plan dayList = eachDayList;
        dayList.entries = {"07hr 10min/chime.wav", "09hr 20min/bell.wav"};
        dayList.noBell = true;
        Plan eachDayInterval = morningPlan(false, false);

        QTest::newRow("Apply week goes on as it ran, whatever the day's files")
            << morningPlan(true, false) << false << Answer(morningPlan(true, false));
        QTest::newRow("Set each day, manual: the day's list and its No rings")
            << eachDayList << false << Answer(dayList);
        QTest::newRow("Set each day, interval: the day's settings refuse")
            << eachDayInterval << false
            << Answer(Refusal{"must end time bigger then start time", false, {}, {}});
        QTest::newRow("the sound folder first, also with Apply week")
            << morningPlan(true, false) << true
            << Answer(Refusal{"/school/sound folder must over one sound file", true, {}, {}});
    }
    void dayAfterMidnight() {
        QFETCH(Plan, running);
        QFETCH(bool, noSounds);
        QFETCH(Answer, answer);
        SoundFolder folder = sounds();
        if (noSounds) {
            folder.files.clear();
        }
        const TimeList dayTimes{true, {"07hr 10min/chime.wav", "09hr 20min/bell.wav"}};
        const Answer got = decideDay(running, folder, dayTimes, endsBeforeItStarts());
        QCOMPARE(got.index(), answer.index());
        if (const auto* plan = std::get_if<Plan>(&answer)) {
            QCOMPARE(std::get<Plan>(got), *plan);
        } else {
            const Refusal& want = std::get<Refusal>(answer);
            QCOMPARE(QString::fromStdString(std::get<Refusal>(got).message),
                     QString::fromStdString(want.message));
            QCOMPARE(startAttempted(got), !want.soundFolder);
        }
    }

    // A day of "Set each day" whose own interval settings pass rings them, not the running day's.
    void dayAfterMidnightRingsTheDaysOwnInterval() {
        IntervalSettings day = morning();
        day.exitHour = "11";
        day.noBell = true;
        Plan want = morningPlan(false, true);
        want.intervalPlan.endMinute = 660;
        const Answer got = decideDay(morningPlan(false, false), sounds(), TimeList{}, day);
        QVERIFY(std::holds_alternative<Plan>(got));
        QCOMPARE(std::get<Plan>(got), want);
    }
};

QTEST_GUILESS_MAIN(TestStartRule)
#include "test_startrule.moc"
