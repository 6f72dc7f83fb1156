// The sound list, ringing now, the repeat option, the sound pickers, "No sound at bell" and the
// choice of the dedicated card.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "app/mainwindow.h"
#include "schedule/settingsstore.h"
#include "sound/sndselect.h"
#include "widgets/dialogs.h"
#include "widgets/imagebutton.h"

namespace {

const QString kPickSound = QStringLiteral("Select bell sound from [Select bell sound]");

}  // namespace

QString MainWindow::selectedSound() const {
    const auto selected = File1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void MainWindow::FillSoundList() {
    m_bells->refreshSoundsNow();
    showSoundList();
}

void MainWindow::showSoundList() {
    const QString selected = selectedSound();
    File1->clear();
    File1->addItems(m_bells->sounds());
    // A sound beyond the bounds of a bell keeps its place (a stored choice counts by it), greyed,
    // with the reason it is refused as its tooltip.
    for (int row = 0; row < File1->count(); ++row) {
        QListWidgetItem* item = File1->item(row);
        if (const QString why = m_bells->soundRefusal(item->text()); !why.isEmpty()) {
            item->setForeground(File1->palette().brush(QPalette::Disabled, QPalette::Text));
            item->setToolTip(QStringLiteral("Not a bell sound: %1").arg(why));
        }
    }
    if (!selected.isEmpty()) {
        const auto found = File1->findItems(selected, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!found.isEmpty()) {
            File1->setCurrentItem(found.first());
        }
    }
}

bool MainWindow::refuseSound(const QString& sound) {
    const QString why = m_bells->soundRefusal(sound);
    if (why.isEmpty()) {
        return false;
    }
    reportProblem(QStringLiteral("%1 cannot be chosen as a bell sound: %2").arg(sound, why));
    return true;
}

void MainWindow::btnNowBell_Click() {
    const QString sound = selectedSound();
    if (sound.isEmpty()) {
        m_ports.dialogs->warning(this, kPickSound);
        return;
    }
    m_bells->ringNow(sound);
}

void MainWindow::bellStop_Click() {
    m_bells->stopBell();
}

void MainWindow::bellRepeat_Click() {
    const bool repeat = bellRepeat->isChecked();
    m_bells->setRepeat(repeat);
    bellStop->setVisible(bellRepeat->isChecked());
    SaveOptions();
}

void MainWindow::sound_zero_Click() {
    const bool mute = sound_zero->isChecked();
    m_bells->setMuteDefault(mute);
    SaveOptions();
    if (m_loadPhase == 2 && sound_zero->isChecked()) {
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
    if (refuseSound(sound)) {
        return;
    }
    target->setText(sound);
    saveIntervalSettings();
}

void MainWindow::cmdStartBellSound_Click() {
    pickSound(txtStartBellSound);
}

void MainWindow::cmdEndBellSound_Click() {
    pickSound(txtEndBellSound);
}

void MainWindow::CmdPreBell1_Click() {
    pickSound(TxtPreBellName1);
}

void MainWindow::CmdPreBell2_Click() {
    pickSound(TxtPreBellName2);
}

// --- Dedicated card ---

void MainWindow::ShowSoundCard() {
    SndCardText->setText(m_cardText);
}

// The stored choice, snd.ini with the card's name beside it.
void MainWindow::setSoundCardIndex(int index) {
    m_soundCardIndex = index;
    const auto named = m_services.store->loadSoundCardName(index);
    const QString name = QString::fromStdString(named.name);
    const QString description = QString::fromStdString(named.description);
    m_bells->setSoundCard(index, name, description);
}

void MainWindow::showCards(const QStringList& cards, const QStringList& ids, int listed,
                           const QString& chosen) {
    m_cards = cards;
    m_cardIds = ids;
    m_soundCardIndex = listed;
    // The label keeps what the selection set until the bells tell of another card: a choice of
    // nothing from an empty list shows nothing, though the bells ring on the default output.
    if (chosen != m_reportedCard) {
        m_reportedCard = chosen;
        m_cardText = chosen;
    }
    ShowSoundCard();
}

SndSelect* MainWindow::sndSelectWindow() {
    if (!m_sndSelect) {
        m_sndSelect = new SndSelect(imageFolder(), this);
        connect(m_sndSelect->SndSet, &QPushButton::clicked, this, [this] {
            const int index = m_sndSelect->ComboSndSound->currentIndex();
            // The card as the list showed it, by its name: the server's list may have moved since.
            const QString name = m_sndSelect->ComboSndSound->currentData().toString();
            m_services.store->saveSoundCard(index);
            m_soundCardIndex = index;
            m_bells->chooseCard(index, name);
            m_sndSelect->hide();
            m_cardText = m_sndSelect->ComboSndSound->currentText();
            ShowSoundCard();
        });
    }
    return m_sndSelect;
}

void MainWindow::SndCardSet_Click() {
    SndSelect* dialog = sndSelectWindow();
    // The devices as they are now, with the chosen card selected where it lists now.
    dialog->Form_Load(m_cards, m_cardIds, m_soundCardIndex);
    m_ports.dialogs->showModal(dialog);
}
