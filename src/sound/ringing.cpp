// The sound library, ringing and stopping bells, the repeat option, the sound pickers,
// the default card's mute during a bell and the choice of the dedicated card.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "app/dialogs.h"
#include "app/imagebutton.h"
#include "app/mainwindow.h"
#include "app/windowtimer.h"
#include "schedule/settingsformat.h"
#include "sound/belloutput.h"
#include "sound/sndselect.h"

namespace {

const QString kPickSound = QStringLiteral("Select bell sound from [Select bell sound]");

}  // namespace

QString MainWindow::selectedSound() const {
    const auto selected = File1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

int MainWindow::IsBellInFilebox(const QString& soundName) const {
    for (int i = 0; i < File1->count(); ++i) {
        if (File1->item(i)->text() == soundName) {
            return 1;
        }
    }
    return 0;
}

void MainWindow::RingBell(const QString& soundName, BellKind kind) {
    const bool scheduled = kind == BellKind::Scheduled;
    auto mute = [this] { m_soundControl.SetMixerControl(sound_control::kMasterMute, -1); };
    auto unmute = [this] { m_soundControl.SetMixerControl(sound_control::kMasterMute, 0); };

    if (!scheduled && sound_zero->isChecked()) {
        mute();
    }
    m_ports.bell->stop();

    QString file = soundName;
    if (scheduled && !IsBellInFilebox(soundName)) {
        file = File1->count() > 0 ? File1->item(0)->text() : QString();
    }
    const QString path = soundFolder() + QLatin1Char('/') + file;

    // Length of the bell in whole seconds: the mute ends on that tick of the mute timer.
    auto measure = [&] {
        const qint64 ms = m_ports.bell->lengthMs(path).value_or(1000);
        bellSeconds = static_cast<int>(scheduled ? ms / 1000 : ms / 1000 + 1);
        // A bell shorter than a second still gets its one tick, so the card never stays muted.
        bellSeconds = std::max(bellSeconds, 1);
    };
    auto armMuteEnd = [&] {
        if (!scheduled || !bellRepeat->isChecked()) {
            muteTicks = 1;
            sound_zero_count->setEnabled(true);
        }
    };

    // The output device: the dedicated card, or the default output when none is chosen or
    // the chosen one is no longer there.
    auto play = [&] {
        const auto devices = m_ports.bell->devices();
        const int entry = soundCardIndex + 2;
        const QString device = (soundCardIndex >= 0 && entry <= devices.size()) ? devices.at(entry - 1).id : QString();
        return m_ports.bell->play(device, path, bellRepeat->isChecked());
    };

    bool played = false;
    if (scheduled) {
        played = play();
        if (played && sound_zero->isChecked()) {
            mute();
        }
        measure();
        armMuteEnd();
    } else {
        measure();
        armMuteEnd();
        played = play();
    }
    if (!played) {
        // Nothing sounds (unreadable file, no sound server): nothing to mute for.
        m_ports.bell->stop();
        unmute();
        sound_zero_count->setEnabled(false);
    }
}

void MainWindow::StopBell() {
    m_ports.bell->stop();
    m_soundControl.SetMixerControl(sound_control::kMasterMute, 0);
    sound_zero_count->setEnabled(false);
}

void MainWindow::btnNowBell_Click() {
    const QString sound = selectedSound();
    if (sound.isEmpty()) {
        m_ports.dialogs->warning(this, kPickSound);
        return;
    }
    RingBell(sound, BellKind::Manual);
}

void MainWindow::bellStop_Click() { StopBell(); }

void MainWindow::sound_zero_count_Timer() {
    if (muteTicks == bellSeconds) {
        m_soundControl.SetMixerControl(sound_control::kMasterMute, 0);
        sound_zero_count->setEnabled(false);
    } else {
        ++muteTicks;
    }
}

void MainWindow::bellRepeat_Click() {
    bellStop->setVisible(bellRepeat->isChecked());
    SaveOptions();
}

void MainWindow::sound_zero_Click() {
    SaveOptions();
    if (loadPhase == 2 && sound_zero->isChecked()) {
        m_ports.dialogs->message(
            this, QString(),
            QStringLiteral("Because, this function purge computer default soundcard at bell time, so, computer lings only Corvalin at bell time."
                           "\n\n"
                           "벨소리 재생이 끝난 후 컴퓨터 기본 사운드카드를 다시 활성화시킵니다. \n\n"
                           "컴퓨터로 음악을 내보내는 곳(카페나 편의점등의 상점)에서 필요한 기능입니다."),
            Dialogs::Icon::None, Dialogs::Buttons::Ok);
    }
}

void MainWindow::saveIntervalSettings() {
    if (Option3->isChecked()) {
        SaveWeekInterval();
    } else {
        SaveDayInterval(1);
    }
}

void MainWindow::pickSound(QLineEdit* target) {
    const QString sound = selectedSound();
    if (sound.isEmpty()) {
        m_ports.dialogs->warning(this, kPickSound);
        return;
    }
    target->setText(sound);
    saveIntervalSettings();
}

void MainWindow::cmdStartBellSound_Click() { pickSound(txtStartBellSound); }

void MainWindow::cmdEndBellSound_Click() { pickSound(txtEndBellSound); }

void MainWindow::CmdPreBell1_Click() { pickSound(TxtPreBellName1); }

void MainWindow::CmdPreBell2_Click() { pickSound(TxtPreBellName2); }

void MainWindow::FillSoundList() {
    File1->clear();
    const QDir folder(soundFolder());
    File1->addItems(folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

// --- Dedicated card ---

void MainWindow::ShowSoundCard() {
    const auto devices = m_ports.bell->devices();
    const int entry = soundCardIndex + 2;  // the list shows device entries 2 and up
    if (soundCardIndex >= 0 && entry <= devices.size()) {
        SndCardText->setText(devices.at(entry - 1).description + QLatin1Char('(') +
                             QString::number(soundCardIndex + 1) + QLatin1Char(')'));
    } else {
        // No card chosen, or the chosen one has gone: bells play on the default output.
        SndCardText->setText(devices.isEmpty() ? QString() : devices.first().description + QStringLiteral("(0)"));
    }
}

SndSelect* MainWindow::sndSelectWindow() {
    if (!m_sndSelect) {
        m_sndSelect = new SndSelect(m_ports.bell, imageFolder(), this);
        connect(m_sndSelect->SndSet, &QPushButton::clicked, this, [this] {
            const int index = m_sndSelect->ComboSndSound->currentIndex();
            m_store.write(QString::fromLatin1(corvalin::settings::kSoundCardFile),
                          {QString::fromStdString(corvalin::settings::numberLine(index))});
            soundCardIndex = index;
            m_sndSelect->hide();
            SndCardText->setText(m_sndSelect->ComboSndSound->currentText());
        });
    }
    return m_sndSelect;
}

void MainWindow::SndCardSet_Click() {
    SndSelect* dialog = sndSelectWindow();
    if (!dialog->isLoaded()) {
        dialog->Form_Load(soundCardIndex);
    }
    m_ports.dialogs->showModal(dialog);
}
