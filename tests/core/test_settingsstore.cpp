// The settings store when the data folder misbehaves: lines that are not valid are dropped at
// load and reported once, a deleted folder is made again, a save that cannot be written is kept
// and reported, and a file that vanished is written again from memory.
#include <QDir>
#include <QSignalSpy>
#include <QtTest>

#include "programfolder.h"
#include "schedule/settingsstore.h"

#include <sys/resource.h>
#include <csignal>

namespace {

// Files of this process cannot grow past `bytes` while it lives: a write past it fails as on a
// full disk (EFBIG instead of ENOSPC).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

QStringList texts(const QSignalSpy& spy) {
    QStringList all;
    for (const auto& args : spy) {
        all.append(args.first().toString());
    }
    return all;
}

}  // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A disk that takes no more bytes: the save says it failed, the file is the old one byte for
    // byte (never an empty or a cut one), and the list is written with the next save that can be.
    void aSaveThatCannotWriteEveryByteLeavesTheOldFile() {
        ProgramFolder folder;
        const QByteArray old = "07hr 05min/bell.wav\r\n";
        folder.writeData("mdata.ini", old);
        SettingsStore store(folder.path() + "/data");
        QSignalSpy problems(&store, &SettingsStore::problem);
        corvalin::settings::TimeList list;
        for (int minute = 0; minute < 60; ++minute) {
            list.entries.push_back(
                QStringLiteral("08hr %1min/bell.wav").arg(minute, 2, 10, QLatin1Char('0')).toStdString());
        }
        {
            FileSizeLimit full(64);
            QVERIFY(!store.saveWeekTimes(list));
        }
        QCOMPARE(folder.readData("mdata.ini"), old);
        QCOMPARE(problems.size(), 1);
        QVERIFY(problems.first().first().toString().startsWith("mdata.ini could not be saved"));
        QCOMPARE(store.loadWeekTimes(), list);  // what is on screen is kept
        QVERIFY(store.saveWeekTimes(list));
        QCOMPARE(folder.readData("mdata.ini").count("\r\n"), 60);
    }

    // Random bytes and stray lines: only entries the clock can ring are kept, the others are
    // named by line number, once however often the file is loaded.
    void garbageTimeListKeepsItsValidLines() {
        ProgramFolder folder;
        folder.writeData("mdata.ini", QByteArray("07hr 05min/bell.wav\r\nhello world\r\n25hr 99min/x.wav\r\n"
                                                 "08hr 50min/\r\n\r\n09hr 00min/ok.wav\r\n") +
                                          QByteArray("10hr 00min/a\x01.wav\r\n10hr 30min/\xff\xfe.wav\r\n") +
                                          QByteArray("11hr 00min/벨.wav\r\n"));
        folder.writeData("mdata_3.ini", "garbage\r\n\x7f\x45LF\r\n12hr 00min/noon.wav\r\n");
        SettingsStore store(folder.path() + "/data");
        QSignalSpy problems(&store, &SettingsStore::problem);
        const auto week = store.loadWeekTimes();
        QCOMPARE(week.entries,
                 (std::vector<std::string>{"07hr 05min/bell.wav", "09hr 00min/ok.wav", "11hr 00min/벨.wav"}));
        QCOMPARE(texts(problems),
                 QStringList{"mdata.ini: lines 2, 3, 4, 5, 7, 8 are not valid times and were left out"});
        store.loadWeekTimes();
        QCOMPARE(problems.count(), 1);
        const auto day = store.loadDayTimes(3);
        QVERIFY(!day.noBell);
        QCOMPARE(day.entries, std::vector<std::string>{"12hr 00min/noon.wav"});
        QCOMPARE(problems.count(), 2);
        // Control characters never reach a text box; the field takes its default.
        folder.writeData("adata.ini", "8\r\n0\r\n12\x1b[2J\r\n0\r\n45\r\n10\r\nstart\x07.wav\r\n");
        const auto interval = store.loadWeekInterval();
        QCOMPARE(interval.startHour, std::string("8"));
        QCOMPARE(interval.exitHour, std::string("23"));
        QCOMPARE(interval.startSound, std::string());
    }

    void deletedDataFolderIsMadeAgainAndItsFilesWrittenBack() {
        ProgramFolder folder;
        folder.writeData("mdata_2.ini", " 0 \r\n08hr 00min/a.wav\r\n");
        SettingsStore store(folder.path() + "/data");
        QSignalSpy problems(&store, &SettingsStore::problem);
        QCOMPARE(store.loadDayTimes(2).entries.size(), 1u);
        QVERIFY(QDir(folder.path() + "/data").removeRecursively());
        // A mode change reads the day again: it is not emptied, and its file is back.
        QCOMPARE(store.loadDayTimes(2).entries, std::vector<std::string>{"08hr 00min/a.wav"});
        QCOMPARE(folder.readData("mdata_2.ini"), QByteArray(" 0 \r\n08hr 00min/a.wav\r\n"));
        QCOMPARE(texts(problems),
                 QStringList{"mdata_2.ini was missing from the data folder and was written again"});
        QVERIFY(QDir(folder.path() + "/data").removeRecursively());
        QVERIFY(store.saveOptions({}));
        QVERIFY(folder.hasData("data.ini"));
    }

    // Root can write anywhere, so the failure is a file standing where the folder should be.
    void unwritableSaveIsKeptReportedAndWrittenLater() {
        ProgramFolder folder;
        folder.addFile("data", "not a folder");
        SettingsStore store(folder.path() + "/data");
        QSignalSpy problems(&store, &SettingsStore::problem);
        corvalin::settings::TimeList list{true, {"09hr 00min/a.wav"}};
        QVERIFY(!store.saveDayTimes(4, list));
        QCOMPARE(problems.count(), 1);
        QVERIFY(texts(problems).first().startsWith("mdata_4.ini could not be saved"));
        // What could not be written is what the program reads back meanwhile.
        QCOMPARE(store.loadDayTimes(4), list);
        QFile::remove(folder.path() + "/data");
        QVERIFY(store.saveOptions({}));  // any save that can be written writes the kept one too
        QCOMPARE(folder.readData("mdata_4.ini"), QByteArray(" 1 \r\n09hr 00min/a.wav\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settingsstore.moc"
