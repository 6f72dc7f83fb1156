// Full-screen countdown view.
#include "ui/countdown/frmfullscreen.h"

#include <QPushButton>

#include "engine/countdown/countdownrules.h"

FrmFullScreen::FrmFullScreen(QWidget* parent) : FullScreenWindow(parent) {
    setObjectName(QStringLiteral("FrmFullScreen"));
    const int width = corvalin::countdown::kButtonWidthTwips;
    cmdPause = addButton("cmdPause", QStringLiteral("Pause"), width);
    cmdRePlay = addButton("cmdRePlay", QStringLiteral("Replay"), width);
    cmdSmallWin = addButton("cmdSmallWin", QStringLiteral("Small window"), width);
    cmdRePlay->hide();
    connect(cmdSmallWin, &QPushButton::clicked, this, &QWidget::hide);
}

void FrmFullScreen::placeButtons(int left, int right, int, int top) {
    cmdSmallWin->move(left, top);
    cmdPause->move(right, top);
    cmdRePlay->move(right, top);
}
