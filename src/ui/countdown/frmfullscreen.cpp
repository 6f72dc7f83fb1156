// Full-screen countdown view.
#include "ui/countdown/frmfullscreen.h"

#include <QPushButton>

#include "engine/countdown/countdownrules.h"

FrmFullScreen::FrmFullScreen(QWidget* parent) : FullScreenWindow(parent) {
    setObjectName(QStringLiteral("FrmFullScreen"));
    const int width = corvalin::countdown::kButtonWidthTwips;
    pauseButton = addButton("pauseButton", QStringLiteral("Pause"), width);
    resumeButton = addButton("resumeButton", QStringLiteral("Replay"), width);
    smallWindowButton = addButton("smallWindowButton", QStringLiteral("Small window"), width);
    resumeButton->hide();
    connect(smallWindowButton, &QPushButton::clicked, this, &QWidget::hide);
}

void FrmFullScreen::placeButtons(int left, int right, int, int top) {
    smallWindowButton->move(left, top);
    pauseButton->move(right, top);
    resumeButton->move(right, top);
}
