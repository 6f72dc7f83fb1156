// Whole-file replacement.
#include "base/wholefile.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

bool replaceWholeFile(const QString& path, const QByteArray& bytes, QString* why, FileAccess access) {
    QSaveFile file(path);
    // Qt leaves a short write (a full disk) without an error of its own: the system's reason is
    // taken from errno when Qt has none to give.
    auto reason = [&file](int code) {
        const QString qt = file.errorString();
        if (file.error() != QFileDevice::NoError && !qt.isEmpty() && qt != QStringLiteral("Unknown error")) {
            return qt;
        }
        return code != 0 ? QString::fromLocal8Bit(std::strerror(code))
                         : QStringLiteral("the file could not be written whole");
    };
    auto failed = [&](int code) {
        if (why) {
            *why = reason(code);
        }
        file.cancelWriting();
        return false;
    };
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        return failed(errno);
    }
    // QSaveFile gives the new file the old one's modes: those of an older version are narrowed here.
    // (Through the descriptor: a file system without modes must not leave the file in error.)
    setFileAccess(file.handle(), path, access);
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        return failed(errno);
    }
    errno = 0;
    if (!file.commit()) {
        if (why) {
            *why = reason(errno);
        }
        return false;
    }
    return true;
}
