// Into the tray and back: the tip by the service's state, the "Open Window" item, minimising,
// the tray icon's double click, and the title strip's minimise picture.
#include <QSystemTrayIcon>
#include <QtTest>

#include "windowfixture.h"

class TestTray : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void inAndOut() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.writeOptions(2, 1, 0);
        f.folder.writeData("mdata.ini", "08hr 00min/a.wav\r\n");
        auto* w = f.load();
        auto* open = find<QAction>(w, "mOpen");
        QVERIFY(w->isVisible() && !open->isVisible());
        w->TrayIn();
        QVERIFY(!w->isVisible() && open->isVisible() && w->isInTray());
        auto* tray = find<QSystemTrayIcon>(w, "trayIcon");
        QCOMPARE(tray->toolTip(), QString("Corvalin-Stop"));
        // The tip tells the state the service had when the window left.
        w->start_Click();
        QCOMPARE(tray->toolTip(), QString("Corvalin-Stop"));
        Q_EMIT tray->activated(QSystemTrayIcon::Trigger);  // a single click does nothing
        QVERIFY(!w->isVisible());
        Q_EMIT tray->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w->isVisible() && !open->isVisible() && !w->isInTray());
        w->TrayIn();
        QCOMPARE(tray->toolTip(), QString("Corvalin-Excuting..."));
        open->trigger();
        QVERIFY(w->isVisible());
        // Minimising leaves no task-bar button: the window goes to the tray.
        w->showMinimized();
        QTRY_VERIFY(w->isInTray());
        QVERIFY(!w->isVisible());
        w->TrayOut();
        QVERIFY(!w->isMinimized());
    }

    void minimisePicture() {
        WindowFixture f;
        auto* w = f.load();
        auto* minimise = find<QLabel>(w, "ImageMin");
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(minimise, &enter);
        QCOMPARE(minimise->property("hover").toString(), QString("1"));
        QTest::mouseMove(find<QWidget>(w, "Picture1"), QPoint(5, 5));
        QCOMPARE(minimise->property("hover").toString(), QString("0"));
        QTest::mouseClick(minimise, Qt::LeftButton);
        QVERIFY(w->isInTray());
    }

    void autoExecutionInTrayMode() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.folder.writeData("data.ini", " 1 \r\n 0 \r\n 2 \r\n 1 \r\n 0 \r\n 2 \r\n 0 \r\n 0 \r\n");
        f.folder.writeData("mdata.ini", "08hr 00min/a.wav\r\n");
        auto* w = f.load();
        QCOMPARE(f.bells().serviceRunning(), 1);
        QVERIFY(w->isInTray());
        QCOMPARE(find<QSystemTrayIcon>(w, "trayIcon")->toolTip(), QString("Corvalin-Excuting..."));
    }
};

QTEST_MAIN(TestTray)
#include "test_tray.moc"
