// Starting and stopping the bell service, the bell clock's tick, and the next bell; and how the
// window follows the services' signals.
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>
#include <QSystemTrayIcon>
#include <algorithm>

#include "app/mainwindow.h"
#include "core/control/commands.h"
#include "core/schedule/bellscore.h"
#include "app/ringlogwindow.h"
#include "ui/mainwindow/windowstyle.h"
#include "core/ports/clock.h"
#include "core/base/secondtimer.h"
#include "core/calendar/schoolcalendar.h"
#include "ui/countdown/frmbellcount.h"
#include "ui/mainwindow/intervalpanel.h"
#include "ui/mainwindow/servicepanel.h"
#include "ui/mainwindow/timelistpanel.h"
#include "ui/mainwindow/soundspanel.h"
#include "ui/mainwindow/todaypanel.h"
#include "ui/countdown/frmfullscreen.h"
#include "engine/schedule/clocktext.h"
#include "engine/schedule/nextbell.h"
#include "engine/schedule/settingsformat.h"
#include "core/schedule/settingsstore.h"
#include "engine/schedule/startrule.h"
#include "engine/shutdown/bookingcheck.h"
#include "ui/shutdown/isautoexitform.h"
#include "ui/timesync/frmsyncerror.h"
#include "core/timesync/timeserver.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/imagebutton.h"
#include "ui/widgets/spinner.h"

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

void MainWindow::connectServices() {
    // What the bell thread reports; queued to this thread, so that nothing there waits for the window.
    BellsClient* bells = m_bells;
    connect(bells, &BellsClient::nextBellChanged, this, &MainWindow::showSkipNext);
    connect(bells, &BellsClient::started, this, &MainWindow::showRunning);
    connect(bells, &BellsClient::runningChanged, this, [this](bool running) {
        if (!running) {
            showStopped();
        }
    });
    connect(bells, &BellsClient::dayStartedAgain, this, &MainWindow::showToday);
    // One warning window, never modal: showing it again while it is open leaves it as it is.
    connect(bells, &BellsClient::syncErrorDue, this, [this] {
        if (!m_syncError) {
            m_syncError = new FrmSyncError(imageFolder(), this);
        }
        m_syncError->show();
        m_syncError->raise();
    });
    connect(bells, &BellsClient::problemReported, this, &MainWindow::showProblem);
    connect(bells, &BellsClient::problemEnded, this, &MainWindow::endProblem);
    // Problems reported before the window listened (a feed that failed at start) are told again.
    bells->askOpenProblems();
    // A set-up imported or followed: the store and the core have read it, the window shows it.
    connect(m_services.store, &SettingsStore::replaced, this, [this] { showImportedSetup(); });
}

void MainWindow::logNote(const QString& text) {
    m_bells->note(text);
}

void MainWindow::reportProblem(const QString& text) {
    m_bells->problem(text);
}

void MainWindow::showProblem(const QDateTime&, const QString& text, const QString&) {
    showLatestProblem();
    if (trayIcon->isVisible()) {
        trayIcon->showMessage(QStringLiteral("Corvalin"), text, QSystemTrayIcon::Warning);
    }
}

void MainWindow::endProblem(const QDateTime&, const QString&) {
    showLatestProblem();
}

// The newest of the problems the bells' client keeps open, unless the operator has seen it.
void MainWindow::showLatestProblem() {
    const auto& open = m_bells->problems();
    if (open.isEmpty() || open.last().number <= m_problemsSeen) {
        warningLine->clear();
        warningLine->hide();
        return;
    }
    const QString line = open.last().at.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) +
                         QStringLiteral("  ") + open.last().text;
    // At most two lines on the window, however long the problem: the whole of it in the tooltip.
    warningLine->setText(line);
    //: %1 is the problem, as the ring log has it
    warningLine->setToolTip(tr("%1\n\nClick to open the ring log").arg(line));
    warningLine->show();
}

// Never a modal box: the PC is often unattended, and the next bell must not wait on a click.
// The click says the operator has seen every problem on the line: it comes back with the next one
// told (a lasting one told again included).
void MainWindow::onWarningLineClicked() {
    if (!m_bells->problems().isEmpty()) {
        m_problemsSeen = std::max(m_problemsSeen, m_bells->problems().last().number);
    }
    warningLine->hide();
    showRingLog();
}

