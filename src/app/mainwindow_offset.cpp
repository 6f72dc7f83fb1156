// The building's clocks: every bell rings that many seconds after the computer's clock (before it
// when negative), for a school whose wall clocks follow a master clock. Kept in offset.ini, shown
// beside the clock, and handed to the bells, which follow it.
#include <QAction>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/mainwindow.h"
#include "ui/mainwindow/servicepanel.h"
#include "core/bells/bellsclient.h"
#include "core/schedule/settingsstore.h"
#include "engine/schedule/settingsvalues.h"
#include "ui/widgets/dialogs.h"

void MainWindow::buildOffsetControls() {
    QAction* entry = setupMenu->addAction(tr("Bell time offset..."));
    entry->setObjectName(QStringLiteral("bellOffsetAction"));
    connect(entry, &QAction::triggered, this, &MainWindow::onBellOffsetTriggered);
}

void MainWindow::onBellOffsetTriggered() {
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Bell time offset"));
    auto* text = new QLabel(tr("Every bell rings this many seconds after the computer's clock (before it "
                               "when negative), so that the bells match the building's clocks:"),
                            &dialog);
    text->setWordWrap(true);
    auto* seconds = new QSpinBox(&dialog);
    seconds->setObjectName(QStringLiteral("offsetSeconds"));
    seconds->setRange(-corvalin::settings::kLargestBellOffset, corvalin::settings::kLargestBellOffset);
    //: Seconds, after a number
    seconds->setSuffix(tr(" s"));
    text->setBuddy(seconds);
    seconds->setAccessibleName(tr("Bell time offset"));
    seconds->setAccessibleDescription(text->text());
    const int before = m_services.store->loadBellOffset();
    seconds->setValue(before);
    auto* ok = new QPushButton(tr("OK"), &dialog);
    ok->setObjectName(QStringLiteral("offsetOk"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("offsetCancel"));
    connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(seconds);
    layout->addLayout(buttons);
    m_ports.dialogs->showModal(&dialog);
    if (dialog.result() != QDialog::Accepted || seconds->value() == before) {
        return;
    }
    // Kept as the store keeps every setting; the bells are told what it holds (BellsCore).
    m_services.store->saveBellOffset(seconds->value());
    servicePanel->showBellOffset();
}
