// The set-up file: writing it, checking it, and importing it all or nothing.
#include "core/schedule/setuparchive.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <memory>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/base/ownfiles.h"
#include "core/base/wholefile.h"
#include "engine/schedule/ringtable.h"
#include "engine/schedule/settingsformat.h"
#include "engine/schedule/settingsvalues.h"
#include "engine/schedule/todaychanges.h"
#include "engine/sound/bellrules.h"
#include "core/sound/soundbounds.h"

namespace corvalin::setup {

namespace {

const QString kManifest = QStringLiteral("manifest.ini");
const QString kHeading = QStringLiteral("[Corvalin set-up]");
const QString kData = QStringLiteral("data");
const QString kSound = QStringLiteral("sound");
// The last good copies of the subscribed calendars, in data/feeds/: the days they decide are data
// of the set-up as much as the hand-made ones, and a PC set up while a feed's server is down must
// not ring on them.
const QString kFeeds = QStringLiteral("feeds");

struct ZipDiscard {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipFileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using Archive = std::unique_ptr<zip_t, ZipDiscard>;
using ArchiveFile = std::unique_ptr<zip_file_t, ZipFileClose>;

QString errorText(zip_error_t* error) {
    const QString text = QString::fromLocal8Bit(zip_error_strerror(error));
    zip_error_fini(error);
    return text;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString megabytes(qint64 bytes) {
    return QStringLiteral("%1 MB").arg(bytes >> 20);
}

// A file name the set-up may hold in `folder`: one plain name, no folder, no hidden file, of the
// kind the folder keeps.
bool allowedName(const QString& folder, const QString& name) {
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || name.toUtf8().size() > 255) {
        return false;
    }
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7f) {
            return false;
        }
    }
    if (folder == kData) {
        return name.endsWith(QStringLiteral(".ini"));
    }
    if (folder == kFeeds) {
        // What the program itself names them: 16 hex digits of the address's hash, and what the
        // days are read from (.ini) or when and how the copy was fetched (.state).
        static const QRegularExpression copyName(QStringLiteral("^[0-9a-f]{16}\\.(ini|state)$"));
        return copyName.match(name).hasMatch();
    }
    // Every sound a bell may ring in, not WAV alone: a set-up leaves none of the bells' sounds behind.
    return folder == kSound && corvalin::sound::isBellSoundName(name.toStdString());
}

// Why a settings file cannot be part of a set-up for what it holds, or empty. A time list (the
// week's mdata.ini, a day's or a template's mdata_N.ini) becomes the ring table of a day, which
// has a slot for each of its bells and no more.
QString contentRefusal(const QString& folder, const QString& name, const QByteArray& bytes) {
    static const QRegularExpression timeList(QStringLiteral("^mdata(_[0-9]+)?\\.ini$"));
    const QRegularExpressionMatch match = timeList.match(name);
    if (folder != kData || !match.hasMatch()) {
        return QString();
    }
    const auto lines = corvalin::settings::splitLines(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    const auto bells = (match.hasCaptured(1) ? corvalin::settings::parseDayTimes(lines)
                                             : corvalin::settings::parseWeekTimes(lines))
                           .entries.size();
    if (bells <= static_cast<std::size_t>(corvalin::ringtable::kSlots)) {
        return QString();
    }
    return QStringLiteral("holds %1 bells; a day holds at most %2")
        .arg(bells)
        .arg(corvalin::ringtable::kSlots);
}

qint64 sizeLimit(const QString& folder) {
    return folder == kData ? kMaxSettingsFile : folder == kFeeds ? kMaxFeedCopy : kMaxSound;
}

// The feed copies of a data folder that a set-up can hold.
QStringList feedCopies(const QString& dataFolder) {
    QStringList copies;
    for (const QString& name : QDir(dataFolder + QLatin1Char('/') + kFeeds).entryList(QDir::Files, QDir::Name)) {
        if (allowedName(kFeeds, name)) {
            copies << name;
        }
    }
    return copies;
}

QByteArray sha256(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// The sounds of the user's own sound folder that a set-up can hold.
QStringList ownSounds(const QString& soundFolder) {
    QStringList sounds;
    for (const QString& name : QDir(soundFolder).entryList(QDir::Files, QDir::Name)) {
        if (allowedName(kSound, name)) {
            sounds << name;
        }
    }
    return sounds;
}

QByteArray manifestFor(const QList<File>& files) {
    QByteArray text = kHeading.toUtf8() + "\r\n";
    text += "format=" + QByteArray::number(kFormat) + "\r\n";
    text += "program=" + QCoreApplication::applicationVersion().toUtf8() + "\r\n";
    // To the millisecond: a follower refuses a set-up written before the one it uses, and two
    // exports of a minute are told apart.
    const QDateTime now = QDateTime::currentDateTime();
    text +=
        "written=" + now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODateWithMs).toUtf8() + "\r\n";
    for (const File& file : files) {
        text += "file=" + QByteArray::number(file.bytes.size()) + ' ' + sha256(file.bytes) + ' ' +
                file.path().toUtf8() + "\r\n";
    }
    return text;
}

// The zip file of `files` and their manifest, in memory; or the reason it could not be made.
QString zipped(const QList<File>& files, QByteArray* out) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* target = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!target) {
        return errorText(&error);
    }
    zip_t* archive = zip_open_from_source(target, ZIP_TRUNCATE, &error);
    if (!archive) {
        zip_source_free(target);
        return errorText(&error);
    }
    zip_error_fini(&error);
    zip_source_keep(target);  // the bytes are read from it after zip_close

