// Template window.
#include "ui/templates/templet.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "ui/widgets/imagebutton.h"

Templet::Templet(const QString& imageFolder, QWidget* parent)
    //: "Select template": one of the six stored time lists
    : QDialog(parent), frame(new QGroupBox(tr("Select templet"), this)) {
    setObjectName(QStringLiteral("templet"));
    setWindowTitle(tr("Select templet"));
    auto* grid = new QGridLayout(frame);
    for (int k = 1; k <= 6; ++k) {
        //: "Apply template %1": copies stored time list %1 into the list being edited
        auto* button = new ImageButton(tr("Apply templet %1").arg(k), imageFolder,
                                       QStringLiteral("applyTemplet%1.gif").arg(k),
                                       QStringLiteral("applyTempletDown%1.gif").arg(k), QString(), frame);
        button->setObjectName(QStringLiteral("templateButton%1").arg(k));
        button->setCursor(Qt::PointingHandCursor);
        grid->addWidget(button, (k - 1) / 3, (k - 1) % 3);
        connect(button, &QPushButton::clicked, this, [this, k] { Q_EMIT applyRequested(k); });
        templateButtons[static_cast<std::size_t>(k - 1)] = button;
    }
    closeButton = new ImageButton(tr("Close"), imageFolder, QStringLiteral("templetWinClose.gif"),
                                  QStringLiteral("templetWinClose1.gif"), QString(), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setCursor(Qt::PointingHandCursor);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(closeButton, 0, Qt::AlignHCenter);
}
