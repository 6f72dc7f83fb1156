// The service strip, the clock and the next bell.
#include "ui/mainwindow/servicepanel.h"

#include <QBoxLayout>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "core/bells/bellsclient.h"
#include "core/calendar/schoolcalendar.h"
#include "core/control/commands.h"
#include "core/ports/clock.h"
#include "core/schedule/settingsstore.h"
#include "engine/schedule/clocktext.h"
#include "engine/schedule/ringtable.h"
#include "engine/schedule/todaychanges.h"
#include "ui/mainwindow/windowstyle.h"
#include "ui/widgets/imagebutton.h"

namespace today = corvalin::today;

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

ServicePanel::ServicePanel(const PanelServices& services, QWidget* window)
    : QObject(window), m_services(services), m_window(window) {
    buildStateStrip();
    buildClock();
    nextBellFrame = new QGroupBox(tr("Next bell"), window);
    nextBell = named(new QLabel(nextBellFrame), "nextBell");
    nextBell->setStyleSheet(QStringLiteral("font-size: 13pt; font-weight: bold;"));
    (new QVBoxLayout(nextBellFrame))->addWidget(nextBell);
    nextSoundFrame = new QGroupBox(tr("Next sound"), window);
    nextBellSound = named(new QLabel(nextSoundFrame), "nextBellSound");
    (new QVBoxLayout(nextSoundFrame))->addWidget(nextBellSound);

    connect(startButton, &QPushButton::clicked, this, &ServicePanel::startClicked);
    connect(stopButton, &QPushButton::clicked, this, &ServicePanel::onStopClicked);
    connect(m_services.bells, &BellsClient::nextBellChanged, this, &ServicePanel::showNextBell);
    connect(m_services.calendar, &SchoolCalendar::changed, this, &ServicePanel::showCalendarDay);
    connect(m_services.bells, &BellsClient::todayChangesTold, this, &ServicePanel::showTodayNote);
    showTodayNote(m_services.bells->todayChanges());
}

QGroupBox* ServicePanel::buildStateStrip() {
    stateFrame = named(new QGroupBox(tr("Now state"), m_window), "stateFrame");
    stateColor = named(new QLabel(stateFrame), "stateColor");
    stateColor->setMinimumSize(120, 44);
    stateText = named(new QLabel(stateColor), "stateText");
    stateText->setAlignment(Qt::AlignCenter);
    stateText->setStyleSheet(QStringLiteral("font-size: 18pt; font-weight: bold; background: transparent;"));
    auto* colorLayout = new QVBoxLayout(stateColor);
    colorLayout->addWidget(stateText);
    //: Starts the bell service
    startButton = imageButton("startButton", tr("Start"), m_services.imageFolder, QStringLiteral("start.gif"),
                              QStringLiteral("start1.gif"), QStringLiteral("start2.gif"), m_window);
    startButton->setAccessibleDescription(tr("Starts the bells with the settings shown"));
    //: Stops the bell service
    stopButton = imageButton("stopButton", tr("Stop"), m_services.imageFolder, QStringLiteral("stop.gif"),
                             QStringLiteral("stop1.gif"), QString(), m_window);
    stopButton->setAccessibleDescription(tr("Stops the bells"));
    stateColor->setAccessibleName(tr("Now state"));
    auto* stateLayout = new QGridLayout(stateFrame);
    stateLayout->addWidget(stateColor, 0, 0, 1, 2);
    stateLayout->addWidget(startButton, 1, 0);
    stateLayout->addWidget(stopButton, 1, 1);
    return stateFrame;
}

QWidget* ServicePanel::buildClock() {
    clockBox = new QWidget(m_window);
    clockText = named(new QLabel(clockBox), "clockText");
    dateText = named(new QLabel(clockBox), "dateText");
    calendarDay = named(new QLabel(clockBox), "calendarDay");
    calendarDay->setStyleSheet(QStringLiteral("#calendarDay { color: #8a1c12; font-weight: bold; }"));
    calendarDay->setWordWrap(true);
    calendarDay->hide();
    todayNote = named(new QLabel(clockBox), "todayNote");
    todayNote->setStyleSheet(QStringLiteral("#todayNote { color: #8a1c12; font-weight: bold; }"));
    todayNote->hide();
    offsetText = named(new QLabel(clockBox), "offsetText");
    offsetText->hide();
    auto* clockLayout = new QGridLayout(clockBox);
    clockLayout->setContentsMargins(0, 0, 0, 0);
    clockLayout->addWidget(new QLabel(tr("Now time :"), clockBox), 0, 0);
    clockLayout->addWidget(clockText, 0, 1);
    clockLayout->addWidget(new QLabel(tr("Today :"), clockBox), 1, 0);
    clockLayout->addWidget(dateText, 1, 1);
    clockLayout->addWidget(calendarDay, 2, 1);
    clockLayout->addWidget(todayNote, 3, 1);
    clockLayout->setColumnStretch(1, 1);
    clockLayout->addWidget(offsetText, 0, 2);
    return clockBox;
}

