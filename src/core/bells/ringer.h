// Ringing and stopping bells: the output device of the chosen card, the repeat option, the
// default card's mute while a bell sounds and the timer that ends it, and the fallback sound of a
// scheduled bell whose own sound has left the sound folder.
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "core/ports/belloutput.h"
#include "engine/sound/bellrules.h"
#include "core/bells/linux/sound_control.h"

class Clock;
class Mixer;
class QTimer;
class SoundLibrary;
class SecondTimer;

using corvalin::sound::BellKind;

class Ringer : public QObject {
    Q_OBJECT
public:
    // With `liveTimers` off the mute timer keeps only its enabled state and tests call
    // sound_zero_count_Timer() themselves.
    Ringer(BellOutput* output, Mixer* mixer, SoundLibrary* library, bool liveTimers,
           QObject* parent = nullptr);

    // The clock that times a bell held back while the sound server is away (see RingBell); without
    // one such a bell is not held.
    void setClock(Clock* clock) { m_clock = clock; }
    // How long a scheduled bell waits for a sound server that is away before it counts as not rung.
    static constexpr int kServerWaitMs = 60000;

    // Starts a bell and returns at once; the bell plays on. A scheduled bell always sounds if any
    // sound can: when its own sound is not in the sound folder, or cannot be played (removed,
    // unreadable, not a sound), it rings the first sound of the folder that plays, and says so.
    // A scheduled bell that cannot start because the sound server is away (restarting, crashed)
    // rings as soon as the server is back, if that is within kServerWaitMs of its minute; else it
    // is reported as not rung.
    void RingBell(const QString& soundName, BellKind kind);
    // A scheduled bell is due in a moment: gets the sound it will ring ready on the device, so that
    // RingBell() starts it at once. Nothing sounds until then.
    void prepare(const QString& soundName);
    // The bell got ready by prepare() is not wanted any more.
    void dropPrepared();
    // Stops any bell and ends the mute.
    void StopBell();
    // Cuts the bell off at once, leaving the mute and its timer as they are.
    void silence();
    // --- Alarm signals ---
    // Sounds an alarm signal on the bell card: a bell that sounds stops, a bell made ready or
    // waiting for the sound server goes, and the default card is muted for as long as the signal
    // sounds (unless the signal plays on that card itself). It rings `times` times, or until
    // endAlarm() with 0, and again from the start when the sound server comes back. The reason
    // when it cannot be played; empty when it sounds. While it sounds no bell rings: one rung by
    // hand is refused, and the caller holds the scheduled ones.
    QString soundAlarm(const QString& soundName, int times);
    // Ends the alarm signal and its mute.
    void endAlarm();
    // Whether a bell or an alarm signal sounds now: from its start until it has played out (a
    // repeating bell until it is stopped).
    bool sounding() const;
    // 1 when the name is one of the sound folder's files (letter case counts), else 0.
    int IsBellInFilebox(const QString& soundName) const;
    // One tick of the mute timer: unmutes the default card on the bell's last second.
    void sound_zero_count_Timer();

    // Start-up: opens the default card's mixer and unmutes it.
    void openMixer();
    // Unmutes the default card (service stop, exit).
    void unmute();

    void setRepeat(bool repeat) { m_repeat = repeat; }
    bool repeat() const { return m_repeat; }
    // "No sound at bell": mute the default card while a bell sounds.
    void setMuteDefault(bool mute);
    bool muteDefault() const { return m_muteDefault; }

    // The dedicated card: its position in the selection list as the operator chose it, followed
    // to wherever the card lists now (see setSoundCard); -1 for none.
    int soundCardIndex() const { return m_soundCardIndex; }
    // The stored choice: the card at list position `index` (-1: none), known on the sound server
    // as `name` and described as `description` when it was last seen. The bells follow the name
    // wherever the card lists; a card whose name is not listed is not connected, and the bells
    // ring on the default output until it is back. With no name stored (a data folder from
    // before names were kept) the card at that position is taken and named (cardNamed).
    void setSoundCard(int index, const QString& name, const QString& description);
    // The operator chose the card listed at `index` whose name on the server is `name` (no card:
    // -1 and an empty name); the name is stored through cardNamed.
    void chooseCard(int index, const QString& name);
    // The output devices (entry 1, the default output, first) and the cards that can be chosen
    // (every entry after the first, as "description(n)"), with their names on the server.
    QList<OutputDevice> devices() const;
    QStringList selectableCards() const;
    QStringList selectableIds() const;
    // Where the chosen card is in the selection list now; -1 when none is chosen or it is not
    // connected.
    int listedCard() const;
    // Whether a card is chosen and the sound server, which lists its cards, lists it not.
    bool cardMissing() const;
    // The chosen card as the window names it: "USB Audio(3)"; "USB Audio(2) - not connected"
    // when it is not there; the default output "(0)" when none is chosen.
    QString cardText() const;
    // The device id a bell plays on: the chosen card, or the default output (""), and its name.
    QString deviceId() const;
    QString deviceDescription() const;

