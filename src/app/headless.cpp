// The program with no window.
#include "app/headless.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QScopeGuard>
#include <QSocketNotifier>

#include <cstdio>

#include "app/composition.h"
#include "app/setupcommand.h"
#include "app/startup.h"
#include "core/bells/ringlog.h"
#include "core/bells/linux/instanceguard_local.h"
#include "core/bells/headlessbells.h"
#include "core/bells/bellsclient.h"
#include "core/control/controlcommand.h"
#include "core/control/controlservice.h"
#include "core/control/webface.h"
#include "core/follow/setupfollower.h"
#include "core/schedule/setuparchive.h"

namespace {

// Standard error is the journal of a service: each line once, as the ring log has it.
void say(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

}  // namespace

int runHeadless(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    nameProgram();
    const QString folder = QCoreApplication::applicationDirPath();
    if (programFolderNamed(folder)) {
        installLanguage(programPaths(folder));
    }
    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);  // --help and --version answer and end here

    if (!programFolderNamed(folder)) {
        say(unnamedFolderText());
        return 2;
    }
    if (corvalin::control::asksForCommand(parser)) {
        return corvalin::control::runCommand(parser, programPaths(folder).dataFolder());
    }
    if (asksForSetup(parser)) {
        return runSetupCommand(parser, programPaths(folder));
    }
    LocalInstanceGuard guard(LocalInstanceGuard::Role::Headless);
    const int copies = guard.runningCopies();
    // A second copy of the same user ends; whatever another user's program says of itself, this
    // copy waits for it to end (see below), so that nothing another user runs silences the bells.
    if (copies >= 2 && guard.holderHandsOver()) {
        say(QStringLiteral("Corvalin already rings the bells of this computer with no window; this copy ends."));
        return 0;
    }

    HeadlessPorts ports;
    const ProgramPaths paths = programPaths(folder);
    recoverSetup(paths);  // an import the program's end interrupted, finished or undone before any bell
    HeadlessBells bells(ports.ports(), paths);
    RingLog& log = bells.station().log;
    QObject::connect(&log, &RingLog::problemReported, &app,
                     [](const QDateTime&, const QString& text, const QString&) { say(text); });
    auto note = [&log](const QString& text) {
        log.note(text);
        say(text);
    };
    // The staff web page is served by the copy that holds the bells (made below, once the commands are).
    std::unique_ptr<WebFace> web;
    guard.onHandOverRequest([&bells, &note, &web] {
        if (web) {
            web->setActive(false);  // the window copy serves it from now on
        }
        const auto [decided, running] = bells.release();
        note(QStringLiteral("a window copy took the bells over; this copy waits until it ends"));
        return HandOver{decided, running};
    });
    guard.onTaken([&bells, &note, &web](const HandOver& last) {
        recoverSetup(programPaths(QCoreApplication::applicationDirPath()));  // a window copy ended mid-import
        note(QStringLiteral("no window copy rings: this copy rings the bells"));
        bells.start(last.decided);
        if (web) {
            web->setActive(true);
        }
    });
    QObject::connect(&bells.station(), &BellStation::minuteDecided, &guard,
                     [&guard](qint64 minuteKey) { guard.setDecided(minuteKey); });
    QObject::connect(&guard, &LocalInstanceGuard::problemFound, &log,
                     [&log](const QString& text) { log.lastingProblem(QStringLiteral("guard"), text); });
    QObject::connect(&guard, &LocalInstanceGuard::problemGone, &log, [&log, &note](const QString& text) {
        log.endProblem(QStringLiteral("guard"), QString());
        note(text);
    });

    note(QStringLiteral("Corvalin started with no window, its settings in %1")
             .arg(QDir::toNativeSeparators(paths.dataFolder())));
    if (copies == 2) {
        if (guard.otherUser().isEmpty()) {
            note(QStringLiteral("a window copy rings the bells; this copy waits until it ends"));
        }
        guard.standBy();
    } else {
        if (copies == 0) {
            // Rings all the same, but never silently: two copies would ring every bell twice.
            log.problem(guard.problem() + QStringLiteral("; if another copy runs, every bell rings twice"));
        }
        bells.start();
    }

    // The set-up followed from a web address, applied at a quiet moment as the files' owner here.
    SetupFollower follower(
        paths.dataFolder(),
        SetupFollower::Hooks{[&bells](int seconds, std::function<void(const QString&)> answered) {
                                 // While a window copy rings, it applies what comes.
                                 answered(bells.holdsBells() ? bells.station().quietFor(seconds)
                                                             : QStringLiteral("a window copy holds the bells"));
                             },
                             [&log](const QString& text) { log.note(text); },
                             [&log](const QString& topic, const QString& text) { log.lastingProblem(topic, text); },
                             [&log](const QString& topic, const QString& text) { log.endProblem(topic, text); }});
    // The bells go on with it from the last minute they decided.
    follower.setApplier(
        [&bells](const corvalin::setup::Contents& contents) { return bells.importSetup(contents); });
    follower.start();

    // Commands from the command line and the session bus, through the bells' client as a window's.
    CommandRunner commands(bells.client(), {QStringLiteral("no window"),
                                            [&bells](auto answered) { bells.startByOperator(std::move(answered)); },
                                            [&bells] { bells.stop(); }, [&bells] { return bells.holdsBells(); },
                                            &follower});
    ControlService control(&commands);
    control.publish(false, note);
    web = std::make_unique<WebFace>(commands, paths.dataFolder());
    web->setActive(bells.holdsBells());
    const auto endWeb = qScopeGuard([&web] { web.reset(); });  // before the commands it runs

    const auto endSignals = catchEndSignals([&](const QString& name) {
        note(QStringLiteral("Corvalin ended: by the signal ") + name);
        bells.station().ringer.unmute();
        QCoreApplication::quit();
    });
    return QCoreApplication::exec();
}
