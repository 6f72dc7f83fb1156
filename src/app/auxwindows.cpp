// Help and information windows.
#include "app/auxwindows.h"

#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/widgets/imagebutton.h"

namespace {

ImageButton* makeCloseButton(const char* name, const QString& imageFolder, QWidget* parent) {
    auto* button = new ImageButton(QStringLiteral("Close"), imageFolder, QStringLiteral("closeWin.gif"),
                                   QStringLiteral("closeWin1.gif"), QString(), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

Help1::Help1(const QString& helpFile, const QString& imageFolder, QWidget* parent)
    : QDialog(parent), closeButton(makeCloseButton("closeButton", imageFolder, this)) {
    setObjectName(QStringLiteral("help1"));
    setWindowTitle(QStringLiteral("Help"));
    auto* layout = new QVBoxLayout(this);
    auto* caution = new QLabel(QStringLiteral("Point of caution"), this);
    caution->setStyleSheet(QStringLiteral("font-weight: bold;"));
    layout->addWidget(caution);
    layout->addWidget(new QLabel(QStringLiteral("1. Input type 24 Hour "), this));
    layout->addWidget(new QLabel(QStringLiteral("    ex) AM 10 -> 10 hr"), this));
    layout->addWidget(new QLabel(QStringLiteral("            PM 10 -> 22 hr"), this));
    const QString guide = QDir::toNativeSeparators(helpFile);
    auto* direction = new QLabel(
        QStringLiteral("A direction for use of each function is explained well in '") + guide + QStringLiteral("' file."),
        this);
    direction->setObjectName(QStringLiteral("direction"));
    direction->setWordWrap(true);
    direction->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(direction);
    layout->addWidget(closeButton, 0, Qt::AlignHCenter);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
    setMinimumWidth(420);
}

Info1::Info1(const QString& imageFolder, QWidget* parent)
    : QDialog(parent), closeButton(makeCloseButton("closeButton", imageFolder, this)) {
    setObjectName(QStringLiteral("info1"));
    setWindowTitle(QStringLiteral("Corvalin infomation"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Corvalin version ") + QStringLiteral(CORVALIN_VERSION), this));
    layout->addWidget(new QLabel(QStringLiteral("Rings the bells of a school or a shop, on time, day after day."), this));
    layout->addWidget(closeButton, 0, Qt::AlignHCenter);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
}
