// The one way from the windows, the tray and the command line to the bells. It lives on the
// window's thread; what it is asked goes to the bell thread as a queued call with plain values,
// and what the bell thread reports comes back as its signals, queued to the window's thread. No
// window holds anything of the bell thread but this.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "core/bells/bellsstatus.h"
#include "engine/schedule/alarmsignals.h"
#include "engine/schedule/bellsettings.h"
#include "engine/schedule/startrule.h"
#include "engine/schedule/storeddays.h"
#include "engine/schedule/todaychanges.h"

class BellStation;
class CalendarFeeds;
class InstanceGuard;

class BellsClient : public QObject {
    Q_OBJECT
public:
    // What the instance guard found when the program started: the running copies (this one
    // included; 0 when it cannot tell) and why it cannot tell.
    struct GuardAtStart {
        int copies = 1;
        QString problem;
    };

    // What the bells hold that the window shows at once: the sound list, today's changes, the
    // alarm signal, the running service and its next bell.
    struct Told {
        QStringList sounds;
        QStringList soundRefusals;  // for each of sounds
        QStringList todayChanges;
        QString alarm;
        bool running = false;
        int nextMinute = -1;
        QString nextSound;
    };
    // Read on the bell thread, where the station lives.
    static Told told(const BellStation& station);

    // Made by the composition root, on the window's thread, once the station runs on its own, with
    // what the bells held when it read them there (`atStart`); what changed since comes after.
    // The guard (none in a copy that needs none) lives on the bell thread with the station.
    // Nothing here waits for the bell thread, the destructor neither: what is still queued there
    // for the client is dropped once it is gone.
    BellsClient(BellStation* station, InstanceGuard* guard, GuardAtStart guardAtStart, Told atStart,
                QObject* parent = nullptr);
    // With nothing read before: the values come as soon as the bells tell them (at once when they
    // run on this thread).
    BellsClient(BellStation* station, InstanceGuard* guard, GuardAtStart guardAtStart, QObject* parent = nullptr);
    ~BellsClient() override;
    BellsClient(const BellsClient&) = delete;
    BellsClient& operator=(const BellsClient&) = delete;

    // --- The bell service ---
    // Start-up: the bells' clock takes the current minute and day as seen.
    void resetClock();
    // The settings the bells go by, as stored (see BellsCore, which alone sends them).
    void setSettings(corvalin::settings::BellSettings settings);
    using Answer = std::function<void(const QString& refusal)>;
    // The service starts with the settings last set, by the start rule (see BellStation::start);
    // answered with the reason it did not, which goes to the ring log too with `logRefusal`.
    void start(Answer answered, bool logRefusal);
    void stopService();
    // The next bell is told again (nextBellChanged).
    void askNextBell();
    // The bells go on where a copy that rang before left off: the last minute it decided.
    void continueFrom(qint64 decided);

    // --- Sound ---
    void openMixer();
    // Rings `sound` now, as the ring-now button does.
    void ringNow(const QString& sound);
    // The same, answered with the reason it did not sound (see BellStation::ringNow).
    void ringNow(const QString& sound, Answer answered);
    // Stops what sounds: the alarm signal when one does (the ring log names `by`), else the bell.
    void stopBell(const QString& by = QStringLiteral("the window"), Answer answered = {});
    // The dedicated card as chosen now, at its position in the list and by its name on the server.
    void chooseCard(int index, const QString& name);
    void unmuteDefault();

    // --- The sound folder, as the bells list it (the window keeps the last list told) ---
    // The folder is read again on the bell thread, and the list told (soundsChanged) when it
    // changed; then `then` runs on this thread, unless `context` is gone by then. What the operator
    // just did to the folder counts for what is done in `then`.
    void refreshSoundsNow(QObject* context = nullptr, std::function<void()> then = {});
    const QStringList& sounds() const { return m_sounds; }
    // Why that sound is refused as a bell, as last told; empty when it is not.
    QString soundRefusal(const QString& name) const;

    // --- Today's changes (gone by themselves at midnight) ---
    // Each is answered on this thread with the reason it was refused, empty when it was made.
    void changeToday(const corvalin::today::Change& change, Answer answered = {});
    void skipNextBell(const QString& by, Answer answered = {});
    // The change at `index` (as todayChanges() lists them), or all of them with -1.
    void undoToday(int index, const QString& by, Answer answered = {});
    // Today's changes as last told, each said in a line, in the order they were made.
    const QStringList& todayChanges() const { return m_todayChanges; }

    // --- Alarm signals ---
    // The signal that sounded when the copy that rang before ended sounds again (see
    // BellStation::resumeAlarm); once the signals are set.
    void resumeAlarm();
    // Each is answered on this thread with the reason it was refused, empty when it was done.
    void startAlarm(const QString& name, const QString& by, Answer answered = {});
    void stopAlarm(const QString& by, Answer answered = {});
    // The alarm signal that sounds, as last told; empty when none does.
    const QString& alarm() const { return m_alarm; }

