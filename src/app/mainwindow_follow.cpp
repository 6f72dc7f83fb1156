// The followed set-up's panel (ui/mainwindow/followpanel.h) in the window: its line under the warning
// line, its actions in the set-up menu, and the settings it locks while a set-up is followed.
#include <QLabel>
#include <QVBoxLayout>

#include "app/mainwindow.h"
#include "ui/mainwindow/followpanel.h"
#include "ui/mainwindow/optionspanel.h"
#include "ui/staffpage/staffpageline.h"

void MainWindow::buildFollowControls() {
    followPanel = new FollowPanel(panelServices(), this, setupMenu);
    if (auto* column = qobject_cast<QVBoxLayout*>(layout())) {
        column->insertWidget(column->indexOf(warningLine) + 1, followPanel->line());
    }
    connect(followPanel, &FollowPanel::followingChanged, this, &MainWindow::onFollowingChanged);
    // The staff web page: its entry after the follower's, its line under the follower's.
    if (m_services.web && m_services.commands) {
        staffPage = new StaffPageLine(*m_services.commands, *m_services.web, setupMenu, this);
        if (auto* column = qobject_cast<QVBoxLayout*>(layout())) {
            column->insertWidget(column->indexOf(followPanel->line()) + 1, staffPage->line());
        }
    }
}

void MainWindow::onFollowingChanged(bool following) {
    optionsPanel->setFollowing(following);
    lockForService(m_bells->isRunning());
}

bool MainWindow::settingsLocked() const {
    return !followPanel->followed().isEmpty();
}