void MainWindow::onRingLogClicked() {
    showRingLog();
}

void MainWindow::showRingLog() {
    if (!m_ringLogWindow) {
        m_ringLogWindow = new RingLogWindow(m_paths.dataFolder() + QStringLiteral("/ring.log"), this);
    }
    m_ringLogWindow->reload();
    m_ringLogWindow->show();
    m_ringLogWindow->raise();
}

void MainWindow::lockForService(bool locked) {
    // A followed set-up's settings stay locked, whether the service runs or not.
    const bool enabled = !locked && !settingsLocked();
    servicePanel->lock(locked);
    soundsPanel->lock(!enabled);
    intervalPanel->lock(!enabled);
    timeListPanel->lock(!enabled);
    for (QWidget* control : std::initializer_list<QWidget*>{intervalModeButton, manualModeButton, weekModeButton,
                                                             eachDayModeButton, copyDaysButton}) {
        control->setEnabled(enabled);
    }
    if (locked) {
        noRingsBox->setEnabled(false);
        daySelector->setEnabled(false);
    } else {
        daySelector->setEnabled(eachDayModeButton->isChecked());
        noRingsBox->setEnabled(enabled && !weekModeButton->isChecked());
    }
}

// Today on the day selector: the day the service rings. Moving the selector shows the new day's
// controls and enables them as for editing; while the service runs (a day started again by the
// bells' clock) they are locked again once they show the new day.
void MainWindow::showToday() {
    if (weekModeButton->isChecked()) {
        //: The day selector's caption while the same times apply to every day
        dayNameBox->setText(tr("All days"));
    } else {
        const int today = corvalin::clock::dayNumberFromIso(currentTime().date().dayOfWeek());
        dayNameBox->setText(dayCaption(today));
        daySelector->setValue(today);
    }
    if (m_bells->isRunning()) {
        lockForService(true);
    }
}

void MainWindow::onStartClicked() {
    if (isActiveWindow()) {
        todayPanel->list()->setFocus();
    }
    startBells([this](const QString& refusal) {
        if (!refusal.isEmpty()) {
            m_ports.dialogs->warning(this, refusal);
        }
    });
}

// The bells start with what the window shows: the interval settings as typed and the chosen sound
// are stored first, and the core starts the bells from the stored settings by the start rule.
void MainWindow::startBells(std::function<void(const QString&)> answered) {
    showToday();
    if (intervalModeButton->isChecked()) {
        saveIntervalSettings();
    } else {
        saveTimeList();
    }
    saveOptions();
    m_services.core->start(std::move(answered), true);
}

void MainWindow::showRunning(const QStringList& todayBells) {
    showToday();
    lockForService(true);
    todayPanel->showLines(todayBells);
    bellCountEntry->setEnabled(true);
    showSkipNext();
    showTrayState();
}

// What many a test and the countdown ring through the window, kept here for them.
void MainWindow::onRingNowClicked() {
    soundsPanel->onRingNowClicked();
}

void MainWindow::onSetSoundCardClicked() {
    soundsPanel->onSetSoundCardClicked();
}

void MainWindow::onStopClicked() {
    servicePanel->onStopClicked();
}

void MainWindow::showStopped() {
    todayPanel->showLines({});
    servicePanel->showOff();
    lockForService(false);
    bellCountEntry->setEnabled(false);
    servicePanel->clearNextBell();
    showSkipNext();
    showTrayState();
}

void MainWindow::askNextBell() {
    m_bells->askNextBell();
}

// The clock on screen and the full-screen read-outs; the bells have a clock of their own.
void MainWindow::onClockTick() {
    const QDateTime current = currentTime();
    const QTime t = current.time();
    servicePanel->showTime(current);
    todayPanel->greyPastBells();

    const QString twelveHour = text(corvalin::clock::twelveHourText(t.hour(), t.minute(), t.second()));
    fullScreen()->lblNowTimeShow->setText(twelveHour);
    bellCountWindow()->lblNowTimeShow->setText(twelveHour);
    // Nothing while the service is stopped, as for no bell left today.
    const int next = m_bells->isRunning() ? m_bells->nextBellMinute() : -1;
    bellCountWindow()->lblTimeShow->setText(
        text(corvalin::clock::timeLeftText(next, t.hour(), t.minute(), t.second())));
}

// --- The booked power-off and internet time ---

