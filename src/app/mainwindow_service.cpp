// Starting and stopping the bell service, the bell clock's tick, and the next bell; and how the
// window follows the services' signals.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>
#include <QSystemTrayIcon>

#include "app/mainwindow.h"
#include "app/ringlogwindow.h"
#include "app/windowstyle.h"
#include "base/clock.h"
#include "base/ringlog.h"
#include "base/windowtimer.h"
#include "calendar/schoolcalendar.h"
#include "countdown/frmbellcount.h"
#include "countdown/frmfullscreen.h"
#include "schedule/bellservice.h"
#include "schedule/clocktext.h"
#include "schedule/intervalcheck.h"
#include "schedule/settingsstore.h"
#include "shutdown/bookingcheck.h"
#include "shutdown/isautoexitform.h"
#include "shutdown/power.h"
#include "sound/ringer.h"
#include "sound/soundlibrary.h"
#include "timesync/frmsyncerror.h"
#include "timesync/timeserver.h"
#include "timesync/timesync.h"
#include "widgets/dialogs.h"
#include "widgets/imagebutton.h"
#include "widgets/spinner.h"

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void MainWindow::connectServices() {
    BellService* bells = m_services.bells;
    Ringer* ringer = m_services.ringer;
    connect(bells, &BellService::ring, ringer,
            [ringer](const QString& sound) { ringer->RingBell(sound, BellKind::Scheduled); });
    // Stopped while its bells were rung: what was just rung falls silent.
    connect(bells, &BellService::silenceNow, ringer, [ringer] { ringer->silence(); });
    // The coming minute's bell waits ready on its device, so that it starts on the minute itself.
    connect(bells, &BellService::bellAhead, ringer, &Ringer::prepare);
    connect(bells, &BellService::bellAheadDropped, ringer, &Ringer::dropPrepared);
    connect(bells, &BellService::nextBellChanged, this, &MainWindow::showNextBell);
    connect(bells, &BellService::newDay, this, [this] {
        stop1_Click();
        start_Click();
    });
    connect(bells, &BellService::powerOffDue, this, &MainWindow::PowerOffComputer);
    connect(bells, &BellService::syncDue, this, [this] {
        m_timeServer = primaryTimeServer();
        StartTimeSync(m_timeServer);
    });
    TimeSync* timeSync = m_services.timeSync;
    connect(timeSync, &TimeSync::timeServerChanged, this, [this](const QString& host) { m_timeServer = host; });
    // The clock moved: the next bell is worked out again from the new time.
    connect(timeSync, &TimeSync::clockStepped, this, [this] {
        if (m_services.bells->isRunning()) {
            ShowNextBell();
        }
    });
    // One warning window, never modal: showing it again while it is open leaves it as it is.
    connect(timeSync, &TimeSync::syncErrorDue, this, [this] {
        if (!m_syncError) {
            m_syncError = new FrmSyncError(imageFolder(), this);
        }
        m_syncError->show();
        m_syncError->raise();
    });
    connect(m_services.calendar, &SchoolCalendar::changed, this, &MainWindow::calendarChanged);
    connect(m_services.library, &SoundLibrary::changed, this, &MainWindow::showSoundList);
    connect(ringer, &Ringer::devicesChanged, this, &MainWindow::ShowSoundCard);
    connect(m_services.log, &RingLog::problemReported, this, &MainWindow::showProblem);
    RingLog* log = m_services.log;
    m_ports.power->setFailureHandler([log](const QString& reason) { log->problem(reason); });
}

void MainWindow::showProblem(const QDateTime& at, const QString& text) {
    warningLine->setText(at.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) + QStringLiteral("  ") + text);
    warningLine->show();
    if (trayIcon->isVisible()) {
        trayIcon->showMessage(QStringLiteral("Corvalin"), text, QSystemTrayIcon::Warning);
    }
}

// Never a modal box: the PC is often unattended, and the next bell must not wait on a click.
void MainWindow::warningLine_Click() {
    warningLine->hide();
    if (!m_ringLogWindow) {
        m_ringLogWindow = new RingLogWindow(m_services.log->path(), this);
    }
    m_ringLogWindow->reload();
    m_ringLogWindow->show();
    m_ringLogWindow->raise();
}

QString MainWindow::soundFolderMessageName() const { return QDir::toNativeSeparators(soundFolder()); }

