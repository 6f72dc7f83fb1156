// The set-up file: an export imported elsewhere gives the same settings and sounds byte for byte;
// a damaged, tampered, foreign or unsafe file, or one too large, with too long a sound or more
// bells in a day than it has room for, imports nothing and says why (and is not exported); an
// import that fails half-way puts every file back; one killed half-way is finished or undone whole
// at the next start.
#include <QCryptographicHash>
#include <QDirIterator>
#include <QMap>
#include <QtTest>
#include <functional>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>
#include <csignal>
#include <cstring>

#include "core/calendar/schoolcalendar.h"
#include "core/calendar/subscriptions.h"
#include "longsound.h"
#include "programfolder.h"
#include "engine/schedule/ringtable.h"
#include "core/schedule/setuparchive.h"
#include "support/longsound.h"

namespace setup = corvalin::setup;

const QString kAddress = QStringLiteral("https://example.org/school.ics");

namespace {

// Every file and folder under `root`, hidden ones included, with each file's bytes.
QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> all;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString relative = QDir(root).relativeFilePath(info.filePath());
        if (info.isDir()) {
            all.insert(relative + QLatin1Char('/'), QByteArray());
        } else {
            QFile file(info.filePath());
            file.open(QIODevice::ReadOnly);
            all.insert(relative, file.readAll());
        }
    }
    return all;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Opens the zip file, lets `change` alter it, and writes it back.
void alterZip(const QString& path, int flags, const std::function<void(zip_t*)>& change) {
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), flags, &error);
    QVERIFY(archive);
    change(archive);
    QCOMPARE(zip_close(archive), 0);
}

void addEntry(zip_t* archive, const char* name, const QByteArray& bytes) {
    zip_source_t* source =
        zip_source_buffer(archive, bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0);
    QVERIFY(zip_file_add(archive, name, source, ZIP_FL_OVERWRITE) >= 0);
}

// The bytes of one entry of a zip file.
QByteArray zipEntry(const QString& path, const char* name) {
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive) {
        return QByteArray();
    }
    QByteArray bytes;
    zip_stat_t stat;
    if (zip_stat(archive, name, 0, &stat) == 0) {
        bytes.resize(static_cast<qsizetype>(stat.size));
        zip_file_t* entry = zip_fopen(archive, name, 0);
        if (!entry || zip_fread(entry, bytes.data(), stat.size) != static_cast<zip_int64_t>(stat.size)) {
            bytes.clear();
        }
        if (entry) {
            zip_fclose(entry);
        }
    }
    zip_discard(archive);
    return bytes;
}

// A time list of `count` bells, one a minute from 00:00.
QByteArray bellList(int count) {
    QByteArray list;
    for (int i = 0; i < count; ++i) {
        list += QByteArray::number(100 + i / 60 % 24).right(2) + "hr " +
                QByteArray::number(100 + i % 60).right(2) + "min/own.wav\r\n";
    }
    return list;
}

// The moves of an import: renames with one end in its staging folder. The process is killed
// before the move numbered g_killAt (from 0), as a power cut or `kill -9` would end it.
int g_moves = 0;
int g_killAt = -1;

}  // namespace

extern "C" int rename(const char* from, const char* to) noexcept {
    const bool fromStaging = std::strstr(from, "/.setup-import-") != nullptr;
    const bool toStaging = std::strstr(to, "/.setup-import-") != nullptr;
    if (fromStaging != toStaging && g_killAt >= 0 && g_moves++ == g_killAt) {
        ::kill(::getpid(), SIGKILL);
    }
    return ::renameat(AT_FDCWD, from, AT_FDCWD, to);
}

class TestSetupArchive : public QObject {
    Q_OBJECT

    ProgramFolder source;
    QTemporaryDir files;
    QString exported;

