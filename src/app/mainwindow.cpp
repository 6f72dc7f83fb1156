// The bell window: its controls, start-up and the ways the program ends.
#include "app/mainwindow.h"
#include "core/schedule/bellscore.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <stdexcept>

#include "app/automodeform.h"
#include "app/auxwindows.h"
#include "ui/mainwindow/windowstyle.h"
#include "core/ports/clock.h"
#include "core/base/language.h"
#include "core/base/secondtimer.h"
#include "core/calendar/schoolcalendar.h"
#include "core/countdown/countdown.h"
#include "ui/countdown/frmbellcount.h"
#include "ui/countdown/frmcountdown.h"
#include "ui/countdown/frmfullscreen.h"
#include "ui/help/helpwindow.h"
#include "core/desktop/traykind.h"
#include "core/schedule/settingsstore.h"
#include "ui/mainwindow/followpanel.h"
#include "ui/mainwindow/intervalpanel.h"
#include "ui/mainwindow/optionspanel.h"
#include "ui/mainwindow/servicepanel.h"
#include "ui/mainwindow/timelistpanel.h"
#include "ui/mainwindow/soundspanel.h"
#include "ui/mainwindow/todaypanel.h"
#include "ui/mainwindow/windowstyle.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/imagebutton.h"
#include "ui/widgets/spinner.h"

namespace {

const QString kProduct = QStringLiteral("Corvalin");

// A label that acts on a click, and on Enter or Space once it has the keyboard's focus (Tab
// reaches it): to a screen reader a button, named by its caption. `opensMenu`: it pops up a menu.
constexpr char kClickable[] = "clickableLabel";

QLabel* clickable(QLabel* label, bool opensMenu = false) {
    label->setProperty(kClickable, opensMenu ? QStringLiteral("menu") : QStringLiteral("button"));
    label->setFocusPolicy(Qt::StrongFocus);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

// A label of a class of its own, so that the accessible interface below, not a plain label's, is
// the one a screen reader is given for it.
class MenuEntry : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// A menu-strip entry.
QLabel* menuLabel(const char* name, const QString& caption, QWidget* parent, bool opensMenu = false) {
    auto* label = clickable(named(new MenuEntry(caption, parent), name), opensMenu);
    label->setAlignment(Qt::AlignCenter);
    label->setContentsMargins(8, 1, 8, 1);
    label->setAccessibleName(caption);
    return label;
}

class ClickableLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickableLabelAccessible(QLabel* label)
        : QAccessibleWidget(label, label->property(kClickable).toString() == QStringLiteral("menu")
                                       ? QAccessible::ButtonMenu
                                       : QAccessible::Button) {}

    QString text(QAccessible::Text which) const override {
        const QString own = QAccessibleWidget::text(which);
        if (which == QAccessible::Name && own.isEmpty()) {
            return static_cast<const QLabel*>(widget())->text();
        }
        return own;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled()) {
            names.prepend(pressAction());
        }
        return names;
    }
    // Pressed as the keyboard presses it.
    void doAction(const QString& name) override {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        QCoreApplication::sendEvent(widget(), &press);
    }
};