void MainWindow::lockForService(bool locked) {
    const bool enabled = !locked;
    for (ImageButton* button : {start, SndCardSet, TimeAdd, TimeDel, allDel, TimeMod, applyTemplet, cmdStartBellSound,
                                cmdEndBellSound, CmdPreBell1, CmdPreBell2}) {
        lockButton(button, locked);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             File1, start_h, start_m, exit_h, exit_m, worktime, resttime, VScroll1, VScroll2, VScroll3, VScroll4,
             VScroll5, VScroll6, input_h, input_m, VScroll7, VScroll8, Option1, Option2, Option3, Option4,
             ChkPreBell1, TxtPreBell1, TxtPreBellName1, ChkPreBell2, TxtPreBell2, TxtPreBellName2,
             VScrollPreBell1, VScrollPreBell2, txtStartBellSound, txtEndBellSound}) {
        control->setEnabled(enabled);
    }
    if (locked) {
        nobell->setEnabled(false);
        VScroll9->setEnabled(false);
        state->setText(QStringLiteral("ON"));
        setBackColor(stateColor, kRunningColor);
    } else {
        VScroll9->setEnabled(Option4->isChecked());
        nobell->setEnabled(!Option3->isChecked());
    }
}

void MainWindow::start_Click() {
    if (isActiveWindow()) {
        clock_list->setFocus();
    }
    if (Option3->isChecked()) {
        reg_day->setText(QStringLiteral("All days"));
    } else {
        const int today = corvalin::clock::dayNumberFromIso(currentTime().date().dayOfWeek());
        reg_day->setText(dayCaption(today));
        VScroll9->setValue(today);
    }

    // The folder as it is now, not as it was when the window last looked.
    m_services.library->refresh();
    if (File1->count() == 0) {
        m_ports.dialogs->warning(this, soundFolderMessageName() + QStringLiteral(" folder must over one sound file"));
        return;
    }
    for (int i = 0; i < File1->count(); ++i) {
        if (!File1->item(i)->text().toLower().contains(QStringLiteral(".wav"))) {
            m_ports.dialogs->warning(
                this, QStringLiteral("Add Only wave file to sound folder. Please, delete non wave file from") +
                          QLatin1Char('\n') + soundFolderMessageName() + QLatin1Char('.'));
            return;
        }
    }
    BellService* bells = m_services.bells;
    bells->markStartAttempt();

    BellService::Plan plan;
    plan.applyWeek = Option3->isChecked();
    plan.noBell = nobell->isChecked();
    if (Option1->isChecked()) {
        if (File1->selectedItems().isEmpty()) {
            m_ports.dialogs->warning(this, QStringLiteral("Please select bell sound"));
            return;
        }
        const corvalin::interval::IntervalTexts texts = intervalTexts();
        const auto checked = corvalin::interval::checkForStart(texts);
        if (checked.startMinute) {
            bells->setIntervalBounds(*checked.startMinute, *checked.endMinute);
        }
        if (checked.message) {
            m_ports.dialogs->warning(this, QString::fromStdString(*checked.message));
            return;
        }
        lockForService(true);
        saveIntervalSettings();

        using corvalin::interval::wholeNumber;
        auto& p = plan.intervalPlan;
        plan.interval = true;
        p.startMinute = *checked.startMinute;
        p.endMinute = *checked.endMinute;
        p.work = static_cast<int>(wholeNumber(texts.work).value_or(1));
        p.rest = static_cast<int>(wholeNumber(texts.rest).value_or(1));
        p.startSound = txtStartBellSound->text().toStdString();
        p.endSound = txtEndBellSound->text().toStdString();
        p.noBell = plan.noBell;
        p.preBell1On = ChkPreBell1->isChecked();
        p.preBell2On = ChkPreBell2->isChecked();
        p.preBell1 = static_cast<int>(wholeNumber(texts.preBell1).value_or(0));
        p.preBell2 = static_cast<int>(wholeNumber(texts.preBell2).value_or(0));
        p.preBell1Sound = TxtPreBellName1->text().toStdString();
        p.preBell2Sound = TxtPreBellName2->text().toStdString();
    } else {
        if (Option3->isChecked() && AddTimeList->count() == 0) {
            m_ports.dialogs->warning(this, QStringLiteral("nothing added time. please add time."));
            return;
        }
        lockForService(true);
        plan.entries = timeListOnScreen().entries;
    }
    bells->start(plan);
    clock_list->addItems(bells->todayBells());
    mnBellCount->setEnabled(true);
    SaveOptions();
}