    const QByteArray manifest = manifestFor(files);
    auto add = [archive](const QString& name, const QByteArray& bytes) {
        zip_source_t* source =
            zip_source_buffer(archive, bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0);
        if (!source) {
            return false;
        }
        const zip_int64_t index = zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            return false;
        }
        // A plain file, readable by everyone, as other zip tools expect.
        return zip_file_set_external_attributes(archive, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                                static_cast<zip_uint32_t>(S_IFREG | 0644) << 16) == 0;
    };
    bool added = add(kManifest, manifest);
    for (const File& file : files) {
        added = added && add(file.path(), file.bytes);
    }
    if (!added || zip_close(archive) != 0) {
        const QString why = QString::fromLocal8Bit(zip_strerror(archive));
        zip_discard(archive);
        zip_source_free(target);
        return why;
    }
    QString why;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(target, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        zip_source_open(target) != 0) {
        why = QString::fromLocal8Bit(zip_error_strerror(zip_source_error(target)));
    } else {
        out->resize(static_cast<qsizetype>(stat.size));
        if (zip_source_read(target, out->data(), stat.size) != static_cast<zip_int64_t>(stat.size)) {
            why = QString::fromLocal8Bit(zip_error_strerror(zip_source_error(target)));
        }
        zip_source_close(target);
    }
    zip_source_free(target);
    return why;
}

// What the zip library says of a failure, in brackets after the program's own words; nothing when
// it says nothing but punctuation.
QString detail(const char* said) {
    QString text = QString::fromLocal8Bit(said).trimmed();
    while (!text.isEmpty() && QStringLiteral(":;,. ").contains(text.back())) {
        text.chop(1);
    }
    return text.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(text);
}

// The entry's bytes, read no further than `limit` (its declared size); false when it is damaged
// or longer than it says.
bool readEntry(zip_t* archive, zip_uint64_t index, qint64 limit, QByteArray* bytes, QString* why) {
    const ArchiveFile entry(zip_fopen_index(archive, index, 0));
    if (!entry) {
        *why = QStringLiteral("it cannot be unpacked") + detail(zip_strerror(archive));
        return false;
    }
    bytes->resize(static_cast<qsizetype>(limit) + 1);
    qint64 got = 0;
    while (got <= limit) {
        const zip_int64_t n =
            zip_fread(entry.get(), bytes->data() + got, static_cast<zip_uint64_t>(limit + 1 - got));
        if (n < 0) {
            *why = QStringLiteral("its packed bytes cannot be unpacked") +
                   detail(zip_file_strerror(entry.get()));
            return false;
        }
        if (n == 0) {
            break;
        }
        got += n;
    }
    if (got != limit) {
        *why = got > limit ? QStringLiteral("it unpacks to more than the size it is stored with")
                           : QStringLiteral("it unpacks to less than the size it is stored with");
        return false;
    }
    bytes->resize(static_cast<qsizetype>(got));
    return true;
}

struct Listed {
    qint64 size = 0;
    QByteArray sha256;
};

