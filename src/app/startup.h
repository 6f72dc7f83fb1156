// What every start of the program does before its bells, with or without a window: the command
// line, the program folder's name, and the signals that end it.
#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "core/base/programpaths.h"

class QCommandLineParser;
class QSocketNotifier;

// The program's name and version, for the messages and --version.
void nameProgram();

// The options the program takes, and the description `--help` shows with them (the folders this
// copy uses, which asks the application object: it must exist).
void describeOptions(QCommandLineParser& parser);

// The command line, read before anything opens a display.
struct CommandLine {
    // Why it is refused: an unknown option, a value missing, an option without the one it goes
    // with, options that do not go together, a word not understood. Empty when it is not refused.
    QString refusal;
    // The window copy, for a command line with no option. Any option at all, the window's own
    // included, asks for no window (--headless, --export, a command to the copy that runs) or
    // only for what the program is (--help, --version): then no display is opened.
    bool window = false;
};
CommandLine readCommandLine(int argc, char* argv[]);

// The folder of the executable exactly as the system names it: false when Qt cannot name it (its
// path is not valid in the locale's encoding: a folder copied from a USB stick or a zip).
bool programFolderNamed(const QString& folder);
// Why the program cannot start in such a folder.
QString unnamedFolderText();

// Where the program that runs from `exeFolder` keeps its files (see ProgramPaths::decide).
ProgramPaths programPaths(const QString& exeFolder);

// Installs the translations of the language in use (the operator's choice in the data folder, else
// the system's) into the application, which must exist; from here on tr() speaks it.
void installLanguage(const ProgramPaths& paths);

// Finishes or undoes a set-up import that the program's end interrupted, before anything rings,
// and says which in the ring log and on standard error (see corvalin::setup::recoverImport).
void recoverSetup(const ProgramPaths& paths);

// TERM, INT and HUP end the program as its exit command does: the signal handler only passes the
// signal's number through a pipe to `end`, called with the signal's name on the thread that runs
// the returned notifier. Should that thread not answer, the process ends five seconds later all
// the same.
std::unique_ptr<QSocketNotifier> catchEndSignals(std::function<void(const QString&)> end);
