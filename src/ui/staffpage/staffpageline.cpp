// The staff web page's line and menu entry on the main window.
#include "ui/staffpage/staffpageline.h"

#include <QAction>
#include <QMenu>

#include "core/control/webface.h"
#include "ui/staffpage/staffpagedialog.h"
#include "ui/widgets/elidedlabel.h"

StaffPageLine::StaffPageLine(CommandRunner& commands, WebFace& web, QMenu* setupMenu, QWidget* window)
    : QObject(window), m_commands(commands), m_web(web), m_window(window) {
    m_line = new ElidedLabel(1, window);
    m_line->setObjectName(QStringLiteral("staffPageText"));
    m_line->setStyleSheet(QStringLiteral("background: #e3eef7; color: #173a55; padding: 2px 10px;"));
    m_line->hide();
    setupMenu->addSeparator();
    QAction* entry = setupMenu->addAction(tr("Staff web page..."));
    entry->setObjectName(QStringLiteral("staffPageAction"));
    connect(entry, &QAction::triggered, this, &StaffPageLine::onStaffPageTriggered);
    connect(&m_web, &WebFace::changed, this, &StaffPageLine::show);
    show();
}

QWidget* StaffPageLine::line() const {
    return m_line;
}

void StaffPageLine::show() {
    const QString address = m_web.address();
    m_line->setVisible(!address.isEmpty());
    if (!address.isEmpty()) {
        m_line->setText(tr("Staff web page: %1   certificate SHA-256 %2").arg(address, m_web.fingerprint()));
        m_line->setToolTip(m_line->text());
    }
}

void StaffPageLine::onStaffPageTriggered() {
    if (!m_dialog) {
        m_dialog = new StaffPageDialog(m_commands, m_web, m_window);
        m_dialog->setObjectName(QStringLiteral("staffPageDialog"));
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}
