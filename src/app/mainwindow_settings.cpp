// The five loaders and five savers: they copy the settings between the controls and the
// settings store's values. A missing file or line gives the control its default.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScopedValueRollback>

#include "app/automodeform.h"
#include "app/mainwindow.h"
#include "ui/mainwindow/intervalpanel.h"
#include "ui/mainwindow/optionspanel.h"
#include "ui/mainwindow/soundspanel.h"
#include "ui/mainwindow/timelistpanel.h"
#include "core/schedule/settingsstore.h"
#include "ui/widgets/imagebutton.h"
#include "ui/widgets/spinner.h"

namespace fmt = corvalin::settings;

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
    list.entries = timeListPanel->entries();
    return list;
}

void MainWindow::showTimeList(const fmt::TimeList& list, bool dayFile) {
    timeListPanel->showEntries(list.entries);
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
    timeListPanel->clear();
    showTimeList(m_services.store->loadDayTimes(daySelector->value()), true);
}

void MainWindow::saveWeekTimes() {
    m_services.store->saveWeekTimes(timeListOnScreen());
}

void MainWindow::saveDayTimes(int which) {
    m_services.store->saveDayTimes(dayForSave(which), timeListOnScreen());
}

void MainWindow::saveTimeList() {
    if (weekModeButton->isChecked()) {
        saveWeekTimes();
    } else {
        saveDayTimes(1);
    }
}

void MainWindow::onTempletApplied(bool noBell) {
    if (weekModeButton->isChecked()) {
        saveWeekTimes();
    } else {
        noRingsBox->setChecked(noBell);
        saveDayTimes(1);
    }
}

// --- Interval settings ---

void MainWindow::saveIntervalSettings() {
    if (weekModeButton->isChecked()) {
        saveWeekInterval();
    } else {
        saveDayInterval(1);
    }
}

fmt::IntervalSettings MainWindow::intervalOnScreen() const {
    fmt::IntervalSettings s = intervalPanel->settings();
    s.noBell = noRingsBox->isChecked();
    return s;
}

void MainWindow::showInterval(const fmt::IntervalSettings& s, bool dayFile) {
    // "No rings" is set last, once every other value is shown.
    intervalPanel->showSettings(s, dayFile);
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
