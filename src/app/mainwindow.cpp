// The bell window: its controls, start-up and the ways the program ends.
#include "app/mainwindow.h"
#include "core/schedule/bellscore.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSystemTrayIcon>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <stdexcept>

#include "app/automodeform.h"
#include "app/auxwindows.h"
#include "app/windowstyle.h"
#include "core/ports/clock.h"
#include "core/base/secondtimer.h"
#include "core/calendar/schoolcalendar.h"
#include "core/countdown/countdown.h"
#include "ui/countdown/frmbellcount.h"
#include "ui/countdown/frmcountdown.h"
#include "ui/countdown/frmfullscreen.h"
#include "core/desktop/traykind.h"
#include "core/schedule/settingsstore.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/imagebutton.h"
#include "ui/widgets/spinner.h"

namespace {

const QString kProduct = QStringLiteral("Corvalin");

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* numberBox(const char* name, const QString& text, int maxLength, QWidget* parent) {
    auto* box = named(new QLineEdit(text, parent), name);
    box->setMaxLength(maxLength);
    box->setFixedWidth(42);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QLineEdit* soundBox(const char* name, QWidget* parent) {
    auto* box = named(new QLineEdit(parent), name);
    box->setReadOnly(true);
    box->setMinimumWidth(120);
    return box;
}

// A menu-strip entry: a label that acts on a click.
QLabel* menuLabel(const char* name, const QString& caption, QWidget* parent) {
    auto* label = named(new QLabel(caption, parent), name);
    label->setAlignment(Qt::AlignCenter);
    label->setContentsMargins(8, 1, 8, 1);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

// The main window's body as its scroll area sees it: no height that follows the width, so that the
// area measures it by its least size, not by the height its word-wrapped labels would like.
class FixedHeightBody : public QWidget {
public:
    using QWidget::QWidget;
    bool hasHeightForWidth() const override { return false; }
};

// Hears the application asked to quit from outside: the desktop session ends (the session
// manager's last word reaches Qt as a Quit event) or the system asks the program to end.
class QuitWatch : public QObject {
public:
    QuitWatch(std::function<void()> onQuit, QObject* parent) : QObject(parent), m_onQuit(std::move(onQuit)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::Quit) {
            m_onQuit();
            return true;  // the program ends its own way, not by closing its windows
        }
        return false;
    }

private:
    std::function<void()> m_onQuit;
};

}  // namespace

void setBackColor(QLabel* label, const QColor& color) {
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, color);
    label->setPalette(palette);
}

void lockButton(ImageButton* button, bool locked) {
    button->setEnabled(!locked);
    button->showPicture(locked ? button->disabledPicture() : button->normalPicture());
}

MainWindow::MainWindow(const Ports& ports, const Services& services, ProgramPaths paths, bool liveTimers,
                       QWidget* parent)
    : QWidget(parent),
      m_ports(WindowPorts(ports)),
      m_services(services),
      m_bells(services.bells),
      m_paths(std::move(paths)),
      m_liveTimers(liveTimers),
      m_quit([] { QCoreApplication::exit(0); }) {
    setObjectName(QStringLiteral("main"));
    buildControls();
    connectHandlers();
    connectServices();
    buildTodayControls();
    buildOffsetControls();
    buildAlarmControls();
    buildFollowControls();
    new QuitWatch([this] { Form_Unload(); }, this);
}

MainWindow::~MainWindow() {
    delete m_countDown;
    delete m_fullScreen;
    delete m_bellCount;
}

QString MainWindow::soundFolder() const {
    return m_paths.own + QStringLiteral("/sound");
}

QString MainWindow::imageFolder() const {
    return m_paths.imageFolder();
}

QDateTime MainWindow::currentTime() const {
    return m_ports.clock->now();
}