void ServicePanel::placeIn(QBoxLayout* column) {
    column->addWidget(stateFrame);
    column->addWidget(clockBox);
    auto* nextRow = new QHBoxLayout;
    nextRow->addWidget(nextBellFrame);
    nextRow->addWidget(nextSoundFrame);
    column->addLayout(nextRow);
}

void ServicePanel::showOff() {
    //: The bell service's state: stopped
    stateText->setText(tr("OFF"));
    setBackColor(stateColor, kStoppedColor);
}

void ServicePanel::lock(bool running) {
    lockButton(startButton, running);
    if (running) {
        //: The bell service's state: running
        stateText->setText(tr("ON"));
        setBackColor(stateColor, kRunningColor);
    }
}

void ServicePanel::clearNextBell() {
    nextBell->clear();
    nextBellSound->clear();
}

void ServicePanel::showNextBell(int minuteOfDay, const QString& sound) {
    //: No bell is left today: the next one rings on another day
    nextBell->setText(minuteOfDay < 0 ? tr("NEXT DAY")
                                      //: The next bell's time: hours and minutes, e.g. "10hr 50min"
                                      : tr("%1hr %2min")
                                            .arg(minuteOfDay / 60, 2, 10, QLatin1Char('0'))
                                            .arg(minuteOfDay % 60, 2, 10, QLatin1Char('0')));
    nextBellSound->setText(sound);
}

void ServicePanel::showTime(const QDateTime& now) {
    const QTime t = now.time();
    const QDate d = now.date();
    clockText->setText(text(corvalin::clock::nowText(t.hour(), t.minute(), t.second())));
    dateText->setText(text(corvalin::clock::dayText(d.year(), d.month(), d.day(),
                                                    QLocale::system().dayName(d.dayOfWeek()).toStdString())));
    showCalendarDay();
}

void ServicePanel::showCalendarDay() {
    const auto exception = m_services.calendar->exceptionOn(m_services.clock->now().date());
    if (!exception) {
        calendarDay->hide();
        calendarDay->clear();
        return;
    }
    calendarDay->setText(QString::fromStdString(corvalin::calendar::summaryText(*exception)));
    calendarDay->show();
}

void ServicePanel::showTodayNote(const QStringList& changes) {
    QString note;
    today::Change whole;
    whole.kind = today::Kind::NoBells;
    if (changes.contains(QString::fromStdString(today::describe(whole)))) {
        note = tr("No bells today");
    }
    whole.kind = today::Kind::Templet;
    for (int k = 1; k <= corvalin::calendar::kLastTemplate; ++k) {
        whole.templet = k;
        if (changes.contains(QString::fromStdString(today::describe(whole)))) {
            //: "Templet": template (a saved list of bell times)
            note = tr("Templet %1 rings today").arg(k);
        }
    }
    todayNote->setText(note);
    todayNote->setVisible(!note.isEmpty());
}

void ServicePanel::showBellOffset() {
    const int seconds = m_services.store->loadBellOffset();
    //: The bells' offset from this clock: %1 the sign, %2 the seconds; "s": seconds
    offsetText->setText(tr("(bells %1%2 s)").arg(seconds > 0 ? QStringLiteral("+") : QString()).arg(seconds));
    offsetText->setToolTip(seconds < 0 ? tr("Every bell rings %1 s before this clock").arg(-seconds)
                                       : tr("Every bell rings %1 s after this clock").arg(seconds));
    offsetText->setVisible(seconds != 0);
}

void ServicePanel::onStopClicked() {
    m_services.commands->run(QStringLiteral("Stop"), {}, CommandRunner::byWindow());
}
