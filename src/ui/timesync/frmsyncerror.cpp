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
      Label1(line(
          "Label1",
          QStringLiteral("Because failure of connecting in the Internet time server, it cannot fix time."),
          this)),
      Label2(
          line("Label2", QStringLiteral("Please confirm network condition which probably is normal."), this)),
      Label3(line(
          "Label3",
          QStringLiteral("If this warning window are opened frequently, it means that the network condition "
                         "is unstable. therefore, you not be able to use internet time function."),
          this)),
      Label5(line("Label5",
                  QStringLiteral("So, please cancel the check box [Internet time] of Corvalin main window."),
                  this)),
      cmdSyncError(new ImageButton(QStringLiteral("Close"), imageFolder, QStringLiteral("closeWin.gif"),
                                   QStringLiteral("closeWin1.gif"), QString(), this)) {
    setObjectName(QStringLiteral("FrmSyncError"));
    setWindowTitle(QStringLiteral("Corvalin"));
    cmdSyncError->setObjectName(QStringLiteral("cmdSyncError"));
    setMinimumWidth(420);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSyncError);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    for (QLabel* label : {Label1, Label2, Label3, Label5}) {
        layout->addWidget(label);
    }
    layout->addLayout(buttons);
    connect(cmdSyncError, &QPushButton::clicked, this, &FrmSyncError::cmdSyncError_Click);
}

void FrmSyncError::cmdSyncError_Click() {
    hide();
}
