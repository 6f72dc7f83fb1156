// The information window.
#include "app/auxwindows.h"

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
