// The sound list, ringing now, adding a sound, and the choice of the dedicated card.
#include "ui/mainwindow/soundspanel.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include "core/base/ownfiles.h"
#include "core/base/wholefile.h"
#include "core/bells/bellsclient.h"
#include "core/control/commands.h"
#include "core/schedule/settingsstore.h"
#include "core/sound/soundbounds.h"
#include "engine/schedule/settingsvalues.h"
#include "engine/sound/bellrules.h"
#include "ui/mainwindow/windowstyle.h"
#include "ui/sound/sndselect.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/imagebutton.h"

namespace {

// A file larger than this is no bell sound: the samples of the longest one, as floats, and room
// for its header. It is refused before it is read.
constexpr qint64 kMaxSoundFileBytes = corvalin::sound::kMaxSoundBytes + (1 << 20);

}  // namespace

SoundsPanel::SoundsPanel(const PanelServices& services, QWidget* window)
    : QObject(window), m_services(services), m_window(window) {
    const QString& img = m_services.imageFolder;
    soundFrame = named(new QGroupBox(tr("Select bell sound"), window), "soundFrame");
    soundList = named(new QListWidget(soundFrame), "soundList");
    soundList->setSelectionMode(QAbstractItemView::SingleSelection);
    soundList->setAccessibleName(tr("Bell sounds"));
    soundList->setAccessibleDescription(
        tr("The sound folder's sounds; the one chosen rings now and is given to "
           "the bells added"));
    ringNowButton = imageButton("ringNowButton", tr("Ring now"), img, QStringLiteral("nowBell.gif"),
                                QStringLiteral("nowBell1.gif"), QString(), window);
    stopBellButton = imageButton("stopBellButton", tr("Stop bell"), img, QStringLiteral("bellStop.gif"),
                                 QStringLiteral("bellStop1.gif"), QString(), window);
    addSoundButton = named(new QPushButton(tr("Add sound..."), soundFrame), "addSoundButton");
    addSoundButton->setAutoDefault(true);
    addSoundButton->setAccessibleDescription(tr("Copies a sound file into the sound folder"));
    const QKeySequence ringKeys(Qt::CTRL | Qt::Key_R);
    const QKeySequence stopKeys(Qt::CTRL | Qt::Key_S);
    const QString ringShortcut = ringKeys.toString(QKeySequence::NativeText);
    const QString stopShortcut = stopKeys.toString(QKeySequence::NativeText);
    //: %1: its shortcut, e.g. Ctrl+R
    clickOnKeys(ringNowButton, ringKeys, tr("Ring now (%1)").arg(ringShortcut));
    //: %1: its shortcut, e.g. Ctrl+R
    ringNowButton->setAccessibleDescription(
        tr("Rings the sound chosen in the list now; shortcut %1").arg(ringShortcut));
    //: %1: its shortcut, e.g. Ctrl+S
    clickOnKeys(stopBellButton, stopKeys, tr("Stop bell (%1)").arg(stopShortcut));
    //: %1: its shortcut, e.g. Ctrl+S
    stopBellButton->setAccessibleDescription(tr("Stops the repeating bell; shortcut %1").arg(stopShortcut));
    auto* soundLayout = new QGridLayout(soundFrame);
    soundLayout->addWidget(soundList, 0, 0, 1, 2);
    soundLayout->addWidget(addSoundButton, 1, 0, 1, 2);
    soundLayout->addWidget(ringNowButton, 2, 0);
    soundLayout->addWidget(stopBellButton, 2, 1);
    tabOrder({soundList, addSoundButton, ringNowButton, stopBellButton});

    soundCardFrame = named(new QGroupBox(window), "soundCardFrame");
    soundCardText = named(new QLabel(soundCardFrame), "soundCardText");
    soundCardText->setWordWrap(true);
    //: Chooses the sound card the bells ring on
    setSoundCardButton = imageButton("setSoundCardButton", tr("Set"), img, QStringLiteral("set.gif"),
                                     QStringLiteral("set1.gif"), QStringLiteral("set2.gif"), window);
    setSoundCardButton->setAccessibleDescription(tr("Chooses the sound card the bells ring on"));
    auto* cardLayout = new QHBoxLayout(soundCardFrame);
    cardLayout->addWidget(soundCardText, 1);
    cardLayout->addWidget(setSoundCardButton);

    connect(ringNowButton, &QPushButton::clicked, this, &SoundsPanel::onRingNowClicked);
    connect(stopBellButton, &QPushButton::clicked, this, &SoundsPanel::onStopBellClicked);
    connect(addSoundButton, &QPushButton::clicked, this, &SoundsPanel::onAddSoundClicked);
    connect(setSoundCardButton, &QPushButton::clicked, this, &SoundsPanel::onSetSoundCardClicked);
    connect(m_services.bells, &BellsClient::cardsChanged, this, &SoundsPanel::showCards);
    connect(m_services.bells, &BellsClient::soundsChanged, this, &SoundsPanel::showSoundList);
}

