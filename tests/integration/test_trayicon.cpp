// The tray icon on a real X display with a notification area (Xvfb and trayer, started by the
// test command): sent to the tray the window leaves and its icon is embedded; brought back the
// icon goes.
#include <QSystemTrayIcon>
#include <QtTest>

#include "windowfixture.h"

namespace {

// Where the tray's balloon is when it first shows, and where the icon is then.
class BalloonWatch : public QObject {
public:
    explicit BalloonWatch(QSystemTrayIcon* tray) : m_tray(tray) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    QRect balloon;
    QRect icon;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->inherits("QBalloonTip") && balloon.isEmpty()) {
            balloon = static_cast<QWidget*>(watched)->geometry();
            icon = m_tray->geometry();
        }
        return false;
    }

private:
    QSystemTrayIcon* m_tray;
};

}  // namespace

class TestTrayIcon : public QObject {
    Q_OBJECT

    // The window shown, with its tray icon, once a tray host is there.
    static void shownWithTray(WindowFixture& f, MainWindow*& w, QSystemTrayIcon*& tray) {
        QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 5000);
        w = f.load();
        QTRY_VERIFY(w->isVisible());
        tray = find<QSystemTrayIcon>(w, "trayIcon");
    }

private Q_SLOTS:
    void iconInTheNotificationArea() {
        if (qEnvironmentVariableIsEmpty("CORVALIN_TEST_DISPLAY")) {
            QSKIP("no test display: scripts/services/xvfb.sh start");
        }
        WindowFixture f;
        MainWindow* w = nullptr;
        QSystemTrayIcon* tray = nullptr;
        shownWithTray(f, w, tray);
        if (QTest::currentTestFailed()) {
            return;
        }
        QVERIFY(!tray->isVisible());
        w->goToTray();
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

    // The close button sends the window to the tray and says so once, in a balloon that points at
    // the icon: shown only once the tray host has given the new icon its place (until then the
    // icon is a window of its own at the screen's origin, and the balloon would point there).
    void closeHintPointsAtTheIcon() {
        if (qEnvironmentVariableIsEmpty("CORVALIN_TEST_DISPLAY")) {
            QSKIP("no test display: scripts/services/xvfb.sh start");
        }
        WindowFixture f;
        MainWindow* w = nullptr;
        QSystemTrayIcon* tray = nullptr;
        shownWithTray(f, w, tray);
        if (QTest::currentTestFailed()) {
            return;
        }
        BalloonWatch watch(tray);
        QVERIFY(!w->close());
        QVERIFY(!w->isVisible() && tray->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!watch.balloon.isEmpty(), 5000);
        const QString seen = QStringLiteral("balloon %1,%2 %3x%4, icon at %5,%6 %7x%8")
                                 .arg(watch.balloon.x())
                                 .arg(watch.balloon.y())
                                 .arg(watch.balloon.width())
                                 .arg(watch.balloon.height())
                                 .arg(watch.icon.x())
                                 .arg(watch.icon.y())
                                 .arg(watch.icon.width())
                                 .arg(watch.icon.height());
        QVERIFY2(watch.icon.topLeft() != QPoint(0, 0), qPrintable(seen));
        // Its arrow's tip is at the icon's middle, on the balloon's edge.
        QVERIFY2(watch.balloon.adjusted(-2, -2, 2, 2).contains(watch.icon.center()), qPrintable(seen));
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
