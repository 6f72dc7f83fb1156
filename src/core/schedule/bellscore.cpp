// The core that the faces of a copy share.
#include "core/schedule/bellscore.h"

#include "core/bells/bellsclient.h"
#include "core/calendar/schoolcalendar.h"
#include "core/schedule/settingsstore.h"

BellsCore::BellsCore(SettingsStore& store, SchoolCalendar& calendar, BellsClient& bells, QObject* parent)
    : QObject(parent), m_store(store), m_calendar(calendar), m_bells(bells) {
    // The problems of the settings files and of the calendar go to the ring log.
    connect(&store, &SettingsStore::problem, this, [this](const QString& text) { m_bells.problem(text); });
    connect(&store, &SettingsStore::lastingProblem, this,
            [this](const QString& topic, const QString& text) { m_bells.lastingProblem(topic, text); });
    connect(&store, &SettingsStore::problemEnded, this,
            [this](const QString& topic, const QString& text) { m_bells.endProblem(topic, text); });
    connect(&calendar, &SchoolCalendar::problem, this, [this](const QString& text) { m_bells.problem(text); });
    auto tellAgain = [this] {
        if (m_told) {
            tell();
        }
    };
    connect(&store, &SettingsStore::written, this, tellAgain);
    connect(&store, &SettingsStore::saveFailed, this, tellAgain);
    connect(&calendar, &SchoolCalendar::changed, this, tellAgain);
    // A set-up imported or followed: every file at once.
    connect(&store, &SettingsStore::replaced, this, &BellsCore::reread);
    // A subscribed calendar brought other days: the calendar reads them, and the bells are told.
    connect(&bells, &BellsClient::feedsUpdated, &calendar, &SchoolCalendar::load);
    // The chosen card's name on the server is kept beside its position, by the files' one writer.
    connect(&bells, &BellsClient::cardNamed, this, [this](int index, const QString& name, const QString& description) {
        m_store.saveSoundCardName({index, name.toStdString(), description.toStdString()});
    });
}

corvalin::settings::BellSettings BellsCore::stored() {
    corvalin::settings::BellSettings settings;
    settings.days = storedDays(m_store, m_calendar);
    settings.weekTimes = m_store.loadWeekTimes();
    settings.weekInterval = m_store.loadWeekInterval();
    settings.options = m_store.loadOptions();
    settings.card = m_store.loadSoundCard();
    settings.cardName = m_store.loadSoundCardName(settings.card);
    settings.booking = m_store.loadExitBooking();
    settings.offsetSeconds = m_store.loadBellOffset();
    settings.alarms = m_store.loadAlarms();
    for (const Subscription& s : m_calendar.subscriptions()) {
        settings.subscriptions.push_back({s.address.toStdString(), s.label.toStdString()});
    }
    return settings;
}

void BellsCore::tell() {
    auto settings = stored();
    if (m_told == settings) {
        return;
    }
    m_told = settings;
    m_bells.setSettings(std::move(settings));
}

const corvalin::settings::BellSettings& BellsCore::told() const {
    static const corvalin::settings::BellSettings none;
    return m_told ? *m_told : none;
}

void BellsCore::reread() {
    m_store.forget();
    m_calendar.load();  // tells the bells when the calendar changed
    tell();
}

void BellsCore::start(Answer answered, bool shownByAsker) {
    tell();
    m_bells.start(std::move(answered), !shownByAsker);
}

void BellsCore::stop() {
    m_bells.stopService();
}
