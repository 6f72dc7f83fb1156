// The five loaders and five savers that move the settings between data/ and the controls.
// A missing file or line gives the control its default; every save replaces the file whole.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "app/automodeform.h"
#include "app/imagebutton.h"
#include "app/mainwindow.h"
#include "app/spinner.h"
#include "schedule/settingsformat.h"

using corvalin::settings::IntervalField;
namespace fmt = corvalin::settings;

namespace {

QString fileName(std::string_view name) { return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())); }

QString fileName(const std::string& name) { return QString::fromStdString(name); }

// The number on a line, or the fallback when the line is missing or not a number.
int numberAt(const QStringList& lines, int index, int fallback) {
    if (index >= lines.size()) {
        return fallback;
    }
    return fmt::parseNumberLine(lines.at(index).toStdString()).value_or(fallback);
}

QString number(int value) { return QString::fromStdString(fmt::numberLine(value)); }

QString number(bool checked) { return number(checked ? 1 : 0); }

// Entries of a time file, from line `first` on.
void appendEntries(QListWidget* list, const QStringList& lines, int first) {
    for (int i = first; i < lines.size(); ++i) {
        list->addItem(lines.at(i));
    }
}

}  // namespace

// --- Options ---

void MainWindow::LoadOptions() {
    using fmt::OptionLine;
    const QStringList lines = m_store.read(fileName(fmt::kOptionsFile)).value_or(QStringList());
    auto line = [&lines](OptionLine which, int fallback) { return numberAt(lines, static_cast<int>(which), fallback); };

    const int autoExe = line(OptionLine::AutoExe, 0);
    const int soundIndex = line(OptionLine::SoundIndex, -1);
    if (File1->count() > soundIndex) {
        if (soundIndex < 0) {
            File1->clearSelection();
            File1->setCurrentRow(-1);
        } else {
            File1->setCurrentRow(soundIndex);
        }
    }
    // A fresh install starts in "Manual input" with one list for the whole week.
    const int setTimeMode = line(OptionLine::SetTimeMode, 2);
    const int dayMode = line(OptionLine::DayMode, 1);
    const int soundZero = line(OptionLine::SoundZero, 0);
    const int autoMode = line(OptionLine::AutoMode, 1);
    const int repeat = line(OptionLine::BellRepeat, 0);
    const int timeSync = line(OptionLine::TimeSync, 0);

    auto_exe->setChecked(autoExe == 1);
    sound_zero->setChecked(soundZero == 1);
    bellRepeat->setChecked(repeat == 1);
    chkTimeSync->setChecked(timeSync == 1);
    (autoMode == 1 ? isAutoModeForm->isAutoMode1 : isAutoModeForm->isAutoMode2)->setChecked(true);
    (dayMode == 1 ? Option3 : Option4)->setChecked(true);
    (setTimeMode == 1 ? Option1 : Option2)->setChecked(true);

    if (!bellRepeat->isChecked()) {
        bellStop->hide();
    }
}

void MainWindow::SaveOptions() {
    const int soundIndex = File1->selectedItems().isEmpty() ? -1 : File1->currentRow();
    const QStringList lines{
        number(auto_exe->isChecked()),
        number(soundIndex),
        number(Option2->isChecked() ? 2 : 1),
        number(Option4->isChecked() ? 2 : 1),
        number(sound_zero->isChecked()),
        number(isAutoModeForm->isAutoMode1->isChecked() ? 1 : 2),
        number(bellRepeat->isChecked()),
        number(chkTimeSync->isChecked()),
    };
    m_store.write(fileName(fmt::kOptionsFile), lines);
}

// --- Time lists ---

QStringList MainWindow::timeListLines() const {
    QStringList lines;
    for (int i = 0; i < AddTimeList->count(); ++i) {
        lines.append(AddTimeList->item(i)->text());
    }
    return lines;
}

int MainWindow::dayForSave(int which) const {
    if (which == 1) {
        return VScroll9->value();
    }
    bool ok = false;
    const int day = pre_day->text().trimmed().toInt(&ok);
    return ok ? day : 0;
}

void MainWindow::LoadWeekTimes() {
    if (const auto lines = m_store.read(fileName(fmt::kWeekTimesFile))) {
        appendEntries(AddTimeList, *lines, 0);
    }
}

