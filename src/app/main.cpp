// Corvalin: rings a school's or a shop's bells on time, day after day.
#include <QApplication>

#include "app/composition.h"
#include "app/mainwindow.h"
#include "app/services.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvalin"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QString folder = QCoreApplication::applicationDirPath();
    ProgramPorts ports;
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
