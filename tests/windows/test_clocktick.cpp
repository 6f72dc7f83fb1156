// The bell clock in the window: its labels and countdown texts, and the booked power-off read
// from exit.ini reaching the power port. The tick's decisions are the bell service's own tests.
#include <QtTest>

#include "countdown/frmbellcount.h"
#include "countdown/frmfullscreen.h"
#include "windowfixture.h"

namespace {

QDateTime at(int h, int m, int s, int day = 7) { return QDateTime(QDate(2026, 12, day), QTime(h, m, s)); }

}  // namespace

class TestClockTick : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void labels() {
        WindowFixture f;
        f.fakes.clock.set(at(9, 5, 3, 6));
        auto* w = f.load();
        w->Timer1_Timer();
        QCOMPARE(find<QLabel>(w, "now")->text(), QString("9 hr 5 min 3 sec"));
        QCOMPARE(find<QLabel>(w, "now_day")->text(), QString("2026-12-6  Sunday"));
        QCOMPARE(w->fullScreen()->lblNowTimeShow->text(), QString("09:05:03AM"));
        QCOMPARE(w->bellCountWindow()->lblNowTimeShow->text(), QString("09:05:03AM"));
        QCOMPARE(w->bellCountWindow()->lblTimeShow->text(), QString("00:00:00"));
        QVERIFY(!w->fullScreen()->isVisible());
        find<QLabel>(w, "nextBell")->setText("09hr 10min");
        w->Timer1_Timer();
        QCOMPARE(w->bellCountWindow()->lblTimeShow->text(), QString("00:04:57"));
    }

    void bookedShutdownWhetherOrNotTheServiceRuns() {
        WindowFixture f;
        f.folder.writeData("exit.ini", " 1 \r\n 17 \r\n 0 \r\n");
        f.fakes.clock.set(at(16, 59, 59));
        auto* w = f.load();
        f.fakes.clock.advance(1);
        w->Timer1_Timer();
        QCOMPARE(f.fakes.power.requests, 1);
        f.fakes.clock.advance(1);
        w->Timer1_Timer();
        QCOMPARE(f.fakes.power.requests, 1);
        find<QCheckBox>(w, "chkAutoExit")->setChecked(false);
        QCOMPARE(f.folder.readData("exit.ini"), QByteArray(" 0 \r\n 17 \r\n 0 \r\n"));
        f.fakes.clock.set(at(16, 59, 59, 8));
        w->Timer1_Timer();
        f.fakes.clock.advance(1);
        w->Timer1_Timer();
        QCOMPARE(f.fakes.power.requests, 1);
    }
};

QTEST_MAIN(TestClockTick)
#include "test_clocktick.moc"
