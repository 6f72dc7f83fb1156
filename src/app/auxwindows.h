// The information window of the menu strip (the manual is ui/help/helpwindow.h).
#pragma once

#include <QDialog>

class ImageButton;

// "Corvalin infomation": the version.
class Info1 : public QDialog {
    Q_OBJECT
public:
    Info1(const QString& imageFolder, QWidget* parent = nullptr);
    ImageButton* closeButton;
};
