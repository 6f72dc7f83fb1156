// Small pieces of the main window's look and making.
#include "ui/mainwindow/windowstyle.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QShortcut>

#include "ui/widgets/imagebutton.h"
#include "ui/widgets/spinner.h"

namespace {

// Sets the tooltip back whenever the widget changes it.
class ToolTipKeeper : public QObject {
public:
    ToolTipKeeper(QWidget* widget, QString toolTip) : QObject(widget), m_toolTip(std::move(toolTip)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTipChange) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->toolTip() != m_toolTip) {
                widget->setToolTip(m_toolTip);
            }
        }
        return false;
    }

private:
    QString m_toolTip;
};

// The Up and Down keys in a number box step its spinner.
class SpinnerKeys : public QObject {
public:
    SpinnerKeys(QLineEdit* box, Spinner* spinner) : QObject(box), m_spinner(spinner) {}

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up) {
            m_spinner->upArrow();
            return true;
        }
        if (key == Qt::Key_Down) {
            m_spinner->downArrow();
            return true;
        }
        return false;
    }

private:
    Spinner* m_spinner;
};

}  // namespace

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
    auto* button = named(new ImageButton(caption, imageFolder, picture, pressed, disabled, parent), name);
    button->setAccessibleName(caption);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoDefault(true);  // Enter clicks it, as Space does
    return button;
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
    box->installEventFilter(new SpinnerKeys(box, spinner));
}

QShortcut* clickOnKeys(QAbstractButton* button, const QKeySequence& keys, const QString& toolTip) {
    // Made on the button: a shortcut never acts while its widget is hidden or disabled.
    auto* shortcut = new QShortcut(keys, button);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled() && button->isVisible()) {
            button->click();
        }
    });
    keepToolTip(button, toolTip);
    return shortcut;
}

void keepToolTip(QWidget* widget, const QString& toolTip) {
    widget->setToolTip(toolTip);
    widget->installEventFilter(new ToolTipKeeper(widget, toolTip));
}

void tabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}
