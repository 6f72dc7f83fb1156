// The help and information windows of the menu strip.
#pragma once

#include <QDialog>

class ImageButton;

// "Help": how times are typed, and where the operator's guide is.
class Help1 : public QDialog {
    Q_OBJECT
public:
    Help1(const QString& helpFile, const QString& imageFolder, QWidget* parent = nullptr);
    ImageButton* closeButton;
};

// "Corvalin infomation": the version.
class Info1 : public QDialog {
    Q_OBJECT
public:
    Info1(const QString& imageFolder, QWidget* parent = nullptr);
    ImageButton* closeButton;
};
