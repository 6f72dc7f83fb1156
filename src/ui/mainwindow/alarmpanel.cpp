// The alarm signals in the main window.
#include "ui/mainwindow/alarmpanel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

#include "core/bells/bellsclient.h"
#include "core/control/commands.h"
#include "core/schedule/settingsstore.h"
#include "ui/mainwindow/alarmsdialog.h"
#include "ui/widgets/dialogs.h"

namespace alarms = corvalin::alarms;

AlarmPanel::AlarmPanel(const PanelServices& services, QWidget* window, QMenu* trayMenu, QAction* trayExit,
                       QMenu* setupMenu)
    : QObject(window), m_services(services), m_window(window) {
    // The strip under the warning line, while a signal sounds.
    alarmStrip = new QWidget(window);
    alarmStrip->setObjectName(QStringLiteral("alarmStrip"));
    alarmStrip->setAttribute(Qt::WA_StyledBackground);
    alarmStrip->setStyleSheet(QStringLiteral("#alarmStrip { background: #c62828; }"));
    alarmText = new QLabel(alarmStrip);
    alarmText->setObjectName(QStringLiteral("alarmText"));
    alarmText->setStyleSheet(QStringLiteral("color: white; font-size: 14pt; font-weight: bold;"));
    alarmStop = new QPushButton(tr("Stop alarm"), alarmStrip);
    alarmStop->setObjectName(QStringLiteral("alarmStop"));
    alarmStop->setAutoDefault(true);
    alarmStop->setAccessibleDescription(tr("Stops the alarm signal that sounds"));
    auto* stripLayout = new QHBoxLayout(alarmStrip);
    stripLayout->setContentsMargins(10, 2, 10, 2);
    stripLayout->addWidget(alarmText, 1);
    stripLayout->addWidget(alarmStop);
    alarmStrip->hide();
    auto stopAlarm = [this](const QString& by) { m_services.commands->run(QStringLiteral("StopAlarm"), {}, by); };
    connect(alarmStop, &QPushButton::clicked, this, [stopAlarm] { stopAlarm(CommandRunner::byWindow()); });

    // The menu strip's "Alarm" and the tray's entries: one per signal, and "Stop alarm".
    alarmMenu = new QMenu(window);
    alarmMenu->setObjectName(QStringLiteral("alarmMenu"));
    trayMenu->insertSeparator(trayExit);
    for (int i = 0; i < alarms::kMostSignals; ++i) {
        QAction* entry = alarmMenu->addAction(QString());
        entry->setObjectName(QStringLiteral("alarmAction%1").arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, i] { soundAlarm(i, CommandRunner::byWindow()); });
        m_alarmActions.append(entry);
        auto* trayEntry = new QAction(window);
        trayEntry->setObjectName(QStringLiteral("trayAlarm%1").arg(i + 1));
        trayMenu->insertAction(trayExit, trayEntry);
        connect(trayEntry, &QAction::triggered, this, [this, i] { soundAlarm(i, CommandRunner::byTray()); });
        m_trayAlarmActions.append(trayEntry);
    }
    alarmMenu->addSeparator();
    stopAlarmAction = alarmMenu->addAction(tr("Stop alarm"));
    stopAlarmAction->setObjectName(QStringLiteral("stopAlarmAction"));
    connect(stopAlarmAction, &QAction::triggered, this, [stopAlarm] { stopAlarm(CommandRunner::byWindow()); });
    trayAlarmStop = new QAction(tr("Stop alarm"), window);
    trayAlarmStop->setObjectName(QStringLiteral("trayAlarmStop"));
    trayMenu->insertAction(trayExit, trayAlarmStop);
    connect(trayAlarmStop, &QAction::triggered, this, [stopAlarm] { stopAlarm(CommandRunner::byTray()); });
    trayMenu->insertSeparator(trayExit);

    QAction* setUp = setupMenu->addAction(tr("Alarm signals..."));
    setUp->setObjectName(QStringLiteral("alarmSignalsAction"));
    connect(setUp, &QAction::triggered, this, &AlarmPanel::onAlarmSignalsTriggered);

    showAlarmSignals();
    connect(m_services.bells, &BellsClient::alarmChanged, this, &AlarmPanel::showAlarm);
}