    int bellSeconds() const { return m_bellSeconds; }
    SecondTimer* muteTimer() const { return m_muteTimer; }
    sound_control& soundControl() { return m_soundControl; }
    bool isPresent() const { return m_output->isPresent(); }

Q_SIGNALS:
    // The output devices changed (a card plugged in or removed).
    void devicesChanged();
    // The cards that can be chosen, their names on the server, where the chosen one lists now and
    // how the window names it (see selectableCards, selectableIds, listedCard and cardText), after
    // the devices or the choice changed: what the window shows of them.
    void cardsChanged(const QStringList& selectable, const QStringList& ids, int listed,
                      const QString& chosen);
    // The chosen card's name on the server, to be kept beside its position (see setSoundCard and
    // chooseCard); an empty name with -1 when none is chosen.
    void cardNamed(int index, const QString& name, const QString& description);
    // A bell started: the sound that plays and the device it plays on.
    void rang(bool scheduled, const QString& sound, const QString& device);
    // A bell that did not sound as asked.
    void problem(const QString& text);
    // A problem that lasts until problemEnded() with its topic: the bell card is not connected,
    // or "No sound at bell" cannot mute the card the bells ring on.
    void lastingProblem(const QString& topic, const QString& text);
    void problemEnded(const QString& topic, const QString& text);
    // Worth a line of the ring log, and no problem: a bell that waited for the sound server.
    void note(const QString& text);
    // The sound server was lost (false) or reached (true); once for each change.
    void serverChanged(bool reached);
    // A counted alarm signal has rung its times and ended.
    void alarmPlayedOut();

private:
    void mute();
    void setMuted(bool muted);
    // Follows the chosen card to where it lists now, names it when no name is known, says when it
    // goes and comes back, and tells the window.
    void reviewCard();
    // Whether "No sound at bell" is kept from muting the card the bells ring on, said once.
    void reviewMute();
    // The device entry of the chosen card in `list`: 2 and up, 1 for the default output (none
    // chosen), 0 when it is chosen and not listed.
    int chosenEntry(const QList<OutputDevice>& list) const;
    // The chosen card as last seen, "USB Audio(2)".
    QString chosenLabel() const;
    // Whether a bell on this device rings on the card that the mixer mutes.
    bool playsOnMutedCard(const QString& deviceId) const;
    // A new choice: what was said of the last one no longer holds.
    void forgetCardProblems();
    void serverReached(bool reached);
    void ringPending();
    void dropPending();
    void measure(const QString& path, BellKind kind);
    void armMuteEnd(BellKind kind);
    // What a scheduled bell tries, in order: its own sound when the folder has it, then the
    // folder's sounds in list order.
    QStringList scheduledCandidates(const QString& soundName) const;

    BellOutput* m_output;
    SoundLibrary* m_library;
    sound_control m_soundControl;
    SecondTimer* m_muteTimer;
    bool m_repeat = false;
    bool m_muteDefault = false;
    int m_soundCardIndex = -1;
    int m_bellSeconds = 0;
    int m_muteTicks = 0;
    Clock* m_clock = nullptr;
    bool m_wantMuted = false;  // what the default card should be, applied again after a reconnection
    QString m_preparedSound;   // the bell got ready for the coming minute, until it rings or is dropped
    qint64 m_soundsUntilMs = 0;  // the steady clock's count when the bell that sounds has played out
    bool m_soundsLooped = false; // the bell that sounds repeats until it is stopped
    QString m_bellDevice;      // the device the bell that sounds started on, as it was named then
    QString m_cardName;        // the chosen card's name on the server; empty while not known
    QString m_cardDescription;  // and its description, last time the server listed it
    bool m_cardGone = false;    // said to be not connected, until it is back
    bool m_muteKept = false;    // said that "No sound at bell" cannot mute, until it can
    struct Pending {
        QString sound;
        qint64 dueMs;    // the clock's steady count when it was due
        QString minute;  // "hh:mm"
    };
    std::optional<Pending> m_pending;  // a scheduled bell waiting for the sound server
    QTimer* m_pendingExpiry;
    struct Alarm {
        QString sound;
        int times = 0;   // 0: until stopped
        int rounds = 0;  // times started so far
    };
    std::optional<Alarm> m_alarm;  // the alarm signal that sounds
    // Times a round of a counted signal on an output that does not tell when a sound has played out.
    QTimer* m_alarmRound;
    // Starts the next round of the alarm signal; the reason when it cannot.
    QString playAlarmRound();
    void alarmRoundDone();
};
