// The start rule.
#include "engine/schedule/startrule.h"

#include <algorithm>

#include "engine/schedule/intervalcheck.h"
#include "engine/sound/bellrules.h"

namespace corvalin::startrule {

namespace {

std::optional<Refusal> folderRefusal(const SoundFolder& sounds) {
    if (sounds.files.empty()) {
        return Refusal{sounds.name + " folder must over one sound file", true, {}, {}};
    }
    if (!std::all_of(sounds.files.begin(), sounds.files.end(),
                     [](const std::string& name) { return sound::isBellSoundName(name); })) {
        // The window's text breaks the line before the folder; the ring log's line reads on (oneLine).
        std::string message = "Add Only wave file to sound folder. Please, delete non wave file from\n";
        return Refusal{message + sounds.name + ".", true, {}, {}};
    }
    return std::nullopt;
}

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

// The day of the interval settings, with their "No rings", or the check's refusal.
std::variant<ringtable::IntervalPlan, Refusal> intervalDay(const settings::IntervalSettings& s) {
    const auto checked = interval::checkForStart(intervalTexts(s));
    if (checked.message) {
        return Refusal{*checked.message, false, checked.startMinute, checked.endMinute};
    }
    using interval::wholeNumber;
    ringtable::IntervalPlan p;
    p.startMinute = *checked.startMinute;
    p.endMinute = *checked.endMinute;
    p.work = static_cast<int>(wholeNumber(s.work).value_or(1));
    p.rest = static_cast<int>(wholeNumber(s.rest).value_or(1));
    p.startSound = s.startSound;
    p.endSound = s.endSound;
    p.noBell = s.noBell;
    p.preBell1On = s.preBell1On;
    p.preBell2On = s.preBell2On;
    p.preBell1 = static_cast<int>(wholeNumber(s.preBell1).value_or(0));
    p.preBell2 = static_cast<int>(wholeNumber(s.preBell2).value_or(0));
    p.preBell1Sound = s.preBell1Sound;
    p.preBell2Sound = s.preBell2Sound;
    return p;
}

// `plan` in interval mode with the day of `settings`, or the refusal of their checks.
Answer withInterval(Plan plan, const settings::IntervalSettings& settings) {
    auto day = intervalDay(settings);
    if (auto* refusal = std::get_if<Refusal>(&day)) {
        return std::move(*refusal);
    }
    plan.interval = true;
    plan.noBell = settings.noBell;
    plan.intervalPlan = std::move(std::get<ringtable::IntervalPlan>(day));
    return plan;
}

}  // namespace

Answer decideStart(const StartInputs& in) {
    if (auto refusal = folderRefusal(in.sounds)) {
        return std::move(*refusal);
    }
    Plan plan;
    plan.applyWeek = in.applyWeek;
    if (in.interval) {
        if (in.selectedSound < 0 || static_cast<std::size_t>(in.selectedSound) >= in.sounds.files.size()) {
            return Refusal{"Please select bell sound", false, {}, {}};
        }
        return withInterval(std::move(plan), in.intervalSettings);
    }
    if (in.applyWeek && in.times.entries.empty()) {
        return Refusal{"nothing added time. please add time.", false, {}, {}};
    }
    plan.entries = in.times.entries;
    plan.noBell = in.times.noBell;
    return plan;
}

Answer decideDay(const Plan& running, const SoundFolder& sounds, const settings::TimeList& dayTimes,
                 const settings::IntervalSettings& dayInterval) {
    if (auto refusal = folderRefusal(sounds)) {
        return std::move(*refusal);
    }
    if (running.applyWeek) {
        return running;
    }
    if (running.interval) {
        return withInterval(running, dayInterval);
    }
    Plan plan = running;
    plan.entries = dayTimes.entries;
    plan.noBell = dayTimes.noBell;
    return plan;
}

bool startAttempted(const Answer& answer) {
    const auto* refusal = std::get_if<Refusal>(&answer);
    return !refusal || !refusal->soundFolder;
}

std::string oneLine(const std::string& message) {
    std::string line;
    line.reserve(message.size());
    bool broken = false;  // within a run of line breaks, which becomes one blank
    for (const char c : message) {
        const bool isBreak = c == '\r' || c == '\n';
        if (!isBreak) {
            line += c;
        } else if (!broken) {
            line += ' ';
        }
        broken = isBreak;
    }
    return line;
}

}  // namespace corvalin::startrule
