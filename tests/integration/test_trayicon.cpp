// The tray icon on a real X display with a notification area (Xvfb and trayer, started by the
// test command): sent to the tray the window leaves and its icon is embedded; brought back the
// icon goes.
#include <QSystemTrayIcon>
#include <QtTest>

#include "windowfixture.h"

class TestTrayIcon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void iconInTheNotificationArea() {
        if (qEnvironmentVariableIsEmpty("CORVALIN_TEST_DISPLAY")) {
            QSKIP("no test display: scripts/services/xvfb.sh start");
        }
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 5000);
        WindowFixture f;
        auto* w = f.load();
        QTRY_VERIFY(w->isVisible());
        auto* tray = find<QSystemTrayIcon>(w, "trayIcon");
        QVERIFY(!tray->isVisible());
        w->TrayIn();
        QVERIFY(!w->isVisible());
        QVERIFY(tray->isVisible());
        // Embedded by the tray host: it has a place on the screen.
        QTRY_VERIFY_WITH_TIMEOUT(!tray->geometry().isEmpty(), 5000);
        QCOMPARE(tray->toolTip(), QString("Corvalin-Stop"));
        // An XEmbed tray reports both clicks of a double click: the first alone leaves the
        // window in the tray, the double click brings it back.
        Q_EMIT tray->activated(QSystemTrayIcon::Trigger);
        QVERIFY(!w->isVisible());
        Q_EMIT tray->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w->isVisible());
        QVERIFY(!tray->isVisible());
    }
};

int main(int argc, char* argv[]) {
    // On the test display, through the X window system, instead of offscreen.
    const QByteArray display = qgetenv("CORVALIN_TEST_DISPLAY");
    if (!display.isEmpty()) {
        qputenv("DISPLAY", display);
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    TestTrayIcon test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_trayicon.moc"
