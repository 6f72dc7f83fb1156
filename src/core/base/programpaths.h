// Where the program's files are: the shared files it comes with (button pictures, help text, the
// bell sounds it ships) and the user's own (settings in data/, bell sounds of the user's own in
// sound/). A program folder is both; an installed program keeps the user's files in the user's
// data folder.
#pragma once

#include <QString>
#include <QStringList>

struct ProgramPaths {
    QString shared;  // img/, readme.txt, sound/
    QString own;     // data/, sound/

    ProgramPaths() = default;
    // A program folder: everything in one place.
    ProgramPaths(const QString& folder) : shared(folder), own(folder) {}  // NOLINT: a folder is a set of paths
    ProgramPaths(QString sharedFolder, QString ownFolder) : shared(std::move(sharedFolder)), own(std::move(ownFolder)) {}

    // The one rule, decided once at start-up for the executable in `exeFolder`:
    // - a program folder (the executable with its img/ beside it, as a build or a copy of one)
    //   that the user can write keeps everything there, as it always did;
    // - otherwise the program is installed: its shared files are beside the executable when
    //   img/ is there (a program folder the user cannot write), else in ../share/corvalin; the
    //   user's files are in `userDataHome`/corvalin (`$XDG_DATA_HOME`, by default
    //   ~/.local/share), and they are the user's alone (see setOwnFolder in ownfiles.h).
    static ProgramPaths decide(const QString& exeFolder, const QString& userDataHome);

    bool isInstalled() const { return shared != own; }
    QString dataFolder() const { return own + QStringLiteral("/data"); }
    QString imageFolder() const { return shared + QStringLiteral("/img"); }
    QString helpFile() const { return shared + QStringLiteral("/readme.txt"); }
    // The user's sound folder first: its sound wins over a shipped one of the same name.
    QStringList soundFolders() const;
};
