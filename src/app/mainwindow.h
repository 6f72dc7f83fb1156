// The bell window: the frame that builds the title and menu strips, the tray, the set-time and day
// modes with the day selector, places the panels (ui/mainwindow/) and connects them, and starts up
// and ends the program. A handler reads its controls and sends a command to the bell thread; the
// window shows what the services report by signals and keeps the last value reported where it
// needs one at once. It never reads a member of a service that lives on the bell thread.
#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/ports.h"
#include "app/ringlogwindow.h"
#include "app/services.h"
#include "core/bells/bellsclient.h"
#include "core/base/programpaths.h"
#include "core/ports/handover.h"
#include "engine/schedule/settingsvalues.h"
#include "engine/sound/bellrules.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QListWidgetItem;
class QPushButton;
class QMenu;
class QAction;
class QRadioButton;
class QSystemTrayIcon;
class ImageButton;
class Spinner;
class SecondTimer;
class AutoModeForm;
class FrmFullScreen;
class FrmBellCount;
class FrmCountDown;
class FrmSyncError;
class CalendarWindow;
class TodayPanel;
class ServicePanel;
class SoundsPanel;
class OptionsPanel;
class IntervalPanel;
class TimeListPanel;
class FollowPanel;
class StaffPageLine;
class AlarmPanel;
struct PanelServices;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // `programFolder` holds data/, sound/, img/ and readme.txt. With `liveTimers` off the
    // clock keeps only its enabled state and tests call onClockTick() themselves.
    MainWindow(const Ports& ports, const Services& services, ProgramPaths paths, bool liveTimers = true,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // What "end the program at once" does; the program quits its event loop.
    void setQuitHandler(std::function<void()> quit) { m_quit = std::move(quit); }
    // The bells come from a headless copy that rang until now: the start goes on from where it
    // left off, and starts the service when it ran there.
    void setHandOver(const HandOver& handOver) { m_handOver = handOver; }

    const ProgramPaths& paths() const { return m_paths; }
    QString soundFolder() const;
    QString imageFolder() const;
    // 1 while start-up applies the stored options, 2 from when the day mode is applied.
    int loadPhase() const { return m_loadPhase; }

    // --- Start-up and ending ---
    void startUp();
    void onTrayExitTriggered();
    void onExitClicked();
    void onSessionEnded();
    // A signal (TERM, INT, HUP) ends the program as its exit command does, and says so.
    void endBySignal(const QString& name);

    // The window's size for a screen whose free area is `area`: the whole body without scrolling
    // as far as the area has room for it, the window placed inside the area.
    void fitTo(const QRect& area);

    // --- Settings files ---
    void loadOptions();
    void loadWeekTimes();
    void loadDayTimes();
    void loadWeekInterval();
    void loadDayInterval();
    void saveOptions();
    void saveWeekTimes();
    void saveDayTimes(int which);
    void saveWeekInterval();
    void saveDayInterval(int which);

    // --- Clock ---
    void onClockTick();

    // --- Modes and day selector ---
    void onIntervalModeChosen();
    void onManualModeChosen();
    void onWeekModeChosen();
    void onEachDayModeChosen();
    void onDayChanged();
    // "Copy to days...": the list of the day on screen replaces the lists of the days chosen.
    void onCopyDaysClicked();
    void showIntervalPanel();
    void showManualPanel();
    void onNoRingsClicked();

    // --- Bell service ---
    void onStartClicked();
    void onStopClicked();
    // The bells start with what the window shows (see BellsCore::start), answered with the reason
    // they did not, empty when they started.
    void startBells(std::function<void(const QString&)> answered);
    void askNextBell();
    // Today on the day selector, as a start shows it.
    void showToday();

    // --- Bells (the sounds panel's, kept here for the many callers) ---
    void onRingNowClicked();
    void onSetSoundCardClicked();
    // The panels, for what the frame leaves to them.
    SoundsPanel* sounds() const { return soundsPanel; }
    OptionsPanel* options() const { return optionsPanel; }
    IntervalPanel* interval() const { return intervalPanel; }
    TimeListPanel* timeList() const { return timeListPanel; }

    // --- Elsewhere ---
    // The internet time warning window; none until it is first due.
    FrmSyncError* syncErrorWindow() const { return m_syncError; }
    void goToTray();
    void comeBackFromTray();
    bool isInTray() const { return m_inTray; }
    // "Corvalin-Stop" or "Corvalin-Excuting...", by the service's state; "Corvalin-Alarm: NAME"
    // while an alarm signal sounds.
    QString trayTip() const;

    // The warning line: the latest problem the bells' client keeps open, until the operator clicks
    // it or, for a problem that lasts (a non-empty topic), until it ends; the click opens the ring log.
    void showProblem(const QDateTime& at, const QString& text, const QString& topic = QString());
    // The problem of `topic` has ended: the warning line shows the latest problem still open, or
    // nothing.
    void endProblem(const QDateTime& at, const QString& topic);
    // A problem of the window's own (a logon entry that cannot be written) for the ring log, which
    // shows it on the warning line too.
    void reportProblem(const QString& text);
    // A line of the ring log that is no problem (the program started or ended, and how).
    void logNote(const QString& text);
    void onWarningLineClicked();
    // "Ring log" in the menu strip: the ring log, problems and all, without clearing the warning line.
    void onRingLogClicked();
    RingLogWindow* ringLogWindow() const { return m_ringLogWindow; }

    // The countdown windows; created hidden on first use (the clock writes the full-screen ones
    // every second), afterwards only hidden and shown.
    FrmFullScreen* fullScreen();
    FrmBellCount* bellCountWindow();
    FrmCountDown* countDownWindow();
    // The menu strip: "Countdown", "Countdown next bell", "Calendar", "Set-up", "Ring log", "Help",
    // "Language", "Infomation"; the entry under the pointer is lit. Each entry takes the keyboard's
    // focus by Tab, and Enter or Space does what a click does.
    void onCountdownClicked();
    void onBellCountClicked();
    void onCalendarClicked();
    // "Set-up": a small menu that exports the whole set-up to one file or imports one.
    void onSetupClicked();
    void onExportSetupTriggered();
    void onImportSetupTriggered();
    void onHelpClicked();
    void onInfoClicked();
    // "Language": a small menu of the shipped languages, the system's and the original texts; the
    // choice is kept in the data folder and takes effect at the next start.
    void onLanguageClicked();
    // `code`: a shipped language's, corvalin::language::kOriginal, or empty for the system's.
    void onLanguageChosen(const QString& code);
    void highlightEntry(QLabel* entry);

    // --- School calendar ---
    CalendarWindow* calendarWindow();
    // --- Today's changes ---
    // The menu of the "Today Bells" list, for `item` (none: the list's empty space): what can be
    // changed for today, and undone. The caller owns it.
    QMenu* todayMenu(QListWidgetItem* item);
    // "Bell time offset..." in the set-up menu.
    void onBellOffsetTriggered();
    // Whether the settings are locked because the computer follows a published set-up.
    bool settingsLocked() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // --- Controls ---
    // Title and menu strips.
    QWidget* titleStrip;
    QLabel* titleText;
    QLabel* minimizeButton;
    ImageButton* trayButton;
    QWidget* menuStrip;
    QLabel* exitEntry;
    QLabel* infoEntry;
    QLabel* helpEntry;
    QLabel* countdownEntry;
    QLabel* bellCountEntry;
    QLabel* calendarEntry;
    QLabel* setupEntry;
    QLabel* ringLogEntry;
    QLabel* languageEntry;
    QMenu* setupMenu;
    QMenu* languageMenu;
    QLabel* warningLine;
    QMenu* trayMenu;
    QSystemTrayIcon* trayIcon;
    QAction* openWindowAction;
    QAction* trayExitAction;
    QAction* skipNextAction;                 // "Skip next bell (10:50)", while the service runs
    std::optional<bool> m_trayShowsRunning;  // what the tray icon shows

    // Service state, clock and today's bells.
    ServicePanel* servicePanel;
    TodayPanel* todayPanel;

    OptionsPanel* optionsPanel;

    // Sounds and the dedicated card.
    SoundsPanel* soundsPanel;

    // Modes and day selector.
    QGroupBox* modeFrame;
    QRadioButton* intervalModeButton;
    QRadioButton* manualModeButton;
    QGroupBox* dayModeFrame;
    QRadioButton* weekModeButton;
    QRadioButton* eachDayModeButton;
    QGroupBox* dayFrame;
    QLineEdit* dayNameBox;
    Spinner* daySelector;
    QPushButton* copyDaysButton;
    QCheckBox* noRingsBox;
    QLineEdit* shownDayBox;

    // Interval panel.
    IntervalPanel* intervalPanel;

    // Manual panel.
    TimeListPanel* timeListPanel;

    // Timers and owned dialogs.
    SecondTimer* screenClock;
    AutoModeForm* autoModeForm;

    // The controls, one builder per area of the window, made in the order buildControls calls them
    // (the order Tab follows). A builder that returns its frame leaves it to buildControls to place.
    void buildControls();
    // What a panel reaches.
    PanelServices panelServices() const;
    ImageButton* imageButton(const char* name, const QString& caption, const QString& picture,
                             const QString& pressed, const QString& disabled);
    void buildTitleStrip();
    void buildMenuStrip();
    void buildWarningLine();
    void buildLanguageMenu();
    // The language menu's check mark on the choice kept in the data folder.
    void showLanguageChosen();
    void buildTrayMenu();
    QWidget* buildTodayBells();
    QWidget* buildSetTimeMode();
    QWidget* buildDayMode();
    QWidget* buildDaySelector();
    // The strips above a body of three columns that scrolls on a screen too small for it.
    void arrangeBody(QLayout* statusColumn, QLayout* settingsColumn, QLayout* scheduleColumn);
    QLayout* bodyLayout = nullptr;  // the three columns
    // Tab goes through the strips top to bottom, then the body's columns left to right, each
    // column top to bottom; inside a panel in the order the panel gives its controls.
    void orderTabs();
    void buildTimers();
    // Start-up: this copy takes the bells (false when another copy runs them), shows the stored
    // set-up, and goes on as the options and a copy that rang before say.
    bool claimTheBells();
    void showStoredSetup();
    void goOnAsBefore();
    // What a click on a menu-strip entry or the warning line does; none for another label.
    using ClickHandler = void (MainWindow::*)();
    ClickHandler clickHandler(const QLabel* label) const;
    bool titleStripEvent(QObject* watched, QEvent* event);
    void trayActivated(int reason);
    // Says once that the close button keeps the bells, in a balloon at the tray icon; `tries` times
    // a moment apart it waited for the icon's place.
    void showCloseHint(int tries);
    void connectHandlers();
    void connectServices();
    void endProgram(const QString& how);
    // Goes on ringing where the copy with no window that handed the bells over left off.
    void takeBellsOver(const HandOver& handOver);
    void fitToScreen();
    QDateTime currentTime() const;
    void showFailure(const QString& description);

    // Pieces of the settings procedures.
    corvalin::settings::Options optionsOnScreen() const;
    corvalin::settings::TimeList timeListOnScreen() const;
    void showTimeList(const corvalin::settings::TimeList& list, bool dayFile);
    corvalin::settings::IntervalSettings intervalOnScreen() const;
    void showInterval(const corvalin::settings::IntervalSettings& settings, bool dayFile);
    int dayForSave(int which) const;
    // None of `targets` has a list of its own that copying the list of `source` would replace, or
    // the operator lets it be replaced.
    bool mayReplaceOwnLists(int source, const QList<int>& targets, bool interval);

    // Pieces of the bell service.
    void lockForService(bool locked);
    void showRunning(const QStringList& todayBells);
    // --- Alarm signals ---
    QLabel* alarmEntry;  // "Alarm" in the menu strip
    AlarmPanel* alarmPanel;
    bool m_trayShowsAlarm = false;       // the tray icon is the alarm's
    void buildAlarmControls();
    void onAlarmClicked();
    // --- Today's changes ---
    void buildTodayControls();
    void showSkipNext();
    // The tray icon: the program's own while the bells run, grey while they are stopped.
    void showTrayState();
    // --- A set-up followed from a web address ---
    void buildFollowControls();
    // While the set-up is followed, what it carries is locked.
    void onFollowingChanged(bool following);
    FollowPanel* followPanel;
    StaffPageLine* staffPage = nullptr;  // the staff web page's line and entry; none without its face

    // --- The bells' offset from the computer's clock ---
    void buildOffsetControls();
    void showStopped();
    void unmuteDefault();
    void saveTimeList();
    // A template's list is on screen: stored with its "No rings" where a day's list is edited.
    void onTempletApplied(bool noBell);
    void saveIntervalSettings();

    QList<QLabel*> menuEntries() const;
    // An imported or followed set-up on screen, as start-up shows the stored one, once the store says
    // its files were replaced and the bells have listed the sounds it brought; then `then`.
    void showImportedSetup(std::function<void()> then = {});
    void showImportedSettings();

    // Pieces of the modes and day selector.
    // As shown (translated), or as the ring log writes it (`shown` false).
    QString dayCaption(int day, bool shown = true) const;
    void setSelectorSilently(int value);

    WindowPorts m_ports;
    Services m_services;
    BellsClient* m_bells;  // the one way to the bells
    ProgramPaths m_paths;
    bool m_liveTimers;
    int m_loadPhase = 1;
    bool m_applyingOptions = false;
    bool m_inTray = false;
    bool m_closeHintShown = false;  // the tray has said once that the close button keeps the bells
    std::optional<HandOver> m_handOver;
    // The tray reports a click as one activation (a StatusNotifier host), never a double click.
    bool m_singleClickTray = false;
    Qt::WindowStates m_savedWindowState = Qt::WindowNoState;
    std::function<void()> m_quit;
    QPointer<FrmFullScreen> m_fullScreen;
    QPointer<FrmBellCount> m_bellCount;
    QPointer<FrmCountDown> m_countDown;
    QPointer<QWidget> m_info1;
    CalendarWindow* m_calendarWindow = nullptr;
    QPointer<RingLogWindow> m_ringLogWindow;
    // The warning line shows the bells' client's open problems told after the last one the
    // operator has seen (clicked away): its number (BellsClient::Problem).
    quint64 m_problemsSeen = 0;
    void showLatestProblem();
    void showRingLog();
    FrmSyncError* m_syncError = nullptr;
};
