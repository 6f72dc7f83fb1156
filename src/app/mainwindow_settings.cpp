// The five loaders and five savers: they copy the settings between the controls and the
// settings store's values. A missing file or line gives the control its default.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScopedValueRollback>

#include "app/automodeform.h"
#include "app/mainwindow.h"
#include "ui/mainwindow/optionspanel.h"
#include "ui/mainwindow/soundspanel.h"
#include "core/schedule/settingsstore.h"
#include "ui/widgets/imagebutton.h"
#include "ui/widgets/spinner.h"

namespace fmt = corvalin::settings;
using fmt::IntervalField;

// --- Options ---

void MainWindow::loadOptions() {
    // The reactions of the values applied below would store the options while only part of
    // them is on screen; start-up stores them once, when all are.
    const QScopedValueRollback applying(m_applyingOptions, true);
    const fmt::Options stored = m_services.store->loadOptions();
    soundsPanel->chooseStored(stored.soundIndex);
    // Applied as if the user made each change: the reactions run, the mode options load the
    // matching time list or interval settings.
    optionsPanel->showOptions(stored);
    (fmt::selectsFirstChoice(stored.autoMode) ? autoModeForm->windowModeButton : autoModeForm->trayModeButton)
        ->setChecked(true);
    (fmt::selectsFirstChoice(stored.dayMode) ? weekModeButton : eachDayModeButton)->setChecked(true);
    (fmt::selectsFirstChoice(stored.setTimeMode) ? intervalModeButton : manualModeButton)->setChecked(true);

    if (stored.bellRepeat != 1) {
        soundsPanel->showStopBell(false);
    }
}

fmt::Options MainWindow::optionsOnScreen() const {
    fmt::Options o;
    optionsPanel->fillOptions(o);
    o.soundIndex = soundsPanel->chosenIndex();
    o.setTimeMode = manualModeButton->isChecked() ? 2 : 1;
    o.dayMode = eachDayModeButton->isChecked() ? 2 : 1;
    o.autoMode = autoModeForm->windowModeButton->isChecked() ? 1 : 2;
    return o;
}

void MainWindow::saveOptions() {
    if (!m_applyingOptions) {
        m_services.store->saveOptions(optionsOnScreen());
    }
}

// --- Time lists ---

fmt::TimeList MainWindow::timeListOnScreen() const {
    fmt::TimeList list;
    list.noBell = noRingsBox->isChecked();
    for (int i = 0; i < bellTimeList->count(); ++i) {
        list.entries.push_back(bellTimeList->item(i)->text().toStdString());
    }
    return list;
}

void MainWindow::showTimeList(const fmt::TimeList& list, bool dayFile) {
    for (const auto& entry : list.entries) {
        bellTimeList->addItem(QString::fromStdString(entry));
    }
    if (dayFile) {
        noRingsBox->setChecked(list.noBell);
    }
}

int MainWindow::dayForSave(int which) const {
    if (which == 1) {
        return daySelector->value();
    }
    bool ok = false;
    const int day = shownDayBox->text().trimmed().toInt(&ok);
    return ok ? day : 0;
}

void MainWindow::loadWeekTimes() {
    showTimeList(m_services.store->loadWeekTimes(), false);
}

void MainWindow::loadDayTimes() {
    bellTimeList->clear();
    showTimeList(m_services.store->loadDayTimes(daySelector->value()), true);
}

void MainWindow::saveWeekTimes() {
    m_services.store->saveWeekTimes(timeListOnScreen());
}

void MainWindow::saveDayTimes(int which) {
    m_services.store->saveDayTimes(dayForSave(which), timeListOnScreen());
}

// --- Interval settings ---

QWidget* MainWindow::intervalControl(IntervalField field) const {
    switch (field) {
        case IntervalField::StartHour:
            return startHourBox;
        case IntervalField::StartMinute:
            return startMinuteBox;
        case IntervalField::ExitHour:
            return endHourBox;
        case IntervalField::ExitMinute:
            return endMinuteBox;
        case IntervalField::WorkTime:
            return workMinutesBox;
        case IntervalField::RestTime:
            return restMinutesBox;
        case IntervalField::NoBell:
            return noRingsBox;
        case IntervalField::StartBellSound:
            return startBellSoundBox;
        case IntervalField::EndBellSound:
            return endBellSoundBox;
        case IntervalField::PreBell1On:
            return preBell1Box;
        case IntervalField::PreBell1Minutes:
            return preBell1MinutesBox;
        case IntervalField::PreBell1Sound:
            return preBell1SoundBox;
        case IntervalField::PreBell2On:
            return preBell2Box;
        case IntervalField::PreBell2Minutes:
            return preBell2MinutesBox;
        case IntervalField::PreBell2Sound:
            return preBell2SoundBox;
    }
    return nullptr;
}

fmt::IntervalSettings MainWindow::intervalOnScreen() const {
    fmt::IntervalSettings s;
    for (const IntervalField field : fmt::intervalLayout(true)) {
        if (fmt::isNumberField(field)) {
            s.flag(field) = static_cast<QCheckBox*>(intervalControl(field))->isChecked();
        } else {
            s.text(field) = static_cast<QLineEdit*>(intervalControl(field))->text().toStdString();
        }
    }
    return s;
}

void MainWindow::showInterval(const fmt::IntervalSettings& s, bool dayFile) {
    // In file order; "No rings" is set last, once every other value is shown.
    for (const IntervalField field : fmt::intervalLayout(dayFile)) {
        if (!fmt::isNumberField(field)) {
            static_cast<QLineEdit*>(intervalControl(field))->setText(QString::fromStdString(s.text(field)));
        } else if (field != IntervalField::NoBell) {
            static_cast<QCheckBox*>(intervalControl(field))->setChecked(s.flag(field));
        }
    }
    if (dayFile) {
        noRingsBox->setChecked(s.noBell);
    }
}

void MainWindow::loadWeekInterval() {
    showInterval(m_services.store->loadWeekInterval(), false);
}

void MainWindow::loadDayInterval() {
    showInterval(m_services.store->loadDayInterval(daySelector->value()), true);
}

void MainWindow::saveWeekInterval() {
    m_services.store->saveWeekInterval(intervalOnScreen());
}

void MainWindow::saveDayInterval(int which) {
    m_services.store->saveDayInterval(dayForSave(which), intervalOnScreen());
}
