// The full-screen view of the free countdown: the count in very large digits with the
// time of day above it.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

class FrmFullScreen : public QWidget {
    Q_OBJECT
public:
    explicit FrmFullScreen(QWidget* parent = nullptr);

    QLabel* lblTimeShow;
    QLabel* lblNowTimeShow;
    QPushButton* cmdPause;
    QPushButton* cmdRePlay;
    QPushButton* cmdSmallWin;
};
