// Corvalin: rings a school's or a shop's bells on time, day after day.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/composition.h"
#include "app/mainwindow.h"
#include "app/services.h"
#include "base/bellthread.h"
#include "desktop/instanceguard_local.h"

namespace {

// The ports and services, made on the bell thread and ended there after the window has gone.
class Program {
public:
    Program(BellThread& thread, InstanceGuard* guard, const QString& folder) : m_thread(thread) {
        m_thread.runAndWait([&] { m_ports = std::make_unique<ProgramPorts>(guard); });
        m_services = std::make_unique<ProgramServices>(m_ports->ports(), folder, true, &m_thread);
    }
    ~Program() {
        m_services.reset();
        m_thread.runAndWait([this] { m_ports.reset(); });
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const Ports& ports() const { return m_ports->ports(); }
    const Services& services() const { return m_services->services(); }

private:
    BellThread& m_thread;
    std::unique_ptr<ProgramPorts> m_ports;
    std::unique_ptr<ProgramServices> m_services;
};

// The folder of the executable exactly as the system names it, or nothing when Qt cannot name it
// (its path is not valid in the locale's encoding: a folder copied from a USB stick or a zip).
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

// A message for whoever sits at the display, when there is one.
void showOnDisplay(const QString& text) {
    const QString platform = QGuiApplication::platformName();
    if (platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal")) {
        QMessageBox::critical(nullptr, QStringLiteral("Corvalin"), text);
    }
}

void refuseUnnamedFolder() {
    char raw[4096];
    const ssize_t length = ::readlink("/proc/self/exe", raw, sizeof raw - 1);
    const QString shown =
        length > 0 ? QString::fromLocal8Bit(raw, static_cast<qsizetype>(length)) : QString();
    const QString text =
        QStringLiteral(
            "Corvalin cannot start: the name of its folder cannot be read (%1), so its settings "
            "and bell sounds cannot be found. Move the Corvalin folder to a folder whose name is "
            "valid UTF-8 and start it there.")
            .arg(shown);
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    showOnDisplay(text);
}

// TERM, INT and HUP end the program as its exit command does: the handler only passes the
// signal's number to the window's thread through a pipe. Should that thread not answer (a hung
// display), the process ends five seconds later all the same.
int g_signalPipe[2] = {-1, -1};

void onEndSignal(int number) {
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
    ::alarm(5);
}

std::unique_ptr<QSocketNotifier> catchEndSignals(MainWindow& window) {
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
    QObject::connect(notifier.get(), &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        if (::read(g_signalPipe[0], &byte, 1) == 1) {
            window.endBySignal(QString::fromLocal8Bit(::sigabbrev_np(byte) ? ::sigabbrev_np(byte) : "?"));
        }
    });
    return notifier;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvalin"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QString folder = QCoreApplication::applicationDirPath();
    // Settings and sounds live in the program folder: one that cannot be named must never become
    // "/data" and "/sound" at the root of the disk.
    if (!programFolderNamed(folder)) {
        refuseUnnamedFolder();
        return 2;
    }
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(folder + QStringLiteral("/img/corvalin-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    LocalInstanceGuard guard;
    if (guard.runningCopies() >= 2) {
        if (const QString other = guard.otherUser(); !other.isEmpty()) {
            // One copy rings the bells of the PC, whoever started it.
            const QString text = QStringLiteral(
                                     "Corvalin is already running on this computer, started by the user "
                                     "%1. Only one copy may ring the bells; this one ends.")
                                     .arg(other);
            std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
            showOnDisplay(text);
            return 1;
        }
        guard.signalFirstInstance();  // the first copy shows its window; this one reads nothing
        return 0;
    }
    BellThread bellThread;
    Program program(bellThread, &guard, folder);
    MainWindow window(program.ports(), program.services(), folder);
    bool ended = false;
    window.setQuitHandler([&ended] {
        ended = true;
        QCoreApplication::exit(0);
    });
    const auto endSignals = catchEndSignals(window);
    window.Form_Load();
    if (ended) {
        return 0;  // ended during start-up, before the event loop ran
    }
    return QApplication::exec();
}