// The manifest's values into `contents` and its files into `listed`; the reason when it is not
// a manifest this program reads.
QString parseManifest(const QByteArray& text, Contents* contents, QHash<QString, Listed>* listed) {
    QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
    }
    if (lines.isEmpty() || lines.first() != kHeading) {
        return QStringLiteral("its manifest.ini is not that of a Corvalin set-up");
    }
    int format = 0;
    for (const QString& line : lines.mid(1)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.isEmpty() || equals < 0) {
            continue;
        }
        const QString key = line.left(equals);
        const QString value = line.mid(equals + 1);
        if (key == QStringLiteral("format")) {
            format = value.toInt();
        } else if (key == QStringLiteral("program")) {
            contents->program = value;
        } else if (key == QStringLiteral("written")) {
            contents->written = value;
        } else if (key == QStringLiteral("file")) {
            const QStringList parts = value.split(QLatin1Char(' '));
            bool sized = false;
            const qint64 size = parts.value(0).toLongLong(&sized);
            const QByteArray hash = parts.value(1).toLatin1();
            const QString path = value.section(QLatin1Char(' '), 2);
            const bool hex = hash.size() == 64 && QByteArray::fromHex(hash).toHex() == hash;
            if (parts.size() < 3 || !sized || size < 0 || !hex || listed->contains(path)) {
                return QStringLiteral("its manifest.ini has a line that is not valid: %1").arg(line);
            }
            listed->insert(path, {size, hash});
        }
    }
    if (format < 1 || format > kFormat) {
        return format > kFormat
                   ? QStringLiteral(
                         "it was written by a newer Corvalin (set-up format %1); this one "
                         "reads format %2")
                         .arg(format)
                         .arg(kFormat)
                   : QStringLiteral("its manifest.ini names no set-up format this program reads");
    }
    return QString();
}

// Reads and checks the zip file's bytes; the reason when they are no set-up this program imports.
QString readZip(const QByteArray& bytes, Contents* contents) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        zip_source_buffer_create(bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &error);
    if (!source) {
        return errorText(&error);
    }
    const Archive archive(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!archive) {
        zip_source_free(source);
        return QStringLiteral("it is damaged or no zip file") +
               detail(errorText(&error).toLocal8Bit().constData());
    }
    zip_error_fini(&error);

    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    if (count > kMaxEntries) {
        return QStringLiteral("it holds %1 files; a set-up holds at most %2").arg(count).arg(kMaxEntries);
    }
    QByteArray manifest;
    QHash<QString, QByteArray> entries;
    qint64 total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME) ||
            !(stat.valid & ZIP_STAT_SIZE)) {
            return QStringLiteral("it is damaged") + detail(zip_strerror(archive.get()));
        }
        const QString path = QString::fromUtf8(stat.name);
        const QString folder = path.section(QLatin1Char('/'), 0, 0);
        const QString name = path.section(QLatin1Char('/'), 1);
        const bool isManifest = path == kManifest;
        if (!isManifest && !allowedName(folder, name)) {
            return QStringLiteral(
                       "it holds %1, which is no settings file (data/*.ini), calendar copy (feeds/*.ini, "
                       "feeds/*.state) nor bell sound (sound/*.wav)")
                .arg(path);
        }
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(archive.get(), index, 0, &system, &attributes) != 0 ||
            (system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) != 0 &&
             ((attributes >> 16) & S_IFMT) != S_IFREG)) {
            return QStringLiteral("%1 in it is a link or folder, not a file").arg(path);
        }
        if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
            return QStringLiteral("%1 in it is encrypted").arg(path);
        }
        if (entries.contains(path) || (isManifest && !manifest.isNull())) {
            return QStringLiteral("it holds %1 twice").arg(path);
        }
        const auto size = static_cast<qint64>(stat.size);
        const qint64 limit = isManifest ? kMaxSettingsFile : sizeLimit(folder);
        if (stat.size > static_cast<zip_uint64_t>(limit)) {
            return QStringLiteral("%1 in it is larger than %2").arg(path, megabytes(limit));
        }
        total += size;
        if (total > kMaxTotal) {
            return QStringLiteral("its files come to more than %1").arg(megabytes(kMaxTotal));
        }
        QByteArray content;
        QString why;
        if (!readEntry(archive.get(), index, size, &content, &why)) {
            return QStringLiteral("%1 in it is damaged: %2").arg(path, why);
        }
        if (isManifest) {
            manifest = content.isNull() ? QByteArray("") : content;
        } else {
            entries.insert(path, content);
        }
    }
    if (manifest.isNull()) {
        return QStringLiteral("it holds no manifest.ini: it is no Corvalin set-up");
    }
    QHash<QString, Listed> listed;
    if (const QString why = parseManifest(manifest, contents, &listed); !why.isEmpty()) {
        return why;
    }
    for (auto it = listed.constBegin(); it != listed.constEnd(); ++it) {
        const auto entry = entries.constFind(it.key());
        if (entry == entries.constEnd()) {
            return QStringLiteral("%1, which its manifest lists, is missing").arg(it.key());
        }
        if (entry->size() != it->size || sha256(*entry) != it->sha256) {
            return QStringLiteral("%1 in it is not the file its manifest lists: it was changed")
                .arg(it.key());
        }
    }
    QStringList paths = entries.keys();
    std::sort(paths.begin(), paths.end(), [](const QString& a, const QString& b) {
        const bool aData = a.startsWith(kData + QLatin1Char('/'));
        const bool bData = b.startsWith(kData + QLatin1Char('/'));
        return aData != bData ? aData : a < b;
    });
    for (const QString& path : paths) {
        if (!listed.contains(path)) {
            return QStringLiteral("it holds %1, which its manifest does not list").arg(path);
        }
        // A sound is read by its content, whatever its name: a small file may hold hours.
        if (path.startsWith(kSound + QLatin1Char('/'))) {
            if (const QString why = corvalin::sound::refusalOfBytes(entries.value(path)); !why.isEmpty()) {
                return QStringLiteral("%1 in it cannot be a bell sound: %2").arg(path, why);
            }
        } else if (const QString why = contentRefusal(path.section(QLatin1Char('/'), 0, 0),
                                                      path.section(QLatin1Char('/'), 1), entries.value(path));
                   !why.isEmpty()) {
            return QStringLiteral("%1 in it %2").arg(path, why);
        }
        contents->files.append(
            {path.section(QLatin1Char('/'), 0, 0), path.section(QLatin1Char('/'), 1), entries.value(path)});
    }
    return QString();
}