int SoundsPanel::chosenIndex() const {
    return soundList->selectedItems().isEmpty() ? -1 : soundList->currentRow();
}

void SoundsPanel::chooseStored(int index) {
    if (!corvalin::settings::appliesSoundIndex(soundList->count(), index)) {
        return;
    }
    if (index < 0) {
        soundList->clearSelection();
        soundList->setCurrentRow(-1);
    } else {
        soundList->setCurrentRow(index);
    }
}

void SoundsPanel::showStopBell(bool repeating) {
    stopBellButton->setVisible(repeating);
}

void SoundsPanel::showStoredCard() {
    m_soundCardIndex = m_services.store->loadSoundCard();
    showSoundCard();
}

void SoundsPanel::lock(bool locked) {
    lockButton(setSoundCardButton, locked);
    soundList->setEnabled(!locked);
}

QString SoundsPanel::selectedSound() const {
    const auto selected = soundList->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

// The list last told at once; the folder is read again, and the list shown again when it changed.
void SoundsPanel::fillSoundList() {
    showSoundList();
    m_services.bells->refreshSoundsNow();
}

void SoundsPanel::showSoundList() {
    const QString selected = selectedSound();
    soundList->clear();
    soundList->addItems(m_services.bells->sounds());
    // A sound beyond the bounds of a bell keeps its place (a stored choice counts by it), greyed,
    // with the reason it is refused as its tooltip.
    for (int row = 0; row < soundList->count(); ++row) {
        QListWidgetItem* item = soundList->item(row);
        if (const QString why = m_services.bells->soundRefusal(item->text()); !why.isEmpty()) {
            item->setForeground(soundList->palette().brush(QPalette::Disabled, QPalette::Text));
            item->setToolTip(tr("Not a bell sound: %1").arg(why));
        }
    }
    if (!selected.isEmpty()) {
        const auto found = soundList->findItems(selected, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!found.isEmpty()) {
            soundList->setCurrentItem(found.first());
        }
    }
}

bool SoundsPanel::refuseSound(const QString& sound) {
    const QString why = m_services.bells->soundRefusal(sound);
    if (why.isEmpty()) {
        return false;
    }
    m_services.bells->problem(QStringLiteral("%1 cannot be chosen as a bell sound: %2").arg(sound, why));
    return true;
}

void SoundsPanel::onAddSoundClicked() {
    //: The file dialog's filters: keep ";;" and "(*)"
    const QString filter =
        tr("Sounds (%1);;All files (*)").arg(QString::fromStdString(corvalin::sound::bellSoundPatterns()));
    const QString source = m_services.dialogs->openFileName(m_window, tr("Add sound"), filter);
    if (source.isEmpty()) {
        return;
    }
    const QString name = QFileInfo(source).fileName();
    auto refuse = [this, &name](const QString& why) {
        //: %1: a file name; %2: why it was not added
        m_services.dialogs->warning(m_window, tr("%1 was not added: %2.").arg(name, why));
    };
    if (!corvalin::sound::isBellSoundName(name.toStdString())) {
        refuse(tr("a bell sound is a WAV, FLAC, Ogg Vorbis, Opus or MP3 file, named so (%1)")
                   .arg(QString::fromStdString(corvalin::sound::bellSoundPatterns())));
        return;
    }
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        refuse(tr("it cannot be read (%1)").arg(file.errorString()));
        return;
    }
    if (file.size() > kMaxSoundFileBytes) {
        refuse(tr("it is larger than any bell sound"));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() != file.size()) {
        refuse(tr("it cannot be read (%1)").arg(file.errorString()));
        return;
    }
    if (!corvalin::sound::isSound(bytes)) {
        refuse(tr("the file is not a sound that can be played"));
        return;
    }
    if (const QString why = corvalin::sound::refusalOfBytes(bytes); !why.isEmpty()) {
        refuse(why);
        return;
    }
    const QString folder = m_services.soundFolder;
    const QString target = folder + QLatin1Char('/') + name;
    const bool replacing = QFileInfo::exists(target) || m_services.bells->sounds().contains(name);
    if (replacing &&
        m_services.dialogs->message(
            m_window, tr("Add sound"), tr("%1 is already in the sound folder. Replace it?").arg(name),
            Dialogs::Icon::Question, Dialogs::Buttons::YesNo) != Dialogs::Answer::Yes) {
        return;
    }
    // Written whole and renamed into place: a bell never finds half a sound.
    QString why;
    if (!makeFolder(folder)) {
        why = tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder));
    } else if (!replaceWholeFile(target, bytes, &why)) {
        //: %1: why a file could not be written; %2: the file
        why = tr("%1 (%2)").arg(why, QDir::toNativeSeparators(target));
    }
    if (!why.isEmpty()) {
        refuse(tr("it could not be copied: %1").arg(why));
        return;
    }
    // Chosen in the list once the bells have read the folder with it.
    m_services.bells->refreshSoundsNow(this, [this, name] {
        const auto found = soundList->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!found.isEmpty()) {
            soundList->setCurrentItem(found.first());
        }
    });
    m_services.bells->note(replacing ? QStringLiteral("the sound %1 was added in place of the one before").arg(name)
                            : QStringLiteral("the sound %1 was added").arg(name));
}

