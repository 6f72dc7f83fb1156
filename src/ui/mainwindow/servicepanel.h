// The service strip of the main window: the state ("ON" or "OFF") with start and stop, the clock and
// the date with what is special about today (the calendar's exception, a change of the whole day,
// the bells' offset), and the next bell with its sound. Start is the window's: it stores what the
// window shows before the bells start. Stop is a command, as every face gives it.
#pragma once

#include <QObject>
#include <QStringList>

#include "ui/mainwindow/panelservices.h"

class QBoxLayout;
class QDateTime;
class QGroupBox;
class QLabel;
class QWidget;
class ImageButton;

class ServicePanel : public QObject {
    Q_OBJECT
public:
    // The controls are made in `window`, for placeIn to place.
    ServicePanel(const PanelServices& services, QWidget* window);

    // The state strip, the clock and the next bell, one under another.
    void placeIn(QBoxLayout* column);
    // "OFF", as start-up and a stop show it.
    void showOff();
    // While the service runs the start button is locked and the state says "ON".
    void lock(bool running);
    void clearNextBell();
    // The clock and the date at `now`, with today's exception.
    void showTime(const QDateTime& now);
    // Today's exception beside the date, or nothing when there is none.
    void showCalendarDay();
    // The offset as the store holds it, beside the clock.
    void showBellOffset();
    void onStopClicked();

Q_SIGNALS:
    void startClicked();

private:
    QGroupBox* buildStateStrip();
    QWidget* buildClock();
    void showNextBell(int minuteOfDay, const QString& sound);
    // Beside the date: the whole day's change among today's changes, if any.
    void showTodayNote(const QStringList& changes);

    PanelServices m_services;
    QWidget* m_window;
    QGroupBox* stateFrame;
    QLabel* stateColor;
    QLabel* stateText;
    ImageButton* startButton;
    ImageButton* stopButton;
    QWidget* clockBox;
    QLabel* clockText;
    QLabel* dateText;
    QLabel* calendarDay;
    QLabel* todayNote;   // "No bells today" or "Templet 2 rings today" while today's change says so
    QLabel* offsetText;  // beside the clock while the offset is not 0
    QGroupBox* nextBellFrame;
    QGroupBox* nextSoundFrame;
    QLabel* nextBell;
    QLabel* nextBellSound;
};
