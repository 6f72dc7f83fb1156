// Next-bell countdown window.
#include "ui/countdown/frmbellcount.h"

#include <QPushButton>

#include "engine/countdown/countdownrules.h"

FrmBellCount::FrmBellCount(QWidget* parent) : FullScreenWindow(parent) {
    setObjectName(QStringLiteral("FrmBellCount"));
    closeButton = addButton("closeButton", tr("Close"), corvalin::countdown::kCloseWidthTwips);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
}

void FrmBellCount::placeButtons(int, int, int centre, int top) {
    closeButton->move(centre, top);
}
