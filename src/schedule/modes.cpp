// The set-time modes, the day modes, the day selector and its saves and loads.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>

#include "app/dialogs.h"
#include "app/imagebutton.h"
#include "app/mainwindow.h"
#include "app/spinner.h"
#include "schedule/clock.h"
#include "schedule/clocktext.h"
#include "schedule/intervalcheck.h"

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
    if (day >= 8 && day <= 13) {
        return QStringLiteral("templet") + QString::number(day - 7);
    }
    if (day >= 1 && day <= 7) {
        return QLocale::system().dayName(corvalin::clock::isoFromDayNumber(day));
    }
    return QString();
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
    if (VScroll9->value() > 7) {
        VScroll9->setValue(7);
    }
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
    if (loadPhase == 2) {
        SaveOptions();
    } else {
        loadPhase = 2;
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
    const int today = corvalin::clock::dayNumberFromIso(currentTime().date().dayOfWeek());
    reg_day->setText(dayCaption(today));
    pre_day->setText(QString::number(today));
    VScroll9->setValue(today);
    if (loadPhase == 2) {
        SaveOptions();
        m_ports.dialogs->message(this, QStringLiteral("Help"),
                                 QStringLiteral("Click arrow in right [Select day], Seting each day bell time."),
                                 Dialogs::Icon::Information, Dialogs::Buttons::Ok);
    } else {
        loadPhase = 2;
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

void MainWindow::VScroll9_Change() {
    const int value = VScroll9->value();
    const bool samePreviousDay = pre_day->text() == QString::number(value);
    if (Option1->isChecked()) {
        const auto result = corvalin::interval::checkTimes(intervalTexts());
        if (result.startMinute) {
            startMinute = *result.startMinute;
            endMinute = *result.endMinute;
        }
        if (result.message) {
            m_ports.dialogs->warning(this, QString::fromStdString(*result.message));
            return;
        }
        if (!samePreviousDay) {
            SaveDayInterval(2);
        }
        if (value == 0) {
            VScroll9->setValue(7);
        } else if (value == 8) {
            VScroll9->setValue(1);
        }
        reg_day->setText(dayCaption(VScroll9->value()));
    } else {
        if (!samePreviousDay) {
            SaveDayTimes(2);
        }
        if (value == 0) {
            VScroll9->setValue(13);
        } else if (value == 14) {
            VScroll9->setValue(1);
        }
        const int day = VScroll9->value();
        reg_day->setText(dayCaption(day));
        nobell->setEnabled(day <= 7);
    }

    pre_day->setText(QString::number(VScroll9->value()));
    if (Option1->isChecked()) {
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

// "No rings" is stored with the day it belongs to as soon as the user changes it.
void MainWindow::nobell_Click() {
    if (!Option4->isChecked()) {
        return;
    }
    // pre_day names the day whose settings are on screen.
    if (Option1->isChecked()) {
        SaveDayInterval(2);
    } else {
        SaveDayTimes(2);
    }
}