void MainWindow::LoadDayTimes() {
    AddTimeList->clear();
    const QStringList lines = m_store.read(fileName(fmt::dayTimesFile(VScroll9->value()))).value_or(QStringList());
    appendEntries(AddTimeList, lines, 1);
    nobell->setChecked(numberAt(lines, 0, 0) == 1);
}

void MainWindow::SaveWeekTimes() { m_store.write(fileName(fmt::kWeekTimesFile), timeListLines()); }

void MainWindow::SaveDayTimes(int which) {
    const int day = dayForSave(which);
    if (day < 1 || day > 13) {
        return;  // no such day: nothing on screen belongs to a file
    }
    m_store.write(fileName(fmt::dayTimesFile(day)), QStringList{number(nobell->isChecked())} + timeListLines());
}

// --- Interval settings ---

QLineEdit* MainWindow::intervalBox(int field) const {
    switch (static_cast<IntervalField>(field)) {
        case IntervalField::StartHour: return start_h;
        case IntervalField::StartMinute: return start_m;
        case IntervalField::ExitHour: return exit_h;
        case IntervalField::ExitMinute: return exit_m;
        case IntervalField::WorkTime: return worktime;
        case IntervalField::RestTime: return resttime;
        case IntervalField::StartBellSound: return txtStartBellSound;
        case IntervalField::EndBellSound: return txtEndBellSound;
        case IntervalField::PreBell1Minutes: return TxtPreBell1;
        case IntervalField::PreBell1Sound: return TxtPreBellName1;
        case IntervalField::PreBell2Minutes: return TxtPreBell2;
        case IntervalField::PreBell2Sound: return TxtPreBellName2;
        default: return nullptr;
    }
}

QCheckBox* MainWindow::intervalCheck(int field) const {
    switch (static_cast<IntervalField>(field)) {
        case IntervalField::NoBell: return nobell;
        case IntervalField::PreBell1On: return ChkPreBell1;
        case IntervalField::PreBell2On: return ChkPreBell2;
        default: return nullptr;
    }
}

void MainWindow::applyIntervalLines(const QStringList& lines, bool dayFile) {
    const auto layout = fmt::intervalLayout(dayFile);
    int noBellState = 0;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const IntervalField field = layout[i];
        const int index = static_cast<int>(i);
        const QString fallback = QString::fromLatin1(fmt::intervalDefault(field).data(),
                                                     static_cast<qsizetype>(fmt::intervalDefault(field).size()));
        if (fmt::isNumberField(field)) {
            const int state = numberAt(lines, index, fallback.toInt());
            if (field == IntervalField::NoBell) {
                noBellState = state;  // set once the whole file has been read
            } else {
                intervalCheck(static_cast<int>(field))->setChecked(state == 1);
            }
        } else {
            intervalBox(static_cast<int>(field))->setText(index < lines.size() ? lines.at(index) : fallback);
        }
    }
    if (dayFile) {
        nobell->setChecked(noBellState == 1);
    }
}

QStringList MainWindow::intervalLines(bool dayFile) const {
    QStringList lines;
    for (const IntervalField field : fmt::intervalLayout(dayFile)) {
        if (fmt::isNumberField(field)) {
            lines.append(number(intervalCheck(static_cast<int>(field))->isChecked()));
        } else {
            lines.append(intervalBox(static_cast<int>(field))->text());
        }
    }
    return lines;
}

void MainWindow::LoadWeekInterval() {
    applyIntervalLines(m_store.read(fileName(fmt::kWeekIntervalFile)).value_or(QStringList()), false);
}

void MainWindow::LoadDayInterval() {
    applyIntervalLines(m_store.read(fileName(fmt::dayIntervalFile(VScroll9->value()))).value_or(QStringList()),
                       true);
}

void MainWindow::SaveWeekInterval() { m_store.write(fileName(fmt::kWeekIntervalFile), intervalLines(false)); }

void MainWindow::SaveDayInterval(int which) {
    const int day = dayForSave(which);
    if (day < 1 || day > 7) {
        return;  // interval settings exist for the seven weekdays only
    }
    m_store.write(fileName(fmt::dayIntervalFile(day)), intervalLines(true));
}
