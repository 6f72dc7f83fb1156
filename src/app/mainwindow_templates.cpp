// Applying a template: its list replaces the list being edited and is stored at once.
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QRadioButton>

#include "app/mainwindow.h"
#include "engine/schedule/settingsformat.h"
#include "core/schedule/settingsstore.h"
#include "ui/templates/templet.h"
#include "ui/widgets/dialogs.h"

Templet* MainWindow::templetWindow() {
    if (!m_templet) {
        m_templet = new Templet(imageFolder(), this);
        connect(m_templet, &Templet::applyRequested, this, [this](int k) {
            if (applyTemplate(k)) {
                m_templet->hide();
            }
        });
    }
    return m_templet;
}

void MainWindow::onApplyTemplateClicked() {
    m_ports.dialogs->showModal(templetWindow());
}

bool MainWindow::applyTemplate(int k) {
    const auto stored = m_services.store->loadTemplate(k);
    if (!stored) {
        // A template never saved (or damaged) changes nothing.
        const QString file = QString::fromStdString(
            corvalin::settings::dayTimesFile(corvalin::settings::templateDay(k)));
        m_ports.dialogs->warning(this, QStringLiteral("templet%1 has no saved times: ").arg(k) +
                                           QDir::toNativeSeparators(m_services.store->path(file)));
        return false;
    }
    bellTimeList->clear();
    for (const auto& entry : stored->entries) {
        bellTimeList->addItem(QString::fromStdString(entry));
    }
    if (weekModeButton->isChecked()) {
        saveWeekTimes();
    } else {
        noRingsBox->setChecked(stored->noBell);
        saveDayTimes(1);
    }
    return true;
}
