// The booked power-off: its check box and file, and the power-off request.
#include <QCheckBox>

#include "app/mainwindow.h"
#include "schedule/settingsformat.h"
#include "shutdown/power.h"

void MainWindow::chkAutoExit_Click() {
    namespace fmt = corvalin::settings;
    auto number = [](int value) { return QString::fromStdString(fmt::numberLine(value)); };
    m_store.write(QString::fromLatin1(fmt::kExitFile),
                  {number(chkAutoExit->isChecked() ? 1 : 0), number(reservationHour), number(reservationMinute)});
}

void MainWindow::PowerOffComputer() { m_ports.power->powerOff(); }
