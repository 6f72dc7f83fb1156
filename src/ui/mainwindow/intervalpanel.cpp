// The automatic interval's settings.
#include "ui/mainwindow/intervalpanel.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/schedule/intervalcheck.h"
#include "engine/schedule/settingsformat.h"
#include "engine/schedule/settingsvalues.h"
#include "ui/mainwindow/soundspanel.h"
#include "ui/mainwindow/windowstyle.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/imagebutton.h"
#include "ui/widgets/spinner.h"

namespace fmt = corvalin::settings;
using fmt::IntervalField;

IntervalPanel::IntervalPanel(const PanelServices& services, SoundsPanel* sounds, QWidget* window)
    : QObject(window), m_services(services), m_sounds(sounds), m_window(window) {
    buildStartEnd();
    buildIntervalTimes();
    buildBellSounds();
    buildPreBells();

    linkSpinner(startHourSpin, startHourBox, 24, 0);
    linkSpinner(startMinuteSpin, startMinuteBox, 60, 0);
    linkSpinner(endHourSpin, endHourBox, 24, 0);
    linkSpinner(endMinuteSpin, endMinuteBox, 60, 0);
    linkSpinner(workSpin, workMinutesBox, -1, 0);
    linkSpinner(restSpin, restMinutesBox, -1, 0);
    linkSpinner(preBell1Spin, preBell1MinutesBox, 100, 1);
    linkSpinner(preBell2Spin, preBell2MinutesBox, 100, 1);
    connect(startBellSoundButton, &QPushButton::clicked, this, [this] { pickSound(startBellSoundBox); });
    connect(endBellSoundButton, &QPushButton::clicked, this, [this] { pickSound(endBellSoundBox); });
    connect(preBell1SoundButton, &QPushButton::clicked, this, [this] { pickSound(preBell1SoundBox); });
    connect(preBell2SoundButton, &QPushButton::clicked, this, [this] { pickSound(preBell2SoundBox); });
}

ImageButton* IntervalPanel::applyButton(const char* name) {
    //: Takes the sound chosen in the sound list for this bell
    return imageButton(name, tr("Apply"), m_services.imageFolder, QStringLiteral("apply.gif"),
                       QStringLiteral("apply1.gif"), QStringLiteral("apply2.gif"), m_window);
}

QGroupBox* IntervalPanel::buildStartEnd() {
    //: "Set start and end time" (of the day's bells)
    startEndFrame = named(new QGroupBox(tr("Set start  and end time"), m_window), "startEndFrame");
    startHourBox = numberBox("startHourBox", QStringLiteral("5"), 32767, startEndFrame);
    startMinuteBox = numberBox("startMinuteBox", QStringLiteral("0"), 32767, startEndFrame);
    endHourBox = numberBox("endHourBox", QStringLiteral("23"), 32767, startEndFrame);
    endMinuteBox = numberBox("endMinuteBox", QStringLiteral("0"), 32767, startEndFrame);
    startHourSpin = named(new Spinner(0, 24, 5, false, startEndFrame), "startHourSpin");
    startMinuteSpin = named(new Spinner(0, 60, 0, false, startEndFrame), "startMinuteSpin");
    endHourSpin = named(new Spinner(0, 24, 23, false, startEndFrame), "endHourSpin");
    endMinuteSpin = named(new Spinner(0, 60, 0, false, startEndFrame), "endMinuteSpin");
    auto* startEndLayout = new QGridLayout(startEndFrame);
    auto timeRow = [&](int row, const QString& caption, QLineEdit* hour, Spinner* hourSpin, QLineEdit* minute,
                       Spinner* minuteSpin) {
        auto* label = new QLabel(caption, startEndFrame);
        label->setBuddy(hour);
        startEndLayout->addWidget(label, row, 0);
        startEndLayout->addWidget(hour, row, 1);
        startEndLayout->addWidget(hourSpin, row, 2);
        //: Unit after an hour box: hours
        startEndLayout->addWidget(new QLabel(tr("hr"), startEndFrame), row, 3);
        startEndLayout->addWidget(minute, row, 4);
        startEndLayout->addWidget(minuteSpin, row, 5);
        //: Unit after a minute box: minutes
        startEndLayout->addWidget(new QLabel(tr("min"), startEndFrame), row, 6);
    };
    //: Start of the day's bells (a time)
    timeRow(0, tr("Start"), startHourBox, startHourSpin, startMinuteBox, startMinuteSpin);
    //: End of the day's bells (a time)
    timeRow(1, tr("End"), endHourBox, endHourSpin, endMinuteBox, endMinuteSpin);
    startHourBox->setAccessibleName(tr("Start hour"));
    startMinuteBox->setAccessibleName(tr("Start minute"));
    endHourBox->setAccessibleName(tr("End hour"));
    endMinuteBox->setAccessibleName(tr("End minute"));
    for (QLineEdit* box : {startHourBox, startMinuteBox, endHourBox, endMinuteBox}) {
        box->setAccessibleDescription(tr("The Up and Down keys step it"));
    }
    startEndLayout->setColumnStretch(7, 1);
    return startEndFrame;
}

