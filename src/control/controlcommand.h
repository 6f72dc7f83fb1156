// The program as the command line's client of the copy that runs for this user, window or none:
// `--status [--json]`, `--ring-now [SOUND]`, `--stop-bell`, `--skip-next`, `--alarm NAME`,
// `--alarm-stop`, `--start`, `--stop`, `--follow ADDRESS --key KEY` and `--unfollow`, each sent
// over the session bus. What happened goes to
// standard output; a refusal, or no copy to ask, to standard error with the reason.
#pragma once

class QCommandLineParser;
class QString;

namespace corvalin::control {

// The exit codes: done, refused (or failed; also when the name on the bus is held by another
// user's program, which is never asked), and no copy runs for this user to ask.
inline constexpr int kDone = 0;
inline constexpr int kRefusedCode = 1;
inline constexpr int kNoCopy = 3;

// Adds the commands to the program's options.
void describeCommands(QCommandLineParser& parser);
// Whether the command line gives one of them; and the raw arguments, before any parser has run.
bool asksForCommand(const QCommandLineParser& parser);
bool namesCommand(int argc, char* argv[]);

// Sends the command and waits for the answer (at most 25 seconds); the exit code. `--follow` and
// `--unfollow` with no copy running are written to `dataFolder` for the next start.
int runCommand(const QCommandLineParser& parser, const QString& dataFolder);

}  // namespace corvalin::control
