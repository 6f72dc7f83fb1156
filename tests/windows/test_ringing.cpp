// Ringing from the window: ring now, the repeat option, "No sound at bell", the sound pickers,
// the dedicated-card dialog and the sound list following the folder. How a bell rings is the
// ringer's own tests.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include <sndfile.h>

#include <cmath>
#include <vector>

#include "ui/sound/sndselect.h"
#include "support/longsound.h"
#include "windowfixture.h"

namespace {

QDateTime at(int h, int m, int s) {
    return QDateTime(QDate(2026, 12, 7), QTime(h, m, s));
}

// The music on the default card, the bells on a card of their own.
QList<OutputDevice> twoCards() {
    return {{"", "Default output"}, {"main_out", "Speakers"}, {"bell_out", "USB Audio"}};
}

// A second of a tone in a format other than wave: FLAC.
bool writeFlacTone(const QString& path) {
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = 1;
    info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file) {
        return false;
    }
    std::vector<float> tone(8000);
    for (size_t i = 0; i < tone.size(); ++i) {
        tone[i] = 0.5f * std::sin(static_cast<float>(i) * 0.5f);
    }
    const bool written = sf_writef_float(file, tone.data(), 8000) == 8000;
    sf_close(file);
    return written;
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

MainWindow* window(WindowFixture& f, int setTimeMode = 1, int dayMode = 1) {
    f.folder.addSound("a.wav");
    f.folder.addSound("long.wav");
    f.writeOptions(setTimeMode, dayMode, 1);
    auto* w = f.load();
    f.fakes.mixer.history.clear();
    return w;
}

}  // namespace