QGroupBox* IntervalPanel::buildIntervalTimes() {
    intervalFrame = named(new QGroupBox(tr("Set time interval"), m_window), "intervalFrame");
    workMinutesBox = numberBox("workMinutesBox", QStringLiteral("50"), 3, intervalFrame);
    restMinutesBox = numberBox("restMinutesBox", QStringLiteral("10"), 3, intervalFrame);
    workSpin = named(new Spinner(1, 300, 50, false, intervalFrame), "workSpin");
    restSpin = named(new Spinner(1, 300, 10, false, intervalFrame), "restSpin");
    auto* intervalLayout = new QGridLayout(intervalFrame);
    //: The length of a lesson
    auto* workLabel = new QLabel(tr("Work time"), intervalFrame);
    //: The length of a break
    auto* restLabel = new QLabel(tr("Rest time"), intervalFrame);
    workLabel->setBuddy(workMinutesBox);
    restLabel->setBuddy(restMinutesBox);
    //: %1: "Work time" or "Rest time"; the box holds minutes
    workMinutesBox->setAccessibleName(tr("%1 in minutes").arg(workLabel->text()));
    //: %1: "Work time" or "Rest time"; the box holds minutes
    restMinutesBox->setAccessibleName(tr("%1 in minutes").arg(restLabel->text()));
    for (QLineEdit* box : {workMinutesBox, restMinutesBox}) {
        box->setAccessibleDescription(tr("The Up and Down keys step it"));
    }
    intervalLayout->addWidget(workLabel, 0, 0);
    intervalLayout->addWidget(workMinutesBox, 0, 1);
    intervalLayout->addWidget(workSpin, 0, 2);
    //: Unit after a minute box: minutes
    intervalLayout->addWidget(new QLabel(tr("min"), intervalFrame), 0, 3);
    intervalLayout->addWidget(restLabel, 1, 0);
    intervalLayout->addWidget(restMinutesBox, 1, 1);
    intervalLayout->addWidget(restSpin, 1, 2);
    //: Unit after a minute box: minutes
    intervalLayout->addWidget(new QLabel(tr("min"), intervalFrame), 1, 3);
    intervalLayout->setColumnStretch(4, 1);
    return intervalFrame;
}

QGroupBox* IntervalPanel::buildBellSounds() {
    bellSoundFrame = named(new QGroupBox(tr("Set start bell sound"), m_window), "bellSoundFrame");
    startBellSoundBox = soundBox("startBellSoundBox", bellSoundFrame);
    endBellSoundBox = soundBox("endBellSoundBox", bellSoundFrame);
    startBellSoundButton = applyButton("startBellSoundButton");
    endBellSoundButton = applyButton("endBellSoundButton");
    auto* bellSoundLayout = new QGridLayout(bellSoundFrame);
    //: The sound of the bell that starts a lesson
    auto* workLabel = new QLabel(tr("Work"), bellSoundFrame);
    //: The sound of the bell that starts a break
    auto* restLabel = new QLabel(tr("Rest"), bellSoundFrame);
    workLabel->setBuddy(startBellSoundBox);
    restLabel->setBuddy(endBellSoundBox);
    startBellSoundBox->setAccessibleName(tr("Sound of the lesson's bell"));
    endBellSoundBox->setAccessibleName(tr("Sound of the break's bell"));
    startBellSoundButton->setAccessibleName(tr("Apply the chosen sound to the lesson's bell"));
    endBellSoundButton->setAccessibleName(tr("Apply the chosen sound to the break's bell"));
    bellSoundLayout->addWidget(workLabel, 0, 0);
    bellSoundLayout->addWidget(startBellSoundBox, 0, 1);
    bellSoundLayout->addWidget(startBellSoundButton, 0, 2);
    bellSoundLayout->addWidget(restLabel, 1, 0);
    bellSoundLayout->addWidget(endBellSoundBox, 1, 1);
    bellSoundLayout->addWidget(endBellSoundButton, 1, 2);
    tabOrder({startBellSoundBox, startBellSoundButton, endBellSoundBox, endBellSoundButton});
    return bellSoundFrame;
}