    QString copyOfExport(const QString& name) {
        const QString path = files.filePath(name);
        QFile::copy(exported, path);
        return path;
    }

private Q_SLOTS:
    void initTestCase() {
        source.writeData(QStringLiteral("data.ini"),
                         " 0 \r\n 2 \r\n 2 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
        source.writeData(QStringLiteral("mdata.ini"), "08:30 own.wav\r\n12:00 own.wav\r\n");
        source.writeData(QStringLiteral("mdata_3.ini"), "0\r\n09:15 own.wav\r\n");
        source.writeData(QStringLiteral("adata.ini"), "8\r\n0\r\n16\r\n0\r\n45\r\n10\r\n");
        source.writeData(QStringLiteral("calendar.ini"), "2026-12-24 2027-01-06 holiday Winter break\r\n");
        source.writeData(QStringLiteral("subscriptions.ini"), "https://example.org/school.ics\r\n");
        source.writeData(QStringLiteral("ring.log"), "2026-01-05 08:30:00 bell own.wav\r\n");
        QDir(source.path()).mkpath(QStringLiteral("data/feeds"));
        source.addFile(QStringLiteral("data/feeds/school.ics"), "BEGIN:VCALENDAR\r\n");
        // The last good copy of the subscribed calendar: its days travel with the set-up.
        FeedCopy copy;
        copy.fetched = QDateTime(QDate(2026, 12, 6), QTime(6, 0));
        copy.etag = "\"v7\"";
        copy.exceptions = {{corvalin::calendar::fromQDate(QDate(2027, 1, 15)),
                            corvalin::calendar::fromQDate(QDate(2027, 1, 15)), corvalin::calendar::kNoBells,
                            "Staff training"}};
        QVERIFY(saveFeedCopy(source.path() + "/data", kAddress, "BEGIN:VCALENDAR\r\n", copy));
        source.addSound(QStringLiteral("own.wav"), 0.5);
        // A bell in another format travels too; today's changes stay on the computer they are for.
        QVERIFY(writeLongSilence(source.path() + QStringLiteral("/sound/chime.flac"), 2));
        source.writeData(QStringLiteral("today.ini"), "2026-12-07\r\nnobells,the window\r\n");
        exported = files.filePath(QStringLiteral("setup.zip"));
        QCOMPARE(setup::exportSetup(source.path(), exported), QString());
    }

    // Into a folder with a set-up of its own: the settings are exactly the exported ones, the
    // sound of the same name is replaced, the subscribed calendar's last copy decides its days
    // before any fetch, and the ring log, other files of the feeds and other sounds stay.
    void importGivesTheSameSetup() {
        ProgramFolder target;
        target.writeData(QStringLiteral("data.ini"), "old\r\n");
        target.writeData(QStringLiteral("adata_2.ini"), "old\r\n");
        target.writeData(QStringLiteral("ring.log"), "kept\r\n");
        target.writeData(QStringLiteral("today.ini"), "kept\r\n");
        QDir(target.path()).mkpath(QStringLiteral("data/feeds"));
        target.addFile(QStringLiteral("data/feeds/school.ics"), "kept");
        target.addSound(QStringLiteral("own.wav"), 2.0);
        target.addSound(QStringLiteral("other.wav"), 1.0);
        const QByteArray other = fileBytes(target.path() + QStringLiteral("/sound/other.wav"));

        const setup::Contents contents = setup::readSetup(exported);
        QVERIFY2(contents.ok(), qPrintable(contents.refusal));
        QCOMPARE(contents.names(QStringLiteral("data")),
                 QStringList({"adata.ini", "calendar.ini", "data.ini", "mdata.ini", "mdata_3.ini",
                              "subscriptions.ini"}));
        QCOMPARE(contents.names(QStringLiteral("sound")), QStringList({"chime.flac", "own.wav"}));
        QVERIFY(setup::describeSetup(target.path(), contents)
                    .contains(QStringLiteral("removed (not in the set-up): adata_2.ini")));

        QCOMPARE(setup::applySetup(target.path(), contents), QString());
        QCOMPARE(setup::settingsFiles(target.path() + QStringLiteral("/data")),
                 setup::settingsFiles(source.path() + QStringLiteral("/data")));
        for (const QString& name : setup::settingsFiles(source.path() + QStringLiteral("/data"))) {
            QCOMPARE(target.readData(name), source.readData(name));
        }
        QCOMPARE(fileBytes(target.path() + QStringLiteral("/sound/own.wav")),
                 fileBytes(source.path() + QStringLiteral("/sound/own.wav")));
        QCOMPARE(fileBytes(target.path() + QStringLiteral("/sound/other.wav")), other);
        QCOMPARE(target.readData(QStringLiteral("ring.log")), QByteArray("kept\r\n"));
        QCOMPARE(target.readData(QStringLiteral("today.ini")), QByteArray("kept\r\n"));
        QCOMPARE(fileBytes(target.path() + QStringLiteral("/sound/chime.flac")),
                 fileBytes(source.path() + QStringLiteral("/sound/chime.flac")));
        QCOMPARE(target.readData(QStringLiteral("feeds/school.ics")), QByteArray("kept"));
        const FeedCopy copy = loadFeedCopy(target.path() + "/data", kAddress);
        QVERIFY(copy.exists);
        QCOMPARE(copy.exceptions, loadFeedCopy(source.path() + "/data", kAddress).exceptions);
        QCOMPARE(copy.exceptions.size(), std::size_t{1});
        QCOMPARE(copy.etag, QByteArray("\"v7\""));
        // Nothing of the import is left beside the set-up.
        QCOMPARE(QDir(target.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"data", "sound"}));
    }

