// Editing the manual time list: add, delete, change the sound, delete all. Every change is
// stored at once in the list's file.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "app/mainwindow.h"
#include "ui/mainwindow/soundspanel.h"
#include "engine/schedule/timeentry.h"
#include "engine/sound/bellrules.h"
#include "ui/widgets/dialogs.h"

void MainWindow::saveTimeList() {
    if (weekModeButton->isChecked()) {
        saveWeekTimes();
    } else {
        saveDayTimes(1);
    }
}

void MainWindow::onAddTimeClicked() {
    const QString sound = soundsPanel->selectedSound();
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
    if (soundsPanel->refuseSound(sound)) {
        return;
    }
    const auto key =
        corvalin::timelist::timeKey(inputHourBox->text().toStdString(), inputMinuteBox->text().toStdString());
    if (!key.ok()) {
        m_ports.dialogs->warning(this, QString::fromStdString(key.message));
        return;
    }
    insertBellTime(QString::fromStdString(key.key));
    saveTimeList();
}

void MainWindow::insertBellTime(const QString& timeKey) {
    if (corvalin::timelist::hasKey(timeListOnScreen().entries, timeKey.toStdString())) {
        m_ports.dialogs->warning(this, QStringLiteral("The corresponding time is being register already."));
        return;
    }
    bellTimeList->addItem(timeKey + QLatin1Char('/') + soundsPanel->selectedSound());
}

void MainWindow::onDeleteTimeClicked() {
    const auto selected = bellTimeList->selectedItems();
    if (selected.isEmpty()) {
        m_ports.dialogs->warning(this, QStringLiteral("Select time that you want to delete in [Added time]"));
        return;
    }
    delete bellTimeList->takeItem(bellTimeList->row(selected.first()));
    saveTimeList();
}

void MainWindow::onChangeSoundClicked() {
    const auto selected = bellTimeList->selectedItems();
    if (selected.isEmpty()) {
        m_ports.dialogs->warning(this, QStringLiteral("Select time that you want to modify in [Added time]"));
        return;
    }
    const QString sound = soundsPanel->selectedSound();
    if (sound.isEmpty()) {
        m_ports.dialogs->warning(this, QStringLiteral("Select bell sound in [Select bell sound]"));
        return;
    }
    if (soundsPanel->refuseSound(sound)) {
        return;
    }
    QListWidgetItem* item = selected.last();
    item->setText(QString::fromStdString(
        corvalin::timelist::withSound(item->text().toStdString(), sound.toStdString())));
    saveTimeList();
}

void MainWindow::onDeleteAllClicked() {
    const auto answer = m_ports.dialogs->message(this, QStringLiteral("Delete"),
                                                 QStringLiteral("Delete all times of time box?"),
                                                 Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
    if (answer != Dialogs::Answer::Yes) {
        return;
    }
    bellTimeList->clear();
    saveTimeList();
}