QGroupBox* IntervalPanel::buildPreBells() {
    preBellFrame = named(
        //: "Pre-bells before and after the bell time (check one, then apply its sound)"
        new QGroupBox(tr("Alarm before and after bell time (After check,Apply sound)"), m_window),
        "preBellFrame");
    //: A pre-bell some minutes after the lesson's bell
    preBell1Box = named(new QCheckBox(tr("Start"), preBellFrame), "preBell1Box");
    preBell1MinutesBox = numberBox("preBell1MinutesBox", QStringLiteral("1"), 32767, preBellFrame);
    preBell1Spin = named(new Spinner(1, 100, 100, false, preBellFrame), "preBell1Spin");
    preBell1SoundBox = soundBox("preBell1SoundBox", preBellFrame);
    preBell1SoundButton = applyButton("preBell1SoundButton");
    //: A pre-bell some minutes before the break's bell
    preBell2Box = named(new QCheckBox(tr("End"), preBellFrame), "preBell2Box");
    preBell2MinutesBox = numberBox("preBell2MinutesBox", QStringLiteral("1"), 32767, preBellFrame);
    preBell2Spin = named(new Spinner(1, 100, 100, false, preBellFrame), "preBell2Spin");
    preBell2SoundBox = soundBox("preBell2SoundBox", preBellFrame);
    preBell2SoundButton = applyButton("preBell2SoundButton");
    auto* preBellLayout = new QGridLayout(preBellFrame);
    preBellLayout->addWidget(preBell1Box, 0, 0);
    preBellLayout->addWidget(preBell1MinutesBox, 0, 1);
    preBellLayout->addWidget(preBell1Spin, 0, 2);
    //: Minutes after the lesson's bell
    preBellLayout->addWidget(new QLabel(tr("min after"), preBellFrame), 0, 3);
    preBellLayout->addWidget(preBell1SoundBox, 0, 4);
    preBellLayout->addWidget(preBell1SoundButton, 0, 5);
    preBellLayout->addWidget(preBell2Box, 1, 0);
    preBellLayout->addWidget(preBell2MinutesBox, 1, 1);
    preBellLayout->addWidget(preBell2Spin, 1, 2);
    //: Minutes before the break's bell
    preBellLayout->addWidget(new QLabel(tr("min before"), preBellFrame), 1, 3);
    preBellLayout->addWidget(preBell2SoundBox, 1, 4);
    preBellLayout->addWidget(preBell2SoundButton, 1, 5);
    preBell1MinutesBox->setAccessibleName(tr("Minutes after the lesson's bell"));
    preBell2MinutesBox->setAccessibleName(tr("Minutes before the break's bell"));
    for (QLineEdit* box : {preBell1MinutesBox, preBell2MinutesBox}) {
        box->setAccessibleDescription(tr("The Up and Down keys step it"));
    }
    preBell1SoundBox->setAccessibleName(tr("Sound of the pre-bell after the lesson's bell"));
    preBell2SoundBox->setAccessibleName(tr("Sound of the pre-bell before the break's bell"));
    preBell1SoundButton->setAccessibleName(
        tr("Apply the chosen sound to the pre-bell after the lesson's bell"));
    preBell2SoundButton->setAccessibleName(
        tr("Apply the chosen sound to the pre-bell before the break's bell"));
    return preBellFrame;
}

void IntervalPanel::placeIn(QBoxLayout* column) {
    // Side by side, so that the panel leaves room for the strips above the body on a screen 768
    // pixels high.
    auto* intervalRow = new QHBoxLayout;
    intervalRow->addWidget(startEndFrame, 3);
    intervalRow->addWidget(intervalFrame, 2);
    column->addLayout(intervalRow);
    column->addWidget(bellSoundFrame);
    column->addWidget(preBellFrame);
}

void IntervalPanel::setShown(bool shown) {
    for (QWidget* w : std::initializer_list<QWidget*>{startEndFrame, intervalFrame, bellSoundFrame, preBellFrame}) {
        w->setVisible(shown);
    }
}

