// The manual time list: add, delete, change sound, delete all, each stored at once; and
// applying a template to the list being edited.
#include <QtTest>

#include "ui/templates/templet.h"
#include "windowfixture.h"

namespace {

MainWindow* manualWeek(WindowFixture& f, int dayMode = 1) {
    f.folder.addSound("bell.wav");
    f.folder.addSound("chime.wav");
    f.folder.addFile("sound/notes.txt");
    f.writeOptions(2, dayMode, 0);
    return f.load();
}

void select(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list->setCurrentItem(found.first());
}

}  // namespace

class TestTimeList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addKeepsTheListSortedAndStored() {
        WindowFixture f;
        auto* w = manualWeek(f);
        for (auto [h, m] : {std::pair{"13", "5"}, {"7", "05"}, {"23", "59"}, {"0", "0"}}) {
            find<QLineEdit>(w, "inputHourBox")->setText(h);
            find<QLineEdit>(w, "inputMinuteBox")->setText(m);
            w->timeList()->onAddTimeClicked();
            f.settle();
        }
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        const QStringList expected{"00hr 00min/bell.wav", "07hr 05min/bell.wav", "13hr 05min/bell.wav",
                                   "23hr 59min/bell.wav"};
        QCOMPARE(f.list("bellTimeList"), expected);
        QCOMPARE(f.folder.readData("mdata.ini"), (expected.join("\r\n") + "\r\n").toLatin1());
    }

    void duplicateKeyRefusedWhateverTheSound() {
        WindowFixture f;
        auto* w = manualWeek(f);
        find<QLineEdit>(w, "inputHourBox")->setText("7");
        find<QLineEdit>(w, "inputMinuteBox")->setText("5");
        w->timeList()->onAddTimeClicked();
        f.settle();
        select(find<QListWidget>(w, "soundList"), "chime.wav");
        find<QLineEdit>(w, "inputHourBox")->setText("07");
        find<QLineEdit>(w, "inputMinuteBox")->setText("05");
        w->timeList()->onAddTimeClicked();
        f.settle();
        QCOMPARE(f.fakes.dialogs.texts(), QStringList{"The corresponding time is being register already."});
        QCOMPARE(f.list("bellTimeList"), QStringList{"07hr 05min/bell.wav"});
    }

    void addRefusals_data() {
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::addColumn<QString>("message");
        QTest::newRow("no sound") << "" << "7" << "5" << "Select bell sound int [Select bell sound]";
        QTest::newRow("not a wave") << "notes.txt" << "7" << "5"
                                    << "Add Only wave file to sound folder. Please, delete non wave file from";
        QTest::newRow("hour empty") << "bell.wav" << "" << "" << "(Hour)Please input digit between 0 and 23";
        QTest::newRow("minute empty") << "bell.wav" << "7" << "" << "(Minute)Please input digit between 0 and 59";
        QTest::newRow("hour 24") << "bell.wav" << "24" << "60" << "(Hour)Please input digit between 0 and 23";
        QTest::newRow("minute 60") << "bell.wav" << "23" << "60" << "(Minute)Please input digit between 0 and 59";
        QTest::newRow("three characters") << "bell.wav" << "007" << "5" << "(Hour)Please input digit between 0 and 23";
        QTest::newRow("negative") << "bell.wav" << "7" << "-5" << "(Minute)Please input digit between 0 and 59";
        QTest::newRow("not a number") << "bell.wav" << "x" << "5" << "(Hour)Please input digit between 0 and 23";
    }
    void addRefusals() {
        QFETCH(QString, sound);
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QFETCH(QString, message);
        WindowFixture f;
        auto* w = manualWeek(f);
        find<QListWidget>(w, "soundList")->clearSelection();
        if (!sound.isEmpty()) {
            select(find<QListWidget>(w, "soundList"), sound);
        }
        find<QLineEdit>(w, "inputHourBox")->setText(hour);
        find<QLineEdit>(w, "inputMinuteBox")->setText(minute);
        w->timeList()->onAddTimeClicked();
        f.settle();
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QVERIFY2(f.fakes.dialogs.texts().first().startsWith(message), qPrintable(f.fakes.dialogs.texts().first()));
        QCOMPARE(find<QListWidget>(w, "bellTimeList")->count(), 0);
        QVERIFY(!f.folder.hasData("mdata.ini"));
    }

    void deleteAndChangeSound() {
        WindowFixture f;
        f.folder.writeData("mdata.ini", "07hr 05min/bell.wav\r\n08hr 00min/bell.wav\r\n");
        auto* w = manualWeek(f);
        find<QListWidget>(w, "bellTimeList")->clearSelection();
        w->timeList()->onDeleteTimeClicked();
        f.settle();
        w->timeList()->onChangeSoundClicked();
        f.settle();
        QCOMPARE(f.fakes.dialogs.texts(), (QStringList{"Select time that you want to delete in [Added time]",
                                                       "Select time that you want to modify in [Added time]"}));
        select(find<QListWidget>(w, "bellTimeList"), "07hr 05min/bell.wav");
        find<QListWidget>(w, "soundList")->clearSelection();
        w->timeList()->onChangeSoundClicked();
        f.settle();
        QCOMPARE(f.fakes.dialogs.texts().last(), QString("Select bell sound in [Select bell sound]"));
        // A non-wave file can be given to an existing time.
        select(find<QListWidget>(w, "soundList"), "notes.txt");
        w->timeList()->onChangeSoundClicked();
        f.settle();
        QCOMPARE(f.list("bellTimeList"), (QStringList{"07hr 05min/notes.txt", "08hr 00min/bell.wav"}));
        QCOMPARE(find<QListWidget>(w, "bellTimeList")->currentRow(), 0);
        select(find<QListWidget>(w, "bellTimeList"), "08hr 00min/bell.wav");
        w->timeList()->onDeleteTimeClicked();
        f.settle();
        QCOMPARE(f.folder.readData("mdata.ini"), QByteArray("07hr 05min/notes.txt\r\n"));
    }

    void deleteAllAsksFirst() {
        WindowFixture f;
        f.folder.writeData("mdata.ini", "07hr 05min/bell.wav\r\n");
        auto* w = manualWeek(f);
        f.fakes.dialogs.answers.enqueue(Dialogs::Answer::No);
        w->timeList()->onDeleteAllClicked();
        f.settle();
        QCOMPARE(find<QListWidget>(w, "bellTimeList")->count(), 1);
        const auto& ask = f.fakes.dialogs.messages.first();
        QCOMPARE(ask.title, QString("Delete"));
        QCOMPARE(ask.text, QString("Delete all times of time box?"));
        QCOMPARE(ask.icon, Dialogs::Icon::Question);
        QCOMPARE(ask.buttons, Dialogs::Buttons::YesNo);
        f.fakes.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        w->timeList()->onDeleteAllClicked();
        f.settle();
        QCOMPARE(find<QListWidget>(w, "bellTimeList")->count(), 0);
        QCOMPARE(f.folder.readData("mdata.ini"), QByteArray());
    }

    void eachDayEditsGoToTheDayFile() {
        WindowFixture f;
        auto* w = manualWeek(f, 2);
        find<QLineEdit>(w, "inputHourBox")->setText("9");
        w->timeList()->onAddTimeClicked();
        f.settle();
        QCOMPARE(f.folder.readData("mdata_2.ini"), QByteArray(" 0 \r\n09hr 05min/bell.wav\r\n"));
        QVERIFY(!f.folder.hasData("mdata.ini"));
    }

    void templateIntoTheWeek() {
        WindowFixture f;
        f.folder.writeData("mdata_10.ini", " 1 \r\n10hr 00min/b.wav\r\n09hr 00min/a.wav\r\n");
        auto* w = manualWeek(f);
        QVERIFY(w->timeList()->applyTemplate(3));
        QCOMPARE(f.list("bellTimeList"), (QStringList{"09hr 00min/a.wav", "10hr 00min/b.wav"}));
        QCOMPARE(f.folder.readData("mdata.ini"), QByteArray("09hr 00min/a.wav\r\n10hr 00min/b.wav\r\n"));
        QVERIFY(!find<QCheckBox>(w, "noRingsBox")->isChecked());  // the flag is not used for the week
    }

    void templateIntoADay() {
        WindowFixture f;
        f.folder.writeData("mdata_10.ini", " 1 \r\n10hr 00min/b.wav\r\n");
        auto* w = manualWeek(f, 2);
        find<Spinner>(w, "daySelector")->setValue(5);
        f.fakes.dialogs.whileModal = [w](QWidget* window) {
            auto* templet = qobject_cast<Templet*>(window);
            QVERIFY(templet);
            templet->templateButtons[2]->click();
            QVERIFY(!templet->isVisible());
            Q_UNUSED(w);
        };
        w->timeList()->onApplyTemplateClicked();
        f.settle();
        QCOMPARE(f.fakes.dialogs.modals.size(), 1);
        QVERIFY(find<QCheckBox>(w, "noRingsBox")->isChecked());
        QCOMPARE(f.folder.readData("mdata_5.ini"), QByteArray(" 1 \r\n10hr 00min/b.wav\r\n"));
    }

    void onlyTheFlagLine() {
        WindowFixture f;
        f.folder.writeData("mdata_8.ini", " 0 \r\n");
        auto* w = manualWeek(f, 2);
        find<QListWidget>(w, "bellTimeList")->addItem("06hr 00min/x.wav");
        QVERIFY(w->timeList()->applyTemplate(1));
        QCOMPARE(find<QListWidget>(w, "bellTimeList")->count(), 0);
        QCOMPARE(f.folder.readData("mdata_2.ini"), QByteArray(" 0 \r\n"));
    }

    void unreadableTemplateChangesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("first line not a number") << QByteArray("08hr 00min/a.wav\r\n");
    }
    void unreadableTemplateChangesNothing() {
        QFETCH(QByteArray, bytes);
        WindowFixture f;
        if (!bytes.isNull()) {
            f.folder.writeData("mdata_13.ini", bytes);
        }
        f.folder.writeData("mdata.ini", "07hr 00min/bell.wav\r\n");
        auto* w = manualWeek(f);
        QVERIFY(!w->timeList()->applyTemplate(6));
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.fakes.dialogs.messages.first().title, QString("Warning"));
        QCOMPARE(f.list("bellTimeList"), QStringList{"07hr 00min/bell.wav"});
        QCOMPARE(f.folder.readData("mdata.ini"), QByteArray("07hr 00min/bell.wav\r\n"));
    }

    void closingTheTemplateWindowChangesNothing() {
        WindowFixture f;
        f.folder.writeData("mdata.ini", "07hr 00min/bell.wav\r\n");
        auto* w = manualWeek(f);
        f.fakes.dialogs.whileModal = [](QWidget* window) {
            qobject_cast<Templet*>(window)->closeButton->click();
        };
        w->timeList()->onApplyTemplateClicked();
        f.settle();
        QCOMPARE(f.list("bellTimeList"), QStringList{"07hr 00min/bell.wav"});
    }
};

QTEST_MAIN(TestTimeList)
#include "test_timelist.moc"
