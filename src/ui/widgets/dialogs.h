// Modal message boxes and modal windows, behind one interface so that tests can answer them.
#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

class Dialogs {
    Q_DECLARE_TR_FUNCTIONS(Dialogs)

public:
    enum class Icon { None, Information, Critical, Question };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Dialogs() = default;

    // A modal message box. An empty title shows the application's title.
    virtual Answer message(QWidget* parent, const QString& title, const QString& text, Icon icon,
                           Buttons buttons) = 0;

    // Shows a window modally and returns once it has been hidden.
    virtual void showModal(QWidget* window) = 0;

    // The operator picks a file to read; empty when none was picked.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& filter) = 0;
    // The operator names a file to write, `suggested` to begin with; empty when none was named.
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                 const QString& filter) = 0;

    // The refusal box: title "Warning", error icon, OK.
    void warning(QWidget* parent, const QString& text) {
        message(parent, tr("Warning"), text, Icon::Critical, Buttons::Ok);
    }
};

// QMessageBox and QDialog::exec.
class QtDialogs final : public Dialogs {
public:
    Answer message(QWidget* parent, const QString& title, const QString& text, Icon icon,
                   Buttons buttons) override;
    void showModal(QWidget* window) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                         const QString& filter) override;
};
