// Full-screen countdown view.
#include "countdown/frmfullscreen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "countdown/bigclocklabel.h"

FrmFullScreen::FrmFullScreen(QWidget* parent)
    : QWidget(parent, Qt::Window),
      lblTimeShow(new QLabel(QStringLiteral("66:00:66"), this)),
      lblNowTimeShow(new QLabel(QStringLiteral("66:00:66AM"), this)),
      cmdPause(new QPushButton(QStringLiteral("Pause"), this)),
      cmdRePlay(new QPushButton(QStringLiteral("Replay"), this)),
      cmdSmallWin(new QPushButton(QStringLiteral("Small window"), this)) {
    setObjectName(QStringLiteral("FrmFullScreen"));
    lblTimeShow->setObjectName(QStringLiteral("lblTimeShow"));
    lblNowTimeShow->setObjectName(QStringLiteral("lblNowTimeShow"));
    cmdPause->setObjectName(QStringLiteral("cmdPause"));
    cmdRePlay->setObjectName(QStringLiteral("cmdRePlay"));
    cmdSmallWin->setObjectName(QStringLiteral("cmdSmallWin"));
    styleFullScreenWindow(this);
    styleBigLabel(lblNowTimeShow, 105);
    styleBigLabel(lblTimeShow, 150);
    cmdRePlay->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSmallWin);
    buttons->addWidget(cmdPause);
    buttons->addWidget(cmdRePlay);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(lblNowTimeShow);
    layout->addWidget(lblTimeShow);
    layout->addLayout(buttons);
    layout->addStretch();
    connect(cmdSmallWin, &QPushButton::clicked, this, &QWidget::hide);
}
