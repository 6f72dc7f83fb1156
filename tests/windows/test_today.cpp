// Today's changes from the window and the tray, with the bells on a thread of their own: what
// rings, what the list shows, what the ring log says, and that the changes last the day and no
// longer.
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QtTest>

#include "ui/mainwindow/todaybelldialog.h"
#include "longsound.h"
#include "windowfixture.h"

namespace {

QDateTime at(int h, int m, int s, int day = 7) {  // 7 December 2026 is a Monday
    return QDateTime(QDate(2026, 12, day), QTime(h, m, s));
}

QAction* action(QMenu* menu, const char* name) {
    auto* found = menu->findChild<QAction*>(QString::fromLatin1(name));
    if (!found) {
        qFatal("no action %s", name);
    }
    return found;
}

// Runs the clocks to `until`, a second at a time; the sounds rung meanwhile, by their minute.
QStringList runTo(WindowFixture& f, const QDateTime& until) {
    QStringList rung;
    while (f.fakes.clock.now() < until) {
        f.fakes.clock.advance(1);
        const qsizetype before = f.fakes.bell.plays.size();
        f.tick();
        if (f.fakes.bell.plays.size() > before) {
            rung.append(f.fakes.clock.now().toString("hh:mm"));
        }
    }
    return rung;
}

// A running "Manual input", "Apply week" day of 10:00, 10:50 and 11:30.
MainWindow* runningDay(WindowFixture& f) {
    f.folder.addSound("a.wav");
    f.folder.addSound("drill.wav");
    f.writeOptions(2, 1, 0);
    f.folder.writeData("mdata.ini", "10hr 00min/a.wav\r\n10hr 50min/a.wav\r\n11hr 30min/a.wav\r\n");
    f.fakes.clock.set(at(10, 40, 0));
    auto* w = f.load();
    w->onStartClicked();
    f.settle();
    return w;
}

}  // namespace