void MainWindow::stop1_Click() {
    m_services.bells->stop();
    clock_list->clear();
    state->setText(QStringLiteral("OFF"));
    setBackColor(stateColor, kStoppedColor);
    lockForService(false);
    mnBellCount->setEnabled(false);
    m_services.ringer->StopBell();
    nextBell->clear();
    nextBellSound->clear();
}

void MainWindow::ShowNextBell() { m_services.bells->ShowNextBell(); }

void MainWindow::showNextBell(const QString& time, const QString& sound) {
    nextBell->setText(time);
    nextBellSound->setText(sound);
}

void MainWindow::Timer1_Timer() {
    {
        const QTime t = currentTime().time();
        now->setText(text(corvalin::clock::nowText(t.hour(), t.minute(), t.second())));
    }
    {
        const QDate d = currentTime().date();
        now_day->setText(text(corvalin::clock::dayText(d.year(), d.month(), d.day(),
                                                        QLocale::system().dayName(d.dayOfWeek()).toStdString())));
    }
    showCalendarDay();

    if (!m_services.bells->tick()) {
        return;  // a new day restarted the service: the rest of this tick is skipped
    }

    const QTime t = currentTime().time();
    const QString twelveHour = text(corvalin::clock::twelveHourText(t.hour(), t.minute(), t.second()));
    fullScreen()->lblNowTimeShow->setText(twelveHour);
    bellCountWindow()->lblNowTimeShow->setText(twelveHour);
    bellCountWindow()->lblTimeShow->setText(
        text(corvalin::clock::timeLeftText(nextBell->text().toStdString(), t.hour(), t.minute(), t.second())));
}

// --- The booked power-off and internet time ---

void MainWindow::chkAutoExit_Click() {
    auto booking = m_services.bells->powerOffBooking();
    booking.on = chkAutoExit->isChecked();
    m_services.bells->setPowerOffBooking(booking.on, booking.hour, booking.minute);
    m_services.store->saveExitBooking({booking.on, booking.hour, booking.minute});
    if (booking.on && m_loadPhase == 2) {
        m_ports.dialogs->showModal(autoExitWindow());
    }
}

IsAutoExitForm* MainWindow::autoExitWindow() {
    if (!m_autoExit) {
        m_autoExit = new IsAutoExitForm(imageFolder(), this);
        connect(m_autoExit->isAutoExitConfirm, &QPushButton::clicked, this, &MainWindow::isAutoExitConfirm_Click);
    }
    if (!m_autoExit->isLoaded()) {
        const auto& booking = m_services.bells->powerOffBooking();
        m_autoExit->Form_Load(booking.hour, booking.minute);
    }
    return m_autoExit;
}

void MainWindow::isAutoExitConfirm_Click() {
    const auto check = corvalin::shutdown::checkBooking(m_autoExit->input_h->text().trimmed().toStdString(),
                                                        m_autoExit->input_m->text().trimmed().toStdString());
    if (!check.hour) {
        m_ports.dialogs->warning(m_autoExit, QString::fromStdString(check.message));
        return;
    }
    const bool on = chkAutoExit->isChecked();
    m_services.bells->setPowerOffBooking(on, *check.hour, *check.minute);
    m_services.store->saveExitBooking({on, *check.hour, *check.minute});
    m_autoExit->hide();
}

void MainWindow::PowerOffComputer() {
    m_services.log->note(QStringLiteral("the booked power-off time has come: switching the computer off"));
    m_ports.power->powerOff();
}

void MainWindow::StartTimeSync(QString& host) { m_services.timeSync->StartTimeSync(host); }

void MainWindow::chkTimeSync_Click() {
    m_services.bells->setTimeSyncEnabled(chkTimeSync->isChecked());
    if (m_loadPhase == 2 && chkTimeSync->isChecked()) {
        m_ports.dialogs->message(
            this, QString(),
            QStringLiteral("It uses the Internet time server, at real-time it synchronizes a computer time in standard time."),
            Dialogs::Icon::None, Dialogs::Buttons::Ok);
    }
}
