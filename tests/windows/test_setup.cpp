// "Set-up" in the menu strip: an import asks first, then shows the imported time list and starts
// the running service again with it; a file that cannot be imported changes nothing and says why.
#include <QAction>
#include <QtTest>

#include <QCheckBox>
#include <QLineEdit>
#include <QTcpSocket>

#include "core/control/webface.h"
#include "core/schedule/setuparchive.h"
#include "ui/staffpage/staffpagedialog.h"
#include "windowfixture.h"

class TestSetup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // "Staff web page...": switched on from its dialog, the page is served where the dialog says, and
    // the window shows where and its certificate's fingerprint; switched off, it is served no more.
    void staffPageSwitchedFromTheWindow() {
        WindowFixture f;
        auto* w = f.load();
        WebFace* web = f.services->services().web;
        web->setActive(true);
        find<QAction>(w, "staffPageAction")->trigger();
        auto* dialog = find<StaffPageDialog>(w, "staffPageDialog");
        find<QCheckBox>(dialog, "serveStaffPage")->setChecked(true);
        find<QLineEdit>(dialog, "staffPageListen")->setText("127.0.0.1:18445");
        dialog->apply();
        f.settle();
        const QString fingerprint = web->fingerprint();
        QCOMPARE(fingerprint.size(), 95);
        auto* line = find<QLabel>(w, "staffPageText");
        QVERIFY(line->isVisibleTo(w));
        QCOMPARE(line->text(), "Staff web page: https://127.0.0.1:18445/   certificate SHA-256 " + fingerprint);
        QCOMPARE(find<QLabel>(dialog, "staffPageFingerprint")->text(), fingerprint);
        QTcpSocket page;
        page.connectToHost(QHostAddress::LocalHost, 18445);
        QVERIFY(page.waitForConnected(5000));
        page.abort();

        find<QCheckBox>(dialog, "serveStaffPage")->setChecked(false);
        dialog->apply();
        f.settle();
        QVERIFY(!line->isVisibleTo(w));
        page.connectToHost(QHostAddress::LocalHost, 18445);
        QVERIFY(!page.waitForConnected(2000));
        // Kept for the next start, as the command line's --web-off keeps it.
        QFile kept(f.folder.path() + "/data/web");
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("off\n127.0.0.1:18445\n"));
    }

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
