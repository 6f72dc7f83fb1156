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

    void cmdStartCount_Click();
    void cmdPause_Click();
    void cmdRePlay_Click();
    void cmdCountExit_Click();
    void cmdAllWin_Click();
    void cmdClose_Click();

private:
    // Shows the buttons, the read-out and the full-screen view's buttons as the count's state
    // asks.
    void showState();

    Countdown* m_countdown;
    Dialogs* m_dialogs;
    FrmFullScreen* m_fullScreen;

    QGroupBox* Frame1;
    QLineEdit* input_h;
    QLineEdit* input_m;
    QLineEdit* input_s;
    Spinner* VScroll7;
    Spinner* VScroll8;
    Spinner* VScroll1;
    QLineEdit* txtShowCount;
    ImageButton* cmdStartCount;
    ImageButton* cmdAllWin;
    ImageButton* cmdPause;
    ImageButton* cmdRePlay;
    ImageButton* cmdClose;
    ImageButton* cmdCountExit;
};
