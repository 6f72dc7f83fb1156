// Corvalin: rings a school's or a shop's bells on time, day after day.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QScopeGuard>
#include <QSocketNotifier>

#include <cstdio>
#include <memory>
#include <optional>

#include "app/composition.h"
#include "app/headless.h"
#include "app/mainwindow.h"
#include "core/control/webface.h"
#include "app/services.h"
#include "app/startup.h"
#include "core/bells/bellthread.h"
#include "core/bells/linux/instanceguard_local.h"
#include "core/bells/bellstation.h"
#include "core/bells/bellsclient.h"
#include "core/control/controlservice.h"
#include "core/schedule/bellscore.h"

namespace {

// The ports and services, made on the bell thread and ended there after the window has gone.
class Program {
public:
    Program(BellThread& thread, InstanceGuard* guard, const ProgramPaths& paths) : m_thread(thread) {
        m_thread.runAndWait([&] { m_ports = std::make_unique<ProgramPorts>(guard); });
        m_services = std::make_unique<ProgramServices>(m_ports->ports(), paths, true, &m_thread);
    }
    ~Program() {
        m_services.reset();
        m_thread.runAndWait([this] { m_ports.reset(); });
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const Ports& ports() const { return m_ports->ports(); }
    const Services& services() const { return m_services->services(); }
    BellStation& station() const { return m_services->station(); }

private:
    BellThread& m_thread;
    std::unique_ptr<ProgramPorts> m_ports;
    std::unique_ptr<ProgramServices> m_services;
};

// A message for whoever sits at the display, when there is one.
void showOnDisplay(const QString& text) {
    const QString platform = QGuiApplication::platformName();
    if (platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal")) {
        QMessageBox::critical(nullptr, QStringLiteral("Corvalin"), text);
    }
}

void refuse(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    showOnDisplay(text);
}

}  // namespace

int main(int argc, char* argv[]) {
    // The command line is read first: one that is refused, a copy with no window and one that only
    // says what it is never open a display.
    const CommandLine line = readCommandLine(argc, argv);
    if (!line.refusal.isEmpty()) {
        std::fprintf(stderr, "%s\n", line.refusal.toLocal8Bit().constData());
        return 1;
    }
    if (!line.window) {
        return runHeadless(argc, argv);
    }
    QApplication app(argc, argv);
    nameProgram();
    QApplication::setQuitOnLastWindowClosed(false);
    const QString folder = QCoreApplication::applicationDirPath();
    // Settings and sounds live in the program folder: one that cannot be named must never become
    // "/data" and "/sound" at the root of the disk.
    if (!programFolderNamed(folder)) {
        refuse(unnamedFolderText());
        return 2;
    }
    const ProgramPaths paths = programPaths(folder);
    installLanguage(paths);
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(paths.imageFolder() + QStringLiteral("/corvalin-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);

    // The guard lives on the bell thread with the bells, so that a waiting headless copy hears of
    // every minute they decide even while the window's thread is held up.
    BellThread bellThread;
    std::unique_ptr<LocalInstanceGuard> guard;
    int copies = 0;
    bellThread.runAndWait([&] {
        guard = std::make_unique<LocalInstanceGuard>(LocalInstanceGuard::Role::Window);
        copies = guard->runningCopies();
    });
    const auto endGuard = qScopeGuard([&] { bellThread.runAndWait([&] { guard.reset(); }); });
    std::optional<HandOver> handOver;
    if (copies >= 2) {
        if (const QString other = guard->otherUser(); !other.isEmpty()) {
            // One copy rings the bells of the PC, whoever started it.
            refuse(QStringLiteral("Corvalin is already running on this computer, started by the user "
                                  "%1. Only one copy may ring the bells; this one ends.")
                       .arg(other));
            return 1;
        }
        if (!guard->holderHandsOver()) {
            guard->signalFirstInstance();  // the first copy shows its window; this one reads nothing
            return 0;
        }
        // A headless copy of this user rings: this window takes the bells over.
        bellThread.runAndWait([&] { handOver = guard->takeOver(); });
        if (!handOver) {
            refuse(QStringLiteral("Corvalin runs with no window on this computer and did not hand its bells "
                                  "over to this window; this one ends. Start it again in a moment."));
            return 1;
        }
    }
    recoverSetup(paths);  // an import the program's end interrupted, finished or undone before any bell
    Program program(bellThread, guard.get(), paths);
    // Tied on the bell thread, where both live, so that no minute decided meanwhile goes untold.
    bellThread.runAndWait([&] {
        LocalInstanceGuard* holder = guard.get();
        BellStation* station = &program.station();
        QObject::connect(station, &BellStation::minuteDecided, holder,
                         [holder](qint64 minuteKey) { holder->setDecided(minuteKey); });
        QObject::connect(holder, &LocalInstanceGuard::problemFound, station,
                         [station](const QString& text) { station->log.lastingProblem(QStringLiteral("guard"), text); });
        QObject::connect(holder, &LocalInstanceGuard::problemGone, station, [station](const QString& text) {
            station->log.endProblem(QStringLiteral("guard"), text);
        });
        if (station->decided() >= 0) {
            holder->setDecided(station->decided());
        }
    });
    MainWindow window(program.ports(), program.services(), paths);
    bool ended = false;
    window.setQuitHandler([&ended] {
        ended = true;
        QCoreApplication::exit(0);
    });
    const auto endSignals = catchEndSignals([&window](const QString& name) { window.endBySignal(name); });
    if (handOver) {
        window.setHandOver(*handOver);
    }
    window.startUp();
    if (ended) {
        return 0;  // ended during start-up, before the event loop ran
    }
    // Commands from the command line and the session bus, as the window's own buttons give them.
    ControlService control(program.services().commands);
    BellsClient* client = program.services().bells;
    control.publish(true, [client](const QString& why) { client->note(why); });
    // The staff web page, when switched on: this copy holds the bells for as long as it runs.
    program.services().web->setActive(true);
    return QApplication::exec();
}
