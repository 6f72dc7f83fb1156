// Reading a file whole, within a bound, and replacing a file whole, atomically, and only once
// every byte of it is on the disk.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "core/base/ownfiles.h"

// The largest settings file the program reads from its data folder: what it writes itself is far
// smaller (the calendar's exceptions may take more, see its own bound).
inline constexpr qint64 kLargestSettingsFile = 1 << 20;

// Reads the file at `path` whole when it is a regular file (a symbolic link may lead to one) of at
// most `largest` bytes. Every file the program reads from its data folder is read so: nothing put
// there (a named pipe, a link to /dev/zero, a folder, a file grown huge) makes it wait or read
// without end. None when the file was not read; `why` then says why ("it is a named pipe, not a
// regular file", "it is larger than 1 MB", the system's reason), and is empty when there is no file
// of that name.
std::optional<QByteArray> readWholeFile(const QString& path, qint64 largest, QString* why = nullptr);

// The ring log's line for a file of the data folder that was refused: which file and why, and
// that the program goes on as without it.
QString unreadFileText(const QString& path, const QString& why);

// Writes `bytes` to a temporary file beside `path`, flushes it and renames it over `path`, so that
// the file is always the old one or the new one. A write that fails (a full disk, an I/O error, a
// file size limit) leaves the old file untouched and returns false with the reason in `why`:
// QSaveFile buffers what it is given and its commit() would rename a file whose buffered bytes
// never reached the disk, so the buffer is flushed and checked first. The new file has the modes
// `access` asks for (see ownfiles.h) before a byte is in it. A symbolic link is written through to
// its file, but never to anything that is not a regular file (a device, a pipe).
bool replaceWholeFile(const QString& path, const QByteArray& bytes, QString* why = nullptr,
                      FileAccess access = FileAccess::AsItsFolder);
