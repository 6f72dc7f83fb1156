// The internet time warning window.
#include "ui/timesync/frmsyncerror.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/widgets/imagebutton.h"

namespace {

QLabel* line(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

}  // namespace

FrmSyncError::FrmSyncError(const QString& imageFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      failureText(line(
          "failureText",
          //: "The clock cannot be set: the internet time server could not be reached."
          tr("Because failure of connecting in the Internet time server, it cannot fix time."),
          this)),
      networkText(line("networkText",
                       //: "Please check that the network works as it should."
                       tr("Please confirm network condition which probably is normal."), this)),
      unstableText(line(
          "unstableText",
          //: "If this warning comes up often, the network is unstable, and the internet time cannot be used."
          tr("If this warning window are opened frequently, it means that the network condition "
             "is unstable. therefore, you not be able to use internet time function."),
          this)),
      untickText(line(
          "untickText",
          //: "Then please untick [Internet time] in Corvalin's main window." Keep the box's name as the main window shows it.
          tr("So, please cancel the check box [Internet time] of Corvalin main window."), this)),
      closeButton(new ImageButton(tr("Close"), imageFolder, QStringLiteral("closeWin.gif"),
                                  QStringLiteral("closeWin1.gif"), QString(), this)) {
    setObjectName(QStringLiteral("FrmSyncError"));
    setWindowTitle(QStringLiteral("Corvalin"));
    closeButton->setObjectName(QStringLiteral("closeButton"));
    setMinimumWidth(420);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    for (QLabel* label : {failureText, networkText, unstableText, untickText}) {
        layout->addWidget(label);
    }
    layout->addLayout(buttons);
    connect(closeButton, &QPushButton::clicked, this, &FrmSyncError::onCloseClicked);
}

void FrmSyncError::onCloseClicked() {
    hide();
}
