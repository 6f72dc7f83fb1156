// The five loaders and five savers: they copy the settings between the controls and the
// settings store's values. A missing file or line gives the control its default.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScopedValueRollback>

#include "app/automodeform.h"
#include "app/mainwindow.h"
#include "core/schedule/settingsstore.h"
#include "ui/widgets/imagebutton.h"
#include "ui/widgets/spinner.h"

namespace fmt = corvalin::settings;
using fmt::IntervalField;

// --- Options ---

void MainWindow::LoadOptions() {
    // The reactions of the values applied below would store the options while only part of
    // them is on screen; start-up stores them once, when all are.
    const QScopedValueRollback applying(m_applyingOptions, true);
    const fmt::Options stored = m_services.store->loadOptions();
    if (fmt::appliesSoundIndex(File1->count(), stored.soundIndex)) {
        if (stored.soundIndex < 0) {
            File1->clearSelection();
            File1->setCurrentRow(-1);
        } else {
            File1->setCurrentRow(stored.soundIndex);
        }
    }
    // Applied as if the user made each change: the reactions run, the mode options load the
    // matching time list or interval settings.
    auto_exe->setChecked(stored.autoExe == 1);
    sound_zero->setChecked(stored.soundZero == 1);
    bellRepeat->setChecked(stored.bellRepeat == 1);
    chkTimeSync->setChecked(stored.timeSync == 1);
    (fmt::selectsFirstChoice(stored.autoMode) ? isAutoModeForm->isAutoMode1 : isAutoModeForm->isAutoMode2)
        ->setChecked(true);
    (fmt::selectsFirstChoice(stored.dayMode) ? Option3 : Option4)->setChecked(true);
    (fmt::selectsFirstChoice(stored.setTimeMode) ? Option1 : Option2)->setChecked(true);

    if (!bellRepeat->isChecked()) {
        bellStop->hide();
    }
}

fmt::Options MainWindow::optionsOnScreen() const {
    fmt::Options o;
    o.autoExe = auto_exe->isChecked() ? 1 : 0;
    o.soundIndex = File1->selectedItems().isEmpty() ? -1 : File1->currentRow();
    o.setTimeMode = Option2->isChecked() ? 2 : 1;
    o.dayMode = Option4->isChecked() ? 2 : 1;
    o.soundZero = sound_zero->isChecked() ? 1 : 0;
    o.autoMode = isAutoModeForm->isAutoMode1->isChecked() ? 1 : 2;
    o.bellRepeat = bellRepeat->isChecked() ? 1 : 0;
    o.timeSync = chkTimeSync->isChecked() ? 1 : 0;
    return o;
}

void MainWindow::SaveOptions() {
    if (!m_applyingOptions) {
        m_services.store->saveOptions(optionsOnScreen());
    }
}

// --- Time lists ---

fmt::TimeList MainWindow::timeListOnScreen() const {
    fmt::TimeList list;
    list.noBell = nobell->isChecked();
    for (int i = 0; i < AddTimeList->count(); ++i) {
        list.entries.push_back(AddTimeList->item(i)->text().toStdString());
    }
    return list;
}

void MainWindow::showTimeList(const fmt::TimeList& list, bool dayFile) {
    for (const auto& entry : list.entries) {
        AddTimeList->addItem(QString::fromStdString(entry));
    }
    if (dayFile) {
        nobell->setChecked(list.noBell);
    }
}

int MainWindow::dayForSave(int which) const {
    if (which == 1) {
        return VScroll9->value();
    }
    bool ok = false;
    const int day = pre_day->text().trimmed().toInt(&ok);
    return ok ? day : 0;
}

void MainWindow::LoadWeekTimes() { showTimeList(m_services.store->loadWeekTimes(), false); }

void MainWindow::LoadDayTimes() {
    AddTimeList->clear();
    showTimeList(m_services.store->loadDayTimes(VScroll9->value()), true);
}

void MainWindow::SaveWeekTimes() { m_services.store->saveWeekTimes(timeListOnScreen()); }

void MainWindow::SaveDayTimes(int which) { m_services.store->saveDayTimes(dayForSave(which), timeListOnScreen()); }

// --- Interval settings ---

QWidget* MainWindow::intervalControl(IntervalField field) const {
    switch (field) {
        case IntervalField::StartHour: return start_h;
        case IntervalField::StartMinute: return start_m;
        case IntervalField::ExitHour: return exit_h;
        case IntervalField::ExitMinute: return exit_m;
        case IntervalField::WorkTime: return worktime;
        case IntervalField::RestTime: return resttime;
        case IntervalField::NoBell: return nobell;
        case IntervalField::StartBellSound: return txtStartBellSound;
        case IntervalField::EndBellSound: return txtEndBellSound;
        case IntervalField::PreBell1On: return ChkPreBell1;
        case IntervalField::PreBell1Minutes: return TxtPreBell1;
        case IntervalField::PreBell1Sound: return TxtPreBellName1;
        case IntervalField::PreBell2On: return ChkPreBell2;
        case IntervalField::PreBell2Minutes: return TxtPreBell2;
        case IntervalField::PreBell2Sound: return TxtPreBellName2;
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
        nobell->setChecked(s.noBell);
    }
}

void MainWindow::LoadWeekInterval() { showInterval(m_services.store->loadWeekInterval(), false); }

void MainWindow::LoadDayInterval() { showInterval(m_services.store->loadDayInterval(VScroll9->value()), true); }

void MainWindow::SaveWeekInterval() { m_services.store->saveWeekInterval(intervalOnScreen()); }

void MainWindow::SaveDayInterval(int which) { m_services.store->saveDayInterval(dayForSave(which), intervalOnScreen()); }