QAccessibleInterface* clickableLabelAccessible(const QString&, QObject* object) {
    auto* label = qobject_cast<QLabel*>(object);
    return label && label->property(kClickable).isValid() ? new ClickableLabelAccessible(label) : nullptr;
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
    static const bool accessibleLabels = (QAccessible::installFactory(clickableLabelAccessible), true);
    Q_UNUSED(accessibleLabels);
    buildControls();
    connectHandlers();
    connectServices();
    buildTodayControls();
    buildOffsetControls();
    buildAlarmControls();
    buildFollowControls();
    orderTabs();
    new QuitWatch([this] { onSessionEnded(); }, this);
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

ImageButton* MainWindow::imageButton(const char* name, const QString& caption, const QString& picture,
                                     const QString& pressed, const QString& disabled) {
    return ::imageButton(name, caption, imageFolder(), picture, pressed, disabled, this);
}

void MainWindow::buildControls() {
    buildTitleStrip();
    buildMenuStrip();
    buildWarningLine();
    buildTrayMenu();

    auto* statusColumn = new QVBoxLayout;
    servicePanel = new ServicePanel(panelServices(), this);
    servicePanel->placeIn(statusColumn);
    statusColumn->addWidget(buildTodayBells(), 1);

    optionsPanel = new OptionsPanel(
        panelServices(), m_ports.logonStart, [this] { m_ports.dialogs->showModal(autoModeForm); },
        [this] { return m_loadPhase; }, this);
    auto* scheduleColumn = new QVBoxLayout;
    soundsPanel = new SoundsPanel(panelServices(), this);
    scheduleColumn->addWidget(soundsPanel->listFrame(), 1);

    auto* settingsColumn = new QVBoxLayout;
    settingsColumn->addWidget(buildSetTimeMode());
    settingsColumn->addWidget(buildDayMode());
    settingsColumn->addWidget(buildDaySelector());
    settingsColumn->addWidget(optionsPanel);
    settingsColumn->addWidget(soundsPanel->cardFrame());
    settingsColumn->addStretch();

    intervalPanel = new IntervalPanel(panelServices(), soundsPanel, this);
    intervalPanel->placeIn(scheduleColumn);
    timeListPanel = new TimeListPanel(panelServices(), soundsPanel, this);
    timeListPanel->placeIn(scheduleColumn);

    arrangeBody(statusColumn, settingsColumn, scheduleColumn);
    // Both panels stay hidden until a set-time mode is chosen.
    intervalPanel->setShown(false);
    timeListPanel->setShown(false);

    buildTimers();
    resize(1060, 680);
}

void MainWindow::buildTitleStrip() {
    const QString img = imageFolder();
    titleStrip = named(new QWidget(this), "titleStrip");
    titleStrip->setAutoFillBackground(true);
    titleStrip->setStyleSheet(
        QStringLiteral("#titleStrip { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #1d3557, "
                       "stop:1 #457b9d); }"));
    titleText = named(new QLabel(titleStrip), "titleText");
    titleText->setStyleSheet(QStringLiteral("color: white; font-size: 16pt; font-weight: bold;"));
    //: The title strip's button that hides the window into the tray
    trayButton = imageButton("trayButton", tr("Tray"), QStringLiteral("tray.gif"), QStringLiteral("tray1.gif"),
                             QString());
    trayButton->setAccessibleName(tr("Tray"));
    trayButton->setAccessibleDescription(tr("Hides the window into the tray; the bells go on"));
    minimizeButton = named(new QLabel(titleStrip), "minimizeButton");
    minimizeButton->setText(QStringLiteral("0"));
    minimizeButton->setAccessibleName(tr("Minimize"));
    minimizeButton->setPixmap(QPixmap(img + QStringLiteral("/minimaze.gif")));
    minimizeButton->setCursor(Qt::PointingHandCursor);
    minimizeButton->setProperty("hover", QStringLiteral("0"));
    minimizeButton->installEventFilter(this);
    titleStrip->setMouseTracking(true);
    titleStrip->installEventFilter(this);
    titleText->installEventFilter(this);
    auto* titleLayout = new QHBoxLayout(titleStrip);
    titleLayout->setContentsMargins(10, 4, 6, 4);
    titleLayout->addWidget(titleText);
    titleLayout->addStretch();
    titleLayout->addWidget(trayButton);
    titleLayout->addWidget(minimizeButton);
}

void MainWindow::buildMenuStrip() {
    menuStrip = named(new QWidget(this), "menuStrip");
    menuStrip->setAutoFillBackground(true);
    // The entry with the keyboard's focus is framed.
    menuStrip->setStyleSheet(
        QStringLiteral("#menuStrip { background: #e8eef4; border-bottom: 1px solid #b8c4d0; }"
                       "#menuStrip > QLabel { border: 1px solid transparent; }"
                       "#menuStrip > QLabel:focus { border: 1px dotted #1d3557; }"));
    menuStrip->setAccessibleName(tr("Menu"));
    //: The menu strip's entry that ends the program
    exitEntry = menuLabel("exitEntry", tr("Exit"), menuStrip);
    //: "Information": the program's version and maker
    infoEntry = menuLabel("infoEntry", tr("Infomation"), menuStrip);
    helpEntry = menuLabel("helpEntry", tr("Help"), menuStrip);
    // F1 anywhere in the window opens the manual too.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            &MainWindow::onHelpClicked);
    languageEntry = menuLabel("languageEntry", tr("Language"), menuStrip, true);
    //: A countdown the operator sets, which rings the bell at zero
    countdownEntry = menuLabel("countdownEntry", tr("Countdown"), menuStrip);
    //: The time left until the next bell, shown large
    bellCountEntry = menuLabel("bellCountEntry", tr("Countdown next bell"), menuStrip);
    //: The school calendar
    calendarEntry = menuLabel("calendarEntry", tr("Calendar"), menuStrip);
    setupEntry = menuLabel("setupEntry", tr("Set-up"), menuStrip, true);
    ringLogEntry = menuLabel("ringLogEntry", tr("Ring log"), menuStrip);
    //: The alarm signals (fire, lockdown...)
    alarmEntry = menuLabel("alarmEntry", tr("Alarm"), menuStrip, true);
    setupMenu = named(new QMenu(this), "setupMenu");
    //: Exports the whole set-up to one file
    setupMenu->addAction(tr("Export..."))->setObjectName(QStringLiteral("exportSetupAction"));
    //: Imports a set-up file in place of this computer's set-up
    setupMenu->addAction(tr("Import..."))->setObjectName(QStringLiteral("importSetupAction"));
    buildLanguageMenu();
    auto* menuLayout = new QHBoxLayout(menuStrip);
    menuLayout->setContentsMargins(4, 2, 4, 2);
    menuLayout->setSpacing(2);
    for (QLabel* entry : menuEntries()) {
        entry->installEventFilter(this);
        entry->setMouseTracking(true);
        menuLayout->addWidget(entry);
    }
    menuStrip->setMouseTracking(true);
    menuStrip->installEventFilter(this);
    menuLayout->addStretch();
}

// The latest problem, until it is clicked.
void MainWindow::buildWarningLine() {
    warningLine = named(new ElidedLabel(2, this), "warningLine");
    warningLine->setStyleSheet(
        QStringLiteral("#warningLine { color: #b00020; background: #fdecea; font-weight: bold; padding: 3px 10px; "
                       "border: 1px solid transparent; }"
                       "#warningLine:focus { border: 1px dotted #b00020; }"));
    clickable(warningLine);
    warningLine->setAccessibleDescription(tr("Opens the ring log"));
    warningLine->installEventFilter(this);
    warningLine->hide();
    // "What to do?": the manual's warnings page, at the problem shown.
    addWarningHelp(warningLine, [this] {
        const auto& open = m_bells->problems();
        return open.isEmpty() ? QString() : open.last().topic;
    });
}

void MainWindow::buildTrayMenu() {
    trayMenu = named(new QMenu(tr("Help"), this), "trayMenu");
    //: The tray menu's entry that brings the window back
    openWindowAction = trayMenu->addAction(tr("Open Window"));
    openWindowAction->setObjectName(QStringLiteral("openWindowAction"));
    //: The tray menu's entry that ends the program
    trayExitAction = trayMenu->addAction(tr("Exit"));
    trayExitAction->setObjectName(QStringLiteral("trayExitAction"));
    trayIcon = named(new QSystemTrayIcon(QApplication::windowIcon(), this), "trayIcon");
    trayIcon->setContextMenu(trayMenu);
    // Asked when the icon is made, as Qt asks when it chooses how to show it. The offscreen
    // platform of the tests has no tray to ask about.
    m_singleClickTray = QGuiApplication::platformName() != QStringLiteral("offscreen") && statusNotifierTray();
}

QWidget* MainWindow::buildTodayBells() {
    todayPanel = new TodayPanel(panelServices(), this);
    return todayPanel;
}

PanelServices MainWindow::panelServices() const {
    return {m_bells,         m_services.core,         m_services.commands, m_services.store, m_services.calendar,
            m_services.follower, m_ports.clock, m_ports.dialogs, imageFolder(),     soundFolder()};
}

QWidget* MainWindow::buildSetTimeMode() {
    //: How the bell times are set: by intervals or typed one by one
    modeFrame = named(new QGroupBox(tr("Set time mode"), this), "modeFrame");
    //: The bell times made from a start, an end and intervals
    intervalModeButton = named(new QRadioButton(tr("Auto interval"), modeFrame), "intervalModeButton");
    //: The bell times typed one by one
    manualModeButton = named(new QRadioButton(tr("Manual input"), modeFrame), "manualModeButton");
    auto* modeLayout = new QVBoxLayout(modeFrame);
    modeLayout->addWidget(intervalModeButton);
    modeLayout->addWidget(manualModeButton);
    return modeFrame;
}

QWidget* MainWindow::buildDayMode() {
    //: Which days the bell times apply to
    dayModeFrame = named(new QGroupBox(tr("Apply day"), this), "dayModeFrame");
    //: The same bell times every day of the week
    weekModeButton = named(new QRadioButton(tr("Apply week"), dayModeFrame), "weekModeButton");
    //: Bell times of their own for each day of the week
    eachDayModeButton = named(new QRadioButton(tr("Set each day"), dayModeFrame), "eachDayModeButton");
    auto* dayModeLayout = new QVBoxLayout(dayModeFrame);
    dayModeLayout->addWidget(weekModeButton);
    dayModeLayout->addWidget(eachDayModeButton);
    return dayModeFrame;
}

QWidget* MainWindow::buildDaySelector() {
    dayFrame = named(new QGroupBox(tr("Select day"), this), "dayFrame");
    dayNameBox = named(new QLineEdit(dayFrame), "dayNameBox");
    dayNameBox->setReadOnly(true);
    dayNameBox->setMinimumWidth(100);
    dayNameBox->setAccessibleName(tr("Day shown"));
    daySelector = named(new Spinner(0, 14, 1, /*upLowers=*/true, dayFrame), "daySelector");
    daySelector->setAccessibleName(tr("Select day"));
    //: The day has no bells
    noRingsBox = named(new QCheckBox(tr("No rings"), dayFrame), "noRingsBox");
    shownDayBox = named(new QLineEdit(QStringLiteral("1"), dayFrame), "shownDayBox");
    shownDayBox->hide();
    auto* dayLayout = new QGridLayout(dayFrame);
    dayLayout->addWidget(dayNameBox, 0, 0);
    dayLayout->addWidget(daySelector, 0, 1);
    copyDaysButton = named(new QPushButton(tr("Copy to days..."), dayFrame), "copyDaysButton");
    copyDaysButton->hide();  // "Set each day" only
    dayLayout->addWidget(copyDaysButton, 0, 2);
    dayLayout->addWidget(noRingsBox, 1, 0, 1, 2);
    return dayFrame;
}

void MainWindow::arrangeBody(QLayout* statusColumn, QLayout* settingsColumn, QLayout* scheduleColumn) {
    auto* body = new QHBoxLayout;
    body->setContentsMargins(8, 6, 8, 8);
    body->addLayout(statusColumn, 3);
    body->addLayout(settingsColumn, 2);
    body->addLayout(scheduleColumn, 5);
    bodyLayout = body;

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(titleStrip);
    layout->addWidget(menuStrip);
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
}

void MainWindow::buildTimers() {
    screenClock = new SecondTimer(1000, m_liveTimers, this);
    screenClock->setObjectName(QStringLiteral("screenClock"));
    // Just after the bells' own tick, which it need not meet.
    screenClock->setAlignedToSecond(true, 20);

    autoModeForm = new AutoModeForm(imageFolder(), this);
    autoModeForm->setObjectName(QStringLiteral("autoModeForm"));
    autoModeForm->hide();
}

void MainWindow::connectHandlers() {
    connect(screenClock, &SecondTimer::timeout, this, &MainWindow::onClockTick);
    connect(optionsPanel, &OptionsPanel::changed, this, &MainWindow::saveOptions);
    connect(optionsPanel, &OptionsPanel::repeatChanged, soundsPanel, &SoundsPanel::showStopBell);
    connect(noRingsBox, &QCheckBox::clicked, this, &MainWindow::onNoRingsClicked);
    auto onSelect = [this](QRadioButton* option, void (MainWindow::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool selected) {
            if (selected) {
                (this->*handler)();
            }
        });
    };
    onSelect(intervalModeButton, &MainWindow::onIntervalModeChosen);
    onSelect(manualModeButton, &MainWindow::onManualModeChosen);
    onSelect(weekModeButton, &MainWindow::onWeekModeChosen);
    onSelect(eachDayModeButton, &MainWindow::onEachDayModeChosen);
    connect(daySelector, &Spinner::changed, this, &MainWindow::onDayChanged);
    connect(copyDaysButton, &QPushButton::clicked, this, &MainWindow::onCopyDaysClicked);


    connect(servicePanel, &ServicePanel::startClicked, this, &MainWindow::onStartClicked);
    connect(timeListPanel, &TimeListPanel::edited, this, &MainWindow::saveTimeList);
    connect(timeListPanel, &TimeListPanel::templetApplied, this, &MainWindow::onTempletApplied);
    connect(intervalPanel, &IntervalPanel::edited, this, &MainWindow::saveIntervalSettings);
    connect(trayExitAction, &QAction::triggered, this, &MainWindow::onTrayExitTriggered);
    connect(setupMenu->actions().at(0), &QAction::triggered, this, &MainWindow::onExportSetupTriggered);
    connect(setupMenu->actions().at(1), &QAction::triggered, this, &MainWindow::onImportSetupTriggered);
    connect(openWindowAction, &QAction::triggered, this, &MainWindow::comeBackFromTray);
    connect(trayButton, &QPushButton::clicked, this, &MainWindow::goToTray);
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
    if (watched == menuStrip && event->type() == QEvent::MouseMove) {
        highlightEntry(nullptr);
    }
    // A click, or Enter or Space on the label with the keyboard's focus.
    const bool clicked = event->type() == QEvent::MouseButtonRelease &&
                         label && label->rect().contains(static_cast<QMouseEvent*>(event)->pos());
    bool pressed = false;
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        pressed = plain && !key->isAutoRepeat() &&
                  (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space);
    }
    if ((clicked || pressed) && label && label->isEnabled()) {
        if (entry) {
            highlightEntry(nullptr);
        }
        if (const ClickHandler handler = clickHandler(label)) {
            (this->*handler)();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

MainWindow::ClickHandler MainWindow::clickHandler(const QLabel* label) const {
    const std::pair<const QLabel*, ClickHandler> handlers[] = {
        {exitEntry, &MainWindow::onExitClicked},         {warningLine, &MainWindow::onWarningLineClicked},
        {countdownEntry, &MainWindow::onCountdownClicked}, {bellCountEntry, &MainWindow::onBellCountClicked},
        {calendarEntry, &MainWindow::onCalendarClicked},   {setupEntry, &MainWindow::onSetupClicked},
        {ringLogEntry, &MainWindow::onRingLogClicked},     {alarmEntry, &MainWindow::onAlarmClicked},
        {helpEntry, &MainWindow::onHelpClicked},           {infoEntry, &MainWindow::onInfoClicked},
        {languageEntry, &MainWindow::onLanguageClicked}};
    for (const auto& [entry, handler] : handlers) {
        if (entry == label) {
            return handler;
        }
    }
    return nullptr;
}

QList<QLabel*> MainWindow::menuEntries() const {
    return {exitEntry,     infoEntry,     helpEntry,  languageEntry, countdownEntry,
            bellCountEntry, calendarEntry, setupEntry, ringLogEntry,  alarmEntry};
}

void MainWindow::highlightEntry(QLabel* lit) {
    for (QLabel* entry : menuEntries()) {
        entry->setAutoFillBackground(entry == lit);
        QPalette palette = entry->palette();
        palette.setColor(QPalette::Window, QColor(192, 192, 255));
        entry->setPalette(palette);
    }
}

void MainWindow::onHelpClicked() {
    showHelp(this);
}

void MainWindow::onInfoClicked() {
    if (!m_info1) {
        m_info1 = new Info1(imageFolder(), this);
    }
    m_ports.dialogs->showModal(m_info1);
}

// --- The language ---

void MainWindow::buildLanguageMenu() {
    namespace language = corvalin::language;
    languageMenu = named(new QMenu(this), "languageMenu");
    auto* choices = new QActionGroup(languageMenu);
    auto add = [&](const QString& code, const QString& caption, const QString& name) {
        QAction* action = languageMenu->addAction(caption);
        action->setObjectName(name);
        action->setCheckable(true);
        action->setData(code);
        choices->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] { onLanguageChosen(code); });
    };
    //: The language the computer's own settings ask for
    add(QString(), tr("System language"), QStringLiteral("language_system"));
    languageMenu->addSeparator();
    // Each in its own name, never translated: a reader finds his own language whatever is shown.
    for (const language::Shipped& shipped : language::shipped()) {
        add(shipped.code, shipped.name, QStringLiteral("language_") + shipped.code);
    }
    languageMenu->addSeparator();
    //: The texts as the program's code has them, with no translation (English and Korean mixed)
    add(QString::fromLatin1(language::kOriginal), tr("Original texts"), QStringLiteral("language_original"));
    connect(languageMenu, &QMenu::aboutToShow, this, &MainWindow::showLanguageChosen);
    showLanguageChosen();
}