QString listed(const QStringList& names) {
    return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}

}  // namespace

QStringList Contents::names(const QString& folder) const {
    QStringList found;
    for (const File& file : files) {
        if (file.folder == folder) {
            found << file.name;
        }
    }
    return found;
}

QStringList settingsFiles(const QString& dataFolder) {
    // By the same rule as a set-up's names: OLD.INI is no settings file the program reads, and
    // an export does not stop at it. Today's changes are for one day on this computer: no set-up
    // carries them, and an import leaves them.
    QStringList names;
    const QString today = QString::fromUtf8(corvalin::today::kTodayFile.data(),
                                            static_cast<qsizetype>(corvalin::today::kTodayFile.size()));
    for (const QString& name : QDir(dataFolder).entryList(QDir::Files, QDir::Name)) {
        if (allowedName(kData, name) && name != today) {
            names << name;
        }
    }
    return names;
}

QString exportSetup(const ProgramPaths& paths, const QString& file, FileAccess access) {
    QList<File> files;
    qint64 total = 0;
    auto take = [&](const QString& folder, const QString& from, const QString& name) -> QString {
        if (!allowedName(folder, name)) {
            return QStringLiteral("%1 has a name a set-up cannot hold")
                .arg(shown(from + QLatin1Char('/') + name));
        }
        const QString path = from + QLatin1Char('/') + name;
        QString why;
        const auto bytes = readWholeFile(path, sizeLimit(folder), &why);
        if (!bytes) {
            return QStringLiteral("%1 could not be read: %2")
                .arg(shown(path), why.isEmpty() ? QStringLiteral("it is gone") : why);
        }
        // What no import would take is not written into a set-up.
        if (folder == kSound) {
            if (const QString refusal = corvalin::sound::refusalOfBytes(*bytes); !refusal.isEmpty()) {
                return QStringLiteral("%1 cannot be a bell sound: %2").arg(shown(path), refusal);
            }
        } else if (const QString refused = contentRefusal(folder, name, *bytes); !refused.isEmpty()) {
            return QStringLiteral("%1 %2").arg(shown(path), refused);
        }
        total += bytes->size();
        files.append({folder, name, *bytes});
        return QString();
    };
    const QString soundFolder = paths.own + QLatin1Char('/') + kSound;
    for (const QString& name : settingsFiles(paths.dataFolder())) {
        if (const QString why = take(kData, paths.dataFolder(), name); !why.isEmpty()) {
            return why;
        }
    }
    const QString feedFolder = paths.dataFolder() + QLatin1Char('/') + kFeeds;
    for (const QString& name : feedCopies(paths.dataFolder())) {
        if (const QString why = take(kFeeds, feedFolder, name); !why.isEmpty()) {
            return why;
        }
    }
    for (const QString& name : ownSounds(soundFolder)) {
        if (const QString why = take(kSound, soundFolder, name); !why.isEmpty()) {
            return why;
        }
    }
    if (files.size() + 1 > kMaxEntries) {
        return QStringLiteral("the set-up has %1 files; a set-up file holds at most %2")
            .arg(files.size())
            .arg(kMaxEntries - 1);
    }
    if (total > kMaxTotal) {
        return QStringLiteral("the settings and sounds come to more than %1").arg(megabytes(kMaxTotal));
    }
    QByteArray bytes;
    if (const QString why = zipped(files, &bytes); !why.isEmpty()) {
        return QStringLiteral("the set-up file could not be made: ") + why;
    }
    QString why;
    // It holds the feeds' passwords (subscriptions.ini): the user's alone, wherever it goes, unless
    // it is made to be published.
    if (!replaceWholeFile(file, bytes, &why, access)) {
        return QStringLiteral("%1 could not be written: %2").arg(shown(file), why);
    }
    return QString();
}