void AlarmPanel::showAlarmSignals() {
    const auto stored = m_services.store->loadAlarms();
    for (int i = 0; i < alarms::kMostSignals; ++i) {
        const bool set = i < static_cast<int>(stored.size());
        const QString name = set ? QString::fromStdString(stored[static_cast<std::size_t>(i)].name) : QString();
        m_alarmActions[i]->setText(name);
        m_alarmActions[i]->setVisible(set);
        //: An alarm signal, by its name
        m_trayAlarmActions[i]->setText(tr("Alarm: %1").arg(name));
        m_trayAlarmActions[i]->setVisible(set);
    }
}

void AlarmPanel::popUpUnder(QWidget* entry) {
    alarmMenu->popup(entry->mapToGlobal(QPoint(0, entry->height())));
}

void AlarmPanel::soundAlarm(int index, const QString& by) {
    // The signal of that entry as the store holds it; kept, as the set may change while the
    // question is open.
    const auto set = m_services.store->loadAlarms();
    if (index >= static_cast<int>(set.size())) {
        return;
    }
    const alarms::Signal signal = set[static_cast<std::size_t>(index)];
    const QString name = QString::fromStdString(signal.name);
    const QString times = signal.times <= 0 ? tr("until it is stopped")
                                            : QString::fromStdString(alarms::timesText(signal.times));
    // One signal sounds at a time: the one that sounds now ends, or starts again when it is this one.
    QString question;
    if (const QString sounding = m_services.bells->alarm(); sounding == name) {
        //: %1: the signal's name; %2: how long it rings ("3 times", "until it is stopped")
        question =
            tr("Sound the alarm signal %1 now? It rings on the bell card %2. It sounds now, and starts "
               "again from the beginning.")
                .arg(name, times);
    } else if (!sounding.isEmpty()) {
        //: %1: the signal's name; %2: how long it rings; %3: the signal that sounds now
        question =
            tr("Sound the alarm signal %1 now? It rings on the bell card %2. The alarm signal %3, which "
               "sounds now, stops.")
                .arg(name, times, sounding);
    } else {
        //: %1: the signal's name; %2: how long it rings ("3 times", "until it is stopped")
        question = tr("Sound the alarm signal %1 now? It rings on the bell card %2.").arg(name, times);
    }
    QMessageBox box(QMessageBox::Question, tr("Alarm"), question, QMessageBox::NoButton, m_window);
    QPushButton* soundIt = box.addButton(tr("Sound it"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    m_services.dialogs->showModal(&box);
    if (box.clickedButton() != soundIt) {
        return;
    }
    m_services.commands->run(QStringLiteral("StartAlarm"), {name}, by, [this, name](const QString& refusal) {
        if (!refusal.isEmpty()) {
            m_services.dialogs->warning(m_window,
                                        tr("The alarm signal %1 did not sound: %2.").arg(name, refusal));
        }
    });
}

void AlarmPanel::showAlarm(const QString& name) {
    const bool sounds = !name.isEmpty();
    //: An alarm signal, by its name
    alarmText->setText(tr("Alarm: %1").arg(name));
    alarmStrip->setVisible(sounds);
    stopAlarmAction->setEnabled(sounds);
    trayAlarmStop->setVisible(sounds);
    Q_EMIT alarmShown(name);
}

void AlarmPanel::onAlarmSignalsTriggered() {
    // The dialog lists the sound folder as the bells read it now; one at a time.
    m_services.bells->refreshSoundsNow(this, [this] {
        if (m_window->findChild<AlarmsDialog*>()) {
            return;
        }
        AlarmsDialog dialog(
            m_services.store->loadAlarms(), m_services.bells->sounds(),
            [this](const std::vector<alarms::Signal>& set) {
                const bool saved = m_services.store->saveAlarms(set);
                // What the store holds now, written or kept until it can be.
                showAlarmSignals();
                return saved;
            },
            m_window);
        m_services.dialogs->showModal(&dialog);
    });
}
