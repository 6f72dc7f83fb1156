// "Set-up" in the menu strip: an import asks first, then shows the imported time list and starts
// the running service again with it; a file that cannot be imported changes nothing and says why.
#include <QAction>
#include <QtTest>

#include "core/schedule/setuparchive.h"
#include "windowfixture.h"

class TestSetup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void importReplacesTheRunningSetup() {
        WindowFixture f;
        f.folder.addSound("bell.wav");
        f.writeOptions(2, 1);
        f.folder.writeData("mdata.ini", "10hr 00min/bell.wav\r\n");
        auto* w = f.load();
        w->onStartClicked();
        f.settle();
        QCOMPARE(f.list("todayList"), QStringList({"10hr00min"}));

        // The set-up of another PC, in the same modes: the lists must be read again all the same.
        WindowFixture other;
        other.folder.addSound("own.wav");
        other.writeOptions(2, 1);
        other.folder.writeData("mdata.ini", "08hr 15min/own.wav\r\n13hr 40min/own.wav\r\n");
        QTemporaryDir files;
        const QString file = files.filePath("setup.zip");
        QCOMPARE(corvalin::setup::exportSetup(other.folder.path(), file), QString());

        f.fakes.dialogs.messages.clear();
        f.fakes.dialogs.files.enqueue(files.filePath("none.zip"));
        find<QAction>(w, "importSetupAction")->trigger();
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        QCOMPARE(f.fakes.dialogs.messages.first().title, QString("Warning"));
        QVERIFY(f.fakes.dialogs.messages.first().text.contains("there is no such file"));
        QCOMPARE(f.list("todayList"), QStringList({"10hr00min"}));

        f.fakes.dialogs.messages.clear();
        f.fakes.dialogs.files.enqueue(file);
        f.fakes.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        find<QAction>(w, "importSetupAction")->trigger();
        f.settle();
        QCOMPARE(f.fakes.dialogs.messages.size(), 1);
        const ShownMessage& question = f.fakes.dialogs.messages.first();
        QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
        QVERIFY(question.text.contains("Bell sounds (1): own.wav"));
        QVERIFY(question.text.contains("Settings files replaced: data.ini, mdata.ini"));

        QCOMPARE(f.list("bellTimeList"), QStringList({"08hr 15min/own.wav", "13hr 40min/own.wav"}));
        QCOMPARE(f.list("soundList"), QStringList({"bell.wav", "own.wav"}));
        QCOMPARE(f.bells().serviceRunning(), 1);
        QCOMPARE(f.list("todayList"), QStringList({"08hr15min", "13hr40min"}));
        QCOMPARE(f.folder.readData("mdata.ini"), other.folder.readData("mdata.ini"));
    }
};

QTEST_MAIN(TestSetup)
#include "test_setup.moc"
