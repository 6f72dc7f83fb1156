// "Staff web page...": whether the page is served and where, its certificate's fingerprint for
// staff to check against what their browser shows, and the staff accounts. Every change goes
// through the command table, as the command line's --web-on, --staff-add and the others do.
#pragma once

#include <QDialog>

class CommandRunner;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class WebFace;

class StaffPageDialog : public QDialog {
    Q_OBJECT
public:
    StaffPageDialog(CommandRunner& commands, WebFace& web, QWidget* parent = nullptr);

    // Serves the page as the switch and the address field say; the refusal is shown.
    void apply();
    // Asks for a name, a role and a password twice, and adds the account.
    void addAccount();
    void removeAccount();

private:
    // What each role may do.
    static QString rolesText();
    void showState();
    void showAccounts();
    void answer(const QString& refusal);

    CommandRunner& m_commands;
    WebFace& m_web;
    QCheckBox* m_serve;
    QLineEdit* m_listen;
    QLabel* m_state;
    QLabel* m_fingerprint;
    QListWidget* m_accounts;
    QPushButton* m_remove;
    QLabel* m_answer;
};