class TestToday : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The tray skips the next bell and the list moves one: neither rings at its own minute, both
    // ring where they were put; the ring log says who did what; undone, a skipped bell rings
    // again. A copy started later the same day goes on with them, and the next day knows none.
    void skippedMovedAndAddedBellsForOneDay() {
        WindowFixture f;
        auto* w = runningDay(f);
        auto* skipNext = find<QAction>(w, "skipNextAction");
        QVERIFY(skipNext->isVisible());
        QCOMPARE(skipNext->text(), QString("Skip next bell (10:50)"));
        skipNext->trigger();
        f.settle();
        QCOMPARE(f.list("todayList"), (QStringList{"10hr00min", "10hr50min  (skipped)", "11hr30min"}));
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString("11hr 30min"));
        QCOMPARE(skipNext->text(), QString("Skip next bell (11:30)"));

        // 11:30 to 11:35, and a drill at 11:10, from the list's menu.
        auto* list = find<QListWidget>(w, "todayList");
        f.fakes.dialogs.whileModal = [](QWidget* window) {
            auto* dialog = qobject_cast<TodayBellDialog*>(window);
            QVERIFY(dialog);
            dialog->bellTime->setTime(QTime(11, 35));
            dialog->bellOk->click();
        };
        std::unique_ptr<QMenu> menu(w->todayMenu(list->item(2)));
        action(menu.get(), "mnMoveToday")->trigger();
        f.fakes.dialogs.whileModal = [](QWidget* window) {
            auto* dialog = qobject_cast<TodayBellDialog*>(window);
            QVERIFY(dialog);
            dialog->bellTime->setTime(QTime(11, 10));
            dialog->bellSound->setCurrentText("drill.wav");
            dialog->bellOk->click();
        };
        menu.reset(w->todayMenu(nullptr));
        action(menu.get(), "mnAddToday")->trigger();
        f.settle();
        QCOMPARE(f.list("todayList"), (QStringList{"10hr00min", "10hr50min  (skipped)", "11hr10min  (added)",
                                                   "11hr35min  (moved from 11:30)"}));
        QVERIFY(f.fakes.dialogs.texts().isEmpty());
        // The bells whose minute has come are grey, the others not, and they grey as the day goes.
        const auto grey = [list] {
            QList<bool> greyed;
            for (int i = 0; i < list->count(); ++i) {
                greyed.append(list->item(i)->foreground() ==
                              list->palette().brush(QPalette::Disabled, QPalette::Text));
            }
            return greyed;
        };
        QCOMPARE(grey(), (QList<bool>{true, false, false, false}));
        // Each with the sound it rings, as shown and read out.
        QStringList shown;
        for (int i = 0; i < list->count(); ++i) {
            shown.append(list->item(i)->data(Qt::AccessibleTextRole).toString());
        }
        QCOMPARE(shown, (QStringList{"10hr00min   a.wav", "10hr50min  (skipped)", "11hr10min   drill.wav  (added)",
                                     "11hr35min   a.wav  (moved from 11:30)"}));

        QCOMPARE(runTo(f, at(11, 10, 0)), (QStringList{"11:10"}));
        QCOMPARE(grey(), (QList<bool>{true, true, true, false}));
        QCOMPARE(runTo(f, at(11, 40, 0)), (QStringList{"11:35"}));
        QCOMPARE(grey(), (QList<bool>{true, true, true, true}));
        QVERIFY(f.fakes.bell.plays.at(0).path.endsWith("/drill.wav"));
        const QByteArray log = f.folder.readData("ring.log");
        QVERIFY2(log.contains("10:50 skipped today, by the tray") &&
                     log.contains("11:30 moved to 11:35 today, by the window") &&
                     log.contains("11:10 added today (drill.wav), by the window"),
                 log.constData());

        // Another copy started the same day (a restart) rings by them too.
        // Written on a thread of its own, a moment later.
        QTRY_VERIFY(f.folder.readData("today.ini").contains("move,11:30,11:35"));
        const QByteArray kept = f.folder.readData("today.ini");
        QVERIFY(kept.startsWith("2026-12-07\r\n"));
        WindowFixture g;
        g.folder.writeData("today.ini", kept);
        auto* v = runningDay(g);
        Q_UNUSED(v);
        QCOMPARE(g.list("todayList"), (QStringList{"10hr00min", "10hr50min  (skipped)", "11hr10min  (added)",
                                                   "11hr35min  (moved from 11:30)"}));

        // Undone: the skipped bell rings again (in the copy that undid it).
        list = find<QListWidget>(v, "todayList");
        menu.reset(v->todayMenu(list->item(1)));
        action(menu.get(), "mnUndoToday")->trigger();
        g.settle();
        QCOMPARE(g.list("todayList"), (QStringList{"10hr00min", "10hr50min", "11hr10min  (added)",
                                                   "11hr35min  (moved from 11:30)"}));
        QCOMPARE(runTo(g, at(10, 51, 0)), QStringList{"10:50"});

        // The next day rings the week's list as it is, and the file is gone.
        g.fakes.clock.set(at(23, 59, 58));
        QCOMPARE(runTo(g, at(0, 0, 2, 8)), QStringList());
        QCOMPARE(g.list("todayList"), (QStringList{"10hr00min", "10hr50min", "11hr30min"}));
        QTRY_VERIFY(!g.folder.hasData("today.ini"));
        QCOMPARE(g.folder.readData("mdata.ini"), QByteArray("10hr 00min/a.wav\r\n10hr 50min/a.wav\r\n11hr 30min/a.wav\r\n"));
        menu.reset();  // before the window it belongs to
    }

    // The keys of the window: Ctrl+R rings the chosen sound as "Ring now" does, Ctrl+K skips the
    // next bell as the list's menu does, and neither acts where its control is not there.
    void shortcutsRingAndSkip() {
        WindowFixture f;
        auto* w = runningDay(f);
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto* list = find<QListWidget>(w, "todayList");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_R, Qt::ControlModifier);
        f.settle();
        QCOMPARE(f.fakes.bell.plays.size(), 1);
        QVERIFY(f.fakes.bell.plays.last().path.endsWith("/sound/a.wav"));
        QTest::keyClick(list, Qt::Key_K, Qt::ControlModifier);
        f.settle();
        QCOMPARE(f.list("todayList"), (QStringList{"10hr00min", "10hr50min  (skipped)", "11hr30min"}));
        QVERIFY2(f.folder.readData("ring.log").contains("10:50 skipped today, by the window"),
                 f.folder.readData("ring.log").constData());
        // Stopped, there is no next bell to skip: no refusal, nothing asked of the bells.
        w->onStopClicked();
        f.settle();
        const QByteArray before = f.folder.readData("ring.log");
        QTest::keyClick(list, Qt::Key_K, Qt::ControlModifier);
        f.settle();
        QVERIFY(f.fakes.dialogs.texts().isEmpty());
        QCOMPARE(f.folder.readData("ring.log"), before);
    }

    // No bells today, and a refusal said to the operator: nothing else can change the whole day
    // until that is undone.
    void noBellsTodayAndARefusal() {
        WindowFixture f;
        QVERIFY(writeLongSilence(f.folder.path() + "/sound/long.wav", 11 * 60));
        f.folder.writeData("mdata_9.ini", " 0 \r\n10hr 45min/a.wav\r\n");  // templet 2
        auto* w = runningDay(f);
        auto* note = find<QLabel>(w, "todayNote");
        QVERIFY(note->isHidden());
        std::unique_ptr<QMenu> menu(w->todayMenu(nullptr));
        action(menu.get(), "mnNoBellsToday")->trigger();
        f.settle();
        QCOMPARE(f.list("todayList"), QStringList());
        QVERIFY(!note->isHidden());
        QCOMPARE(note->text(), QString("No bells today"));
        QCOMPARE(find<QLabel>(w, "nextBell")->text(), QString("NEXT DAY"));
        QVERIFY(!find<QAction>(w, "skipNextAction")->isVisible());
        menu.reset(w->todayMenu(nullptr));
        action(menu.get(), "mnTempletToday2")->trigger();
        f.settle();
        QCOMPARE(f.fakes.dialogs.texts(),
                 QStringList{"Today's bells were not changed: no bells today already; undo that first."});
        QCOMPARE(runTo(f, at(11, 31, 0)), QStringList());
        menu.reset(w->todayMenu(nullptr));
        action(menu.get(), "mnUndoAllToday")->trigger();
        f.settle();
        QCOMPARE(f.list("todayList"), (QStringList{"10hr00min", "10hr50min", "11hr30min"}));
        QVERIFY(note->isHidden());
        menu.reset(w->todayMenu(nullptr));
        action(menu.get(), "mnTempletToday2")->trigger();
        f.settle();
        QCOMPARE(f.list("todayList"), QStringList{"10hr45min"});
        QCOMPARE(note->text(), QString("Templet 2 rings today"));
        QVERIFY(!note->isHidden());
        menu.reset(w->todayMenu(nullptr));
        action(menu.get(), "mnUndoAllToday")->trigger();
        f.settle();
        QVERIFY(note->isHidden());
        QTRY_VERIFY(!f.folder.hasData("today.ini"));

        // A sound no bell may ring is refused when the bell is added, not at its minute.
        f.fakes.dialogs.whileModal = [](QWidget* window) {
            auto* dialog = qobject_cast<TodayBellDialog*>(window);
            QVERIFY(dialog);
            dialog->bellSound->setCurrentText("long.wav");
            dialog->bellOk->click();
        };
        menu.reset(w->todayMenu(nullptr));
        action(menu.get(), "mnAddToday")->trigger();
        f.settle();
        QCOMPARE(f.fakes.dialogs.texts().size(), 2);
        QVERIFY2(f.fakes.dialogs.texts().last().startsWith(
                     "Today's bells were not changed: long.wav cannot ring as a bell: it lasts 11 min 00 s"),
                 qPrintable(f.fakes.dialogs.texts().last()));
        QVERIFY(!f.folder.hasData("today.ini"));
    }

    // The building's clocks run 30 s ahead of the computer's: every bell rings 30 s early, by the
    // computer's clock, and the offset is kept and shown beside the clock.
    void theBuildingsClocksMoveEveryBell() {
        WindowFixture f;
        auto* w = runningDay(f);
        QVERIFY(find<QLabel>(w, "offsetText")->isHidden());
        f.fakes.dialogs.whileModal = [](QWidget* window) {
            find<QSpinBox>(window, "offsetSeconds")->setValue(-30);
            find<QPushButton>(window, "offsetOk")->click();
        };
        find<QAction>(w, "bellOffsetAction")->trigger();
        f.settle();
        QCOMPARE(f.folder.readData("offset.ini"), QByteArray("-30 \r\n"));
        QVERIFY(!find<QLabel>(w, "offsetText")->isHidden());
        QCOMPARE(find<QLabel>(w, "offsetText")->text(), QString("(bells -30 s)"));
        QCOMPARE(runTo(f, at(10, 49, 29)), QStringList());
        QCOMPARE(runTo(f, at(10, 49, 30)), QStringList{"10:49"});
        QCOMPARE(runTo(f, at(10, 50, 30)), QStringList());
        QVERIFY(f.folder.readData("ring.log").contains("the bells ring 30 s before the computer's clock"));

        // A copy started later follows the stored offset.
        WindowFixture g;
        g.folder.writeData("offset.ini", " 20 \r\n");
        runningDay(g);
        g.fakes.clock.set(at(10, 49, 58));
        QCOMPARE(runTo(g, at(10, 50, 19)), QStringList());
        QCOMPARE(runTo(g, at(10, 50, 20)), QStringList{"10:50"});
    }
};

QTEST_MAIN(TestToday)
#include "test_today.moc"
