// Message boxes and modal windows on the desktop.
#include "ui/widgets/dialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

Dialogs::Answer QtDialogs::message(QWidget* parent, const QString& title, const QString& text, Icon icon,
                                   Buttons buttons) {
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
    box.setText(text);
    switch (icon) {
        case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
        case Icon::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int result = box.exec();
    if (buttons == Buttons::YesNo) {
        return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    return Answer::Ok;
}

void QtDialogs::showModal(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->exec();
        return;
    }
    // A plain window: make it application-modal and wait until it is hidden or gone.
    QPointer<QWidget> guard(window);
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
    QEventLoop loop;
    while (guard && guard->isVisible()) {
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
}

QString QtDialogs::openFileName(QWidget* parent, const QString& caption, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString QtDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& suggested,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}
