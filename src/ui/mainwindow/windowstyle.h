// Small pieces of the main window's look and making, shared by its panels.
#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QLineEdit;
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

// A picture button with its pictures from `imageFolder`: normal, pressed and disabled.
ImageButton* imageButton(const char* name, const QString& caption, const QString& imageFolder, const QString& picture,
                         const QString& pressed, const QString& disabled, QWidget* parent);

// A right-aligned box for a number of at most `maxLength` characters.
QLineEdit* numberBox(const char* name, const QString& text, int maxLength, QWidget* parent);

// A read-only box that shows a chosen sound.
QLineEdit* soundBox(const char* name, QWidget* parent);

// The spinner writes its position into `box`; the position `wrapAt` (past the end) wraps to `wrapTo`.
void linkSpinner(Spinner* spinner, QLineEdit* box, int wrapAt, int wrapTo);
