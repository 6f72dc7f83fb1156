// Next-bell countdown window.
#include "ui/countdown/frmbellcount.h"

#include <QPushButton>

#include "engine/countdown/countdownrules.h"

FrmBellCount::FrmBellCount(QWidget* parent) : FullScreenWindow(parent) {
    setObjectName(QStringLiteral("FrmBellCount"));
    cmdClose = addButton("cmdClose", QStringLiteral("Close"), corvalin::countdown::kCloseWidthTwips);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
}

void FrmBellCount::placeButtons(int, int, int centre, int top) { cmdClose->move(centre, top); }