    // Each of these files imports nothing: the refusal says why, and the folder is as it was.
    void badFilesChangeNothing_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("why");

        const QString truncated = copyOfExport(QStringLiteral("truncated.zip"));
        {
            QFile file(truncated);
            QVERIFY(file.resize(file.size() / 2));
        }
        QTest::newRow("truncated") << truncated << "damaged or no zip file";

        // Another content of the same size under a valid CRC: only the manifest's hash tells.
        const QString tampered = copyOfExport(QStringLiteral("tampered.zip"));
        const QByteArray changed =
            QByteArray(source.readData(QStringLiteral("mdata.ini"))).replace("08:30", "08:31");
        alterZip(tampered, 0, [&](zip_t* archive) { addEntry(archive, "data/mdata.ini", changed); });
        QTest::newRow("tampered") << tampered << "data/mdata.ini in it is not the file its manifest lists";

        const QString foreign = files.filePath(QStringLiteral("foreign.zip"));
        const QByteArray options = source.readData(QStringLiteral("data.ini"));
        alterZip(foreign, ZIP_CREATE | ZIP_TRUNCATE,
                 [&](zip_t* archive) { addEntry(archive, "data/data.ini", options); });
        QTest::newRow("foreign") << foreign << "holds no manifest.ini";

        const QString climbing = copyOfExport(QStringLiteral("climbing.zip"));
        alterZip(climbing, 0, [&](zip_t* archive) { addEntry(archive, "../x.ini", options); });
        QTest::newRow("outside") << climbing << "it holds ../x.ini";

        const QString foreignCopy = copyOfExport(QStringLiteral("feedname.zip"));
        alterZip(foreignCopy, 0, [&](zip_t* archive) { addEntry(archive, "feeds/run.sh", options); });
        QTest::newRow("not a calendar copy") << foreignCopy << "it holds feeds/run.sh";

        // Little in the zip, more than a sound may be once unpacked.
        const QString bomb = copyOfExport(QStringLiteral("bomb.zip"));
        const QByteArray zeros(static_cast<qsizetype>(setup::kMaxSound) + 1, '\0');
        alterZip(bomb, 0, [&](zip_t* archive) { addEntry(archive, "sound/big.wav", zeros); });
        QVERIFY(QFileInfo(bomb).size() < (1 << 20));
        QTest::newRow("bomb") << bomb << "sound/big.wav in it is larger than 16 MB";

