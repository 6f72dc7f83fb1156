// Start-up steps shared by the window and the headless copy.
#include "app/startup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "core/ports/clock.h"
#include "core/bells/ringlog.h"
#include "app/setupcommand.h"
#include "core/base/language.h"
#include "core/control/controlcommand.h"
#include "core/schedule/setuparchive.h"

void nameProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Corvalin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CORVALIN_VERSION));
}

namespace {

void addOptions(QCommandLineParser& parser) {
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        QStringLiteral("headless"),
        QCoreApplication::translate("CommandLine", "Ring the bells with no window, tray or display, as a service started at boot does "
                       "(see corvalin.service). The bells start as with \"Auto execution\" on; while a window "
                       "copy runs this copy waits, and it takes the bells back when that copy ends.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("export"),
        QCoreApplication::translate("CommandLine", "Write the whole set-up (every settings file and your own bell sounds) to <file>, "
                       "a zip file, and end."),
        QStringLiteral("file")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("import"),
        QCoreApplication::translate("CommandLine", "Replace the set-up with the one in <file>, written by --export or the Set-up menu, "
                       "and end. Only while no copy of Corvalin runs; nothing changes unless all of it "
                       "checks out."),
        QStringLiteral("file")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("sign"),
        QCoreApplication::translate("CommandLine", 
            "With --export: sign the exported set-up with the secret key in <keyfile> and write the "
            "signature beside it, as <file>.sig, for the PCs that follow the published set-up. A key "
            "file that cannot sign is refused before anything is written."),
        QStringLiteral("keyfile")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("make-key"),
        QCoreApplication::translate("CommandLine", "Make a key pair for signing set-ups: write the secret key to <keyfile>, a new file "
                       "readable by you alone (an existing file is never written over), print the public key "
                       "that the following PCs are given, as the last line, and end."),
        QStringLiteral("keyfile")));
    corvalin::control::describeCommands(parser);
}

}  // namespace

void describeOptions(QCommandLineParser& parser) {
    // The folders this copy really uses: beside the program for a program folder, the user's data
    // folder for an installed program.
    const ProgramPaths paths = programPaths(QCoreApplication::applicationDirPath());
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine", "Rings a school's or a shop's bells on time, day after day.\n"
                                                   "Settings live in %1; your own bell sounds in %2.")
            .arg(QDir::toNativeSeparators(paths.dataFolder()),
                 QDir::toNativeSeparators(paths.own + QStringLiteral("/sound"))));
    addOptions(parser);
}

namespace {

// The options that Qt takes for itself when the window copy makes its application (a session
// manager restarts a program with -session, a user may give -platform or -style), with "-" or
// "--": not the program's to refuse. Those that take a value take the next word.
bool qtOwnOption(const QString& arg, bool* takesValue) {
    static const QStringList withValue{
        QStringLiteral("platform"),   QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
        QStringLiteral("plugin"),     QStringLiteral("qwindowgeometry"),    QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"), QStringLiteral("session"),          QStringLiteral("display"),
        QStringLiteral("name"),       QStringLiteral("style"),              QStringLiteral("stylesheet"),
        QStringLiteral("geometry"),   QStringLiteral("title"),              QStringLiteral("icon"),
        QStringLiteral("visual"),     QStringLiteral("ncols")};
    static const QStringList alone{QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
                                   QStringLiteral("dograb"), QStringLiteral("cmap")};
    if (!arg.startsWith(QLatin1Char('-'))) {
        return false;
    }
    QString name = arg.mid(arg.startsWith(QStringLiteral("--")) ? 2 : 1);
    if (name.contains(QLatin1Char('='))) {
        name = name.left(name.indexOf(QLatin1Char('=')));
        *takesValue = false;
        return withValue.contains(name) || alone.contains(name);
    }
    *takesValue = withValue.contains(name);
    return *takesValue || alone.contains(name);
}

}  // namespace

