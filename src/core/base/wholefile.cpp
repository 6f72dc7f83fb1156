// Whole-file reads and replacement.
#include "core/base/wholefile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace {

QString systemReason(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

QString sizeText(qint64 bytes) {
    return bytes >= (1 << 20) && bytes % (1 << 20) == 0 ? QStringLiteral("%1 MB").arg(bytes >> 20)
                                                         : QStringLiteral("%1 KB").arg((bytes + 1023) >> 10);
}

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode)) {
        return QStringLiteral("a folder");
    }
    if (S_ISFIFO(mode)) {
        return QStringLiteral("a named pipe");
    }
    if (S_ISCHR(mode)) {
        return QStringLiteral("a character device");
    }
    if (S_ISBLK(mode)) {
        return QStringLiteral("a block device");
    }
    if (S_ISSOCK(mode)) {
        return QStringLiteral("a socket");
    }
    return QStringLiteral("no regular file");
}

// Why what `path` leads to (`mode`) is no file to read or write: what it is, and where a symbolic
// link leads.
QString notRegular(const QByteArray& path, mode_t mode) {
    struct stat link {};
    if (::lstat(path.constData(), &link) == 0 && S_ISLNK(link.st_mode)) {
        char target[PATH_MAX];
        if (::realpath(path.constData(), target) != nullptr) {
            return QStringLiteral("it is a symbolic link to %1, %2, not a regular file")
                .arg(QDir::toNativeSeparators(QFile::decodeName(target)), kindOf(mode));
        }
    }
    return QStringLiteral("it is %1, not a regular file").arg(kindOf(mode));
}

}  // namespace

std::optional<QByteArray> readWholeFile(const QString& path, qint64 largest, QString* why) {
    auto refuse = [why](const QString& text) -> std::optional<QByteArray> {
        if (why) {
            *why = text;
        }
        return std::nullopt;
    };
    const QByteArray name = QFile::encodeName(path);
    // What the name leads to is looked at before it is opened (opening a device may do something),
    // and what was opened once more: the name may have been given to something else in between. A
    // named pipe opened without a writer would wait for one; O_NONBLOCK makes no wait of it.
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        return refuse(errno == ENOENT || errno == ENOTDIR ? QString() : systemReason(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return refuse(notRegular(name, info.st_mode));
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return refuse(errno == ENOENT ? QString() : systemReason(errno));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &info) != 0) {
        return refuse(systemReason(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return refuse(notRegular(name, info.st_mode));
    }
    const QString tooLarge = QStringLiteral("it is larger than %1").arg(sizeText(largest));
    if (info.st_size > largest) {
        return refuse(tooLarge);
    }
    // It may grow while it is read: never more than one byte past the bound.
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(info.st_size) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > largest) {
                return refuse(tooLarge);
            }
            bytes.resize(static_cast<qsizetype>(std::min<qint64>(largest + 1, qint64(got) * 2 + 4096)));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return refuse(systemReason(errno));
        }
        if (n == 0) {
            break;
        }
        got += n;
    }
    if (got > largest) {
        return refuse(tooLarge);
    }
    bytes.truncate(got);
    return bytes;
}

QString unreadFileText(const QString& path, const QString& why) {
    return QStringLiteral("%1 was not read (%2); the program goes on as if it were not there")
        .arg(QDir::toNativeSeparators(path), why);
}

bool replaceWholeFile(const QString& path, const QByteArray& bytes, QString* why, FileAccess access) {
    // QSaveFile writes through a symbolic link to its file: a new file renamed over a device or a
    // pipe that a link leads to would replace it where it is, outside the program's folders.
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    struct stat link {};
    if (::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode) && ::stat(name.constData(), &info) == 0 &&
        !S_ISREG(info.st_mode)) {
        if (why) {
            *why = notRegular(name, info.st_mode);
        }
        return false;
    }
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