void MainWindow::showLanguageChosen() {
    const QString chosen = corvalin::language::chosen(m_paths.dataFolder());
    for (QAction* action : languageMenu->actions()) {
        if (action->isCheckable()) {
            action->setChecked(action->data().toString() == chosen);
        }
    }
}

void MainWindow::onLanguageClicked() {
    showLanguageChosen();
    languageMenu->popup(languageEntry->mapToGlobal(QPoint(0, languageEntry->height())));
}

void MainWindow::onLanguageChosen(const QString& code) {
    const QString before = corvalin::language::chosen(m_paths.dataFolder());
    QString why;
    if (code != before && !corvalin::language::choose(m_paths.dataFolder(), code, &why)) {
        m_ports.dialogs->warning(this, tr("The language could not be kept: %1").arg(why));
        showLanguageChosen();
        return;
    }
    showLanguageChosen();
    if (code != before) {
        m_ports.dialogs->message(this, tr("Language"), tr("The language is changed at the next start of Corvalin."),
                                 Dialogs::Icon::Information, Dialogs::Buttons::Ok);
    }
}

// --- The keyboard's way through the window ---

void MainWindow::orderTabs() {
    // The window's focus chain as it stands gives the order inside each panel.
    QHash<const QWidget*, int> place;
    for (QWidget* widget = nextInFocusChain(); widget && widget != this; widget = widget->nextInFocusChain()) {
        if (place.contains(widget)) {
            break;
        }
        place.insert(widget, static_cast<int>(place.size()));
    }
    // The areas of the window in the order of its strips and columns, left to right, top to bottom.
    QList<QWidget*> areas;
    std::function<void(QLayout*)> addAreas = [&](QLayout* layout) {
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem* item = layout->itemAt(i);
            if (item->widget()) {
                areas.append(item->widget());
            } else if (item->layout()) {
                addAreas(item->layout());
            }
        }
    };
    auto* bodyArea = findChild<QScrollArea*>(QStringLiteral("bodyArea"));
    for (int i = 0; i < layout()->count(); ++i) {
        QWidget* strip = layout()->itemAt(i)->widget();
        if (strip == bodyArea) {
            addAreas(bodyLayout);
        } else if (strip) {
            areas.append(strip);
        }
    }
    // Tab goes into the body's controls, never stops at the body itself; the body scrolls to the
    // control with the focus.
    bodyArea->setFocusPolicy(Qt::NoFocus);
    QList<QWidget*> order;
    for (QWidget* area : areas) {
        QList<QWidget*> controls = area->findChildren<QWidget*>();
        controls.prepend(area);
        QList<QWidget*> tabbed;
        for (QWidget* control : controls) {
            if ((control->focusPolicy() & Qt::TabFocus) && control->window() == this && place.contains(control)) {
                tabbed.append(control);
            }
        }
        std::stable_sort(tabbed.begin(), tabbed.end(),
                         [&](const QWidget* a, const QWidget* b) { return place.value(a) < place.value(b); });
        order.append(tabbed);
    }
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }
}