    // Whether the set-up may change under the bells now: answered with the reason it may not
    // (a bell or an alarm signal sounds, a bell is due within `seconds`), empty when it may.
    void askQuiet(int seconds, Answer answered);

    // --- What the bells last told, for a status ---
    bool isRunning() const { return m_running; }
    // The next bell as last told while the service runs: its minute of the day (-1: none left
    // today, "NEXT DAY") and sound.
    int nextBellMinute() const { return m_nextMinute; }
    const QString& nextBellSound() const { return m_nextSound; }
    // What the bells do, read on the bell thread when it is asked and answered on this thread.
    void askStatus(std::function<void(const BellsStatus&)> answered);
    // The problems still open: those that last, and the last few of a moment, each "hh:mm text".
    QStringList openProblems() const;
    // The same as told, oldest first; each told anew has a higher number than any before it.
    struct Problem {
        QDateTime at;
        QString text;
        QString topic;  // empty for one of a moment
        quint64 number = 0;
    };
    const QList<Problem>& problems() const { return m_problems; }

    // --- The ring log ---
    void note(const QString& text);
    void problem(const QString& text);
    void lastingProblem(const QString& topic, const QString& text);
    void endProblem(const QString& topic, const QString& text = QString());
    // The problems still open are told again (problemReported), so that a window made later shows them.
    void askOpenProblems();

    // --- Calendar feeds (fetched on a thread of their own) ---
    bool hasFeeds() const { return m_hasFeeds; }
    void refreshAllFeeds();

    // --- The one running copy ---
    const GuardAtStart& guardAtStart() const { return m_guardAtStart; }
    // Tells the copy that runs to show its window (this copy then ends; the call is made on the
    // bell thread before the station ends).
    void showFirstCopy();
    // This copy ends: its bells stop, a copy with no window that waits takes them over, and the
    // ring log says which.
    void end();

Q_SIGNALS:
    void runningChanged(bool running);
    // The service started: the "Today Bells" lines of the day it rings.
    void started(const QStringList& todayBells);
    // The minute of the day of each of today's lines, with what today's changes made of each
    // ("skipped", "moved from 10:50", "added", or empty) and the sound each rings (empty for a
    // skipped one), after every start.
    void todayListed(const QList<int>& minutes, const QStringList& marks, const QStringList& sounds);
    // Today's changes, in the order they were made, each said in a line ("10:50 skipped today").
    void todayChangesTold(const QStringList& changes);
    // The next bell: its minute of the day, -1 for none left today ("NEXT DAY"), and its sound.
    void nextBellChanged(int minuteOfDay, const QString& sound);
    // The next bell that really rings today changed: its minute of the day and sound, or -1 for
    // none (see BellService::nextRing).
    void nextRingChanged(int minuteOfDay, const QString& sound);
    // The service started again by itself for a new day or a changed calendar.
    void dayStartedAgain();
    // The time server failed too often: the warning window is due.
    void syncErrorDue();
    // An alarm signal began to sound, or ended (an empty name).
    void alarmChanged(const QString& name);
    // A bell rang: "10:50 school-bell.wav", or "10:52 school-bell.wav (ring now)" (LastBell::said).
    void bellRung(const QString& what);
    // The cards that can be chosen, their server names, where the chosen one lists and its text.
    void cardsChanged(const QStringList& selectable, const QStringList& ids, int listed, const QString& chosen);
    void problemReported(const QDateTime& at, const QString& text, const QString& topic);
    void problemEnded(const QDateTime& at, const QString& topic);
    // A subscribed calendar's copy changed; a fetch ended, well or not.
    void feedsUpdated();
    void feedFetched();
    // Another copy of this user asked this one to show its window.
    void showRequested();
    // The sound folder's list changed (sounds()).
    void soundsChanged();
    // The chosen card's name on the server, for the settings to keep beside its position.
    void cardNamed(int index, const QString& name, const QString& description);

private:
    // Runs `work` on the bell thread, after everything asked before; at once when the bells run on
    // this thread (the window tests).
    template <typename Work>
    void onBells(Work&& work);
    // What the bells told, taken in; each value that changed is told on (its signal).
    void take(const Told& now);
    void takeSounds(const QStringList& files, const QStringList& refusals);

    BellStation* m_station;
    InstanceGuard* m_guard;
    GuardAtStart m_guardAtStart;
    bool m_hasFeeds = false;
    QStringList m_sounds;
    QStringList m_soundRefusals;  // for each of m_sounds
    QStringList m_todayChanges;
    QString m_alarm;
    bool m_running = false;
    int m_nextMinute = -1;
    QString m_nextSound;
    QList<Problem> m_problems;  // oldest first
    quint64 m_problemsTold = 0;
};
