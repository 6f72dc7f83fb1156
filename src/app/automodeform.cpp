// Auto-execution way dialog.
#include "app/automodeform.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/widgets/imagebutton.h"

AutoModeForm::AutoModeForm(const QString& imageFolder, QWidget* parent)
    : QDialog(parent),
      //: How the program shows itself when it starts on its own
      wayFrame(new QGroupBox(tr("Auto execution way"), this)),
      //: Started on its own, the program shows its window
      windowModeButton(new QRadioButton(tr("Execution to monitor"), wayFrame)),
      //: Started on its own, the program shows only its tray icon
      trayModeButton(new QRadioButton(tr("Execution to tray icon"), wayFrame)),
      confirmButton(new ImageButton(tr("Confirm"), imageFolder, QStringLiteral("confirm.gif"),
                                    QStringLiteral("confirm1.gif"), QString(), this)) {
    setObjectName(QStringLiteral("autoModeForm"));
    //: "Auto execution method"
    setWindowTitle(tr("Auto execution방법"));
    confirmButton->setAccessibleName(tr("Confirm"));
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
