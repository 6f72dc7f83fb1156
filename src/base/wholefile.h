// Replacing a file whole, atomically, and only once every byte of it is on the disk.
#pragma once

#include <QByteArray>
#include <QString>

#include "base/ownfiles.h"

// Writes `bytes` to a temporary file beside `path`, flushes it and renames it over `path`, so that
// the file is always the old one or the new one. A write that fails (a full disk, an I/O error, a
// file size limit) leaves the old file untouched and returns false with the reason in `why`:
// QSaveFile buffers what it is given and its commit() would rename a file whose buffered bytes
// never reached the disk, so the buffer is flushed and checked first. The new file has the modes
// `access` asks for (see ownfiles.h) before a byte is in it.
bool replaceWholeFile(const QString& path, const QByteArray& bytes, QString* why = nullptr,
                      FileAccess access = FileAccess::AsItsFolder);