// --- Start-up ---

void MainWindow::showFailure(const QString& description) {
    m_ports.dialogs->message(this, QString(), tr("Error Number : "), Dialogs::Icon::None,
                             Dialogs::Buttons::Ok);
    m_ports.dialogs->message(this, QString(), description, Dialogs::Icon::None, Dialogs::Buttons::Ok);
}

void MainWindow::startUp() {
    try {
        if (!claimTheBells()) {
            return;
        }
        showStoredSetup();
        goOnAsBefore();
    } catch (const std::exception& failure) {
        showFailure(QString::fromLocal8Bit(failure.what()));
    }
}

bool MainWindow::claimTheBells() {
    trayMenu->menuAction()->setVisible(false);
    setWindowTitle(kProduct);
    openWindowAction->setVisible(false);
    bellCountEntry->setEnabled(false);
    QCoreApplication::setApplicationName(kProduct);

    m_loadPhase = 1;
    m_bells->resetClock();

    const auto& guard = m_bells->guardAtStart();
    if (guard.copies >= 2) {
        m_bells->showFirstCopy();
        m_quit();
        return false;
    }
    if (guard.copies == 0) {
        // Runs all the same, but never silently: two copies would ring every bell twice.
        reportProblem(guard.problem + QStringLiteral("; if another copy runs, every bell rings twice"));
    }
    connect(m_bells, &BellsClient::showRequested, this, &MainWindow::comeBackFromTray, Qt::UniqueConnection);
    logNote(m_paths.isInstalled()
                ? QStringLiteral("Corvalin started, its settings in %1").arg(QDir::toNativeSeparators(m_paths.dataFolder()))
                : QStringLiteral("Corvalin started in %1").arg(QDir::toNativeSeparators(m_paths.own)));
    return true;
}

