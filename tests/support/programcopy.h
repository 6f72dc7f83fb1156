// Copies of the built program folder for tests and benchmarks that run the real program.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcessEnvironment>
#include <QString>

// Copies the program folder `from` (executable, sounds, pictures, help) to `to`.
inline bool copyProgramFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else if (!QFile::copy(source, target)) {
            return false;
        }
    }
    return QFile::setPermissions(to + QStringLiteral("/Corvalin"),
                                 QFile::permissions(from + QStringLiteral("/Corvalin")));
}

// Writes a whole file, creating its folder; false when it could not be written.
inline bool writeWholeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Points a program's runtime, autostart and settings folders (XDG_RUNTIME_DIR, XDG_CONFIG_DIRS,
// XDG_CONFIG_HOME) at folders under `root`, so that it never meets a copy running outside the test
// and never writes the machine's autostart entries.
inline void keepDesktopApart(QProcessEnvironment& env, const QString& root) {
    const QString runtime = root + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("XDG_CONFIG_DIRS"), root + QStringLiteral("/xdg"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/config"));
}

// libfaketime for programs with threads, which moves the clock of the process it is loaded into;
// empty when faketime is not installed.
inline QString fakeTimeLibrary() {
    for (const char* path : {"/usr/lib/x86_64-linux-gnu/faketime/libfaketimeMT.so.1",
                             "/usr/lib/aarch64-linux-gnu/faketime/libfaketimeMT.so.1"}) {
        if (QFile::exists(QString::fromLatin1(path))) {
            return QString::fromLatin1(path);
        }
    }
    return QString();
}
