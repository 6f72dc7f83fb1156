// Ringing bells.
#include "sound/ringer.h"

#include "base/timing.h"
#include "base/windowtimer.h"
#include "sound/soundlibrary.h"

Ringer::Ringer(BellOutput* output, Mixer* mixer, SoundLibrary* library, bool liveTimers, QObject* parent)
    : QObject(parent),
      m_output(output),
      m_library(library),
      m_soundControl(mixer),
      m_muteTimer(new WindowTimer(1000, liveTimers, this)) {
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
        Q_EMIT problem(QStringLiteral("the bell on %1 stopped: %2").arg(deviceDescription(), reason));
    });
}

void Ringer::openMixer() {
    m_soundControl.InitMixerControls(0);
    unmute();
}

void Ringer::mute() { m_soundControl.SetMixerControl(sound_control::kMasterMute, -1); }

void Ringer::unmute() { m_soundControl.SetMixerControl(sound_control::kMasterMute, 0); }

int Ringer::IsBellInFilebox(const QString& soundName) const { return m_library->files().contains(soundName) ? 1 : 0; }

void Ringer::measure(const QString& path, BellKind kind) {
    const auto length = m_output->lengthMs(path);
    m_bellSeconds = corvalin::sound::bellSeconds(length ? std::optional<long long>(*length) : std::nullopt, kind);
}

void Ringer::armMuteEnd(BellKind kind) {
    // A repeating scheduled bell keeps the default card muted until it is stopped.
    if (kind == BellKind::Manual || !m_repeat) {
        m_muteTicks = 1;
        m_muteTimer->setEnabled(true);
    }
}

void Ringer::RingBell(const QString& soundName, BellKind kind) {
    const bool scheduled = kind == BellKind::Scheduled;
    if (!scheduled && m_muteDefault) {
        mute();
    }
    m_output->stop();

    auto play = [this](const QString& file) { return m_output->play(deviceId(), m_library->path(file), m_repeat); };
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
        Q_EMIT problem(scheduled ? QStringLiteral("the bell %1 was not rung: no sound of %2 could be played on %3")
                                       .arg(soundName, m_library->folder(), deviceDescription())
                                 : QStringLiteral("%1 could not be played on %2").arg(soundName, deviceDescription()));
        return;
    }
    if (played != soundName) {
        Q_EMIT problem(QStringLiteral("%1 could not be played (missing, unreadable or not a sound); %2 was rung instead")
                           .arg(soundName, played));
    }
    Q_EMIT rang(scheduled, played, deviceDescription());
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
    const QString device = deviceId();
    for (const QString& file : scheduledCandidates(soundName)) {
        if (m_output->prepare(device, m_library->path(file), m_repeat)) {
            return;
        }
    }
}

void Ringer::dropPrepared() { m_output->dropPrepared(); }

void Ringer::StopBell() {
    m_output->dropPrepared();
    m_output->stop();
    unmute();
    m_muteTimer->setEnabled(false);
}

void Ringer::silence() { m_output->stop(); }

void Ringer::sound_zero_count_Timer() {
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

void Ringer::publishCards() { Q_EMIT cardsChanged(selectableCards(), cardText()); }

QList<OutputDevice> Ringer::devices() const { return m_output->devices(); }

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

QString Ringer::deviceDescription() const {
    const auto list = devices();
    if (list.isEmpty()) {
        return QStringLiteral("Default output");
    }
    return list.at(corvalin::sound::deviceEntry(m_soundCardIndex, static_cast<int>(list.size())) - 1).description;
}

QString Ringer::deviceId() const {
    const auto list = devices();
    const int entry = corvalin::sound::deviceEntry(m_soundCardIndex, static_cast<int>(list.size()));
    return entry == 1 || list.isEmpty() ? QString() : list.at(entry - 1).id;
}
