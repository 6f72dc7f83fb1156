// The set-time modes, the day modes, the day selector and its saves and loads.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>

#include "app/mainwindow.h"
#include "ui/mainwindow/intervalpanel.h"
#include "ui/mainwindow/timelistpanel.h"
#include "core/ports/clock.h"
#include "engine/schedule/clocktext.h"
#include "engine/schedule/dayselector.h"
#include "engine/schedule/intervalcheck.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/imagebutton.h"
#include "ui/widgets/spinner.h"

namespace days = corvalin::days;

QString MainWindow::dayCaption(int day, bool shown) const {
    if (days::isTemplateDay(day)) {
        //: "template %1": the %1st of the stored day lists the day selector offers after Saturday
        return shown ? tr("templet%1").arg(day - days::kFirstTemplateDay + 1)
                     : QString::fromStdString(days::templateCaption(day));
    }
    if (days::isWeekday(day)) {
        // The ring log names the day in English, whatever the language shown.
        return (shown ? QLocale::system() : QLocale::c()).dayName(corvalin::clock::isoFromDayNumber(day));
    }
    return QString();
}

void MainWindow::setSelectorSilently(int value) {
    const QSignalBlocker blocker(daySelector);
    daySelector->setValue(value);
}

void MainWindow::showIntervalPanel() {
    timeListPanel->setShown(false);
    intervalPanel->setShown(true);
}

void MainWindow::showManualPanel() {
    intervalPanel->setShown(false);
    timeListPanel->setShown(true);
}

void MainWindow::onIntervalModeChosen() {
    noRingsBox->setEnabled(!weekModeButton->isChecked());
    daySelector->setValue(days::dayForIntervalMode(daySelector->value()));
    saveOptions();
    if (weekModeButton->isChecked()) {
        intervalPanel->clearBellSounds();
        loadWeekInterval();
    } else {
        loadDayInterval();
    }
    showIntervalPanel();
}

void MainWindow::onManualModeChosen() {
    noRingsBox->setEnabled(!weekModeButton->isChecked());
    saveOptions();
    if (weekModeButton->isChecked()) {
        intervalPanel->clearBellSounds();
        timeListPanel->clear();
        loadWeekTimes();
    } else {
        timeListPanel->clear();
        loadDayTimes();
    }
    showManualPanel();
}

void MainWindow::onWeekModeChosen() {
    noRingsBox->setChecked(false);
    noRingsBox->setEnabled(false);
    daySelector->setEnabled(false);
    copyDaysButton->hide();
    if (m_loadPhase == 2) {
        saveOptions();
    } else {
        m_loadPhase = 2;
    }
    //: The day selector's caption while the same times apply to every day
    dayNameBox->setText(tr("All days"));
    if (intervalModeButton->isChecked()) {
        intervalPanel->clearBellSounds();
        loadWeekInterval();
    } else {
        timeListPanel->clear();
        loadWeekTimes();
    }
    if (manualModeButton->isChecked()) {
        timeListPanel->showTempletButton();
    }
}

void MainWindow::onEachDayModeChosen() {
    noRingsBox->setEnabled(true);
    daySelector->setEnabled(true);
    copyDaysButton->show();
    const int today = corvalin::clock::dayNumberFromIso(currentTime().date().dayOfWeek());
    dayNameBox->setText(dayCaption(today));
    shownDayBox->setText(QString::number(today));
    daySelector->setValue(today);  // shownDayBox already names today: nothing is stored into today's file
    if (m_loadPhase == 2) {
        saveOptions();
        m_ports.dialogs->message(this, tr("Help"),
                                 //: "Click the arrows on the right of [Select day] to set each day's bell times."
                                 tr("Click arrow in right [Select day], Seting each day bell time."),
                                 Dialogs::Icon::Information, Dialogs::Buttons::Ok);
    } else {
        m_loadPhase = 2;
    }
    if (intervalModeButton->isChecked()) {
        intervalPanel->clearBellSounds();
        loadDayInterval();
    } else {
        timeListPanel->clear();
        loadDayTimes();
    }
    if (manualModeButton->isChecked()) {
        timeListPanel->showTempletButton();
    }
}

void MainWindow::onDayChanged() {
    const int value = daySelector->value();
    const bool interval = intervalModeButton->isChecked();
    const bool passed = !interval || intervalPanel->timesPass();
    bool known = false;
    const int previous = shownDayBox->text().toInt(&known);
    const auto move = days::moveSelector(interval, value, known ? previous : 0, passed);
    if (move.value != value) {
        setSelectorSilently(move.value);
    }
    if (move.refused) {
        return;  // the settings on screen stay on the previous day
    }
    if (move.savePrevious) {
        if (interval) {
            saveDayInterval(2);
        } else {
            saveDayTimes(2);
        }
    }
    const int day = move.shownDay;
    dayNameBox->setText(dayCaption(day));
    if (!interval) {
        noRingsBox->setEnabled(days::noRingsAvailable(day));
    }
    shownDayBox->setText(QString::number(day));
    if (interval) {
        if (weekModeButton->isChecked()) {
            loadWeekInterval();
        } else {
            loadDayInterval();
        }
    } else if (weekModeButton->isChecked()) {
        timeListPanel->clear();
        loadWeekTimes();
    } else {
        loadDayTimes();
    }
}

// "No rings" is stored with the day it belongs to as soon as the user changes it; in "Auto
// interval" only when the day's settings pass the checks the day selector applies.
void MainWindow::onNoRingsClicked() {
    if (!eachDayModeButton->isChecked()) {
        return;
    }
    if (intervalModeButton->isChecked()) {
        const auto result = corvalin::interval::checkTimes(intervalPanel->texts());
        if (result.message) {
            m_ports.dialogs->warning(this, QString::fromStdString(*result.message));
            return;
        }
        saveDayInterval(2);  // shownDayBox names the day whose settings are on screen
    } else {
        saveDayTimes(2);
    }
}
