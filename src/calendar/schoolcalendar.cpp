// The school calendar.
#include "calendar/schoolcalendar.h"

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
    Q_EMIT changed();
}

std::optional<cal::DateException> SchoolCalendar::exceptionOn(const QDate& day) const {
    if (!day.isValid()) {
        return std::nullopt;
    }
    const auto index = cal::decidingException(m_exceptions, cal::fromQDate(day));
    if (!index) {
        return std::nullopt;
    }
    return m_exceptions[*index];
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
