// Corvalin: rings a school's or a shop's bells on time, day after day.
#include <QApplication>
#include <QIcon>

#include "app/composition.h"
#include "app/mainwindow.h"
#include "app/services.h"
#include "desktop/instanceguard_local.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvalin"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QString folder = QCoreApplication::applicationDirPath();
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(folder + QStringLiteral("/img/corvalin-%1.png").arg(size), QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    LocalInstanceGuard guard;
    if (guard.runningCopies() >= 2) {
        guard.signalFirstInstance();  // the first copy shows its window; this one reads nothing
        return 0;
    }
    ProgramPorts ports(&guard);
    ProgramServices services(ports.ports(), folder);
    MainWindow window(ports.ports(), services.services(), folder);
    bool ended = false;
    window.setQuitHandler([&ended] {
        ended = true;
        QCoreApplication::exit(0);
    });
    window.Form_Load();
    if (ended) {
        return 0;  // ended during start-up, before the event loop ran
    }
    return QApplication::exec();
}
