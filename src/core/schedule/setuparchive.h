// The whole set-up in one file: every settings file of data/ and the user's own bell sounds in a
// zip file with a manifest, written whole or not at all, and read back only when every byte of it
// checks out.
//
// The zip holds manifest.ini at its top, then data/<name>.ini, feeds/<key>.ini and .state (the
// last good copies of the subscribed calendars, from data/feeds/; format 2 on) and
// sound/<name>.wav. The manifest is CRLF text:
//   [Corvalin set-up]
//   format=2
//   program=<the version of the program that wrote it>
//   written=<date and time, ISO 8601 with its offset from UTC; to the millisecond since the
//            follower compares it, to the second before>
//   file=<size> <SHA-256 in hex> <data/name or sound/name>    (one line per file)
// A file is read only when it is a zip file whose every entry is the manifest or a file it lists,
// with the listed size and SHA-256, and within the bounds below; and whose every sound is within
// the bounds of a bell sound (its length and decoded size, sound/bellrules.h), whatever its format;
// and whose every time list (mdata.ini, mdata_N.ini) holds no more bells than a day's ring table
// (ringtable::kSlots). An export refuses to write what a read would refuse.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "core/base/ownfiles.h"
#include "core/base/programpaths.h"

namespace corvalin::setup {

constexpr int kFormat = 2;  // the newest read and the one written; every older one is read too
constexpr int kMaxEntries = 200;                   // the manifest included
constexpr qint64 kMaxSettingsFile = 1 << 20;       // 1 MB
constexpr qint64 kMaxSound = 16 << 20;             // 16 MB
constexpr qint64 kMaxFeedCopy = 4 << 20;           // 4 MB, as the bells' thread reads a copy
constexpr qint64 kMaxTotal = 64 << 20;             // every file unpacked, 64 MB
constexpr qint64 kMaxZip = kMaxTotal + (1 << 20);  // the zip file itself

// One file of a set-up: "data" or "sound", its name in that folder, and its bytes.
struct File {
    QString folder;
    QString name;
    QByteArray bytes;

    QString path() const { return folder + QLatin1Char('/') + name; }
};

// What a set-up file holds, once checked; or why it cannot be imported.
struct Contents {
    QString refusal;    // empty when the file can be imported
    QString program;    // the version of the program that wrote it
    QString written;    // when, as the manifest says (QDateTime::fromString(written, Qt::ISODate))
    QList<File> files;  // settings first, then sounds, each by name

    bool ok() const { return refusal.isEmpty(); }
    QStringList names(const QString& folder) const;
};

// The settings files of a data folder: every file directly in it whose name ends in ".ini" (in
// small letters) and that a set-up can hold.
QStringList settingsFiles(const QString& dataFolder);

// Writes the set-up of `paths` to `file`: error text, or empty when it was written. A file
// that cannot be written whole leaves `file` as it was. It is the user's alone (it holds the
// calendar feeds' passwords), unless `access` asks for a set-up to publish (FileAccess::Published:
// readable by all, for the web server that serves it).
QString exportSetup(const ProgramPaths& paths, const QString& file,
                    FileAccess access = FileAccess::OwnerOnly);

// Reads and checks a set-up file. Nothing is written.
Contents readSetup(const QString& file);

// What importing `contents` into `paths` holds and changes, for the operator: the program and
// date it was written with, its settings files and sounds, and the files it replaces or removes.
QString describeSetup(const ProgramPaths& paths, const Contents& contents);

// Makes `contents` the set-up of `paths`, all or nothing: its settings files replace every
// settings file of data/ (those it does not hold are removed; ring.log and sub-folders stay), and
// its sounds are added to the user's sound folder and its calendar copies to data/feeds/, replacing
// those of the same names. When a step
// fails, the files as they were are put back. Error text, or empty when the set-up was imported.
// Every move it makes is written to a journal, flushed to the disk, before the first: should the
// program end half-way (killed, a power cut), recoverImport() finishes or undoes it.
// The files' owner runs it, through SettingsStore::importSetup, so that what it knew of the files
// is dropped and whoever shows or rings the settings reads them again.
QString applySetup(const ProgramPaths& paths, const Contents& contents);

// Finishes an import of `paths` that ended half-way (every new file was written whole before the
// first move, so it is finished unless a move fails, and then undone), or undoes one that was
// being undone, and clears what an import left beside the set-up. Run at start-up before anything
// rings; an import running now in another copy is left alone. Returns what was done, for the
// ring log (empty when there was nothing), and sets `failed` when it could be neither finished nor
// undone (its files are left where they are, for the next start).
QString recoverImport(const ProgramPaths& paths, bool* failed = nullptr);

}  // namespace corvalin::setup
