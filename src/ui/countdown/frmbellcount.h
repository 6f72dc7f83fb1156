// The full-screen display of the time left until the next bell, with the time of day above it,
// for a room or a hall to read. The main window's clock writes both read-outs every second.
#pragma once

#include "ui/countdown/fullscreenwindow.h"

class FrmBellCount : public FullScreenWindow {
    Q_OBJECT
public:
    explicit FrmBellCount(QWidget* parent = nullptr);

    QPushButton* closeButton;

protected:
    void placeButtons(int left, int right, int centre, int top) override;
};
