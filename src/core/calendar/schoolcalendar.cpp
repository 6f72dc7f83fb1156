// The school calendar.
#include "core/calendar/schoolcalendar.h"

#include <algorithm>
#include <tuple>

#include "core/schedule/settingsstore.h"

namespace cal = corvalin::calendar;

cal::Date cal::fromQDate(const QDate& date) {
    return cal::Date{std::chrono::year(date.year()), std::chrono::month(static_cast<unsigned>(date.month())),
                     std::chrono::day(static_cast<unsigned>(date.day()))};
}

QDate cal::toQDate(const cal::Date& date) {
    return QDate(static_cast<int>(date.year()), static_cast<int>(unsigned(date.month())),
                 static_cast<int>(unsigned(date.day())));
}

std::string cal::cleanLabel(const QString& text) {
    return outsideText(text, -1).toStdString();
}

namespace {

bool isSchoolDay(const QDate& day) {
    return day.dayOfWeek() <= 5;
}

}  // namespace

cal::FeedSilence cal::feedSilence(std::span<const DateException> feed, std::span<const DateException> handMade,
                                  const QDate& from, int days) {
    // Each day of the range once, marked by whatever covers it.
    std::vector<char> fromFeed(static_cast<std::size_t>(std::max(days, 0)), 0);
    std::vector<char> byHand(fromFeed.size(), 0);
    const QDate end = from.addDays(days - 1);
    auto mark = [&](std::span<const DateException> exceptions, std::vector<char>& days) {
        for (const auto& e : exceptions) {
            const QDate first = std::max(toQDate(e.first), from);
            const QDate last = std::min(toQDate(e.last), end);
            for (qint64 i = from.daysTo(first); i <= from.daysTo(last); ++i) {
                days[static_cast<std::size_t>(i)] = 1;
            }
        }
    };
    mark(feed, fromFeed);
    mark(handMade, byHand);
    FeedSilence silence;
    int run = 0;
    QDate runFirst;
    for (int i = 0; i < days; ++i) {
        const QDate day = from.addDays(i);
        if (!isSchoolDay(day)) {
            continue;
        }
        const auto at = static_cast<std::size_t>(i);
        if (!fromFeed[at] || byHand[at]) {
            run = 0;
            continue;
        }
        ++silence.schoolDays;
        if (run++ == 0) {
            runFirst = day;
        }
        if (run > silence.longestRun) {
            silence.longestRun = run;
            silence.runFirst = runFirst;
            silence.runLast = day;
        }
    }
    if (silence.longestRun > 0) {
        if (const auto index = decidingException(feed, fromQDate(silence.runFirst))) {
            silence.runEvent = QString::fromStdString(feed[*index].label);
        }
    }
    return silence;
}

std::optional<QString> cal::silencedBy(std::span<const DateException> feed, std::span<const DateException> handMade,
                                       const QDate& day) {
    if (!day.isValid() || !isSchoolDay(day) || decidingException(handMade, fromQDate(day))) {
        return std::nullopt;
    }
    if (const auto index = decidingException(feed, fromQDate(day))) {
        return QString::fromStdString(feed[*index].label);
    }
    return std::nullopt;
}

QString cal::silenceText(const FeedSilence& silence) {
    if (silence.schoolDays == 0) {
        return QString();
    }
    return QStringLiteral("silences %1 school %2 (%3 in a row from %4, \"%5\")")
        .arg(silence.schoolDays)
        .arg(silence.schoolDays == 1 ? QStringLiteral("day") : QStringLiteral("days"))
        .arg(silence.longestRun)
        .arg(silence.runFirst.toString(Qt::ISODate), silence.runEvent);
}

SchoolCalendar::SchoolCalendar(SettingsStore* store, QObject* parent) : QObject(parent), m_store(store) {}

void SchoolCalendar::load() {
    m_exceptions = m_store->loadCalendar();
    loadSubscribed();
    Q_EMIT changed();
}

void SchoolCalendar::loadSubscribed() {
    QString why;
    m_subscriptions = loadSubscriptions(m_store->folder(), &why);
    m_store->reportUnread(QLatin1String(kSubscriptionsFile), why);
    struct From {
        Subscribed day;
        std::size_t subscription;
    };
    std::vector<From> all;
    for (std::size_t i = 0; i < m_subscriptions.size(); ++i) {
        for (auto& e : loadFeedCopy(m_store->folder(), m_subscriptions[i].address).exceptions) {
            all.push_back({{m_subscriptions[i].label, std::move(e)}, i});
        }
    }
    std::stable_sort(all.begin(), all.end(), [](const From& a, const From& b) {
        return std::tie(a.day.exception.first, a.day.exception.last) <
               std::tie(b.day.exception.first, b.day.exception.last);
    });
    m_subscribed.clear();
    m_subscribedFrom.clear();
    m_subscribedDays.clear();
    for (From& f : all) {
        cal::DateException named = f.day.exception;
        named.label = cal::cleanLabel(QStringLiteral("%1 (subscribed: %2)")
                                          .arg(QString::fromStdString(f.day.exception.label), f.day.subscription));
        m_subscribedDays.push_back(std::move(named));
        m_subscribed.push_back(std::move(f.day));
        m_subscribedFrom.push_back(f.subscription);
    }
    judgeSilences();
}

