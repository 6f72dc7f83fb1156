// Who may read the user's own files.
#include "core/base/ownfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <mutex>

namespace {

constexpr mode_t kOwnerOnlyFolder = 0700;
constexpr mode_t kOwnerOnlyFile = 0600;
constexpr mode_t kPublishedFile = 0644;

std::mutex g_mutex;
QString g_ownFolder;  // absolute and clean; empty: none

QString absoluteClean(const QString& path) {
    return QDir::cleanPath(QDir(path).absolutePath());
}

QString ownFolder() {
    const std::lock_guard lock(g_mutex);
    return g_ownFolder;
}

// Narrows a folder of the user's that others may enter; a link, or a folder of someone else's,
// is left as it is.
void narrowFolder(const QString& folder) {
    const QByteArray name = QFile::encodeName(folder);
    struct stat info {};
    if (::lstat(name.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
        (info.st_mode & 077) != 0) {
        ::chmod(name.constData(), kOwnerOnlyFolder);
    }
}

}  // namespace

void setOwnFolder(const QString& folder) {
    const QString own = folder.isEmpty() ? QString() : absoluteClean(folder);
    {
        const std::lock_guard lock(g_mutex);
        g_ownFolder = own;
    }
    if (!own.isEmpty()) {
        for (const QString& made :
             {own, own + QStringLiteral("/data"), own + QStringLiteral("/data/feeds")}) {
            narrowFolder(made);
        }
    }
}

bool inOwnFolder(const QString& path) {
    const QString own = ownFolder();
    if (own.isEmpty() || path.isEmpty()) {
        return false;
    }
    const QString clean = absoluteClean(path);
    return clean == own || clean.startsWith(own + QLatin1Char('/'));
}

bool makeOwnerOnlyFolder(const QString& folder) {
    // The folders that are missing, from the one asked for up to the first that is there.
    QStringList missing;
    struct stat info {};
    for (QString at = absoluteClean(folder); ::lstat(QFile::encodeName(at).constData(), &info) != 0;) {
        if (errno != ENOENT) {
            return false;
        }
        missing.prepend(at);
        const QString above = QFileInfo(at).path();
        if (above == at) {
            break;
        }
        at = above;
    }
    for (const QString& made : std::as_const(missing)) {
        const QByteArray name = QFile::encodeName(made);
        if (::mkdir(name.constData(), kOwnerOnlyFolder) == 0) {
            ::chmod(name.constData(), kOwnerOnlyFolder);  // whatever the umask took away
        } else if (errno != EEXIST) {
            return false;
        }
    }
    return QFileInfo(folder).isDir();
}

bool makeFolder(const QString& folder) {
    return inOwnFolder(folder) ? makeOwnerOnlyFolder(folder) : QDir().mkpath(folder);
}

void setFileAccess(int fd, const QString& path, FileAccess access) {
    struct stat info {};
    if (access == FileAccess::Published) {
        if (::fstat(fd, &info) == 0 && (info.st_mode & 07777) != kPublishedFile) {
            ::fchmod(fd, kPublishedFile);
        }
        return;
    }
    if ((access == FileAccess::OwnerOnly || inOwnFolder(path)) && ::fstat(fd, &info) == 0 &&
        (info.st_mode & 07777) != kOwnerOnlyFile) {
        ::fchmod(fd, kOwnerOnlyFile);
    }
}
