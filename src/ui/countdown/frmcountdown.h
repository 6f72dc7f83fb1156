// The countdown timer window: hours, minutes and seconds to count, the running read-out, and
// the buttons that start, pause, resume, stop the count, show it full-screen or close the window.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class Countdown;
class Dialogs;
class FrmFullScreen;
class ImageButton;
class Spinner;

class FrmCountDown : public QDialog {
    Q_OBJECT
public:
    FrmCountDown(Countdown* countdown, Dialogs* dialogs, FrmFullScreen* fullScreen, const QString& imageFolder,
                 QWidget* parent = nullptr);

    void onStartCountClicked();
    void onPauseClicked();
    void onResumeClicked();
    void onEndCountClicked();
    void onFullScreenClicked();
    void onCloseClicked();

private:
    // Shows the buttons, the read-out and the full-screen view's buttons as the count's state
    // asks.
    void showState();

    Countdown* m_countdown;
    Dialogs* m_dialogs;
    FrmFullScreen* m_fullScreen;

    QGroupBox* countFrame;
    QLineEdit* inputHourBox;
    QLineEdit* inputMinuteBox;
    QLineEdit* inputSecondBox;
    Spinner* hourSpin;
    Spinner* minuteSpin;
    Spinner* secondSpin;
    QLineEdit* countText;
    ImageButton* startCountButton;
    ImageButton* fullScreenButton;
    ImageButton* pauseButton;
    ImageButton* resumeButton;
    ImageButton* closeButton;
    ImageButton* endCountButton;
};
