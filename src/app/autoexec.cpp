// "Auto execution": start at logon, and whether the program then shows a window or a tray icon.
#include <QCheckBox>
#include <QCoreApplication>

#include "app/automodeform.h"
#include "app/mainwindow.h"
#include "desktop/logonstart.h"
#include "widgets/dialogs.h"

void MainWindow::auto_exe_Click() {
    if (m_loadPhase == 2 && auto_exe->isChecked()) {
        m_ports.dialogs->showModal(isAutoModeForm);
    }
    SaveOptions();
    if (auto_exe->isChecked()) {
        m_ports.logonStart->enable(QCoreApplication::applicationFilePath());
    } else {
        m_ports.logonStart->disable();
    }
}
