// Editing the manual time list: add, delete, change the sound, delete all. Every change is
// stored at once in the list's file.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "app/mainwindow.h"
#include "engine/schedule/timeentry.h"
#include "engine/sound/bellrules.h"
#include "ui/widgets/dialogs.h"

void MainWindow::saveTimeList() {
    if (Option3->isChecked()) {
        SaveWeekTimes();
    } else {
        SaveDayTimes(1);
    }
}

void MainWindow::TimeAdd_Click() {
    const QString sound = selectedSound();
    if (sound.isEmpty()) {
        m_ports.dialogs->warning(this, QStringLiteral("Select bell sound int [Select bell sound]"));
        return;
    }
    if (!corvalin::sound::isBellSoundName(sound.toStdString())) {
        m_ports.dialogs->warning(
            this, QStringLiteral("Add Only wave file to sound folder. Please, delete non wave file from") +
                      QLatin1Char('\n') + soundFolderMessageName() + QLatin1Char('.'));
        return;
    }
    if (refuseSound(sound)) {
        return;
    }
    const auto key = corvalin::timelist::timeKey(input_h->text().toStdString(), input_m->text().toStdString());
    if (!key.ok()) {
        m_ports.dialogs->warning(this, QString::fromStdString(key.message));
        return;
    }
    InsertBellTime(QString::fromStdString(key.key));
    saveTimeList();
}

void MainWindow::InsertBellTime(const QString& timeKey) {
    if (corvalin::timelist::hasKey(timeListOnScreen().entries, timeKey.toStdString())) {
        m_ports.dialogs->warning(this, QStringLiteral("The corresponding time is being register already."));
        return;
    }
    AddTimeList->addItem(timeKey + QLatin1Char('/') + selectedSound());
}

void MainWindow::TimeDel_Click() {
    const auto selected = AddTimeList->selectedItems();
    if (selected.isEmpty()) {
        m_ports.dialogs->warning(this, QStringLiteral("Select time that you want to delete in [Added time]"));
        return;
    }
    delete AddTimeList->takeItem(AddTimeList->row(selected.first()));
    saveTimeList();
}

void MainWindow::TimeMod_Click() {
    const auto selected = AddTimeList->selectedItems();
    if (selected.isEmpty()) {
        m_ports.dialogs->warning(this, QStringLiteral("Select time that you want to modify in [Added time]"));
        return;
    }
    const QString sound = selectedSound();
    if (sound.isEmpty()) {
        m_ports.dialogs->warning(this, QStringLiteral("Select bell sound in [Select bell sound]"));
        return;
    }
    if (refuseSound(sound)) {
        return;
    }
    QListWidgetItem* item = selected.last();
    item->setText(QString::fromStdString(
        corvalin::timelist::withSound(item->text().toStdString(), sound.toStdString())));
    saveTimeList();
}

void MainWindow::allDel_Click() {
    const auto answer = m_ports.dialogs->message(this, QStringLiteral("Delete"),
                                                 QStringLiteral("Delete all times of time box?"),
                                                 Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes) {
        return;
    }
    AddTimeList->clear();
    saveTimeList();
}
