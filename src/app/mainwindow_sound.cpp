// The sound list, ringing now, the repeat option, the sound pickers, "No sound at bell" and the
// choice of the dedicated card.
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

// A file larger than this is no bell sound: the samples of the longest one, as floats, and room
// for its header. It is refused before it is read.
constexpr qint64 kMaxSoundFileBytes = corvalin::sound::kMaxSoundBytes + (1 << 20);

}  // namespace

QString MainWindow::selectedSound() const {
    const auto selected = soundList->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

// The list last told at once; the folder is read again, and the list shown again when it changed.
void MainWindow::fillSoundList() {
    showSoundList();
    m_bells->refreshSoundsNow();
}

void MainWindow::showSoundList() {
    const QString selected = selectedSound();
    soundList->clear();
    soundList->addItems(m_bells->sounds());
    // A sound beyond the bounds of a bell keeps its place (a stored choice counts by it), greyed,
    // with the reason it is refused as its tooltip.
    for (int row = 0; row < soundList->count(); ++row) {
        QListWidgetItem* item = soundList->item(row);
        if (const QString why = m_bells->soundRefusal(item->text()); !why.isEmpty()) {
            item->setForeground(soundList->palette().brush(QPalette::Disabled, QPalette::Text));
            item->setToolTip(QStringLiteral("Not a bell sound: %1").arg(why));
        }
    }
    if (!selected.isEmpty()) {
        const auto found = soundList->findItems(selected, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!found.isEmpty()) {
            soundList->setCurrentItem(found.first());
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

void MainWindow::onAddSoundClicked() {
    const QString filter = QStringLiteral("Sounds (%1);;All files (*)")
                               .arg(QString::fromStdString(corvalin::sound::bellSoundPatterns()));
    const QString source = m_ports.dialogs->openFileName(this, QStringLiteral("Add sound"), filter);
    if (source.isEmpty()) {
        return;
    }
    const QString name = QFileInfo(source).fileName();
    auto refuse = [this, &name](const QString& why) {
        m_ports.dialogs->warning(this, QStringLiteral("%1 was not added: %2.").arg(name, why));
    };
    if (!corvalin::sound::isBellSoundName(name.toStdString())) {
        refuse(QStringLiteral("a bell sound is a WAV, FLAC, Ogg Vorbis, Opus or MP3 file, named so (%1)")
                   .arg(QString::fromStdString(corvalin::sound::bellSoundPatterns())));
        return;
    }
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
        return;
    }
    if (file.size() > kMaxSoundFileBytes) {
        refuse(QStringLiteral("it is larger than any bell sound"));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() != file.size()) {
        refuse(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
        return;
    }
    if (!corvalin::sound::isSound(bytes)) {
        refuse(QStringLiteral("the file is not a sound that can be played"));
        return;
    }
    if (const QString why = corvalin::sound::refusalOfBytes(bytes); !why.isEmpty()) {
        refuse(why);
        return;
    }
    const QString folder = soundFolder();
    const QString target = folder + QLatin1Char('/') + name;
    const bool replacing = QFileInfo::exists(target) || m_bells->sounds().contains(name);
    if (replacing &&
        m_ports.dialogs->message(this, QStringLiteral("Add sound"),
                                 QStringLiteral("%1 is already in the sound folder. Replace it?").arg(name),
                                 Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes) {
        return;
    }
    // Written whole and renamed into place: a bell never finds half a sound.
    QString why;
    if (!makeFolder(folder)) {
        why = QStringLiteral("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder));
    } else if (!replaceWholeFile(target, bytes, &why)) {
        why = QStringLiteral("%1 (%2)").arg(why, QDir::toNativeSeparators(target));
    }
    if (!why.isEmpty()) {
        refuse(QStringLiteral("it could not be copied: ") + why);
        return;
    }
    // Chosen in the list once the bells have read the folder with it.
    m_bells->refreshSoundsNow(this, [this, name] {
        const auto found = soundList->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!found.isEmpty()) {
            soundList->setCurrentItem(found.first());
        }
    });
    m_bells->note(replacing ? QStringLiteral("the sound %1 was added in place of the one before").arg(name)
                            : QStringLiteral("the sound %1 was added").arg(name));
}

void MainWindow::onRingNowClicked() {
    const QString sound = selectedSound();
    if (sound.isEmpty()) {
        m_ports.dialogs->warning(this, kPickSound);
        return;
    }
    // As from every other face: refused while an alarm signal sounds. A bell that could not be
    // played is on the warning line already, never in a box that waits for a click.
    m_services.commands->run(QStringLiteral("RingNow"), {sound}, CommandRunner::byWindow(), [this, sound](const QString& refusal) {
        if (!refusal.isEmpty() && !refusal.startsWith(sound + QStringLiteral(" could not be played"))) {
            m_ports.dialogs->warning(this, refusal);
        }
    });
}

void MainWindow::onStopBellClicked() {
    m_services.commands->run(QStringLiteral("StopBell"), {}, CommandRunner::byWindow());
}

void MainWindow::onRepeatBellToggled() {
    stopBellButton->setVisible(repeatBellBox->isChecked());
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

// --- Dedicated card ---

void MainWindow::showSoundCard() {
    soundCardText->setText(m_cardText);
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
    showSoundCard();
}

SndSelect* MainWindow::sndSelectWindow() {
    if (!m_sndSelect) {
        m_sndSelect = new SndSelect(imageFolder(), this);
        connect(m_sndSelect->SndSet, &QPushButton::clicked, this, [this] {
            const int index = m_sndSelect->ComboSndSound->currentIndex();
            // The card as the list showed it, by its name: the server's list may have moved since.
            const QString name = m_sndSelect->ComboSndSound->currentData().toString();
            // The bells take the card by its name first; the position stored then tells them nothing new.
            m_bells->chooseCard(index, name);
            m_services.store->saveSoundCard(index);
            m_soundCardIndex = index;
            m_sndSelect->hide();
            m_cardText = m_sndSelect->ComboSndSound->currentText();
            showSoundCard();
        });
    }
    return m_sndSelect;
}

void MainWindow::onSetSoundCardClicked() {
    SndSelect* dialog = sndSelectWindow();
    // The devices as they are now, with the chosen card selected where it lists now.
    dialog->Form_Load(m_cards, m_cardIds, m_soundCardIndex);
    m_ports.dialogs->showModal(dialog);
}
