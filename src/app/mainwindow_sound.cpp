// The repeat option, the sound pickers and "No sound at bell".
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "app/mainwindow.h"
#include "ui/mainwindow/soundspanel.h"
#include "core/control/commands.h"
#include "core/base/ownfiles.h"
#include "core/base/wholefile.h"
#include "core/schedule/settingsstore.h"
#include "engine/sound/bellrules.h"
#include "ui/sound/sndselect.h"
#include "core/sound/soundbounds.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/imagebutton.h"

namespace {

const QString kPickSound = QStringLiteral("Select bell sound from [Select bell sound]");

}  // namespace

void MainWindow::onRingNowClicked() {
    soundsPanel->onRingNowClicked();
}

void MainWindow::onSetSoundCardClicked() {
    soundsPanel->onSetSoundCardClicked();
}

void MainWindow::saveIntervalSettings() {
    if (weekModeButton->isChecked()) {
        saveWeekInterval();
    } else {
        saveDayInterval(1);
    }
}

void MainWindow::pickSound(QLineEdit* target) {
    const QString sound = soundsPanel->selectedSound();
    if (sound.isEmpty()) {
        m_ports.dialogs->warning(this, kPickSound);
        return;
    }
    if (soundsPanel->refuseSound(sound)) {
        return;
    }
    target->setText(sound);
    saveIntervalSettings();
}

void MainWindow::onStartBellSoundClicked() {
    pickSound(startBellSoundBox);
}

void MainWindow::onEndBellSoundClicked() {
    pickSound(endBellSoundBox);
}

void MainWindow::onPreBell1SoundClicked() {
    pickSound(preBell1SoundBox);
}

void MainWindow::onPreBell2SoundClicked() {
    pickSound(preBell2SoundBox);
}

