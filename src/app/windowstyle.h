// Small pieces of the window's look shared by its files.
#pragma once

#include <QColor>

class QLabel;
class ImageButton;

// The state label's colours: stopped and running.
inline const QColor kStoppedColor(170, 223, 171);
inline const QColor kRunningColor(255, 183, 185);

// Paints a label's background.
void setBackColor(QLabel* label, const QColor& color);

// A picture button enabled with its normal picture, or disabled with its disabled one.
void lockButton(ImageButton* button, bool locked);
