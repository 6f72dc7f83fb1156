// The clock-step rule of the bell clock: a step of the clock neither loses nor doubles a bell.
#include <QTest>

#include "schedule/ticklogic.h"

using namespace corvalin::clock;

Q_DECLARE_METATYPE(TickTime)

namespace {

TickTime at(int h, int m, int s) { return {h, m, s, 7}; }

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
    }
    void clockSteps() {
        QFETCH(QList<int>, bells);
        QFETCH(QList<TickTime>, ticks);
        QFETCH(QList<int>, rung);
        QCOMPARE(ring(bells, ticks), rung);
    }
};

QTEST_APPLESS_MAIN(TestTickLogic)
#include "test_ticklogic.moc"