void SchoolCalendar::judgeSilences() {
    m_silences.clear();
    const QDate today = QDate::currentDate();
    for (std::size_t i = 0; i < m_subscriptions.size(); ++i) {
        std::vector<cal::DateException> feed;
        for (std::size_t k = 0; k < m_subscribed.size(); ++k) {
            if (m_subscribedFrom[k] == i) {
                feed.push_back(m_subscribed[k].exception);
            }
        }
        m_silences.push_back(cal::silenceText(cal::feedSilence(feed, m_exceptions, today)));
    }
}

QString SchoolCalendar::subscribe(const QString& address, const QString& label) {
    const QString clean = cleanAddress(address);
    if (clean.isEmpty()) {
        QString why;
        feedUrl(address, &why);
        return why;
    }
    m_subscriptions = loadSubscriptions(m_store->folder());
    for (const Subscription& s : m_subscriptions) {
        if (s.address == clean) {
            return QStringLiteral("the calendar already subscribes to %1 (%2)").arg(clean, s.label);
        }
    }
    if (m_subscriptions.size() >= kMostSubscriptions) {
        return QStringLiteral("the calendar follows %1 subscriptions already, the most it takes").arg(kMostSubscriptions);
    }
    auto all = m_subscriptions;
    const QString shown = outsideText(label);
    all.push_back({clean, shown.isEmpty() ? QUrl(clean).host() : shown});
    QString why;
    if (!saveSubscriptions(m_store->folder(), all, &why)) {
        return QStringLiteral("the subscription could not be saved (%1)").arg(why);
    }
    load();
    return QString();
}

QString SchoolCalendar::subscriptionState(std::size_t index) const {
    if (index >= m_subscriptions.size()) {
        return QString();
    }
    const QString& address = m_subscriptions[index].address;
    QString state = feedStateText(loadFeedCopy(m_store->folder(), address), loadFeedProblem(m_store->folder(), address));
    if (index < m_silences.size() && !m_silences[index].isEmpty()) {
        state += QStringLiteral("; ") + m_silences[index];
    }
    return state;
}

bool SchoolCalendar::unsubscribe(std::size_t index) {
    if (index >= m_subscriptions.size()) {
        return false;
    }
    auto all = m_subscriptions;
    const QString address = all[index].address;
    all.erase(all.begin() + static_cast<std::ptrdiff_t>(index));
    QString why;
    if (!saveSubscriptions(m_store->folder(), all, &why)) {
        Q_EMIT problem(QStringLiteral("the subscription could not be ended: %1").arg(why));
        return false;
    }
    removeFeedCopy(m_store->folder(), address);
    load();
    return true;
}

std::optional<cal::DateException> SchoolCalendar::exceptionOn(const QDate& day) const {
    if (!day.isValid()) {
        return std::nullopt;
    }
    return cal::decidingDay(m_exceptions, m_subscribedDays, cal::fromQDate(day));
}

void SchoolCalendar::store() {
    // A save that cannot be written is kept by the store and reported there; the list stays as
    // the operator made it.
    m_store->saveCalendar(m_exceptions);
    judgeSilences();  // what the feeds silence depends on the days made by hand
    Q_EMIT changed();
}

bool SchoolCalendar::add(const cal::DateException& exception) {
    if (!cal::isValid(exception) || cal::containsDuplicate(m_exceptions, exception)) {
        return false;
    }
    m_exceptions.push_back(exception);
    cal::sortExceptions(m_exceptions);
    store();
    return true;
}

bool SchoolCalendar::change(std::size_t index, const cal::DateException& exception) {
    if (index >= m_exceptions.size() || !cal::isValid(exception)) {
        return false;
    }
    for (std::size_t i = 0; i < m_exceptions.size(); ++i) {
        if (i != index && cal::isDuplicate(m_exceptions[i], exception)) {
            return false;
        }
    }
    m_exceptions[index] = exception;
    cal::sortExceptions(m_exceptions);
    store();
    return true;
}

bool SchoolCalendar::remove(std::size_t index) {
    if (index >= m_exceptions.size()) {
        return false;
    }
    m_exceptions.erase(m_exceptions.begin() + static_cast<std::ptrdiff_t>(index));
    store();
    return true;
}

int SchoolCalendar::addAll(const std::vector<cal::DateException>& exceptions) {
    int added = 0;
    for (const auto& exception : exceptions) {
        if (cal::isValid(exception) && !cal::containsDuplicate(m_exceptions, exception)) {
            m_exceptions.push_back(exception);
            ++added;
        }
    }
    if (added > 0) {
        cal::sortExceptions(m_exceptions);
        store();
    }
    return added;
}

corvalin::settings::StoredDays storedDays(SettingsStore& store, const SchoolCalendar& calendar) {
    corvalin::settings::StoredDays days;
    for (int day = 1; day <= 7; ++day) {
        const auto at = static_cast<std::size_t>(day - 1);
        days.dayTimes[at] = store.loadDayTimes(day);
        days.dayIntervals[at] = store.loadDayInterval(day);
    }
    for (int k = 1; k <= cal::kLastTemplate; ++k) {
        days.templates[static_cast<std::size_t>(k - 1)] = store.loadTemplate(k);
    }
    days.handMade = calendar.exceptions();
    days.subscribed = calendar.subscribedDays();
    return days;
}
