// The bells of a copy with no window.
#include "core/bells/headlessbells.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTimer>

#include "core/ports/clock.h"
#include "core/base/ownfiles.h"
#include "core/base/secondtimer.h"
#include "core/base/wholefile.h"
#include "engine/schedule/clocktext.h"
#include "engine/schedule/settingsvalues.h"
#include "engine/schedule/todaychanges.h"

namespace {

// A save renames its new file over the old one; the files of one change settle within this.
constexpr int kSettleMs = 300;

bool isTodayFile(const QString& name) {
    return name == QLatin1String(corvalin::today::kTodayFile.data(),
                                 static_cast<qsizetype>(corvalin::today::kTodayFile.size()));
}

}  // namespace

HeadlessBells::HeadlessBells(const BellStation::Ports& ports, const ProgramPaths& paths, bool liveTimers,
                             QObject* parent)
    : QObject(parent),
      m_dataFolder(paths.dataFolder()),
      m_store(m_dataFolder),
      m_calendar(&m_store),
      m_station(std::make_unique<BellStation>(ports, paths, liveTimers)),
      m_client(std::make_unique<BellsClient>(m_station.get(), nullptr, BellsClient::GuardAtStart{})),
      m_core(std::make_unique<BellsCore>(m_store, m_calendar, *m_client)),
      m_watcher(new QFileSystemWatcher(this)),
      m_settle(new QTimer(this)) {
    // Nothing rings until this copy holds the bells.
    m_station->release();
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleMs);
    connect(m_settle, &QTimer::timeout, this, &HeadlessBells::reload);
    // The folder for files saved anew (renamed over the old ones) or added, the files for changes
    // written into them in place (by hand, say).
    makeFolder(m_dataFolder);
    m_watcher->addPath(m_dataFolder);
    watchFiles();
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_settle, [this] { m_settle->start(); });
    connect(m_watcher, &QFileSystemWatcher::fileChanged, m_settle, [this] { m_settle->start(); });
}

HeadlessBells::~HeadlessBells() = default;

QByteArray HeadlessBells::storedSettings() const {
    QByteArray all;
    const QDir folder(m_dataFolder);
    for (const QFileInfo& info : folder.entryInfoList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name)) {
        if (isTodayFile(info.fileName())) {
            continue;  // the bells' own, and no setting
        }
        all += info.fileName().toUtf8() + '\0';
        // Settings files are small; one that is not (put there by hand), or is no regular file,
        // counts by its size and time, so that no file makes this thread read for long, or wait.
        if (const auto bytes = readWholeFile(info.filePath(), kLargestSettingsFile)) {
            all += *bytes;
        } else {
            all += QByteArray::number(info.size()) + ' ' + QByteArray::number(info.lastModified().toMSecsSinceEpoch());
        }
        all += '\0';
    }
    return all;
}

void HeadlessBells::watchFiles() {
    const QDir folder(m_dataFolder);
    const QStringList watched = m_watcher->files();
    QStringList more;
    for (const QString& name : folder.entryList({QStringLiteral("*.ini")}, QDir::Files)) {
        if (!isTodayFile(name) && !watched.contains(folder.filePath(name))) {
            more << folder.filePath(name);
        }
    }
    if (!more.isEmpty()) {
        m_watcher->addPaths(more);
    }
}

void HeadlessBells::startService(qint64 decided) {
    if (!m_mixerOpen) {
        m_mixerOpen = true;
        m_station->ringer.openMixer();
    }
    m_core->start([station = m_station.get(), decided](const QString& refusal) {
        if (refusal.isEmpty()) {
            station->continueFrom(decided);
        }
    });
}

void HeadlessBells::stop() {
    m_stopped = true;
    m_station->stopService();
}

void HeadlessBells::startByOperator(BellsClient::Answer answered) {
    m_stopped = false;
    m_core->start(std::move(answered));
}

void HeadlessBells::start(qint64 decided) {
    m_holding = true;
    m_stopped = false;
    // The files as they are now are the settings: one that another copy removed (an imported
    // set-up) is not written back from what this copy read before.
    m_applied = storedSettings();
    m_station->loadToday();  // as the copy that rang before left them
    m_station->bells.reset();
    m_core->reread();
    m_station->resumeClock();
    // The default card as this copy wants it, whatever a copy that rang before left it as (one
    // killed during a muted bell cannot unmute it): unmuted, unless a muted bell of this copy's
    // own still plays out, whose end (or stop) unmutes it.
    Ringer& ringer = m_station->ringer;
    const bool ownMutedBell =
        ringer.muteTimer()->isEnabled() || (ringer.repeat() && ringer.muteDefault() && ringer.isPresent());
    if (!ownMutedBell) {
        ringer.unmute();
    }
    startService(decided);
    // An alarm signal that sounded when the copy before ended is not over: it sounds again.
    m_station->resumeAlarm();
}

std::pair<qint64, bool> HeadlessBells::release() {
    m_holding = false;
    const bool running = m_station->bells.isRunning();
    m_station->release();
    return {m_station->decided(), running};
}

void HeadlessBells::reload() {
    watchFiles();
    if (!m_holding) {
        return;
    }
    const QByteArray stored = storedSettings();
    if (stored == m_applied) {
        return;
    }
    m_applied = stored;
    m_station->log.note(
        m_stopped ? QStringLiteral("the settings changed: the bell service, stopped, takes them at its start")
                  : QStringLiteral("the settings changed: the bells start again with them"));
    goOnWith([this] { m_core->reread(); });
}

QString HeadlessBells::importSetup(const corvalin::setup::Contents& contents) {
    QString why;
    // The store says that its files were replaced, and the core tells the bells what they hold.
    auto import = [&] {
        why = m_store.importSetup(contents);
        m_applied = storedSettings();
    };
    if (m_holding) {
        goOnWith(import);
    } else {
        import();
    }
    return why;
}

void HeadlessBells::goOnWith(const std::function<void()>& change) {
    if (m_stopped) {
        change();
        return;
    }
    const qint64 decided = m_station->decided();
    // A bell that sounds plays out; nothing of the current minute rings twice. Stopped and started
    // again at once: those who watch hear of what changed only.
    m_station->bells.stop(false);
    change();
    startService(decided);
    m_station->bells.tellRunning();
}
