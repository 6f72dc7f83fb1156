// Full-screen countdown view.
#include "ui/countdown/frmfullscreen.h"

#include <QPushButton>

#include "engine/countdown/countdownrules.h"

FrmFullScreen::FrmFullScreen(QWidget* parent) : FullScreenWindow(parent) {
    setObjectName(QStringLiteral("FrmFullScreen"));
    const int width = corvalin::countdown::kButtonWidthTwips;
    pauseButton = addButton("pauseButton", tr("Pause"), width);
    //: Resumes the paused count
    resumeButton = addButton("resumeButton", tr("Replay"), width);
    //: Back from the full-screen view to the countdown's small window
    smallWindowButton = addButton("smallWindowButton", tr("Small window"), width);
    resumeButton->hide();
    // Left to right as they stand.
    setTabOrder(smallWindowButton, pauseButton);
    setTabOrder(pauseButton, resumeButton);
    connect(smallWindowButton, &QPushButton::clicked, this, &QWidget::hide);
}

void FrmFullScreen::placeButtons(int left, int right, int, int top) {
    smallWindowButton->move(left, top);
    pauseButton->move(right, top);
    resumeButton->move(right, top);
}
