// The set-up from the command line, with no display: `--export FILE` writes the whole set-up to
// FILE, whether or not a copy of Corvalin runs, and with `--sign KEYFILE` its signature beside it
// (FILE.sig), for the PCs that follow a published set-up; `--import FILE` makes FILE's set-up this
// computer's, only while no copy runs (the command is the confirmation); `--make-key KEYFILE` makes
// the key pair a publisher signs with.
#pragma once

class QCommandLineParser;
struct ProgramPaths;

// The command line asks for an export, an import, a key pair or a signature.
bool asksForSetup(const QCommandLineParser& parser);

// Exports (and signs), imports or makes a key pair; what was done goes to standard output, a refusal
// or failure with its reason to standard error. The exit code: 0 done, 1 refused or failed.
int runSetupCommand(const QCommandLineParser& parser, const ProgramPaths& paths);
