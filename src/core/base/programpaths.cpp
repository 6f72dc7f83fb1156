// Where the program's files are.
#include "core/base/programpaths.h"

#include <QDir>
#include <QFileInfo>

#include <unistd.h>

#include "core/base/ownfiles.h"

ProgramPaths ProgramPaths::decide(const QString& exeFolder, const QString& userDataHome) {
    const bool programFolder = QFileInfo(exeFolder + QStringLiteral("/img")).isDir();
    if (programFolder && ::access(QFile::encodeName(exeFolder).constData(), W_OK) == 0) {
        setOwnFolder(QString());
        return ProgramPaths(exeFolder);
    }
    const QString shared =
        programFolder ? exeFolder : QDir::cleanPath(exeFolder + QStringLiteral("/../share/corvalin"));
    ProgramPaths paths(shared, userDataHome + QStringLiteral("/corvalin"));
    setOwnFolder(paths.own);
    return paths;
}

QStringList ProgramPaths::soundFolders() const {
    QStringList folders{own + QStringLiteral("/sound")};
    if (isInstalled()) {
        folders << shared + QStringLiteral("/sound");
    }
    return folders;
}