Contents readSetup(const QString& file) {
    Contents contents;
    auto refuse = [&](const QString& why) {
        Contents refused;
        refused.refusal = QStringLiteral("%1 cannot be imported: %2").arg(shown(file), why);
        return refused;
    };
    const QFileInfo info(file);
    if (!info.isFile()) {
        return refuse(info.exists() ? QStringLiteral("it is no file")
                                    : QStringLiteral("there is no such file"));
    }
    if (info.size() > kMaxZip) {
        return refuse(QStringLiteral("it is larger than any set-up file (%1)").arg(megabytes(kMaxZip)));
    }
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly)) {
        return refuse(source.errorString());
    }
    const QByteArray bytes = source.read(kMaxZip + 1);
    if (source.error() != QFileDevice::NoError) {
        return refuse(source.errorString());
    }
    if (bytes.size() > kMaxZip) {
        return refuse(QStringLiteral("it is larger than any set-up file (%1)").arg(megabytes(kMaxZip)));
    }
    if (const QString why = readZip(bytes, &contents); !why.isEmpty()) {
        return refuse(why);
    }
    return contents;
}

QString describeSetup(const ProgramPaths& paths, const Contents& contents) {
    const QDateTime written = QDateTime::fromString(contents.written, Qt::ISODate);
    const QStringList settings = contents.names(kData);
    const QStringList sounds = contents.names(kSound);
    const QStringList present = settingsFiles(paths.dataFolder());
    QStringList replaced;
    QStringList removed;
    QStringList soundsReplaced;
    for (const QString& name : present) {
        (settings.contains(name) ? replaced : removed) << name;
    }
    for (const QString& name : sounds) {
        if (QFileInfo::exists(paths.own + QLatin1Char('/') + kSound + QLatin1Char('/') + name)) {
            soundsReplaced << name;
        }
    }
    QStringList lines;
    lines << QStringLiteral("A set-up written by Corvalin %1 on %2.")
                 .arg(contents.program.isEmpty() ? QStringLiteral("(no version)") : contents.program,
                      written.isValid() ? written.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hh:mm"))
                                        : contents.written);
    lines << QStringLiteral("Settings files (%1): %2").arg(settings.size()).arg(listed(settings));
    lines << QStringLiteral("Bell sounds (%1): %2").arg(sounds.size()).arg(listed(sounds));
    if (const qsizetype copies = contents.names(kFeeds).size(); copies > 0) {
        lines << QStringLiteral("Copies of subscribed calendars: %1 files").arg(copies);
    }
    lines << QStringLiteral("Settings files replaced: %1").arg(listed(replaced));
    lines << QStringLiteral("Settings files removed (not in the set-up): %1").arg(listed(removed));
    lines << QStringLiteral("Bell sounds replaced: %1").arg(listed(soundsReplaced));
    return lines.join(QLatin1Char('\n'));
}

namespace {

// An import stages its files in a folder of its own beside the set-up, named so:
//   journal   every move it makes, written and flushed to the disk before the first one
//   undo      the moves are being undone (a step failed)
//   finished  every move was made (the journal, renamed)
//   new/, old/  the imported files not yet moved in, and the replaced ones moved aside
// Each move is one rename with one end in the staging folder, so whether it was made is told by
// that end alone: a file moved aside is in old/, a file moved in is gone from new/.
const QString kStagingPrefix = QStringLiteral(".setup-import-");
const QString kJournal = QStringLiteral("journal");
const QString kUndo = QStringLiteral("undo");
const QString kFinished = QStringLiteral("finished");
const QByteArray kJournalHeading = "Corvalin set-up import";

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Whether anything, a dangling link included, has this name.
bool present(const QString& path) {
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

bool renamed(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Flushes a file, or a folder's names, to the disk.
bool synced(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool done = ::fsync(fd) == 0;
    ::close(fd);
    return done;
}

// Writes a new file of the staging folder whole and flushes it to the disk: the reason when it
// cannot be, as the system gives it (a full disk says so).
QString writeNew(const QString& path, const QByteArray& bytes) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return systemError();
    }
    setFileAccess(fd, path);  // the user's alone, as every file the program writes in its own folder
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            const QString why = n < 0 ? systemError() : QStringLiteral("nothing could be written");
            ::close(fd);
            return why;
        }
        written += n;
    }
    if (::fsync(fd) != 0) {
        const QString why = systemError();
        ::close(fd);
        return why;
    }
    if (::close(fd) != 0) {
        return systemError();
    }
    return QString();
}

