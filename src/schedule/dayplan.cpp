// Plans of a day.
#include "schedule/dayplan.h"

#include "schedule/settingsstore.h"

namespace corvalin::dayplan {

interval::IntervalTexts intervalTexts(const settings::IntervalSettings& s) {
    interval::IntervalTexts texts;
    texts.startHour = s.startHour;
    texts.startMinute = s.startMinute;
    texts.exitHour = s.exitHour;
    texts.exitMinute = s.exitMinute;
    texts.work = s.work;
    texts.rest = s.rest;
    texts.preBell1On = s.preBell1On;
    texts.preBell2On = s.preBell2On;
    texts.preBell1 = s.preBell1;
    texts.preBell2 = s.preBell2;
    return texts;
}

ringtable::IntervalPlan intervalPlan(const settings::IntervalSettings& s, int startMinute, int endMinute,
                                     bool noBell) {
    using interval::wholeNumber;
    ringtable::IntervalPlan p;
    p.startMinute = startMinute;
    p.endMinute = endMinute;
    p.work = static_cast<int>(wholeNumber(s.work).value_or(1));
    p.rest = static_cast<int>(wholeNumber(s.rest).value_or(1));
    p.startSound = s.startSound;
    p.endSound = s.endSound;
    p.noBell = noBell;
    p.preBell1On = s.preBell1On;
    p.preBell2On = s.preBell2On;
    p.preBell1 = static_cast<int>(wholeNumber(s.preBell1).value_or(0));
    p.preBell2 = static_cast<int>(wholeNumber(s.preBell2).value_or(0));
    p.preBell1Sound = s.preBell1Sound;
    p.preBell2Sound = s.preBell2Sound;
    return p;
}

}  // namespace corvalin::dayplan

std::variant<BellService::Plan, QString> planForDay(const BellService::Plan& running, SettingsStore& store,
                                                    int day) {
    BellService::Plan plan = running;
    if (plan.applyWeek) {
        return plan;
    }
    if (!plan.interval) {
        const auto list = store.loadDayTimes(day);
        plan.entries = list.entries;
        plan.noBell = list.noBell;
        return plan;
    }
    const auto settings = store.loadDayInterval(day);
    const auto checked = corvalin::interval::checkForStart(corvalin::dayplan::intervalTexts(settings));
    if (checked.message) {
        return QString::fromStdString(*checked.message);
    }
    plan.noBell = settings.noBell;
    plan.intervalPlan =
        corvalin::dayplan::intervalPlan(settings, *checked.startMinute, *checked.endMinute, settings.noBell);
    return plan;
}

std::variant<BellService::Plan, QString> storedPlan(SettingsStore& store, int soundCount, int day) {
    namespace fmt = corvalin::settings;
    const fmt::Options options = store.loadOptions();
    BellService::Plan plan;
    plan.applyWeek = fmt::selectsFirstChoice(options.dayMode);
    plan.interval = fmt::selectsFirstChoice(options.setTimeMode);
    if (!plan.interval) {
        const fmt::TimeList list = plan.applyWeek ? store.loadWeekTimes() : store.loadDayTimes(day);
        if (plan.applyWeek && list.entries.empty()) {
            return QStringLiteral("nothing added time. please add time.");
        }
        plan.entries = list.entries;
        plan.noBell = !plan.applyWeek && list.noBell;
        return plan;
    }
    if (options.soundIndex < 0 || !fmt::appliesSoundIndex(soundCount, options.soundIndex)) {
        return QStringLiteral("Please select bell sound");
    }
    const fmt::IntervalSettings settings = plan.applyWeek ? store.loadWeekInterval() : store.loadDayInterval(day);
    const auto checked = corvalin::interval::checkForStart(corvalin::dayplan::intervalTexts(settings));
    if (checked.message) {
        return QString::fromStdString(*checked.message);
    }
    plan.noBell = !plan.applyWeek && settings.noBell;
    plan.intervalPlan =
        corvalin::dayplan::intervalPlan(settings, *checked.startMinute, *checked.endMinute, plan.noBell);
    return plan;
}
