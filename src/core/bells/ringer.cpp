// Ringing bells.
#include "core/bells/ringer.h"

#include "core/ports/clock.h"
#include "core/base/timing.h"
#include "core/base/secondtimer.h"
#include "core/sound/soundlibrary.h"

#include <QTimer>
#include <algorithm>

namespace {

const QString kCardTopic = QStringLiteral("bell card");
// The bells that rang elsewhere while the card was away: the last one is on the warning line until
// the card is back.
const QString kElsewhereTopic = QStringLiteral("bell rung off the card");
const QString kMuteTopic = QStringLiteral("No sound at bell");

}  // namespace

Ringer::Ringer(BellOutput* output, Mixer* mixer, SoundLibrary* library, bool liveTimers, QObject* parent)
    : QObject(parent),
      m_output(output),
      m_library(library),
      m_soundControl(mixer),
      m_muteTimer(new SecondTimer(1000, liveTimers, this)),
      m_pendingExpiry(new QTimer(this)),
      m_alarmRound(new QTimer(this)) {
    m_alarmRound->setSingleShot(true);
    connect(m_alarmRound, &QTimer::timeout, this, &Ringer::alarmRoundDone);
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
    connect(m_muteTimer, &SecondTimer::timeout, this, &Ringer::sound_zero_count_Timer);
    m_output->setDevicesChangedHandler([this] {
        Q_EMIT devicesChanged();
        reviewCard();
    });
    // A bell that started and then failed (its device went away, the sound server dropped).
    m_output->setFailureHandler([this](const QString& reason) {
        Q_EMIT problem(QStringLiteral("the bell on %1 stopped: %2")
                           .arg(m_bellDevice.isEmpty() ? deviceDescription() : m_bellDevice, reason));
    });
    m_output->setConnectionHandler([this](bool reached) { serverReached(reached); });
    // The default card stays muted for the whole sound: it is unmuted when the bell has played out.
    m_output->setFinishedHandler([this] {
        if (m_alarm) {
            alarmRoundDone();
            return;
        }
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
        reviewCard();
        if (m_alarm) {
            // The signal went with the old connection: it sounds again from the start of a round.
            if (const QString why = playAlarmRound(); !why.isEmpty()) {
                Q_EMIT problem(QStringLiteral("the alarm signal could not sound again: ") + why);
            }
        } else if (m_pending) {
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
    if (m_alarm) {
        // The alarm signal is what must be heard; a scheduled bell is held by the caller.
        if (!scheduled) {
            Q_EMIT problem(QStringLiteral("%1 was not rung: an alarm signal sounds; stop it first").arg(soundName));
        }
        return;
    }
    m_preparedSound.clear();
    dropPending();  // a later bell takes the place of one still waiting
    const QString device = deviceId();
    // The mute silences the default output: a bell that rings there is never muted for.
    const bool muteForBell = m_muteDefault && !playsOnMutedCard(device);
    if (!muteForBell && m_wantMuted) {
        unmute();  // still muted for the bell before
    }
    if (!scheduled && muteForBell) {
        mute();
    }
    m_output->stop();

    auto play = [this, &device](const QString& file) {
        return m_output->play(device, m_library->path(file), m_repeat);
    };
    QString played;
    bool playing = false;
    QString refused;  // why the bell's own sound was refused for what it is, when it was
    if (scheduled) {
        for (const QString& file : scheduledCandidates(soundName)) {
            if (play(file)) {
                played = file;
                playing = true;
                qCDebug(lcTiming, "bell %s started", qPrintable(file));
                break;
            }
            if (file == soundName) {
                refused = m_output->refusal();
            }
        }
        if (playing && muteForBell) {
            mute();
        }
        measure(m_library->path(playing ? played : soundName), kind);
        armMuteEnd(kind);
    } else {
        measure(m_library->path(soundName), kind);
        armMuteEnd(kind);
        played = soundName;
        playing = play(soundName);
        if (!playing) {
            refused = m_output->refusal();
        }
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
        if (!scheduled) {
            Q_EMIT problem(
                refused.isEmpty()
                    ? QStringLiteral("%1 could not be played on %2").arg(soundName, deviceDescription())
                    : QStringLiteral("%1 was not played: %2").arg(soundName, refused));
            return;
        }
        const QString why =
            refused.isEmpty() ? QString() : QStringLiteral(" (%1 was refused: %2)").arg(soundName, refused);
        Q_EMIT problem(QStringLiteral("the bell %1 was not rung: no sound of %2 could be played on %3%4")
                           .arg(soundName, m_library->folder(), deviceDescription(), why));
        return;
    }
    if (played != soundName) {
        // The bell's own sound refused for what it is says why; else it may be any of these.
        Q_EMIT problem(
            refused.isEmpty()
                ? QStringLiteral(
                      "%1 could not be played (missing, unreadable or not a sound); %2 was rung instead")
                      .arg(soundName, played)
                : QStringLiteral("%1 was not rung: %2; %3 was rung instead").arg(soundName, refused, played));
    }
    m_bellDevice = deviceDescription();
    m_soundsLooped = m_repeat;
    m_soundsUntilMs = (m_clock ? m_clock->steadyMs() : 0) + (m_bellSeconds + 1) * 1000LL;
    Q_EMIT rang(scheduled, played, m_bellDevice);
    if (cardMissing()) {
        // Every bell the missing card costs is said, with where it rang instead.
        Q_EMIT lastingProblem(kElsewhereTopic, QStringLiteral("%1 rang on %2, not on the bell card %3, which is not connected%4")
                           .arg(played, m_bellDevice, chosenLabel(),
                                m_muteDefault ? QStringLiteral("; the default output was not muted for it")
                                              : QString()));
    }
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
    if (m_alarm) {
        return;  // the device is the alarm's
    }
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

bool Ringer::sounding() const {
    if (m_alarm) {
        return true;
    }
    if (!m_output->isPresent()) {
        return false;
    }
    return m_soundsLooped || (m_clock && m_clock->steadyMs() < m_soundsUntilMs);
}

void Ringer::StopBell() {
    m_soundsLooped = false;
    m_soundsUntilMs = 0;
    m_alarm.reset();
    m_alarmRound->stop();
    m_preparedSound.clear();
    dropPending();
    m_output->dropPrepared();
    m_output->stop();
    unmute();
    m_muteTimer->setEnabled(false);
}

void Ringer::silence() {
    if (!m_alarm) {
        m_output->stop();
    }
}

QString Ringer::soundAlarm(const QString& soundName, int times) {
    m_preparedSound.clear();
    dropPending();
    m_output->dropPrepared();
    m_output->stop();
    m_muteTimer->setEnabled(false);
    m_alarmRound->stop();
    m_alarm = Alarm{soundName, times, 0};
    const QString why = playAlarmRound();
    if (!why.isEmpty()) {
        endAlarm();
    }
    return why;
}

QString Ringer::playAlarmRound() {
    const QString device = deviceId();
    const QString path = m_library->path(m_alarm->sound);
    const bool loop = m_alarm->times <= 0;
    m_output->stop();
    if (!m_output->play(device, path, loop)) {
        const QString refused = m_output->refusal();
        return refused.isEmpty() ? QStringLiteral("%1 could not be played on %2").arg(m_alarm->sound, deviceDescription())
                                 : QStringLiteral("%1 was not played: %2").arg(m_alarm->sound, refused);
    }
    ++m_alarm->rounds;
    // The default card is silent for the whole signal, whatever "No sound at bell" says.
    setMuted(!playsOnMutedCard(device));
    m_bellDevice = deviceDescription();
    if (!loop && !m_output->reportsFinish()) {
        const auto length = m_output->lengthMs(path);
        m_alarmRound->start(static_cast<int>(std::clamp<qint64>(length.value_or(1000), 100, 10 * 60 * 1000)));
    }
    return {};
}

void Ringer::alarmRoundDone() {
    if (!m_alarm) {
        return;
    }
    if (m_alarm->times > 0 && m_alarm->rounds >= m_alarm->times) {
        endAlarm();
        Q_EMIT alarmPlayedOut();
        return;
    }
    if (const QString why = playAlarmRound(); !why.isEmpty()) {
        endAlarm();
        Q_EMIT problem(QStringLiteral("the alarm signal ended early: ") + why);
        Q_EMIT alarmPlayedOut();
    }
}

void Ringer::endAlarm() {
    m_alarm.reset();
    m_alarmRound->stop();
    m_output->stop();
    unmute();
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

void Ringer::setMuteDefault(bool mute) {
    m_muteDefault = mute;
    reviewMute();
}

void Ringer::forgetCardProblems() {
    if (m_cardGone) {
        m_cardGone = false;
        Q_EMIT problemEnded(kCardTopic, QString());
        Q_EMIT problemEnded(kElsewhereTopic, QString());
    }
}

void Ringer::setSoundCard(int index, const QString& name, const QString& description) {
    const int stored = index < 0 ? -1 : index;
    // The same card read again (the files read once more, or the position just chosen, whose name
    // is not stored yet): it stays where it was followed to.
    const bool same = stored < 0 ? m_soundCardIndex < 0
                                 : name.isEmpty() ? stored == m_soundCardIndex && !m_cardName.isEmpty()
                                                  : name == m_cardName;
    if (!same) {
        forgetCardProblems();
        m_soundCardIndex = stored;
        m_cardName = stored < 0 ? QString() : name;
        m_cardDescription = stored < 0 ? QString() : description;
    }
    reviewCard();
}

void Ringer::chooseCard(int index, const QString& name) {
    forgetCardProblems();
    m_soundCardIndex = index < 0 ? -1 : index;
    m_cardName = m_soundCardIndex < 0 ? QString() : name;
    m_cardDescription.clear();
    for (const OutputDevice& device : devices()) {
        if (!m_cardName.isEmpty() && device.id == m_cardName) {
            m_cardDescription = device.description;
        }
    }
    Q_EMIT cardNamed(m_soundCardIndex, m_cardName, m_cardDescription);
    reviewCard();
}

void Ringer::reviewCard() {
    const auto list = devices();
    // While the server is away it lists nothing: nothing is known of the card then.
    if (m_soundCardIndex >= 0 && m_output->isConnected()) {
        if (m_cardName.isEmpty() && m_soundCardIndex + 2 <= list.size()) {
            // No name kept yet: the card at the chosen position is the one, from now on by its name.
            const OutputDevice& card = list.at(m_soundCardIndex + 1);
            m_cardName = card.id;
            m_cardDescription = card.description;
            Q_EMIT cardNamed(m_soundCardIndex, m_cardName, m_cardDescription);
        }
        const int entry = chosenEntry(list);
        if (entry >= 2) {
            const OutputDevice& card = list.at(entry - 1);
            if (entry - 2 != m_soundCardIndex) {
                Q_EMIT note(QStringLiteral("the bell card %1 is number %2 of the list now, no longer %3: the "
                                           "bells follow it by its name")
                                .arg(card.description)
                                .arg(entry - 1)
                                .arg(m_soundCardIndex + 1));
                m_soundCardIndex = entry - 2;
            }
            if (card.description != m_cardDescription) {
                m_cardDescription = card.description;
                Q_EMIT cardNamed(m_soundCardIndex, m_cardName, m_cardDescription);
            }
            if (m_cardGone) {
                m_cardGone = false;
                Q_EMIT problemEnded(kCardTopic,
                                    QStringLiteral("the bell card %1 is connected again").arg(chosenLabel()));
                Q_EMIT problemEnded(kElsewhereTopic, QString());
            }
        } else if (!m_cardGone) {
            m_cardGone = true;
            Q_EMIT lastingProblem(kCardTopic,
                                  QStringLiteral("the bell card %1 is not connected: the bells ring on the "
                                                 "default output until it is back")
                                      .arg(chosenLabel()));
            if (m_wantMuted && m_output->isPresent()) {
                // The bell that sounds has left the card (onto the default output, or nowhere).
                unmute();
                m_muteTimer->setEnabled(false);
            }
        }
    }
    reviewMute();
    Q_EMIT cardsChanged(selectableCards(), selectableIds(), listedCard(), cardText());
}

void Ringer::reviewMute() {
    if (!m_output->isConnected()) {
        return;
    }
    // A card that is not connected is said on its own, with the bells it costs.
    const bool onMutedCard = !cardMissing() && playsOnMutedCard(deviceId());
    const bool kept = m_muteDefault && onMutedCard;
    if (kept && !m_muteKept) {
        m_muteKept = true;
        Q_EMIT lastingProblem(
            kMuteTopic,
            m_soundCardIndex < 0
                ? QStringLiteral("\"No sound at bell\" does not mute the default output: no bell card is "
                                 "chosen, so the bells ring on it, and muting it would silence them")
                : QStringLiteral("\"No sound at bell\" does not mute the default output: the bell card %1 "
                                 "is the default output, and muting it would silence the bells")
                      .arg(chosenLabel()));
    } else if (!kept && m_muteKept) {
        m_muteKept = false;
        Q_EMIT problemEnded(kMuteTopic, m_muteDefault && !cardMissing()
                                            ? QStringLiteral("\"No sound at bell\" mutes the default output "
                                                             "at bell time again")
                                            : QString());
    }
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

QStringList Ringer::selectableIds() const {
    const auto list = devices();
    QStringList ids;
    for (int entry = 2; entry <= list.size(); ++entry) {
        ids.append(list.at(entry - 1).id);
    }
    return ids;
}

int Ringer::chosenEntry(const QList<OutputDevice>& list) const {
    if (m_soundCardIndex < 0) {
        return 1;
    }
    if (m_cardName.isEmpty()) {
        // Not named yet (the server has not listed it since): by its position.
        return m_soundCardIndex + 2 <= list.size() ? m_soundCardIndex + 2 : 0;
    }
    for (int entry = 2; entry <= list.size(); ++entry) {
        if (list.at(entry - 1).id == m_cardName) {
            return entry;
        }
    }
    return 0;
}

int Ringer::listedCard() const {
    const int entry = chosenEntry(devices());
    return entry >= 2 ? entry - 2 : -1;
}

bool Ringer::cardMissing() const {
    return m_soundCardIndex >= 0 && m_output->isConnected() && chosenEntry(devices()) == 0;
}

QString Ringer::chosenLabel() const {
    const QString name = !m_cardDescription.isEmpty() ? m_cardDescription
                         : !m_cardName.isEmpty()      ? m_cardName
                                                      : QStringLiteral("Sound card");
    return QString::fromStdString(corvalin::sound::cardLabel(name.toStdString(), m_soundCardIndex + 1));
}

bool Ringer::playsOnMutedCard(const QString& deviceId) const {
    return deviceId.isEmpty() || deviceId == m_output->defaultDeviceId();
}

QString Ringer::cardText() const {
    const auto list = devices();
    if (m_soundCardIndex >= 0) {
        const int entry = chosenEntry(list);
        if (entry >= 2) {
            return QString::fromStdString(
                corvalin::sound::cardLabel(list.at(entry - 1).description.toStdString(), entry - 1));
        }
        // Never quietly the default output's name: the card stays named, and said to be missing
        // while the server lists its cards without it.
        return m_output->isConnected() ? chosenLabel() + QStringLiteral(" - not connected") : chosenLabel();
    }
    if (list.isEmpty()) {
        return QString();
    }
    // The default output counts as number 0 in the selection list.
    return QString::fromStdString(corvalin::sound::cardLabel(list.first().description.toStdString(), 0));
}

QString Ringer::deviceDescription() const {
    const auto list = devices();
    if (!m_output->isConnected()) {
        // The server lists nothing while it is away: the card is named as it was last listed.
        return m_soundCardIndex >= 0 && !m_cardDescription.isEmpty() ? m_cardDescription
                                                                     : QStringLiteral("Default output");
    }
    const int entry = chosenEntry(list);
    if (entry >= 2) {
        return list.at(entry - 1).description;
    }
    // The default output, and the card it is now when the server says.
    QString name = list.isEmpty() ? QStringLiteral("Default output") : list.first().description;
    const QString sink = m_output->defaultDeviceId();
    for (int i = 1; i < list.size() && !sink.isEmpty(); ++i) {
        if (list.at(i).id == sink) {
            name += QStringLiteral(" (%1)").arg(list.at(i).description);
        }
    }
    return name;
}

QString Ringer::deviceId() const {
    const auto list = devices();
    const int entry = chosenEntry(list);
    return entry >= 2 ? list.at(entry - 1).id : QString();
}
