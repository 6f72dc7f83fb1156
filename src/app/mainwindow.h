// The bell window: it owns every control that holds a setting, the module state of the
// bell service, and the handlers that tie them to the settings files, the clock and the bells.
#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "app/ports.h"
#include "schedule/ringtable.h"
#include "schedule/settingsstore.h"
#include "sound/sound_control.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QAction;
class QRadioButton;
class ImageButton;
class Spinner;
class WindowTimer;
class AutoModeForm;
class FrmFullScreen;
class FrmBellCount;
class SndSelect;
class Templet;

namespace corvalin::interval {
struct IntervalTexts;
}

enum class BellKind { Scheduled, Manual };

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // `programFolder` holds data/, sound/, img/ and readme.txt. With `liveTimers` off the
    // timers keep only their enabled state and tests call the handlers themselves.
    MainWindow(const Ports& ports, QString programFolder, bool liveTimers = true, QWidget* parent = nullptr);
    ~MainWindow() override;

    // What "end the program at once" does; the program quits its event loop.
    void setQuitHandler(std::function<void()> quit) { m_quit = std::move(quit); }

    const QString& programFolder() const { return m_programFolder; }
    QString soundFolder() const;
    QString imageFolder() const;

    // --- Start-up and ending ---
    void Form_Load();
    void mnExit1_Click();
    void mexit_Click();
    void Form_Unload();

    // --- Settings files ---
    void LoadOptions();
    void LoadWeekTimes();
    void LoadDayTimes();
    void LoadWeekInterval();
    void LoadDayInterval();
    void SaveOptions();
    void SaveWeekTimes();
    void SaveDayTimes(int which);
    void SaveWeekInterval();
    void SaveDayInterval(int which);

    // --- Clock ---
    void Timer1_Timer();

    // --- Modes and day selector ---
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void VScroll9_Change();
    void ShowIntervalPanel();
    void ShowManualPanel();

    // --- Option reactions ---
    void auto_exe_Click();
    void sound_zero_Click();
    void bellRepeat_Click();
    void chkTimeSync_Click();
    void chkAutoExit_Click();
    void nobell_Click();

    // --- Bell service ---
    void start_Click();
    void stop1_Click();
    void ShowNextBell();

    // --- Manual time list ---
    void TimeAdd_Click();
    void TimeDel_Click();
    void TimeMod_Click();
    void allDel_Click();
    void InsertBellTime(const QString& timeKey);

    // --- Templates ---
    void applyTemplet_Click();
    // Copies template k (1..6) into the list being edited and stores it; false when the
    // template could not be read (nothing changes then).
    bool ApplyTemplate(int k);
    Templet* templetWindow();

    // --- Bells ---
    void RingBell(const QString& soundName, BellKind kind);
    void StopBell();
    int IsBellInFilebox(const QString& soundName) const;
    void btnNowBell_Click();
    void bellStop_Click();
    void sound_zero_count_Timer();
    void cmdStartBellSound_Click();
    void cmdEndBellSound_Click();
    void CmdPreBell1_Click();
    void CmdPreBell2_Click();

    // Points the sound list at the sound folder (re-reads the folder).
    void FillSoundList();

    // --- Dedicated sound card ---
    void ShowSoundCard();
    void SndCardSet_Click();
    SndSelect* sndSelectWindow();
    sound_control& soundControl() { return m_soundControl; }
    void PowerOffComputer();
    void StartTimeSync(QString& host);
    void TrayIn();
    void TrayOut();

    // The countdown windows the clock writes; created hidden on first use.
    FrmFullScreen* fullScreen();
    FrmBellCount* bellCountWindow();

    // --- Module state ---
    int loadPhase = 1;
    int serviceRunning = 0;
    int syncFailures = 0;
    int lastMinute = 0;
    int lastDay = 0;
    int minutePending = 0;
    int startMinute = 0;
    int endMinute = 0;
    int soundCardIndex = -1;
    int reservationHour = 0;
    int reservationMinute = 5;
    QString timeServer;
    corvalin::ringtable::RingTable ringTable;
    std::array<int, corvalin::ringtable::kSlots>& bellMinutes = ringTable.minutes;
    std::array<std::string, corvalin::ringtable::kSlots>& bellSounds = ringTable.sounds;
    int& bellCount = ringTable.bellCount;
    int& dayBellCount = ringTable.dayBellCount;
    // Length of the current bell in whole seconds, and the mute timer's ticks since it rang.
    int bellSeconds = 0;
    int muteTicks = 0;

    // --- Controls ---
    // Title and menu strips.
    QWidget* Picture1;
    QLabel* titleText;
    QLabel* ImageMin;
    ImageButton* GoTray;
    QWidget* Picture2;
    QLabel* mexit;
    QLabel* info;
    QLabel* helpword;
    QLabel* mnCountDown;
    QLabel* mnBellCount;
    QMenu* help;
    QAction* mOpen;
    QAction* mnExit1;

    // Service state, clock and today's bells.
    QGroupBox* stateFrame;
    QLabel* stateColor;
    QLabel* state;
    ImageButton* start;
    ImageButton* stop1;
    QLabel* now;
    QLabel* now_day;
    QLabel* nextBell;
    QLabel* nextBellSound;
    QListWidget* clock_list;

    // Options.
    QCheckBox* auto_exe;
    QCheckBox* sound_zero;
    QCheckBox* bellRepeat;
    QCheckBox* chkTimeSync;
    QCheckBox* chkAutoExit;

    // Sounds and the dedicated card.
    QGroupBox* soundFrame;
    QListWidget* File1;
    ImageButton* btnNowBell;
    ImageButton* bellStop;
    QGroupBox* FrameSndCard;
    QLabel* SndCardText;
    ImageButton* SndCardSet;

    // Modes and day selector.
    QGroupBox* modeFrame;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QGroupBox* dayModeFrame;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QGroupBox* dayFrame;
    QLineEdit* reg_day;
    Spinner* VScroll9;
    QCheckBox* nobell;
    QLineEdit* pre_day;

    // Interval panel.
    QGroupBox* startEndFrame;
    QLineEdit* start_h;
    QLineEdit* start_m;
    QLineEdit* exit_h;
    QLineEdit* exit_m;
    Spinner* VScroll1;
    Spinner* VScroll2;
    Spinner* VScroll3;
    Spinner* VScroll4;
    QGroupBox* intervalFrame;
    QLineEdit* worktime;
    QLineEdit* resttime;
    Spinner* VScroll5;
    Spinner* VScroll6;
    QGroupBox* bellSoundFrame;
    QLineEdit* txtStartBellSound;
    QLineEdit* txtEndBellSound;
    ImageButton* cmdStartBellSound;
    ImageButton* cmdEndBellSound;
    QGroupBox* preBellFrame;
    QCheckBox* ChkPreBell1;
    QLineEdit* TxtPreBell1;
    Spinner* VScrollPreBell1;
    QLineEdit* TxtPreBellName1;
    ImageButton* CmdPreBell1;
    QCheckBox* ChkPreBell2;
    QLineEdit* TxtPreBell2;
    Spinner* VScrollPreBell2;
    QLineEdit* TxtPreBellName2;
    ImageButton* CmdPreBell2;

    // Manual panel.
    QGroupBox* inputFrame;
    QLineEdit* input_h;
    QLineEdit* input_m;
    Spinner* VScroll7;
    Spinner* VScroll8;
    ImageButton* TimeAdd;
    QGroupBox* addedFrame;
    QListWidget* AddTimeList;
    ImageButton* TimeDel;
    ImageButton* TimeMod;
    ImageButton* allDel;
    ImageButton* applyTemplet;

    // Timers and owned dialogs.
    WindowTimer* Timer1;
    WindowTimer* sound_zero_count;
    AutoModeForm* isAutoModeForm;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectHandlers();
    void endProgram();
    QDateTime currentTime() const;
    void showFailure(const QString& description);

    // Pieces of the settings procedures.
    QLineEdit* intervalBox(int field) const;
    QCheckBox* intervalCheck(int field) const;
    void applyIntervalLines(const QStringList& lines, bool dayFile);
    QStringList intervalLines(bool dayFile) const;
    QStringList timeListLines() const;
    int dayForSave(int which) const;

    // Pieces of the bell service.
    void lockForService(bool locked);
    QString soundFolderMessageName() const;
    QString selectedSound() const;
    void pickSound(QLineEdit* target);
    void saveTimeList();
    void saveIntervalSettings();

    // Pieces of the modes and day selector.
    corvalin::interval::IntervalTexts intervalTexts() const;
    QString dayCaption(int day) const;
    void setSpinnerBox(QLineEdit* box, int value);
    void wrapSpinner(Spinner* spinner, int wrapAt, int wrapTo);


    Ports m_ports;
    QString m_programFolder;
    SettingsStore m_store;
    bool m_liveTimers;
    std::function<void()> m_quit;
    QPointer<FrmFullScreen> m_fullScreen;
    QPointer<FrmBellCount> m_bellCount;
    sound_control m_soundControl;
    SndSelect* m_sndSelect = nullptr;
    Templet* m_templet = nullptr;
};
