// The alarm signals' panel (ui/mainwindow/alarmpanel.h) in the window: its strip under the warning
// line, its menu under the menu strip's "Alarm", and the tray that shows a signal that sounds.
#include <QLabel>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

#include "app/mainwindow.h"
#include "core/bells/bellsclient.h"
#include "ui/mainwindow/alarmpanel.h"

void MainWindow::buildAlarmControls() {
    alarmPanel = new AlarmPanel(panelServices(), this, trayMenu, trayExitAction, setupMenu);
    if (auto* column = qobject_cast<QVBoxLayout*>(layout())) {
        column->insertWidget(column->indexOf(warningLine) + 1, alarmPanel->strip());
    }
    connect(alarmPanel, &AlarmPanel::alarmShown, this, [this] {
        trayIcon->setToolTip(trayTip());
        showTrayState();
    });
    alarmPanel->showAlarm(m_bells->alarm());
}

void MainWindow::onAlarmClicked() {
    alarmPanel->popUpUnder(alarmEntry);
}
