// Hiding the window into the tray and bringing it back.
#include "app/mainwindow.h"

void MainWindow::TrayIn() {}

void MainWindow::TrayOut() {
    showNormal();
    raise();
    activateWindow();
}
