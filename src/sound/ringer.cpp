// Ringing bells.
#include "sound/ringer.h"

#include "base/clock.h"
#include "base/timing.h"
#include "base/windowtimer.h"
#include "sound/soundlibrary.h"

#include <QTimer>

Ringer::Ringer(BellOutput* output, Mixer* mixer, SoundLibrary* library, bool liveTimers, QObject* parent)
    : QObject(parent),
      m_output(output),
      m_library(library),
      m_soundControl(mixer),
      m_muteTimer(new WindowTimer(1000, liveTimers, this)),
      m_pendingExpiry(new QTimer(this)) {
    m_pendingExpiry->setSingleShot(true);
    connect(m_pendingExpiry, &QTimer::timeout, this, [this] {
        if (m_pending) {
            Q_EMIT problem(
                QStringLiteral("the bell of %1 (%2) was not rung: the sound server could not be reached for "
                               "%3 seconds")
                    .arg(m_pending->minute, m_pending->sound)
                    .arg(kServerWaitMs / 1000));
            m_pending.reset();
        }
    });
    m_muteTimer->setObjectName(QStringLiteral("sound_zero_count"));
    // Enabled from the start: its first tick unmutes a card left muted by an earlier run.
    m_muteTimer->setEnabled(true);
    connect(m_muteTimer, &WindowTimer::timeout, this, &Ringer::sound_zero_count_Timer);
    m_output->setDevicesChangedHandler([this] {
        Q_EMIT devicesChanged();
        publishCards();
    });
    // A bell that started and then failed (its device went away, the sound server dropped).
    m_output->setFailureHandler([this](const QString& reason) {
        Q_EMIT problem(QStringLiteral("the bell on %1 stopped: %2")
                           .arg(m_bellDevice.isEmpty() ? deviceDescription() : m_bellDevice, reason));
    });
    m_output->setConnectionHandler([this](bool reached) { serverReached(reached); });
    // The default card stays muted for the whole sound: it is unmuted when the bell has played out.
    m_output->setFinishedHandler([this] {
        if (m_muteTimer->isEnabled()) {
            unmute();
            m_muteTimer->setEnabled(false);
        }
    });
}

void Ringer::openMixer() {
    m_soundControl.InitMixerControls(0);
    unmute();
}

void Ringer::mute() {
    setMuted(true);
}

void Ringer::unmute() {
    setMuted(false);
}

void Ringer::setMuted(bool muted) {
    m_wantMuted = muted;
    m_soundControl.SetMixerControl(sound_control::kMasterMute, muted ? -1 : 0);
}

void Ringer::serverReached(bool reached) {
    if (reached) {
        // A mute or an unmute sent while the server was away was lost with it: the default card
        // gets what is wanted of it now, so that it is never left muted.
        setMuted(m_wantMuted);
        if (m_pending) {
            ringPending();
        } else if (!m_preparedSound.isEmpty()) {
            prepare(m_preparedSound);  // the one got ready before went with the old connection
        }
    }
    Q_EMIT serverChanged(reached);
}

void Ringer::ringPending() {
    const Pending pending = *m_pending;
    dropPending();
    const qint64 lateMs = m_clock ? m_clock->steadyMs() - pending.dueMs : 0;
    if (lateMs > kServerWaitMs) {
        Q_EMIT problem(
            QStringLiteral("the bell of %1 (%2) was not rung: the sound server could not be reached for "
                           "%3 seconds")
                .arg(pending.minute, pending.sound)
                .arg(kServerWaitMs / 1000));
        return;
    }
    RingBell(pending.sound, BellKind::Scheduled);
    Q_EMIT note(QStringLiteral("the bell of %1 (%2) waited for the sound server and rang %3 s late")
                    .arg(pending.minute, pending.sound)
                    .arg(static_cast<double>(lateMs) / 1000.0, 0, 'f', 1));
}

void Ringer::dropPending() {
    m_pending.reset();
    m_pendingExpiry->stop();
}

int Ringer::IsBellInFilebox(const QString& soundName) const {
    return m_library->files().contains(soundName) ? 1 : 0;
}

void Ringer::measure(const QString& path, BellKind kind) {
    const auto length = m_output->lengthMs(path);
    m_bellSeconds =
        corvalin::sound::bellSeconds(length ? std::optional<long long>(*length) : std::nullopt, kind);
}

void Ringer::armMuteEnd(BellKind kind) {
    // The end of the last bell's mute is not this bell's: a loop rung on the heels of a bell must
    // not be unmuted when that bell would have ended.
    m_muteTimer->setEnabled(false);
    if (m_output->reportsFinish()) {
        // The unmute comes when the sound has played out; a repeating bell, rung now or at its
        // minute, keeps the card muted until it is stopped. The timer only stands by, two
        // seconds past the sound's length, should the end never be told (the server gone).
        if (!m_repeat) {
            m_muteTicks = -2;
            m_muteTimer->setEnabled(true);
        }
        return;
    }
    // A repeating scheduled bell keeps the default card muted until it is stopped.
    if (kind == BellKind::Manual || !m_repeat) {
        m_muteTicks = 1;
        m_muteTimer->setEnabled(true);
    }
}

