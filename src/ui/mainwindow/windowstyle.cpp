// Small pieces of the main window's look and making.
#include "ui/mainwindow/windowstyle.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "ui/widgets/imagebutton.h"
#include "ui/widgets/spinner.h"

void setBackColor(QLabel* label, const QColor& color) {
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, color);
    label->setPalette(palette);
}

void lockButton(ImageButton* button, bool locked) {
    button->setEnabled(!locked);
    button->showPicture(locked ? button->disabledPicture() : button->normalPicture());
}

ImageButton* imageButton(const char* name, const QString& caption, const QString& imageFolder, const QString& picture,
                         const QString& pressed, const QString& disabled, QWidget* parent) {
    return named(new ImageButton(caption, imageFolder, picture, pressed, disabled, parent), name);
}

QLineEdit* numberBox(const char* name, const QString& text, int maxLength, QWidget* parent) {
    auto* box = named(new QLineEdit(text, parent), name);
    box->setMaxLength(maxLength);
    box->setFixedWidth(42);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QLineEdit* soundBox(const char* name, QWidget* parent) {
    auto* box = named(new QLineEdit(parent), name);
    box->setReadOnly(true);
    box->setMinimumWidth(120);
    return box;
}

void linkSpinner(Spinner* spinner, QLineEdit* box, int wrapAt, int wrapTo) {
    QObject::connect(spinner, &Spinner::changed, box, [spinner, box, wrapAt, wrapTo](int value) {
        if (value == wrapAt) {
            spinner->setValue(wrapTo);
            return;
        }
        box->setText(QString::number(value));
    });
}
