// Small pieces of the main window's look and making, shared by its panels.
#pragma once

#include <QColor>
#include <QString>
#include <initializer_list>

class QAbstractButton;
class QKeySequence;
class QLabel;
class QLineEdit;
class QShortcut;
class QWidget;
class ImageButton;
class Spinner;

// The state label's colours: stopped and running.
inline const QColor kStoppedColor(170, 223, 171);
inline const QColor kRunningColor(255, 183, 185);

// Paints a label's background.
void setBackColor(QLabel* label, const QColor& color);

// A picture button enabled with its normal picture, or disabled with its disabled one.
void lockButton(ImageButton* button, bool locked);

// `widget`, named `name` (tests and the style sheets find controls by it).
template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A picture button with its pictures from `imageFolder`: normal, pressed and disabled. `caption`
// is its accessible name (and its text while no picture can be read); Tab reaches it, and Enter or
// Space clicks it.
ImageButton* imageButton(const char* name, const QString& caption, const QString& imageFolder, const QString& picture,
                         const QString& pressed, const QString& disabled, QWidget* parent);

// A right-aligned box for a number of at most `maxLength` characters.
QLineEdit* numberBox(const char* name, const QString& text, int maxLength, QWidget* parent);

// A read-only box that shows a chosen sound.
QLineEdit* soundBox(const char* name, QWidget* parent);

// The spinner writes its position into `box`; the position `wrapAt` (past the end) wraps to `wrapTo`.
// The Up and Down keys in the box step the spinner as its arrows do.
void linkSpinner(Spinner* spinner, QLineEdit* box, int wrapAt, int wrapTo);

// `keys` click `button` while its window is active, as long as the button is shown and enabled
// (nothing happens otherwise). `toolTip` stays the button's tooltip, whatever picture it shows.
QShortcut* clickOnKeys(QAbstractButton* button, const QKeySequence& keys, const QString& toolTip);

// A tooltip that stays, though the widget sets its own again (a picture button does at each picture).
void keepToolTip(QWidget* widget, const QString& toolTip);

// Tab moves through `widgets` in this order.
void tabOrder(std::initializer_list<QWidget*> widgets);
