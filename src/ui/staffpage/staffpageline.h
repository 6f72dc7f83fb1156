// The staff web page on the main window: "Staff web page..." in the set-up menu, and a line under
// the warning line, while the page is served, with its address and its certificate's fingerprint
// for staff to check against their browser.
#pragma once

#include <QObject>
#include <QPointer>

class CommandRunner;
class ElidedLabel;
class QMenu;
class QWidget;
class StaffPageDialog;
class WebFace;

class StaffPageLine : public QObject {
    Q_OBJECT
public:
    StaffPageLine(CommandRunner& commands, WebFace& web, QMenu* setupMenu, QWidget* window);

    QWidget* line() const;
    // "Staff web page...": the dialog, made once and shown again.
    void onStaffPageTriggered();

private:
    void show();

    CommandRunner& m_commands;
    WebFace& m_web;
    QWidget* m_window;
    ElidedLabel* m_line;
    QPointer<StaffPageDialog> m_dialog;
};