        // A sound of 11 minutes in a few kilobytes (FLAC under a .wav name), listed in the manifest
        // as an export lists it; and one whose header does not say its length.
        const int elevenMinutes = 11 * 60;
        for (const bool said : {true, false}) {
            const QString name = said ? QStringLiteral("long") : QStringLiteral("unsaid");
            const QString sound = files.filePath(name + QStringLiteral(".wav"));
            QVERIFY(writeLongSilence(sound, elevenMinutes, said ? -1 : 0));
            const QByteArray bytes = fileBytes(sound);
            QVERIFY(bytes.size() < 64 * 1024);
            const QString archive = copyOfExport(name + QStringLiteral(".zip"));
            const QByteArray entry = "sound/" + name.toUtf8() + ".wav";
            const QByteArray manifest =
                zipEntry(exported, "manifest.ini") + "file=" + QByteArray::number(bytes.size()) + ' ' +
                QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() + ' ' + entry + "\r\n";
            alterZip(archive, 0, [&](zip_t* zip) {
                addEntry(zip, entry.constData(), bytes);
                addEntry(zip, "manifest.ini", manifest);
            });
            QTest::newRow(qPrintable(name + QStringLiteral(" sound")))
                << archive
                << QString::fromUtf8(entry) + QStringLiteral(" in it cannot be a bell sound: ") +
                       (said ? QStringLiteral("it lasts 11 min 00 s; a bell sound lasts at most 10 minutes")
                             : QStringLiteral("it lasts longer than 10 minutes"));
        }

        // A template of more bells than a day's ring table holds, listed in the manifest as an
        // export would list it.
        const QByteArray crowdedDay = "0\r\n" + bellList(corvalin::ringtable::kSlots + 1);
        const QString crowded = copyOfExport(QStringLiteral("crowded.zip"));
        const QByteArray crowdedManifest =
            zipEntry(exported, "manifest.ini") + "file=" + QByteArray::number(crowdedDay.size()) + ' ' +
            QCryptographicHash::hash(crowdedDay, QCryptographicHash::Sha256).toHex() +
            " data/mdata_9.ini\r\n";
        alterZip(crowded, 0, [&](zip_t* zip) {
            addEntry(zip, "data/mdata_9.ini", crowdedDay);
            addEntry(zip, "manifest.ini", crowdedManifest);
        });
        QTest::newRow("too many bells")
            << crowded << "data/mdata_9.ini in it holds 2002 bells; a day holds at most 2001";

