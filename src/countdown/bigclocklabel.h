// Shared look of the large yellow read-outs of the full-screen windows.
#pragma once

class QLabel;
class QWidget;

void styleFullScreenWindow(QWidget* window);
void styleBigLabel(QLabel* label, int pointSize);