void SoundsPanel::onRingNowClicked() {
    const QString sound = selectedSound();
    if (sound.isEmpty()) {
        m_services.dialogs->warning(m_window, tr("Select bell sound from [Select bell sound]"));
        return;
    }
    // As from every other face: refused while an alarm signal sounds. A bell that could not be
    // played is on the warning line already, never in a box that waits for a click.
    m_services.commands->run(QStringLiteral("RingNow"), {sound}, CommandRunner::byWindow(), [this, sound](const QString& refusal) {
        if (!refusal.isEmpty() && !refusal.startsWith(sound + QStringLiteral(" could not be played"))) {
            m_services.dialogs->warning(m_window, refusal);
        }
    });
}

void SoundsPanel::onStopBellClicked() {
    m_services.commands->run(QStringLiteral("StopBell"), {}, CommandRunner::byWindow());
}

void SoundsPanel::showSoundCard() {
    soundCardText->setText(m_cardText);
}

void SoundsPanel::showCards(const QStringList& cards, const QStringList& ids, int listed,
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

SndSelect* SoundsPanel::sndSelectWindow() {
    if (!m_sndSelect) {
        m_sndSelect = new SndSelect(m_services.imageFolder, m_window);
        connect(m_sndSelect->SndSet, &QPushButton::clicked, this, [this] {
            const int index = m_sndSelect->ComboSndSound->currentIndex();
            // The card as the list showed it, by its name: the server's list may have moved since.
            const QString name = m_sndSelect->ComboSndSound->currentData().toString();
            // The bells take the card by its name first; the position stored then tells them nothing new.
            m_services.bells->chooseCard(index, name);
            m_services.store->saveSoundCard(index);
            m_soundCardIndex = index;
            m_sndSelect->hide();
            m_cardText = m_sndSelect->ComboSndSound->currentText();
            showSoundCard();
        });
    }
    return m_sndSelect;
}

void SoundsPanel::onSetSoundCardClicked() {
    SndSelect* dialog = sndSelectWindow();
    // The devices as they are now, with the chosen card selected where it lists now.
    dialog->Form_Load(m_cards, m_cardIds, m_soundCardIndex);
    m_services.dialogs->showModal(dialog);
}
