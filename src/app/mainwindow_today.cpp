// Today's changes beside the panel of "Today Bells" (ui/mainwindow/todaypanel.h): the tray's "Skip
// next bell" and the note beside the date of a change of the whole day.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSystemTrayIcon>

#include "app/mainwindow.h"
#include "core/control/commands.h"
#include "ui/mainwindow/todaypanel.h"
#include "core/bells/bellsclient.h"
#include "engine/schedule/todaychanges.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/imagebutton.h"

namespace today = corvalin::today;

namespace {

// The next bell as the bells last told it while they run, as "10:50"; empty for none ("NEXT DAY").
QString shortTime(const BellsClient& bells) {
    const int minute = bells.nextBellMinute();
    return bells.isRunning() && minute >= 0 ? QString::fromStdString(today::minuteText(minute)) : QString();
}

}  // namespace

void MainWindow::buildTodayControls() {
    skipNextAction = new QAction(this);
    skipNextAction->setObjectName(QStringLiteral("skipNextAction"));
    skipNextAction->setVisible(false);
    trayMenu->insertAction(trayExitAction, skipNextAction);
    connect(skipNextAction, &QAction::triggered, this, [this] {
        m_services.commands->run(QStringLiteral("SkipNext"), {}, CommandRunner::byTray(),
                                 [this](const QString& refusal) { todayPanel->answerToday(refusal); });
    });
    showTrayState();
}

void MainWindow::showSkipNext() {
    const QString at = shortTime(*m_bells);
    //: %1 is the next bell's time, as 10:50
    skipNextAction->setText(tr("Skip next bell (%1)").arg(at));
    skipNextAction->setVisible(m_bells->isRunning() && !at.isEmpty());
}

QMenu* MainWindow::todayMenu(QListWidgetItem* item) {
    return todayPanel->todayMenu(item);
}
