// Setting the computer's clock from an internet time server.
#include <QCheckBox>

#include "app/dialogs.h"
#include "app/mainwindow.h"

QString primaryTimeServer() {
    const QByteArray configured = qgetenv("CORVALIN_TIME_SERVER1");
    return configured.isEmpty() ? QStringLiteral("pool.ntp.org") : QString::fromLocal8Bit(configured);
}

void MainWindow::StartTimeSync(QString& host) { Q_UNUSED(host); }

void MainWindow::chkTimeSync_Click() {
    if (loadPhase == 2 && chkTimeSync->isChecked()) {
        m_ports.dialogs->message(
            this, QString(),
            QStringLiteral("It uses the Internet time server, at real-time it synchronizes a computer time in standard time."),
            Dialogs::Icon::None, Dialogs::Buttons::Ok);
    }
}