// Writes one of the staging folder's own files whole, and flushes it and the folder's names.
QString writeSynced(const QString& folder, const QString& name, const QByteArray& bytes) {
    const QString part = folder + QLatin1Char('/') + name + QStringLiteral(".part");
    QFile::remove(part);
    if (const QString why = writeNew(part, bytes); !why.isEmpty()) {
        return why;
    }
    if (!renamed(part, folder + QLatin1Char('/') + name) || !synced(folder)) {
        return systemError();
    }
    return QString();
}

// Holds a staging folder: an import holds its own until it ends, and a start-up leaves alone one it
// cannot take. The system lets go of it when its process ends, however it ends.
class FolderLock {
public:
    FolderLock() = default;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    bool take(const QString& folder, bool wait) {
        m_fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        return m_fd >= 0 && ::flock(m_fd, wait ? LOCK_EX : LOCK_EX | LOCK_NB) == 0;
    }

private:
    int m_fd = -1;
};

struct Move {
    QString from;
    QString to;
};

struct Journal {
    QString staging;
    QString madeFolder;  // made for the import: removed, when empty, if it is undone
    QList<Move> moves;

    bool inStaging(const QString& path) const { return path.startsWith(staging + QLatin1Char('/')); }
    bool done(const Move& move) const { return inStaging(move.to) ? present(move.to) : !present(move.from); }
    // The file of the set-up a move replaces or brings.
    QString setupSide(const Move& move) const { return inStaging(move.to) ? move.from : move.to; }
};

// The journal as text: one line per move, each path relative to the user's folder and
// percent-encoded, and "end" last, so that a journal cut short is seen.
QByteArray journalText(const QString& own, const Journal& journal) {
    const QDir base(own);
    auto field = [&base](const QString& path) {
        return QFile::encodeName(base.relativeFilePath(path)).toPercentEncoding();
    };
    QByteArray text = kJournalHeading + '\n';
    if (!journal.madeFolder.isEmpty()) {
        text += "made " + field(journal.madeFolder) + '\n';
    }
    for (const Move& move : journal.moves) {
        text += "move " + field(move.from) + ' ' + field(move.to) + '\n';
    }
    return text + "end\n";
}

// The journal of the staging folder; false when there is none or it is not whole.
bool readJournal(const QString& own, const QString& staging, Journal* journal) {
    QFile file(staging + QLatin1Char('/') + kJournal);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.size() < 3 || lines.first() != kJournalHeading || lines.at(lines.size() - 2) != "end" ||
        !lines.last().isEmpty()) {
        return false;
    }
    journal->staging = staging;
    auto path = [&own](const QByteArray& field, QString* out) {
        const QString relative = QFile::decodeName(QByteArray::fromPercentEncoding(field));
        if (relative.isEmpty() || relative.startsWith(QLatin1Char('/')) || relative == QStringLiteral("..") ||
            relative.startsWith(QStringLiteral("../")) || relative.contains(QStringLiteral("/../"))) {
            return false;
        }
        *out = own + QLatin1Char('/') + relative;
        return true;
    };
    for (const QByteArray& line : lines.mid(1, lines.size() - 3)) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2 && parts[0] == "made") {
            if (!path(parts[1], &journal->madeFolder)) {
                return false;
            }
            continue;
        }
        Move move;
        if (parts.size() != 3 || parts[0] != "move" || !path(parts[1], &move.from) ||
            !path(parts[2], &move.to) || journal->inStaging(move.from) == journal->inStaging(move.to)) {
            return false;
        }
        journal->moves.append(move);
    }
    return true;
}

// Makes the moves not yet made, in order; false, with the reason, at the first that fails.
bool rollForward(const Journal& journal, QString* why) {
    for (const Move& move : journal.moves) {
        if (journal.done(move)) {
            continue;
        }
        if (!renamed(move.from, move.to)) {
            *why = QStringLiteral("%1 could not be replaced: %2")
                       .arg(shown(journal.setupSide(move)), systemError());
            return false;
        }
    }
    return true;
}

