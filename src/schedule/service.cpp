// Starting and stopping the bell service and showing the next bell.
#include "app/mainwindow.h"

void MainWindow::start_Click() {}

void MainWindow::stop1_Click() {}

void MainWindow::ShowNextBell() {}
