// The full-screen view of the free countdown: the count in very large digits with the time of
// day above it, and its own pause, resume and "Small window" buttons.
#pragma once

#include "ui/countdown/fullscreenwindow.h"

class FrmFullScreen : public FullScreenWindow {
    Q_OBJECT
public:
    explicit FrmFullScreen(QWidget* parent = nullptr);

    QPushButton* pauseButton;
    QPushButton* resumeButton;
    QPushButton* smallWindowButton;

protected:
    void placeButtons(int left, int right, int centre, int top) override;
};