CommandLine readCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        bool takesValue = false;
        if (i > 0 && qtOwnOption(arg, &takesValue)) {
            i += takesValue ? 1 : 0;
            continue;
        }
        arguments << arg;
    }
    const QString program = QFileInfo(arguments.value(0, QStringLiteral("Corvalin"))).fileName();
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments)) {
        return {QStringLiteral("%1: %2 %1 --help lists the options; nothing was done.").arg(program, parser.errorText()),
                false};
    }
    if (parser.optionNames().isEmpty() && parser.positionalArguments().isEmpty()) {
        return {{}, true};
    }
    // --help and --version answer whatever else is given, as the parser does.
    for (const QString& name : {QStringLiteral("help"), QStringLiteral("help-all"), QStringLiteral("version")}) {
        if (parser.isSet(name)) {
            return {};
        }
    }
    // One thing at a time: the copy with no window, a set-up command or a command to the copy that runs.
    const int kinds = (parser.isSet(QStringLiteral("headless")) ? 1 : 0) + (asksForSetup(parser) ? 1 : 0) +
                      (corvalin::control::asksForCommand(parser) ? 1 : 0);
    if (kinds > 1) {
        QStringList given;
        for (const QString& name : parser.optionNames()) {
            if (!given.contains(QStringLiteral("--") + name)) {
                given << QStringLiteral("--") + name;
            }
        }
        return {QStringLiteral("%1 cannot be given together; nothing was done.").arg(given.join(QStringLiteral(", "))),
                false};
    }
    if (corvalin::control::asksForCommand(parser)) {
        return {corvalin::control::commandFault(parser), false};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return {QStringLiteral("%1 is not understood; nothing was done.")
                    .arg(parser.positionalArguments().join(QLatin1Char(' '))),
                false};
    }
    return {};
}

bool programFolderNamed(const QString& folder) {
    char raw[4096];
    const ssize_t length = ::readlink("/proc/self/exe", raw, sizeof raw - 1);
    if (length <= 0) {
        return !folder.isEmpty() && QDir(folder).exists();
    }
    const QByteArray exe(raw, static_cast<qsizetype>(length));
    const QByteArray dir = exe.left(exe.lastIndexOf('/'));
    return !folder.isEmpty() && QFile::encodeName(folder) == dir && QFileInfo(folder).isDir();
}

QString unnamedFolderText() {
    char raw[4096];
    const ssize_t length = ::readlink("/proc/self/exe", raw, sizeof raw - 1);
    const QString shown = length > 0 ? QString::fromLocal8Bit(raw, static_cast<qsizetype>(length)) : QString();
    return QStringLiteral(
               "Corvalin cannot start: the name of its folder cannot be read (%1), so its settings "
               "and bell sounds cannot be found. Move the Corvalin folder to a folder whose name is "
               "valid UTF-8 and start it there.")
        .arg(shown);
}

ProgramPaths programPaths(const QString& exeFolder) {
    return ProgramPaths::decide(exeFolder, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

void installLanguage(const ProgramPaths& paths) {
    corvalin::language::install(*QCoreApplication::instance(), corvalin::language::inUse(paths.dataFolder()),
                                corvalin::language::translationFolders(paths.shared));
}

void recoverSetup(const ProgramPaths& paths) {
    bool failed = false;
    const QString text = corvalin::setup::recoverImport(paths, &failed);
    if (text.isEmpty()) {
        return;
    }
    // The program's own ring log is not made yet: a line of the same form, in the same file.
    WallClock clock;
    RingLog log(paths.dataFolder() + QStringLiteral("/ring.log"), &clock);
    if (failed) {
        log.problem(text);
    } else {
        log.note(text);
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

namespace {

int g_signalPipe[2] = {-1, -1};

void onEndSignal(int number) {
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
    ::alarm(5);
}

}  // namespace

std::unique_ptr<QSocketNotifier> catchEndSignals(std::function<void(const QString&)> end) {
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return nullptr;
    }
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(number, &action, nullptr);
    }
    auto notifier = std::make_unique<QSocketNotifier>(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [end = std::move(end)] {
        char byte = 0;
        if (::read(g_signalPipe[0], &byte, 1) == 1) {
            end(QString::fromLocal8Bit(::sigabbrev_np(byte) ? ::sigabbrev_np(byte) : "?"));
        }
    });
    return notifier;
}