void MainWindow::showStoredSetup() {
    fitToScreen();
    show();
    fitToScreen();

    optionsPanel->loadBooking();

    // The bells are told the stored settings, with the calendar's days, and from now on after
    // every change.
    m_services.calendar->load();
    m_services.core->tell();
    m_bells->openMixer();
    // An alarm signal that sounded when the copy before ended is not over: it sounds again,
    // with the default card muted again after the opening unmute.
    m_bells->resumeAlarm();

    titleText->setText(kProduct);
    //: %1 is the program's name: the sound card kept for the bells alone
    soundsPanel->cardFrame()->setTitle(tr("Dedicated %1 soundcard").arg(kProduct));
    servicePanel->showBellOffset();
    soundsPanel->showStoredCard();
    soundsPanel->fillSoundList();

    screenClock->setEnabled(true);

    loadOptions();
    saveOptions();  // once, with every value applied; a file that already holds them is left alone
    fitToScreen();  // with the chosen mode's panels on show

    servicePanel->showOff();
}

void MainWindow::goOnAsBefore() {
    if (optionsPanel->autoStart()) {
        // To the tray once the bells have answered: its tip tells the state they left the window in.
        const bool toTray = autoModeForm->trayModeButton->isChecked();
        startBells([this, toTray](const QString& refusal) {
            if (!refusal.isEmpty()) {
                m_ports.dialogs->warning(this, refusal);
            }
            if (toTray) {
                goToTray();
            }
        });
    }
    if (m_handOver) {
        takeBellsOver(*m_handOver);
    }
    followPanel->start();
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
        onStartClicked();
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

void MainWindow::onTrayExitTriggered() {
    unmuteDefault();
    endProgram(QStringLiteral("Exit in the tray menu"));
}

void MainWindow::onExitClicked() {
    for (QLabel* entry : menuEntries()) {
        entry->setAutoFillBackground(false);
    }
    unmuteDefault();
    endProgram(QStringLiteral("Exit in the menu strip"));
}

// The desktop session ends: the program ends with it, without unmuting.
void MainWindow::onSessionEnded() {
    endProgram(QStringLiteral("the desktop session ended"));
}

// The close button never ends the bells: the window goes to the tray (minimised where there is
// none), as the title strip's own button sends it. The program ends by "Exit" in the menu strip or
// the tray, with the desktop session, or by a signal.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    goToTray();
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
        tr("The bells go on: Corvalin keeps running here. To end it, choose Exit in this icon's menu."),
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
        connect(m_services.countdown, &Countdown::finished, this, &MainWindow::onRingNowClicked);
    }
    return m_countDown;
}

void MainWindow::onCountdownClicked() {
    m_ports.dialogs->showModal(countDownWindow());
}

void MainWindow::onBellCountClicked() {
    if (bellCountEntry->isEnabled()) {
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

#include "mainwindow.moc"
