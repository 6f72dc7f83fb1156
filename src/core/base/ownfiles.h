// Who may read the user's own files. An installed program keeps them in the user's data folder
// (~/.local/share/corvalin), and they are that user's alone: a school's schedule, its ring log and
// the addresses of its calendar feeds with their passwords. Every folder the program makes for
// them is 0700, every folder above it that the program has to make too (~/.local/share when it
// is missing, as the XDG folders are to be made), and every file it writes there 0600; a file of
// wider modes written again is narrowed by the writing. A program folder (the program's data
// beside the executable) is the user's to arrange: its folders and files keep the modes they
// have, and new ones take the umask's.
#pragma once

#include <QString>

// The own folder of an installed program, set when the program's folders are decided at start
// (ProgramPaths::decide); empty for a program folder. The own folder and the folders of its data
// that exist already are narrowed to 0700 at once; the folders above it are not the program's and
// stay as they are.
void setOwnFolder(const QString& folder);
// Whether `path` is the own folder or inside it.
bool inOwnFolder(const QString& path);

// Makes `folder` with every folder above it that is missing, as QDir::mkpath does, each 0700 when
// `folder` is in the own folder; true when it is a folder afterwards.
bool makeFolder(const QString& folder);
// The same, each folder made 0700 wherever it is (a folder of the user's XDG folders).
bool makeOwnerOnlyFolder(const QString& folder);

enum class FileAccess {
    AsItsFolder,  // 0600 in the own folder; elsewhere as the file was, or as the umask makes it
    OwnerOnly,    // 0600 wherever it is (a file that leaves the computer, as an exported set-up)
    Published,    // 0644 wherever it is (a file made to be served by a web server of another user, as
                  // a signed set-up and its signature)
};
// Gives the file open as `fd`, to be written at `path` (a temporary file renamed over it, or the
// file itself), the modes `access` asks for. A file system that has no modes (a FAT memory stick)
// is no failure: the file is written all the same.
void setFileAccess(int fd, const QString& path, FileAccess access = FileAccess::AsItsFolder);
