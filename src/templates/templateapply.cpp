// Applying a template: its list replaces the list being edited and is stored at once.
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QRadioButton>

#include "app/dialogs.h"
#include "app/mainwindow.h"
#include "app/spinner.h"
#include "schedule/settingsformat.h"
#include "templates/templet.h"

namespace fmt = corvalin::settings;

Templet* MainWindow::templetWindow() {
    if (!m_templet) {
        m_templet = new Templet(imageFolder(), this);
        connect(m_templet, &Templet::applyRequested, this, [this](int k) {
            if (ApplyTemplate(k)) {
                m_templet->hide();
            }
        });
    }
    return m_templet;
}

void MainWindow::applyTemplet_Click() { m_ports.dialogs->showModal(templetWindow()); }

bool MainWindow::ApplyTemplate(int k) {
    const QString file = QString::fromStdString(fmt::dayTimesFile(7 + k));
    const auto lines = m_store.read(file);
    const auto flag = lines && !lines->isEmpty() ? fmt::parseNumberLine(lines->first().toStdString()) : std::nullopt;
    if (!flag) {
        // A template never saved (or damaged) changes nothing.
        m_ports.dialogs->warning(this, QStringLiteral("templet%1 has no saved times: ").arg(k) +
                                           QDir::toNativeSeparators(m_store.path(file)));
        return false;
    }
    AddTimeList->clear();
    for (qsizetype i = 1; i < lines->size(); ++i) {
        AddTimeList->addItem(lines->at(i));
    }
    if (Option3->isChecked()) {
        SaveWeekTimes();
    } else {
        nobell->setChecked(*flag == 1);
        SaveDayTimes(1);
    }
    return true;
}