class TestRinging : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ringNow() {
        WindowFixture f;
        f.fakes.bell.deviceList = twoCards();
        f.folder.writeData("snd.ini", " 1 \r\n");
        auto* w = window(f);
        find<QCheckBox>(w, "silentBox")->setChecked(true);
        w->onRingNowClicked();
        f.settle();
        QVERIFY(f.fakes.bell.plays.last().path.endsWith("/sound/long.wav"));
        QVERIFY(f.fakes.mixer.muted);
        w->sounds()->onStopBellClicked();
        f.settle();
        QVERIFY(!f.fakes.mixer.muted);
        QVERIFY(!f.fakes.bell.present);
        f.fakes.dialogs.messages.clear();
        find<QListWidget>(w, "soundList")->clearSelection();
        w->onRingNowClicked();
        f.settle();
        QCOMPARE(f.fakes.dialogs.texts(), QStringList{"Select bell sound from [Select bell sound]"});
        QCOMPARE(f.fakes.dialogs.messages.first().title, QString("Warning"));
        QCOMPARE(f.fakes.bell.plays.size(), 1);
    }

    // A bell that cannot be played is never silent about it: the warning line shows it, without a
    // box that would wait for a click, until the operator clicks it to read the ring log.
    void problemsGoToTheWarningLineAndTheRingLog() {
        WindowFixture f;
        auto* w = window(f);
        auto* warning = find<QLabel>(w, "warningLine");
        QVERIFY(!warning->isVisible());
        f.fakes.bell.broken = QStringList{"long.wav"};
        w->onRingNowClicked();
        f.settle();
        QVERIFY(warning->isVisible());
        QVERIFY2(warning->text().contains("long.wav could not be played"), qPrintable(warning->text()));
        QVERIFY(f.fakes.dialogs.messages.isEmpty());
        QVERIFY(f.fakes.dialogs.modals.isEmpty());
        QTest::mouseClick(warning, Qt::LeftButton);
        QVERIFY(!warning->isVisible());
        auto* log = find<QPlainTextEdit>(w, "ringLogText");
        QVERIFY(log->window()->isVisible());
        QVERIFY(log->isReadOnly());
        QVERIFY(log->toPlainText().contains("problem: long.wav could not be played"));
        f.fakes.bell.broken.clear();
        w->onRingNowClicked();
        f.settle();
        QVERIFY(!warning->isVisible());  // a bell that rings is no problem
        QVERIFY(f.folder.readData("ring.log").endsWith(" ring now long.wav on Default output\r\n"));
    }

    // A problem that lasts leaves the warning line when it ends, and the line goes back to what is
    // still wrong; the ring log keeps both moments.
    void aProblemThatEndsLeavesTheWarningLine() {
        WindowFixture f;
        auto* w = window(f);
        auto* warning = find<QLabel>(w, "warningLine");
        f.fakes.bell.broken = QStringList{"long.wav"};
        w->onRingNowClicked();
        f.settle();
        f.fakes.bell.broken.clear();
        f.onBells([&f] { f.fakes.bell.serverAway(); });
        QVERIFY(warning->isVisible());
        QVERIFY2(warning->text().contains("sound server cannot be reached"), qPrintable(warning->text()));
        f.onBells([&f] { f.fakes.bell.serverBack(); });
        QVERIFY2(warning->text().contains("long.wav could not be played"), qPrintable(warning->text()));
        f.onBells([&f] { f.fakes.bell.serverAway(); });
        QTest::mouseClick(warning, Qt::LeftButton);
        f.onBells([&f] { f.fakes.bell.serverBack(); });
        QVERIFY(!warning->isVisible());
        const QByteArray log = f.folder.readData("ring.log");
        QCOMPARE(log.count("problem: the sound server cannot be reached"), 2);
        QCOMPARE(log.count("the sound server is reached again"), 2);
    }

    void repeatShowsTheStopButtonAndSaves() {
        WindowFixture f;
        auto* w = window(f);
        QVERIFY(!find<ImageButton>(w, "stopBellButton")->isVisible());
        find<QCheckBox>(w, "repeatBellBox")->setChecked(true);
        QVERIFY(find<ImageButton>(w, "stopBellButton")->isVisible());
        QVERIFY(f.folder.readData("data.ini").endsWith(" 1 \r\n 0 \r\n"));
        find<QCheckBox>(w, "repeatBellBox")->setChecked(false);
        QVERIFY(!find<ImageButton>(w, "stopBellButton")->isVisible());
    }

    void noSoundAtBellExplainsItselfAfterStartUp() {
        WindowFixture f;
        auto* w = window(f);
        find<QCheckBox>(w, "silentBox")->setChecked(true);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QVERIFY(f.fakes.dialogs.texts().first().startsWith("Because, this function purge computer default"));
        QVERIFY(f.fakes.dialogs.texts().first().contains("\n\n컴퓨터로 음악을"));
        find<QCheckBox>(w, "silentBox")->setChecked(false);
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QVERIFY(f.folder.readData("data.ini").contains("\r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n"));
    }

    void pickersFillTheirBoxAndSave_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("weekLine");
        QTest::newRow("start") << "startBellSoundButton"
                               << "startBellSoundBox" << 6;
        QTest::newRow("end") << "endBellSoundButton"
                             << "endBellSoundBox" << 7;
        QTest::newRow("after start") << "preBell1SoundButton"
                                     << "preBell1SoundBox" << 10;
        QTest::newRow("before end") << "preBell2SoundButton"
                                    << "preBell2SoundBox" << 13;
    }
    void pickersFillTheirBoxAndSave() {
        QFETCH(QString, button);
        QFETCH(QString, box);
        QFETCH(int, weekLine);
        WindowFixture f;
        auto* w = window(f);
        w->findChild<QPushButton*>(button)->click();
        QCOMPARE(w->findChild<QLineEdit*>(box)->text(), QString("long.wav"));
        const QList<QByteArray> week = f.folder.readData("adata.ini").split('\n');
        QCOMPARE(week.at(weekLine), QByteArray("long.wav\r"));

        WindowFixture g;
        auto* v = window(g, 1, 2);
        find<Spinner>(v, "daySelector")->setValue(5);
        v->findChild<QPushButton*>(button)->click();
        const QList<QByteArray> day = g.folder.readData("adata_5.ini").split('\n');
        QCOMPARE(day.at(weekLine + 1), QByteArray("long.wav\r"));
        QVERIFY(!g.folder.hasData("adata.ini"));

        find<QListWidget>(v, "soundList")->clearSelection();
        v->findChild<QLineEdit*>(box)->setText("kept.wav");
        v->findChild<QPushButton*>(button)->click();
        QCOMPARE(g.fakes.dialogs.texts(), QStringList{"Select bell sound from [Select bell sound]"});
        QCOMPARE(v->findChild<QLineEdit*>(box)->text(), QString("kept.wav"));

        // A sound longer than a bell may last stays in its place in the list, greyed with its
        // reason; picked, it is refused on the warning line, and the box and file stay as they are.
        QVERIFY(writeLongSilence(g.folder.path() + "/sound/zz.wav", 11 * 60));
        v->sounds()->fillSoundList();
        g.settle();
        auto* list = find<QListWidget>(v, "soundList");
        QCOMPARE(g.list("soundList"), (QStringList{"a.wav", "long.wav", "zz.wav"}));
        QVERIFY(list->item(1)->toolTip().isEmpty());
        QVERIFY(list->item(2)->toolTip().contains("it lasts 11 min 00 s"));
        const QByteArray stored = g.folder.readData("adata_5.ini");
        list->setCurrentRow(2);
        v->findChild<QPushButton*>(button)->click();
        g.settle();
        QCOMPARE(v->findChild<QLineEdit*>(box)->text(), QString("kept.wav"));
        QCOMPARE(g.folder.readData("adata_5.ini"), stored);
        QVERIFY2(find<QLabel>(v, "warningLine")
                     ->text()
                     .endsWith("zz.wav cannot be chosen as a bell sound: it lasts 11 min 00 s; a bell sound "
                               "lasts at most 10 minutes"),
                 qPrintable(find<QLabel>(v, "warningLine")->text()));
        QCOMPARE(g.fakes.dialogs.texts().size(), 1);
    }

    void dedicatedCard() {
        WindowFixture f;
        f.fakes.bell.deviceList = {
            {"", "Default output"}, {"main_out", "Speakers"}, {"bell_out", "USB Audio"}};
        auto* w = window(f);
        QCOMPARE(find<QLabel>(w, "soundCardText")->text(), QString("Default output(0)"));
        QStringList shown;
        int selected = -2;
        f.fakes.dialogs.whileModal = [&](QWidget* window) {
            auto* dialog = qobject_cast<SndSelect*>(window);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QString("Select dedicated soundcard"));
            shown.clear();
            for (int i = 0; i < dialog->ComboSndSound->count(); ++i) {
                shown.append(dialog->ComboSndSound->itemText(i));
            }
            selected = dialog->ComboSndSound->currentIndex();
            dialog->ComboSndSound->setCurrentIndex(shown.size() - 1);
            dialog->SndSet->click();
        };
        w->onSetSoundCardClicked();
        f.settle();
        QCOMPARE(shown, (QStringList{"Speakers(1)", "USB Audio(2)"}));
        QCOMPARE(selected, -1);
        QCOMPARE(f.ringer().soundCardIndex(), 1);
        QCOMPARE(find<QLabel>(w, "soundCardText")->text(), QString("USB Audio(2)"));
        QCOMPARE(f.folder.readData("snd.ini"), QByteArray(" 1 \r\n"));
        w->onRingNowClicked();
        f.settle();
        QCOMPARE(f.fakes.bell.plays.last().deviceId, QString("bell_out"));

        // Opened again after a card was plugged in: the devices as the sound server last told
        // them, with the current choice selected.
        f.fakes.bell.deviceList.append(OutputDevice{"usb2", "Headset"});
        f.onBells([&f] { f.fakes.bell.devicesChanged(); });
        w->onSetSoundCardClicked();
        f.settle();
        QCOMPARE(shown, (QStringList{"Speakers(1)", "USB Audio(2)", "Headset(3)"}));
        QCOMPARE(selected, 1);

        // Back to the default output: no card is stored, and the bell follows the system's output.
        f.fakes.dialogs.whileModal = [&](QWidget* window) {
            auto* dialog = qobject_cast<SndSelect*>(window);
            dialog->SndDefault->click();
            dialog->SndSet->click();
        };
        w->onSetSoundCardClicked();
        f.settle();
        QCOMPARE(f.folder.readData("snd.ini"), QByteArray("-1 \r\n"));
        w->onRingNowClicked();
        f.settle();
        QCOMPARE(f.fakes.bell.plays.last().deviceId, QString());

        // The devices change while the window is open: the card's label follows.
        f.fakes.bell.deviceList = {{"", "Default output"}};
        f.onBells([&f] { f.fakes.bell.devicesChanged(); });
        QCOMPARE(find<QLabel>(w, "soundCardText")->text(), QString("Default output(0)"));
    }

    // "No sound at bell" on, the bell card unplugged at 07:57:53: the bells of 07:58 and 07:59 ring
    // on the default output, which is not muted for them, and the warning line, the ring log and
    // the card's label say so from the moment the card goes until it is back. Back after a card
    // that lists before it, the bells find it by its name, and snd.ini keeps the operator's choice.
    void aBellCardUnpluggedBeforeBells() {
        WindowFixture f;
        f.fakes.bell.deviceList = twoCards();
        f.folder.addSound("long.wav");
        f.writeOptions(2, 1, 0);
        f.folder.writeData("mdata.ini", "07hr 58min/long.wav\r\n07hr 59min/long.wav\r\n");
        f.fakes.clock.set(at(7, 57, 0));
        auto* w = f.load();
        int preselected = -2;
        f.fakes.dialogs.whileModal = [&](QWidget* window) {
            auto* dialog = qobject_cast<SndSelect*>(window);
            preselected = dialog->ComboSndSound->currentIndex();
            dialog->ComboSndSound->setCurrentIndex(1);
            dialog->SndSet->click();
        };
        w->onSetSoundCardClicked();
        f.settle();
        find<QCheckBox>(w, "silentBox")->setChecked(true);
        w->onStartClicked();
        f.settle();
        QCOMPARE(f.bells().serviceRunning(), 1);

        auto* warning = find<QLabel>(w, "warningLine");
        f.fakes.clock.set(at(7, 57, 53));
        f.fakes.bell.deviceList.removeLast();
        f.onBells([&f] { f.fakes.bell.devicesChanged(); });
        QVERIFY(warning->isVisible());
        QVERIFY2(
            warning->text().endsWith("the bell card USB Audio(2) is not connected: the bells ring on the "
                                     "default output until it is back"),
            qPrintable(warning->text()));
        QCOMPARE(find<QLabel>(w, "soundCardText")->text(), QString("USB Audio(2) - not connected"));
        f.fakes.mixer.history.clear();
        for (const int minute : {58, 59}) {
            f.fakes.clock.set(at(7, minute, 0));
            f.tick();
            QCOMPARE(f.fakes.bell.plays.size(), minute - 57);
            QCOMPARE(f.fakes.bell.plays.last().deviceId, QString());
        }
        QVERIFY(!f.fakes.mixer.history.contains(true));
        QVERIFY2(
            warning->text().contains("long.wav rang on Default output, not on the bell card USB Audio(2)"),
            qPrintable(warning->text()));
        const QByteArray log = f.folder.readData("ring.log");
        QCOMPARE(log.count("problem: the bell card USB Audio(2) is not connected"), 1);
        QCOMPARE(
            log.count("problem: long.wav rang on Default output, not on the bell card USB Audio(2), which "
                      "is not connected; the default output was not muted for it"),
            2);

        f.fakes.bell.deviceList = {{"", "Default output"},
                                   {"main_out", "Speakers"},
                                   {"hdmi_out", "HDMI"},
                                   {"bell_out", "USB Audio"}};
        f.onBells([&f] { f.fakes.bell.devicesChanged(); });
        QCOMPARE(find<QLabel>(w, "soundCardText")->text(), QString("USB Audio(3)"));
        QVERIFY(!warning->text().contains("until it is back"));
        QVERIFY(f.folder.readData("ring.log").contains("the bell card USB Audio(3) is connected again"));
        w->onRingNowClicked();
        f.settle();
        QCOMPARE(f.fakes.bell.plays.last().deviceId, QString("bell_out"));
        QVERIFY(f.fakes.mixer.muted);
        QCOMPARE(f.folder.readData("snd.ini"), QByteArray(" 1 \r\n"));
        QCOMPARE(f.folder.readData("sndname.ini"), QByteArray(" 1 \r\nbell_out\r\nUSB Audio\r\n"));
        f.fakes.dialogs.whileModal = [&](QWidget* window) {
            auto* dialog = qobject_cast<SndSelect*>(window);
            preselected = dialog->ComboSndSound->currentIndex();
            dialog->reject();
        };
        w->onSetSoundCardClicked();
        f.settle();
        QCOMPARE(preselected, 2);
    }

    void onlyTheDefaultOutput() {
        WindowFixture f;
        auto* w = window(f);
        f.fakes.dialogs.whileModal = [](QWidget* window) {
            auto* dialog = qobject_cast<SndSelect*>(window);
            QCOMPARE(dialog->ComboSndSound->count(), 0);
            dialog->SndSet->click();
        };
        w->onSetSoundCardClicked();
        f.settle();
        QCOMPARE(f.folder.readData("snd.ini"), QByteArray("-1 \r\n"));
        QCOMPARE(find<QLabel>(w, "soundCardText")->text(), QString());
    }

    void storedCardBeyondTheList() {
        WindowFixture f;
        f.folder.writeData("snd.ini", " 5 \r\n");
        auto* w = window(f);
        QCOMPARE(f.ringer().soundCardIndex(), 5);
        QCOMPARE(find<QLabel>(w, "soundCardText")->text(), QString("Sound card(6) - not connected"));
        w->onRingNowClicked();
        f.settle();
        QCOMPARE(f.fakes.bell.plays.last().deviceId, QString());
    }

    // "Add sound..." copies a sound into the sound folder, lists it, selects it and says so in the
    // ring log; a FLAC then goes into the time list and the service starts with it. It refuses, with
    // a box and nothing copied, a file that is no sound, a sound too long for a bell, and a copy
    // that cannot be written; a name already there is replaced only when the operator says so.
    void addSoundCopiesAPlayableSound() {
        WindowFixture f;
        auto* w = window(f, 2, 1);
        auto* add = find<QPushButton>(w, "addSoundButton");
        QTemporaryDir from;
        const QString sounds = f.folder.path() + "/sound/";
        QVERIFY(writeFlacTone(from.filePath("chime.flac")));
        f.fakes.dialogs.files.enqueue(from.filePath("chime.flac"));
        QTest::mouseClick(add, Qt::LeftButton);
        f.settle();
        QVERIFY2(f.fakes.dialogs.messages.isEmpty(), qPrintable(f.fakes.dialogs.texts().join('|')));
        QCOMPARE(contentOf(sounds + "chime.flac"), contentOf(from.filePath("chime.flac")));
        QCOMPARE(f.list("soundList"), (QStringList{"a.wav", "chime.flac", "long.wav"}));
        QCOMPARE(find<QListWidget>(w, "soundList")->currentItem()->text(), QString("chime.flac"));
        QVERIFY(f.folder.readData("ring.log").contains(" the sound chime.flac was added\r\n"));
        find<QLineEdit>(w, "inputHourBox")->setText("08");
        find<QLineEdit>(w, "inputMinuteBox")->setText("10");
        w->timeList()->onAddTimeClicked();
        w->onStartClicked();
        f.settle();
        QVERIFY2(f.fakes.dialogs.messages.isEmpty(), qPrintable(f.fakes.dialogs.texts().join('|')));
        QCOMPARE(f.list("bellTimeList"), QStringList{"08hr 10min/chime.flac"});
        QCOMPARE(f.bells().serviceRunning(), 1);
        w->onStopClicked();
        f.settle();

        // Refused: no sound (whatever its name), and a sound longer than a bell may last.
        QFile notes(from.filePath("notes.mp3"));
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("these are not sounds\n") > 0);
        notes.close();
        QVERIFY(writeLongSilence(from.filePath("hour.flac"), 11 * 60));
        const struct {
            QString file;
            QString why;
        } refused[] = {
            {"notes.mp3", "notes.mp3 was not added: the file is not a sound that can be played."},
            {"hour.flac", "hour.flac was not added: it lasts 11 min 00 s; a bell sound lasts at most 10"}};
        for (const auto& r : refused) {
            f.fakes.dialogs.messages.clear();
            f.fakes.dialogs.files.enqueue(from.filePath(r.file));
            QTest::mouseClick(add, Qt::LeftButton);
            f.settle();
            QCOMPARE(f.fakes.dialogs.messages.size(), 1);
            QCOMPARE(f.fakes.dialogs.messages.first().title, QString("Warning"));
            QVERIFY2(f.fakes.dialogs.texts().first().startsWith(r.why), qPrintable(f.fakes.dialogs.texts().first()));
            QVERIFY(!QFile::exists(sounds + r.file));
        }

        // A name already there: "No" keeps the old sound, "Yes" puts the new one in its place.
        QVERIFY(writeFlacTone(from.filePath("a.wav")));  // a FLAC under a wave name plays all the same
        const QByteArray before = contentOf(sounds + "a.wav");
        for (const auto answer : {Dialogs::Answer::No, Dialogs::Answer::Yes}) {
            f.fakes.dialogs.messages.clear();
            f.fakes.dialogs.answers.enqueue(answer);
            f.fakes.dialogs.files.enqueue(from.filePath("a.wav"));
            QTest::mouseClick(add, Qt::LeftButton);
            f.settle();
            QCOMPARE(f.fakes.dialogs.messages.size(), 1);
            QCOMPARE(f.fakes.dialogs.messages.first().buttons, Dialogs::Buttons::YesNo);
            QVERIFY(f.fakes.dialogs.texts().first().startsWith("a.wav is already in the sound folder"));
            QCOMPARE(contentOf(sounds + "a.wav"),
                     answer == Dialogs::Answer::Yes ? contentOf(from.filePath("a.wav")) : before);
        }
        QVERIFY(f.folder.readData("ring.log").contains(" the sound a.wav was added in place of the one before\r\n"));

        // A copy that cannot be written says why, and leaves nothing half written behind.
        QVERIFY(QDir().mkpath(sounds + "chime2.flac/inside"));
        QVERIFY(QFile::copy(from.filePath("chime.flac"), from.filePath("chime2.flac")));
        f.fakes.dialogs.messages.clear();
        f.fakes.dialogs.files.enqueue(from.filePath("chime2.flac"));
        QTest::mouseClick(add, Qt::LeftButton);
        f.settle();
        QCOMPARE(f.fakes.dialogs.messages.size(), 2);  // the replace question, then the refusal
        QVERIFY2(f.fakes.dialogs.texts().last().startsWith("chime2.flac was not added: it could not be copied: "),
                 qPrintable(f.fakes.dialogs.texts().last()));
        QCOMPARE(QDir(sounds).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"a.wav", "chime.flac", "long.wav"}));
    }

    // The operator deletes the file that refused the start, as the message asks: the list shows
    // the folder as it is, and the next start goes through without a restart.
    void soundListFollowsTheFolder() {
        WindowFixture f;
        f.folder.addSound("a.wav");
        f.folder.addFile("sound/notes.txt");
        f.writeOptions(2, 1, 0);
        f.folder.writeData("mdata.ini", "08hr 00min/a.wav\r\n");
        auto* w = f.load();
        w->onStartClicked();
        f.settle();
        QVERIFY(f.fakes.dialogs.texts().last().startsWith("Add Only wave file"));
        QFile::remove(f.folder.path() + "/sound/notes.txt");
        f.folder.addSound("b.wav");
        QTRY_COMPARE(f.list("soundList"), (QStringList{"a.wav", "b.wav"}));
        w->onStartClicked();
        f.settle();
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.bells().serviceRunning(), 1);
        QCOMPARE(find<QListWidget>(w, "soundList")->currentItem()->text(), QString("a.wav"));
        // Changes while the program waits are seen by the folder watcher.
        f.folder.addSound("c.wav");
        QTRY_COMPARE(f.list("soundList"), (QStringList{"a.wav", "b.wav", "c.wav"}));
    }
};

QTEST_MAIN(TestRinging)
#include "test_ringing.moc"