void MainWindow::buildControls() {
    const QString img = imageFolder();
    auto button = [&](const char* name, const QString& caption, const QString& base, const QString& pressed,
                      const QString& disabled) {
        return named(new ImageButton(caption, img, base, pressed, disabled, this), name);
    };

    // Title strip.
    Picture1 = named(new QWidget(this), "Picture1");
    Picture1->setAutoFillBackground(true);
    Picture1->setStyleSheet(
        QStringLiteral("#Picture1 { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #1d3557, "
                       "stop:1 #457b9d); }"));
    titleText = named(new QLabel(Picture1), "titleText");
    titleText->setStyleSheet(QStringLiteral("color: white; font-size: 16pt; font-weight: bold;"));
    GoTray = button("GoTray", QStringLiteral("Tray"), QStringLiteral("tray.gif"), QStringLiteral("tray1.gif"),
                    QString());
    ImageMin = named(new QLabel(Picture1), "ImageMin");
    ImageMin->setText(QStringLiteral("0"));
    ImageMin->setPixmap(QPixmap(img + QStringLiteral("/minimaze.gif")));
    ImageMin->setCursor(Qt::PointingHandCursor);
    ImageMin->setProperty("hover", QStringLiteral("0"));
    ImageMin->installEventFilter(this);
    Picture1->setMouseTracking(true);
    Picture1->installEventFilter(this);
    titleText->installEventFilter(this);
    auto* titleLayout = new QHBoxLayout(Picture1);
    titleLayout->setContentsMargins(10, 4, 6, 4);
    titleLayout->addWidget(titleText);
    titleLayout->addStretch();
    titleLayout->addWidget(GoTray);
    titleLayout->addWidget(ImageMin);

    // Menu strip.
    Picture2 = named(new QWidget(this), "Picture2");
    Picture2->setAutoFillBackground(true);
    Picture2->setStyleSheet(
        QStringLiteral("#Picture2 { background: #e8eef4; border-bottom: 1px solid #b8c4d0; }"));
    mexit = menuLabel("mexit", QStringLiteral("Exit"), Picture2);
    info = menuLabel("info", QStringLiteral("Infomation"), Picture2);
    helpword = menuLabel("helpword", QStringLiteral("Help"), Picture2);
    mnCountDown = menuLabel("mnCountDown", QStringLiteral("Countdown"), Picture2);
    mnBellCount = menuLabel("mnBellCount", QStringLiteral("Countdown next bell"), Picture2);
    mnCalendar = menuLabel("mnCalendar", QStringLiteral("Calendar"), Picture2);
    mnSetup = menuLabel("mnSetup", QStringLiteral("Set-up"), Picture2);
    mnRingLog = menuLabel("mnRingLog", QStringLiteral("Ring log"), Picture2);
    mnAlarm = menuLabel("mnAlarm", QStringLiteral("Alarm"), Picture2);
    setupMenu = named(new QMenu(this), "setupMenu");
    setupMenu->addAction(QStringLiteral("Export..."))->setObjectName(QStringLiteral("mnSetupExport"));
    setupMenu->addAction(QStringLiteral("Import..."))->setObjectName(QStringLiteral("mnSetupImport"));
    auto* menuLayout = new QHBoxLayout(Picture2);
    menuLayout->setContentsMargins(4, 2, 4, 2);
    menuLayout->setSpacing(2);
    for (QLabel* entry : menuEntries()) {
        entry->installEventFilter(this);
        entry->setMouseTracking(true);
        menuLayout->addWidget(entry);
    }
    Picture2->setMouseTracking(true);
    Picture2->installEventFilter(this);
    menuLayout->addStretch();

    // The latest problem, until it is clicked.
    warningLine = named(new ElidedLabel(2, this), "warningLine");
    warningLine->setStyleSheet(QStringLiteral(
        "#warningLine { color: #b00020; background: #fdecea; font-weight: bold; padding: 3px 10px; }"));
    warningLine->setCursor(Qt::PointingHandCursor);
    warningLine->installEventFilter(this);
    warningLine->hide();

    // Tray pop-up menu.
    help = named(new QMenu(QStringLiteral("Help"), this), "help");
    mOpen = help->addAction(QStringLiteral("Open Window"));
    mOpen->setObjectName(QStringLiteral("mOpen"));
    mnExit1 = help->addAction(QStringLiteral("Exit"));
    mnExit1->setObjectName(QStringLiteral("mnExit1"));
    trayIcon = named(new QSystemTrayIcon(QApplication::windowIcon(), this), "trayIcon");
    trayIcon->setContextMenu(help);
    // Asked when the icon is made, as Qt asks when it chooses how to show it. The offscreen
    // platform of the tests has no tray to ask about.
    m_singleClickTray = QGuiApplication::platformName() != QStringLiteral("offscreen") && statusNotifierTray();

    // Service state.
    stateFrame = named(new QGroupBox(QStringLiteral("Now state"), this), "stateFrame");
    stateColor = named(new QLabel(stateFrame), "stateColor");
    stateColor->setMinimumSize(120, 44);
    state = named(new QLabel(stateColor), "state");
    state->setAlignment(Qt::AlignCenter);
    state->setStyleSheet(QStringLiteral("font-size: 18pt; font-weight: bold; background: transparent;"));
    auto* colorLayout = new QVBoxLayout(stateColor);
    colorLayout->addWidget(state);
    start = button("start", QStringLiteral("Start"), QStringLiteral("start.gif"),
                   QStringLiteral("start1.gif"), QStringLiteral("start2.gif"));
    stop1 = button("stop1", QStringLiteral("Stop"), QStringLiteral("stop.gif"), QStringLiteral("stop1.gif"),
                   QString());
    auto* stateLayout = new QGridLayout(stateFrame);
    stateLayout->addWidget(stateColor, 0, 0, 1, 2);
    stateLayout->addWidget(start, 1, 0);
    stateLayout->addWidget(stop1, 1, 1);

    // Clock.
    auto* clockBox = new QWidget(this);
    now = named(new QLabel(clockBox), "now");
    now_day = named(new QLabel(clockBox), "now_day");
    calendarDay = named(new QLabel(clockBox), "calendarDay");
    calendarDay->setStyleSheet(QStringLiteral("#calendarDay { color: #8a1c12; font-weight: bold; }"));
    calendarDay->setWordWrap(true);
    calendarDay->hide();
    todayNote = named(new QLabel(clockBox), "todayNote");
    todayNote->setStyleSheet(QStringLiteral("#todayNote { color: #8a1c12; font-weight: bold; }"));
    todayNote->hide();
    auto* clockLayout = new QGridLayout(clockBox);
    clockLayout->setContentsMargins(0, 0, 0, 0);
    clockLayout->addWidget(new QLabel(QStringLiteral("Now time :"), clockBox), 0, 0);
    clockLayout->addWidget(now, 0, 1);
    clockLayout->addWidget(new QLabel(QStringLiteral("Today :"), clockBox), 1, 0);
    clockLayout->addWidget(now_day, 1, 1);
    clockLayout->addWidget(calendarDay, 2, 1);
    clockLayout->addWidget(todayNote, 3, 1);
    clockLayout->setColumnStretch(1, 1);

    // Next bell and today's bells.
    auto* nextBellFrame = new QGroupBox(QStringLiteral("Next bell"), this);
    nextBell = named(new QLabel(nextBellFrame), "nextBell");
    nextBell->setStyleSheet(QStringLiteral("font-size: 13pt; font-weight: bold;"));
    (new QVBoxLayout(nextBellFrame))->addWidget(nextBell);
    auto* nextSoundFrame = new QGroupBox(QStringLiteral("Next sound"), this);
    nextBellSound = named(new QLabel(nextSoundFrame), "nextBellSound");
    (new QVBoxLayout(nextSoundFrame))->addWidget(nextBellSound);
    auto* todayFrame = new QGroupBox(QStringLiteral("Today Bells"), this);
    clock_list = named(new QListWidget(todayFrame), "clock_list");
    clock_list->setSortingEnabled(true);
    clock_list->setMinimumWidth(110);
    (new QVBoxLayout(todayFrame))->addWidget(clock_list);

    // Options.
    auto* optionFrame = new QGroupBox(this);
    auto_exe = named(new QCheckBox(QStringLiteral("Auto execution"), optionFrame), "auto_exe");
    auto_exe->setToolTip(
        QStringLiteral("If you want Corvalin to operate automatically at computer start time."));
    sound_zero = named(new QCheckBox(QStringLiteral("No sound at bell"), optionFrame), "sound_zero");
    bellRepeat = named(new QCheckBox(QStringLiteral("Repeating bell"), optionFrame), "bellRepeat");
    bellRepeat->setToolTip(QStringLiteral("if you click [Stop Bell], bell sound will be stoped."));
    chkTimeSync = named(new QCheckBox(QStringLiteral("Internet time"), optionFrame), "chkTimeSync");
    chkTimeSync->setToolTip(QStringLiteral("At real-time it synchronizes a computer time in standard time."));
    chkAutoExit = named(new QCheckBox(QStringLiteral("Reservation Exit"), optionFrame), "chkAutoExit");
    // The booked time beside it while a power-off is booked.
    autoExitTime = named(new QLabel(optionFrame), "autoExitTime");
    auto* optionLayout = new QVBoxLayout(optionFrame);
    for (QCheckBox* box : {auto_exe, sound_zero, bellRepeat, chkTimeSync}) {
        optionLayout->addWidget(box);
    }
    auto* exitRow = new QHBoxLayout;
    exitRow->addWidget(chkAutoExit);
    exitRow->addWidget(autoExitTime);
    exitRow->addStretch();
    optionLayout->addLayout(exitRow);

    // Sound library.
    soundFrame = named(new QGroupBox(QStringLiteral("Select bell sound"), this), "soundFrame");
    File1 = named(new QListWidget(soundFrame), "File1");
    File1->setSelectionMode(QAbstractItemView::SingleSelection);
    btnNowBell = button("btnNowBell", QStringLiteral("Ring now"), QStringLiteral("nowBell.gif"),
                        QStringLiteral("nowBell1.gif"), QString());
    bellStop = button("bellStop", QStringLiteral("Stop bell"), QStringLiteral("bellStop.gif"),
                      QStringLiteral("bellStop1.gif"), QString());
    addSound = named(new QPushButton(QStringLiteral("Add sound..."), soundFrame), "addSound");
    auto* soundLayout = new QGridLayout(soundFrame);
    soundLayout->addWidget(File1, 0, 0, 1, 2);
    soundLayout->addWidget(addSound, 1, 0, 1, 2);
    soundLayout->addWidget(btnNowBell, 2, 0);
    soundLayout->addWidget(bellStop, 2, 1);

    // Dedicated sound card.
    FrameSndCard = named(new QGroupBox(this), "FrameSndCard");
    SndCardText = named(new QLabel(FrameSndCard), "SndCardText");
    SndCardText->setWordWrap(true);
    SndCardSet = button("SndCardSet", QStringLiteral("Set"), QStringLiteral("set.gif"),
                        QStringLiteral("set1.gif"), QStringLiteral("set2.gif"));
    auto* cardLayout = new QHBoxLayout(FrameSndCard);
    cardLayout->addWidget(SndCardText, 1);
    cardLayout->addWidget(SndCardSet);

    // Set-time mode and day mode.
    modeFrame = named(new QGroupBox(QStringLiteral("Set time mode"), this), "modeFrame");
    Option1 = named(new QRadioButton(QStringLiteral("Auto interval"), modeFrame), "Option1");
    Option2 = named(new QRadioButton(QStringLiteral("Manual input"), modeFrame), "Option2");
    auto* modeLayout = new QVBoxLayout(modeFrame);
    modeLayout->addWidget(Option1);
    modeLayout->addWidget(Option2);
    dayModeFrame = named(new QGroupBox(QStringLiteral("Apply day"), this), "dayModeFrame");
    Option3 = named(new QRadioButton(QStringLiteral("Apply week"), dayModeFrame), "Option3");
    Option4 = named(new QRadioButton(QStringLiteral("Set each day"), dayModeFrame), "Option4");
    auto* dayModeLayout = new QVBoxLayout(dayModeFrame);
    dayModeLayout->addWidget(Option3);
    dayModeLayout->addWidget(Option4);

    // Day selector.
    dayFrame = named(new QGroupBox(QStringLiteral("Select day"), this), "dayFrame");
    reg_day = named(new QLineEdit(dayFrame), "reg_day");
    reg_day->setReadOnly(true);
    reg_day->setMinimumWidth(100);
    VScroll9 = named(new Spinner(0, 14, 1, /*upLowers=*/true, dayFrame), "VScroll9");
    nobell = named(new QCheckBox(QStringLiteral("No rings"), dayFrame), "nobell");
    pre_day = named(new QLineEdit(QStringLiteral("1"), dayFrame), "pre_day");
    pre_day->hide();
    auto* dayLayout = new QGridLayout(dayFrame);
    dayLayout->addWidget(reg_day, 0, 0);
    dayLayout->addWidget(VScroll9, 0, 1);
    copyDays = named(new QPushButton(QStringLiteral("Copy to days..."), dayFrame), "copyDays");
    copyDays->hide();  // "Set each day" only
    dayLayout->addWidget(copyDays, 0, 2);
    dayLayout->addWidget(nobell, 1, 0, 1, 2);

    // Interval panel.
    startEndFrame = named(new QGroupBox(QStringLiteral("Set start  and end time"), this), "startEndFrame");
    start_h = numberBox("start_h", QStringLiteral("5"), 32767, startEndFrame);
    start_m = numberBox("start_m", QStringLiteral("0"), 32767, startEndFrame);
    exit_h = numberBox("exit_h", QStringLiteral("23"), 32767, startEndFrame);
    exit_m = numberBox("exit_m", QStringLiteral("0"), 32767, startEndFrame);
    VScroll1 = named(new Spinner(0, 24, 5, false, startEndFrame), "VScroll1");
    VScroll2 = named(new Spinner(0, 60, 0, false, startEndFrame), "VScroll2");
    VScroll3 = named(new Spinner(0, 24, 23, false, startEndFrame), "VScroll3");
    VScroll4 = named(new Spinner(0, 60, 0, false, startEndFrame), "VScroll4");
    auto* startEndLayout = new QGridLayout(startEndFrame);
    auto timeRow = [&](int row, const QString& caption, QLineEdit* hour, Spinner* hourSpin, QLineEdit* minute,
                       Spinner* minuteSpin) {
        startEndLayout->addWidget(new QLabel(caption, startEndFrame), row, 0);
        startEndLayout->addWidget(hour, row, 1);
        startEndLayout->addWidget(hourSpin, row, 2);
        startEndLayout->addWidget(new QLabel(QStringLiteral("hr"), startEndFrame), row, 3);
        startEndLayout->addWidget(minute, row, 4);
        startEndLayout->addWidget(minuteSpin, row, 5);
        startEndLayout->addWidget(new QLabel(QStringLiteral("min"), startEndFrame), row, 6);
    };
    timeRow(0, QStringLiteral("Start"), start_h, VScroll1, start_m, VScroll2);
    timeRow(1, QStringLiteral("End"), exit_h, VScroll3, exit_m, VScroll4);
    startEndLayout->setColumnStretch(7, 1);

    intervalFrame = named(new QGroupBox(QStringLiteral("Set time interval"), this), "intervalFrame");
    worktime = numberBox("worktime", QStringLiteral("50"), 3, intervalFrame);
    resttime = numberBox("resttime", QStringLiteral("10"), 3, intervalFrame);
    VScroll5 = named(new Spinner(1, 300, 50, false, intervalFrame), "VScroll5");
    VScroll6 = named(new Spinner(1, 300, 10, false, intervalFrame), "VScroll6");
    auto* intervalLayout = new QGridLayout(intervalFrame);
    intervalLayout->addWidget(new QLabel(QStringLiteral("Work time"), intervalFrame), 0, 0);
    intervalLayout->addWidget(worktime, 0, 1);
    intervalLayout->addWidget(VScroll5, 0, 2);
    intervalLayout->addWidget(new QLabel(QStringLiteral("min"), intervalFrame), 0, 3);
    intervalLayout->addWidget(new QLabel(QStringLiteral("Rest time"), intervalFrame), 1, 0);
    intervalLayout->addWidget(resttime, 1, 1);
    intervalLayout->addWidget(VScroll6, 1, 2);
    intervalLayout->addWidget(new QLabel(QStringLiteral("min"), intervalFrame), 1, 3);
    intervalLayout->setColumnStretch(4, 1);

    bellSoundFrame = named(new QGroupBox(QStringLiteral("Set start bell sound"), this), "bellSoundFrame");
    txtStartBellSound = soundBox("txtStartBellSound", bellSoundFrame);
    txtEndBellSound = soundBox("txtEndBellSound", bellSoundFrame);
    const QString apply = QStringLiteral("apply.gif");
    const QString apply1 = QStringLiteral("apply1.gif");
    const QString apply2 = QStringLiteral("apply2.gif");
    cmdStartBellSound = button("cmdStartBellSound", QStringLiteral("Apply"), apply, apply1, apply2);
    cmdEndBellSound = button("cmdEndBellSound", QStringLiteral("Apply"), apply, apply1, apply2);
    auto* bellSoundLayout = new QGridLayout(bellSoundFrame);
    bellSoundLayout->addWidget(new QLabel(QStringLiteral("Work"), bellSoundFrame), 0, 0);
    bellSoundLayout->addWidget(txtStartBellSound, 0, 1);
    bellSoundLayout->addWidget(cmdStartBellSound, 0, 2);
    bellSoundLayout->addWidget(new QLabel(QStringLiteral("Rest"), bellSoundFrame), 1, 0);
    bellSoundLayout->addWidget(txtEndBellSound, 1, 1);
    bellSoundLayout->addWidget(cmdEndBellSound, 1, 2);

    preBellFrame = named(
        new QGroupBox(QStringLiteral("Alarm before and after bell time (After check,Apply sound)"), this),
        "preBellFrame");
    ChkPreBell1 = named(new QCheckBox(QStringLiteral("Start"), preBellFrame), "ChkPreBell1");
    TxtPreBell1 = numberBox("TxtPreBell1", QStringLiteral("1"), 32767, preBellFrame);
    VScrollPreBell1 = named(new Spinner(1, 100, 100, false, preBellFrame), "VScrollPreBell1");
    TxtPreBellName1 = soundBox("TxtPreBellName1", preBellFrame);
    CmdPreBell1 = button("CmdPreBell1", QStringLiteral("Apply"), apply, apply1, apply2);
    ChkPreBell2 = named(new QCheckBox(QStringLiteral("End"), preBellFrame), "ChkPreBell2");
    TxtPreBell2 = numberBox("TxtPreBell2", QStringLiteral("1"), 32767, preBellFrame);
    VScrollPreBell2 = named(new Spinner(1, 100, 100, false, preBellFrame), "VScrollPreBell2");
    TxtPreBellName2 = soundBox("TxtPreBellName2", preBellFrame);
    CmdPreBell2 = button("CmdPreBell2", QStringLiteral("Apply"), apply, apply1, apply2);
    auto* preBellLayout = new QGridLayout(preBellFrame);
    preBellLayout->addWidget(ChkPreBell1, 0, 0);
    preBellLayout->addWidget(TxtPreBell1, 0, 1);
    preBellLayout->addWidget(VScrollPreBell1, 0, 2);
    preBellLayout->addWidget(new QLabel(QStringLiteral("min after"), preBellFrame), 0, 3);
    preBellLayout->addWidget(TxtPreBellName1, 0, 4);
    preBellLayout->addWidget(CmdPreBell1, 0, 5);
    preBellLayout->addWidget(ChkPreBell2, 1, 0);
    preBellLayout->addWidget(TxtPreBell2, 1, 1);
    preBellLayout->addWidget(VScrollPreBell2, 1, 2);
    preBellLayout->addWidget(new QLabel(QStringLiteral("min before"), preBellFrame), 1, 3);
    preBellLayout->addWidget(TxtPreBellName2, 1, 4);
    preBellLayout->addWidget(CmdPreBell2, 1, 5);

    // Manual panel.
    inputFrame =
        named(new QGroupBox(QStringLiteral("Input time (Add after selecting sound)"), this), "inputFrame");
    input_h = numberBox("input_h", QStringLiteral("0"), 32767, inputFrame);
    input_m = numberBox("input_m", QStringLiteral("5"), 32767, inputFrame);
    VScroll7 = named(new Spinner(0, 24, 0, false, inputFrame), "VScroll7");
    VScroll8 = named(new Spinner(0, 60, 59, false, inputFrame), "VScroll8");
    TimeAdd = button("TimeAdd", QStringLiteral("Add"), QStringLiteral("TimeAdd.gif"),
                     QStringLiteral("TimeAdd1.gif"), QStringLiteral("TimeAdd2.gif"));
    auto* inputLayout = new QHBoxLayout(inputFrame);
    inputLayout->addWidget(input_h);
    inputLayout->addWidget(VScroll7);
    inputLayout->addWidget(new QLabel(QStringLiteral("hr"), inputFrame));
    inputLayout->addWidget(input_m);
    inputLayout->addWidget(VScroll8);
    inputLayout->addWidget(new QLabel(QStringLiteral("min"), inputFrame));
    inputLayout->addStretch();
    inputLayout->addWidget(TimeAdd);

    addedFrame = named(new QGroupBox(QStringLiteral("Added time (Type 24Hour)"), this), "addedFrame");
    AddTimeList = named(new QListWidget(addedFrame), "AddTimeList");
    AddTimeList->setSortingEnabled(true);
    AddTimeList->setSelectionMode(QAbstractItemView::SingleSelection);
    TimeDel = button("TimeDel", QStringLiteral("Delete"), QStringLiteral("TimeDel.gif"),
                     QStringLiteral("TimeDel1.gif"), QStringLiteral("TimeDel2.gif"));
    TimeMod = button("TimeMod", QStringLiteral("Change sound"), QStringLiteral("TimeMod.gif"),
                     QStringLiteral("TimeMod1.gif"), QStringLiteral("TimeMod2.gif"));
    allDel = button("allDel", QStringLiteral("Delete all"), QStringLiteral("allDel.gif"),
                    QStringLiteral("allDel1.gif"), QStringLiteral("allDel2.gif"));
    auto* addedLayout = new QGridLayout(addedFrame);
    addedLayout->addWidget(AddTimeList, 0, 0, 4, 1);
    addedLayout->addWidget(TimeDel, 0, 1);
    addedLayout->addWidget(TimeMod, 1, 1);
    addedLayout->addWidget(allDel, 2, 1);
    applyTemplet = button("applyTemplet", QStringLiteral("Apply templet"), QStringLiteral("applyTemplet.gif"),
                          QStringLiteral("applyTempletDown.gif"), QStringLiteral("applyTempletDis.gif"));

    // Columns.
    auto* statusColumn = new QVBoxLayout;
    statusColumn->addWidget(stateFrame);
    statusColumn->addWidget(clockBox);
    auto* nextRow = new QHBoxLayout;
    nextRow->addWidget(nextBellFrame);
    nextRow->addWidget(nextSoundFrame);
    statusColumn->addLayout(nextRow);
    statusColumn->addWidget(todayFrame, 1);

    auto* settingsColumn = new QVBoxLayout;
    settingsColumn->addWidget(modeFrame);
    settingsColumn->addWidget(dayModeFrame);
    settingsColumn->addWidget(dayFrame);
    settingsColumn->addWidget(optionFrame);
    settingsColumn->addWidget(FrameSndCard);
    settingsColumn->addStretch();

    auto* scheduleColumn = new QVBoxLayout;
    scheduleColumn->addWidget(soundFrame, 1);
    // Side by side, so that the interval panel leaves room for the strips above the body on a
    // screen 768 pixels high.
    auto* intervalRow = new QHBoxLayout;
    intervalRow->addWidget(startEndFrame, 3);
    intervalRow->addWidget(intervalFrame, 2);
    scheduleColumn->addLayout(intervalRow);
    scheduleColumn->addWidget(bellSoundFrame);
    scheduleColumn->addWidget(preBellFrame);
    scheduleColumn->addWidget(inputFrame);
    scheduleColumn->addWidget(addedFrame, 1);
    scheduleColumn->addWidget(applyTemplet, 0, Qt::AlignRight);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(8, 6, 8, 8);
    body->addLayout(statusColumn, 3);
    body->addLayout(settingsColumn, 2);
    body->addLayout(scheduleColumn, 5);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Picture1);
    layout->addWidget(Picture2);
    layout->addWidget(warningLine);
    // On a screen smaller than the window the body scrolls, and the window stays on the screen.
    // It scrolls only when there is less room than the body needs at least: its wrapped labels
    // would otherwise have the scroll area measure it at the height it would like.
    auto* bodyArea = named(new QScrollArea(this), "bodyArea");
    bodyArea->setFrameShape(QFrame::NoFrame);
    bodyArea->setWidgetResizable(true);
    auto* bodyWidget = new QWidget;
    auto* bodyInside = new FixedHeightBody(bodyWidget);
    bodyInside->setLayout(body);
    auto* bodyOutside = new QVBoxLayout(bodyWidget);
    bodyOutside->setContentsMargins(0, 0, 0, 0);
    bodyOutside->addWidget(bodyInside);
    bodyArea->setWidget(bodyWidget);
    layout->addWidget(bodyArea, 1);

    // Both panels stay hidden until a set-time mode is chosen.
    for (QWidget* w : std::initializer_list<QWidget*>{startEndFrame, intervalFrame, bellSoundFrame,
                                                      preBellFrame, inputFrame, addedFrame, applyTemplet}) {
        w->hide();
    }

    Timer1 = new SecondTimer(1000, m_liveTimers, this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    // Just after the bells' own tick, which it need not meet.
    Timer1->setAlignedToSecond(true, 20);

    isAutoModeForm = new AutoModeForm(img, this);
    isAutoModeForm->setObjectName(QStringLiteral("isAutoModeForm"));
    isAutoModeForm->hide();
    resize(1060, 680);
}

