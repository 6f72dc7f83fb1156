// The alarm signals from the window and the tray, with the bells on a thread of their own: what
// sounds after the question, what the strip, the tray and the ring log show, the bells held
// meanwhile, and the signals' dialog.
#include <QComboBox>
#include <QListWidget>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QSystemTrayIcon>
#include <QtTest>

#include "ui/mainwindow/alarmsdialog.h"
#include "windowfixture.h"

namespace {

QDateTime at(int h, int m, int s) {
    return QDateTime(QDate(2026, 12, 7), QTime(h, m, s));
}

// The music on the default card, the bells on a card of their own.
QList<OutputDevice> twoCards() {
    return {{"", "Default output"}, {"main_out", "Speakers"}, {"bell_out", "USB Audio"}};
}

// Answers the alarm's question with the button of that text, and keeps what was asked.
std::function<void(QWidget*)> answer(const QString& button, QStringList* asked) {
    return [button, asked](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        QVERIFY(box);
        asked->append(box->text());
        // Enter or Escape never sounds a signal.
        QCOMPARE(box->defaultButton()->text(), QString("Cancel"));
        QCOMPARE(box->escapeButton(), static_cast<QAbstractButton*>(box->defaultButton()));
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == button) {
                b->click();
                return;
            }
        }
        QFAIL("no such button");
    };
}

// Whether every opaque pixel of the icon is clearly red.
bool isRed(const QIcon& icon) {
    const QImage image = icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
    bool any = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) > 0) {
                any = true;
                if (qRed(p) < qGreen(p) + 60 || qRed(p) < qBlue(p) + 60) {
                    return false;
                }
            }
        }
    }
    return any;
}

void runTo(WindowFixture& f, const QDateTime& until) {
    while (f.fakes.clock.now() < until) {
        f.fakes.clock.advance(1);
        f.tick();
    }
}

}  // namespace

