// Next-bell countdown window.
#include "countdown/frmbellcount.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "countdown/bigclocklabel.h"

FrmBellCount::FrmBellCount(QWidget* parent)
    : QWidget(parent, Qt::Window),
      lblTimeShow(new QLabel(QStringLiteral("66:00:66"), this)),
      lblNowTimeShow(new QLabel(QStringLiteral("66:00:66AM"), this)),
      cmdClose(new QPushButton(QStringLiteral("Close"), this)) {
    setObjectName(QStringLiteral("FrmBellCount"));
    lblTimeShow->setObjectName(QStringLiteral("lblTimeShow"));
    lblNowTimeShow->setObjectName(QStringLiteral("lblNowTimeShow"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    styleFullScreenWindow(this);
    styleBigLabel(lblNowTimeShow, 105);
    styleBigLabel(lblTimeShow, 150);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(lblNowTimeShow);
    layout->addWidget(lblTimeShow);
    layout->addLayout(buttons);
    layout->addStretch();
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::hide);
}
