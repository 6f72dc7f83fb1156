// The options, the start at logon and the booked power-off.
#include "ui/mainwindow/optionspanel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/bells/bellsclient.h"
#include "core/ports/logonstart.h"
#include "core/schedule/settingsstore.h"
#include "engine/schedule/settingsformat.h"
#include "engine/schedule/settingsvalues.h"
#include "engine/shutdown/bookingcheck.h"
#include "ui/mainwindow/windowstyle.h"
#include "ui/shutdown/isautoexitform.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/imagebutton.h"

namespace fmt = corvalin::settings;

namespace {

// "exit.ini": the file, and the topic under which a damaged one stays on the warning line.
QString exitFileTopic() {
    return QString::fromLatin1(fmt::kExitFile.data(), static_cast<qsizetype>(fmt::kExitFile.size()));
}

}  // namespace

OptionsPanel::OptionsPanel(const PanelServices& services, LogonStart* logonStart, std::function<void()> askAutoMode,
                           std::function<int()> loadPhase, QWidget* window)
    : QGroupBox(window),
      m_services(services),
      m_logonStart(logonStart),
      m_askAutoMode(std::move(askAutoMode)),
      m_loadPhase(std::move(loadPhase)),
      m_window(window) {
    //: Start Corvalin when the computer starts (a user logs on)
    autoStartBox = named(new QCheckBox(tr("Auto execution"), this), "autoStartBox");
    autoStartBox->setToolTip(tr("If you want Corvalin to operate automatically at computer start time."));
    //: Silence the computer's other sounds while a bell rings
    silentBox = named(new QCheckBox(tr("No sound at bell"), this), "silentBox");
    silentBox->setAccessibleDescription(tr("Silences the computer's other sounds while a bell rings"));
    repeatBellBox = named(new QCheckBox(tr("Repeating bell"), this), "repeatBellBox");
    //: "If you click [Stop bell], the bell sound stops."
    repeatBellBox->setToolTip(tr("if you click [Stop Bell], bell sound will be stoped."));
    timeSyncBox = named(new QCheckBox(tr("Internet time"), this), "timeSyncBox");
    //: "It keeps the computer's clock set to the standard time."
    timeSyncBox->setToolTip(tr("At real-time it synchronizes a computer time in standard time."));
    //: "Booked power-off": the computer is switched off at a set time every day
    powerOffBox = named(new QCheckBox(tr("Reservation Exit"), this), "powerOffBox");
    powerOffTimeText = named(new QLabel(this), "powerOffTimeText");
    powerOffBox->setAccessibleDescription(tr("Switches the computer off at a set time every day"));
    auto* optionLayout = new QVBoxLayout(this);
    for (QCheckBox* box : {autoStartBox, silentBox, repeatBellBox, timeSyncBox}) {
        optionLayout->addWidget(box);
    }
    auto* exitRow = new QHBoxLayout;
    exitRow->addWidget(powerOffBox);
    exitRow->addWidget(powerOffTimeText);
    exitRow->addStretch();
    optionLayout->addLayout(exitRow);

    connect(autoStartBox, &QCheckBox::toggled, this, &OptionsPanel::onAutoStartToggled);
    connect(silentBox, &QCheckBox::toggled, this, &OptionsPanel::onSilentToggled);
    connect(repeatBellBox, &QCheckBox::toggled, this, &OptionsPanel::onRepeatBellToggled);
    connect(timeSyncBox, &QCheckBox::toggled, this, &OptionsPanel::onTimeSyncToggled);
    connect(powerOffBox, &QCheckBox::toggled, this, &OptionsPanel::onPowerOffToggled);
}

bool OptionsPanel::autoStart() const {
    return autoStartBox->isChecked();
}

void OptionsPanel::showOptions(const fmt::Options& stored) {
    autoStartBox->setChecked(stored.autoExe == 1);
    silentBox->setChecked(stored.soundZero == 1);
    repeatBellBox->setChecked(stored.bellRepeat == 1);
    timeSyncBox->setChecked(stored.timeSync == 1);
}

