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

void MainWindow::onRepeatBellToggled() {
    soundsPanel->showStopBell(repeatBellBox->isChecked());
    saveOptions();
}

void MainWindow::onSilentToggled() {
    saveOptions();
    if (m_loadPhase == 2 && silentBox->isChecked()) {
        m_ports.dialogs->message(
            this, QString(),
            QStringLiteral("Because, this function purge computer default soundcard at bell time, so, "
                           "computer lings only Corvalin at bell time."
                           "\n\n"
                           "벨소리 재생이 끝난 후 컴퓨터 기본 사운드카드를 다시 활성화시킵니다. \n\n"
                           "컴퓨터로 음악을 내보내는 곳(카페나 편의점등의 상점)에서 필요한 기능입니다."),
            Dialogs::Icon::None, Dialogs::Buttons::Ok);
    }
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