void IntervalPanel::lock(bool locked) {
    for (ImageButton* button : {startBellSoundButton, endBellSoundButton, preBell1SoundButton, preBell2SoundButton}) {
        lockButton(button, locked);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             startHourBox, startMinuteBox, endHourBox, endMinuteBox, workMinutesBox, restMinutesBox,
             startHourSpin, startMinuteSpin, endHourSpin, endMinuteSpin, workSpin, restSpin, preBell1Box,
             preBell1MinutesBox, preBell1SoundBox, preBell2Box, preBell2MinutesBox, preBell2SoundBox, preBell1Spin,
             preBell2Spin, startBellSoundBox, endBellSoundBox}) {
        control->setEnabled(!locked);
    }
}

QWidget* IntervalPanel::control(IntervalField field) const {
    switch (field) {
        case IntervalField::StartHour:
            return startHourBox;
        case IntervalField::StartMinute:
            return startMinuteBox;
        case IntervalField::ExitHour:
            return endHourBox;
        case IntervalField::ExitMinute:
            return endMinuteBox;
        case IntervalField::WorkTime:
            return workMinutesBox;
        case IntervalField::RestTime:
            return restMinutesBox;
        case IntervalField::NoBell:
            return nullptr;  // the day selector's
        case IntervalField::StartBellSound:
            return startBellSoundBox;
        case IntervalField::EndBellSound:
            return endBellSoundBox;
        case IntervalField::PreBell1On:
            return preBell1Box;
        case IntervalField::PreBell1Minutes:
            return preBell1MinutesBox;
        case IntervalField::PreBell1Sound:
            return preBell1SoundBox;
        case IntervalField::PreBell2On:
            return preBell2Box;
        case IntervalField::PreBell2Minutes:
            return preBell2MinutesBox;
        case IntervalField::PreBell2Sound:
            return preBell2SoundBox;
    }
    return nullptr;
}

fmt::IntervalSettings IntervalPanel::settings() const {
    fmt::IntervalSettings s;
    for (const IntervalField field : fmt::intervalLayout(true)) {
        if (field == IntervalField::NoBell) {
            continue;
        }
        if (fmt::isNumberField(field)) {
            s.flag(field) = static_cast<QCheckBox*>(control(field))->isChecked();
        } else {
            s.text(field) = static_cast<QLineEdit*>(control(field))->text().toStdString();
        }
    }
    return s;
}

void IntervalPanel::showSettings(const fmt::IntervalSettings& s, bool dayFile) {
    for (const IntervalField field : fmt::intervalLayout(dayFile)) {
        if (!fmt::isNumberField(field)) {
            static_cast<QLineEdit*>(control(field))->setText(QString::fromStdString(s.text(field)));
        } else if (field != IntervalField::NoBell) {
            static_cast<QCheckBox*>(control(field))->setChecked(s.flag(field));
        }
    }
}

corvalin::interval::IntervalTexts IntervalPanel::texts() const {
    corvalin::interval::IntervalTexts texts;
    texts.startHour = startHourBox->text().toStdString();
    texts.startMinute = startMinuteBox->text().toStdString();
    texts.exitHour = endHourBox->text().toStdString();
    texts.exitMinute = endMinuteBox->text().toStdString();
    texts.work = workMinutesBox->text().toStdString();
    texts.rest = restMinutesBox->text().toStdString();
    texts.preBell1On = preBell1Box->isChecked();
    texts.preBell2On = preBell2Box->isChecked();
    texts.preBell1 = preBell1MinutesBox->text().toStdString();
    texts.preBell2 = preBell2MinutesBox->text().toStdString();
    return texts;
}

bool IntervalPanel::timesPass() {
    const auto result = corvalin::interval::checkTimes(texts());
    if (result.message) {
        m_services.dialogs->warning(m_window, QString::fromStdString(*result.message));
        return false;
    }
    return true;
}

void IntervalPanel::clearBellSounds() {
    startBellSoundBox->clear();
    endBellSoundBox->clear();
}

void IntervalPanel::pickSound(QLineEdit* target) {
    const QString sound = m_sounds->selectedSound();
    if (sound.isEmpty()) {
        m_services.dialogs->warning(m_window, tr("Select bell sound from [Select bell sound]"));
        return;
    }
    if (m_sounds->refuseSound(sound)) {
        return;
    }
    target->setText(sound);
    Q_EMIT edited();
}
