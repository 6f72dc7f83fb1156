// The small dialog that chooses how the program shows itself when it starts on its own:
// as a window or only as a tray icon.
#pragma once

#include <QDialog>

class QGroupBox;
class QRadioButton;
class ImageButton;

class AutoModeForm : public QDialog {
    Q_OBJECT
public:
    AutoModeForm(const QString& imageFolder, QWidget* parent = nullptr);

    QGroupBox* wayFrame;
    QRadioButton* windowModeButton;
    QRadioButton* trayModeButton;
    ImageButton* confirmButton;
};
