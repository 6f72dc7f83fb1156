// The clock-step rule of the bell clock: a step of the clock neither loses nor doubles a bell,
// and a daylight-saving change is no step.
#include <QTest>

#include "engine/schedule/ticklogic.h"

using namespace corvalin::clock;

Q_DECLARE_METATYPE(TickTime)

namespace {

TickTime at(int h, int m, int s) { return {h, m, s, 7}; }
// Central European winter and summer time.
TickTime cet(int h, int m, int s) { return {h, m, s, 7, 60}; }
TickTime cest(int h, int m, int s) { return {h, m, s, 7, 120}; }

// Ticks at each time in turn with the service running over a table of these minutes; the
// minutes whose bells rang, in order.
QList<int> ring(const QList<int>& bells, const QList<TickTime>& ticks) {
    std::vector<int> minutes(bells.begin(), bells.end());
    TickState state = startState(ticks.first());
    QList<int> rung;
    for (const TickTime& now : ticks.mid(1)) {
        TickInput input;
        input.now = now;
        input.serviceRunning = true;
        input.bellMinutes = minutes;
        const TickDecision d = decideTick(state, input);
        state = d.next;
        if (d.ringMinute && bells.contains(*d.ringMinute)) {
            rung.append(*d.ringMinute);
        }
    }
    return rung;
}

constexpr int hm(int h, int m) { return h * 60 + m; }

}  // namespace

class TestTickLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clockSteps_data() {
        QTest::addColumn<QList<int>>("bells");
        QTest::addColumn<QList<TickTime>>("ticks");
        QTest::addColumn<QList<int>>("rung");
        const QList<int> fifty{hm(8, 50)};
        QTest::newRow("forward past a bell rings it at once")
            << fifty << QList<TickTime>{at(8, 49, 0), at(8, 49, 59), at(8, 51, 30), at(8, 51, 31)}
            << QList<int>{hm(8, 50)};
        QTest::newRow("the minute landed in rings its own bell only")
            << QList<int>{hm(8, 50), hm(8, 51)} << QList<TickTime>{at(8, 49, 0), at(8, 49, 59), at(8, 51, 30)}
            << QList<int>{hm(8, 51)};
        QTest::newRow("several passed: the last of them")
            << QList<int>{hm(8, 45), hm(8, 50)} << QList<TickTime>{at(8, 44, 0), at(8, 44, 59), at(8, 52, 0)}
            << QList<int>{hm(8, 50)};
        QTest::newRow("back over a bell does not ring it again")
            << fifty << QList<TickTime>{at(8, 49, 0), at(8, 50, 0), at(8, 50, 30), at(8, 49, 50), at(8, 50, 0)}
            << QList<int>{hm(8, 50)};
        QTest::newRow("two hours forward rings nothing it passed")
            << fifty << QList<TickTime>{at(8, 49, 0), at(8, 49, 59), at(10, 49, 59), at(10, 50, 0)} << QList<int>{};
        QTest::newRow("two hours back rings again")
            << fifty << QList<TickTime>{at(8, 49, 0), at(8, 50, 0), at(10, 51, 0), at(8, 50, 0)}
            << QList<int>{hm(8, 50), hm(8, 50)};
        QTest::newRow("an hour forward without a change of offset rings nothing it passed")
            << QList<int>{hm(2, 30)} << QList<TickTime>{at(1, 59, 0), at(1, 59, 59), at(3, 0, 0), at(3, 1, 0)}
            << QList<int>{};

        // Spring: 02:00 winter time is 03:00 summer time.
        const QList<TickTime> spring{cet(1, 59, 0), cet(1, 59, 59), cest(3, 0, 0), cest(3, 0, 1), cest(3, 1, 0)};
        QTest::newRow("the skipped hour's bell rings after the jump")
            << QList<int>{hm(2, 30)} << spring << QList<int>{hm(2, 30)};
        QTest::newRow("the minute after the jump rings its own bell only")
            << QList<int>{hm(2, 30), hm(3, 0)} << spring << QList<int>{hm(3, 0)};
        QTest::newRow("two bells in the skipped hour ring once in all")
            << QList<int>{hm(2, 15), hm(2, 45)} << spring << QList<int>{hm(2, 45)};
        QTest::newRow("an hour's step on top of the change rings nothing it passed")
            << QList<int>{hm(2, 30), hm(3, 30)}
            << QList<TickTime>{cet(1, 59, 0), cet(1, 59, 59), cest(4, 0, 0), cest(4, 1, 0)} << QList<int>{};

        // Autumn: 03:00 summer time is 02:00 winter time; the hour is lived again, a minute at a time.
        QList<TickTime> autumn{cest(2, 29, 0)};
        for (int m = 30; m < 60; ++m) {
            autumn << cest(2, m, 0);
        }
        for (int m = 0; m < 60; ++m) {
            autumn << cet(2, m, 0);
        }
        autumn << cet(3, 0, 0) << cet(3, 1, 0);
        QTest::newRow("the repeated hour rings once")
            << QList<int>{hm(2, 30), hm(2, 59), hm(3, 0)} << autumn << QList<int>{hm(2, 30), hm(2, 59), hm(3, 0)};
    }
    void clockSteps() {
        QFETCH(QList<int>, bells);
        QFETCH(QList<TickTime>, ticks);
        QFETCH(QList<int>, rung);
        QCOMPARE(ring(bells, ticks), rung);
    }

    // A power-off booked in the hour the spring change skips comes right after the jump, once; an
    // hour's step of the clock passes it by, as it passes bells by.
    void bookedPowerOffInTheSkippedHour() {
        auto powerOffs = [](const QList<TickTime>& ticks) {
            TickState state = startState(ticks.first());
            int count = 0;
            for (const TickTime& now : ticks.mid(1)) {
                TickInput input;
                input.now = now;
                input.powerOffMinute = hm(2, 30);
                const TickDecision d = decideTick(state, input);
                state = d.next;
                count += d.powerOff ? 1 : 0;
            }
            return count;
        };
        QCOMPARE(powerOffs({cet(1, 58, 0), cet(1, 59, 0), cest(3, 0, 0), cest(3, 1, 0), cest(3, 2, 0)}), 1);
        QCOMPARE(powerOffs({at(1, 58, 0), at(1, 59, 0), at(3, 0, 0), at(3, 1, 0)}), 0);
        QCOMPARE(powerOffs({at(2, 28, 0), at(2, 29, 0), at(2, 30, 0), at(2, 31, 0)}), 1);
    }
};

QTEST_APPLESS_MAIN(TestTickLogic)
#include "test_ticklogic.moc"