class TestAlarm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QPixmap blue(32, 32);
        blue.fill(QColor(40, 60, 200));
        QApplication::setWindowIcon(QIcon(blue));
    }

    // Cancel sounds nothing. "Sound it" loops the signal on the bell card with the default card
    // muted; the 10:50 bell waits, held, and rings when the strip's "Stop alarm" ends the signal.
    // The strip, the menus, the tray's icon and tip show the signal while it sounds; the ring log
    // says who started and stopped it, from the window and from the tray.
    void soundedAndStopped() {
        WindowFixture f;
        f.fakes.bell.deviceList = twoCards();
        f.folder.writeData("snd.ini", " 1 \r\n");
        f.folder.addSound("a.wav");
        f.folder.addSound("tone-lockdown.wav");
        f.folder.addSound("tone-evacuation.wav");
        f.writeOptions(2, 1, 1);
        f.folder.writeData("mdata.ini", "10hr 50min/a.wav\r\n");
        f.fakes.clock.set(at(10, 49, 0));
        auto* w = f.load();
        w->onStartClicked();
        f.settle();
        auto* strip = find<QLabel>(w, "alarmText");
        auto* tray = find<QSystemTrayIcon>(w, "trayIcon");
        auto* stopEntry = find<QAction>(w, "stopAlarmAction");
        QCOMPARE(find<QAction>(w, "alarmAction1")->text(), QString("Lockdown"));
        QVERIFY(!strip->isVisible() && !stopEntry->isEnabled() &&
                !find<QAction>(w, "trayAlarmStop")->isVisible());

        QStringList asked;
        f.fakes.dialogs.whileModal = answer("Cancel", &asked);
        find<QAction>(w, "alarmAction1")->trigger();
        f.settle();
        QCOMPARE(asked,
                 QStringList{
                     "Sound the alarm signal Lockdown now? It rings on the bell card until it is stopped."});
        QVERIFY(f.fakes.bell.plays.isEmpty() && !f.fakes.mixer.muted && !strip->isVisible());

        f.fakes.dialogs.whileModal = answer("Sound it", &asked);
        find<QAction>(w, "alarmAction1")->trigger();
        f.settle();
        QCOMPARE(f.fakes.bell.plays.size(), 1);
        QVERIFY(f.fakes.bell.plays.last().path.endsWith("/sound/tone-lockdown.wav"));
        QVERIFY(f.fakes.bell.plays.last().loop);
        QVERIFY(f.fakes.mixer.muted);
        QVERIFY(strip->isVisible() && find<QPushButton>(w, "alarmStop")->isVisible());
        QCOMPARE(strip->text(), QString("Alarm: Lockdown"));
        QVERIFY(stopEntry->isEnabled() && find<QAction>(w, "trayAlarmStop")->isVisible());
        QCOMPARE(tray->toolTip(), QString("Corvalin-Alarm: Lockdown"));
        QVERIFY(isRed(tray->icon()));
        // The window's ring now follows the rule of every face: refused while the signal sounds.
        find<QListWidget>(w, "soundList")->setCurrentRow(0);
        w->onRingNowClicked();
        f.settle();
        QCOMPARE(f.fakes.dialogs.texts(), QStringList{"the alarm signal Lockdown sounds; stop it first"});
        QCOMPARE(f.fakes.bell.plays.size(), 1);
        f.fakes.dialogs.messages.clear();
        // Another signal's question says that this one stops; the same one's, that it starts again.
        f.fakes.dialogs.whileModal = answer("Cancel", &asked);
        find<QAction>(w, "trayAlarm2")->trigger();
        find<QAction>(w, "alarmAction1")->trigger();
        f.settle();
        QCOMPARE(asked.mid(2),
                 (QStringList{"Sound the alarm signal Evacuation now? It rings on the bell card until it "
                              "is stopped. The alarm signal Lockdown, which sounds now, stops.",
                              "Sound the alarm signal Lockdown now? It rings on the bell card until it "
                              "is stopped. It sounds now, and starts again from the beginning."}));
        QVERIFY(f.fakes.bell.plays.size() == 1 && strip->isVisible());
        f.fakes.dialogs.whileModal = answer("Sound it", &asked);

        runTo(f, at(10, 50, 5));
        QCOMPARE(f.fakes.bell.plays.size(), 1);
        QVERIFY(f.fakes.mixer.muted);
        QVERIFY(f.folder.readData("ring.log")
                    .contains("the bell of 10:50 (a.wav) is held: the alarm signal Lockdown sounds"));

        find<QPushButton>(w, "alarmStop")->click();
        f.settle();
        QVERIFY(f.fakes.dialogs.messages.isEmpty());  // no question, no refusal
        QCOMPARE(f.fakes.bell.plays.size(), 2);
        QVERIFY(f.fakes.bell.plays.last().path.endsWith("/sound/a.wav"));
        QVERIFY(!f.fakes.mixer.muted);
        QVERIFY(!strip->isVisible() && !stopEntry->isEnabled() &&
                !find<QAction>(w, "trayAlarmStop")->isVisible());
        QCOMPARE(tray->toolTip(), QString("Corvalin-Excuting..."));
        QVERIFY(!tray->icon().isNull() && !isRed(tray->icon()));

        // The same from the tray.
        auto* trayEvacuation = find<QAction>(w, "trayAlarm2");
        QCOMPARE(trayEvacuation->text(), QString("Alarm: Evacuation"));
        trayEvacuation->trigger();
        f.settle();
        QVERIFY(f.fakes.bell.plays.last().path.endsWith("/sound/tone-evacuation.wav"));
        QCOMPARE(tray->toolTip(), QString("Corvalin-Alarm: Evacuation"));
        find<QAction>(w, "trayAlarmStop")->trigger();
        f.settle();
        QVERIFY(!strip->isVisible() && !f.fakes.mixer.muted);

        const QByteArray log = f.folder.readData("ring.log");
        QVERIFY2(log.contains("the alarm signal Lockdown started (tone-lockdown.wav, until stopped") &&
                     log.contains("), by the window") &&
                     log.contains("the alarm signal Lockdown stopped, by the window") &&
                     log.contains("the alarm signal Evacuation started (") &&
                     log.contains("the alarm signal Evacuation stopped, by the tray"),
                 log.constData());
        QVERIFY2(
            log.indexOf("Evacuation started") > 0 &&
                log.mid(log.lastIndexOf("Evacuation started")).split('\n').first().endsWith("by the tray\r"),
            log.constData());
    }

    // A counted signal, on an output that says when a sound has played out, rings its times and
    // ends by itself.
    void aCountedSignalEndsByItself() {
        WindowFixture f;
        f.fakes.bell.finishes = true;
        f.folder.addSound("drill.wav");
        f.folder.writeData("alarms.ini", "Drill,drill.wav,2\r\n");
        auto* w = f.load();
        QVERIFY(find<QAction>(w, "alarmAction1")->isVisible() &&
                !find<QAction>(w, "alarmAction2")->isVisible());
        QStringList asked;
        f.fakes.dialogs.whileModal = answer("Sound it", &asked);
        find<QAction>(w, "alarmAction1")->trigger();
        f.settle();
        QCOMPARE(asked, QStringList{"Sound the alarm signal Drill now? It rings on the bell card 2 times."});
        QCOMPARE(f.fakes.bell.plays.size(), 1);
        QVERIFY(!f.fakes.bell.plays.last().loop);
        f.onBells([&f] { f.fakes.bell.finished(); });
        QCOMPARE(f.fakes.bell.plays.size(), 2);
        QVERIFY(find<QLabel>(w, "alarmText")->isVisible());
        f.onBells([&f] { f.fakes.bell.finished(); });
        QCOMPARE(f.fakes.bell.plays.size(), 2);
        QVERIFY(!find<QLabel>(w, "alarmText")->isVisible());
        QVERIFY(!find<QAction>(w, "stopAlarmAction")->isEnabled());
    }

    // The dialog refuses a name taken in another letter case and saves nothing; a saved set is in
    // alarms.ini, in the menus and with the bells at once. A set that cannot be written is said in
    // the dialog, and still holds: menus and bells alike.
    void theSignalsDialog() {
        WindowFixture f;
        f.folder.addSound("tone-lockdown.wav");
        f.folder.addSound("tone-evacuation.wav");
        f.folder.addSound("bell.wav");
        auto* w = f.load();
        bool refused = false;
        f.fakes.dialogs.whileModal = [&](QWidget* window) {
            auto* dialog = qobject_cast<AlarmsDialog*>(window);
            QVERIFY(dialog);
            // The stored sound that is not in the folder stays, marked.
            auto* third = find<QComboBox>(dialog, "alarmSound3");
            QCOMPARE(third->currentData().toString(), QString("tone-all-clear.wav"));
            QVERIFY(third->currentText().contains("not in the sound folder"));
            QCOMPARE(find<QSpinBox>(dialog, "alarmTimes1")->text(), QString("until stopped"));
            find<QLineEdit>(dialog, "alarmName2")->setText("lockdown");
            find<QPushButton>(dialog, "alarmsOk")->click();
            refused = dialog->result() != QDialog::Accepted && !f.folder.hasData("alarms.ini") &&
                      find<QLabel>(dialog, "alarmsProblem")
                          ->text()
                          .contains("there is already an alarm signal named Lockdown");
            find<QLineEdit>(dialog, "alarmName2")->setText("Fire");
            find<QComboBox>(dialog, "alarmSound2")->setCurrentText("bell.wav");
            find<QSpinBox>(dialog, "alarmTimes2")->setValue(3);
            find<QLineEdit>(dialog, "alarmName3")->clear();
            find<QPushButton>(dialog, "alarmsOk")->click();
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
        };
        find<QAction>(w, "alarmSignalsAction")->trigger();
        f.settle();
        QVERIFY(refused);
        QCOMPARE(f.folder.readData("alarms.ini"),
                 QByteArray("Lockdown,tone-lockdown.wav,0\r\nFire,bell.wav,3\r\n"));
        QCOMPARE(find<QAction>(w, "alarmAction2")->text(), QString("Fire"));
        QCOMPARE(find<QAction>(w, "trayAlarm2")->text(), QString("Alarm: Fire"));
        QVERIFY(!find<QAction>(w, "alarmAction3")->isVisible() &&
                !find<QAction>(w, "trayAlarm3")->isVisible());
        QStringList asked;
        f.fakes.dialogs.whileModal = answer("Sound it", &asked);
        find<QAction>(w, "alarmAction2")->trigger();
        f.settle();
        QCOMPARE(asked, QStringList{"Sound the alarm signal Fire now? It rings on the bell card 3 times."});
        QVERIFY(f.fakes.bell.plays.last().path.endsWith("/sound/bell.wav"));
        find<QAction>(w, "stopAlarmAction")->trigger();
        f.settle();

        // A file where data/ should be: the save fails.
        QVERIFY(QDir(f.folder.path()).rename("data", "data.away"));
        f.folder.addFile("data", "not a folder");
        bool said = false;
        f.fakes.dialogs.whileModal = [&](QWidget* window) {
            find<QLineEdit>(window, "alarmName2")->setText("Drill");
            find<QPushButton>(window, "alarmsOk")->click();
            said = find<QLabel>(window, "alarmsProblem")->text().contains("could not be written");
            QVERIFY(static_cast<QDialog*>(window)->result() != QDialog::Accepted);
            find<QPushButton>(window, "alarmsCancel")->click();
        };
        find<QAction>(w, "alarmSignalsAction")->trigger();
        f.settle();
        QVERIFY(said);
        QCOMPARE(find<QAction>(w, "alarmAction2")->text(), QString("Drill"));
        f.fakes.dialogs.messages.clear();
        f.fakes.dialogs.whileModal = answer("Sound it", &asked);
        const qsizetype before = f.fakes.bell.plays.size();
        find<QAction>(w, "alarmAction2")->trigger();
        f.settle();
        QCOMPARE(f.fakes.dialogs.messages.size(), 0);
        QCOMPARE(f.fakes.bell.plays.size(), before + 1);
        QCOMPARE(find<QLabel>(w, "alarmText")->text(), QString("Alarm: Drill"));
    }
};

QTEST_MAIN(TestAlarm)
#include "test_alarm.moc"
