// "Auto execution": start at logon, and whether the program then shows a window or a tray icon.
#include <QCheckBox>
#include <QCoreApplication>

#include "app/automodeform.h"
#include "app/mainwindow.h"
#include "core/ports/logonstart.h"
#include "ui/widgets/dialogs.h"

void MainWindow::onAutoStartToggled() {
    if (m_loadPhase == 2 && autoStartBox->isChecked()) {
        m_ports.dialogs->showModal(autoModeForm);
    }
    saveOptions();
    if (autoStartBox->isChecked()) {
        enableAutoRun();
    } else {
        disableAutoRun();
    }
}

// The logon entry names the executable of this program folder, so a program started with the
// option on follows its folder when it is moved.
void MainWindow::enableAutoRun() {
    if (!m_ports.logonStart->enable(QCoreApplication::applicationFilePath())) {
        reportProblem(
            QStringLiteral("the start at logon could not be written; Corvalin will not start "
                           "by itself when a user logs on"));
    } else if (const QString why = m_ports.logonStart->userOnlyReason(); !why.isEmpty()) {
        reportProblem(
            QStringLiteral("Corvalin starts at logon for this user only, not for every user: %1").arg(why));
    }
}

void MainWindow::disableAutoRun() {
    if (!m_ports.logonStart->disable()) {
        reportProblem(
            QStringLiteral("the start at logon could not be removed; Corvalin may still start "
                           "by itself when a user logs on"));
    }
}