        // Packed bytes that do not unpack: the reason is the program's own, whatever the zip
        // library says of it.
        const QString garbled = copyOfExport(QStringLiteral("garbled.zip"));
        const QByteArray wave(1 << 20, '\0');
        alterZip(garbled, 0, [&](zip_t* archive) { addEntry(archive, "sound/big.wav", wave); });
        {
            QFile file(garbled);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray bytes = file.readAll();
            const qsizetype header = bytes.indexOf("sound/big.wav") - 30;
            QVERIFY(header > 0 && bytes.mid(header, 4) == "PK\x03\x04");
            const qsizetype packed =
                header + 30 + 13 + qFromLittleEndian<quint16>(bytes.constData() + header + 28);
            bytes.replace(packed + 10, 10, QByteArray(10, '\xff'));
            QVERIFY(file.seek(0) && file.write(bytes) == bytes.size());
        }
        QTest::newRow("garbled") << garbled
                                 << "sound/big.wav in it is damaged: its packed bytes cannot be unpacked";
    }
    void badFilesChangeNothing() {
        QFETCH(QString, file);
        QFETCH(QString, why);
        ProgramFolder target;
        target.writeData(QStringLiteral("data.ini"), "old\r\n");
        target.addSound(QStringLiteral("own.wav"), 1.0);
        const auto before = snapshot(target.path());

        const setup::Contents contents = setup::readSetup(file);
        QVERIFY(!contents.ok());
        QVERIFY2(contents.refusal.contains(why), qPrintable(contents.refusal));
        QCOMPARE(setup::applySetup(target.path(), contents), contents.refusal);
        QCOMPARE(snapshot(target.path()), before);
    }

    // A step of the replacement fails after others were done (a folder where data.ini goes, which
    // no rename replaces, root's included): every file is put back.
    void failedImportPutsEverythingBack() {
        ProgramFolder target;
        target.writeData(QStringLiteral("adata.ini"), "old adata\r\n");
        target.writeData(QStringLiteral("mdata_5.ini"), "old\r\n");
        target.addSound(QStringLiteral("own.wav"), 2.0);
        QDir(target.path()).mkpath(QStringLiteral("data/data.ini"));
        target.addFile(QStringLiteral("data/data.ini/inside"), "a folder's file");
        const auto before = snapshot(target.path());

        const QString why = setup::applySetup(target.path(), setup::readSetup(exported));
        QVERIFY2(why.contains(QStringLiteral("data.ini could not be replaced")), qPrintable(why));
        QVERIFY2(why.contains(QStringLiteral("the set-up is as it was")), qPrintable(why));
        QCOMPARE(snapshot(target.path()), before);
    }

    // A file of another case (OLD.INI) is no settings file: the export leaves it out instead of
    // failing on it. A disk that fills up (here, a file size limit) while the import writes: the
    // system's reason, not an unknown error, and the set-up as it was.
    void problemsSayWhy() {
        ProgramFolder target;
        target.writeData(QStringLiteral("data.ini"), "old\r\n");
        target.writeData(QStringLiteral("OLD.INI"), "not read\r\n");
        const QString file = files.filePath(QStringLiteral("cases.zip"));
        QCOMPARE(setup::exportSetup(target.path(), file), QString());
        QCOMPARE(setup::readSetup(file).names(QStringLiteral("data")), QStringList({"data.ini"}));
        // A sound no import would take is not exported either: the export says which and why.
        {
            ProgramFolder longSound;
            longSound.writeData(QStringLiteral("data.ini"), "old\r\n");
            QVERIFY(writeLongSilence(longSound.path() + QStringLiteral("/sound/long.wav"), 11 * 60));
            const QString why =
                setup::exportSetup(longSound.path(), files.filePath(QStringLiteral("refused.zip")));
            QVERIFY2(why.contains(QStringLiteral("long.wav cannot be a bell sound: it lasts 11 min 00 s")),
                     qPrintable(why));
            QVERIFY(!QFileInfo::exists(files.filePath(QStringLiteral("refused.zip"))));
        }
        // Nor a time list of more bells than a day holds; one of as many as it holds is exported.
        {
            ProgramFolder crowded;
            const QString zip = files.filePath(QStringLiteral("crowded-export.zip"));
            crowded.writeData(QStringLiteral("mdata.ini"), bellList(corvalin::ringtable::kSlots + 1));
            const QString why = setup::exportSetup(crowded.path(), zip);
            QVERIFY2(why.endsWith(QStringLiteral("mdata.ini holds 2002 bells; a day holds at most 2001")),
                     qPrintable(why));
            QVERIFY(!QFileInfo::exists(zip));
            crowded.writeData(QStringLiteral("mdata.ini"), bellList(corvalin::ringtable::kSlots));
            QCOMPARE(setup::exportSetup(crowded.path(), zip), QString());
        }

        const auto before = snapshot(target.path());
        int pipe[2];
        QCOMPARE(::pipe(pipe), 0);
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{1024, 1024};  // the exported own.wav is larger, and so is any set-up file
            ::setrlimit(RLIMIT_FSIZE, &limit);
            const QByteArray why = setup::applySetup(target.path(), setup::readSetup(exported)).toUtf8() + '\n' +
                                   setup::exportSetup(source.path(), files.filePath(QStringLiteral("full.zip"))).toUtf8();
            [[maybe_unused]] const ssize_t written = ::write(pipe[1], why.constData(), why.size());
            ::_exit(0);
        }
        ::close(pipe[1]);
        QByteArray said(4096, '\0');
        const ssize_t got = ::read(pipe[0], said.data(), said.size());
        ::close(pipe[0]);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        said.truncate(std::max<ssize_t>(got, 0));
        const QList<QByteArray> lines = said.split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].contains("own.wav could not be written") && lines[0].contains(std::strerror(EFBIG)),
                 said.constData());
        QVERIFY2(lines[1].contains("could not be written: ") && lines[1].contains(std::strerror(EFBIG)),
                 said.constData());
        QCOMPARE(snapshot(target.path()), before);
    }

    // The import killed after each of its renames, in turn: the next start finds the imported
    // set-up whole, byte for byte, and says it finished the import; and when a step fails (a
    // folder where mdata_3.ini goes), killed before it or while the files are being put back, it
    // finds the set-up as it was, and says it was undone. Nothing of the import is left beside it.
    void killedImportIsFinishedOrUndone() {
        const setup::Contents contents = setup::readSetup(exported);
        QVERIFY2(contents.ok(), qPrintable(contents.refusal));
        auto prepare = [](const ProgramFolder& folder, bool failing) {
            folder.writeData(QStringLiteral("data.ini"), "old\r\n");
            folder.writeData(QStringLiteral("adata_2.ini"), "old\r\n");
            folder.writeData(QStringLiteral("ring.log"), "kept\r\n");
            folder.addSound(QStringLiteral("own.wav"), 2.0);
            folder.addSound(QStringLiteral("other.wav"), 1.0);
            if (failing) {
                QDir(folder.path()).mkpath(QStringLiteral("data/mdata_3.ini"));
                folder.addFile(QStringLiteral("data/mdata_3.ini/inside"), "a folder's file");
            }
        };
        ProgramFolder clean;
        prepare(clean, false);
        QCOMPARE(setup::applySetup(clean.path(), contents), QString());
        const auto imported = snapshot(clean.path());

        for (const bool failing : {false, true}) {
            int kills = 0;
            for (int killAt = 0;; ++killAt) {
                ProgramFolder target;
                prepare(target, failing);
                const auto before = snapshot(target.path());
                const pid_t child = ::fork();
                QVERIFY(child >= 0);
                if (child == 0) {
                    g_killAt = killAt;
                    setup::applySetup(target.path(), contents);
                    ::_exit(0);
                }
                int status = 0;
                QCOMPARE(::waitpid(child, &status, 0), child);
                if (WIFEXITED(status)) {
                    break;  // the import ran to its end before that many renames
                }
                QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
                ++kills;
                bool failed = true;
                const QString said = setup::recoverImport(target.path(), &failed);
                const QString at = QStringLiteral("%1 killed after %2 renames: %3")
                                       .arg(failing ? "failing" : "import")
                                       .arg(killAt)
                                       .arg(said);
                QVERIFY2(!failed, qPrintable(at));
                if (failing) {
                    QVERIFY2(said.contains(QStringLiteral("undone")), qPrintable(at));
                    QVERIFY2(snapshot(target.path()) == before, qPrintable(at));
                } else {
                    QVERIFY2(said.contains(QStringLiteral("finished")), qPrintable(at));
                    QVERIFY2(snapshot(target.path()) == imported, qPrintable(at));
                }
                QCOMPARE(setup::recoverImport(target.path()), QString());
            }
            // Every settings file aside and every new one in, each a kill of its own.
            QVERIFY2(kills >= 10, qPrintable(QString::number(kills)));
        }
    }
};

QTEST_GUILESS_MAIN(TestSetupArchive)
#include "test_setuparchive.moc"
