// Starting and stopping the bell service, and showing the next bell.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "app/dialogs.h"
#include "app/imagebutton.h"
#include "app/mainwindow.h"
#include "app/spinner.h"
#include "app/windowtimer.h"
#include "schedule/clock.h"
#include "schedule/clocktext.h"
#include "schedule/intervalcheck.h"
#include "schedule/nextbell.h"
#include "schedule/ringtable.h"
#include "sound/belloutput.h"

namespace {

void setBackColor(QLabel* label, const QColor& color) {
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, color);
    label->setPalette(palette);
}

// A picture button enabled with its normal picture, or disabled with its disabled one.
void lockButton(ImageButton* button, bool locked) {
    button->setEnabled(!locked);
    button->showPicture(locked ? button->disabledPicture() : button->normalPicture());
}

}  // namespace

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
        setBackColor(stateColor, QColor(255, 183, 185));
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
    const QDateTime t = currentTime();
    lastMinute = t.time().minute();
    lastDay = t.date().day();

    if (Option1->isChecked()) {
        if (File1->selectedItems().isEmpty()) {
            m_ports.dialogs->warning(this, QStringLiteral("Please select bell sound"));
            return;
        }
        const corvalin::interval::IntervalTexts texts = intervalTexts();
        const auto checked = corvalin::interval::checkForStart(texts);
        if (checked.startMinute) {
            startMinute = *checked.startMinute;
            endMinute = *checked.endMinute;
        }
        if (checked.message) {
            m_ports.dialogs->warning(this, QString::fromStdString(*checked.message));
            return;
        }
        lockForService(true);
        saveIntervalSettings();

        corvalin::ringtable::IntervalPlan plan;
        plan.startMinute = startMinute;
        plan.endMinute = endMinute;
        plan.work = static_cast<int>(corvalin::interval::wholeNumber(texts.work).value_or(1));
        plan.rest = static_cast<int>(corvalin::interval::wholeNumber(texts.rest).value_or(1));
        plan.startSound = txtStartBellSound->text().toStdString();
        plan.endSound = txtEndBellSound->text().toStdString();
        plan.noBell = nobell->isChecked();
        plan.preBell1On = ChkPreBell1->isChecked();
        plan.preBell2On = ChkPreBell2->isChecked();
        plan.preBell1 = static_cast<int>(corvalin::interval::wholeNumber(texts.preBell1).value_or(0));
        plan.preBell2 = static_cast<int>(corvalin::interval::wholeNumber(texts.preBell2).value_or(0));
        plan.preBell1Sound = TxtPreBellName1->text().toStdString();
        plan.preBell2Sound = TxtPreBellName2->text().toStdString();
        corvalin::ringtable::buildIntervalTable(plan, ringTable);
    } else {
        if (Option3->isChecked() && AddTimeList->count() == 0) {
            m_ports.dialogs->warning(this, QStringLiteral("nothing added time. please add time."));
            return;
        }
        lockForService(true);
        std::vector<std::string> entries;
        for (int i = 0; i < AddTimeList->count(); ++i) {
            entries.push_back(AddTimeList->item(i)->text().toStdString());
        }
        corvalin::ringtable::buildManualTable(entries, nobell->isChecked(), ringTable);
    }
    for (const auto& line : corvalin::ringtable::todayBellsLines(ringTable)) {
        clock_list->addItem(QString::fromStdString(line));
    }

    ShowNextBell();
    serviceRunning = 1;
    mnBellCount->setEnabled(true);
    SaveOptions();
}

void MainWindow::stop1_Click() {
    serviceRunning = 0;
    clock_list->clear();
    state->setText(QStringLiteral("OFF"));
    setBackColor(stateColor, QColor(170, 223, 171));
    m_ports.bell->stop();
    lockForService(false);
    mnBellCount->setEnabled(false);
    m_soundControl.SetMixerControl(sound_control::kMasterMute, 0);
    sound_zero_count->setEnabled(false);
    nextBell->clear();
    nextBellSound->clear();
}

void MainWindow::ShowNextBell() {
    const QTime t = currentTime().time();
    const auto next = corvalin::ringtable::nextBell(ringTable, t.hour() * 60 + t.minute(), Option3->isChecked());
    nextBell->setText(QString::fromStdString(next.time));
    nextBellSound->setText(QString::fromStdString(next.sound));
}
