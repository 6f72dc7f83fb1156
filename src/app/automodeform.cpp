// Auto-execution way dialog.
#include "app/automodeform.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/widgets/imagebutton.h"

AutoModeForm::AutoModeForm(const QString& imageFolder, QWidget* parent)
    : QDialog(parent),
      wayFrame(new QGroupBox(QStringLiteral("Auto execution way"), this)),
      windowModeButton(new QRadioButton(QStringLiteral("Execution to monitor"), wayFrame)),
      trayModeButton(new QRadioButton(QStringLiteral("Execution to tray icon"), wayFrame)),
      confirmButton(new ImageButton(QStringLiteral("Confirm"), imageFolder, QStringLiteral("confirm.gif"),
                                    QStringLiteral("confirm1.gif"), QString(), this)) {
    setObjectName(QStringLiteral("autoModeForm"));
    setWindowTitle(QStringLiteral("Auto execution방법"));
    wayFrame->setObjectName(QStringLiteral("wayFrame"));
    windowModeButton->setObjectName(QStringLiteral("windowModeButton"));
    trayModeButton->setObjectName(QStringLiteral("trayModeButton"));
    confirmButton->setObjectName(QStringLiteral("confirmButton"));

    auto* frameLayout = new QVBoxLayout(wayFrame);
    frameLayout->addWidget(windowModeButton);
    frameLayout->addWidget(trayModeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(wayFrame);
    layout->addWidget(confirmButton, 0, Qt::AlignHCenter);
    connect(confirmButton, &QPushButton::clicked, this, &QWidget::hide);
}