void OptionsPanel::fillOptions(fmt::Options& o) const {
    o.autoExe = autoStartBox->isChecked() ? 1 : 0;
    o.soundZero = silentBox->isChecked() ? 1 : 0;
    o.bellRepeat = repeatBellBox->isChecked() ? 1 : 0;
    o.timeSync = timeSyncBox->isChecked() ? 1 : 0;
}

void OptionsPanel::setFollowing(bool following) {
    for (QCheckBox* option : {autoStartBox, silentBox, repeatBellBox, timeSyncBox, powerOffBox}) {
        option->setEnabled(!following);
    }
}

// --- "Auto execution" ---

void OptionsPanel::onAutoStartToggled() {
    if (m_loadPhase() == 2 && autoStartBox->isChecked()) {
        m_askAutoMode();
    }
    Q_EMIT changed();
    if (autoStartBox->isChecked()) {
        enableAutoRun();
    } else {
        disableAutoRun();
    }
}

void OptionsPanel::enableAutoRun() {
    if (!m_logonStart->enable(QCoreApplication::applicationFilePath())) {
        m_services.bells->problem(
            QStringLiteral("the start at logon could not be written; Corvalin will not start "
                           "by itself when a user logs on"));
    } else if (const QString why = m_logonStart->userOnlyReason(); !why.isEmpty()) {
        m_services.bells->problem(
            QStringLiteral("Corvalin starts at logon for this user only, not for every user: %1").arg(why));
    }
}

void OptionsPanel::disableAutoRun() {
    if (!m_logonStart->disable()) {
        m_services.bells->problem(
            QStringLiteral("the start at logon could not be removed; Corvalin may still start "
                           "by itself when a user logs on"));
    }
}

// --- The other options ---

void OptionsPanel::onRepeatBellToggled() {
    Q_EMIT repeatChanged(repeatBellBox->isChecked());
    Q_EMIT changed();
}

void OptionsPanel::onSilentToggled() {
    Q_EMIT changed();
    if (m_loadPhase() == 2 && silentBox->isChecked()) {
        m_services.dialogs->message(
            m_window, QString(),
            //: "This silences the computer's default sound card at bell time, so the computer plays only
            //: Corvalin's bell then. [Korean:] When the bell sound ends the computer's default sound
            //: card is turned on again. [Korean:] A function needed where a computer plays music
            //: (shops such as cafés or convenience stores)."
            tr("Because, this function purge computer default soundcard at bell time, so, "
               "computer lings only Corvalin at bell time."
               "\n\n"
               "벨소리 재생이 끝난 후 컴퓨터 기본 사운드카드를 다시 활성화시킵니다. \n\n"
               "컴퓨터로 음악을 내보내는 곳(카페나 편의점등의 상점)에서 필요한 기능입니다."),
            Dialogs::Icon::None, Dialogs::Buttons::Ok);
    }
}

void OptionsPanel::onTimeSyncToggled() {
    const bool on = timeSyncBox->isChecked();
    Q_EMIT changed();  // and with the options the bells' internet time
    if (m_loadPhase() == 2 && on) {
        m_services.dialogs->message(m_window, QString(),
                                    //: "It uses an internet time server to keep the computer's clock
                                    //: set to the standard time."
                                    tr("It uses the Internet time server, at real-time it "
                                       "synchronizes a computer time in standard time."),
                                    Dialogs::Icon::None, Dialogs::Buttons::Ok);
    }
}

// --- The booked power-off ---

void OptionsPanel::loadBooking() {
    // Off at 00:05 unless exit.ini says otherwise. The box's reaction stores the booking again and
    // arms it.
    const auto booking = m_services.store->loadExitBooking();
    showPowerOffBooking({false, booking.hour, booking.minute});
    powerOffBox->setChecked(booking.on);
    reportDamagedBooking();
}

void OptionsPanel::showStoredBooking() {
    const auto booking = m_services.store->loadExitBooking();
    showPowerOffBooking(booking);
    const QSignalBlocker quiet(powerOffBox);
    powerOffBox->setChecked(booking.on);
}