void MainWindow::connectHandlers() {
    connect(Timer1, &SecondTimer::timeout, this, &MainWindow::Timer1_Timer);
    connect(auto_exe, &QCheckBox::toggled, this, &MainWindow::auto_exe_Click);
    connect(sound_zero, &QCheckBox::toggled, this, &MainWindow::sound_zero_Click);
    connect(bellRepeat, &QCheckBox::toggled, this, &MainWindow::bellRepeat_Click);
    connect(chkTimeSync, &QCheckBox::toggled, this, &MainWindow::chkTimeSync_Click);
    connect(chkAutoExit, &QCheckBox::toggled, this, &MainWindow::chkAutoExit_Click);
    connect(nobell, &QCheckBox::clicked, this, &MainWindow::nobell_Click);
    auto onSelect = [this](QRadioButton* option, void (MainWindow::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (selected) {
                (this->*handler)();
            }
        });
    };
    onSelect(Option1, &MainWindow::Option1_Click);
    onSelect(Option2, &MainWindow::Option2_Click);
    onSelect(Option3, &MainWindow::Option3_Click);
    onSelect(Option4, &MainWindow::Option4_Click);
    connect(VScroll9, &Spinner::changed, this, &MainWindow::VScroll9_Change);
    connect(copyDays, &QPushButton::clicked, this, &MainWindow::copyDays_Click);

    // Each spinner writes its own position into its box; the position past the end wraps.
    auto spin = [this](Spinner* spinner, QLineEdit* box, int wrapAt, int wrapTo) {
        connect(spinner, &Spinner::changed, this, [spinner, box, wrapAt, wrapTo](int value) {
            if (value == wrapAt) {
                spinner->setValue(wrapTo);
                return;
            }
            box->setText(QString::number(value));
        });
    };
    spin(VScroll1, start_h, 24, 0);
    spin(VScroll2, start_m, 60, 0);
    spin(VScroll3, exit_h, 24, 0);
    spin(VScroll4, exit_m, 60, 0);
    spin(VScroll5, worktime, -1, 0);
    spin(VScroll6, resttime, -1, 0);
    spin(VScrollPreBell1, TxtPreBell1, 100, 1);
    spin(VScrollPreBell2, TxtPreBell2, 100, 1);
    spin(VScroll7, input_h, 24, 0);
    spin(VScroll8, input_m, 60, 0);

    connect(start, &QPushButton::clicked, this, &MainWindow::start_Click);
    connect(TimeAdd, &QPushButton::clicked, this, &MainWindow::TimeAdd_Click);
    connect(TimeDel, &QPushButton::clicked, this, &MainWindow::TimeDel_Click);
    connect(TimeMod, &QPushButton::clicked, this, &MainWindow::TimeMod_Click);
    connect(allDel, &QPushButton::clicked, this, &MainWindow::allDel_Click);
    connect(applyTemplet, &QPushButton::clicked, this, &MainWindow::applyTemplet_Click);
    connect(btnNowBell, &QPushButton::clicked, this, &MainWindow::btnNowBell_Click);
    connect(bellStop, &QPushButton::clicked, this, &MainWindow::bellStop_Click);
    connect(addSound, &QPushButton::clicked, this, &MainWindow::addSound_Click);
    connect(cmdStartBellSound, &QPushButton::clicked, this, &MainWindow::cmdStartBellSound_Click);
    connect(cmdEndBellSound, &QPushButton::clicked, this, &MainWindow::cmdEndBellSound_Click);
    connect(CmdPreBell1, &QPushButton::clicked, this, &MainWindow::CmdPreBell1_Click);
    connect(CmdPreBell2, &QPushButton::clicked, this, &MainWindow::CmdPreBell2_Click);
    connect(SndCardSet, &QPushButton::clicked, this, &MainWindow::SndCardSet_Click);
    connect(stop1, &QPushButton::clicked, this, &MainWindow::stop1_Click);
    connect(mnExit1, &QAction::triggered, this, &MainWindow::mnExit1_Click);
    connect(setupMenu->actions().at(0), &QAction::triggered, this, &MainWindow::exportSetup_Click);
    connect(setupMenu->actions().at(1), &QAction::triggered, this, &MainWindow::importSetup_Click);
    connect(mOpen, &QAction::triggered, this, &MainWindow::TrayOut);
    connect(GoTray, &QPushButton::clicked, this, &MainWindow::TrayIn);
    connect(trayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) { trayActivated(static_cast<int>(reason)); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (titleStripEvent(watched, event)) {
        return true;
    }
    auto* label = qobject_cast<QLabel*>(watched);
    const bool entry = label && menuEntries().contains(label);
    if (entry && (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)) {
        highlightEntry(label->isEnabled() ? label : nullptr);
        return event->type() == QEvent::MouseMove;  // not on to the strip behind it
    }
    if (watched == Picture2 && event->type() == QEvent::MouseMove) {
        highlightEntry(nullptr);
    }
    if (event->type() == QEvent::MouseButtonRelease && label && label->isEnabled() &&
        label->rect().contains(static_cast<QMouseEvent*>(event)->pos())) {
        if (entry) {
            highlightEntry(nullptr);
        }
        if (label == mexit) {
            mexit_Click();
            return true;
        }
        if (label == warningLine) {
            warningLine_Click();
            return true;
        }
        if (label == mnCountDown) {
            mnCountDown_Click();
            return true;
        }
        if (label == mnBellCount) {
            mnBellCount_Click();
            return true;
        }
        if (label == mnCalendar) {
            mnCalendar_Click();
            return true;
        }
        if (label == mnSetup) {
            mnSetup_Click();
            return true;
        }
        if (label == mnRingLog) {
            mnRingLog_Click();
            return true;
        }
        if (label == mnAlarm) {
            mnAlarm_Click();
            return true;
        }
        if (label == helpword) {
            helpword_Click();
            return true;
        }
        if (label == info) {
            info_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

QList<QLabel*> MainWindow::menuEntries() const {
    return {mexit, info, helpword, mnCountDown, mnBellCount, mnCalendar, mnSetup, mnRingLog, mnAlarm};
}

void MainWindow::highlightEntry(QLabel* lit) {
    for (QLabel* entry : menuEntries()) {
        entry->setAutoFillBackground(entry == lit);
        QPalette palette = entry->palette();
        palette.setColor(QPalette::Window, QColor(192, 192, 255));
        entry->setPalette(palette);
    }
}

void MainWindow::helpword_Click() {
    if (!m_help1) {
        m_help1 = new Help1(m_paths.helpFile(), imageFolder(), this);
    }
    m_ports.dialogs->showModal(m_help1);
}

void MainWindow::info_Click() {
    if (!m_info1) {
        m_info1 = new Info1(imageFolder(), this);
    }
    m_ports.dialogs->showModal(m_info1);
}

// --- Start-up ---

void MainWindow::showFailure(const QString& description) {
    m_ports.dialogs->message(this, QString(), QStringLiteral("Error Number : "), Dialogs::Icon::None,
                             Dialogs::Buttons::Ok);
    m_ports.dialogs->message(this, QString(), description, Dialogs::Icon::None, Dialogs::Buttons::Ok);
}

void MainWindow::Form_Load() {
    try {
        help->menuAction()->setVisible(false);
        setWindowTitle(kProduct);
        mOpen->setVisible(false);
        mnBellCount->setEnabled(false);
        QCoreApplication::setApplicationName(kProduct);

        m_loadPhase = 1;
        m_bells->resetClock();

        const auto& guard = m_bells->guardAtStart();
        if (guard.copies >= 2) {
            m_bells->showFirstCopy();
            m_quit();
            return;
        }
        if (guard.copies == 0) {
            // Runs all the same, but never silently: two copies would ring every bell twice.
            reportProblem(guard.problem + QStringLiteral("; if another copy runs, every bell rings twice"));
        }
        connect(m_bells, &BellsClient::showRequested, this, &MainWindow::TrayOut, Qt::UniqueConnection);
        logNote(m_paths.isInstalled()
                    ? QStringLiteral("Corvalin started, its settings in %1")
                          .arg(QDir::toNativeSeparators(m_paths.dataFolder()))
                    : QStringLiteral("Corvalin started in %1").arg(QDir::toNativeSeparators(m_paths.own)));

        fitToScreen();
        show();
        fitToScreen();

        // The booked shutdown: off at 00:05 unless exit.ini says otherwise.
        // Its reaction stores the booking again and arms it.
        const auto booking = m_services.store->loadExitBooking();
        showPowerOffBooking({false, booking.hour, booking.minute});
        chkAutoExit->setChecked(booking.on);
        reportDamagedBooking();

        // The bells are told the stored settings, with the calendar's days, and from now on after
        // every change.
        m_services.calendar->load();
        m_services.core->tell();
        m_bells->openMixer();
        // An alarm signal that sounded when the copy before ended is not over: it sounds again,
        // with the default card muted again after the opening unmute.
        m_bells->resumeAlarm();

        titleText->setText(kProduct);
        FrameSndCard->setTitle(QStringLiteral("Dedicated ") + kProduct + QStringLiteral(" soundcard"));

        showBellOffset(m_services.store->loadBellOffset());

        m_soundCardIndex = m_services.store->loadSoundCard();
        ShowSoundCard();

        FillSoundList();

        Timer1->setEnabled(true);

        LoadOptions();
        SaveOptions();  // once, with every value applied; a file that already holds them is left alone
        fitToScreen();  // with the chosen mode's panels on show

        state->setText(QStringLiteral("OFF"));
        setBackColor(stateColor, kStoppedColor);

        if (auto_exe->isChecked()) {
            // To the tray once the bells have answered: its tip tells the state they left the window in.
            const bool toTray = isAutoModeForm->isAutoMode2->isChecked();
            startBells([this, toTray](const QString& refusal) {
                if (!refusal.isEmpty()) {
                    m_ports.dialogs->warning(this, refusal);
                }
                if (toTray) {
                    TrayIn();
                }
            });
        }
        if (m_handOver) {
            takeBellsOver(*m_handOver);
        }
        startFollowing();
    } catch (const std::exception& failure) {
        showFailure(QString::fromLocal8Bit(failure.what()));
    }
}

void MainWindow::fitToScreen() {
    if (const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen()) {
        fitTo(where->availableGeometry());
    }
}

void MainWindow::fitTo(const QRect& area) {
    // The frame the window manager draws counts too (known once the window is shown).
    const int frameWidth = frameGeometry().width() - width();
    const int frameHeight = frameGeometry().height() - height();
    // The whole body without scrolling, as far as the screen has room for it: the panels of the
    // chosen mode can ask for more than the window was first given.
    int wantedWidth = width();
    int wantedHeight = height();
    const auto* scroll = findChild<QScrollArea*>(QStringLiteral("bodyArea"));
    if (isVisible() && scroll && scroll->widget()) {
        const QSize body = scroll->widget()->sizeHint();
        const int strips = height() - scroll->height();  // the title and menu strips, the warning line
        wantedWidth = std::max(wantedWidth, width() - scroll->width() + body.width());
        wantedHeight = std::max(wantedHeight, strips + body.height());
    }
    resize(std::min(wantedWidth, area.width() - frameWidth), std::min(wantedHeight, area.height() - frameHeight));
    move(area.left() + (area.width() - width() - frameWidth) / 2,
         area.top() + (area.height() - height() - frameHeight) / 2);
}

// --- Ending ---

void MainWindow::takeBellsOver(const HandOver& handOver) {
    logNote(QStringLiteral("the bells were taken over from the copy with no window"));
    if (handOver.running && !m_bells->isRunning()) {
        start_Click();
    }
    m_bells->continueFrom(handOver.decided);
}

void MainWindow::endProgram(const QString& how) {
    logNote(QStringLiteral("Corvalin ended: ") + how);
    // No bell rings here any more: a waiting copy with no window takes the bells from this minute.
    m_bells->end();
    m_quit();
}

void MainWindow::endBySignal(const QString& name) {
    unmuteDefault();
    endProgram(QStringLiteral("by the signal ") + name);
}

void MainWindow::unmuteDefault() {
    m_bells->unmuteDefault();
}

void MainWindow::mnExit1_Click() {
    unmuteDefault();
    endProgram(QStringLiteral("Exit in the tray menu"));
}

void MainWindow::mexit_Click() {
    for (QLabel* entry : menuEntries()) {
        entry->setAutoFillBackground(false);
    }
    unmuteDefault();
    endProgram(QStringLiteral("Exit in the menu strip"));
}

// The desktop session ends: the program ends with it, without unmuting.
void MainWindow::Form_Unload() {
    endProgram(QStringLiteral("the desktop session ended"));
}

// The close button never ends the bells: the window goes to the tray (minimised where there is
// none), as the title strip's own button sends it. The program ends by "Exit" in the menu strip or
// the tray, with the desktop session, or by a signal.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    TrayIn();
    if (!m_closeHintShown && QSystemTrayIcon::isSystemTrayAvailable() && trayIcon->isVisible()) {
        m_closeHintShown = true;  // once a run
        showCloseHint(0);
    }
}

void MainWindow::showCloseHint(int tries) {
    // The icon was made a moment ago: a tray that embeds it gives it its place on the screen a little
    // later, and a balloon shown before that points at the screen's corner. A StatusNotifier host
    // shows the text as a notification, with no place of the icon to wait for. After two seconds
    // the balloon goes wherever the icon is said to be.
    constexpr int kTries = 40;
    constexpr int kTryMs = 50;
    if (!trayIcon->isVisible()) {
        return;  // back from the tray already
    }
    // Until then the icon is a window of its own at the screen's origin.
    const QRect place = trayIcon->geometry();
    if ((place.isEmpty() || place.topLeft() == QPoint(0, 0)) && !m_singleClickTray && tries < kTries) {
        QTimer::singleShot(kTryMs, this, [this, tries] { showCloseHint(tries + 1); });
        return;
    }
    trayIcon->showMessage(
        kProduct,
        QStringLiteral("The bells go on: Corvalin keeps running here. To end it, choose Exit "
                       "in this icon's menu."),
        QSystemTrayIcon::Information);
}

FrmFullScreen* MainWindow::fullScreen() {
    if (!m_fullScreen) {
        m_fullScreen = new FrmFullScreen;
        m_fullScreen->hide();
    }
    return m_fullScreen;
}

FrmCountDown* MainWindow::countDownWindow() {
    if (!m_countDown) {
        m_countDown =
            new FrmCountDown(m_services.countdown, m_ports.dialogs, fullScreen(), imageFolder(), this);
        m_countDown->hide();
        // At zero the bell rings as the ring-now button rings it.
        connect(m_services.countdown, &Countdown::finished, this, &MainWindow::btnNowBell_Click);
    }
    return m_countDown;
}

void MainWindow::mnCountDown_Click() {
    m_ports.dialogs->showModal(countDownWindow());
}

void MainWindow::mnBellCount_Click() {
    if (mnBellCount->isEnabled()) {
        m_ports.dialogs->showModal(bellCountWindow());
    }
}

FrmBellCount* MainWindow::bellCountWindow() {
    if (!m_bellCount) {
        m_bellCount = new FrmBellCount;
        m_bellCount->hide();
    }
    return m_bellCount;
}
