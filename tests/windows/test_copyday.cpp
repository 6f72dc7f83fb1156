// Copying the list of the day on screen to other days of the week, and the ring log from the
// menu strip.
#include <QDialog>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "windowfixture.h"

namespace {

QDateTime at(int h, int m, int s, int day = 7) {  // 7 December 2026 is a Monday
    return QDateTime(QDate(2026, 12, day), QTime(h, m, s));
}

// The days the dialog offers, in the order shown, each with "+" when chosen.
QStringList offered(QWidget* dialog) {
    QStringList boxes;
    for (auto* box : dialog->findChildren<QCheckBox*>()) {
        boxes.append(box->text() + (box->isChecked() ? "+" : "-"));
    }
    return boxes;
}

void clickOk(QWidget* dialog) {
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    QVERIFY(buttons);
    buttons->button(QDialogButtonBox::Ok)->click();
}

QByteArray dataFiles(const WindowFixture& f, const char* pattern) {
    QByteArray all;
    for (int day = 1; day <= 7; ++day) {
        const QString name = QString::fromLatin1(pattern).arg(day);
        all += name.toLatin1() + ":" + f.folder.readData(name) + "\n";
    }
    return all;
}

}  // namespace

class TestCopyDay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Monday's manual list goes to Tuesday to Friday; only Tuesday, whose own list differs, is
    // named in the question. At midnight the bells ring Tuesday's new list.
    void manualListCopiedToTheWeekdaysRingsOnTheNextDay() {
        WindowFixture f;
        f.fakes.clock.set(at(10, 0, 0));
        f.folder.addSound("a.wav");
        f.writeOptions(2, 2, 0);
        const QByteArray monday = " 0 \r\n00hr 00min/a.wav\r\n07hr 30min/a.wav\r\n";
        f.folder.writeData("mdata_2.ini", monday);
        f.folder.writeData("mdata_3.ini", " 0 \r\n09hr 00min/a.wav\r\n");
        f.folder.writeData("mdata_4.ini", monday);
        f.folder.writeData("mdata_7.ini", " 0 \r\n10hr 00min/a.wav\r\n");
        f.folder.writeData("mdata.ini", "08hr 00min/a.wav\r\n");
        auto* w = f.load();
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("Monday"));

        QStringList shown;
        f.fakes.dialogs.whileModal = [&shown](QWidget* dialog) {
            shown = offered(dialog);
            clickOk(dialog);
        };
        auto* copyDaysButton = find<QPushButton>(w, "copyDaysButton");
        QVERIFY(copyDaysButton->isVisible());
        copyDaysButton->click();
        f.settle();
        // Monday is left out; the weekdays are chosen, the weekend is not (the week begins on Monday here).
        QCOMPARE(shown,
                 (QStringList{"Tuesday+", "Wednesday+", "Thursday+", "Friday+", "Saturday-", "Sunday-"}));
        QCOMPARE(f.fakes.dialogs.texts(),
                 QStringList{"Tuesday already has a list of its own. Replace it with the list of Monday?"});
        for (const char* day : {"mdata_3.ini", "mdata_4.ini", "mdata_5.ini", "mdata_6.ini"}) {
            QCOMPARE(f.folder.readData(day), monday);
        }
        QCOMPARE(f.folder.readData("mdata_7.ini"), QByteArray(" 0 \r\n10hr 00min/a.wav\r\n"));
        QVERIFY(!f.folder.hasData("mdata_1.ini"));
        QCOMPARE(f.folder.readData("mdata.ini"), QByteArray("08hr 00min/a.wav\r\n"));
        QVERIFY(f.folder.readData("ring.log")
                    .contains(" the list of Monday was copied to Tuesday, Wednesday, Thursday, Friday\r\n"));

        f.fakes.clock.set(at(23, 59, 58));
        w->onStartClicked();
        f.settle();
        QVERIFY(!copyDaysButton->isEnabled());  // locked while the bells run
        f.fakes.clock.set(at(0, 0, 0, 8));
        f.tick();
        QCOMPARE(find<QLineEdit>(w, "dayNameBox")->text(), QString("Tuesday"));
        QCOMPARE(f.list("todayList"), (QStringList{"00hr00min", "07hr30min"}));
        f.fakes.clock.advance(1);
        f.tick();
        QCOMPARE(f.fakes.bell.plays.size(), 1);
    }

    // "Auto interval": the question names the day with settings of its own; "No" leaves every file
    // as it was, the settings typed on screen included. "Yes" stores the settings on screen, as a
    // move of the day selector does, and copies them.
    void intervalCopyAsksBeforeReplacingADaysOwnSettings() {
        WindowFixture f;
        f.fakes.clock.set(at(10, 0, 0));
        f.folder.addSound("a.wav");
        f.writeOptions(1, 2, 0);
        f.folder.writeData("adata_2.ini", "9\r\n0\r\n12\r\n0\r\n50\r\n10\r\n 0 \r\nm.wav\r\nm.wav\r\n");
        f.folder.writeData("adata_5.ini", "7\r\n30\r\n8\r\n30\r\n40\r\n10\r\n 0 \r\nt.wav\r\nt.wav\r\n");
        f.folder.writeData("adata_7.ini", "6\r\n0\r\n9\r\n0\r\n30\r\n5\r\n 0 \r\ns.wav\r\ns.wav\r\n");
        f.folder.writeData("adata.ini", "9\r\n0\r\n12\r\n0\r\n45\r\n15\r\nw.wav\r\nw.wav\r\n");
        auto* w = f.load();
        find<QLineEdit>(w, "startHourBox")->setText("8");  // typed, not stored yet
        const QByteArray before = dataFiles(f, "adata_%1.ini") + f.folder.readData("adata.ini");

        f.fakes.dialogs.whileModal = [](QWidget* dialog) { clickOk(dialog); };
        f.fakes.dialogs.answers.enqueue(Dialogs::Answer::No);
        find<QPushButton>(w, "copyDaysButton")->click();
        f.settle();
        QCOMPARE(f.fakes.dialogs.texts(),
                 QStringList{"Thursday already has a list of its own. Replace it with the list of Monday?"});
        QCOMPARE(dataFiles(f, "adata_%1.ini") + f.folder.readData("adata.ini"), before);
        QVERIFY(!f.folder.readData("ring.log").contains("was copied"));

        find<QPushButton>(w, "copyDaysButton")->click();  // "Yes" this time
        f.settle();
        const QByteArray monday = f.folder.readData("adata_2.ini");
        QVERIFY(monday.startsWith("8\r\n0\r\n12\r\n0\r\n50\r\n10\r\n 0 \r\nm.wav\r\nm.wav\r\n"));
        for (const char* day : {"adata_3.ini", "adata_4.ini", "adata_5.ini", "adata_6.ini"}) {
            QCOMPARE(f.folder.readData(day), monday);
        }
        QCOMPARE(f.folder.readData("adata_7.ini"),
                 QByteArray("6\r\n0\r\n9\r\n0\r\n30\r\n5\r\n 0 \r\ns.wav\r\ns.wav\r\n"));
        QVERIFY(!f.folder.hasData("adata_1.ini"));
        QCOMPARE(f.folder.readData("adata.ini"),
                 QByteArray("9\r\n0\r\n12\r\n0\r\n45\r\n15\r\nw.wav\r\nw.wav\r\n"));

        find<QRadioButton>(w, "weekModeButton")->click();  // "Apply week" has no day to copy
        QVERIFY(!find<QPushButton>(w, "copyDaysButton")->isVisible());
    }

    // "Ring log" in the menu strip opens the ring log, and the strip still fits the window.
    void ringLogFromTheMenuStrip() {
        WindowFixture f;
        auto* w = f.load();
        auto* entry = find<QLabel>(w, "ringLogEntry");
        QCOMPARE(entry->text(), QString("Ring log"));
        QVERIFY(entry->width() >= entry->sizeHint().width());
        QVERIFY(entry->geometry().right() < find<QWidget>(w, "menuStrip")->width());
        QVERIFY(w->screen()->availableGeometry().contains(w->frameGeometry()));
        QTest::mouseClick(entry, Qt::LeftButton);
        f.settle();
        QVERIFY(w->ringLogWindow());
        QVERIFY(w->ringLogWindow()->isVisible());
        QVERIFY(find<QPlainTextEdit>(w, "ringLogText")->toPlainText().contains("Corvalin started"));
        QVERIFY(!entry->autoFillBackground());
    }
};

QTEST_MAIN(TestCopyDay)
#include "test_copyday.moc"
