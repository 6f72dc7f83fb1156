// The options of the main window: "Auto execution" (start at logon), "No sound at bell",
// "Repeating bell", "Internet time" and "Reservation Exit" (the booked power-off, with its time
// beside it). Each change is stored at once with the other options (changed()); the booked power-off
// is kept in its own file.
#pragma once

#include <QGroupBox>
#include <functional>

#include "ui/mainwindow/panelservices.h"

class QCheckBox;
class QLabel;
class IsAutoExitForm;
class LogonStart;

namespace corvalin::settings {
struct ExitBooking;
struct Options;
}  // namespace corvalin::settings

class OptionsPanel : public QGroupBox {
    Q_OBJECT
public:
    // `askAutoMode` asks, when "Auto execution" is set, whether the program then starts as a window
    // or in the tray; `loadPhase` is 1 while start-up applies the stored options (nothing is asked
    // then), 2 after.
    OptionsPanel(const PanelServices& services, LogonStart* logonStart, std::function<void()> askAutoMode,
                 std::function<int()> loadPhase, QWidget* window);

    bool autoStart() const;
    // The stored options, applied as if the user made each change (their reactions run).
    void showOptions(const corvalin::settings::Options& stored);
    // Those of the options shown here.
    void fillOptions(corvalin::settings::Options& options) const;
    // The booked power-off as exit.ini holds it, as start-up applies it: the box's reaction stores
    // the booking again; a damaged file is said on the warning line.
    void loadBooking();
    // The same with no reaction, for a set-up that replaced the files.
    void showStoredBooking();
    // While the set-up is followed the options are those it carries.
    void setFollowing(bool following);

    IsAutoExitForm* autoExitWindow();
    void onPowerOffTimeConfirmed();

Q_SIGNALS:
    // An option changed: the options are to be stored.
    void changed();
    void repeatChanged(bool repeating);

private:
    void onAutoStartToggled();
    void onSilentToggled();
    void onRepeatBellToggled();
    void onTimeSyncToggled();
    void onPowerOffToggled();
    // The logon entry names the executable of this program folder, so a program started with the
    // option on follows its folder when it is moved.
    void enableAutoRun();
    void disableAutoRun();
    void showPowerOffBooking(const corvalin::settings::ExitBooking& booking);
    void saveBooking(const corvalin::settings::ExitBooking& booking, const QString& note);
    void reportDamagedBooking();

    PanelServices m_services;
    LogonStart* m_logonStart;
    std::function<void()> m_askAutoMode;
    std::function<int()> m_loadPhase;
    QWidget* m_window;
    QCheckBox* autoStartBox;
    QCheckBox* silentBox;
    QCheckBox* repeatBellBox;
    QCheckBox* timeSyncBox;
    QCheckBox* powerOffBox;
    QLabel* powerOffTimeText;  // the booked time, while a power-off is booked
    IsAutoExitForm* m_autoExit = nullptr;
};
