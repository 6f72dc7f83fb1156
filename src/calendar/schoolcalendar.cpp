// The school calendar.
#include "calendar/schoolcalendar.h"

#include <algorithm>
#include <tuple>

#include "schedule/settingsstore.h"

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
    QString label = text;
    for (QChar& c : label) {
        if (c.category() == QChar::Other_Control) {
            c = QLatin1Char(' ');
        }
    }
    return label.simplified().toStdString();
}

SchoolCalendar::SchoolCalendar(SettingsStore* store, QObject* parent) : QObject(parent), m_store(store) {}

void SchoolCalendar::load() {
    m_exceptions = m_store->loadCalendar();
    loadSubscribed();
    Q_EMIT changed();
}

void SchoolCalendar::loadSubscribed() {
    m_subscriptions = loadSubscriptions(m_store->folder());
    m_subscribed.clear();
    for (const Subscription& s : m_subscriptions) {
        for (auto& e : loadFeedCopy(m_store->folder(), s.address).exceptions) {
            m_subscribed.push_back({s.label, std::move(e)});
        }
    }
    std::stable_sort(m_subscribed.begin(), m_subscribed.end(), [](const Subscribed& a, const Subscribed& b) {
        return std::tie(a.exception.first, a.exception.last) < std::tie(b.exception.first, b.exception.last);
    });
    m_subscribedDays.clear();
    for (const Subscribed& s : m_subscribed) {
        m_subscribedDays.push_back(s.exception);
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
    auto all = m_subscriptions;
    const QString shown = QString::fromStdString(cal::cleanLabel(label));
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
    return feedStateText(loadFeedCopy(m_store->folder(), address), loadFeedProblem(m_store->folder(), address));
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
    const cal::Date date = cal::fromQDate(day);
    if (const auto index = cal::decidingException(m_exceptions, date)) {
        return m_exceptions[*index];
    }
    if (const auto index = cal::decidingException(m_subscribedDays, date)) {
        return m_subscribedDays[*index];
    }
    return std::nullopt;
}

void SchoolCalendar::store() {
    // A save that cannot be written is kept by the store and reported there; the list stays as
    // the operator made it.
    m_store->saveCalendar(m_exceptions);
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

SchoolCalendar::Day SchoolCalendar::day(const QDate& date) {
    Day result;
    result.exception = exceptionOn(date);
    if (!result.exception) {
        return result;
    }
    const int what = result.exception->what;
    if (what == cal::kNoBells) {
        result.replacement = corvalin::settings::TimeList{true, {}};
        return result;
    }
    result.replacement = m_store->loadTemplate(what);
    if (!result.replacement) {
        Q_EMIT problem(QStringLiteral("calendar: %1 asks for templet %2, which has no saved times; "
                                      "%3 rings its own bells")
                           .arg(QString::fromStdString(cal::summaryText(*result.exception)))
                           .arg(what)
                           .arg(date.toString(Qt::ISODate)));
    }
    return result;
}
