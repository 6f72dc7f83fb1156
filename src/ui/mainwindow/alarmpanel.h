// The alarm signals in the main window: the "Alarm" menu of the menu strip and the tray's entries,
// each sounding a signal after one question; the red strip with "Stop alarm" while one sounds; and
// "Alarm signals..." in the set-up menu. The signals are those the store holds; the bells sound and
// end them; the panel asks and shows.
#pragma once

#include <QList>
#include <QObject>

#include "ui/mainwindow/panelservices.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;

class AlarmPanel : public QObject {
    Q_OBJECT
public:
    // The strip is made in `window`, for the window to place; the tray's entries go into
    // `trayMenu` before `trayExit`, and "Alarm signals..." at the end of `setupMenu`.
    AlarmPanel(const PanelServices& services, QWidget* window, QMenu* trayMenu, QAction* trayExit, QMenu* setupMenu);

    QWidget* strip() const { return alarmStrip; }
    // The "Alarm" menu, under the menu strip's entry.
    void popUpUnder(QWidget* entry);
    // The signals as the store holds them, in the menus.
    void showAlarmSignals();
    // The signal that sounds (none: empty), in the strip and the menus; then alarmShown.
    void showAlarm(const QString& name);

Q_SIGNALS:
    void alarmShown(const QString& name);

private:
    // Asks first, then has the bells sound the signal at `index`; `by` is said in the ring log.
    void soundAlarm(int index, const QString& by);
    // "Alarm signals..." in the set-up menu.
    void onAlarmSignalsTriggered();

    PanelServices m_services;
    QWidget* m_window;
    QWidget* alarmStrip;  // "Alarm: Lockdown" and "Stop alarm", while it sounds
    QLabel* alarmText;
    QPushButton* alarmStop;
    QMenu* alarmMenu;                    // its signals and "Stop alarm"
    QList<QAction*> m_alarmActions;      // alarmAction1..3
    QAction* stopAlarmAction;            // enabled while a signal sounds
    QList<QAction*> m_trayAlarmActions;  // the same signals in the tray's menu
    QAction* trayAlarmStop;              // there while a signal sounds
};
