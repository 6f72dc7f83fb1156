// Next-bell countdown window.
#include "countdown/frmbellcount.h"

#include <QPushButton>

#include "countdown/countdownrules.h"

FrmBellCount::FrmBellCount(QWidget* parent) : FullScreenWindow(parent) {
    setObjectName(QStringLiteral("FrmBellCount"));
    cmdClose = addButton("cmdClose", QStringLiteral("Close"), corvalin::countdown::kCloseWidthTwips);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
}

void FrmBellCount::placeButtons(int, int, int centre, int top) { cmdClose->move(centre, top); }
