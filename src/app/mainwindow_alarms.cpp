// The alarm signals from the window: the "Alarm" menu of the menu strip and the tray's entries,
// each sounding a signal after one question; the red strip with "Stop alarm" while one sounds; and
// "Alarm signals..." in the set-up menu. The bells sound and end the signal; the window asks and
// shows.
#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

#include "app/alarmsdialog.h"
#include "app/mainwindow.h"
#include "core/control/commands.h"
#include "core/bells/bellsclient.h"
#include "core/schedule/settingsstore.h"
#include "ui/widgets/dialogs.h"

namespace alarms = corvalin::alarms;


void MainWindow::buildAlarmControls() {
    // The strip under the warning line, while a signal sounds.
    alarmStrip = new QWidget(this);
    alarmStrip->setObjectName(QStringLiteral("alarmStrip"));
    alarmStrip->setAttribute(Qt::WA_StyledBackground);
    alarmStrip->setStyleSheet(QStringLiteral("#alarmStrip { background: #c62828; }"));
    alarmText = new QLabel(alarmStrip);
    alarmText->setObjectName(QStringLiteral("alarmText"));
    alarmText->setStyleSheet(QStringLiteral("color: white; font-size: 14pt; font-weight: bold;"));
    alarmStop = new QPushButton(QStringLiteral("Stop alarm"), alarmStrip);
    alarmStop->setObjectName(QStringLiteral("alarmStop"));
    auto* stripLayout = new QHBoxLayout(alarmStrip);
    stripLayout->setContentsMargins(10, 2, 10, 2);
    stripLayout->addWidget(alarmText, 1);
    stripLayout->addWidget(alarmStop);
    alarmStrip->hide();
    if (auto* column = qobject_cast<QVBoxLayout*>(layout())) {
        column->insertWidget(column->indexOf(warningLine) + 1, alarmStrip);
    }
    connect(alarmStop, &QPushButton::clicked, this, [this] { m_services.commands->run(QStringLiteral("StopAlarm"), {}, CommandRunner::byWindow()); });

    // The menu strip's "Alarm" and the tray's entries: one per signal, and "Stop alarm".
    alarmMenu = new QMenu(this);
    alarmMenu->setObjectName(QStringLiteral("alarmMenu"));
    trayMenu->insertSeparator(trayExitAction);
    for (int i = 0; i < alarms::kMostSignals; ++i) {
        QAction* entry = alarmMenu->addAction(QString());
        entry->setObjectName(QStringLiteral("alarmAction%1").arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, i] { soundAlarm(i, CommandRunner::byWindow()); });
        m_alarmActions.append(entry);
        QAction* trayEntry = new QAction(this);
        trayEntry->setObjectName(QStringLiteral("trayAlarm%1").arg(i + 1));
        trayMenu->insertAction(trayExitAction, trayEntry);
        connect(trayEntry, &QAction::triggered, this, [this, i] { soundAlarm(i, CommandRunner::byTray()); });
        m_trayAlarmActions.append(trayEntry);
    }
    alarmMenu->addSeparator();
    stopAlarmAction = alarmMenu->addAction(QStringLiteral("Stop alarm"));
    stopAlarmAction->setObjectName(QStringLiteral("stopAlarmAction"));
    connect(stopAlarmAction, &QAction::triggered, this, [this] { m_services.commands->run(QStringLiteral("StopAlarm"), {}, CommandRunner::byWindow()); });
    trayAlarmStop = new QAction(QStringLiteral("Stop alarm"), this);
    trayAlarmStop->setObjectName(QStringLiteral("trayAlarmStop"));
    trayMenu->insertAction(trayExitAction, trayAlarmStop);
    connect(trayAlarmStop, &QAction::triggered, this, [this] { m_services.commands->run(QStringLiteral("StopAlarm"), {}, CommandRunner::byTray()); });
    trayMenu->insertSeparator(trayExitAction);

    QAction* setUp = setupMenu->addAction(QStringLiteral("Alarm signals..."));
    setUp->setObjectName(QStringLiteral("alarmSignalsAction"));
    connect(setUp, &QAction::triggered, this, &MainWindow::onAlarmSignalsTriggered);

    showAlarmSignals();
    connect(m_bells, &BellsClient::alarmChanged, this, &MainWindow::showAlarm);
    showAlarm(m_bells->alarm());
}

void MainWindow::showAlarmSignals() {
    m_alarms = m_services.store->loadAlarms();
    for (int i = 0; i < alarms::kMostSignals; ++i) {
        const bool set = i < static_cast<int>(m_alarms.size());
        const QString name = set ? QString::fromStdString(m_alarms[i].name) : QString();
        m_alarmActions[i]->setText(name);
        m_alarmActions[i]->setVisible(set);
        m_trayAlarmActions[i]->setText(QStringLiteral("Alarm: ") + name);
        m_trayAlarmActions[i]->setVisible(set);
    }
}

void MainWindow::onAlarmClicked() {
    alarmMenu->popup(alarmEntry->mapToGlobal(QPoint(0, alarmEntry->height())));
}

void MainWindow::soundAlarm(int index, const QString& by) {
    if (index >= static_cast<int>(m_alarms.size())) {
        return;
    }
    const alarms::Signal signal = m_alarms[index];  // the set may change while the question is open
    const QString name = QString::fromStdString(signal.name);
    const QString times = signal.times <= 0 ? QStringLiteral("until it is stopped")
                                            : QString::fromStdString(alarms::timesText(signal.times));
    QString question =
        QStringLiteral("Sound the alarm signal %1 now? It rings on the bell card %2.").arg(name, times);
    // One signal sounds at a time: the one that sounds now ends, or starts again when it is this one.
    if (const QString sounding = m_bells->alarm(); sounding == name) {
        question += QStringLiteral(" It sounds now, and starts again from the beginning.");
    } else if (!sounding.isEmpty()) {
        question += QStringLiteral(" The alarm signal %1, which sounds now, stops.").arg(sounding);
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("Alarm"), question, QMessageBox::NoButton, this);
    QPushButton* soundIt = box.addButton(QStringLiteral("Sound it"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    m_ports.dialogs->showModal(&box);
    if (box.clickedButton() != soundIt) {
        return;
    }
    m_services.commands->run(QStringLiteral("StartAlarm"), {name}, by, [this, name](const QString& refusal) {
        if (!refusal.isEmpty()) {
            m_ports.dialogs->warning(
                this, QStringLiteral("The alarm signal %1 did not sound: %2.").arg(name, refusal));
        }
    });
}

void MainWindow::showAlarm(const QString& name) {
    const bool sounds = !name.isEmpty();
    alarmText->setText(QStringLiteral("Alarm: ") + name);
    alarmStrip->setVisible(sounds);
    stopAlarmAction->setEnabled(sounds);
    trayAlarmStop->setVisible(sounds);
    trayIcon->setToolTip(trayTip());
    showTrayState();
}

void MainWindow::onAlarmSignalsTriggered() {
    // The dialog lists the sound folder as the bells read it now; one at a time.
    m_bells->refreshSoundsNow(this, [this] {
        if (findChild<AlarmsDialog*>()) {
            return;
        }
        AlarmsDialog dialog(
            m_alarms, m_bells->sounds(),
            [this](const std::vector<alarms::Signal>& set) {
                const bool saved = m_services.store->saveAlarms(set);
                // What the store holds now, written or kept until it can be.
                showAlarmSignals();
                return saved;
            },
            this);
        m_ports.dialogs->showModal(&dialog);
    });
}
