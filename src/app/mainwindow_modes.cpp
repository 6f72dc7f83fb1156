// The set-time modes, the day modes, the day selector and its saves and loads.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>

#include "app/mainwindow.h"
#include "core/ports/clock.h"
#include "engine/schedule/clocktext.h"
#include "engine/schedule/dayselector.h"
#include "engine/schedule/intervalcheck.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/imagebutton.h"
#include "ui/widgets/spinner.h"

namespace days = corvalin::days;

namespace {

const QString kAllDays = QStringLiteral("All days");

}  // namespace

corvalin::interval::IntervalTexts MainWindow::intervalTexts() const {
    corvalin::interval::IntervalTexts texts;
    texts.startHour = start_h->text().toStdString();
    texts.startMinute = start_m->text().toStdString();
    texts.exitHour = exit_h->text().toStdString();
    texts.exitMinute = exit_m->text().toStdString();
    texts.work = worktime->text().toStdString();
    texts.rest = resttime->text().toStdString();
    texts.preBell1On = ChkPreBell1->isChecked();
    texts.preBell2On = ChkPreBell2->isChecked();
    texts.preBell1 = TxtPreBell1->text().toStdString();
    texts.preBell2 = TxtPreBell2->text().toStdString();
    return texts;
}

QString MainWindow::dayCaption(int day) const {
    if (days::isTemplateDay(day)) {
        return QString::fromStdString(days::templateCaption(day));
    }
    if (days::isWeekday(day)) {
        return QLocale::system().dayName(corvalin::clock::isoFromDayNumber(day));
    }
    return QString();
}

void MainWindow::setSelectorSilently(int value) {
    const QSignalBlocker blocker(VScroll9);
    VScroll9->setValue(value);
}

void MainWindow::ShowIntervalPanel() {
    for (QWidget* w : std::initializer_list<QWidget*>{inputFrame, addedFrame, applyTemplet}) {
        w->hide();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{startEndFrame, intervalFrame, bellSoundFrame, preBellFrame}) {
        w->show();
    }
}

void MainWindow::ShowManualPanel() {
    for (QWidget* w : std::initializer_list<QWidget*>{startEndFrame, intervalFrame, bellSoundFrame, preBellFrame}) {
        w->hide();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{inputFrame, addedFrame, applyTemplet}) {
        w->show();
    }
}

void MainWindow::Option1_Click() {
    nobell->setEnabled(!Option3->isChecked());
    VScroll9->setValue(days::dayForIntervalMode(VScroll9->value()));
    SaveOptions();
    if (Option3->isChecked()) {
        txtStartBellSound->clear();
        txtEndBellSound->clear();
        LoadWeekInterval();
    } else {
        LoadDayInterval();
    }
    ShowIntervalPanel();
}

void MainWindow::Option2_Click() {
    nobell->setEnabled(!Option3->isChecked());
    SaveOptions();
    if (Option3->isChecked()) {
        txtStartBellSound->clear();
        txtEndBellSound->clear();
        AddTimeList->clear();
        LoadWeekTimes();
    } else {
        AddTimeList->clear();
        LoadDayTimes();
    }
    ShowManualPanel();
}

void MainWindow::Option3_Click() {
    nobell->setChecked(false);
    nobell->setEnabled(false);
    VScroll9->setEnabled(false);
    copyDays->hide();
    if (m_loadPhase == 2) {
        SaveOptions();
    } else {
        m_loadPhase = 2;
    }
    reg_day->setText(kAllDays);
    if (Option1->isChecked()) {
        txtStartBellSound->clear();
        txtEndBellSound->clear();
        LoadWeekInterval();
    } else {
        AddTimeList->clear();
        LoadWeekTimes();
    }
    if (Option2->isChecked()) {
        applyTemplet->show();
    }
}

void MainWindow::Option4_Click() {
    nobell->setEnabled(true);
    VScroll9->setEnabled(true);
    copyDays->show();
    const int today = corvalin::clock::dayNumberFromIso(currentTime().date().dayOfWeek());
    reg_day->setText(dayCaption(today));
    pre_day->setText(QString::number(today));
    VScroll9->setValue(today);  // pre_day already names today: nothing is stored into today's file
    if (m_loadPhase == 2) {
        SaveOptions();
        m_ports.dialogs->message(this, QStringLiteral("Help"),
                                 QStringLiteral("Click arrow in right [Select day], Seting each day bell time."),
                                 Dialogs::Icon::Information, Dialogs::Buttons::Ok);
    } else {
        m_loadPhase = 2;
    }
    if (Option1->isChecked()) {
        txtStartBellSound->clear();
        txtEndBellSound->clear();
        LoadDayInterval();
    } else {
        AddTimeList->clear();
        LoadDayTimes();
    }
    if (Option2->isChecked()) {
        applyTemplet->show();
    }
}

bool MainWindow::intervalTimesPass() {
    const auto result = corvalin::interval::checkTimes(intervalTexts());
    if (result.message) {
        m_ports.dialogs->warning(this, QString::fromStdString(*result.message));
        return false;
    }
    return true;
}

void MainWindow::VScroll9_Change() {
    const int value = VScroll9->value();
    const bool interval = Option1->isChecked();
    const bool passed = !interval || intervalTimesPass();
    bool known = false;
    const int previous = pre_day->text().toInt(&known);
    const auto move = days::moveSelector(interval, value, known ? previous : 0, passed);
    if (move.value != value) {
        setSelectorSilently(move.value);
    }
    if (move.refused) {
        return;  // the settings on screen stay on the previous day
    }
    if (move.savePrevious) {
        if (interval) {
            SaveDayInterval(2);
        } else {
            SaveDayTimes(2);
        }
    }
    const int day = move.shownDay;
    reg_day->setText(dayCaption(day));
    if (!interval) {
        nobell->setEnabled(days::noRingsAvailable(day));
    }
    pre_day->setText(QString::number(day));
    if (interval) {
        if (Option3->isChecked()) {
            LoadWeekInterval();
        } else {
            LoadDayInterval();
        }
    } else if (Option3->isChecked()) {
        AddTimeList->clear();
        LoadWeekTimes();
    } else {
        LoadDayTimes();
    }
}

// "No rings" is stored with the day it belongs to as soon as the user changes it; in "Auto
// interval" only when the day's settings pass the checks the day selector applies.
void MainWindow::nobell_Click() {
    if (!Option4->isChecked()) {
        return;
    }
    if (Option1->isChecked()) {
        const auto result = corvalin::interval::checkTimes(intervalTexts());
        if (result.message) {
            m_ports.dialogs->warning(this, QString::fromStdString(*result.message));
            return;
        }
        SaveDayInterval(2);  // pre_day names the day whose settings are on screen
    } else {
        SaveDayTimes(2);
    }
}
