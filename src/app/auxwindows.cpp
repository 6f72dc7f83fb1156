// The information window.
#include "app/auxwindows.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/widgets/imagebutton.h"

namespace {

ImageButton* makeCloseButton(const char* name, const QString& imageFolder, QWidget* parent) {
    auto* button = new ImageButton(QCoreApplication::translate("Info1", "Close"), imageFolder, QStringLiteral("closeWin.gif"),
                                   QStringLiteral("closeWin1.gif"), QString(), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

Info1::Info1(const QString& imageFolder, QWidget* parent)
    : QDialog(parent), closeButton(makeCloseButton("closeButton", imageFolder, this)) {
    setObjectName(QStringLiteral("info1"));
    //: "Corvalin information": the title of the window with the program's version
    setWindowTitle(tr("Corvalin infomation"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Corvalin version %1").arg(QStringLiteral(CORVALIN_VERSION)), this));
    layout->addWidget(new QLabel(tr("Rings the bells of a school or a shop, on time, day after day."), this));
    layout->addWidget(closeButton, 0, Qt::AlignHCenter);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
}
