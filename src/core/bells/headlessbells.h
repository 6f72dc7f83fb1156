// The bells of a copy with no window: the bell station over the program folder's stored settings,
// which this copy owns (its store and calendar live on the bell thread with it),
// started as a window copy with "Auto execution" on starts it, whatever that option says, and
// started again with the new settings whenever a settings file changes.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <utility>

#include "core/bells/bellsclient.h"
#include "core/bells/bellstation.h"
#include "core/calendar/schoolcalendar.h"
#include "core/schedule/bellscore.h"
#include "core/schedule/settingsstore.h"

class QFileSystemWatcher;
class QTimer;

class HeadlessBells : public QObject {
    Q_OBJECT
public:
    HeadlessBells(const BellStation::Ports& ports, const ProgramPaths& paths, bool liveTimers = true,
                  QObject* parent = nullptr);
    ~HeadlessBells() override;
    HeadlessBells(const HeadlessBells&) = delete;
    HeadlessBells& operator=(const HeadlessBells&) = delete;

    BellStation& station() { return *m_station; }
    SettingsStore& store() { return m_store; }
    // The faces' way to the bells and the core they share, as in a window copy.
    BellsClient& client() { return *m_client; }
    BellsCore& core() { return *m_core; }
    bool holdsBells() const { return m_holding; }

    // Reads the settings and rings: the bell service runs from now on, going on from `decided`,
    // the last minute another copy decided (a minute key, -1 when there was none), so that a bell
    // due since then rings once.
    void start(qint64 decided = -1);
    // The bells go to a window copy: ringing ends between two ticks and a bell that sounds plays
    // out. The last minute decided here, and whether the service ran.
    std::pair<qint64, bool> release();
    // The bell service stops, by the operator's word: it stays stopped, whatever settings change,
    // until started again.
    void stop();
    // The bell service starts, by the operator's word (see BellsCore::start).
    void startByOperator(BellsClient::Answer answered);
    // A settings file changed: when the stored settings differ from those in use, the bells start
    // again with them, from where they were (a service stopped by stop() only takes them).
    void reload();
    // A followed set-up, imported by this copy's store as the files' owner: the bells stop, take
    // it and go on with it from where they were, as for a change of the files. Error text, or
    // empty when it was imported.
    QString importSetup(const corvalin::setup::Contents& contents);

private:
    // The bells stop (a bell that sounds plays out), `change` has them told the new settings, and
    // they start again from the last minute decided; a service stopped by stop() only takes them.
    void goOnWith(const std::function<void()>& change);
    void watchFiles();
    // The settings as stored told to the bells, and the service started with them, going on from
    // `decided`.
    void startService(qint64 decided);
    QByteArray storedSettings() const;

    QString m_dataFolder;
    SettingsStore m_store;       // this copy's own, on the bell thread
    SchoolCalendar m_calendar;
    std::unique_ptr<BellStation> m_station;
    std::unique_ptr<BellsClient> m_client;
    std::unique_ptr<BellsCore> m_core;
    QFileSystemWatcher* m_watcher;
    QTimer* m_settle;
    QByteArray m_applied;  // the settings files the running bells were started with
    bool m_holding = false;
    bool m_mixerOpen = false;
    bool m_stopped = false;  // by stop()
};