void OptionsPanel::showPowerOffBooking(const fmt::ExitBooking& booking) {
    //: The booked power-off's time: %1 hours, %2 minutes
    powerOffTimeText->setText(booking.on ? tr("at %1:%2")
                                               .arg(booking.hour, 2, 10, QLatin1Char('0'))
                                               .arg(booking.minute, 2, 10, QLatin1Char('0'))
                                         : QString());
}

// The booking on screen, on the bell thread and in exit.ini, with a line in the ring log for a
// booking or a cancellation. A file written whole is no longer damaged.
void OptionsPanel::saveBooking(const fmt::ExitBooking& booking, const QString& note) {
    showPowerOffBooking(booking);
    if (m_services.store->saveExitBooking(booking)) {
        m_services.bells->endProblem(exitFileTopic());
    }
    if (!note.isEmpty()) {
        m_services.bells->note(note);
    }
}

// An exit.ini that is there but books nothing is said until the file is written whole again: the
// operator meant a power-off, and none will come.
void OptionsPanel::reportDamagedBooking() {
    const QString name = exitFileTopic();
    const auto lines = m_services.store->read(name);
    if (!lines) {
        return;
    }
    std::vector<std::string> raw;
    for (const QString& line : *lines) {
        raw.push_back(line.toStdString());
    }
    const std::string damage = corvalin::shutdown::exitFileDamage(raw);
    if (damage.empty()) {
        return;
    }
    const QString text = QStringLiteral(
                             "%1 is damaged (%2): no power-off is booked; set \"Reservation Exit\" "
                             "to book one")
                             .arg(name, QString::fromStdString(damage));
    m_services.bells->lastingProblem(name, text);
}

void OptionsPanel::onPowerOffToggled() {
    const bool on = powerOffBox->isChecked();
    const auto booked = m_services.store->loadExitBooking();
    const QString at = QStringLiteral("%1:%2")
                           .arg(booked.hour, 2, 10, QLatin1Char('0'))
                           .arg(booked.minute, 2, 10, QLatin1Char('0'));
    if (on && m_loadPhase() == 2) {
        // Nothing is booked until a time is confirmed: the dialog closed any other way leaves the
        // box clear and exit.ini saying off.
        IsAutoExitForm* form = autoExitWindow();
        form->setResult(QDialog::Rejected);
        m_services.dialogs->showModal(form);
        if (form->result() != QDialog::Accepted) {
            const QSignalBlocker quiet(powerOffBox);
            powerOffBox->setChecked(false);
            saveBooking({false, booked.hour, booked.minute}, QString());
        }
        return;
    }
    // Start-up sets the box from exit.ini and writes the same booking back; a cleared box cancels.
    const bool cancelled = booked.on && !on && m_loadPhase() == 2;
    saveBooking({on, booked.hour, booked.minute},
                cancelled ? QStringLiteral("the power-off booked for %1 is cancelled").arg(at) : QString());
}

IsAutoExitForm* OptionsPanel::autoExitWindow() {
    if (!m_autoExit) {
        m_autoExit = new IsAutoExitForm(m_services.imageFolder, m_window);
        connect(m_autoExit->confirmButton, &QPushButton::clicked, this, &OptionsPanel::onPowerOffTimeConfirmed);
    }
    if (!m_autoExit->isLoaded()) {
        const auto booked = m_services.store->loadExitBooking();
        m_autoExit->showBooking(booked.hour, booked.minute);
    }
    return m_autoExit;
}

void OptionsPanel::onPowerOffTimeConfirmed() {
    const auto check =
        corvalin::shutdown::checkBooking(m_autoExit->inputHourBox->text().trimmed().toStdString(),
                                         m_autoExit->inputMinuteBox->text().trimmed().toStdString());
    if (!check.hour) {
        m_services.dialogs->warning(m_autoExit, QString::fromStdString(check.message));
        return;
    }
    const fmt::ExitBooking booking{powerOffBox->isChecked(), *check.hour, *check.minute};
    saveBooking(booking, booking.on ? QStringLiteral("a power-off is booked for %1:%2 every day")
                                          .arg(booking.hour, 2, 10, QLatin1Char('0'))
                                          .arg(booking.minute, 2, 10, QLatin1Char('0'))
                                    : QString());
    m_autoExit->accept();
}
