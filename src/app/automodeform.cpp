// Auto-execution way dialog.
#include "app/automodeform.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/widgets/imagebutton.h"

AutoModeForm::AutoModeForm(const QString& imageFolder, QWidget* parent)
    : QDialog(parent),
      Frame1(new QGroupBox(QStringLiteral("Auto execution way"), this)),
      isAutoMode1(new QRadioButton(QStringLiteral("Execution to monitor"), Frame1)),
      isAutoMode2(new QRadioButton(QStringLiteral("Execution to tray icon"), Frame1)),
      Command1(new ImageButton(QStringLiteral("Confirm"), imageFolder, QStringLiteral("confirm.gif"),
                               QStringLiteral("confirm1.gif"), QString(), this)) {
    setObjectName(QStringLiteral("isAutoModeForm"));
    setWindowTitle(QStringLiteral("Auto execution방법"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    isAutoMode1->setObjectName(QStringLiteral("isAutoMode1"));
    isAutoMode2->setObjectName(QStringLiteral("isAutoMode2"));
    Command1->setObjectName(QStringLiteral("Command1"));

    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(isAutoMode1);
    frameLayout->addWidget(isAutoMode2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);
    connect(Command1, &QPushButton::clicked, this, &QWidget::hide);
}
