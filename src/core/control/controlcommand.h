// The program as the command line's client of the copy that runs for this user, window or none:
// one verb for each method of the interface (`--status [--json]`, `--ring-now [SOUND]`,
// `--skip TIME`, `--move TIME TO`, `--undo N|all`, `--alarm NAME`, `--follow ADDRESS --key KEY`,
// ...), each sent over the session bus. What happened goes to standard output; a refusal, or no
// copy to ask, to standard error with the reason.
#pragma once

#include <QStringList>

class QCommandLineParser;

namespace corvalin::control {

// The exit codes: done, refused (or failed; also when the name on the bus is held by another
// user's program, which is never asked, and for a command line that is not one command), and no
// copy runs for this user to ask.
inline constexpr int kDone = 0;
inline constexpr int kRefusedCode = 1;
inline constexpr int kNoCopy = 3;

// Adds the verbs, and the options that go with one (--json, --key), to the program's options.
void describeCommands(QCommandLineParser& parser);
// The interface's methods that the verbs call.
QStringList commandMethods();
// Whether the command line gives a verb, or an option that goes with one.
bool asksForCommand(const QCommandLineParser& parser);
// Why the command line is not one command as it stands (two verbs, an option without the one it
// goes with, a word missing or too many, a number that is none); empty when it is one.
QString commandFault(const QCommandLineParser& parser);

// Sends the command and waits for the answer (at most 25 seconds); the exit code. `--follow` and
// `--unfollow` with no copy running are written to `dataFolder` for the next start.
int runCommand(const QCommandLineParser& parser, const QString& dataFolder);

}  // namespace corvalin::control