void Ringer::RingBell(const QString& soundName, BellKind kind) {
    const bool scheduled = kind == BellKind::Scheduled;
    m_preparedSound.clear();
    dropPending();  // a later bell takes the place of one still waiting
    if (!scheduled && m_muteDefault) {
        mute();
    }
    m_output->stop();

    auto play = [this](const QString& file) {
        return m_output->play(deviceId(), m_library->path(file), m_repeat);
    };
    QString played;
    bool playing = false;
    if (scheduled) {
        for (const QString& file : scheduledCandidates(soundName)) {
            if (play(file)) {
                played = file;
                playing = true;
                qCDebug(lcTiming, "bell %s started", qPrintable(file));
                break;
            }
        }
        if (playing && m_muteDefault) {
            mute();
        }
        measure(m_library->path(playing ? played : soundName), kind);
        armMuteEnd(kind);
    } else {
        measure(m_library->path(soundName), kind);
        armMuteEnd(kind);
        played = soundName;
        playing = play(soundName);
    }
    if (!playing) {
        // Nothing sounds: nothing to mute for.
        m_output->stop();
        unmute();
        m_muteTimer->setEnabled(false);
        if (scheduled && m_clock && !m_output->isConnected()) {
            // The server is away (restarting, crashed): the bell waits for it.
            m_pending =
                Pending{soundName, m_clock->steadyMs(), m_clock->now().toString(QStringLiteral("hh:mm"))};
            m_pendingExpiry->start(kServerWaitMs);
            Q_EMIT note(
                QStringLiteral("the bell of %1 (%2) waits for the sound server, which cannot be reached")
                    .arg(m_pending->minute, soundName));
            return;
        }
        Q_EMIT problem(
            scheduled ? QStringLiteral("the bell %1 was not rung: no sound of %2 could be played on %3")
                            .arg(soundName, m_library->folder(), deviceDescription())
                      : QStringLiteral("%1 could not be played on %2").arg(soundName, deviceDescription()));
        return;
    }
    if (played != soundName) {
        Q_EMIT problem(
            QStringLiteral("%1 could not be played (missing, unreadable or not a sound); %2 was rung instead")
                .arg(soundName, played));
    }
    m_bellDevice = deviceDescription();
    Q_EMIT rang(scheduled, played, m_bellDevice);
}

QStringList Ringer::scheduledCandidates(const QString& soundName) const {
    QStringList candidates = m_library->files();
    if (IsBellInFilebox(soundName)) {
        candidates.removeOne(soundName);
        candidates.prepend(soundName);
    }
    return candidates;
}

void Ringer::prepare(const QString& soundName) {
    m_preparedSound = soundName;
    const QString device = deviceId();
    for (const QString& file : scheduledCandidates(soundName)) {
        if (m_output->prepare(device, m_library->path(file), m_repeat)) {
            return;
        }
    }
}

void Ringer::dropPrepared() {
    m_preparedSound.clear();
    m_output->dropPrepared();
}

void Ringer::StopBell() {
    m_preparedSound.clear();
    dropPending();
    m_output->dropPrepared();
    m_output->stop();
    unmute();
    m_muteTimer->setEnabled(false);
}

void Ringer::silence() {
    m_output->stop();
}

void Ringer::sound_zero_count_Timer() {
    if (!m_muteTimer->isEnabled()) {
        return;  // a tick that was on its way when the timer stopped
    }
    if (m_muteTicks == m_bellSeconds) {
        unmute();
        m_muteTimer->setEnabled(false);
    } else {
        ++m_muteTicks;
    }
}

void Ringer::setSoundCardIndex(int index) {
    m_soundCardIndex = index;
    publishCards();
}

void Ringer::publishCards() {
    deviceDescription();  // notes the chosen card's name while the server lists it
    Q_EMIT cardsChanged(selectableCards(), cardText());
}

QList<OutputDevice> Ringer::devices() const {
    return m_output->devices();
}

QStringList Ringer::selectableCards() const {
    const auto list = devices();
    QStringList cards;
    for (int entry = 2; entry <= list.size(); ++entry) {
        cards.append(QString::fromStdString(
            corvalin::sound::cardLabel(list.at(entry - 1).description.toStdString(), entry - 1)));
    }
    return cards;
}

QString Ringer::cardText() const {
    const auto list = devices();
    if (list.isEmpty()) {
        return QString();
    }
    const int entry = corvalin::sound::deviceEntry(m_soundCardIndex, static_cast<int>(list.size()));
    // The default output counts as number 0 in the selection list.
    return QString::fromStdString(
        corvalin::sound::cardLabel(list.at(entry - 1).description.toStdString(), entry - 1));
}

QString Ringer::deviceDescription() {
    const auto list = devices();
    if (list.size() <= 1) {
        // The server lists nothing while it is away: the card is named as it was last listed.
        return m_chosenName.isEmpty() ? QStringLiteral("Default output") : m_chosenName;
    }
    m_chosenName = list.at(corvalin::sound::deviceEntry(m_soundCardIndex, static_cast<int>(list.size())) - 1)
                       .description;
    return m_chosenName;
}

QString Ringer::deviceId() const {
    const auto list = devices();
    const int entry = corvalin::sound::deviceEntry(m_soundCardIndex, static_cast<int>(list.size()));
    return entry == 1 || list.isEmpty() ? QString() : list.at(entry - 1).id;
}
