// The bell clock: once a second it shows the time, does the once-a-minute work (booked
// shutdown, day change, the bells that are due), starts time synchronisation and feeds
// the countdown windows.
#include <QCheckBox>
#include <QLabel>
#include <QLocale>

#include "app/imagebutton.h"
#include "app/mainwindow.h"
#include "countdown/frmbellcount.h"
#include "countdown/frmfullscreen.h"
#include "schedule/clock.h"
#include "schedule/clocktext.h"
#include "sound/belloutput.h"

namespace {

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QString primaryTimeServer();

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

    const QTime minuteTime = currentTime().time();
    if (minuteTime.minute() != lastMinute) {
        lastMinute = minuteTime.minute();
        minutePending = 1;
        if (chkAutoExit->isChecked() &&
            reservationHour * 60 + reservationMinute == minuteTime.hour() * 60 + minuteTime.minute()) {
            PowerOffComputer();
        }
        if (serviceRunning == 0) {
            minutePending = 0;
        }
    }

    if (minutePending == 1 && serviceRunning == 1) {
        minutePending = 0;
        const QDateTime t = currentTime();
        if (t.date().day() != lastDay) {
            lastDay = t.date().day();
            stop1_Click();
            start_Click();
            lastMinute = 59;
            return;
        }
        if (bellCount > 0) {
            const int minuteOfDay = t.time().hour() * 60 + t.time().minute();
            for (const int slot : corvalin::clock::dueSlots(bellMinutes, bellCount, minuteOfDay)) {
                RingBell(QString::fromStdString(bellSounds[static_cast<std::size_t>(slot)]), BellKind::Scheduled);
                if (start->isEnabled()) {
                    // The service was stopped meanwhile: silence what was just rung.
                    serviceRunning = 0;
                    m_ports.bell->stop();
                } else {
                    ShowNextBell();
                }
            }
        }
    }

    if (corvalin::clock::isSyncSecond(currentTime().time().second()) && chkTimeSync->isChecked()) {
        timeServer = primaryTimeServer();
        StartTimeSync(timeServer);
    }

    const QTime t = currentTime().time();
    const QString twelveHour = text(corvalin::clock::twelveHourText(t.hour(), t.minute(), t.second()));
    fullScreen()->lblNowTimeShow->setText(twelveHour);
    bellCountWindow()->lblNowTimeShow->setText(twelveHour);
    bellCountWindow()->lblTimeShow->setText(
        text(corvalin::clock::timeLeftText(nextBell->text().toStdString(), t.hour(), t.minute(), t.second())));
}
