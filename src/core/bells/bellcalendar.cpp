// The bells' copy of the days they plan from.
#include "core/bells/bellcalendar.h"

#include "core/calendar/schoolcalendar.h"

namespace cal = corvalin::calendar;

std::optional<cal::DateException> BellCalendar::exceptionOn(const QDate& day) const {
    if (!day.isValid()) {
        return std::nullopt;
    }
    return cal::decidingDay(m_days.handMade, m_days.subscribed, cal::fromQDate(day));
}

BellCalendar::Day BellCalendar::day(const QDate& date) {
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
    result.replacement = templet(what);
    if (!result.replacement) {
        Q_EMIT problem(QStringLiteral("calendar: %1 asks for templet %2, which has no saved times; "
                                      "%3 rings its own bells")
                           .arg(QString::fromStdString(cal::summaryText(*result.exception)))
                           .arg(what)
                           .arg(date.toString(Qt::ISODate)));
    }
    return result;
}

std::optional<corvalin::settings::TimeList> BellCalendar::templet(int k) const {
    if (k < 1 || k > cal::kLastTemplate) {
        return std::nullopt;
    }
    return m_days.templates[static_cast<std::size_t>(k - 1)];
}
