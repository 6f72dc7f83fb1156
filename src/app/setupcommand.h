// The set-up from the command line, with no display: `--export FILE` writes the whole set-up to
// FILE, whether or not a copy of Corvalin runs; `--import FILE` makes FILE's set-up this
// computer's, only while no copy runs (the command is the confirmation).
#pragma once

class QCommandLineParser;
struct ProgramPaths;

// The command line asks for an export or an import.
bool asksForSetup(const QCommandLineParser& parser);

// Exports or imports; what was done goes to standard output, a refusal or failure with its
// reason to standard error. The exit code: 0 done, 1 refused or failed.
int runSetupCommand(const QCommandLineParser& parser, const ProgramPaths& paths);