// Undoes the moves made, newest first: the files of the set-up that could not be put back.
QStringList rollBack(const Journal& journal) {
    QStringList stranded;
    for (auto it = journal.moves.crbegin(); it != journal.moves.crend(); ++it) {
        if (journal.done(*it) && !renamed(it->to, it->from)) {
            stranded << shown(journal.setupSide(*it));
        }
    }
    if (stranded.isEmpty() && !journal.madeFolder.isEmpty()) {
        QDir().rmdir(journal.madeFolder);
    }
    return stranded;
}

// The journal put out of use, the import finished or undone: from then on the staging folder holds
// nothing the set-up needs and may go. Never removed before this: without old/ and new/ whole, the
// journal would tell moves made from moves not made wrongly.
bool closeJournal(const Journal& journal, bool finished) {
    const QString path = journal.staging + QLatin1Char('/') + kJournal;
    if (finished) {
        // Every folder a move touches on the disk first.
        QSet<QString> folders;
        for (const Move& move : journal.moves) {
            folders << QFileInfo(move.from).path() << QFileInfo(move.to).path();
        }
        for (const QString& folder : std::as_const(folders)) {
            synced(folder);
        }
    }
    const bool closed = finished ? renamed(path, journal.staging + QLatin1Char('/') + kFinished)
                                 : ::unlink(QFile::encodeName(path).constData()) == 0;
    return closed && synced(journal.staging);
}

const QString kInterrupted = QStringLiteral("a set-up import was interrupted (the program ended during it)");

}  // namespace

QString applySetup(const ProgramPaths& paths, const Contents& contents) {
    if (!contents.ok()) {
        return contents.refusal;
    }
    const QString folders[] = {paths.dataFolder(), paths.own + QLatin1Char('/') + kSound,
                               paths.dataFolder() + QLatin1Char('/') + kFeeds};
    auto target = [&](const QString& folder) {
        return folder == kData ? folders[0] : folder == kFeeds ? folders[2] : folders[1];
    };
    // A feeds folder made for the import goes again when the import does not happen.
    const bool feedsMade = !contents.names(kFeeds).isEmpty() && !QFileInfo::exists(folders[2]);
    auto unmakeFeeds = qScopeGuard([&] {
        if (feedsMade) {
            QDir().rmdir(folders[2]);
        }
    });
    for (const QString& folder : folders) {
        if ((folder == folders[2] && contents.names(kFeeds).isEmpty()) || QFileInfo(folder).isDir()) {
            continue;
        }
        if (!makeFolder(folder)) {
            return QStringLiteral("the set-up was not imported: the folder %1 could not be made")
                .arg(shown(folder));
        }
    }
    // Every new file is written whole beside the set-up first, on the same file system, so that
    // what follows only renames.
    QTemporaryDir staging(paths.own + QLatin1Char('/') + kStagingPrefix + QStringLiteral("XXXXXX"));
    if (!staging.isValid()) {
        return QStringLiteral("the set-up was not imported: no folder for it could be made in %1: %2")
            .arg(shown(paths.own), staging.errorString());
    }
    FolderLock lock;
    if (!lock.take(staging.path(), true)) {
        return QStringLiteral("the set-up was not imported: %1 could not be held: %2")
            .arg(shown(staging.path()), systemError());
    }
    const QString fresh = staging.path() + QStringLiteral("/new/");
    const QString old = staging.path() + QStringLiteral("/old/");
    for (const QString& folder : {kData, kSound, kFeeds}) {
        if (!makeFolder(fresh + folder) || !makeFolder(old + folder)) {
            return QStringLiteral("the set-up was not imported: %1 could not be written")
                .arg(shown(staging.path()));
        }
    }
    for (const File& file : contents.files) {
        if (const QString why = writeNew(fresh + file.path(), file.bytes); !why.isEmpty()) {
            return QStringLiteral("the set-up was not imported: %1 could not be written in %2: %3")
                .arg(file.name, shown(staging.path()), why);
        }
    }
    for (const QString& folder : {kData, kSound, kFeeds}) {
        synced(fresh + folder);
        synced(old + folder);
    }
    synced(fresh);
    synced(old);
    synced(paths.own);

    // The set-up as it is goes aside (every settings file, and the sounds and calendar copies of
    // the names imported), then the new files come in.
    Journal journal;
    journal.staging = staging.path();
    journal.madeFolder = feedsMade ? folders[2] : QString();
    for (const QString& name : settingsFiles(folders[0])) {
        journal.moves.append({folders[0] + QLatin1Char('/') + name, old + kData + QLatin1Char('/') + name});
    }
    for (const QString& folder : {kSound, kFeeds}) {
        for (const QString& name : contents.names(folder)) {
            const QString present = target(folder) + QLatin1Char('/') + name;
            if (QFileInfo(present).isFile() || QFileInfo(present).isSymLink()) {
                journal.moves.append({present, old + folder + QLatin1Char('/') + name});
            }
        }
    }
    for (const File& file : contents.files) {
        journal.moves.append({fresh + file.path(), target(file.folder) + QLatin1Char('/') + file.name});
    }
    // Should the program end before the last move, the next start reads the journal and finishes
    // the import or undoes it.
    if (const QString why = writeSynced(staging.path(), kJournal, journalText(paths.own, journal));
        !why.isEmpty()) {
        return QStringLiteral("the set-up was not imported: %1 could not be written: %2")
            .arg(shown(staging.path() + QLatin1Char('/') + kJournal), why);
    }
    QString failed;
    if (rollForward(journal, &failed)) {
        unmakeFeeds.dismiss();
        // The old files go with the staging folder; should the journal stay, so does the folder,
        // and the next start finds every move made.
        staging.setAutoRemove(closeJournal(journal, true));
        return QString();
    }
    writeSynced(staging.path(), kUndo, QByteArray());
    const QStringList stranded = rollBack(journal);
    if (stranded.isEmpty()) {
        unmakeFeeds.dismiss();  // rollBack() removed it
        staging.setAutoRemove(closeJournal(journal, false));
        return QStringLiteral("the set-up was not imported: %1; the set-up is as it was").arg(failed);
    }
    staging.setAutoRemove(false);
    unmakeFeeds.dismiss();
    return QStringLiteral(
               "the set-up was not imported: %1; and these files could not be put back: %2. "
               "They are in %3; the next start of Corvalin puts them back.")
        .arg(failed, stranded.join(QStringLiteral(", ")), shown(staging.path()));
}

