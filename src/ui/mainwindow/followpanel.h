// A set-up followed from a web address in the main window: "Follow a set-up..." in the set-up menu
// takes the address and the publisher's public key; while the computer follows one, the line under
// the warning line names where the settings are changed, what a set-up carries is locked
// (followingChanged()), and "Stop following" makes the set-up in use the computer's own again. A new
// version is applied, at a quiet moment, as an import is.
#pragma once

#include <QObject>

#include "ui/mainwindow/panelservices.h"

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace corvalin::setup {
struct Contents;
}

class FollowPanel : public QObject {
    Q_OBJECT
public:
    // The line is made in `window`, for the window to place; the actions go at the end of `setupMenu`.
    FollowPanel(const PanelServices& services, QWidget* window, QMenu* setupMenu);

    QWidget* line() const;
    // The address followed; empty when the settings are the computer's own.
    QString followed() const;
    // Shows what is followed and lets the follower fetch (after the settings are loaded).
    void start();
    void onFollowTriggered();

Q_SIGNALS:
    void followingChanged(bool following);

private:
    void showFollowing();
    QString applyFollowedSetup(const corvalin::setup::Contents& contents);

    PanelServices m_services;
    QWidget* m_window;
    QMenu* m_setupMenu;
    QLabel* followText;
    QAction* followAction;
    QAction* refreshFollowAction;
    QAction* unfollowAction;
};
