// The window's own chrome: into the tray and back (the tip by the service's state, "Open Window",
// minimising, the tray icon's double click), the title strip's minimise picture, the menu
// strip's highlight and windows, the keyboard's way through the window, and the language menu.
#include <QAccessible>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QtTest>

#include "core/base/language.h"
#include "ui/help/helpwindow.h"
#include "windowfixture.h"

namespace {

// Whether the icon's opaque pixels are all grey.
bool isGrey(const QIcon& icon) {
    const QImage image = icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
    bool any = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) > 0) {
                any = true;
                if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)) {
                    return false;
                }
            }
        }
    }
    return any;
}

// The pointer moving over a widget, no button down.
void hover(QWidget* widget, QPoint at = QPoint(3, 3)) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

}  // namespace

class TestTray : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void inAndOut() {
        QPixmap coloured(32, 32);
        coloured.fill(QColor(200, 60, 40));
        QApplication::setWindowIcon(QIcon(coloured));
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.writeOptions(2, 1, 0);
        f.folder.writeData("mdata.ini", "08hr 00min/a.wav\r\n");
        auto* w = f.load();
        auto* open = find<QAction>(w, "openWindowAction");
        QVERIFY(w->isVisible() && !open->isVisible());
        w->goToTray();
        f.settle();
        QVERIFY(!w->isVisible() && open->isVisible() && w->isInTray());
        auto* tray = find<QSystemTrayIcon>(w, "trayIcon");
        QCOMPARE(tray->toolTip(), QString("Corvalin-Stop"));
        // The icon tells at a glance, in the tray, whether the bells run: grey while they do not.
        QVERIFY(isGrey(tray->icon()));
        // The tip tells the state the service had when the window left.
        w->onStartClicked();
        f.settle();
        QCOMPARE(tray->toolTip(), QString("Corvalin-Stop"));
        QVERIFY(!tray->icon().isNull() && !isGrey(tray->icon()));
        Q_EMIT tray->activated(QSystemTrayIcon::Trigger);  // a single click does nothing
        QVERIFY(!w->isVisible());
        Q_EMIT tray->activated(QSystemTrayIcon::DoubleClick);
        QVERIFY(w->isVisible() && !open->isVisible() && !w->isInTray());
        w->goToTray();
        f.settle();
        QCOMPARE(tray->toolTip(), QString("Corvalin-Excuting..."));
        open->trigger();
        QVERIFY(w->isVisible());
        // Minimising leaves no task-bar button: the window goes to the tray.
        w->showMinimized();
        QTRY_VERIFY(w->isInTray());
        QVERIFY(!w->isVisible());
        w->comeBackFromTray();
        f.settle();
        QVERIFY(!w->isMinimized());
    }

    void minimisePicture() {
        WindowFixture f;
        auto* w = f.load();
        auto* minimise = find<QLabel>(w, "minimizeButton");
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(minimise, &enter);
        QCOMPARE(minimise->property("hover").toString(), QString("1"));
        hover(find<QWidget>(w, "titleStrip"), QPoint(5, 5));
        QCOMPARE(minimise->property("hover").toString(), QString("0"));
        QTest::mouseClick(minimise, Qt::LeftButton);
        QVERIFY(w->isInTray());
    }

    void menuStrip() {
        WindowFixture f;
        auto* w = f.load();
        const QStringList entries{"exitEntry", "infoEntry", "helpEntry", "countdownEntry", "bellCountEntry"};
        auto lit = [&] {
            QStringList on;
            for (const QString& name : entries) {
                if (find<QLabel>(w, name.toLatin1().constData())->autoFillBackground()) {
                    on.append(name);
                }
            }
            return on;
        };
        hover(find<QLabel>(w, "helpEntry"), QPoint(3, 3));
        QCOMPARE(lit(), QStringList{"helpEntry"});
        hover(find<QLabel>(w, "countdownEntry"), QPoint(3, 3));
        QCOMPARE(lit(), QStringList{"countdownEntry"});
        hover(find<QWidget>(w, "menuStrip"), QPoint(900, 3));
        QCOMPARE(lit(), QStringList());
        // "Countdown next bell" is off while the service is stopped: no light, no window.
        hover(find<QLabel>(w, "bellCountEntry"), QPoint(3, 3));
        QCOMPARE(lit(), QStringList());
        QTest::mouseClick(find<QLabel>(w, "bellCountEntry"), Qt::LeftButton);
        QVERIFY(f.fakes.dialogs.modals.isEmpty());
        QStringList shown;
        f.fakes.dialogs.whileModal = [&](QWidget* window) {
            shown.append(window->objectName() + ":" + window->windowTitle());
            for (auto* label : window->findChildren<QLabel*>()) {
                shown.append(label->text());
            }
        };
        hover(find<QLabel>(w, "helpEntry"), QPoint(3, 3));
        QTest::mouseClick(find<QLabel>(w, "helpEntry"), Qt::LeftButton);
        QCOMPARE(lit(), QStringList());  // a click clears the light first
        // The manual, at its start page, from inside the program.
        auto* help = find<HelpWindow>(w, "helpWindow");
        QVERIFY(help->isVisible());
        QVERIFY(f.fakes.dialogs.modals.isEmpty());
        QCOMPARE(help->browser()->source(), QUrl("qrc:/help/en/index.html"));
        QVERIFY(help->browser()->toPlainText().contains("Point of caution"));
        QVERIFY(help->browser()->toPlainText().contains("(PM 10) is 22 hr"));
        QTest::mouseClick(find<QLabel>(w, "infoEntry"), Qt::LeftButton);
        QVERIFY(shown.contains("info1:Corvalin infomation"));
        QVERIFY(shown.contains("Corvalin version 1.5.0.3"));
    }

    // Tab from the first control goes through the strips, then the columns left to right, each top
    // to bottom, and reaches "Ring now"; Enter or Space on a menu-strip entry, or a screen reader's
    // press, does what a click does.
    void keyboard() {
        WindowFixture f;
        auto* w = f.load();
        // The lines under the menu strip, made after the body, come before it all the same.
        w->reportProblem("the test's problem");
        f.settle();
        find<QWidget>(w, "alarmStrip")->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QWidget* first = find<QWidget>(w, "trayButton");
        first->setFocus();
        QStringList visited;
        while (visited.size() < 200 && !visited.contains("ringNowButton")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == first) {
                break;
            }
            visited.append(QApplication::focusWidget()->objectName());
        }
        const QStringList order{"exitEntry",   "helpEntry", "languageEntry",      "warningLine",  "alarmStop",
                                "startButton", "todayList", "intervalModeButton", "autoStartBox", "soundList",
                                "ringNowButton"};
        for (qsizetype i = 1; i < order.size(); ++i) {
            const qsizetype before = visited.indexOf(order.at(i - 1));
            QVERIFY2(before >= 0 && before < visited.indexOf(order.at(i)), qPrintable(visited.join(' ')));
        }
        QVERIFY(!visited.contains("bodyArea"));

        auto* help = find<QLabel>(w, "helpEntry");
        help->setFocus();
        QTest::keyClick(help, Qt::Key_Return);
        auto* manual = find<HelpWindow>(w, "helpWindow");
        QVERIFY(manual->isVisible());
        manual->close();
        // To a screen reader an entry is a button named by its caption, pressed as a click presses it.
        QAccessibleInterface* helpButton = QAccessible::queryAccessibleInterface(help);
        QCOMPARE(helpButton->role(), QAccessible::Button);
        QCOMPARE(helpButton->text(QAccessible::Name), QString("Help"));
        helpButton->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(manual->isVisible());
        manual->close();
        QTest::keyClick(find<QLabel>(w, "languageEntry"), Qt::Key_Space);
        QVERIFY(find<QMenu>(w, "languageMenu")->isVisible());
        find<QMenu>(w, "languageMenu")->hide();
    }

    // The choice is kept for the next start, and said so; "System language" removes it.
    void languageMenu() {
        WindowFixture f;
        auto* w = f.load();
        const QString data = w->paths().dataFolder();
        auto* menu = find<QMenu>(w, "languageMenu");
        QVERIFY(find<QAction>(menu, "language_system")->isChecked());
        f.fakes.dialogs.messages.clear();
        find<QAction>(menu, "language_de")->trigger();
        QCOMPARE(corvalin::language::chosen(data), QString("de"));
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.fakes.dialogs.messages.first().text, QString("The language is changed at the next start of Corvalin."));
        find<QAction>(menu, "language_original")->trigger();
        QCOMPARE(corvalin::language::chosen(data), QString(corvalin::language::kOriginal));
        QVERIFY(find<QAction>(menu, "language_original")->isChecked());
        find<QAction>(menu, "language_system")->trigger();
        QCOMPARE(corvalin::language::chosen(data), QString());
        QVERIFY(find<QAction>(menu, "language_system")->isChecked());
    }

    // F1 opens the manual's start page wherever it was; "What to do?" on the warning line opens the
    // warnings page at the problem's topic, or at its top for a problem of a moment.
    void helpFromTheKeyboardAndTheWarningLine() {
        WindowFixture f;
        auto* w = f.load();
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        f.onBells([&] {
            f.services->log().lastingProblem("feed https://example.org/school.ics",
                                             "the calendar subscription \"School board\" could not be fetched");
        });
        auto* whatToDo = find<QToolButton>(w, "whatToDoButton");
        QVERIFY(whatToDo->isVisible());
        whatToDo->click();
        auto* help = find<HelpWindow>(w, "helpWindow");
        QVERIFY(help->isVisible());
        QCOMPARE(help->browser()->source(), QUrl("qrc:/help/en/warnings.html#topic-feed"));
        w->reportProblem("x.wav could not be played");
        f.settle();
        whatToDo->click();
        QCOMPARE(help->browser()->source(), QUrl("qrc:/help/en/warnings.html"));
        help->close();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_F1);
        QVERIFY(help->isVisible());
        QCOMPARE(help->browser()->source(), QUrl("qrc:/help/en/index.html"));
    }

    // Checked by hand: the way of showing is asked, the entry written; unchecked: removed. An
    // autostart folder that cannot be written is said on the warning line.
    void autoExecutionOption() {
        WindowFixture f;
        auto* w = f.load();
        auto* option = find<QCheckBox>(w, "autoStartBox");
        option->setChecked(true);
        QCOMPARE(f.fakes.dialogs.modals.size(), 1);
        QCOMPARE(f.fakes.dialogs.modals.first()->objectName(), QString("autoModeForm"));
        QVERIFY(f.fakes.logonStart.enabled);
        QVERIFY(f.folder.readData("data.ini").startsWith(" 1 \r\n"));
        option->setChecked(false);
        QCOMPARE(f.fakes.dialogs.modals.size(), 1);
        QVERIFY(!f.fakes.logonStart.enabled);
        f.fakes.logonStart.fails = true;
        option->setChecked(true);
        f.settle();
        QVERIFY(find<QLabel>(w, "warningLine")->text().contains("the start at logon could not be written"));
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