QString recoverImport(const ProgramPaths& paths, bool* failed) {
    if (failed) {
        *failed = false;
    }
    QStringList said;
    const QDir own(QDir::cleanPath(paths.own));
    const QStringList found = own.entryList({kStagingPrefix + QLatin1Char('*')},
                                            QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : found) {
        const QString staging = own.filePath(name);
        FolderLock lock;
        if (!lock.take(staging, false)) {
            continue;  // an import that runs now, in another copy
        }
        Journal journal;
        QString text;
        bool keep = false;
        if (QFileInfo::exists(staging + QLatin1Char('/') + kFinished)) {
            text = kInterrupted + QStringLiteral(" after its last step: the imported set-up is in use");
        } else if (!present(staging + QLatin1Char('/') + kJournal)) {
            // The journal is written whole before the first move, and closed after the last move
            // is undone: without it the set-up is as it was.
            text = kInterrupted +
                   QStringLiteral(" before it changed anything: the set-up is as it was before it");
        } else if (!readJournal(own.path(), staging, &journal)) {
            keep = true;
            if (failed) {
                *failed = true;
            }
            text = kInterrupted + QStringLiteral(
                                      "; its journal %1 cannot be read, so it was neither finished nor "
                                      "undone: the files it replaced are in %2")
                                      .arg(shown(staging + QLatin1Char('/') + kJournal), shown(staging));
        } else {
            QString why;
            const bool undo = QFileInfo::exists(staging + QLatin1Char('/') + kUndo);
            if (!undo && rollForward(journal, &why)) {
                keep = !closeJournal(journal, true);
                text = kInterrupted +
                       QStringLiteral("; it was finished at start-up: the imported set-up is in use");
            } else {
                if (!undo) {
                    writeSynced(staging, kUndo, QByteArray());
                }
                const QStringList stranded = rollBack(journal);
                if (!stranded.isEmpty()) {
                    keep = true;
                    if (failed) {
                        *failed = true;
                    }
                    text = kInterrupted +
                           QStringLiteral(
                               "; it could be neither finished nor undone: %1 could not be put back. "
                               "They are in %2; the next start tries again")
                               .arg(stranded.join(QStringLiteral(", ")), shown(staging));
                } else {
                    keep = !closeJournal(journal, false);
                    text = kInterrupted +
                           (undo ? QStringLiteral("; it was undone at start-up")
                                 : QStringLiteral("; it could not be finished (%1), so it was "
                                                  "undone at start-up")
                                       .arg(why)) +
                           QStringLiteral(": the set-up is as it was before it");
                }
            }
        }
        if (!keep) {
            QDir(staging).removeRecursively();
        }
        said << text;
    }
    return said.join(QStringLiteral("; "));
}

}  // namespace corvalin::setup
